#include "screens/reports/LogViewWindow.h"

#include "base/seams/Clock.h"
#include "base/seams/Dialogs.h"
#include "base/seams/Help.h"
#include "base/seams/ScreenMetrics.h"
#include "rules/ContestRun.h"
#include "rules/LayoutFactors.h"
#include "screens/ExitConfirmation.h"
#include "screens/HelpMenu.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/reports/LearnFromLogsButton.h"
#include "screens/reports/LogByDateModel.h"
#include "services/reports/ReportFiles.h"

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
    : QMainWindow(parent), m_services(services), m_run(services.run), m_model(m_run.contest()) {
    setObjectName(QStringLiteral("FrmAnzeigen"));
    setWindowTitle(QStringLiteral("Prelucrare LOG"));
    buildUi();
    buildMenus();
    // Another display than the four keeps the design layout here, without a message.
    const QSize display = m_services.metrics.displaySize();
    const LayoutFactors f = LayoutFactors::forDisplay(display);
    m_layout = f;
    ScreenLayout::apply(this, display, f);
    reset();
    openStageLog();
}

QRadioButton* LogViewWindow::viewButton(int stage) const {
    QRadioButton* const views[] = {ui.viewGeneralLogOption, ui.viewStage1AOption,
                                   ui.viewStage1BOption, ui.viewStage2AOption,
                                   ui.viewStage2BOption};
    return views[stage];
}

QRadioButton* LogViewWindow::printButton(int stage) const {
    QRadioButton* const prints[] = {ui.printStage1AOption, ui.printStage1BOption,
                                    ui.printStage2AOption, ui.printStage2BOption};
    return prints[stage - 1];
}

// The screen opens on the log of the stage being worked, or the whole log before one is chosen.
void LogViewWindow::openStageLog() {
    showViewChoices();
    viewChoice(stageNumber(m_run.stage()));
}

