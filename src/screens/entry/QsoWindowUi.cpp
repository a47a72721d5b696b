#include "screens/entry/QsoWindow.h"

#include "refdata/CountyBoard.h"
#include "screens/Colors.h"
#include "screens/HelpMenu.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/entry/PartialCheckList.h"
#include "seams/Help.h"
#include "seams/ScreenMetrics.h"
#include "setup/AppState.h"
#include "setup/LayoutFactors.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QTableView>
#include <QVBoxLayout>

// The QSO screen's controls and menus, laid out for 800 x 600.

using namespace Widgets;

namespace {
const char* const kStageNames[4] = {"1A", "1B", "2A", "2B"};
} // namespace

void QsoWindow::buildUi() {
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(4, 2, 4, 2);
    v->setSpacing(2);
    v->addWidget(buildHeader());
    v->addWidget(buildStageRow());
    v->addWidget(buildEntry());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildResults());
    middle->addWidget(buildBoard());
    middle->addWidget(buildKeyer(), 1);
    v->addLayout(middle);
    ui.DBGrid1 = new QTableView(central);
    ui.DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    ui.DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Small type, so that the exchange fits the grid's column widths.
    ScreenLayout::setFont(ui.DBGrid1, 8, false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ui.DBGrid1, 1);
    bottom->addWidget(
        new PartialCheckList(ui.TxtIndic, m_entry, m_services.callDb, m_services.logDb, central));
    v->addLayout(bottom, 1);
    setCentralWidget(central);
}

void QsoWindow::applyLayout(const LayoutFactors& f) {
    ScreenLayout::apply(this, m_services.metrics.displaySize(), f);
    if (f.routine != LayoutRoutine::Small) {
        ui.LblAjust->show();
        return;
    }
    // The smallest display has its own type sizes for the prompt and the entry row.
    const struct {
        QWidget* w;
        int points;
        bool bold;
    } fonts[] = {{ui.LblAnunt, 10, true},     {ui.TxtDate, 10, false},  {ui.TxtUTC, 10, false},
                 {ui.LblRufZeich, 10, false}, {ui.TxtIndic, 12, true},  {ui.TxtRSTR1, 12, false},
                 {ui.TxtRSTR2, 12, false},    {ui.TxtRstR3, 12, false}, {ui.TxtRSTE1, 12, false},
                 {ui.TxtRSTE2, 12, false},    {ui.TxtRSTE3, 12, false}, {ui.LblNeu, 14, true}};
    for (const auto& font : fonts)
        ScreenLayout::setFont(font.w, font.points, font.bold);
    ui.LblAjust->hide();
}

QWidget* QsoWindow::buildHeader() {
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
    ScreenLayout::setDesignWidth(ui.TxtDate, 1200);
    ui.TxtUTC = lineEdit(w, "TxtUTC");
    ui.TxtUTC->setMaxLength(5);
    ScreenLayout::setDesignWidth(ui.TxtUTC, 800);
    for (QLineEdit* e : {ui.TxtDate, ui.TxtUTC})
        ScreenLayout::setFont(e, 12, false);
    QFont bold = font();
    bold.setBold(true);
    for (QLabel* l : {ui.LblConc, ui.LblMyCall, ui.LblMyBezirk, ui.LblContrInit})
        l->setFont(bold);
    h->addWidget(ui.LblConc);
    h->addStretch(1);
    h->addWidget(ui.LblOffLine);
    h->addWidget(ui.TxtDate);
    h->addWidget(ui.TxtUTC);
    return w;
}

