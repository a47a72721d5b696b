#include "logging/LogStore.h"
#include "reports/Cabrillo.h"
#include "reports/CabrilloKept.h"
#include "reports/ClaimedScore.h"
#include "reports/LogExport.h"
#include "reports/Summary.h"
#include "screens/Widgets.h"
#include "screens/reports/FrmAnzeigen.h"
#include "screens/reports/SlicedWork.h"
#include "seams/Dialogs.h"
#include "setup/AppState.h"
#include "setup/LeadingNumber.h"
#include "setup/SettingsFiles.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <algorithm>

// The station-data form and the Cabrillo form, and the files and printouts they lead to.

namespace {
QList<QLineEdit*> stationBoxes(const LogViewControls& ui) {
    return {ui.TxtSection, ui.TxtOp,     ui.TxtNo,     ui.TxtQTH,    ui.TxtAds,    ui.TxtTx,
            ui.TxtRx,      ui.TxtAnt[0], ui.TxtAnt[1], ui.TxtAnt[2], ui.TxtAnt[3], ui.TxtClub};
}
} // namespace

// ---- the menus and the PRINT frame's Summary ----

void FrmAnzeigen::startCabrillo() {
    clearStage();
    clearChoices();
    makeLogFolder();
    m_outputKind = KindCabrillo;
    m_archiveFormat = FormatNone;
    m_outputPass = 10;
    m_summaryOnly = 10;
    ui.CmdGata->show();
    readTotals();
    const ContestDef& def = m_state.contest();
    showCabrilloHeader(CabrilloKept::load(SettingsFiles::keptSettingsPath(m_state.appPath),
                                          Cabrillo::prefilledHeader(def, m_state.settings.myCall,
                                                                    claimedScoreOf(def, m_totals),
                                                                    twoDigitYear())));
    ui.FraLogCbr->show();
    ui.TxtCateg->setFocus(Qt::OtherFocusReason);
}

void FrmAnzeigen::startTextLog() {
    clearStage();
    clearChoices();
    m_archiveFormat = FormatNone;
    makeLogFolder();
    m_outputPass = 10;
    m_outputKind = KindTextLog;
    m_summaryOnly = 10;
    showStationForm();
}

void FrmAnzeigen::startPrintedSummary() {
    m_summaryOnly = 0;
    showStationForm();
}

void FrmAnzeigen::showStationForm() {
    ui.Frame3->hide();
    ui.Frame2->hide();
    ui.Frame1->hide();
    ui.Frame6->show();
    ui.CmdGata->show();
    fillStationBoxes();
    ui.TxtSection->setFocus(Qt::OtherFocusReason);
}

void FrmAnzeigen::fillStationBoxes() {
    const SettingsRecord& s = m_state.settings;
    // Never stored (or stored below 1): the form's own starting value.
    const int operatorCount = std::max(s.operatorCount, 1);
    const QStringList values{s.section,     s.operators,   QString::number(operatorCount),
                             s.qth,         s.address,     s.transmitter,
                             s.receiver,    s.antennas[0], s.antennas[1],
                             s.antennas[2], s.antennas[3], s.club};
    const QList<QLineEdit*> boxes = stationBoxes(ui);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(values[i]);
}

// ---- Enter in the two forms ----

void FrmAnzeigen::connectStationBoxes() {
    const QList<QLineEdit*> boxes = stationBoxes(ui);
    for (qsizetype i = 0; i + 1 < boxes.size(); ++i) {
        QLineEdit* next = boxes[i + 1];
        connect(boxes[i], &QLineEdit::returnPressed, this, [this, box = boxes[i], next] {
            if (box == ui.TxtNo && !operatorCountValid()) {
                ui.TxtNo->clear();
                return;
            }
            next->setFocus(Qt::OtherFocusReason);
        });
    }
}

void FrmAnzeigen::connectCabrilloBoxes() {
    const QList<QLineEdit*>& boxes = ui.cabrilloBoxes;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        QLineEdit* next = boxes[(i + 1) % boxes.size()];
        connect(boxes[i], &QLineEdit::returnPressed, this, [next] {
            Widgets::focusAt(next, static_cast<int>(next->text().trimmed().size()));
        });
    }
}

bool FrmAnzeigen::operatorCountValid() {
    return leadingNumber(ui.TxtNo->text()) >= 1;
}

// ---- confirming the data ----

void FrmAnzeigen::storeStationData() {
    SettingsRecord& s = m_state.settings;
    const auto upper = [](const QLineEdit* box) { return box->text().toUpper(); };
    s.section = upper(ui.TxtSection);
    s.operators = upper(ui.TxtOp);
    s.operatorCount = leadingNumber(ui.TxtNo->text());
    s.qth = upper(ui.TxtQTH);
    s.address = upper(ui.TxtAds);
    s.transmitter = upper(ui.TxtTx);
    s.receiver = upper(ui.TxtRx);
    for (int i = 0; i < 4; ++i)
        s.antennas[static_cast<size_t>(i)] = upper(ui.TxtAnt[i]);
    s.club = upper(ui.TxtClub);
}

