#include "models/QsoEntry.h"

#include "base/KeptSettings.h"
#include "services/radio/Bands.h"
#include "services/radio/RigLink.h"

#include <utility>

// The radio by CAT: its frequency shown and stored with each contact, its PTT for voice.

void QsoEntry::attachRadio() {
    if (!m_rig)
        return;
    connect(m_rig, &RigLink::reading, this, [this](const RigReading& r) {
        if (m_radioReading == r)
            return;
        m_radioReading = r;
        m_engine.setRadioFrequency(r.frequencyHz);
        if (!offBand())
            m_offBandNoticed = false;
        emit changed();
    });
    // Said once per silence; the link tries again quietly and logging goes on without it.
    connect(m_rig, &RigLink::silent, this, [this](const QString& why) {
        m_radioReading.reset();
        m_engine.setRadioFrequency(std::nullopt);
        m_radioSilence = why + QStringLiteral(" Se reincearca.");
        emit changed();
    });
    connect(m_rig, &RigLink::answered, this, [this] {
        m_radioSilence.clear();
        emit changed();
    });
}

void QsoEntry::followRadio() {
    QString problem;
    std::tie(m_radio, problem) = KeptSettings(m_run.dataFolder()).radio();
    if (!problem.isEmpty())
        message(problem);
    m_radioReading.reset();
    m_radioSilence.clear();
    m_offBandNoticed = false;
    m_engine.setRadioFrequency(std::nullopt);
    if (!m_rig)
        return;
    m_rig->follow(m_radio);
    m_voice.usePttByCat(m_radio.pttByCat ? m_rig : nullptr);
}

void QsoEntry::stopFollowingRadio() {
    if (m_rig)
        m_rig->stop();
}

std::optional<int> QsoEntry::offBand() const {
    const int band = def().report.bandMeters;
    if (!m_radioReading || Bands::metresOf(m_radioReading->frequencyHz) == band)
        return std::nullopt;
    return band;
}

void QsoEntry::noticeOffBand() {
    const std::optional<int> band = offBand();
    if (!band || std::exchange(m_offBandNoticed, true))
        return;
    message(QStringLiteral("Legatura a fost inregistrata pe %1 kHz, in afara benzii de %2 m a "
                           "concursului. Verificati frecventa radioului.")
                .arg(QString::number(double(m_radioReading->frequencyHz) / 1000.0, 'f', 2))
                .arg(*band));
}

bool QsoEntry::messageUnderWay() const {
    return m_cw.isBusy() || m_voice.isBusy();
}