QWidget* QsoWindow::buildStageRow() {
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
    ScreenLayout::setFont(ui.LblAnunt, 12, true);
    setForeColor(ui.LblAnunt, Colors::kRed);
    // Narrower than the style's smallest push button: the row has to fit the smallest display.
    for (QPushButton* b : {ui.Cmd1A, ui.Cmd1B, ui.Cmd2A, ui.Cmd2B, ui.CmdCW, ui.CmdSSB})
        ScreenLayout::setDesignWidth(b, 600);
    h->addWidget(ui.LblFrq);
    const QList<QPushButton*> stages{ui.Cmd1A, ui.Cmd1B, ui.Cmd2A, ui.Cmd2B};
    const QList<QLabel*> marks{ui.Lbl1A, ui.Lbl1B, ui.Lbl2A, ui.Lbl2B};
    for (int i = 0; i < 4; ++i) {
        h->addWidget(stages[i]);
        h->addWidget(marks[i]);
        connect(stages[i], &QPushButton::clicked, this, [this, i] { chooseStage(i + 1); });
    }
    ui.LblFrecventa = label(w, "LblFrecventa");
    h->addSpacing(8);
    h->addWidget(ui.LblFrecventa);
    h->addSpacing(12);
    h->addWidget(ui.LblMode);
    h->addWidget(ui.CmdCW);
    h->addWidget(ui.LblCW);
    h->addWidget(ui.CmdSSB);
    h->addWidget(ui.LblSSB);
    h->addSpacing(12);
    h->addWidget(ui.LblAnunt, 1);
    connect(ui.CmdCW, &QPushButton::clicked, this, [this] { act([this] { m_entry.chooseCw(); }); });
    connect(ui.CmdSSB, &QPushButton::clicked, this,
            [this] { act([this] { m_entry.chooseSsb(); }); });
    return w;
}

QWidget* QsoWindow::buildEntry() {
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
    for (QLineEdit* e : entryFields())
        ScreenLayout::setFont(e, 14, e == ui.TxtIndic);
    ScreenLayout::setFont(ui.LblRufZeich, 12, false);
    ScreenLayout::setDesignWidth(ui.TxtIndic, 1800);
    for (QLineEdit* e :
         {ui.TxtRSTR1, ui.TxtRSTR2, ui.TxtRstR3, ui.TxtRSTE1, ui.TxtRSTE2, ui.TxtRSTE3})
        ScreenLayout::setDesignWidth(e, 700);
    ui.LblNeu = label(w, "LblNeu", QStringLiteral("NOU"));
    ScreenLayout::setFont(ui.LblNeu, 18, true);
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
    g->setColumnStretch(6, 1);
    connect(ui.CmdAbbruchX, &QPushButton::clicked, this,
            [this] { act([this] { m_entry.cancelContact(); }); });
    connect(ui.CmdEnterCall, &QPushButton::clicked, this,
            [this] { act([this] { m_entry.logContact(); }); });
    return w;
}

QWidget* QsoWindow::buildResults() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    ui.Frame2 = frame(w, "Frame2", QString());
    auto* f2 = new QVBoxLayout(ui.Frame2);
    f2->setContentsMargins(2, 2, 2, 2);
    ui.Frame5 = frame(ui.Frame2, "Frame5", QStringLiteral("Result/Etapa"));
    f2->addWidget(ui.Frame5);
    auto* g = new QGridLayout(ui.Frame5);
    g->setVerticalSpacing(0);
    ui.LblBandCol = label(ui.Frame5, "LblBandCol", QStringLiteral("Et."));
    ui.LblQSOCol = label(ui.Frame5, "LblQSOCol", QStringLiteral("QSO"));
    ui.LblMltCol = label(ui.Frame5, "LblMltCol", QStringLiteral("Mlt"));
    ui.LblPktCol = label(ui.Frame5, "LblPktCol", QStringLiteral("Pkt"));
    g->addWidget(ui.LblBandCol, 0, 0);
    g->addWidget(ui.LblQSOCol, 0, 1);
    g->addWidget(ui.LblMltCol, 0, 2);
    g->addWidget(ui.LblPktCol, 0, 3);
    for (int r = 0; r < 4; ++r) {
        const QByteArray suffix = r == 0 ? QByteArray() : QByteArray::number(r);
        auto named = [&](const char* base, const QString& text) {
            return label(ui.Frame5, (QByteArray(base) + suffix).constData(), text);
        };
        ui.LblBand[r] = named("LblBand", QLatin1String(kStageNames[r]));
        ui.LblQSO[r] = named("LblQSO", QStringLiteral("0"));
        ui.LblMlt[r] = named("LblMlt", QStringLiteral("0"));
        ui.LblPkt[r] = named("LblPkt", QStringLiteral("0"));
        g->addWidget(ui.LblBand[r], r + 1, 0);
        g->addWidget(ui.LblQSO[r], r + 1, 1);
        g->addWidget(ui.LblMlt[r], r + 1, 2);
        g->addWidget(ui.LblPkt[r], r + 1, 3);
    }
    ui.FramMyData = frame(ui.Frame2, "FramMyData", QStringLiteral("MY DATA"));
    auto* my = new QHBoxLayout(ui.FramMyData);
    my->setContentsMargins(2, 0, 2, 0);
    my->addWidget(ui.LblMyCall);
    my->addWidget(ui.LblMyBezirk);
    my->addWidget(ui.LblContrInit);
    f2->addWidget(ui.FramMyData);
    v->addWidget(ui.Frame2);
    // The county list of a callsign's area takes the place of the results while it shows.
    ui.list1 = new QListWidget(w);
    ui.list1->setObjectName(QStringLiteral("list1"));
    ui.list1->hide();
    v->addWidget(ui.list1);
    ui.LblAjust = label(w, "LblAjust");
    v->addWidget(ui.LblAjust);
    v->addStretch(1);
    return w;
}

