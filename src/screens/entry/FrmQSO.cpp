#include "screens/entry/FrmQSO.h"

#include "keyer/MorseTiming.h"
#include "refdata/CountyBoard.h"
#include "screens/Colors.h"
#include "screens/ContestPresentation.h"
#include "screens/ExitConfirmation.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/ScreenMetrics.h"
#include "setup/AppState.h"
#include "setup/GridColumns.h"
#include "setup/LayoutFactors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlError>
#include <QTableView>
#include <QTimer>

using namespace Widgets;

namespace {
const QString kTitle = QStringLiteral("VELT");

} // namespace

FrmQSO::FrmQSO(ScreenServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_state(services.state),
      m_engine(services.state, services.logDb, services.callDb, services.specials, services.clock),
      m_keys(this), m_port(services.keyLine), m_cw(m_port, services.realtime),
      m_voice(m_port, services.voice), m_wpm(MorseTiming::kOpeningSpeed) {
    setObjectName(QStringLiteral("FrmQSO"));
    buildUi();
    buildMenus();
    attachKeys();
    // The keyer's frames show only once CW is keyed by the PC.
    ui.FramTxtCw->hide();
    ui.FrmCwProgr->hide();
    m_grid = new LogWindowModel(services.logDb, this);
    ui.DBGrid1->setModel(m_grid);
    connect(ui.DBGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_showingNewest && value == ui.DBGrid1->verticalScrollBar()->minimum())
            if (const int added = m_grid->fetchOlder())
                ui.DBGrid1->scrollTo(m_grid->index(added, 0), QAbstractItemView::PositionAtTop);
    });
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FrmQSO::tick);
    m_clock->start();
    tick();
    ui.LblWPM->setText(MorseTiming::wpmCaption(m_wpm));
    // End and Escape stop a message or a repeat from whichever screen has the keyboard.
    qApp->installEventFilter(this);
}

FrmQSO::~FrmQSO() = default;

void FrmQSO::closeEvent(QCloseEvent* event) {
    abortKeying(); // a message under way stops with both lines off
    QMainWindow::closeEvent(event);
}

void FrmQSO::hideEvent(QHideEvent* event) {
    // Nobody is at this screen any more: nothing may go on keying the transmitter.
    abortKeying();
    QMainWindow::hideEvent(event);
}

// ---- load ----

void FrmQSO::Form_Load() {
    // Another display than the four keeps the design layout here, without a message.
    const LayoutFactors f = LayoutFactors::forDisplay(m_services.metrics.displaySize());
    m_state.scaleX = f.scaleX;
    m_state.scaleY = f.scaleY;
    applyLayout(f);
    ColGrid();
    if (m_state.returnToSetup) {
        ui.mnuRecup->setEnabled(false);
        const bool chosen = m_state.stage != 0 && (m_state.qsoMode == QLatin1String("CW") ||
                                                   m_state.qsoMode == QLatin1String("SSB"));
        ui.LblAnunt->setVisible(!chosen);
        greenLabels();
        ui.TxtEroare->hide();
    }
}

// ---- stage and mode ----

void FrmQSO::showResults() {
    const auto rows = m_engine.Frame5();
    for (int r = 0; r < 4; ++r) {
        ui.LblBand[r]->setText(rows[r].band);
        ui.LblQSO[r]->setText(rows[r].qso);
        ui.LblMlt[r]->setText(rows[r].mlt);
        ui.LblPkt[r]->setText(rows[r].pkt);
    }
}

void FrmQSO::clearContactInHand() {
    fieldsToContact();
    if (m_engine.contactInHand())
        AbbruchX();
}

void FrmQSO::markStage(int stage) {
    const QList<QLabel*> marks{ui.Lbl1A, ui.Lbl1B, ui.Lbl2A, ui.Lbl2B};
    for (int i = 0; i < 4; ++i) {
        marks[i]->show();
        setForeColor(marks[i], i + 1 == stage ? Colors::kMagenta : Colors::kLightGrey);
    }
}

void FrmQSO::refreshBoard() {
    greenLabels();
    for (const QString& code : m_engine.TabMult(m_state.stage).grey)
        greyLabel(code);
}

