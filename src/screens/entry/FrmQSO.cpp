#include "screens/entry/FrmQSO.h"

#include "keyer/MorseTiming.h"
#include "refdata/CountyBoard.h"
#include "screens/Colors.h"
#include "screens/ContestPresentation.h"
#include "screens/Message10.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/ScreenMetrics.h"
#include "setup/AppState.h"
#include "setup/GridColumns.h"
#include "setup/LayoutFactors.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
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
    m_grid = new QSqlQueryModel(this);
    ui.DBGrid1->setModel(m_grid);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FrmQSO::tick);
    m_clock->start();
    tick();
    ui.LblWPM->setText(MorseTiming::lblWpm(m_wpm));
}

FrmQSO::~FrmQSO() {
    restoreCorrection();
}

void FrmQSO::closeEvent(QCloseEvent* event) {
    abortKeying(); // a message under way stops with both lines off
    restoreCorrection();
    QMainWindow::closeEvent(event);
}

// ---- load ----

void FrmQSO::Form_Load() {
    // Another display than the four keeps the design layout here, without a message.
    const LayoutFactors f = LayoutFactors::forDisplay(m_services.metrics.displaySize());
    m_state.scaleX = f.scaleX;
    m_state.scaleY = f.scaleY;
    applyLayout(f);
    if (m_state.returnToSetup) {
        ui.mnuRecup->setEnabled(false);
        const bool chosen = m_state.stage != 0 && (m_state.qsoMode == QLatin1String("CW") ||
                                                   m_state.qsoMode == QLatin1String("SSB"));
        ui.LblAnunt->setVisible(!chosen);
        CulVerde();
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

void FrmQSO::B(int stage) {
    if (stage < 1 || stage > 4)
        return;
    restoreCorrection();
    const auto colours = m_engine.Init(stage);
    const QList<QLabel*> marks{ui.Lbl1A, ui.Lbl1B, ui.Lbl2A, ui.Lbl2B};
    for (int i = 0; i < 4; ++i) {
        marks[i]->show();
        setForeColor(marks[i], colours[i] == 5 ? Colors::kMagenta : Colors::kLightGrey);
    }
    ui.DBGrid1->setEnabled(true);
    if (m_state.qsoMode == QLatin1String("CW") || m_state.qsoMode == QLatin1String("SSB"))
        ui.LblAnunt->hide();
    CulVerde();
    for (const QString& code : m_engine.TabMult(stage).grey)
        CulGri(code);
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
    if (!m_engine.Summe())
        m_services.dialogs.message(QStringLiteral("TOTALURILE NU AU PUTUT FI CITITE DIN LOG !"),
                                   kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    showResults();
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
        if (m_correcting) {
            m_correcting = false;
            GoIndicSetFocus();
        } else {
            YOIN();
        }
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
    m_state.qsoMode = QStringLiteral("CW");
    if (m_state.contest().serialSent())
        MaxRap();
    MdCw();
    ui.txtPauseCW->setVisible(m_state.cwRepeat && m_state.cwPcFlag && !m_state.offLineLog);
    ui.TxtPauseSSB->hide();
    if (!ui.LblAnunt->isHidden() && (m_state.contestNumber < 9 || m_state.contestNumber > 30))
        ui.TxtRSTE2->setText(ui.LblContrInit->text());
}

void FrmQSO::CmdSSB_Click() {
    m_state.qsoMode = QStringLiteral("SSB");
    if (m_state.contest().serialSent())
        MaxRap();
    MdSSB();
    ui.TxtPauseSSB->setVisible(m_state.ssbRepeat && !m_state.offLineLog);
    ui.txtPauseCW->hide();
    if (!ui.LblAnunt->isHidden()) {
        if (m_state.contestNumber < 9 || m_state.contestNumber > 30)
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

void FrmQSO::CulVerde() {
    for (const QString& code : CountyBoard::CulVerde(m_state.contest()))
        if (QLabel* l = m_board.value(code))
            setBackColor(l, Colors::kGreen);
}

void FrmQSO::CulGri(const QString& code) {
    if (QLabel* l = m_board.value(code))
        setBackColor(l, Colors::kLightGrey);
}

void FrmQSO::ColGrid() {
    ScreenLayout::setColumnWidths(
        ui.DBGrid1,
        GridColumns::ColGrid(m_state.scaleX, m_state.contest().presentation == Presentation::Caras,
                             false));
}

namespace {
void runInto(QSqlQueryModel* model, const QSqlDatabase& db, const SqlQuery& query) {
    QSqlQuery q(db);
    q.prepare(query.sql);
    for (const QVariant& v : query.values)
        q.addBindValue(v);
    q.exec();
    model->setQuery(std::move(q));
}
} // namespace

void FrmQSO::ViewLogB() {
    if (m_state.stage < 1 || m_state.stage > 4 || !m_services.logDb.isOpen())
        return;
    runInto(m_grid, m_services.logDb.handle(), m_engine.ViewLogB());
    while (m_grid->canFetchMore())
        m_grid->fetchMore();
    ColGrid();
    const int last = m_grid->rowCount() - 1;
    if (last >= 0) {
        ui.DBGrid1->selectRow(last);
        ui.DBGrid1->scrollToBottom();
    }
}

void FrmQSO::partialSearch(const QString& beginning) {
    if (m_state.stage < 1 || m_state.stage > 4 || !m_services.logDb.isOpen())
        return;
    runInto(m_grid, m_services.logDb.handle(), ContactEngine::partialSearch(beginning));
    ColGrid();
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
    if (m_engine.contact().dupe) {
        // A duplicate is shown, never logged.
        ui.Frame3->show();
        ui.CmdEnterCall->setEnabled(false);
        return;
    }
    const EnterResult r = m_engine.Enter();
    if (r.status != EnterResult::Status::Logged) {
        m_services.dialogs.message(r.message, kTitle, Dialogs::Buttons::Ok,
                                   r.status == EnterResult::Status::InsertFailed
                                       ? Dialogs::Icon::Critical
                                       : Dialogs::Icon::None);
        return;
    }
    m_correction.reset();
    m_correcting = false;
    if (!r.greyLabel.isEmpty())
        CulGri(r.greyLabel);
    ui.Frame3->hide();
    const ScoreLabels& labels = m_engine.labels();
    ui.LblQSO[0]->setText(QString::number(labels.LblQSO));
    ui.LblPkt[0]->setText(QString::number(labels.LblPkt));
    ui.LblMlt[0]->setText(QString::number(labels.LblMlt));
    ui.LblContrInit->setText(labels.LblContrInit);
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
    if (r.learnFailed)
        m_services.dialogs.message(
            QStringLiteral("BAZA DE DATE A INDICATIVELOR NU A PUTUT FI ACTUALIZATA !"), kTitle,
            Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
}

// ---- correction ----

void FrmQSO::MemUndo() {
    QsoSnapshot s;
    s.callsign = ui.TxtIndic->text();
    s.callsignColour = ui.TxtIndic->palette().color(QPalette::Base).rgb();
    s.error = ui.TxtEroare->text();
    s.errorColour = ui.TxtEroare->palette().color(QPalette::Base).rgb();
    s.errorVisible = ui.TxtEroare->isVisibleTo(this);
    s.time = ui.TxtUTC->text();
    s.date = ui.TxtDate->text();
    s.rst = ui.TxtRSTR1->text();
    s.code = ui.TxtRSTR2->text();
    s.county = ui.TxtRstR3->text();
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
    ui.TxtIndic->setText(s.callsign);
    setBackColor(ui.TxtIndic, s.callsignColour);
    ui.TxtEroare->setText(s.error);
    setBackColor(ui.TxtEroare, s.errorColour);
    ui.TxtEroare->setVisible(s.errorVisible);
    ui.TxtUTC->setText(s.time);
    ui.TxtDate->setText(s.date);
    ui.TxtRSTR1->setText(s.rst);
    ui.TxtRSTR2->setText(s.code);
    ui.TxtRstR3->setText(s.county);
    showNewMult(s.newMult);
    ui.CmdEnterCall->setEnabled(s.logEnabled);
    ui.Frame2->setVisible(s.frame2);
    ui.Frame3->setVisible(s.frame3);
    fieldsToContact();
    focusAt(ui.TxtIndic, static_cast<int>(ui.TxtIndic->text().size()));
}

void FrmQSO::AbbruchX() {
    restoreCorrection();
    m_engine.contact().dupe = false;
    if (m_undoRequest)
        MemUndo();
    m_undoRequest = false;
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

void FrmQSO::CitQsoLog() {
    restoreCorrection();
    fieldsToContact();
    const std::optional<LogRow> row = m_engine.CitQsoLog();
    if (!row)
        return;
    m_correction = row;
    m_correcting = true;
    contactToFields();
    const QList<QLabel*> marks{ui.Lbl1A, ui.Lbl1B, ui.Lbl2A, ui.Lbl2B};
    for (int i = 0; i < 4; ++i)
        marks[i]->setVisible(row->etp == QString::number(i + 1));
    markMode(row->md == QLatin1String("CW"));
    showNewMult(m_engine.contact().newMult);
    ViewLogB();
}

void FrmQSO::restoreCorrection() {
    if (!m_correction)
        return;
    const LogRow row = *m_correction;
    m_correction.reset();
    m_correcting = false;
    if (!m_engine.restore(row))
        m_services.dialogs.message(
            QStringLiteral("CONTACTUL LUAT PENTRU CORECTURA NU A PUTUT FI PUS INAPOI IN LOG: ") +
                row.callsign + QLatin1Char(' ') + row.data + QLatin1Char(' ') + row.utc,
            kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
    ViewLogB();
}

void FrmQSO::Mesagge2() {
    const QModelIndex current = ui.DBGrid1->currentIndex();
    if (!current.isValid())
        return;
    const qint64 id = m_grid->record(current.row()).value(0).toLongLong();
    if (m_services.dialogs.message(QStringLiteral("VRETI INTRADEVAR SA STERGETI ?"),
                                   QStringLiteral("STERGERE"), Dialogs::Buttons::YesNo,
                                   Dialogs::Icon::Question) != Dialogs::AnswerYes)
        return;
    const int n = m_state.contestNumber;
    if (n >= 11 && n <= 24) {
        const int code = std::max(0, ui.LblContrInit->text().trimmed().toInt() - 1);
        setSentCode(QString::number(code));
    } else if (n <= 2) {
        m_services.dialogs.message(
            QStringLiteral("DUPA STERGEREA UNEI LINII SI INTRODUCEREA UNUI NOU INDICATIV, "
                           "VERIFICATI SI MODIFICATI VALOAREA CODS"),
            QStringLiteral("ATENTIE"), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    }
    Sterge(id);
    B(m_state.stage);
    GoIndicSetFocus();
    YOIN();
}

void FrmQSO::Sterge(qint64 id) {
    if (!m_engine.Sterge(id))
        m_services.dialogs.message(QStringLiteral("CONTACTUL NU A PUTUT FI STERS: ") +
                                       m_services.logDb.lastError(),
                                   kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
}

// ---- menus and clock ----

void FrmQSO::confirmExit() {
    if (!Message10(m_services.dialogs))
        return;
    restoreCorrection();
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