QWidget* QsoWindow::buildBoard() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    ui.Frame1 = frame(w, "Frame1", QString());
    auto* g = new QGridLayout(ui.Frame1);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(1);
    ui.Frame4 = frame(w, "Frame4", QString());
    auto* sectors = new QHBoxLayout(ui.Frame4);
    sectors->setContentsMargins(2, 0, 2, 0);
    sectors->setSpacing(1);
    QFont small = font();
    small.setPointSize(8);
    int i = 0;
    for (const QString& code : CountyBoard::labels()) {
        const bool sector = code.startsWith(u'X');
        QLabel* l = label(sector ? ui.Frame4 : ui.Frame1,
                          (QByteArrayLiteral("Lbl") + code.toLatin1()).constData(), code);
        l->setFont(small);
        l->setAlignment(Qt::AlignCenter);
        ScreenLayout::setDesignWidth(l, 330);
        setBackColor(l, Colors::kGreen);
        m_board.insert(code, l);
        if (sector) {
            ui.sectorLabels << l;
            sectors->addWidget(l);
        } else {
            g->addWidget(l, i / 11, i % 11);
            ++i;
        }
    }
    ui.LblBU = m_board.value(QStringLiteral("BU"));
    ui.LblNY = m_board.value(QStringLiteral("NY"));
    ui.Frame4->hide();
    v->addWidget(ui.Frame1);
    v->addWidget(ui.Frame4);
    v->addStretch(1);
    return w;
}

