#include "screens/entry/QsoWindow.h"

#include "base/seams/Help.h"
#include "base/seams/ScreenMetrics.h"
#include "rules/ContestRun.h"
#include "rules/CountyBoard.h"
#include "rules/LayoutFactors.h"
#include "screens/Colors.h"
#include "screens/HelpMenu.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/entry/FigureLabel.h"
#include "screens/entry/LogGrid.h"
#include "screens/entry/PartialCheckList.h"
#include "screens/entry/RateFrame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
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
    ui.logGrid = new LogGrid(central);
    ui.logGrid->setObjectName(QStringLiteral("DBGrid1"));
    ui.logGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.logGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.logGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Small type, so that the exchange fits the grid's column widths.
    ScreenLayout::setFont(ui.logGrid, 8, false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ui.logGrid, 1);
    auto* partialCheck =
        new PartialCheckList(m_entry, m_services.callDb, m_services.logDb, central);
    connect(partialCheck, &PartialCheckList::chosen, this,
            [this](const QString& call) { act([&] { m_entry.chooseCallsign(call); }); });
    bottom->addWidget(partialCheck);
    v->addLayout(bottom, 1);
    setCentralWidget(central);
}

void QsoWindow::applyLayout(const LayoutFactors& f) {
    ScreenLayout::apply(this, m_services.metrics.displaySize(), f);
    ui.resultsPlace->setMinimumHeight(ui.stationPanel->sizeHint().height());
    if (f.routine != LayoutRoutine::Small) {
        ui.layoutHint->show();
        return;
    }
    // The smallest display has its own type sizes for the prompt and the entry row.
    const struct {
        QWidget* w;
        int points;
        bool bold;
    } fonts[] = {{ui.prompt, 10, true},        {ui.dateField, 10, false},
                 {ui.timeField, 10, false},    {ui.callCaption, 10, false},
                 {ui.callsign, 12, true},      {ui.receivedReport, 12, false},
                 {ui.receivedCode, 12, false}, {ui.receivedCounty, 12, false},
                 {ui.sentReport, 12, false},   {ui.sentCode, 12, false},
                 {ui.sentCounty, 12, false},   {ui.newMarker, 14, true}};
    for (const auto& font : fonts)
        ScreenLayout::setFont(font.w, font.points, font.bold);
    ui.layoutHint->hide();
}

QWidget* QsoWindow::buildHeader() {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    ui.contestName = label(w, "LblConc");
    ui.ownCall = label(w, "LblMyCall");
    ui.ownCounty = label(w, "LblMyBezirk");
    ui.sentCodeLabel = label(w, "LblContrInit", QStringLiteral("000"));
    ui.offlineMarker = label(w, "LblOffLine", QStringLiteral("OFF LINE"));
    ui.offlineMarker->hide();
    ui.dateField = lineEdit(w, "TxtDate");
    ui.dateField->setMaxLength(10);
    ScreenLayout::setDesignWidth(ui.dateField, 1200);
    ui.timeField = lineEdit(w, "TxtUTC");
    ui.timeField->setMaxLength(5);
    ScreenLayout::setDesignWidth(ui.timeField, 800);
    for (QLineEdit* e : {ui.dateField, ui.timeField})
        ScreenLayout::setFont(e, 12, false);
    QFont bold = font();
    bold.setBold(true);
    for (QLabel* l : {ui.contestName, ui.ownCall, ui.ownCounty, ui.sentCodeLabel})
        l->setFont(bold);
    h->addWidget(ui.contestName);
    h->addStretch(1);
    h->addWidget(ui.offlineMarker);
    h->addWidget(ui.dateField);
    h->addWidget(ui.timeField);
    return w;
}

