#include "screens/reports/LogViewWindow.h"

#include "reports/ReportFiles.h"
#include "screens/ExitConfirmation.h"
#include "screens/HelpMenu.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/reports/LearnFromLogsButton.h"
#include "screens/reports/LogByDateModel.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/Help.h"
#include "seams/ScreenMetrics.h"
#include "setup/AppState.h"
#include "setup/LayoutFactors.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Widgets;

namespace {
QTableView* grid(QWidget* parent, const char* name) {
    auto* g = new QTableView(parent);
    g->setObjectName(QLatin1String(name));
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return g;
}
} // namespace

LogViewWindow::LogViewWindow(ScreenServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_state(services.state) {
    setObjectName(QStringLiteral("FrmAnzeigen"));
    setWindowTitle(QStringLiteral("Prelucrare LOG"));
    buildUi();
    buildMenus();
    // Another display than the four keeps the design layout here, without a message.
    const QSize display = m_services.metrics.displaySize();
    const LayoutFactors f = LayoutFactors::forDisplay(display);
    m_state.scaleX = f.scaleX;
    m_state.scaleY = f.scaleY;
    ScreenLayout::apply(this, display, f);
    reset();
    openStageLog();
}

QRadioButton* LogViewWindow::viewButton(int stage) const {
    QRadioButton* const views[] = {ui.OpBLG, ui.OpB1A, ui.OpB1B, ui.OpB2A, ui.OpB2B};
    return views[stage];
}

// The screen opens on the log of the stage being worked, or the whole log before one is chosen.
void LogViewWindow::openStageLog() {
    showViewChoices();
    const int stage = m_state.stage;
    viewButton(stage)->setChecked(true);
    viewChoice(stage);
}

void LogViewWindow::buildUi() {
    auto* central = new QWidget(this);
    auto* h = new QHBoxLayout(central);
    h->setContentsMargins(6, 4, 6, 4);
    h->addWidget(buildChoiceFrames(central));

    auto* right = new QVBoxLayout;
    ui.DBGrid1 = grid(central, "DBGrid1");
    m_logModel = new LogByDateModel(m_services.logDb, this);
    ui.DBGrid1->setModel(m_logModel);
    connect(ui.DBGrid1, &QTableView::clicked, this, &LogViewWindow::contactSelected);
    ui.DBGrid5 = grid(central, "DBGrid5");
    m_callModel = new QSqlQueryModel(this);
    ui.DBGrid5->setModel(m_callModel);
    ui.ListCbr = new QListWidget(central);
    ui.ListCbr->setObjectName(QStringLiteral("ListCbr"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    ui.ListCbr->setFont(fixed);
    right->addWidget(ui.DBGrid1, 1);
    right->addWidget(ui.DBGrid5, 1);
    right->addWidget(ui.ListCbr, 1);
    right->addWidget(buildStationForm(central));
    right->addWidget(buildCabrilloForm(central));
    right->addWidget(buildArchiveFrame(central), 1);
    ui.CmdGata = button(central, "CmdGata", QStringLiteral("INTRODUCERE DE DATE &TERMINATA"));
    connect(ui.CmdGata, &QPushButton::clicked, this, &LogViewWindow::finishForm);
    right->addWidget(ui.CmdGata, 0, Qt::AlignLeft);
    right->addStretch(0);
    h->addLayout(right, 1);
    setCentralWidget(central);
}

QWidget* LogViewWindow::buildChoiceFrames(QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    const auto choices = [](QGroupBox* f, QList<QRadioButton*> buttons) {
        auto* fv = new QVBoxLayout(f);
        fv->setSpacing(2);
        for (QRadioButton* b : buttons)
            fv->addWidget(b, 0, Qt::AlignLeft);
    };

    ui.Frame1 = frame(w, "Frame1", QStringLiteral("VIEW"));
    ui.OpBLG = radio(ui.Frame1, "OpBLG", QStringLiteral(" L&og Gen"));
    ui.OpB1A = radio(ui.Frame1, "OpB1A", QStringLiteral(" Etapa &1A"));
    ui.OpB1B = radio(ui.Frame1, "OpB1B", QStringLiteral(" Etapa 1&B"));
    ui.OpB2A = radio(ui.Frame1, "OpB2A", QStringLiteral(" Etapa 2&A"));
    ui.OpB2B = radio(ui.Frame1, "OpB2B", QStringLiteral(" Etapa 2&B"));
    ui.OpBCallJud = radio(ui.Frame1, "OpBCallJud", QStringLiteral(" &Call Jud"));
    ui.OpBCallJud->installEventFilter(this);
    choices(ui.Frame1, {ui.OpBLG, ui.OpB1A, ui.OpB1B, ui.OpB2A, ui.OpB2B, ui.OpBCallJud});
    for (int stage = 0; stage <= 4; ++stage)
        connect(viewButton(stage), &QRadioButton::clicked, this,
                [this, stage] { viewChoice(stage); });
    connect(ui.OpBCallJud, &QRadioButton::clicked, this, &LogViewWindow::showCallsignTable);

    ui.Frame2 = frame(w, "Frame2", QStringLiteral("DELETE LOG"));
    ui.OpbL1A = radio(ui.Frame2, "OpbL1A", QStringLiteral("&LogGen"));
    choices(ui.Frame2, {ui.OpbL1A});
    connect(ui.OpbL1A, &QRadioButton::clicked, this, &LogViewWindow::askToDeleteLog);

    ui.Frame3 = frame(w, "Frame3", QStringLiteral("PRINT"));
    ui.OpBD1A = radio(ui.Frame3, "OpBD1A", QStringLiteral("&Etapa 1A"));
    ui.OpBD1B = radio(ui.Frame3, "OpBD1B", QStringLiteral("E&tapa 1B"));
    ui.OpBD2A = radio(ui.Frame3, "OpBD2A", QStringLiteral("Eta&pa 2A"));
    ui.OpBD2B = radio(ui.Frame3, "OpBD2B", QStringLiteral("Etapa &2B"));
    ui.OpBDSumm = radio(ui.Frame3, "OpBDSumm", QStringLiteral("&Summary"));
    choices(ui.Frame3, {ui.OpBD1A, ui.OpBD1B, ui.OpBD2A, ui.OpBD2B, ui.OpBDSumm});
    const QRadioButton* prints[] = {ui.OpBD1A, ui.OpBD1B, ui.OpBD2A, ui.OpBD2B};
    for (int stage = 1; stage <= 4; ++stage)
        connect(prints[stage - 1], &QRadioButton::clicked, this,
                [this, stage] { printChoice(stage); });
    connect(ui.OpBDSumm, &QRadioButton::clicked, this, &LogViewWindow::startPrintedSummary);

    ui.Frame4 = frame(w, "Frame4", QStringLiteral("Summe/Etap"));
    auto* g = new QGridLayout(ui.Frame4);
    const auto total = [&](const char* labelName, const char* caption, const char* boxName,
                           int column, QLabel*& l, QLineEdit*& box) {
        l = label(ui.Frame4, labelName, QLatin1String(caption));
        box = lineEdit(ui.Frame4, boxName);
        box->setReadOnly(true);
        ScreenLayout::setDesignWidth(box, 700);
        g->addWidget(l, 0, column);
        g->addWidget(box, 1, column);
    };
    total("LblQSO", "QSO", "TxtQSO", 0, ui.LblQSO, ui.TxtQSO);
    total("LblMlt", "Mlt", "TxtMlt", 1, ui.LblMlt, ui.TxtMlt);
    total("LblPkt", "Pkt", "TxtPkt", 2, ui.LblPkt, ui.TxtPkt);

    ui.Frame5 = frame(w, "Frame5", QStringLiteral("&DELETE"));
    ui.OpBDelete = radio(ui.Frame5, "OpBDelete", QStringLiteral("Delete &QSO"));
    choices(ui.Frame5, {ui.OpBDelete});
    connect(ui.OpBDelete, &QRadioButton::clicked, this, &LogViewWindow::deleteSelectedContact);

    for (QGroupBox* f : {ui.Frame1, ui.Frame2, ui.Frame3, ui.Frame4, ui.Frame5})
        v->addWidget(f);
    v->addWidget(buildCallsignFrames(w));
    v->addStretch(1);
    return w;
}

QWidget* LogViewWindow::buildCallsignFrames(QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    ui.Frame7 = frame(w, "Frame7", QStringLiteral("TAB. JUD"));
    auto* f7 = new QHBoxLayout(ui.Frame7);
    f7->addWidget(label(ui.Frame7, "LblInsert", QStringLiteral("Insert")));
    ui.OpBAnfuegen = radio(ui.Frame7, "", QStringLiteral("&Anfügen"));
    ui.OpBAnfuegen->setObjectName(QStringLiteral("OpBAnfügen"));
    f7->addWidget(ui.OpBAnfuegen);
    connect(ui.OpBAnfuegen, &QRadioButton::clicked, this, &LogViewWindow::startAddingCallsign);
    auto* learn = new LearnFromLogsButton(m_services.dialogs, m_services.callDb, ui.Frame7);
    connect(learn, &LearnFromLogsButton::learnt, this, &LogViewWindow::loadCallsignTable);
    f7->addWidget(learn);

    ui.Frame8 = frame(w, "Frame8", QStringLiteral("ENTER DATA"));
    auto* f8 = new QGridLayout(ui.Frame8);
    ui.TxtCountry = lineEdit(ui.Frame8, "TxtCountry");
    ui.TxtCont = lineEdit(ui.Frame8, "TxtCont");
    f8->addWidget(label(ui.Frame8, "LblCountry", QStringLiteral("Call")), 0, 0);
    f8->addWidget(ui.TxtCountry, 0, 1);
    f8->addWidget(label(ui.Frame8, "LblCont", QStringLiteral("Jud")), 1, 0);
    f8->addWidget(ui.TxtCont, 1, 1);
    for (QLineEdit* e : {ui.TxtCountry, ui.TxtCont}) {
        ScreenLayout::setDesignWidth(e, 1200);
        upperCaseTyping(e);
    }
    connect(ui.TxtCountry, &QLineEdit::returnPressed, this,
            [this] { ui.TxtCont->setFocus(Qt::OtherFocusReason); });
    connect(ui.TxtCont, &QLineEdit::returnPressed, this, &LogViewWindow::confirmAddCallsign);
    v->addWidget(ui.Frame7);
    v->addWidget(ui.Frame8);
    return w;
}

QWidget* LogViewWindow::buildStationForm(QWidget* parent) {
    ui.Frame6 = frame(parent, "Frame6", QStringLiteral("ENTER DATA"));
    auto* g = new QGridLayout(ui.Frame6);
    g->setVerticalSpacing(2);
    const struct {
        QLineEdit** box;
        const char* name;
        const char* label;
        const char* tip;
    } boxes[] = {
        {&ui.TxtSection, "TxtSection", "Section", "Introdu Categoria de participare ; ESCAPE"},
        {&ui.TxtOp, "TxtOp", "Op.Name", "Introdu Numele operatorului ; ESCAPE"},
        {&ui.TxtNo, "TxtNo", "No.Operat", "Introdu Nr. Operatori ; ESCAPE"},
        {&ui.TxtQTH, "TxtQTH", "QTH", "Introdu QTH-ul ; ESCAPE"},
        {&ui.TxtAds, "TxtAds", "Adress", "Introdu adresa ; ESCAPE"},
        {&ui.TxtTx, "TxtTx", "Tx", "Introdu emitatorul ; ESCAPE"},
        {&ui.TxtRx, "TxtRx", "Rx", "Introdu receptorul ; ESCAPE"},
        {&ui.TxtAnt[0], "TxtAnt", "Ant1", "Introdu Antena1 ; ESCAPE"},
        {&ui.TxtAnt[1], "TxtAnt2", "Ant2", "Introdu Antena2 ; ESCAPE"},
        {&ui.TxtAnt[2], "TxtAnt3", "Ant3", "Introdu Antena3 ; ESCAPE"},
        {&ui.TxtAnt[3], "TxtAnt4", "Ant4", "Introdu antena 4 ; ESCAPE"},
        {&ui.TxtClub, "TxtClub", "Club:", "Introdu Clubul in care esti membru  ; ESCAPE"},
    };
    int i = 0;
    for (const auto& b : boxes) {
        *b.box = lineEdit(ui.Frame6, b.name, QString::fromLatin1(b.tip));
        upperCaseTyping(*b.box);
        const int row = i % 6;
        const int column = i / 6 * 2;
        g->addWidget(label(ui.Frame6, (QByteArray("Lbl") + (b.name + 3)).constData(),
                           QLatin1String(b.label)),
                     row, column);
        g->addWidget(*b.box, row, column + 1);
        ++i;
    }
    connectStationBoxes();
    return ui.Frame6;
}

QWidget* LogViewWindow::buildCabrilloForm(QWidget* parent) {
    ui.FraLogCbr = frame(parent, "FraLogCbr", QStringLiteral("ENTER DATA CABRILLO (ARRL FORMAT)"));
    auto* g = new QGridLayout(ui.FraLogCbr);
    g->setVerticalSpacing(2);
    const struct {
        QLineEdit** box;
        const char* name;
        const char* label;
    } boxes[] = {
        {&ui.TxtContest, "TxtContest", "CONTEST:"}, {&ui.TxtCall, "TxtCall", "CALLSIGN:"},
        {&ui.TxtCateg, "TxtCateg", "CATEGORY:"},    {&ui.TxtScore, "TxtScore", "CLAIMED-SCORE:"},
        {&ui.TxtOperat, "TxtOperat", "OPERATORS:"}, {&ui.TxtClub1, "TxtClub1", "CLUB:"},
        {&ui.TxtName, "TxtName", "NAME:"},          {&ui.TxtAdrs[0], "TxtAdrs1", "ADRESS:"},
        {&ui.TxtAdrs[1], "TxtAdrs2", "ADRESS:"},    {&ui.TxtAdrs[2], "TxtAdrs3", "ADRESS:"},
        {&ui.TxtSoap[0], "TxtSoap1", "SOAPBOX:"},   {&ui.TxtSoap[1], "TxtSoap2", "SOAPBOX:"}};
    int row = 0;
    for (const auto& b : boxes) {
        *b.box = lineEdit(ui.FraLogCbr, b.name);
        upperCaseTyping(*b.box);
        ui.cabrilloBoxes << *b.box;
        g->addWidget(label(ui.FraLogCbr, (QByteArray("Lbl") + (b.name + 3)).constData(),
                           QLatin1String(b.label)),
                     row, 0);
        g->addWidget(*b.box, row++, 1);
    }
    connectCabrilloBoxes();
    return ui.FraLogCbr;
}

QWidget* LogViewWindow::buildArchiveFrame(QWidget* parent) {
    ui.FraArh = frame(parent, "FraArh", QStringLiteral("Arhivare LOG"));
    auto* g = new QGridLayout(ui.FraArh);
    ui.DrvList = new QComboBox(ui.FraArh);
    ui.DrvList->setObjectName(QStringLiteral("DrvList"));
    m_dirModel = new QFileSystemModel(this);
    m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    ui.DirList = new QTreeView(ui.FraArh);
    ui.DirList->setObjectName(QStringLiteral("DirList"));
    ui.DirList->setModel(m_dirModel);
    for (int c = 1; c < m_dirModel->columnCount(); ++c)
        ui.DirList->hideColumn(c);
    ui.DirList->setHeaderHidden(true);
    m_fileModel = new QFileSystemModel(this);
    m_fileModel->setFilter(QDir::Files);
    ui.FilList = new QListView(ui.FraArh);
    ui.FilList->setObjectName(QStringLiteral("FilList"));
    ui.FilList->setModel(m_fileModel);
    ui.LblNumeFis = label(ui.FraArh, "LblNumeFis", QStringLiteral("Nume fisier"));
    ui.TxtNameDat = lineEdit(ui.FraArh, "TxtNameDat");
    upperCaseTyping(ui.TxtNameDat);
    ui.CmdMemTxt = button(ui.FraArh, "CmdMemTxt", QStringLiteral("Save &TEXT file"));
    ui.CmdArhivADI = button(ui.FraArh, "CmdArhivADI", QStringLiteral("  Save ADI&F file"));
    ui.CmdSterg = button(ui.FraArh, "CmdSterg", QStringLiteral("&Sterge file"));
    g->addWidget(ui.DrvList, 0, 0);
    g->addWidget(ui.DirList, 1, 0, 5, 1);
    g->addWidget(ui.FilList, 0, 1, 6, 1);
    g->addWidget(ui.LblNumeFis, 0, 2);
    g->addWidget(ui.TxtNameDat, 1, 2);
    g->addWidget(ui.CmdMemTxt, 2, 2);
    g->addWidget(ui.CmdArhivADI, 3, 2);
    g->addWidget(ui.CmdSterg, 4, 2);
    connect(ui.DrvList, &QComboBox::currentIndexChanged, this, &LogViewWindow::driveChanged);
    connect(ui.DirList, &QTreeView::clicked, this, &LogViewWindow::folderChanged);
    connect(ui.FilList, &QListView::doubleClicked, this, &LogViewWindow::takeArchivedFileName);
    connect(ui.TxtNameDat, &QLineEdit::textChanged, this, &LogViewWindow::archiveNameTyped);
    connect(ui.TxtNameDat, &QLineEdit::returnPressed, this, &LogViewWindow::archiveNameEntered);
    connect(ui.CmdSterg, &QPushButton::clicked, this, &LogViewWindow::deleteArchivedFile);
    connect(ui.CmdMemTxt, &QPushButton::clicked, this, &LogViewWindow::saveTextArchive);
    connect(ui.CmdArhivADI, &QPushButton::clicked, this, &LogViewWindow::saveAdifArchive);
    return ui.FraArh;
}

void LogViewWindow::buildMenus() {
    const auto add = [this](QWidget* menu, const char* name, const QString& caption) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromUtf8(name));
        menu->addAction(a);
        return a;
    };
    QMenuBar* bar = menuBar();
    ui.mnuAnfang = add(bar, "mnuAnfang", QStringLiteral("1_ST_P&AGE"));
    ui.mnuBeenden = add(bar, "mnuBeenden", QStringLiteral("E&XIT"));
    ui.mnuLogAnzeigen = add(bar, "mnuLogAnzeigen", QStringLiteral("VIEW_LO&G "));
    ui.mnuLOGDrucken = add(bar, "mnuLOGDrucken", QStringLiteral("P&RINT_LOG"));
    ui.mnuASCIIDatei = bar->addMenu(QStringLiteral("&MEMORARE_LOG"));
    ui.mnuASCIIDatei->setObjectName(QStringLiteral("mnuASCIIDatei"));
    ui.mnuLog = ui.mnuASCIIDatei->addMenu(QStringLiteral("Memorare pe &HDD in folderul \"LOG\""));
    ui.mnuLog->setObjectName(QStringLiteral("mnuLog"));
    ui.mnuTXT = add(ui.mnuLog, "mnuTXT", QStringLiteral("FORMAT &TXT"));
    ui.mnuCabrillo = add(ui.mnuLog, "mnuCabrillo", QStringLiteral("FORMAT &CABRILLO"));
    ui.mnuCabrillo->setEnabled(m_state.contest().cabrillo);
    ui.mnuArh = add(ui.mnuASCIIDatei, "mnuArh",
                    QStringLiteral("Arhi&vare log pe HDD in folderul \"ARHIVA\""));
    ui.mnuLOGLoeschen = add(bar, "mnuLOGLöschen", QStringLiteral("&DELETE_LOG "));
    ui.mnuHelp3 = addHelpMenu(bar, "mnuHelp3", QStringLiteral("&HELP"),
                              {{"mnuVizLog", "&Vizualizare log", 900},
                               {"mnuTipLog", "&Tiparire log", 1000},
                               {"mnuMemLog", "&Memorare log", 1100},
                               {"mnuDelLog", "&Stergere log", 1200},
                               {"mnuOutPag", "&Iesire din pagina", 1300}},
                              m_services.help);
    connect(ui.mnuAnfang, &QAction::triggered, this, [this] {
        m_state.returnToSetup = true;
        close();
        emit setupRequested();
    });
    connect(ui.mnuBeenden, &QAction::triggered, this, [this] {
        if (exitConfirmed(m_services.dialogs))
            emit exitRequested();
    });
    connect(ui.mnuLogAnzeigen, &QAction::triggered, this, &LogViewWindow::showViewChoices);
    connect(ui.mnuLOGDrucken, &QAction::triggered, this, &LogViewWindow::showPrintChoices);
    connect(ui.mnuTXT, &QAction::triggered, this, &LogViewWindow::startTextLog);
    connect(ui.mnuCabrillo, &QAction::triggered, this, &LogViewWindow::startCabrillo);
    connect(ui.mnuArh, &QAction::triggered, this, &LogViewWindow::showArchiveFrame);
    connect(ui.mnuLOGLoeschen, &QAction::triggered, this, &LogViewWindow::showDeleteLogChoice);
}

bool LogViewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.OpBCallJud && event->type() == QEvent::MouseButtonDblClick) {
        showAddCallsignChoice();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- load, reset and the menus ----

void LogViewWindow::reset() {
    const QDate today = m_services.clock.now().date();
    if (today.isValid())
        m_date = today.toString(QStringLiteral("dd.MM.yyyy"));
    clearStage();
    clearChoices();
    m_pending = PendingNone;
    m_viewStage = -1;
    ui.TxtCountry->clear();
    ui.TxtCont->clear();
    // The contest without multipliers shows no multiplier total.
    ui.TxtMlt->setVisible(m_state.contest().report.hasMultipliers());
    ui.LblMlt->setVisible(m_state.contest().report.hasMultipliers());
    fillStationBoxes();
}

void LogViewWindow::clearStage() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui.Frame1, ui.Frame2, ui.Frame3, ui.Frame4, ui.Frame5, ui.Frame6, ui.Frame7, ui.Frame8,
             ui.FraLogCbr, ui.FraArh, ui.CmdGata, ui.DBGrid5})
        w->hide();
    ui.ListCbr->clear();
    ui.ListCbr->hide();
}