void LogViewWindow::buildUi() {
    auto* central = new QWidget(this);
    auto* h = new QHBoxLayout(central);
    h->setContentsMargins(6, 4, 6, 4);
    h->addWidget(buildChoiceFrames(central));

    auto* right = new QVBoxLayout;
    ui.logGrid = grid(central, "DBGrid1");
    m_logModel = new LogByDateModel(m_services.logDb, this);
    ui.logGrid->setModel(m_logModel);
    connect(ui.logGrid, &QTableView::clicked, this, &LogViewWindow::contactSelected);
    ui.callsignGrid = grid(central, "DBGrid5");
    m_callModel = new QSqlQueryModel(this);
    ui.callsignGrid->setModel(m_callModel);
    ui.cabrilloPreview = new QListWidget(central);
    ui.cabrilloPreview->setObjectName(QStringLiteral("ListCbr"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    ui.cabrilloPreview->setFont(fixed);
    right->addWidget(ui.logGrid, 1);
    right->addWidget(ui.callsignGrid, 1);
    right->addWidget(ui.cabrilloPreview, 1);
    right->addWidget(buildStationForm(central));
    right->addWidget(buildCabrilloForm(central));
    right->addWidget(buildArchiveFrame(central), 1);
    ui.formDoneButton =
        button(central, "CmdGata", QStringLiteral("INTRODUCERE DE DATE &TERMINATA"));
    connect(ui.formDoneButton, &QPushButton::clicked, this, &LogViewWindow::finishForm);
    right->addWidget(ui.formDoneButton, 0, Qt::AlignLeft);
    right->addStretch(0);
    h->addLayout(right, 1);
    setCentralWidget(central);
}

QWidget* LogViewWindow::buildChoiceFrames(QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    const auto choices = [](QGroupBox* f, const QList<QRadioButton*>& buttons) {
        auto* fv = new QVBoxLayout(f);
        fv->setSpacing(2);
        for (QRadioButton* b : buttons)
            fv->addWidget(b, 0, Qt::AlignLeft);
    };

    ui.viewFrame = frame(w, "Frame1", QStringLiteral("VIEW"));
    ui.viewGeneralLogOption = radio(ui.viewFrame, "OpBLG", QStringLiteral(" L&og Gen"));
    ui.viewStage1AOption = radio(ui.viewFrame, "OpB1A", QStringLiteral(" Etapa &1A"));
    ui.viewStage1BOption = radio(ui.viewFrame, "OpB1B", QStringLiteral(" Etapa 1&B"));
    ui.viewStage2AOption = radio(ui.viewFrame, "OpB2A", QStringLiteral(" Etapa 2&A"));
    ui.viewStage2BOption = radio(ui.viewFrame, "OpB2B", QStringLiteral(" Etapa 2&B"));
    ui.viewCallsignTableOption = radio(ui.viewFrame, "OpBCallJud", QStringLiteral(" &Call Jud"));
    ui.viewCallsignTableOption->installEventFilter(this);
    choices(ui.viewFrame, {ui.viewGeneralLogOption, ui.viewStage1AOption, ui.viewStage1BOption,
                           ui.viewStage2AOption, ui.viewStage2BOption, ui.viewCallsignTableOption});
    for (int stage = 0; stage <= 4; ++stage)
        connect(viewButton(stage), &QRadioButton::clicked, this,
                [this, stage] { viewChoice(stage); });
    connect(ui.viewCallsignTableOption, &QRadioButton::clicked, this,
            &LogViewWindow::showCallsignTable);

    ui.deleteLogFrame = frame(w, "Frame2", QStringLiteral("DELETE LOG"));
    ui.deleteGeneralLogOption = radio(ui.deleteLogFrame, "OpbL1A", QStringLiteral("&LogGen"));
    choices(ui.deleteLogFrame, {ui.deleteGeneralLogOption});
    connect(ui.deleteGeneralLogOption, &QRadioButton::clicked, this,
            &LogViewWindow::askToDeleteLog);

    ui.printFrame = frame(w, "Frame3", QStringLiteral("PRINT"));
    ui.printStage1AOption = radio(ui.printFrame, "OpBD1A", QStringLiteral("&Etapa 1A"));
    ui.printStage1BOption = radio(ui.printFrame, "OpBD1B", QStringLiteral("E&tapa 1B"));
    ui.printStage2AOption = radio(ui.printFrame, "OpBD2A", QStringLiteral("Eta&pa 2A"));
    ui.printStage2BOption = radio(ui.printFrame, "OpBD2B", QStringLiteral("Etapa &2B"));
    ui.printSummaryOption = radio(ui.printFrame, "OpBDSumm", QStringLiteral("&Summary"));
    choices(ui.printFrame, {ui.printStage1AOption, ui.printStage1BOption, ui.printStage2AOption,
                            ui.printStage2BOption, ui.printSummaryOption});
    for (int stage = 1; stage <= 4; ++stage)
        connect(printButton(stage), &QRadioButton::clicked, this,
                [this, stage] { printChoice(stage); });
    connect(ui.printSummaryOption, &QRadioButton::clicked, this,
            &LogViewWindow::startPrintedSummary);

    ui.stageTotalsFrame = frame(w, "Frame4", QStringLiteral("Summe/Etap"));
    auto* g = new QGridLayout(ui.stageTotalsFrame);
    const auto total = [&](const char* labelName, const char* caption, const char* boxName,
                           int column, QLabel*& l, QLineEdit*& box) {
        l = label(ui.stageTotalsFrame, labelName, QLatin1String(caption));
        box = lineEdit(ui.stageTotalsFrame, boxName);
        box->setReadOnly(true);
        ScreenLayout::setDesignWidth(box, 700);
        g->addWidget(l, 0, column);
        g->addWidget(box, 1, column);
    };
    total("LblQSO", "QSO", "TxtQSO", 0, ui.contactsCaption, ui.contactsBox);
    total("LblMlt", "Mlt", "TxtMlt", 1, ui.multipliersCaption, ui.multipliersBox);
    total("LblPkt", "Pkt", "TxtPkt", 2, ui.pointsCaption, ui.pointsBox);

    ui.deleteContactFrame = frame(w, "Frame5", QStringLiteral("&DELETE"));
    ui.deleteContactOption =
        radio(ui.deleteContactFrame, "OpBDelete", QStringLiteral("Delete &QSO"));
    choices(ui.deleteContactFrame, {ui.deleteContactOption});
    connect(ui.deleteContactOption, &QRadioButton::clicked, this,
            &LogViewWindow::deleteSelectedContact);

    for (QGroupBox* f : {ui.viewFrame, ui.deleteLogFrame, ui.printFrame, ui.stageTotalsFrame,
                         ui.deleteContactFrame})
        v->addWidget(f);
    v->addWidget(buildCallsignFrames(w));
    v->addStretch(1);
    return w;
}

QWidget* LogViewWindow::buildCallsignFrames(QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    ui.callsignTableFrame = frame(w, "Frame7", QStringLiteral("TAB. JUD"));
    auto* f7 = new QHBoxLayout(ui.callsignTableFrame);
    f7->addWidget(label(ui.callsignTableFrame, "LblInsert", QStringLiteral("Insert")));
    ui.addCallsignOption = radio(ui.callsignTableFrame, "", QStringLiteral("&Anfügen"));
    ui.addCallsignOption->setObjectName(QStringLiteral("OpBAnfügen"));
    f7->addWidget(ui.addCallsignOption);
    connect(ui.addCallsignOption, &QRadioButton::clicked, this,
            &LogViewWindow::startAddingCallsign);
    auto* learn =
        new LearnFromLogsButton(m_services.dialogs, m_services.callDb, ui.callsignTableFrame);
    connect(learn, &LearnFromLogsButton::learnt, this, &LogViewWindow::loadCallsignTable);
    f7->addWidget(learn);

    ui.callsignForm = frame(w, "Frame8", QStringLiteral("ENTER DATA"));
    auto* f8 = new QGridLayout(ui.callsignForm);
    ui.newCallsignBox = lineEdit(ui.callsignForm, "TxtCountry");
    ui.newCallsignCountyBox = lineEdit(ui.callsignForm, "TxtCont");
    f8->addWidget(label(ui.callsignForm, "LblCountry", QStringLiteral("Call")), 0, 0);
    f8->addWidget(ui.newCallsignBox, 0, 1);
    f8->addWidget(label(ui.callsignForm, "LblCont", QStringLiteral("Jud")), 1, 0);
    f8->addWidget(ui.newCallsignCountyBox, 1, 1);
    for (QLineEdit* e : {ui.newCallsignBox, ui.newCallsignCountyBox}) {
        ScreenLayout::setDesignWidth(e, 1200);
        upperCaseTyping(e);
    }
    connect(ui.newCallsignBox, &QLineEdit::returnPressed, this,
            [this] { ui.newCallsignCountyBox->setFocus(Qt::OtherFocusReason); });
    connect(ui.newCallsignCountyBox, &QLineEdit::returnPressed, this,
            &LogViewWindow::confirmAddCallsign);
    v->addWidget(ui.callsignTableFrame);
    v->addWidget(ui.callsignForm);
    return w;
}

QWidget* LogViewWindow::buildStationForm(QWidget* parent) {
    ui.stationForm = frame(parent, "Frame6", QStringLiteral("ENTER DATA"));
    auto* g = new QGridLayout(ui.stationForm);
    g->setVerticalSpacing(2);
    const struct {
        QLineEdit** box;
        const char* name;
        const char* label;
        const char* tip;
    } boxes[] = {
        {&ui.sectionBox, "TxtSection", "Section", "Introdu Categoria de participare ; ESCAPE"},
        {&ui.operatorNameBox, "TxtOp", "Op.Name", "Introdu Numele operatorului ; ESCAPE"},
        {&ui.operatorCountBox, "TxtNo", "No.Operat", "Introdu Nr. Operatori ; ESCAPE"},
        {&ui.qthBox, "TxtQTH", "QTH", "Introdu QTH-ul ; ESCAPE"},
        {&ui.addressBox, "TxtAds", "Adress", "Introdu adresa ; ESCAPE"},
        {&ui.transmitterBox, "TxtTx", "Tx", "Introdu emitatorul ; ESCAPE"},
        {&ui.receiverBox, "TxtRx", "Rx", "Introdu receptorul ; ESCAPE"},
        {&ui.antennaBoxes[0], "TxtAnt", "Ant1", "Introdu Antena1 ; ESCAPE"},
        {&ui.antennaBoxes[1], "TxtAnt2", "Ant2", "Introdu Antena2 ; ESCAPE"},
        {&ui.antennaBoxes[2], "TxtAnt3", "Ant3", "Introdu Antena3 ; ESCAPE"},
        {&ui.antennaBoxes[3], "TxtAnt4", "Ant4", "Introdu antena 4 ; ESCAPE"},
        {&ui.clubBox, "TxtClub", "Club:", "Introdu Clubul in care esti membru  ; ESCAPE"},
    };
    int i = 0;
    for (const auto& b : boxes) {
        *b.box = lineEdit(ui.stationForm, b.name, QString::fromLatin1(b.tip));
        upperCaseTyping(*b.box);
        const int row = i % 6;
        const int column = i / 6 * 2;
        g->addWidget(label(ui.stationForm, (QByteArray("Lbl") + (b.name + 3)).constData(),
                           QLatin1String(b.label)),
                     row, column);
        g->addWidget(*b.box, row, column + 1);
        ++i;
    }
    connectStationBoxes();
    return ui.stationForm;
}

QWidget* LogViewWindow::buildCabrilloForm(QWidget* parent) {
    ui.cabrilloForm =
        frame(parent, "FraLogCbr", QStringLiteral("ENTER DATA CABRILLO (ARRL FORMAT)"));
    auto* g = new QGridLayout(ui.cabrilloForm);
    g->setVerticalSpacing(2);
    const struct {
        QLineEdit** box;
        const char* name;
        const char* label;
    } boxes[] = {{&ui.cabrilloContestBox, "TxtContest", "CONTEST:"},
                 {&ui.cabrilloCallsignBox, "TxtCall", "CALLSIGN:"},
                 {&ui.cabrilloCategoryBox, "TxtCateg", "CATEGORY:"},
                 {&ui.cabrilloScoreBox, "TxtScore", "CLAIMED-SCORE:"},
                 {&ui.cabrilloOperatorsBox, "TxtOperat", "OPERATORS:"},
                 {&ui.cabrilloClubBox, "TxtClub1", "CLUB:"},
                 {&ui.cabrilloNameBox, "TxtName", "NAME:"},
                 {&ui.cabrilloAddressBoxes[0], "TxtAdrs1", "ADRESS:"},
                 {&ui.cabrilloAddressBoxes[1], "TxtAdrs2", "ADRESS:"},
                 {&ui.cabrilloAddressBoxes[2], "TxtAdrs3", "ADRESS:"},
                 {&ui.cabrilloSoapboxBoxes[0], "TxtSoap1", "SOAPBOX:"},
                 {&ui.cabrilloSoapboxBoxes[1], "TxtSoap2", "SOAPBOX:"}};
    int row = 0;
    for (const auto& b : boxes) {
        *b.box = lineEdit(ui.cabrilloForm, b.name);
        upperCaseTyping(*b.box);
        ui.cabrilloBoxes << *b.box;
        g->addWidget(label(ui.cabrilloForm, (QByteArray("Lbl") + (b.name + 3)).constData(),
                           QLatin1String(b.label)),
                     row, 0);
        g->addWidget(*b.box, row++, 1);
    }
    ui.cabrillo3Check =
        check(ui.cabrilloForm, "ChkCabrillo3",
              QStringLiteral("Cabrillo &3.0 (CATEGORY-...: cuvintele din CATEGORY)"));
    g->addWidget(ui.cabrillo3Check, row, 1);
    connectCabrilloBoxes();
    return ui.cabrilloForm;
}

QWidget* LogViewWindow::buildArchiveFrame(QWidget* parent) {
    ui.archivePanel = frame(parent, "FraArh", QStringLiteral("Arhivare LOG"));
    auto* g = new QGridLayout(ui.archivePanel);
    ui.archiveDrives = new QComboBox(ui.archivePanel);
    ui.archiveDrives->setObjectName(QStringLiteral("DrvList"));
    m_dirModel = new QFileSystemModel(this);
    m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    ui.archiveFolders = new QTreeView(ui.archivePanel);
    ui.archiveFolders->setObjectName(QStringLiteral("DirList"));
    ui.archiveFolders->setModel(m_dirModel);
    for (int c = 1; c < m_dirModel->columnCount(); ++c)
        ui.archiveFolders->hideColumn(c);
    ui.archiveFolders->setHeaderHidden(true);
    m_fileModel = new QFileSystemModel(this);
    m_fileModel->setFilter(QDir::Files);
    ui.archiveFiles = new QListView(ui.archivePanel);
    ui.archiveFiles->setObjectName(QStringLiteral("FilList"));
    ui.archiveFiles->setModel(m_fileModel);
    ui.fileNameCaption = label(ui.archivePanel, "LblNumeFis", QStringLiteral("Nume fisier"));
    ui.fileNameBox = lineEdit(ui.archivePanel, "TxtNameDat");
    upperCaseTyping(ui.fileNameBox);
    ui.saveTextButton = button(ui.archivePanel, "CmdMemTxt", QStringLiteral("Save &TEXT file"));
    ui.saveAdifButton = button(ui.archivePanel, "CmdArhivADI", QStringLiteral("  Save ADI&F file"));
    ui.deleteFileButton = button(ui.archivePanel, "CmdSterg", QStringLiteral("&Sterge file"));
    g->addWidget(ui.archiveDrives, 0, 0);
    g->addWidget(ui.archiveFolders, 1, 0, 5, 1);
    g->addWidget(ui.archiveFiles, 0, 1, 6, 1);
    g->addWidget(ui.fileNameCaption, 0, 2);
    g->addWidget(ui.fileNameBox, 1, 2);
    g->addWidget(ui.saveTextButton, 2, 2);
    g->addWidget(ui.saveAdifButton, 3, 2);
    g->addWidget(ui.deleteFileButton, 4, 2);
    connect(ui.archiveDrives, &QComboBox::currentIndexChanged, this, &LogViewWindow::driveChanged);
    connect(ui.archiveFolders, &QTreeView::clicked, this, &LogViewWindow::folderChanged);
    connect(ui.archiveFiles, &QListView::doubleClicked, this, &LogViewWindow::takeArchivedFileName);
    connect(ui.fileNameBox, &QLineEdit::textChanged, this, &LogViewWindow::archiveNameTyped);
    connect(ui.fileNameBox, &QLineEdit::returnPressed, this, &LogViewWindow::archiveNameEntered);
    connect(ui.deleteFileButton, &QPushButton::clicked, this, &LogViewWindow::deleteArchivedFile);
    connect(ui.saveTextButton, &QPushButton::clicked, this, &LogViewWindow::saveTextArchive);
    connect(ui.saveAdifButton, &QPushButton::clicked, this, &LogViewWindow::saveAdifArchive);
    return ui.archivePanel;
}

void LogViewWindow::buildMenus() {
    const auto add = [this](QWidget* menu, const char* name, const QString& caption) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromUtf8(name));
        menu->addAction(a);
        return a;
    };
    QMenuBar* bar = menuBar();
    ui.firstPageAction = add(bar, "mnuAnfang", QStringLiteral("1_ST_P&AGE"));
    ui.quitAction = add(bar, "mnuBeenden", QStringLiteral("E&XIT"));
    ui.viewLogAction = add(bar, "mnuLogAnzeigen", QStringLiteral("VIEW_LO&G "));
    ui.printLogAction = add(bar, "mnuLOGDrucken", QStringLiteral("P&RINT_LOG"));
    ui.saveLogMenu = bar->addMenu(QStringLiteral("&MEMORARE_LOG"));
    ui.saveLogMenu->setObjectName(QStringLiteral("mnuASCIIDatei"));
    ui.saveToDiskMenu =
        ui.saveLogMenu->addMenu(QStringLiteral("Memorare pe &HDD in folderul \"LOG\""));
    ui.saveToDiskMenu->setObjectName(QStringLiteral("mnuLog"));
    ui.saveTextAction = add(ui.saveToDiskMenu, "mnuTXT", QStringLiteral("FORMAT &TXT"));
    ui.saveCabrilloAction =
        add(ui.saveToDiskMenu, "mnuCabrillo", QStringLiteral("FORMAT &CABRILLO"));
    ui.archiveAction = add(ui.saveLogMenu, "mnuArh",
                           QStringLiteral("Arhi&vare log pe HDD in folderul \"ARHIVA\""));
    ui.deleteLogAction = add(bar, "mnuLOGLöschen", QStringLiteral("&DELETE_LOG "));
    ui.chartAction = add(bar, "mnuGrafic", QStringLiteral("GRAF&IC"));
    ui.helpMenu = addHelpMenu(bar, "mnuHelp3", QStringLiteral("&HELP"),
                              {{"mnuVizLog", "&Vizualizare log", 900},
                               {"mnuTipLog", "&Tiparire log", 1000},
                               {"mnuMemLog", "&Memorare log", 1100},
                               {"mnuDelLog", "&Stergere log", 1200},
                               {"mnuOutPag", "&Iesire din pagina", 1300}},
                              m_services.help);
    connect(ui.firstPageAction, &QAction::triggered, this, [this] {
        close();
        emit setupRequested();
    });
    connect(ui.quitAction, &QAction::triggered, this, [this] {
        if (exitConfirmed(m_services.dialogs))
            emit exitRequested();
    });
    connect(ui.viewLogAction, &QAction::triggered, this, &LogViewWindow::showViewChoices);
    connect(ui.printLogAction, &QAction::triggered, this, &LogViewWindow::showPrintChoices);
    connect(ui.saveTextAction, &QAction::triggered, this, &LogViewWindow::startTextLog);
    connect(ui.saveCabrilloAction, &QAction::triggered, this, &LogViewWindow::startCabrillo);
    connect(ui.archiveAction, &QAction::triggered, this, &LogViewWindow::showArchiveFrame);
    connect(ui.deleteLogAction, &QAction::triggered, this, &LogViewWindow::showDeleteLogChoice);
    connect(ui.chartAction, &QAction::triggered, this, &LogViewWindow::showChart);
}

