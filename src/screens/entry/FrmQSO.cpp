#include "screens/entry/FrmQSO.h"

#include "screens/Colors.h"
#include "screens/Message10.h"
#include "screens/Widgets.h"
#include "seams/Dialogs.h"
#include "seams/Help.h"
#include "setup/AppState.h"
#include "setup/GridColumns.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QTableView>
#include <QVBoxLayout>

using namespace Widgets;

namespace {
const char* const kStageNames[4] = {"1A", "1B", "2A", "2B"};
// The other three stages in the order the results table lists them, per current stage.
constexpr int kOtherStages[4][3] = {{2, 3, 4}, {1, 3, 4}, {1, 2, 4}, {1, 2, 3}};
} // namespace

FrmQSO::FrmQSO(ScreenServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_state(services.state) {
    setObjectName(QStringLiteral("FrmQSO"));
    buildUi();
    buildMenus();
}

void FrmQSO::buildUi() {
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(4, 2, 4, 2);
    v->setSpacing(2);
    v->addWidget(buildHeader());
    v->addWidget(buildStageRow());
    v->addWidget(buildEntry());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildResults());
    middle->addWidget(buildKeyer(), 1);
    v->addLayout(middle);
    ui.DBGrid1 = new QTableView(central);
    ui.DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    ui.DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    v->addWidget(ui.DBGrid1, 1);
    setCentralWidget(central);
}

QWidget* FrmQSO::buildHeader() {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    ui.LblConc = label(w, "LblConc");
    ui.LblMyCall = label(w, "LblMyCall");
    ui.LblMyBezirk = label(w, "LblMyBezirk");
    ui.LblContrInit = label(w, "LblContrInit", QStringLiteral("000"));
    ui.LblOffLine = label(w, "LblOffLine", QStringLiteral("OFF LINE"));
    ui.LblOffLine->hide();
    ui.TxtDate = lineEdit(w, "TxtDate");
    ui.TxtDate->setMaxLength(10);
    ui.TxtDate->setFixedWidth(twips(1200));
    ui.TxtUTC = lineEdit(w, "TxtUTC");
    ui.TxtUTC->setMaxLength(5);
    ui.TxtUTC->setFixedWidth(twips(800));
    QFont bold = font();
    bold.setBold(true);
    for (QLabel* l : {ui.LblConc, ui.LblMyCall, ui.LblMyBezirk, ui.LblContrInit})
        l->setFont(bold);
    h->addWidget(ui.LblConc);
    h->addSpacing(12);
    h->addWidget(ui.LblMyCall);
    h->addWidget(ui.LblMyBezirk);
    h->addWidget(ui.LblContrInit);
    h->addStretch(1);
    h->addWidget(ui.LblOffLine);
    h->addWidget(ui.TxtDate);
    h->addWidget(ui.TxtUTC);
    return w;
}