void LogViewWindow::clearChoices() {
    for (QRadioButton* b :
         {ui.OpB1A, ui.OpB1B, ui.OpB2A, ui.OpB2B, ui.OpBD1A, ui.OpBD1B, ui.OpBD2A, ui.OpBD2B,
          ui.OpbL1A, ui.OpBAnfuegen, ui.OpBDelete, ui.OpBDSumm, ui.OpBCallJud, ui.OpBLG})
        uncheck(b);
    for (QWidget* w : std::initializer_list<QWidget*>{ui.OpBLG, ui.DBGrid1, ui.Frame3, ui.Frame4,
                                                      ui.Frame5, ui.FraArh})
        w->hide();
}

void LogViewWindow::showViewChoices() {
    clearStage();
    clearChoices();
    ui.Frame1->show();
    ui.Frame4->show();
    for (QRadioButton* b : {ui.OpB1A, ui.OpB1B, ui.OpB2A, ui.OpB2B})
        b->show();
    const ContestDef& def = m_state.contest();
    if (def.stageCount < 4)
        hideSecondStageViews();
    if (def.stageCount == 1)
        ui.OpB1B->hide();
    ui.OpBLG->show();
    m_pending = PendingDelete;
}

void LogViewWindow::showPrintChoices() {
    clearStage();
    clearChoices();
    m_outputPass = 100;
    ui.Frame3->show();
    for (QRadioButton* b : {ui.OpBD1A, ui.OpBD1B, ui.OpBD2A, ui.OpBD2B})
        b->show();
    m_pending = PendingPrint;
    const ContestDef& def = m_state.contest();
    if (def.stageCount < 4)
        hideSecondStagePrints();
    if (def.stageCount == 1)
        ui.OpBD1B->hide();
}