bool LogViewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.viewCallsignTableOption && event->type() == QEvent::MouseButtonDblClick) {
        showAddCallsignChoice();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- load, reset and the menus ----

void LogViewWindow::reset() {
    m_model.reset(m_services.clock.now().date());
    ui.newCallsignBox->clear();
    ui.newCallsignCountyBox->clear();
    fillStationBoxes();
    render();
}

// The one place that shows and hides: what the model says for its mode and the contest.
void LogViewWindow::render() {
    const LogViewShown s = m_model.shown();
    const std::pair<QWidget*, bool> widgets[] = {
        {ui.viewFrame, s.viewFrame},
        {ui.viewGeneralLogOption, s.viewFrame},
        {ui.deleteLogFrame, s.deleteLogFrame},
        {ui.printFrame, s.printFrame},
        {ui.stageTotalsFrame, s.totalsFrame},
        {ui.multipliersCaption, s.multipliers},
        {ui.multipliersBox, s.multipliers},
        {ui.deleteContactFrame, s.deleteContactFrame},
        {ui.stationForm, s.stationForm},
        {ui.cabrilloForm, s.cabrilloForm},
        {ui.formDoneButton, s.formDoneButton},
        {ui.callsignTableFrame, s.callsignTableFrame},
        {ui.callsignForm, s.callsignForm},
        {ui.archivePanel, s.archivePanel},
        {ui.logGrid, s.logGrid},
        {ui.callsignGrid, s.callsignGrid},
        {ui.cabrilloPreview, s.fileListing},
    };
    for (const auto& [widget, visible] : widgets)
        widget->setVisible(visible);
    if (!s.fileListing)
        ui.cabrilloPreview->clear();
    for (int stage = 1; stage <= 4; ++stage) {
        viewButton(stage)->setVisible(s.stages[static_cast<size_t>(stage - 1)]);
        printButton(stage)->setVisible(s.stages[static_cast<size_t>(stage - 1)]);
    }
    ui.saveCabrilloAction->setEnabled(s.cabrilloMenu);

    const auto check = [](QRadioButton* b, bool checked) {
        if (checked)
            b->setChecked(true);
        else
            uncheck(b);
    };
    for (int stage = 0; stage <= 4; ++stage)
        check(viewButton(stage), s.viewChecked == stage);
    for (int stage = 1; stage <= 4; ++stage)
        check(printButton(stage), s.printChecked == stage);
    check(ui.viewCallsignTableOption, s.callsignTableChecked);
    check(ui.printSummaryOption, s.summaryChecked);
    check(ui.addCallsignOption, s.addCallsignChecked);
    uncheck(ui.deleteGeneralLogOption);
    uncheck(ui.deleteContactOption);
}

void LogViewWindow::showViewChoices() {
    m_model.viewMenu();
    render();
}

void LogViewWindow::showPrintChoices() {
    m_model.printMenu();
    render();
}

void LogViewWindow::showDeleteLogChoice() {
    m_model.deleteLogMenu();
    render();
}

void LogViewWindow::showArchiveFrame() {
    m_model.archiveMenu();
    makeArchiveFolder();
    resetFileLists();
    render();
    ui.fileNameBox->setFocus(Qt::OtherFocusReason);
}

// ---- output folders ----

bool LogViewWindow::makeLogFolder() {
    return createFolder(ReportFiles::logFolder(m_run.dataFolder()));
}

bool LogViewWindow::makeArchiveFolder() {
    return createFolder(ReportFiles::archiveFolder(m_run.dataFolder()));
}

bool LogViewWindow::createFolder(const QString& folder) {
    if (QDir(folder).exists())
        return true;
    const QString shown = QDir::toNativeSeparators(folder);
    if (!QDir().mkpath(folder)) {
        m_services.dialogs.tell(
            {QStringLiteral("Folderul ") + shown + QStringLiteral(" nu a putut fi creiat !"),
             Dialogs::Icon::None,
             {}});
        return false;
    }
    m_services.dialogs.tell(
        {QStringLiteral("Folderul ") + shown +
             QStringLiteral(" a fost creiat. Datele se inscriu in folderul nou creiat"),
         Dialogs::Icon::None,
         {}});
    return true;
}