QWidget* FrmQSO::buildStageRow() {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    ui.LblFrq = label(w, "LblFrq", QStringLiteral("Etapa"));
    ui.Cmd1A = button(w, "Cmd1A", QStringLiteral("&1A"), QStringLiteral("Etapa 1A"));
    ui.Cmd1B = button(w, "Cmd1B", QStringLiteral("1&B"), QStringLiteral("Etapa 1B"));
    ui.Cmd2A = button(w, "Cmd2A", QStringLiteral("&2A"), QStringLiteral("Etapa 2A"));
    ui.Cmd2B = button(w, "Cmd2B", QStringLiteral("&*2B"), QStringLiteral("Etapa 2B"));
    ui.Lbl1A = label(w, "Lbl1A", QStringLiteral("1A"));
    ui.Lbl1B = label(w, "Lbl1B", QStringLiteral("1B"));
    ui.Lbl2A = label(w, "Lbl2A", QStringLiteral("2A"));
    ui.Lbl2B = label(w, "Lbl2B", QStringLiteral("2B"));
    ui.LblMode = label(w, "LblMode", QStringLiteral("Mod"));
    ui.CmdCW = button(w, "CmdCW", QStringLiteral("&Cw"), QStringLiteral("Mod de lucru CW"));
    ui.CmdSSB = button(w, "CmdSSB", QStringLiteral("&SSB"), QStringLiteral("Mod de lucru SSB"));
    ui.LblCW = label(w, "LblCW", QStringLiteral("CW"));
    ui.LblSSB = label(w, "LblSSB", QStringLiteral("SSB"));
    ui.LblAnunt = label(w, "LblAnunt", QStringLiteral("Selectie MOD SI ETAPA"));
    QFont big = font();
    big.setPointSize(12);
    big.setBold(true);
    ui.LblAnunt->setFont(big);
    setForeColor(ui.LblAnunt, Colors::kRed);
    h->addWidget(ui.LblFrq);
    const QList<QPushButton*> stages{ui.Cmd1A, ui.Cmd1B, ui.Cmd2A, ui.Cmd2B};
    const QList<QLabel*> marks{ui.Lbl1A, ui.Lbl1B, ui.Lbl2A, ui.Lbl2B};
    for (int i = 0; i < 4; ++i) {
        h->addWidget(stages[i]);
        h->addWidget(marks[i]);
        connect(stages[i], &QPushButton::clicked, this, [this, i] { B(i + 1); });
    }
    h->addSpacing(12);
    h->addWidget(ui.LblMode);
    h->addWidget(ui.CmdCW);
    h->addWidget(ui.LblCW);
    h->addWidget(ui.CmdSSB);
    h->addWidget(ui.LblSSB);
    h->addSpacing(12);
    h->addWidget(ui.LblAnunt, 1);
    connect(ui.CmdCW, &QPushButton::clicked, this, &FrmQSO::CmdCW_Click);
    connect(ui.CmdSSB, &QPushButton::clicked, this, &FrmQSO::CmdSSB_Click);
    return w;
}

