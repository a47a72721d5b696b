#include "base/KeptSettings.h"
#include "base/LeadingNumber.h"
#include "base/SettingsFiles.h"
#include "base/seams/Dialogs.h"
#include "rules/ContestRun.h"
#include "screens/Widgets.h"
#include "screens/reports/LogViewWindow.h"
#include "screens/reports/SlicedWork.h"
#include "services/reports/Cabrillo.h"
#include "services/reports/ClaimedScore.h"
#include "services/reports/LogExport.h"
#include "services/reports/Summary.h"
#include "store/LogStore.h"

#include <QCheckBox>
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
    return {ui.sectionBox,      ui.operatorNameBox, ui.operatorCountBox, ui.qthBox,
            ui.addressBox,      ui.transmitterBox,  ui.receiverBox,      ui.antennaBoxes[0],
            ui.antennaBoxes[1], ui.antennaBoxes[2], ui.antennaBoxes[3],  ui.clubBox};
}
} // namespace

// ---- the menus and the PRINT frame's Summary ----

void LogViewWindow::startCabrillo() {
    m_model.cabrilloMenu();
    makeLogFolder();
    readTotals();
    // The station boxes, hidden here, are stored on confirming: they start from the stored data.
    fillStationBoxes();
    const ContestDef& def = m_run.contest();
    showCabrilloHeader(KeptSettings(m_run.dataFolder())
                           .cabrillo(Cabrillo::prefilledHeader(def, m_run.settings().myCall,
                                                               claimedScoreOf(def, m_totals),
                                                               m_model.twoDigitYear())));
    render();
    ui.cabrilloCategoryBox->setFocus(Qt::OtherFocusReason);
}

void LogViewWindow::startTextLog() {
    m_model.textLogMenu();
    makeLogFolder();
    showStationForm();
}

void LogViewWindow::startPrintedSummary() {
    m_model.summaryChosen();
    showStationForm();
}

void LogViewWindow::showStationForm() {
    fillStationBoxes();
    render();
    ui.sectionBox->setFocus(Qt::OtherFocusReason);
}

void LogViewWindow::fillStationBoxes() {
    const SettingsRecord& s = m_run.settings();
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

void LogViewWindow::connectStationBoxes() {
    const QList<QLineEdit*> boxes = stationBoxes(ui);
    for (qsizetype i = 0; i + 1 < boxes.size(); ++i) {
        QLineEdit* next = boxes[i + 1];
        connect(boxes[i], &QLineEdit::returnPressed, this, [this, box = boxes[i], next] {
            if (box == ui.operatorCountBox &&
                !LogViewModel::operatorCountValid(ui.operatorCountBox->text())) {
                ui.operatorCountBox->clear();
                return;
            }
            next->setFocus(Qt::OtherFocusReason);
        });
    }
}

void LogViewWindow::connectCabrilloBoxes() {
    const QList<QLineEdit*>& boxes = ui.cabrilloBoxes;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        QLineEdit* next = boxes[(i + 1) % boxes.size()];
        connect(boxes[i], &QLineEdit::returnPressed, this, [next] {
            Widgets::focusAt(next, static_cast<int>(next->text().trimmed().size()));
        });
    }
}

// ---- confirming the data ----

void LogViewWindow::storeStationData() {
    SettingsRecord s = m_run.settings();
    const auto upper = [](const QLineEdit* box) { return box->text().toUpper(); };
    s.section = upper(ui.sectionBox);
    s.operators = upper(ui.operatorNameBox);
    s.operatorCount = leadingNumber(ui.operatorCountBox->text());
    s.qth = upper(ui.qthBox);
    s.address = upper(ui.addressBox);
    s.transmitter = upper(ui.transmitterBox);
    s.receiver = upper(ui.receiverBox);
    for (int i = 0; i < 4; ++i)
        s.antennas[static_cast<size_t>(i)] = upper(ui.antennaBoxes[i]);
    s.club = upper(ui.clubBox);
    m_run.takeSettings(s);
}