QWidget* QsoWindow::buildKeyer() {
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
        ui.TxtF[i] = lineEdit(ui.FramTxtCw, ("TxtF" + n).constData(),
                              QStringLiteral("Introdu %1 de transmis la F%2 ; ESCAPE")
                                  .arg(i == 0 ? QStringLiteral("Text") : QStringLiteral("text"))
                                  .arg(i + 1));
        g->addWidget(ui.LblF[i], i, 0);
        g->addWidget(ui.TxtF[i], i, 1);
    }
    ui.LblMacro = label(ui.FramTxtCw, "LblMacro",
                        QStringLiteral("#1=MYCALL #2=YourCall  #3=CodEmis #4=MYJUD"));
    g->addWidget(ui.LblMacro, 7, 0, 1, 2);
    g->addWidget(label(ui.FramTxtCw, "LblCwHelp", QStringLiteral("F1 - F7 CwText: ~=half space")),
                 8, 0, 1, 2);
    g->addWidget(label(ui.FramTxtCw, "LblCwLegend",
                       QStringLiteral("#1=MYCALL  #2=YOURCALL #3=CODE #4=MYJUD #8=LOG")),
                 9, 0, 1, 2);
    v->addWidget(ui.FramTxtCw);

    ui.FrmCwProgr = frame(w, "FrmCwProgr", QString());
    auto* h = new QHBoxLayout(ui.FrmCwProgr);
    ui.TxtCwCurent = lineEdit(ui.FrmCwProgr, "TxtCwCurent");
    ui.TxtCwCurent->setReadOnly(true);
    ui.TxtCwCurent->setFocusPolicy(Qt::NoFocus);
    // Shown only while a message is sent; its place is kept so the speed controls stay put.
    QSizePolicy shownWhileSending = ui.TxtCwCurent->sizePolicy();
    shownWhileSending.setRetainSizeWhenHidden(true);
    ui.TxtCwCurent->setSizePolicy(shownWhileSending);
    ui.TxtCwCurent->hide();
    ui.LblWPM = label(ui.FrmCwProgr, "LblWPM");
    auto* faster =
        button(ui.FrmCwProgr, "CmdCwUp", QStringLiteral(">"), QStringLiteral("Viteza CW creste"));
    auto* slower =
        button(ui.FrmCwProgr, "CmdCwDown", QStringLiteral("<"), QStringLiteral("Viteza Cw scade"));
    for (auto [arrow, up] : {std::pair{faster, true}, std::pair{slower, false}}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        ScreenLayout::setDesignWidth(arrow, 300);
        connect(arrow, &QPushButton::clicked, this,
                [this, up] { act([this, up] { m_entry.changeCwSpeed(up); }); });
    }
    ui.OpB50 = radio(ui.FrmCwProgr, "OpB50", QStringLiteral("1"));
    ui.OpB62 = radio(ui.FrmCwProgr, "OpB62", QStringLiteral("0.8"));
    ui.Opb75 = radio(ui.FrmCwProgr, "Opb75", QStringLiteral("0.9"));
    ui.OpB50->setChecked(true);
    ui.txtPauseCW = lineEdit(ui.FrmCwProgr, "txtPauseCW");
    ScreenLayout::setDesignWidth(ui.txtPauseCW, 600);
    ui.txtPauseCW->hide();
    h->addWidget(ui.TxtCwCurent, 1);
    h->addWidget(ui.LblWPM);
    h->addWidget(label(ui.FrmCwProgr, "lblwpmi", QStringLiteral("WPM")));
    h->addWidget(faster);
    h->addWidget(slower);
    h->addWidget(label(ui.FrmCwProgr, "LblUpDovn", QStringLiteral(">VitCwUp;<VitCwDown")));
    h->addWidget(label(ui.FrmCwProgr, "LblAjdustCW", QStringLiteral("AjdustCW")));
    h->addWidget(ui.OpB50);
    h->addWidget(ui.OpB62);
    h->addWidget(ui.Opb75);
    h->addWidget(ui.txtPauseCW);
    v->addWidget(ui.FrmCwProgr);
    ui.TxtPauseSSB = lineEdit(w, "TxtPauseSSB");
    ScreenLayout::setDesignWidth(ui.TxtPauseSSB, 600);
    ui.TxtPauseSSB->hide();
    v->addWidget(ui.TxtPauseSSB);
    return w;
}

void QsoWindow::buildMenus() {
    ui.mnuBeenden = menuBar()->addAction(QStringLiteral("E&XIT"));
    ui.mnuBeenden->setObjectName(QStringLiteral("mnuBeenden"));
    ui.mnuAnfang = menuBar()->addAction(QStringLiteral("1_ST_PA&GE"));
    ui.mnuAnfang->setObjectName(QStringLiteral("mnuAnfang"));
    ui.mnuRecup = menuBar()->addAction(QStringLiteral("REC&UP.DUPA ANULARE"));
    ui.mnuRecup->setObjectName(QStringLiteral("mnuRecup"));
    ui.mnuRecup->setEnabled(false);
    ui.mnuHelp2 = addHelpMenu(menuBar(), "mnuHelp2", QStringLiteral("HELP"),
                              {{"mnuDescrEcran", "Descriere ecran", 400},
                               {"mnuSchimbBanda", "Schimbare banda si mod", 500},
                               {"mnuInputDate", "Introducere date", 600},
                               {"mnuModifDate", "Modificari date", 700},
                               {"mnuOutPag", "Iesire din pagina", 800}},
                              m_services.help);
    connect(ui.mnuBeenden, &QAction::triggered, this, &QsoWindow::confirmExit);
    connect(ui.mnuRecup, &QAction::triggered, this, [this] { act([this] { m_entry.recover(); }); });
    connect(ui.mnuAnfang, &QAction::triggered, this, [this] {
        m_state.returnToSetup = true;
        hide();
        emit setupRequested();
    });
}
