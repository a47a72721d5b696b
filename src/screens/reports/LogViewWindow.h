#pragma once

#include "base/CabrilloHeader.h"
#include "base/Outcome.h"
#include "models/LogViewModel.h"
#include "rules/LayoutFactors.h"
#include "screens/ScreenServices.h"
#include "screens/reports/LogViewControls.h"
#include "services/reports/ReportTotals.h"

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
    // building, showing the model and the menus (LogViewWindow.cpp)
    void buildUi();
    QWidget* buildChoiceFrames(QWidget* parent);
    QWidget* buildStationForm(QWidget* parent);
    QWidget* buildCabrilloForm(QWidget* parent);
    QWidget* buildArchiveFrame(QWidget* parent);
    QWidget* buildCallsignFrames(QWidget* parent);
    void buildMenus();
    QRadioButton* viewButton(int stage) const;
    QRadioButton* printButton(int stage) const;
    void render();
    void openStageLog();
    void showViewChoices();
    void showPrintChoices();
    void showDeleteLogChoice();
    void showArchiveFrame();
    bool makeLogFolder();
    bool makeArchiveFolder();
    bool createFolder(const QString& folder);

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
    /// GRAF&IC: the course of the stage shown, or of the whole log.
    void showChart();

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
    void storeStationData();
    void finishForm();
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
    LogViewModel m_model;
    ReportTotals m_totals;
    class ContestChartWindow* m_chart = nullptr;
};