void FrmQSO::refreshTotals() {
    if (!m_engine.Summe())
        m_services.dialogs.message(QStringLiteral("TOTALURILE NU AU PUTUT FI CITITE DIN LOG !"),
                                   kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    showResults();
}

void FrmQSO::B(int stage) {
    if (stage < 1 || stage > 4)
        return;
    clearContactInHand();
    m_engine.Init(stage);
    markStage(stage);
    ui.DBGrid1->setEnabled(true);
    if (m_state.qsoMode == QLatin1String("CW") || m_state.qsoMode == QLatin1String("SSB"))
        ui.LblAnunt->hide();
    refreshBoard();
    if (m_state.contestNumber == 2 && stage <= 2) {
        for (QPushButton* b : {ui.CmdCW, ui.CmdSSB}) {
            b->show();
            b->setEnabled(true);
        }
        if (m_state.cwPcFlag) {
            ui.FramTxtCw->show();
            ui.FrmCwProgr->show();
        }
    }
    refreshTotals();
    m_state.stage = stage;
    if (ui.LblAnunt->isHidden()) {
        YesEnabl();
        YOIN();
        GoIndicSetFocus();
    }
    ViewLogB();
}

void FrmQSO::markMode(bool cw) {
    setForeColor(ui.LblCW, cw ? Colors::kMagenta : Colors::kLightGrey);
    setForeColor(ui.LblSSB, cw ? Colors::kLightGrey : Colors::kMagenta);
}

void FrmQSO::afterModeChosen(const QString& report) {
    if (m_state.stage != 0)
        ui.LblAnunt->hide();
    if (ui.LblAnunt->isHidden()) {
        YesEnabl();
        YOIN();
    }
    ui.TxtRSTE1->setText(report);
    ui.TxtRSTE3->setText(ui.LblMyBezirk->text());
    ui.TxtRSTR1->setText(report);
}

void FrmQSO::MdCw() {
    markMode(true);
    m_state.qsoMode = QStringLiteral("CW");
    if (m_state.cwPcFlag) {
        ui.FrmCwProgr->show();
        ui.FramTxtCw->show();
    }
    afterModeChosen(QStringLiteral("599"));
}

void FrmQSO::MdSSB() {
    markMode(false);
    m_state.qsoMode = QStringLiteral("SSB");
    ui.FrmCwProgr->hide();
    ui.FramTxtCw->hide();
    if (m_state.contestNumber == 13)
        B(1);
    afterModeChosen(QStringLiteral("59"));
}

void FrmQSO::CmdCW_Click() {
    clearContactInHand();
    m_state.qsoMode = QStringLiteral("CW");
    if (m_state.contest().serialSent())
        MaxRap();
    MdCw();
    ui.txtPauseCW->setVisible(m_state.cwRepeat && m_state.cwPcFlag && !m_state.offLineLog);
    ui.TxtPauseSSB->hide();
    if (!ui.LblAnunt->isHidden() && m_state.contest().sentCodeIsStartNumber())
        ui.TxtRSTE2->setText(ui.LblContrInit->text());
}

void FrmQSO::CmdSSB_Click() {
    clearContactInHand();
    m_state.qsoMode = QStringLiteral("SSB");
    if (m_state.contest().serialSent())
        MaxRap();
    MdSSB();
    ui.TxtPauseSSB->setVisible(m_state.ssbRepeat && !m_state.offLineLog);
    ui.txtPauseCW->hide();
    if (!ui.LblAnunt->isHidden()) {
        if (m_state.contest().sentCodeIsStartNumber())
            ui.TxtRSTE2->setText(ui.LblContrInit->text());
        else if (m_state.contestNumber == 24)
            ui.TxtRSTE2->setText(QStringLiteral("001"));
    }
}

void FrmQSO::MaxRap() {
    fieldsToContact();
    ui.TxtRSTE2->setText(m_engine.MaxRap());
}

// ---- entry fields ----

QList<QLineEdit*> FrmQSO::entryFields() const {
    return {ui.TxtIndic, ui.TxtRSTE1, ui.TxtRSTE2, ui.TxtRSTE3,
            ui.TxtRSTR1, ui.TxtRSTR2, ui.TxtRstR3};
}

void FrmQSO::NoEnabl() {
    for (QLineEdit* e : entryFields())
        e->setEnabled(false);
}

void FrmQSO::YesEnabl() {
    for (QLineEdit* e : entryFields())
        e->setEnabled(true);
    ui.TxtDate->setEnabled(true);
    ui.TxtUTC->setEnabled(true);
}

void FrmQSO::YOIN() {
    fieldsToContact();
    ui.TxtIndic->setText(m_engine.YOIN());
    if (m_state.contest().log.yoinFocus && ui.LblAnunt->isHidden())
        GoIndicSetFocus();
}

void FrmQSO::GoIndicSetFocus() {
    focusAt(ui.TxtIndic, static_cast<int>(ui.TxtIndic->text().trimmed().size()));
}

void FrmQSO::GoRSTR2SetFocus() {
    focusAt(ui.TxtRSTR2, static_cast<int>(ui.TxtRSTR2->text().trimmed().size()));
}

void FrmQSO::fieldsToContact() {
    QsoContact& c = m_engine.contact();
    c.callsign = ui.TxtIndic->text();
    c.date = ui.TxtDate->text();
    c.utc = ui.TxtUTC->text();
    c.rstRcvd = ui.TxtRSTR1->text();
    c.codRcvd = ui.TxtRSTR2->text();
    c.judRcvd = ui.TxtRstR3->text();
    c.rstSent = ui.TxtRSTE1->text();
    c.codSent = ui.TxtRSTE2->text();
    c.judSent = ui.TxtRSTE3->text();
}

void FrmQSO::contactToFields() {
    const QsoContact& c = m_engine.contact();
    const std::pair<QLineEdit*, const QString*> pairs[] = {
        {ui.TxtIndic, &c.callsign}, {ui.TxtDate, &c.date},     {ui.TxtUTC, &c.utc},
        {ui.TxtRSTR1, &c.rstRcvd},  {ui.TxtRSTR2, &c.codRcvd}, {ui.TxtRstR3, &c.judRcvd},
        {ui.TxtRSTE1, &c.rstSent},  {ui.TxtRSTE2, &c.codSent}, {ui.TxtRSTE3, &c.judSent}};
    for (const auto& [field, value] : pairs)
        if (field->text() != *value)
            field->setText(*value);
}

void FrmQSO::setSentCode(const QString& code) {
    ui.LblContrInit->setText(code);
    m_engine.setSentCode(code);
}

// ---- board, grid, results ----

void FrmQSO::greenLabels() {
    for (const QString& code : CountyBoard::greenLabels(m_state.contest()))
        if (QLabel* l = m_board.value(code))
            setBackColor(l, Colors::kGreen);
}

void FrmQSO::greyLabel(const QString& code) {
    if (QLabel* l = m_board.value(code))
        setBackColor(l, Colors::kLightGrey);
}

void FrmQSO::ColGrid() {
    ScreenLayout::setColumnWidths(
        ui.DBGrid1,
        GridColumns::columnWidths(m_state.scaleX,
                                  m_state.contest().presentation == Presentation::Caras, false));
}

void FrmQSO::ViewLogB() {
    if (m_state.stage < 1 || m_state.stage > 4 || !m_services.logDb.isOpen())
        return;
    // The refresh moves the scroll bar through its top: no older page for that.
    m_showingNewest = true;
    m_grid->showStage(m_state.stage);
    ColGrid();
    const int last = m_grid->rowCount() - 1;
    if (last >= 0) {
        ui.DBGrid1->selectRow(last);
        ui.DBGrid1->scrollToBottom();
    }
    m_showingNewest = false;
}

void FrmQSO::partialSearch(const QString& beginning) {
    if (m_state.stage < 1 || m_state.stage > 4 || !m_services.logDb.isOpen())
        return;
    m_showingNewest = true;
    m_grid->showCallsignsFrom(beginning);
    ColGrid();
    m_showingNewest = false;
}

// ---- logging ----

void FrmQSO::showNewMult(bool shown) {
    ui.LblNeu->setVisible(shown);
}

bool FrmQSO::VerifLog() {
    fieldsToContact();
    const QString shortField = m_engine.VerifLog();
    if (shortField.isEmpty())
        return true;
    if (auto* f = findChild<QLineEdit*>(shortField))
        focusAt(f, static_cast<int>(f->text().size()));
    return false;
}

void FrmQSO::dateIncomplete() {
    m_services.dialogs.message(QStringLiteral("Date incomplete. Nu se poate loga!!"), kTitle,
                               Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    ViewLogB();
    VerifLog();
}

void FrmQSO::Enter() {
    fieldsToContact();
    const EnterResult r = m_engine.Enter();
    if (r.status == EnterResult::Status::Duplicate) {
        // A duplicate is shown, never logged.
        setBackColor(ui.TxtIndic, Colors::kRed);
        ui.Frame3->show();
        ui.CmdEnterCall->setEnabled(false);
        return;
    }
    if (r.status != EnterResult::Status::Logged) {
        m_services.dialogs.message(r.message, kTitle, Dialogs::Buttons::Ok,
                                   r.status == EnterResult::Status::InsertFailed
                                       ? Dialogs::Icon::Critical
                                       : Dialogs::Icon::Exclamation);
        return;
    }
    if (r.corrected) {
        // The corrected row may have taken its multiplier away, or moved it.
        refreshBoard();
        showCurrentStageAndMode();
    } else if (!r.greyLabel.isEmpty()) {
        greyLabel(r.greyLabel);
    }
    ui.Frame3->hide();
    showResults();
    ui.LblContrInit->setText(m_engine.labels().LblContrInit);
    contactToFields();
    ui.TxtEroare->clear();
    ui.TxtEroare->hide();
    showNewMult(false);
    setBackColor(ui.TxtIndic, Colors::kYellow);
    ui.CmdEnterCall->setEnabled(false);
    ViewLogB();
    YOIN();
    ui.Frame2->show();
    ui.FramMyData->show();
    ui.list1->clear();
    ui.list1->hide();
    ui.mnuRecup->setEnabled(false);
    if (r.totalsFailed)
        m_services.dialogs.message(QStringLiteral("TOTALURILE NU AU PUTUT FI CITITE DIN LOG !"),
                                   kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    if (r.learnFailed)
        m_services.dialogs.message(
            QStringLiteral("BAZA DE DATE A INDICATIVELOR NU A PUTUT FI ACTUALIZATA !"), kTitle,
            Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
}

// ---- correction ----

void FrmQSO::MemUndo() {
    fieldsToContact();
    QsoSnapshot s;
    s.contact = m_engine.contact();
    s.correction = m_engine.correction();
    s.callsignColour = ui.TxtIndic->palette().color(QPalette::Base).rgb();
    s.error = ui.TxtEroare->text();
    s.errorColour = ui.TxtEroare->palette().color(QPalette::Base).rgb();
    s.errorVisible = ui.TxtEroare->isVisibleTo(this);
    s.newMult = ui.LblNeu->isVisibleTo(this);
    s.logEnabled = ui.CmdEnterCall->isEnabled();
    s.frame2 = ui.Frame2->isVisibleTo(this);
    s.frame3 = ui.Frame3->isVisibleTo(this);
    m_snapshot = s;
}

void FrmQSO::mnuRecup_Click() {
    ui.mnuRecup->setEnabled(false);
    if (!m_snapshot)
        return;
    const QsoSnapshot& s = *m_snapshot;
    fieldsToContact();
    QsoContact restored = s.contact;
    if (s.correction) {
        // Back to the correction of the same row, never a new contact.
        m_engine.resumeCorrection(*s.correction);
        showCorrectedStageAndMode(*s.correction);
    } else {
        // What is sent next stays as it is now: the code may have moved on since the cancel.
        const QsoContact& now = m_engine.contact();
        restored.rstSent = now.rstSent;
        restored.codSent = now.codSent;
        restored.judSent = now.judSent;
    }
    m_engine.contact() = restored;
    contactToFields();
    setBackColor(ui.TxtIndic, s.callsignColour);
    ui.TxtEroare->setText(s.error);
    setBackColor(ui.TxtEroare, s.errorColour);
    ui.TxtEroare->setVisible(s.errorVisible);
    showNewMult(s.newMult);
    ui.CmdEnterCall->setEnabled(s.logEnabled);
    ui.Frame2->setVisible(s.frame2);
    ui.Frame3->setVisible(s.frame3);
    focusAt(ui.TxtIndic, static_cast<int>(ui.TxtIndic->text().size()));
}

void FrmQSO::AbbruchX() {
    if (m_undoRequest)
        MemUndo();
    m_undoRequest = false;
    leaveCorrection();
    m_engine.contact().dupe = false;
    fieldsToContact();
    m_engine.Anulat();
    contactToFields();
    ui.TxtEroare->clear();
    ui.TxtEroare->hide();
    showNewMult(false);
    setBackColor(ui.TxtIndic, Colors::kYellow);
    m_state.gridOwner = AppState::kGridOwnerQso;
    ViewLogB();
    YOIN();
    ui.list1->clear();
    ui.list1->hide();
    ui.CmdEnterCall->setEnabled(false);
    ui.Frame2->show();
    ui.Frame3->hide();
    ui.FramMyData->show();
}

void FrmQSO::showCorrectedStageAndMode(const CorrectionTarget& target) {
    const QList<QLabel*> marks{ui.Lbl1A, ui.Lbl1B, ui.Lbl2A, ui.Lbl2B};
    for (int i = 0; i < 4; ++i)
        marks[i]->setVisible(i + 1 == target.stage);
    markMode(target.mode == QLatin1String("CW"));
}

void FrmQSO::showCurrentStageAndMode() {
    markStage(m_state.stage);
    markMode(m_state.qsoMode == QLatin1String("CW"));
}

void FrmQSO::correctLastContact() {
    fieldsToContact();
    const std::optional<LogRow> row = m_engine.startCorrection();
    if (!row) {
        m_services.dialogs.message(QStringLiteral("NU EXISTA NICI UN CONTACT DE CORECTAT !"),
                                   kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        GoIndicSetFocus();
        return;
    }
    contactToFields();
    showCorrectedStageAndMode(*m_engine.correction());
    showNewMult(m_engine.contact().newMult);
    ui.Frame3->hide();
    GoIndicSetFocus();
    ui.CmdEnterCall->setEnabled(true);
}

void FrmQSO::leaveCorrection() {
    if (!m_engine.correction())
        return;
    fieldsToContact();
    m_engine.cancelCorrection();
    contactToFields();
    ui.LblContrInit->setText(m_engine.labels().LblContrInit);
    showCurrentStageAndMode();
}

void FrmQSO::Mesagge2() {
    const QModelIndex current = ui.DBGrid1->currentIndex();
    if (!current.isValid())
        return;
    const qint64 id = m_grid->idAt(current.row());
    if (m_services.dialogs.message(QStringLiteral("VRETI INTRADEVAR SA STERGETI ?"),
                                   QStringLiteral("STERGERE"), Dialogs::Buttons::YesNo,
                                   Dialogs::Icon::Question) != Dialogs::AnswerYes)
        return;
    if (m_state.contest().log.warnsAfterDelete())
        m_services.dialogs.message(
            QStringLiteral("DUPA STERGEREA UNEI LINII SI INTRODUCEREA UNUI NOU INDICATIV, "
                           "VERIFICATI SI MODIFICATI VALOAREA CODS"),
            QStringLiteral("ATENTIE"), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    Sterge(id);
    GoIndicSetFocus();
}

void FrmQSO::Sterge(qint64 id) {
    fieldsToContact();
    if (const Outcome<void> deleted = m_engine.deleteContact(id); !deleted) {
        m_services.dialogs.message(QStringLiteral("CONTACTUL NU A PUTUT FI STERS: ") +
                                       deleted.error(),
                                   kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
        return;
    }
    // The label and the code sent next follow the log; the contact in hand stays as typed.
    ui.LblContrInit->setText(m_engine.labels().LblContrInit);
    ui.TxtRSTE2->setText(m_engine.contact().codSent);
    refreshBoard();
    refreshTotals();
    ViewLogB();
}

// ---- menus and clock ----

void FrmQSO::confirmExit() {
    if (!exitConfirmed(m_services.dialogs))
        return;
    emit exitRequested();
}

void FrmQSO::tick() {
    const QDateTime utc =
        m_services.clock.now().addSecs(-3600LL * m_state.settings.utcOffset.hours());
    if (!utc.isValid())
        return;
    m_state.nowDate = utc.toString(QStringLiteral("dd.MM.yy"));
    m_state.nowTime = utc.toString(QStringLiteral("hh:mm:ss"));
    const QString title = m_state.scaleX < 1.0f
                              ? QString(10, u' ') + m_state.nowDate + u' ' + m_state.nowTime +
                                    QStringLiteral(" UTC     Created by Karven")
                              : QString(20, u' ') + m_state.nowDate + u' ' + m_state.nowTime +
                                    QStringLiteral(" UTC") + QString(15, u' ') +
                                    QStringLiteral("Created by Karven");
    if (windowTitle() != title)
        setWindowTitle(title);
}