QWidget* QsoWindow::buildStageRow() {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    ui.stageCaption = label(w, "LblFrq", QStringLiteral("Etapa"));
    ui.stage1AButton = button(w, "Cmd1A", QStringLiteral("&1A"), QStringLiteral("Etapa 1A"));
    ui.stage1BButton = button(w, "Cmd1B", QStringLiteral("1&B"), QStringLiteral("Etapa 1B"));
    ui.stage2AButton = button(w, "Cmd2A", QStringLiteral("&2A"), QStringLiteral("Etapa 2A"));
    ui.stage2BButton = button(w, "Cmd2B", QStringLiteral("&*2B"), QStringLiteral("Etapa 2B"));
    ui.stage1AMarker = label(w, "Lbl1A", QStringLiteral("1A"));
    ui.stage1BMarker = label(w, "Lbl1B", QStringLiteral("1B"));
    ui.stage2AMarker = label(w, "Lbl2A", QStringLiteral("2A"));
    ui.stage2BMarker = label(w, "Lbl2B", QStringLiteral("2B"));
    ui.modeCaption = label(w, "LblMode", QStringLiteral("Mod"));
    ui.cwButton = button(w, "CmdCW", QStringLiteral("&Cw"), QStringLiteral("Mod de lucru CW"));
    ui.ssbButton = button(w, "CmdSSB", QStringLiteral("&SSB"), QStringLiteral("Mod de lucru SSB"));
    ui.cwMarker = label(w, "LblCW", QStringLiteral("CW"));
    ui.ssbMarker = label(w, "LblSSB", QStringLiteral("SSB"));
    ui.prompt = label(w, "LblAnunt", QStringLiteral("Selectie MOD SI ETAPA"));
    ScreenLayout::setFont(ui.prompt, 12, true);
    setForeColor(ui.prompt, Colors::kRed);
    // Narrower than the style's smallest push button: the row has to fit the smallest display.
    for (QPushButton* b : {ui.stage1AButton, ui.stage1BButton, ui.stage2AButton, ui.stage2BButton,
                           ui.cwButton, ui.ssbButton})
        ScreenLayout::setDesignWidth(b, 600);
    h->addWidget(ui.stageCaption);
    const QList<QPushButton*> stages{ui.stage1AButton, ui.stage1BButton, ui.stage2AButton,
                                     ui.stage2BButton};
    const QList<QLabel*> marks{ui.stage1AMarker, ui.stage1BMarker, ui.stage2AMarker,
                               ui.stage2BMarker};
    for (int i = 0; i < 4; ++i) {
        h->addWidget(stages[i]);
        h->addWidget(marks[i]);
        connect(stages[i], &QPushButton::clicked, this, [this, i] { chooseStage(i + 1); });
    }
    ui.radioFrequency = label(w, "LblFrecventa");
    h->addSpacing(8);
    h->addWidget(ui.radioFrequency);
    h->addSpacing(12);
    h->addWidget(ui.modeCaption);
    h->addWidget(ui.cwButton);
    h->addWidget(ui.cwMarker);
    h->addWidget(ui.ssbButton);
    h->addWidget(ui.ssbMarker);
    h->addSpacing(12);
    h->addWidget(ui.prompt, 1);
    connect(ui.cwButton, &QPushButton::clicked, this,
            [this] { act([this] { m_entry.chooseCw(); }); });
    connect(ui.ssbButton, &QPushButton::clicked, this,
            [this] { act([this] { m_entry.chooseSsb(); }); });
    return w;
}