QWidget* FrmQSO::buildEntry() {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    ui.LblRufZeich = label(w, "LblRufZeich", QStringLiteral("   CALL"));
    ui.LblRSTR = label(w, "LblRSTR", QStringLiteral(" RSTR  CODR  JUDR"));
    ui.LblRSTS = label(w, "LblRSTS", QStringLiteral("  RSTS  CODS  JUDS"));
    ui.TxtIndic = lineEdit(w, "TxtIndic", QStringLiteral("Intodu Indic. statie corespondent ; "));
    ui.TxtRSTR1 = lineEdit(w, "TxtRSTR1", QStringLiteral("Calculatorul introduce 59(9)"));
    ui.TxtRSTR2 = lineEdit(w, "TxtRSTR2", QStringLiteral("Introdu cod receptionat ; "));
    ui.TxtRstR3 = lineEdit(w, "TxtRstR3", QStringLiteral("Calculatorul introd. Jud, receptionat"));
    ui.TxtRSTE1 = lineEdit(w, "TxtRSTE1", QStringLiteral("Calculatorul introduce 59(9)"));
    ui.TxtRSTE2 = lineEdit(w, "TxtRSTE2", QStringLiteral("Calculatorul introduce Cod de emis"));
    ui.TxtRSTE3 = lineEdit(w, "TxtRSTE3", QStringLiteral("Calculatorul introduce Jud propriu"));
    QFont entryFont = font();
    entryFont.setPointSize(12);
    for (QLineEdit* e : entryFields())
        e->setFont(entryFont);
    ui.TxtIndic->setFixedWidth(twips(1800));
    for (QLineEdit* e :
         {ui.TxtRSTR1, ui.TxtRSTR2, ui.TxtRstR3, ui.TxtRSTE1, ui.TxtRSTE2, ui.TxtRSTE3})
        e->setFixedWidth(twips(700));
    ui.LblNeu = label(w, "LblNeu", QStringLiteral("NOU"));
    ui.LblNeu->hide();
    ui.CmdEnterCall =
        button(w, "CmdEnterCall", QStringLiteral("&IN LOG"), QStringLiteral("Logheaza QSO-ul"));
    ui.CmdEnterCall->setEnabled(false);
    ui.CmdAbbruchX =
        button(w, "CmdAbbruchX", QStringLiteral(" &ANULAT"), QStringLiteral("Anuleaza QSO-ul"));
    ui.TxtEroare = lineEdit(w, "TxtEroare");
    ui.TxtEroare->setReadOnly(true);
    ui.TxtEroare->setFocusPolicy(Qt::NoFocus);
    ui.TxtEroare->hide();
    ui.list1 = new QListWidget(w);
    ui.list1->setObjectName(QStringLiteral("list1"));
    ui.list1->hide();
    ui.Frame3 = frame(w, "Frame3", QStringLiteral("WARNING ! QSO DUPE !"));
    ui.Frame3->hide();

    auto* rcvd = new QHBoxLayout;
    rcvd->addWidget(ui.TxtRSTR1);
    rcvd->addWidget(ui.TxtRSTR2);
    rcvd->addWidget(ui.TxtRstR3);
    auto* sent = new QHBoxLayout;
    sent->addWidget(ui.TxtRSTE1);
    sent->addWidget(ui.TxtRSTE2);
    sent->addWidget(ui.TxtRSTE3);
    g->addWidget(ui.LblRufZeich, 0, 0);
    g->addWidget(ui.LblRSTR, 0, 1);
    g->addWidget(ui.LblRSTS, 0, 2);
    g->addWidget(ui.TxtIndic, 1, 0);
    g->addLayout(rcvd, 1, 1);
    g->addLayout(sent, 1, 2);
    g->addWidget(ui.LblNeu, 1, 3);
    g->addWidget(ui.CmdEnterCall, 1, 4);
    g->addWidget(ui.CmdAbbruchX, 1, 5);
    g->addWidget(ui.TxtEroare, 2, 0, 1, 3);
    g->addWidget(ui.Frame3, 2, 3, 1, 3);
    g->addWidget(ui.list1, 3, 0);
    g->setColumnStretch(6, 1);
    connect(ui.CmdAbbruchX, &QPushButton::clicked, this, &FrmQSO::AbbruchX);
    return w;
}

QWidget* FrmQSO::buildResults() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    ui.Frame2 = frame(w, "Frame2", QStringLiteral("Result/Etapa"));
    ui.Frame5 = ui.Frame2;
    auto* g = new QGridLayout(ui.Frame2);
    ui.LblBandCol = label(ui.Frame2, "LblBandCol", QStringLiteral("Etapa"));
    ui.LblPktCol = label(ui.Frame2, "LblPktCol", QStringLiteral("Puncte"));
    ui.LblMltCol = label(ui.Frame2, "LblMltCol", QStringLiteral("Mult"));
    ui.LblQSOCol = label(ui.Frame2, "LblQSOCol", QStringLiteral("QSO"));
    g->addWidget(ui.LblBandCol, 0, 0);
    g->addWidget(ui.LblPktCol, 0, 1);
    g->addWidget(ui.LblMltCol, 0, 2);
    g->addWidget(ui.LblQSOCol, 0, 3);
    for (int r = 0; r < 4; ++r) {
        const QString suffix = r == 0 ? QString() : QString::number(r);
        auto named = [&](const char* base, const QString& text) {
            return label(ui.Frame2, (QByteArray(base) + suffix.toLatin1()).constData(), text);
        };
        ui.LblBand[r] = named("LblBand", QLatin1String(kStageNames[r]));
        ui.LblPkt[r] = named("LblPkt", QStringLiteral("0"));
        ui.LblMlt[r] = named("LblMlt", QStringLiteral("0"));
        ui.LblQSO[r] = named("LblQSO", QStringLiteral("0"));
        g->addWidget(ui.LblBand[r], r + 1, 0);
        g->addWidget(ui.LblPkt[r], r + 1, 1);
        g->addWidget(ui.LblMlt[r], r + 1, 2);
        g->addWidget(ui.LblQSO[r], r + 1, 3);
    }
    v->addWidget(ui.Frame2);

    ui.Frame4 = frame(w, "Frame4", QString());
    auto* sectors = new QHBoxLayout(ui.Frame4);
    for (const char* code : {"XA", "XB", "XC", "XD", "XE", "XF"}) {
        QLabel* l = label(ui.Frame4, (QByteArray("Lbl") + code).constData(), QLatin1String(code));
        setBackColor(l, Colors::kGreen);
        ui.sectorLabels << l;
        sectors->addWidget(l);
    }
    ui.Frame4->hide();
    v->addWidget(ui.Frame4);
    auto* extra = new QHBoxLayout;
    ui.LblBU = label(w, "LblBU", QStringLiteral("BU"));
    ui.LblNY = label(w, "LblNY", QStringLiteral("NY"));
    setBackColor(ui.LblBU, Colors::kGreen);
    setBackColor(ui.LblNY, Colors::kGreen);
    extra->addWidget(ui.LblBU);
    extra->addWidget(ui.LblNY);
    extra->addStretch(1);
    v->addLayout(extra);
    ui.LblAjust = label(w, "LblAjust");
    v->addWidget(ui.LblAjust);
    ui.FramMyData = frame(w, "FramMyData", QString());
    v->addWidget(ui.FramMyData);
    return w;
}