// The form and its button stay until the file is written, so a refusal can be corrected.
void LogViewWindow::finishForm() {
    if (!LogViewModel::operatorCountValid(ui.operatorCountBox->text())) {
        ui.operatorCountBox->clear();
        ui.operatorCountBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    storeStationData();
    if (!m_services.dialogs.ask(QStringLiteral("INTRODUCERE DE DATE TERMINATA ?"),
                                QStringLiteral("INTRODUCERE DATE"))) {
        ui.sectionBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (const Outcome<void> written =
            SettingsFiles::writeInitFile(m_run.dataFolder(), m_run.settings());
        !written)
        m_services.dialogs.tell({written.error(), Dialogs::Icon::None, {}});
    const LogOutput output = m_model.output();
    if (output == LogOutput::Cabrillo) {
        if (const Outcome<void> kept =
                KeptSettings(m_run.dataFolder()).keepCabrillo(cabrilloHeader());
            !kept)
            m_services.dialogs.tell({kept.error(), Dialogs::Icon::None, {}});
    }
    if (output == LogOutput::PrintedSummary)
        return printSummary();
    const bool declared = m_services.dialogs.ask(
        QStringLiteral("PRIN EXPEDIEREA LOGULUI ELECTRONIC DECLAR CA AM OPERAT STATIA IN "
                       "LIMITELE LICENTEI SI RESPECTIND REGULAMENTUL DE CONCURS !!!"),
        QStringLiteral("DECLARATIE"), Dialogs::Icon::Exclamation);
    if (!declared) {
        m_services.dialogs.tell(
            {QStringLiteral(
                 "FARA CONFIRMAREA DECLARATIEI REZULTATELE OBTINUTE NU SINT VALABILE ! "),
             Dialogs::Icon::Exclamation, QString()});
        return;
    }
    writeChosenFile();
}

// ---- writing and showing the files ----

void LogViewWindow::showCabrilloHeader(const CabrilloHeader& h) {
    for (const auto& [box, text] : {std::pair{ui.cabrilloContestBox, h.contest},
                                    {ui.cabrilloCallsignBox, h.callsign},
                                    {ui.cabrilloCategoryBox, h.category},
                                    {ui.cabrilloScoreBox, h.claimedScore},
                                    {ui.cabrilloOperatorsBox, h.operators},
                                    {ui.cabrilloClubBox, h.club},
                                    {ui.cabrilloNameBox, h.name},
                                    {ui.cabrilloAddressBoxes[0], h.address[0]},
                                    {ui.cabrilloAddressBoxes[1], h.address[1]},
                                    {ui.cabrilloAddressBoxes[2], h.address[2]},
                                    {ui.cabrilloSoapboxBoxes[0], h.soapbox[0]},
                                    {ui.cabrilloSoapboxBoxes[1], h.soapbox[1]}})
        box->setText(text);
    ui.cabrillo3Check->setChecked(h.version3);
}

CabrilloHeader LogViewWindow::cabrilloHeader() const {
    CabrilloHeader h;
    h.contest = ui.cabrilloContestBox->text();
    h.callsign = ui.cabrilloCallsignBox->text();
    h.category = ui.cabrilloCategoryBox->text();
    h.claimedScore = ui.cabrilloScoreBox->text();
    h.operators = ui.cabrilloOperatorsBox->text();
    h.club = ui.cabrilloClubBox->text();
    h.name = ui.cabrilloNameBox->text();
    for (int i = 0; i < 3; ++i)
        h.address[static_cast<size_t>(i)] = ui.cabrilloAddressBoxes[i]->text();
    for (int i = 0; i < 2; ++i)
        h.soapbox[static_cast<size_t>(i)] = ui.cabrilloSoapboxBoxes[i]->text();
    h.version3 = ui.cabrillo3Check->isChecked();
    return h;
}

void LogViewWindow::writeChosenFile() {
    const ::LogExport writer(m_services.logDb, m_run.contest(), m_run.settings(),
                             m_run.dataFolder(), m_model.twoDigitYear());
    std::shared_ptr<ExportRun> run;
    switch (m_model.output()) {
    case LogOutput::AdifArchive:
        run = writer.adif(ui.fileNameBox->text());
        break;
    case LogOutput::TextArchive:
        run = writer.textArchive(ui.fileNameBox->text());
        break;
    case LogOutput::Cabrillo:
        run = writer.cabrillo(cabrilloHeader());
        break;
    case LogOutput::TextLog:
        run = writer.textLog();
        break;
    case LogOutput::PrintedSummary:
    case LogOutput::None:
        return;
    }
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

void LogViewWindow::showWrittenFile(const Outcome<WrittenFile>& written) {
    m_model.fileWritten(written.ok());
    render();
    if (!written) {
        m_services.dialogs.tell({written.error(), Dialogs::Icon::None, {}});
        return;
    }
    listWrittenFile(*written);
}

void LogViewWindow::listWrittenFile(const WrittenFile& written) {
    // A large file is listed by its first and last lines: a list of every line would cost the
    // operator as much as the file itself.
    const FileExcerpt& lines = written.lines;
    ui.cabrilloPreview->clear();
    ui.cabrilloPreview->addItems(lines.head());
    if (lines.omitted() > 0)
        ui.cabrilloPreview->addItem(
            QStringLiteral("... FISIERUL ARE %1 LINII; SE ARATA PRIMELE %2 SI "
                           "ULTIMELE %3 ...")
                .arg(lines.count())
                .arg(lines.head().size())
                .arg(lines.tail().size()));
    ui.cabrilloPreview->addItems(lines.tail());
}

void LogViewWindow::printSummary() {
    const bool ready = printerReady();
    if (ready) {
        readTotals();
        const Outcome<QString> printed =
            Summary::print(m_services.printer, m_run.contest(), m_run.settings(), m_totals,
                           m_model.twoDigitYear());
        const QString note = printed.valueOr(printed.error());
        if (!note.isEmpty())
            m_services.dialogs.tell({note, Dialogs::Icon::None, QStringLiteral("TIPARIRE")});
    }
    m_model.summaryEnded(ready);
    render();
}