QWidget* QsoWindow::buildEntry() {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    ui.callCaption = label(w, "LblRufZeich", QStringLiteral("   CALL"));
    ui.receivedCaption = label(w, "LblRSTR", QStringLiteral(" RSTR  CODR  JUDR"));
    ui.sentCaption = label(w, "LblRSTS", QStringLiteral("  RSTS  CODS  JUDS"));
    ui.callsign = lineEdit(w, "TxtIndic", QStringLiteral("Intodu Indic. statie corespondent ; "));
    ui.receivedReport = lineEdit(w, "TxtRSTR1", QStringLiteral("Calculatorul introduce 59(9)"));
    ui.receivedCode = lineEdit(w, "TxtRSTR2", QStringLiteral("Introdu cod receptionat ; "));
    ui.receivedCounty =
        lineEdit(w, "TxtRstR3", QStringLiteral("Calculatorul introd. Jud, receptionat"));
    ui.sentReport = lineEdit(w, "TxtRSTE1", QStringLiteral("Calculatorul introduce 59(9)"));
    ui.sentCode = lineEdit(w, "TxtRSTE2", QStringLiteral("Calculatorul introduce Cod de emis"));
    ui.sentCounty = lineEdit(w, "TxtRSTE3", QStringLiteral("Calculatorul introduce Jud propriu"));
    for (QLineEdit* e : entryFields())
        ScreenLayout::setFont(e, 14, e == ui.callsign);
    ScreenLayout::setFont(ui.callCaption, 12, false);
    ScreenLayout::setDesignWidth(ui.callsign, 1800);
    for (QLineEdit* e : {ui.receivedReport, ui.receivedCode, ui.receivedCounty, ui.sentReport,
                         ui.sentCode, ui.sentCounty})
        ScreenLayout::setDesignWidth(e, 700);
    ui.newMarker = label(w, "LblNeu", QStringLiteral("NOU"));
    ScreenLayout::setFont(ui.newMarker, 18, true);
    ui.newMarker->hide();
    ui.logButton =
        button(w, "CmdEnterCall", QStringLiteral("&IN LOG"), QStringLiteral("Logheaza QSO-ul"));
    ui.logButton->setEnabled(false);
    ui.cancelButton =
        button(w, "CmdAbbruchX", QStringLiteral(" &ANULAT"), QStringLiteral("Anuleaza QSO-ul"));
    ui.errorLine = lineEdit(w, "TxtEroare");
    ui.errorLine->setReadOnly(true);
    ui.errorLine->setFocusPolicy(Qt::NoFocus);
    ui.errorLine->hide();
    ui.dupeWarning = frame(w, "Frame3", QStringLiteral("WARNING ! QSO DUPE !"));
    ui.dupeWarning->hide();

    auto* rcvd = new QHBoxLayout;
    rcvd->addWidget(ui.receivedReport);
    rcvd->addWidget(ui.receivedCode);
    rcvd->addWidget(ui.receivedCounty);
    auto* sent = new QHBoxLayout;
    sent->addWidget(ui.sentReport);
    sent->addWidget(ui.sentCode);
    sent->addWidget(ui.sentCounty);
    g->addWidget(ui.callCaption, 0, 0);
    g->addWidget(ui.receivedCaption, 0, 1);
    g->addWidget(ui.sentCaption, 0, 2);
    g->addWidget(ui.callsign, 1, 0);
    g->addLayout(rcvd, 1, 1);
    g->addLayout(sent, 1, 2);
    g->addWidget(ui.newMarker, 1, 3);
    g->addWidget(ui.logButton, 1, 4);
    g->addWidget(ui.cancelButton, 1, 5);
    g->addWidget(ui.errorLine, 2, 0, 1, 3);
    g->addWidget(ui.dupeWarning, 2, 3, 1, 3);
    // The marks keep their room while hidden, so that the log grid below stays still (and is
    // not laid out again) as they come and go with each contact.
    for (QWidget* mark : {static_cast<QWidget*>(ui.newMarker), static_cast<QWidget*>(ui.errorLine),
                          static_cast<QWidget*>(ui.dupeWarning)})
        keepRoomWhenHidden(mark);
    g->setColumnStretch(6, 1);
    connect(ui.cancelButton, &QPushButton::clicked, this,
            [this] { act([this] { m_entry.cancelContact(); }); });
    connect(ui.logButton, &QPushButton::clicked, this,
            [this] { act([this] { m_entry.logContact(); }); });
    return w;
}

QWidget* QsoWindow::buildResults() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    ui.stationPanel = frame(w, "Frame2", QString());
    auto* f2 = new QVBoxLayout(ui.stationPanel);
    f2->setContentsMargins(2, 2, 2, 2);
    ui.stageTotals = frame(ui.stationPanel, "Frame5", QStringLiteral("Result/Etapa"));
    auto* totalsAndRate = new QHBoxLayout;
    totalsAndRate->addWidget(ui.stageTotals);
    m_rate = new RateFrame(ui.stationPanel);
    totalsAndRate->addWidget(m_rate, 0, Qt::AlignTop);
    f2->addLayout(totalsAndRate);
    auto* g = new QGridLayout(ui.stageTotals);
    g->setVerticalSpacing(0);
    ui.stageColumnCaption = label(ui.stageTotals, "LblBandCol", QStringLiteral("Et."));
    ui.contactsColumnCaption = label(ui.stageTotals, "LblQSOCol", QStringLiteral("QSO"));
    ui.multipliersColumnCaption = label(ui.stageTotals, "LblMltCol", QStringLiteral("Mlt"));
    ui.pointsColumnCaption = label(ui.stageTotals, "LblPktCol", QStringLiteral("Pkt"));
    g->addWidget(ui.stageColumnCaption, 0, 0);
    g->addWidget(ui.contactsColumnCaption, 0, 1);
    g->addWidget(ui.multipliersColumnCaption, 0, 2);
    g->addWidget(ui.pointsColumnCaption, 0, 3);
    for (int r = 0; r < 4; ++r) {
        const QByteArray suffix = r == 0 ? QByteArray() : QByteArray::number(r);
        const auto figure = [&](const char* base) {
            return new FigureLabel(ui.stageTotals, QLatin1String(QByteArray(base) + suffix),
                                   QStringLiteral("0"));
        };
        ui.stageNames[r] =
            label(ui.stageTotals, (QByteArrayLiteral("LblBand") + suffix).constData(),
                  QLatin1String(kStageNames[r]));
        ui.stageContacts[r] = figure("LblQSO");
        ui.stageMultipliers[r] = figure("LblMlt");
        ui.stagePoints[r] = figure("LblPkt");
        g->addWidget(ui.stageNames[r], r + 1, 0);
        g->addWidget(ui.stageContacts[r], r + 1, 1);
        g->addWidget(ui.stageMultipliers[r], r + 1, 2);
        g->addWidget(ui.stagePoints[r], r + 1, 3);
    }
    ui.ownDataPanel = frame(ui.stationPanel, "FramMyData", QStringLiteral("MY DATA"));
    auto* my = new QHBoxLayout(ui.ownDataPanel);
    my->setContentsMargins(2, 0, 2, 0);
    my->addWidget(ui.ownCall);
    my->addWidget(ui.ownCounty);
    my->addWidget(ui.sentCodeLabel);
    f2->addWidget(ui.ownDataPanel);
    // The county list of a callsign's area takes the place of the results while it shows, in
    // their room (kept by applyLayout), so that the log grid below stays still; its own height
    // follows the call area. It shows on a cover laid over the results: hiding the results
    // instead would lay out and measure all their labels again when they come back, at each
    // contact logged.
    ui.resultsPlace = new QWidget(w);
    auto* place = new QGridLayout(ui.resultsPlace);
    place->setContentsMargins(0, 0, 0, 0);
    place->addWidget(ui.stationPanel, 0, 0);
    ui.resultsCover = new QWidget(ui.resultsPlace); // alone, when the lookup hid both
    ui.resultsCover->setAutoFillBackground(true);
    auto* cover = new QVBoxLayout(ui.resultsCover);
    cover->setContentsMargins(0, 0, 0, 0);
    ui.countyChoices = new QListWidget(ui.resultsCover);
    ui.countyChoices->setObjectName(QStringLiteral("list1"));
    ui.countyChoices->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    cover->addWidget(ui.countyChoices);
    place->addWidget(ui.resultsCover, 0, 0);
    // The columns beside keep their place as it comes and goes with each unknown callsign.
    keepRoomWhenHidden(ui.resultsCover);
    ui.resultsCover->hide();
    v->addWidget(ui.resultsPlace);
    ui.layoutHint = label(w, "LblAjust");
    v->addWidget(ui.layoutHint);
    v->addStretch(1);
    return w;
}