QWidget* FrmQSO::buildKeyer() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    ui.FramTxtCw = frame(w, "FramTxtCw", QStringLiteral("TEXT PROGRAM CW"));
    auto* g = new QGridLayout(ui.FramTxtCw);
    g->setVerticalSpacing(1);
    for (int i = 0; i < 7; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        ui.LblF[i] = label(ui.FramTxtCw, ("LblF" + n).constData(),
                           QStringLiteral("F") + QString::number(i + 1));
        ui.TxtF[i] = lineEdit(ui.FramTxtCw, ("TxtF" + n).constData());
        g->addWidget(ui.LblF[i], i, 0);
        g->addWidget(ui.TxtF[i], i, 1);
    }
    ui.LblMacro = label(ui.FramTxtCw, "LblMacro",
                        QStringLiteral("#1=MYCALL #2=YourCall  #3=CodEmis #4=MYJUD"));
    g->addWidget(ui.LblMacro, 7, 0, 1, 2);
    v->addWidget(ui.FramTxtCw);

    ui.FrmCwProgr = frame(w, "FrmCwProgr", QString());
    auto* h = new QHBoxLayout(ui.FrmCwProgr);
    ui.TxtCwCurent = lineEdit(ui.FrmCwProgr, "TxtCwCurent");
    ui.TxtCwCurent->setReadOnly(true);
    ui.TxtCwCurent->setFocusPolicy(Qt::NoFocus);
    ui.LblWPM = label(ui.FrmCwProgr, "LblWPM");
    ui.OpB50 = radio(ui.FrmCwProgr, "OpB50", QStringLiteral("1"));
    ui.OpB62 = radio(ui.FrmCwProgr, "OpB62", QStringLiteral("0.8"));
    ui.Opb75 = radio(ui.FrmCwProgr, "Opb75", QStringLiteral("0.9"));
    ui.OpB50->setChecked(true);
    ui.txtPauseCW = lineEdit(ui.FrmCwProgr, "txtPauseCW");
    ui.txtPauseCW->setFixedWidth(twips(600));
    ui.txtPauseCW->hide();
    h->addWidget(ui.TxtCwCurent, 1);
    h->addWidget(ui.LblWPM);
    h->addWidget(ui.OpB50);
    h->addWidget(ui.OpB62);
    h->addWidget(ui.Opb75);
    h->addWidget(ui.txtPauseCW);
    v->addWidget(ui.FrmCwProgr);
    ui.TxtPauseSSB = lineEdit(w, "TxtPauseSSB");
    ui.TxtPauseSSB->setFixedWidth(twips(600));
    ui.TxtPauseSSB->hide();
    v->addWidget(ui.TxtPauseSSB);
    return w;
}

