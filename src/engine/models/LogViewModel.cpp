#include "models/LogViewModel.h"

#include "base/LeadingNumber.h"
#include "services/reports/ReportFiles.h"

using M = LogViewMode;

LogViewShown LogViewModel::shown() const {
    const bool log = m_grid == Grid::Log;
    LogViewShown s;
    s.viewFrame = viewing() || m_mode == M::CallsignTable;
    s.deleteLogFrame = m_mode == M::DeleteLogChoice;
    s.printFrame = m_mode == M::PrintChoice;
    s.totalsFrame = viewing() || ((printing() || m_mode == M::SummaryForm) && log);
    s.deleteContactFrame = m_mode == M::ContactChosen;
    s.stationForm = m_mode == M::SummaryForm || m_mode == M::TextLogForm;
    s.cabrilloForm = m_mode == M::CabrilloForm;
    s.formDoneButton = s.stationForm || s.cabrilloForm;
    s.callsignTableFrame = m_mode == M::CallsignChoice || m_mode == M::AddingCallsign;
    s.callsignForm = m_mode == M::AddingCallsign;
    s.archivePanel = archiving();
    s.logGrid = log;
    s.callsignGrid = m_grid == Grid::Callsigns;
    s.fileListing = m_listing;
    for (int i = 0; i < 4; ++i)
        s.stages[static_cast<size_t>(i)] = i < m_contest.stageCount;
    s.multipliers = m_contest.report.hasMultipliers();
    s.cabrilloMenu = m_contest.cabrillo;
    s.viewChecked = viewing() && log ? m_gridStage : -1;
    s.callsignTableChecked = m_mode == M::CallsignTable;
    s.printChecked = printing() && log ? m_gridStage : -1;
    s.summaryChecked = m_mode == M::SummaryForm;
    s.addCallsignChecked = m_mode == M::AddingCallsign;
    return s;
}

LogOutput LogViewModel::output() const {
    switch (m_mode) {
    case M::CabrilloForm:
        return LogOutput::Cabrillo;
    case M::TextLogForm:
        return LogOutput::TextLog;
    case M::SummaryForm:
        return LogOutput::PrintedSummary;
    case M::ArchiveText:
        return LogOutput::TextArchive;
    case M::ArchiveAdif:
        return LogOutput::AdifArchive;
    default:
        return LogOutput::None;
    }
}

QString LogViewModel::twoDigitYear() const {
    return ReportFiles::twoDigitYear(m_date);
}

// ---- menus ----

void LogViewModel::reset(const QDate& today) {
    if (today.isValid())
        m_date = today.toString(QStringLiteral("dd.MM.yyyy"));
    start(M::Idle);
    m_gridStage = -1;
}

void LogViewModel::viewMenu() {
    start(M::Viewing);
}

void LogViewModel::printMenu() {
    start(M::PrintChoice);
}

void LogViewModel::deleteLogMenu() {
    start(M::DeleteLogChoice);
}

void LogViewModel::archiveMenu() {
    start(M::Archive);
}

void LogViewModel::cabrilloMenu() {
    start(M::CabrilloForm);
}

void LogViewModel::textLogMenu() {
    start(M::TextLogForm);
}

void LogViewModel::start(LogViewMode mode) {
    m_mode = mode;
    m_grid = Grid::None;
    m_listing = false;
}

// ---- VIEW ----

void LogViewModel::viewStage(int stage) {
    // A selection offers deleting once per VIEW; the callsign table leaves it offered.
    if (m_mode == M::ContactChosen)
        m_mode = M::Browsing;
    else if (m_mode == M::CallsignTable)
        m_mode = M::Viewing;
    showLog(stage);
}

void LogViewModel::contactSelected() {
    if (m_mode == M::Viewing)
        m_mode = M::ContactChosen;
}

void LogViewModel::contactDeletionConfirmed() {
    m_mode = M::Viewing;
}

void LogViewModel::callsignTableChosen() {
    m_mode = M::CallsignTable;
    m_grid = Grid::Callsigns;
}

void LogViewModel::callsignChoiceOpened() {
    m_mode = M::CallsignChoice;
}

void LogViewModel::addingCallsignChosen() {
    m_mode = M::AddingCallsign;
}

void LogViewModel::showLog(int stage) {
    m_grid = Grid::Log;
    m_gridStage = stage;
}

bool LogViewModel::viewing() const {
    return m_mode == M::Viewing || m_mode == M::ContactChosen || m_mode == M::Browsing;
}

// ---- PRINT and DELETE LOG ----

void LogViewModel::printStage(int stage) {
    // Once declined, nothing is printed until the PRINT menu is chosen again.
    if (m_mode != M::PrintDeclined)
        m_mode = M::PrintChoice;
    showLog(stage);
}

void LogViewModel::printerDeclined() {
    m_mode = M::PrintDeclined;
    m_grid = Grid::None;
}

void LogViewModel::summaryChosen() {
    m_mode = M::SummaryForm;
}

void LogViewModel::summaryEnded(bool printed) {
    m_mode = printed ? M::Idle : M::PrintDeclined;
    m_grid = Grid::None;
}

bool LogViewModel::printing() const {
    return m_mode == M::PrintChoice || m_mode == M::PrintDeclined;
}

void LogViewModel::deleteLogChosen() {
    showLog(0);
}

void LogViewModel::deleteLogDeclined() {
    m_grid = Grid::None;
}

void LogViewModel::logDeleted() {
    m_mode = M::Idle;
    showLog(0);
}

// ---- files ----

bool LogViewModel::archiving() const {
    return m_mode == M::Archive || m_mode == M::ArchiveText || m_mode == M::ArchiveAdif;
}

void LogViewModel::fileWritten(bool ok) {
    m_grid = Grid::None;
    if (ok)
        m_listing = true;
    // A form stays after a failure, to try again; the ADIF archive closes its frame either way.
    const bool form = m_mode == M::CabrilloForm || m_mode == M::TextLogForm;
    if ((form && ok) || m_mode == M::ArchiveAdif)
        m_mode = M::FileWritten;
}

QString LogViewModel::archiveNameTyped(const QString& text) {
    const QString ending = text.right(4);
    LogViewMode format;
    if (ending == QLatin1String(".TXT") || ending == QLatin1String(".txt"))
        format = M::ArchiveText;
    else if (ending == QLatin1String(".ADI") || ending == QLatin1String(".adi"))
        format = M::ArchiveAdif;
    else
        return text;
    if (archiving())
        m_mode = format;
    return text.chopped(4);
}

void LogViewModel::archiveSaveChosen(LogOutput format) {
    m_mode = format == LogOutput::AdifArchive ? M::ArchiveAdif : M::ArchiveText;
}

Outcome<QString> LogViewModel::archivedFile(const QString& dataFolder,
                                            const QString& typedName) const {
    if (const QString why = ReportFiles::checkArchiveName(typedName); !why.isEmpty())
        return Failure{why};
    const LogOutput format = output();
    if (format != LogOutput::TextArchive && format != LogOutput::AdifArchive)
        return Failure{QStringLiteral("SCRIETI NUMELE FISIERULUI CU TERMINATIA .TXT SAU .ADI !")};
    return ReportFiles::archivePath(dataFolder, typedName,
                                    format == LogOutput::TextArchive ? QStringLiteral(".txt")
                                                                     : QStringLiteral(".adi"));
}

bool LogViewModel::operatorCountValid(const QString& text) {
    return leadingNumber(text) >= 1;
}