QWidget* QsoWindow::buildBoard() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    ui.countyBoard = frame(w, "Frame1", QString());
    auto* g = new QGridLayout(ui.countyBoard);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(1);
    ui.sectorBoard = frame(w, "Frame4", QString());
    auto* sectors = new QHBoxLayout(ui.sectorBoard);
    sectors->setContentsMargins(2, 0, 2, 0);
    sectors->setSpacing(1);
    QFont small = font();
    small.setPointSize(8);
    int i = 0;
    for (const QString& code : CountyBoard::labels()) {
        const bool sector = code.startsWith(u'X');
        QLabel* l = label(sector ? ui.sectorBoard : ui.countyBoard,
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
    ui.bucharestLabel = m_board.value(QStringLiteral("BU"));
    ui.extraCountyLabel = m_board.value(QStringLiteral("NY"));
    ui.sectorBoard->hide();
    v->addWidget(ui.countyBoard);
    v->addWidget(ui.sectorBoard);
    v->addStretch(1);
    return w;
}

QWidget* QsoWindow::buildKeyer() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    ui.keyerTextsPanel = frame(w, "FramTxtCw", QStringLiteral("TEXT PROGRAM CW"));
    auto* g = new QGridLayout(ui.keyerTextsPanel);
    g->setVerticalSpacing(1);
    for (int i = 0; i < 7; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        ui.keyerTextCaptions[i] = label(ui.keyerTextsPanel, ("LblF" + n).constData(),
                                        QStringLiteral("F") + QString::number(i + 1));
        ui.keyerTexts[i] =
            lineEdit(ui.keyerTextsPanel, ("TxtF" + n).constData(),
                     QStringLiteral("Introdu %1 de transmis la F%2 ; ESCAPE")
                         .arg(i == 0 ? QStringLiteral("Text") : QStringLiteral("text"))
                         .arg(i + 1));
        g->addWidget(ui.keyerTextCaptions[i], i, 0);
        g->addWidget(ui.keyerTexts[i], i, 1);
    }
    ui.macroLegend = label(ui.keyerTextsPanel, "LblMacro",
                           QStringLiteral("#1=MYCALL #2=YourCall  #3=CodEmis #4=MYJUD"));
    g->addWidget(ui.macroLegend, 7, 0, 1, 2);
    g->addWidget(
        label(ui.keyerTextsPanel, "LblCwHelp", QStringLiteral("F1 - F7 CwText: ~=half space")), 8,
        0, 1, 2);
    g->addWidget(label(ui.keyerTextsPanel, "LblCwLegend",
                       QStringLiteral("#1=MYCALL  #2=YOURCALL #3=CODE #4=MYJUD #8=LOG")),
                 9, 0, 1, 2);
    v->addWidget(ui.keyerTextsPanel);

    ui.keyerPanel = frame(w, "FrmCwProgr", QString());
    auto* h = new QHBoxLayout(ui.keyerPanel);
    ui.cwSending = lineEdit(ui.keyerPanel, "TxtCwCurent");
    ui.cwSending->setReadOnly(true);
    ui.cwSending->setFocusPolicy(Qt::NoFocus);
    // Shown only while a message is sent; its place is kept so the speed controls stay put.
    keepRoomWhenHidden(ui.cwSending);
    ui.cwSending->hide();
    ui.cwSpeed = label(ui.keyerPanel, "LblWPM");
    auto* faster =
        button(ui.keyerPanel, "CmdCwUp", QStringLiteral(">"), QStringLiteral("Viteza CW creste"));
    auto* slower =
        button(ui.keyerPanel, "CmdCwDown", QStringLiteral("<"), QStringLiteral("Viteza Cw scade"));
    for (auto [arrow, raises] : {std::pair{faster, true}, std::pair{slower, false}}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        ScreenLayout::setDesignWidth(arrow, 300);
        connect(arrow, &QPushButton::clicked, this,
                [this, up = raises] { act([this, up] { m_entry.changeCwSpeed(up); }); });
    }
    ui.evenWeight = radio(ui.keyerPanel, "OpB50", QStringLiteral("1"));
    ui.heavyWeight = radio(ui.keyerPanel, "OpB62", QStringLiteral("0.8"));
    ui.heavierWeight = radio(ui.keyerPanel, "Opb75", QStringLiteral("0.9"));
    ui.evenWeight->setChecked(true);
    ui.cwRepeatPause = lineEdit(ui.keyerPanel, "txtPauseCW");
    ScreenLayout::setDesignWidth(ui.cwRepeatPause, 600);
    ui.cwRepeatPause->hide();
    h->addWidget(ui.cwSending, 1);
    h->addWidget(ui.cwSpeed);
    h->addWidget(label(ui.keyerPanel, "lblwpmi", QStringLiteral("WPM")));
    h->addWidget(faster);
    h->addWidget(slower);
    h->addWidget(label(ui.keyerPanel, "LblUpDovn", QStringLiteral(">VitCwUp;<VitCwDown")));
    h->addWidget(label(ui.keyerPanel, "LblAjdustCW", QStringLiteral("AjdustCW")));
    h->addWidget(ui.evenWeight);
    h->addWidget(ui.heavyWeight);
    h->addWidget(ui.heavierWeight);
    h->addWidget(ui.cwRepeatPause);
    v->addWidget(ui.keyerPanel);
    ui.ssbRepeatPause = lineEdit(w, "TxtPauseSSB");
    ScreenLayout::setDesignWidth(ui.ssbRepeatPause, 600);
    ui.ssbRepeatPause->hide();
    v->addWidget(ui.ssbRepeatPause);
    return w;
}