void FrmQSO::buildMenus() {
    ui.mnuBeenden = menuBar()->addAction(QStringLiteral("E&XIT"));
    ui.mnuBeenden->setObjectName(QStringLiteral("mnuBeenden"));
    ui.mnuAnfang = menuBar()->addAction(QStringLiteral("1_ST_PA&GE"));
    ui.mnuAnfang->setObjectName(QStringLiteral("mnuAnfang"));
    ui.mnuRecup = menuBar()->addAction(QStringLiteral("REC&UP.DUPA ANULARE"));
    ui.mnuRecup->setObjectName(QStringLiteral("mnuRecup"));
    ui.mnuRecup->setEnabled(false);
    ui.mnuHelp2 = menuBar()->addMenu(QStringLiteral("HELP"));
    ui.mnuHelp2->setObjectName(QStringLiteral("mnuHelp2"));
    const struct {
        const char* name;
        const char* caption;
        int topic;
    } topics[] = {{"mnuDescrEcran", "Descriere ecran", 400},
                  {"mnuSchimbBanda", "Schimbare banda si mod", 500},
                  {"mnuInputDate", "Introducere date", 600},
                  {"mnuModifDate", "Modificari date", 700},
                  {"mnuOutPag", "Iesire din pagina", 800}};
    for (const auto& t : topics) {
        QAction* a = ui.mnuHelp2->addAction(QLatin1String(t.caption));
        a->setObjectName(QLatin1String(t.name));
        const int topic = t.topic;
        connect(a, &QAction::triggered, this, [this, topic] { m_services.help.open(topic); });
    }
    connect(ui.mnuBeenden, &QAction::triggered, this, &FrmQSO::confirmExit);
    connect(ui.mnuAnfang, &QAction::triggered, this, [this] {
        m_state.returnToSetup = true;
        hide();
        emit setupRequested();
    });
}

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
}

void FrmQSO::YOIN() {
    ui.TxtIndic->setText(QStringLiteral("YO"));
    focusAt(ui.TxtIndic, 2);
}

void FrmQSO::GoIndicSetFocus() {
    focusAt(ui.TxtIndic, static_cast<int>(ui.TxtIndic->text().trimmed().size()));
}

void FrmQSO::showStageTotals() {
    const int s = m_state.stage;
    const int order[4] = {s, kOtherStages[s - 1][0], kOtherStages[s - 1][1],
                          kOtherStages[s - 1][2]};
    for (int row = 0; row < 4; ++row) {
        const StageTotals& t = m_state.totals[order[row] - 1];
        ui.LblBand[row]->setText(QLatin1String(kStageNames[order[row] - 1]));
        ui.LblPkt[row]->setText(QString::number(t.points));
        ui.LblMlt[row]->setText(QString::number(t.multipliers));
        ui.LblQSO[row]->setText(QString::number(t.qsos));
    }
}

void FrmQSO::B(int stage) {
    if (stage < 1 || stage > 4)
        return;
    m_state.stage = stage;
    const QList<QLabel*> marks{ui.Lbl1A, ui.Lbl1B, ui.Lbl2A, ui.Lbl2B};
    for (int i = 0; i < 4; ++i)
        setForeColor(marks[i], i + 1 == stage ? Colors::kMagenta : Colors::kLightGrey);
    if (m_state.qsoMode == QLatin1String("CW") || m_state.qsoMode == QLatin1String("SSB"))
        ui.LblAnunt->hide();
    if (m_state.contestNumber == 2 && stage <= 2) {
        ui.CmdCW->setVisible(true);
        ui.CmdCW->setEnabled(true);
        ui.CmdSSB->setVisible(true);
        ui.CmdSSB->setEnabled(true);
        if (m_state.cwPcFlag) {
            ui.FramTxtCw->show();
            ui.FrmCwProgr->show();
        }
    }
    showStageTotals();
    if (ui.LblAnunt->isHidden()) {
        YesEnabl();
        YOIN();
        GoIndicSetFocus();
    }
}

