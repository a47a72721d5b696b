#pragma once

#include "Outcome.h"
#include "reports/CabrilloHeader.h"
#include "reports/ReportTotals.h"
#include "screens/ScreenServices.h"
#include "screens/reports/LogViewControls.h"
#include "setup/LayoutFactors.h"

#include <QMainWindow>

class LogByDateModel;
class QFileSystemModel;
class QModelIndex;
class QRadioButton;
class QSqlQueryModel;
struct WrittenFile;

/// The log-view screen: the log by stage, exports, printing and upkeep.
class LogViewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit LogViewWindow(ScreenServices& services, QWidget* parent = nullptr);

    LogViewControls ui;

    /// Puts every frame and choice into its initial state (also the "reload" after a question).
    void reset();

signals:
    /// 1_ST_P&AGE: back to the set-up screen.
    void setupRequested();
    /// E&XIT confirmed.
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What formDoneButton and the file driver produce (the screen's output kind).
    enum OutputKind { KindNone = 0, KindAdif = 10, KindTextLog = 100, KindCabrillo = 1000 };
    // The archive file's format, from the typed extension or the button pressed.
    enum ArchiveFormat { FormatNone = 0, FormatText = 50, FormatAdif = 60 };
    // The pending log action of the delete and print choices.
    enum Pending { PendingNone = 0, PendingDelete = 1, PendingPrint = 10, PrintDeclined = 25 };

    // building (LogViewWindow.cpp)
    void buildUi();
    QWidget* buildChoiceFrames(QWidget* parent);
    QWidget* buildStationForm(QWidget* parent);
    QWidget* buildCabrilloForm(QWidget* parent);
    QWidget* buildArchiveFrame(QWidget* parent);
    QWidget* buildCallsignFrames(QWidget* parent);
    void buildMenus();
    QRadioButton* viewButton(int stage) const;
    void openStageLog();
    void clearStage();
    void clearChoices();
    void showViewChoices();
    void showPrintChoices();
    void showDeleteLogChoice();
    void showArchiveFrame();
    void hideSecondStageViews();
    void hideSecondStagePrints();
    void showDeleteLogButton();
    bool makeLogFolder();
    bool makeArchiveFolder();
    bool createFolder(const QString& folder);
    bool ask(const QString& text, const QString& title);
    void tell(const QString& text, const QString& title = {});
    QString twoDigitYear() const;

    // the log grid, totals and deletions (LogViewCommands.cpp)
    bool readTotals();
    void showTotals(int stage);
    void bindLog(int stage);
    void sizeLogColumns();
    void viewChoice(int stage);
    void printChoice(int stage);
    bool printerReady();
    void contactSelected();
    void deleteSelectedContact();
    void askToDeleteLog();
    void deleteLog();
    void logDeleted(const Outcome<void>& removed);

    // the archive frame (ArchiveFrame.cpp)
    void driveChanged();
    void folderChanged();
    void takeArchivedFileName(const QModelIndex& index);
    void archiveNameTyped(const QString& text);
    void archiveNameEntered();
    void deleteArchivedFile();
    void saveTextArchive();
    void saveAdifArchive();
    bool archiveNameOk();
    void resetFileLists();

    // the station-data form, the Cabrillo form and the files they lead to (ExportForms.cpp)
    void startCabrillo();
    void startTextLog();
    void startPrintedSummary();
    void showStationForm();
    void fillStationBoxes();
    void connectStationBoxes();
    void connectCabrilloBoxes();
    bool operatorCountValid();
    void storeStationData();
    void finishForm();
    void showEntryForm();
    void showCabrilloHeader(const CabrilloHeader& h);
    CabrilloHeader cabrilloHeader() const;
    void writeChosenFile();
    void showWrittenFile(const Outcome<WrittenFile>& written);
    void listWrittenFile(const WrittenFile& written);
    void printSummary();

    // the callsign database (CallsignTable.cpp)
    void showCallsignTable();
    void loadCallsignTable();
    void sizeCallsignColumns();
    void showAddCallsignChoice();
    void startAddingCallsign();
    void confirmAddCallsign();
    void addTypedCallsign();

    ScreenServices& m_services;
    ContestRun& m_run; // written only by the station form
    LayoutFactors m_layout;
    LogByDateModel* m_logModel = nullptr;
    QSqlQueryModel* m_callModel = nullptr;
    QFileSystemModel* m_dirModel = nullptr;
    QFileSystemModel* m_fileModel = nullptr;
    ReportTotals m_totals;
    QString m_date; // "dd.mm.yyyy" of the day the screen was loaded
    int m_pending = PendingNone;
    int m_outputKind = KindNone;
    int m_outputPass = 0;
    int m_archiveFormat = FormatNone;
    int m_summaryOnly = 0; // 10: the form leads to a file; 0: to the printed summary
    int m_viewStage = -1;  // what the log grid shows: 0 whole log, 1..4 a stage
    QString m_fileName;    // typed into fileNameBox, without its extension
};
