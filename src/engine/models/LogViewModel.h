#pragma once

#include "base/Outcome.h"
#include "rules/ContestDef.h"

#include <QDate>
#include <QString>
#include <array>

/// What the log-view screen is doing.
enum class LogViewMode {
    Idle,            // no frame: after a reset, a printed summary or the emptied log
    Viewing,         // VIEW: selecting a contact in the grid offers to delete it
    ContactChosen,   // VIEW with the DELETE frame for the selected contact
    Browsing,        // VIEW after a stage change: selecting offers nothing until VIEW again
    CallsignTable,   // VIEW beside the callsign database's grid
    CallsignChoice,  // the TAB. JUD frame
    AddingCallsign,  // the callsign database's entry form
    PrintChoice,     // PRINT: a stage is printed once the printer is said to be ready
    PrintDeclined,   // the printer was not ready: a stage shows its grid, nothing is printed
    DeleteLogChoice, // DELETE LOG
    SummaryForm,     // station data for the printed summary
    TextLogForm,     // station data for the text log
    CabrilloForm,    // the Cabrillo header
    FileWritten,     // a form's file written, or an ADIF archive tried: only the listing
    Archive,         // the archive frame, no format named yet
    ArchiveText,     // the archive frame, a text file named (".TXT" or Save TEXT)
    ArchiveAdif,     // the archive frame, an ADIF file named (".ADI" or Save ADIF)
};

/// What the operator's confirmation or the archive buttons produce.
enum class LogOutput { None, Cabrillo, TextLog, PrintedSummary, TextArchive, AdifArchive };

/// What the log-view screen shows: derived from the mode and the contest, never stored.
struct LogViewShown {
    bool viewFrame = false; // VIEW, " Log Gen" with it
    bool deleteLogFrame = false;
    bool printFrame = false;
    bool totalsFrame = false;
    bool deleteContactFrame = false;
    bool stationForm = false;
    bool cabrilloForm = false;
    bool formDoneButton = false;
    bool callsignTableFrame = false;
    bool callsignForm = false;
    bool archivePanel = false;
    bool logGrid = false;
    bool callsignGrid = false;
    bool fileListing = false;
    std::array<bool, 4> stages{}; // the stage choices 1A..2B of VIEW and PRINT the contest has
    bool multipliers = false;     // the multiplier total
    bool cabrilloMenu = false;    // FORMAT CABRILLO enabled
    int viewChecked = -1;         // the VIEW choice shown: 0 the whole log, 1..4 a stage
    bool callsignTableChecked = false;
    int printChecked = -1; // the PRINT stage shown, 1..4
    bool summaryChecked = false;
    bool addCallsignChecked = false;
};

/// The log-view screen without widgets: the operator's choices move it from mode to mode, and
/// `shown` says what the screen shows for the mode and the contest.
class LogViewModel {
public:
    explicit LogViewModel(const ContestDef& contest) : m_contest(contest) {}

    LogViewMode mode() const { return m_mode; }
    LogViewShown shown() const;
    /// The stage the log grid shows (0 the whole log), -1 before a stage is chosen.
    int gridStage() const { return m_gridStage; }
    /// What the form or archive frame in hand produces.
    LogOutput output() const;
    /// The two-digit year of file names and titles, of the day the screen was last reset.
    QString twoDigitYear() const;

    // The menus and the reset: each starts its group of frames afresh.
    void reset(const QDate& today);
    void viewMenu();
    void printMenu();
    void deleteLogMenu();
    void archiveMenu();
    void cabrilloMenu();
    void textLogMenu();

    // VIEW, the contact's deletion and the callsign database.
    void viewStage(int stage);
    void contactSelected();
    void contactDeletionConfirmed();
    void callsignTableChosen();
    void callsignChoiceOpened();
    void addingCallsignChosen();

    // PRINT and DELETE LOG.
    void printStage(int stage);
    /// True when the stage just chosen is printed once the printer is said to be ready.
    bool asksForPrinter() const { return m_mode == LogViewMode::PrintChoice; }
    void printerDeclined();
    void summaryChosen();
    void summaryEnded(bool printed);
    void deleteLogChosen();
    void deleteLogDeclined();
    void logDeleted();

    // The files.
    void fileWritten(bool ok);
    /// Takes the name typed into the archive frame: a ".TXT"/".txt" or ".ADI"/".adi" ending
    /// names the format and is cut off; the answer is the name to keep in the box.
    QString archiveNameTyped(const QString& text);
    void archiveSaveChosen(LogOutput format);
    /// The archived file the typed name and format mean, or why there is none.
    Outcome<QString> archivedFile(const QString& dataFolder, const QString& typedName) const;

    /// True when the typed number of operators can be stored: a leading number of at least 1.
    static bool operatorCountValid(const QString& text);

private:
    enum class Grid { None, Log, Callsigns };
    void start(LogViewMode mode);
    void showLog(int stage);
    bool viewing() const;
    bool printing() const;
    bool archiving() const;

    const ContestDef& m_contest;
    LogViewMode m_mode = LogViewMode::Idle;
    Grid m_grid = Grid::None;
    int m_gridStage = -1;
    bool m_listing = false; // a written file is listed
    QString m_date;         // "dd.MM.yyyy" of the day the screen was last reset
};