void FrmQSO::markMode(bool cw) {
    setForeColor(ui.LblCW, cw ? Colors::kMagenta : Colors::kLightGrey);
    setForeColor(ui.LblSSB, cw ? Colors::kLightGrey : Colors::kMagenta);
}

void FrmQSO::afterModeChosen() {
    if (m_state.stage != 0)
        ui.LblAnunt->hide();
    if (ui.LblAnunt->isHidden()) {
        YesEnabl();
        YOIN();
    }
}

void FrmQSO::MdCw() {
    markMode(true);
    if (m_state.cwPcFlag) {
        ui.FrmCwProgr->show();
        ui.FramTxtCw->show();
    }
    afterModeChosen();
}

void FrmQSO::MdSSB() {
    markMode(false);
    m_state.qsoMode = QStringLiteral("SSB");
    ui.FrmCwProgr->hide();
    ui.FramTxtCw->hide();
    if (m_state.contestNumber == 13)
        B(1);
    afterModeChosen();
}

void FrmQSO::CmdCW_Click() {
    m_state.qsoMode = QStringLiteral("CW");
    MdCw();
    ui.txtPauseCW->setVisible(m_state.cwRepeat && m_state.cwPcFlag && !m_state.offLineLog);
    ui.TxtPauseSSB->hide();
    ui.TxtRSTE1->setText(QStringLiteral("599"));
    ui.TxtRSTE3->setText(ui.LblMyBezirk->text());
    ui.TxtRSTR1->setText(QStringLiteral("599"));
    if (!ui.LblAnunt->isHidden() && (m_state.contestNumber < 9 || m_state.contestNumber > 30))
        ui.TxtRSTE2->setText(ui.LblContrInit->text());
}

void FrmQSO::CmdSSB_Click() {
    m_state.qsoMode = QStringLiteral("SSB");
    MdSSB();
    ui.TxtPauseSSB->setVisible(m_state.ssbRepeat && !m_state.offLineLog);
    ui.txtPauseCW->hide();
    ui.TxtRSTE1->setText(QStringLiteral("59"));
    ui.TxtRSTE3->setText(ui.LblMyBezirk->text());
    ui.TxtRSTR1->setText(QStringLiteral("59"));
    if (!ui.LblAnunt->isHidden()) {
        if (m_state.contestNumber < 9 || m_state.contestNumber > 30)
            ui.TxtRSTE2->setText(ui.LblContrInit->text());
        else if (m_state.contestNumber == 24)
            ui.TxtRSTE2->setText(QStringLiteral("001"));
    }
}

void FrmQSO::AbbruchX() {
    for (QLineEdit* e : {ui.TxtRSTR1, ui.TxtRSTR2, ui.TxtRstR3})
        e->clear();
    ui.TxtEroare->clear();
    ui.TxtEroare->hide();
    ui.LblNeu->hide();
    m_state.gridOwner = AppState::kGridOwnerQso;
    YOIN();
    ui.list1->clear();
    ui.list1->hide();
    ui.CmdEnterCall->setEnabled(false);
    ui.Frame2->show();
    ui.Frame3->hide();
    ui.FramMyData->show();
}

void FrmQSO::confirmExit() {
    if (Message10(m_services.dialogs))
        emit exitRequested();
}

void FrmQSO::ColGrid() {
    const auto widths = GridColumns::ColGrid(
        m_state.scaleX, m_state.contest().presentation == Presentation::Caras, false);
    if (!ui.DBGrid1->model())
        return;
    for (int c = 0; c < static_cast<int>(widths.size()) && c < ui.DBGrid1->model()->columnCount();
         ++c) {
        ui.DBGrid1->setColumnHidden(c, widths[c] == 0);
        if (widths[c] > 0)
            ui.DBGrid1->setColumnWidth(c, twips(widths[c]));
    }
}
