#pragma once

#include "reports/CabrilloHeader.h"
#include "reports/ReportTotals.h"
#include "screens/ScreenServices.h"
#include "screens/reports/LogViewControls.h"

#include <QMainWindow>

class LogByDateModel;
class QFileSystemModel;
class QModelIndex;
class QSqlQueryModel;
struct WrittenFile;

/// The log-view screen: the log by stage, exports, printing and upkeep.
class FrmAnzeigen : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmAnzeigen(ScreenServices& services, QWidget* parent = nullptr);

    LogViewControls ui;

    /// Puts every frame and choice into its initial state (also the "reload" after a question).
    void Form_Load();

signals:
    /// 1_ST_P&AGE: back to the set-up screen.
    void setupRequested();
    /// E&XIT confirmed.
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What CmdGata and the file driver produce (the screen's output kind).
    enum OutputKind { KindNone = 0, KindAdif = 10, KindTextLog = 100, KindCabrillo = 1000 };
    // The archive file's format, from the typed extension or the button pressed.
    enum ArchiveFormat { FormatNone = 0, FormatText = 50, FormatAdif = 60 };
    // The pending log action of the delete and print choices.
    enum Pending { PendingNone = 0, PendingDelete = 1, PendingPrint = 10, PrintDeclined = 25 };

    // building (FrmAnzeigen.cpp)
    void buildUi();
    QWidget* buildChoiceFrames(QWidget* parent);
    QWidget* buildStationForm(QWidget* parent);
    QWidget* buildCabrilloForm(QWidget* parent);
    QWidget* buildArchiveFrame(QWidget* parent);
    QWidget* buildCallJudFrames(QWidget* parent);
    void buildMenus();
    void clearStage();
    void Anulat();
    void mnuLogAnzeigen_Click();
    void mnuLOGDrucken_Click();
    void mnuLOGLoeschen_Click();
    void mnuArh_Click();
    void View2Et();
    void Typ2Et();
    void Del2Et();
    bool OrdLog();
    bool OrdArhiva();
    bool createFolder(const QString& folder);
    bool ask(const QString& text, const QString& title);
    void tell(const QString& text, const QString& title = {});
    QString twoDigitYear() const;

    // the log grid, totals and deletions (LogViewCommands.cpp)
    bool Summe();
    void showTotals(int stage);
    void bindLog(int stage);
    void ColGrid();
    void viewChoice(int stage);
    void printChoice(int stage);
    bool Message4();
    void DBGrid1_RowSelected();
    void OpBDelete_Click();
    void OpbL1A_Click();
    void Ja();

    // the archive frame (ArchiveFrame.cpp)
    void DrvList_Change();
    void DirList_Change();
    void FilList_DblClick(const QModelIndex& index);
    void TxtNameDat_Change(const QString& text);
    void TxtNameDat_Enter();
    void CmdSterg_Click();
    void CmdMemTxt_Click();
    void CmdArhivADI_Click();
    bool archiveNameOk();
    void resetFileLists();

    // the station-data form, the Cabrillo form and the files they lead to (ExportForms.cpp)
    void mnuCabrillo_Click();
    void mnuTXT_Click();
    void OpBDSumm_Click();
    void DatInSumm();
    void fillStationBoxes();
    void connectStationBoxes();
    void connectCabrilloBoxes();
    bool TxtNo_Valid();
    void storeStationData();
    void CmdGata_Click();
    void showEntryForm();
    CabrilloHeader cabrilloHeader() const;
    void ScrieLog();
    void CitLogCbr(const WrittenFile& written);
    void PSummary();

    // the callsign database (CallJudUpkeep.cpp)
    void OpBCallJud_Click();
    void SortCallJud();
    void ColGridA();
    void OpBCallJud_DblClick();
    void OpBAnf_gen_Click();
    void TxtCont_Enter();
    void ScrieCallJud();

    ScreenServices& m_services;
    AppState& m_state;
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
    QString m_fileName;    // typed into TxtNameDat, without its extension
};