void QsoWindow::buildMenus() {
    ui.quitAction = menuBar()->addAction(QStringLiteral("E&XIT"));
    ui.quitAction->setObjectName(QStringLiteral("mnuBeenden"));
    ui.firstPageAction = menuBar()->addAction(QStringLiteral("1_ST_PA&GE"));
    ui.firstPageAction->setObjectName(QStringLiteral("mnuAnfang"));
    ui.recoverAction = menuBar()->addAction(QStringLiteral("REC&UP.DUPA ANULARE"));
    ui.recoverAction->setObjectName(QStringLiteral("mnuRecup"));
    ui.recoverAction->setEnabled(false);
    ui.helpMenu = addHelpMenu(menuBar(), "mnuHelp2", QStringLiteral("HELP"),
                              {{"mnuDescrEcran", "Descriere ecran", 400},
                               {"mnuSchimbBanda", "Schimbare banda si mod", 500},
                               {"mnuInputDate", "Introducere date", 600},
                               {"mnuModifDate", "Modificari date", 700},
                               {"mnuOutPag", "Iesire din pagina", 800}},
                              m_services.help);
    connect(ui.quitAction, &QAction::triggered, this, &QsoWindow::confirmExit);
    connect(ui.recoverAction, &QAction::triggered, this,
            [this] { act([this] { m_entry.recover(); }); });
    connect(ui.firstPageAction, &QAction::triggered, this, [this] {
        hide();
        emit setupRequested();
    });
}