void FrmAnzeigen::finishForm() {
    if (!operatorCountValid()) {
        // The form and its button stay, so the corrected number can still be confirmed.
        ui.Frame6->show();
        ui.TxtNo->clear();
        ui.TxtNo->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui.CmdGata->hide();
    storeStationData();
    if (!ask(QStringLiteral("INTRODUCERE DE DATE TERMINATA ?"),
             QStringLiteral("INTRODUCERE DATE"))) {
        ui.CmdGata->show();
        ui.TxtSection->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui.Frame6->hide();
    if (const Outcome<void> written =
            SettingsFiles::writeInitFile(m_state.appPath, m_state.settings);
        !written)
        tell(written.error());
    if (m_outputKind == KindCabrillo) {
        if (const Outcome<void> kept = CabrilloKept::save(
                SettingsFiles::keptSettingsPath(m_state.appPath), cabrilloHeader());
            !kept)
            tell(kept.error());
    }
    if (m_summaryOnly == 0) {
        printSummary();
        clearChoices();
        return;
    }
    const bool declared =
        m_services.dialogs.message(
            QStringLiteral("PRIN EXPEDIEREA LOGULUI ELECTRONIC DECLAR CA AM OPERAT STATIA IN "
                           "LIMITELE LICENTEI SI RESPECTIND REGULAMENTUL DE CONCURS !!!"),
            QStringLiteral("DECLARATIE"), Dialogs::Buttons::YesNo,
            Dialogs::Icon::Exclamation) == Dialogs::AnswerYes;
    if (!declared) {
        m_services.dialogs.message(
            QStringLiteral("FARA CONFIRMAREA DECLARATIEI REZULTATELE OBTINUTE NU SINT VALABILE ! "),
            QString(), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        showEntryForm();
        return;
    }
    writeChosenFile();
}

void FrmAnzeigen::showEntryForm() {
    ui.CmdGata->show();
    (m_outputKind == KindCabrillo ? ui.FraLogCbr : ui.Frame6)->show();
}

// ---- writing and showing the files ----

void FrmAnzeigen::showCabrilloHeader(const CabrilloHeader& h) {
    for (const auto& [box, text] : {std::pair{ui.TxtContest, h.contest},
                                    {ui.TxtCall, h.callsign},
                                    {ui.TxtCateg, h.category},
                                    {ui.TxtScore, h.claimedScore},
                                    {ui.TxtOperat, h.operators},
                                    {ui.TxtClub1, h.club},
                                    {ui.TxtName, h.name},
                                    {ui.TxtAdrs[0], h.address[0]},
                                    {ui.TxtAdrs[1], h.address[1]},
                                    {ui.TxtAdrs[2], h.address[2]},
                                    {ui.TxtSoap[0], h.soapbox[0]},
                                    {ui.TxtSoap[1], h.soapbox[1]}})
        box->setText(text);
}

CabrilloHeader FrmAnzeigen::cabrilloHeader() const {
    CabrilloHeader h;
    h.contest = ui.TxtContest->text();
    h.callsign = ui.TxtCall->text();
    h.category = ui.TxtCateg->text();
    h.claimedScore = ui.TxtScore->text();
    h.operators = ui.TxtOperat->text();
    h.club = ui.TxtClub1->text();
    h.name = ui.TxtName->text();
    for (int i = 0; i < 3; ++i)
        h.address[static_cast<size_t>(i)] = ui.TxtAdrs[i]->text();
    for (int i = 0; i < 2; ++i)
        h.soapbox[static_cast<size_t>(i)] = ui.TxtSoap[i]->text();
    return h;
}

void FrmAnzeigen::writeChosenFile() {
    const ::LogExport writer(m_services.logDb, m_state.contest(), m_state.settings, m_state.appPath,
                             twoDigitYear());
    std::shared_ptr<ExportRun> run;
    if (m_archiveFormat == FormatAdif)
        run = writer.adif(ui.TxtNameDat->text());
    else if (m_archiveFormat == FormatText)
        run = writer.textArchive(ui.TxtNameDat->text());
    else if (m_outputKind == KindCabrillo)
        run = writer.cabrillo(cabrilloHeader());
    else if (m_outputKind == KindTextLog)
        run = writer.textLog();
    else
        return;
    if (!run->start())
        return showWrittenFile(run->finish());
    const Outcome<qint64> total = LogStore(m_services.logDb).count(0);
    SlicedWork::run(
        this, QStringLiteral("MEMORARE LOG"), QStringLiteral("Se scrie fisierul ..."),
        total.valueOr(0), [run] { return run->step(); },
        [this, run](bool cancelled) {
            showWrittenFile(cancelled ? run->cancel() : run->finish());
        });
}

void FrmAnzeigen::showWrittenFile(const Outcome<WrittenFile>& written) {
    ui.DBGrid1->hide();
    ui.Frame4->hide();
    if (!written) {
        // Nothing was written; the form stays, to try again.
        tell(written.error());
        if (m_archiveFormat == FormatNone)
            showEntryForm();
        return;
    }
    ui.CmdGata->hide();
    ui.FraLogCbr->hide();
    listWrittenFile(*written);
}

void FrmAnzeigen::listWrittenFile(const WrittenFile& written) {
    // A large file is listed by its first and last lines: a list of every line would cost the
    // operator as much as the file itself.
    const FileExcerpt& lines = written.lines;
    ui.ListCbr->clear();
    ui.ListCbr->addItems(lines.head());
    if (lines.omitted() > 0)
        ui.ListCbr->addItem(QStringLiteral("... FISIERUL ARE %1 LINII; SE ARATA PRIMELE %2 SI "
                                           "ULTIMELE %3 ...")
                                .arg(lines.count())
                                .arg(lines.head().size())
                                .arg(lines.tail().size()));
    ui.ListCbr->addItems(lines.tail());
    ui.ListCbr->show();
}

void FrmAnzeigen::printSummary() {
    if (!printerReady()) {
        m_pending = PrintDeclined;
        return;
    }
    readTotals();
    QString note;
    Summary::print(m_services.printer, m_state.contest(), m_state.settings, m_totals,
                   twoDigitYear(), note);
    if (!note.isEmpty())
        tell(note, QStringLiteral("TIPARIRE"));
}