void LogViewWindow::showDeleteLogChoice() {
    clearStage();
    clearChoices();
    ui.Frame2->show();
    if (m_state.contest().stageCount < 4)
        showDeleteLogButton();
}

void LogViewWindow::showArchiveFrame() {
    clearStage();
    clearChoices();
    makeArchiveFolder();
    resetFileLists();
    ui.FraArh->show();
    m_outputPass = 20;
    m_summaryOnly = 10;
    ui.TxtNameDat->setFocus(Qt::OtherFocusReason);
}

// The stage shapes: the frames offer only the stages the contest has.
void LogViewWindow::hideSecondStageViews() {
    ui.OpB2A->hide();
    ui.OpB2B->hide();
}

void LogViewWindow::hideSecondStagePrints() {
    ui.OpBD2A->hide();
    ui.OpBD2B->hide();
    ui.OpBDSumm->show();
}

void LogViewWindow::showDeleteLogButton() {
    ui.OpbL1A->show();
}

// ---- output folders ----

bool LogViewWindow::makeLogFolder() {
    return createFolder(ReportFiles::logFolder(m_state.appPath));
}

bool LogViewWindow::makeArchiveFolder() {
    return createFolder(ReportFiles::archiveFolder(m_state.appPath));
}

bool LogViewWindow::createFolder(const QString& folder) {
    if (QDir(folder).exists())
        return true;
    const QString shown = QDir::toNativeSeparators(folder);
    if (!QDir().mkpath(folder)) {
        tell(QStringLiteral("Folderul ") + shown + QStringLiteral(" nu a putut fi creiat !"));
        return false;
    }
    tell(QStringLiteral("Folderul ") + shown +
         QStringLiteral(" a fost creiat. Datele se inscriu in folderul nou creiat"));
    return true;
}

// ---- message boxes ----

bool LogViewWindow::ask(const QString& text, const QString& title) {
    return m_services.dialogs.message(text, title, Dialogs::Buttons::YesNo,
                                      Dialogs::Icon::Question) == Dialogs::AnswerYes;
}

void LogViewWindow::tell(const QString& text, const QString& title) {
    m_services.dialogs.message(text, title, Dialogs::Buttons::Ok, Dialogs::Icon::None);
}

QString LogViewWindow::twoDigitYear() const {
    return ReportFiles::twoDigitYear(m_date);
}
