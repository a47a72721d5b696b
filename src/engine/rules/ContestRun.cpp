#include "rules/ContestRun.h"

#include "rules/ContestCatalog.h"

#include <utility>

QString modeText(Mode mode) {
    switch (mode) {
    case Mode::Cw:
        return QStringLiteral("CW");
    case Mode::Ssb:
        return QStringLiteral("SSB");
    case Mode::None:
        break;
    }
    return {};
}

Mode modeFromText(const QString& text) {
    if (text == QLatin1String("CW"))
        return Mode::Cw;
    if (text == QLatin1String("SSB"))
        return Mode::Ssb;
    return Mode::None;
}

ContestRun::ContestRun(QString dataFolder)
    : m_dataFolder(std::move(dataFolder)), m_contest(ContestCatalog::find(0)) {}

void ContestRun::chooseContest(const ContestDef& def) {
    m_contest = ContestCatalog::find(def.number);
    m_contestChosen = true;
    if (def.presetStage)
        m_stage = Stage::A1;
    if (def.ssbOnly)
        m_mode = Mode::Ssb;
}

void ContestRun::clearStageAndMode() {
    m_stage = Stage::None;
    m_mode = Mode::None;
}

void ContestRun::begin(const HandOver& handOver) {
    m_settings = handOver.settings;
    m_keyer = handOver.keyer;
    m_offLine = handOver.offLine;
    m_startCode = handOver.startCode;
    m_startDate = handOver.startDate;
    m_startTime = handOver.startTime;
}

void ContestRun::stopKeyingByPc() {
    m_keyer.cwByPc = false;
    m_keyer.ssbByPc = false;
}

void ContestRun::keepCwText(int index, const QString& text) {
    m_settings.cwTexts.at(static_cast<size_t>(index)) = text;
}

void ContestRun::setOffLineStamp(const QString& date, const QString& time) {
    m_startDate = date;
    m_startTime = time;
}
