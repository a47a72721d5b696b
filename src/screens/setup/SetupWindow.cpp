#include "screens/setup/SetupWindow.h"

#include "screens/setup/RadioSettingsDialog.h"

#include "base/Cp1250.h"
#include "base/LeadingNumber.h"
#include "base/SettingsFiles.h"
#include "base/SystemOffset.h"
#include "base/seams/Clock.h"
#include "base/seams/Dialogs.h"
#include "base/seams/Help.h"
#include "base/seams/RealtimePriority.h"
#include "base/seams/ScreenMetrics.h"
#include "base/seams/VoicePlayer.h"
#include "contact/ContestLog.h"
#include "rules/ContestCatalog.h"
#include "rules/ContestRun.h"
#include "rules/LayoutFactors.h"
#include "rules/SpecialStations.h"
#include "screens/Colors.h"
#include "screens/ExitConfirmation.h"
#include "screens/HelpMenu.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/setup/JetImportOffer.h"
#include "services/jetimport/TableMap.h"
#include "store/Database.h"
#include "store/LogStore.h"
#include "store/SchemaUpgrade.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace Widgets;

namespace {
const QString kProgramTitle = QStringLiteral("VELT");

QString modeNotice() {
    return QStringLiteral("Programul permite doua moduri de operare. ") +
           QStringLiteral(
               "     -In modul CONCURS, (butonul CONCURS apasat) toate modificarile de judete "
               "sint memorate automat in baza de date.") +
           QStringLiteral(
               "                -Al doilea mod este util pentru invatarea programului sau "
               "pentru antrenament.") +
           QStringLiteral("Cind butonul TEST este apasat, operatorul poate introduce orice date "
                          "corespunzatoare judetului fara a afecta baza de date.") +
           QStringLiteral(
               "                        Aceasta inseamna ca in modul normal de lucru (CONTEST) "
               "toate datele referitoare la judet scrise in modul de lucru (TEST) vor fi "
               "ignorate.");
}

} // namespace

SetupWindow::SetupWindow(ScreenServices& services, bool autoStart, QWidget* parent)
    : QMainWindow(parent), m_services(services),
      m_model(services.run, services.logDb, services.clock), m_autoStart(autoStart) {
    setObjectName(QStringLiteral("FrmInit"));
    setWindowTitle(kProgramTitle);
    buildUi();
    buildMenus();
    installBoxKeys();
    render();
}

void SetupWindow::buildUi() {
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(6, 2, 6, 2);
    v->setSpacing(4);
    auto* title = new QHBoxLayout;
    ui.contestTitle = label(central, "LblContest");
    ui.runKind = label(central, "LblTipTest");
    QFont big = font();
    big.setPointSize(14);
    big.setBold(true);
    ui.contestTitle->setFont(big);
    ui.runKind->setFont(big);
    ui.runKind->installEventFilter(this);
    setForeColor(ui.runKind, Colors::kMagenta);
    title->addWidget(ui.contestTitle);
    title->addWidget(ui.runKind, 1);
    v->addLayout(title);

    auto* middle = new QHBoxLayout;
    ui.contestChoice = frame(central, "FrmConcurs", QStringLiteral("CONCURS :"));
    auto* grid = new QGridLayout(ui.contestChoice);
    grid->setVerticalSpacing(1);
    auto* group = new QButtonGroup(this);
    int i = 0;
    for (const ContestDef& def : ContestCatalog::all()) {
        QRadioButton* b = radio(ui.contestChoice, def.control, QString::fromLatin1(def.caption));
        b->setToolTip(QStringLiteral("Nume concurs"));
        group->addButton(b);
        ui.contestButtons << b;
        grid->addWidget(b, i % 8, i / 8);
        ++i;
        connect(b, &QRadioButton::clicked, this, [this, def] { chooseContest(def); });
    }
    middle->addWidget(ui.contestChoice);

    ui.runChoice = frame(central, "FraConcurs", QStringLiteral("ATENTIUNE"));
    auto* fv = new QVBoxLayout(ui.runChoice);
    ui.simulationButton = radio(ui.runChoice, "OpbTest", QStringLiteral("SIMULAR&E"));
    ui.contestButton = radio(ui.runChoice, "OpbConcurs", QStringLiteral("C&ONCURS"));
    ui.runNotice = label(ui.runChoice, "LblAnunt");
    ui.runNotice->setWordWrap(true);
    QFont small = font();
    small.setPointSize(8);
    ui.runNotice->setFont(small);
    auto* choice = new QHBoxLayout;
    choice->addWidget(ui.simulationButton);
    choice->addWidget(ui.contestButton);
    fv->addLayout(choice);
    fv->addWidget(ui.runNotice, 1);
    connect(ui.contestButton, &QRadioButton::clicked, this, &SetupWindow::chooseContestMode);
    connect(ui.simulationButton, &QRadioButton::clicked, this, &SetupWindow::chooseSimulation);
    middle->addWidget(ui.runChoice, 1);
    v->addLayout(middle);

    auto* lower = new QHBoxLayout;
    lower->addWidget(buildStationBoxes());
    lower->addWidget(buildKeyerOptions(), 1);
    v->addLayout(lower);
    v->addStretch(1);
    ui.realTimeWarning = label(central, "LblTimpReal");
    ui.realTimeWarning->setWordWrap(true);
    setForeColor(ui.realTimeWarning, Colors::kRed);
    v->addWidget(ui.realTimeWarning);
    ui.dataFolder = label(central, "LblDataFolder");
    // A long home folder is cut at the window's edge instead of widening the screen.
    ui.dataFolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    v->addWidget(ui.dataFolder);

    auto* footer = new QHBoxLayout;
    footer->addWidget(label(central, "LblVersion",
                            QStringLiteral("Var. A%1.%2")
                                .arg(VELT_VERSION_MAJOR)
                                .arg(VELT_VERSION_MINOR, 2, 10, QLatin1Char('0'))));
    footer->addStretch(1);
    footer->addWidget(label(central, "LblAutor", QStringLiteral("Created by Karven")));
    v->addLayout(footer);
    setCentralWidget(central);
}

QWidget* SetupWindow::buildStationBoxes() {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(2);
    ui.ownCallCaption = label(w, "LblMyCall", QStringLiteral("INDICATIV "));
    ui.ownCall = lineEdit(w, "TxtMyCall");
    ui.ownCountyCaption = label(w, "LblBezirk", QStringLiteral("JUDET PROPRIU"));
    ui.ownCounty = lineEdit(w, "TxtMyBezirkA");
    ui.errorLine = lineEdit(w, "TxtEroare");
    ui.errorLine->setReadOnly(true);
    ui.errorLine->setFocusPolicy(Qt::NoFocus);
    ui.sentCodeCaption = label(w, "LblContrInit", QStringLiteral("   SENT  COD"));
    ui.sentCode = lineEdit(w, "txtContrInit");
    ui.utcOffsetCaption = label(w, "LblTime", QStringLiteral(" (Ora YO-Ora  UTC)"));
    ui.utcOffset = lineEdit(w, "TxtTime");
    ui.startDateCaption = label(w, "LblSD", QStringLiteral("START DATA"));
    ui.startDate = lineEdit(w, "TxtSD");
    ui.startTimeCaption = label(w, "LblST", QStringLiteral("START ORA"));
    ui.startTime = lineEdit(w, "TxtST");
    ui.portCaption = label(w, "LblCP", QStringLiteral("ComPort :"));
    ui.portNumber = lineEdit(w, "TxtCP");
    ui.portDevice = label(w, "LblPortDev");
    const QList<QPair<QLabel*, QLineEdit*>> rows{
        {ui.ownCallCaption, ui.ownCall},     {ui.ownCountyCaption, ui.ownCounty},
        {ui.sentCodeCaption, ui.sentCode},   {ui.utcOffsetCaption, ui.utcOffset},
        {ui.startDateCaption, ui.startDate}, {ui.startTimeCaption, ui.startTime},
        {ui.portCaption, ui.portNumber}};
    int r = 0;
    for (const auto& [l, e] : rows) {
        ScreenLayout::setDesignWidth(e, 1800);
        g->addWidget(l, r, 0);
        g->addWidget(e, r, 1);
        if (e == ui.portNumber)
            g->addWidget(ui.portDevice, r, 2);
        ++r;
        if (e == ui.ownCounty)
            g->addWidget(ui.errorLine, r++, 0, 1, 2);
    }
    return w;
}

QWidget* SetupWindow::buildKeyerOptions() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    auto* options = new QHBoxLayout;
    ui.cwByPc = frame(w, "FramCW", QStringLiteral("CW cu PC"));
    auto* cw = new QHBoxLayout(ui.cwByPc);
    ui.cwByPcYes = radio(ui.cwByPc, "OpbCwJ", QStringLiteral("&Da"));
    ui.cwByPcNo = radio(ui.cwByPc, "OpbCwN", QStringLiteral("&Nu"));
    ui.cwRepeat = check(ui.cwByPc, "ChkCwRpt", QStringLiteral("Cw &Rpt"));
    cw->addWidget(ui.cwByPcYes);
    cw->addWidget(ui.cwByPcNo);
    cw->addWidget(ui.cwRepeat);
    ui.ssbByPc = frame(w, "FramSSB", QStringLiteral("SSB cu PC"));
    auto* ssb = new QHBoxLayout(ui.ssbByPc);
    ui.ssbByPcYes = radio(ui.ssbByPc, "OpbSSBJ", QStringLiteral("D&a"));
    ui.ssbByPcNo = radio(ui.ssbByPc, "OpbSSBN", QStringLiteral("N&u"));
    ui.ssbRepeat = check(ui.ssbByPc, "ChkSSBRpt", QStringLiteral("&SSB Rpt"));
    ssb->addWidget(ui.ssbByPcYes);
    ssb->addWidget(ui.ssbByPcNo);
    ssb->addWidget(ui.ssbRepeat);
    options->addWidget(ui.cwByPc);
    options->addWidget(ui.ssbByPc);
    v->addLayout(options);
    connect(ui.cwByPcYes, &QRadioButton::clicked, this, &SetupWindow::keyCwByPc);
    connect(ui.cwByPcNo, &QRadioButton::clicked, this, &SetupWindow::keyCwByHand);
    connect(ui.cwRepeat, &QCheckBox::clicked, this, &SetupWindow::cwRepeatToggled);
    connect(ui.ssbByPcYes, &QRadioButton::clicked, this, &SetupWindow::playSsbByPc);
    connect(ui.ssbByPcNo, &QRadioButton::clicked, this, &SetupWindow::playSsbByHand);
    connect(ui.ssbRepeat, &QCheckBox::clicked, this, [this](bool checked) {
        m_model.setSsbRepeat(checked);
        render();
    });

    ui.keyerTextsPanel = frame(w, "FramTxtCw", QStringLiteral("TEXT PROGRAM CW"));
    auto* g = new QGridLayout(ui.keyerTextsPanel);
    g->setVerticalSpacing(1);
    for (int i = 0; i < 7; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        g->addWidget(label(ui.keyerTextsPanel, ("LblF" + n).constData(),
                           QStringLiteral("F") + QString::number(i + 1)),
                     i, 0);
        ui.keyerTexts[i] = lineEdit(ui.keyerTextsPanel, ("TxtF" + n).constData());
        g->addWidget(ui.keyerTexts[i], i, 1, 1, 4);
    }
    ui.sentCodeLegend = label(ui.keyerTextsPanel, "LblJ", QStringLiteral("#3=CodEmis"));
    ui.ownCountyLegend = label(ui.keyerTextsPanel, "LblMQRA", QStringLiteral("#4=MyJudet"));
    g->addWidget(label(ui.keyerTextsPanel, "LblM1", QStringLiteral("#1=MyCall")), 7, 1);
    g->addWidget(label(ui.keyerTextsPanel, "LblM2", QStringLiteral("#2=YourCall")), 7, 2);
    g->addWidget(ui.sentCodeLegend, 7, 3);
    g->addWidget(ui.ownCountyLegend, 7, 4);
    v->addWidget(ui.keyerTextsPanel);
    return w;
}

void SetupWindow::buildMenus() {
    auto add = [this](const char* name, const QString& caption) {
        QAction* a = menuBar()->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    ui.quitAction = add("mnuBeenden", QStringLiteral("E&XIT"));
    ui.startAction = add("mnuQSOfahren", QStringLiteral("START-&QSO "));
    ui.logAction = add("mnuLog", QStringLiteral("&LOG"));
    ui.offlineInputAction = add("mnuInpLog", QStringLiteral("&INPUT-LOG-OFF-LINE"));
    ui.helpMenu = addHelpMenu(menuBar(), "mnuHelp1", QStringLiteral("&HELP"),
                              {{"mnuGener", "Generalitati", 100},
                               {"mnuInDateProp", "Introducere date proprii", 200},
                               {"mnuOutInit", "Iesire din initializare", 300}},
                              m_services.help);
    connect(ui.quitAction, &QAction::triggered, this, &SetupWindow::confirmExit);
    connect(ui.startAction, &QAction::triggered, this, &SetupWindow::startQso);
    connect(ui.logAction, &QAction::triggered, this, &SetupWindow::openLogView);
    connect(ui.offlineInputAction, &QAction::triggered, this, &SetupWindow::startOffLineLog);
    // Last on the bar, so that the menus before it stay where the operator knows them.
    ui.radioAction = add("mnuRadio", QStringLiteral("&RADIO"));
    connect(ui.radioAction, &QAction::triggered, this, [this] {
        auto* dialog = new RadioSettingsDialog(
            run().dataFolder(), m_services.rigModels ? *m_services.rigModels : QList<RigModel>(),
            this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

bool SetupWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.runKind && event->type() == QEvent::MouseButtonDblClick) {
        m_model.offerContestChoice();
        render();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- start-up ----

bool SetupWindow::load(const QString& sentCode) {
    ui.contestTitle->setText(QStringLiteral("BEFORE START PLEASE FILL THIS PAGE "));
    applyLayoutFactors();
    ui.runNotice->setText(modeNotice());
    m_model.startSetup();
    ui.startDate->setText(run().startDate());
    ui.startTime->setText(run().startTime());
    ui.dataFolder->setText(QStringLiteral("Folder date: ") +
                           QDir::toNativeSeparators(run().dataFolder()));
    showRealtimeNotice();
    checkSoundCard();
    const bool reopened = run().setupReopened();
    // A missing or short settings file is no error: the boxes show what could be read.
    SettingsRecord settings = run().settings();
    if (const Outcome<bool> read = SettingsFiles::readInitFile(run().dataFolder(), settings); !read)
        refuse(read.error());
    ui.ownCall->setText(settings.myCall);
    ui.utcOffset->setText(SystemOffset::text(m_services.clock));
    ui.ownCounty->setText(settings.myCounty);
    if (reopened)
        restoreReopenedState(sentCode);
    if (run().contest().screen.opening == SetupOpening::SentCode) {
        if (reopened)
            ui.sentCode->setText(sentCode);
        else
            prefillCallAreaDigit(settings.myCall);
    }
    const Outcome<bool> texts = SettingsFiles::readTextCwFile(run().dataFolder(), settings);
    if (!texts)
        refuse(texts.error());
    m_model.takeSettings(settings);
    for (int i = 0; i < 7; ++i)
        ui.keyerTexts[i]->setText(settings.cwTexts.at(static_cast<size_t>(i)));
    if (texts.valueOr(false))
        ui.portNumber->setText(QString::number(settings.comPort));
    showPortDevice();
    if (!openDatabases())
        return false;
    render();
    focusAfterLoad();
    return true;
}

void SetupWindow::applyLayoutFactors() {
    const QSize display = m_services.metrics.displaySize();
    const LayoutFactors f = LayoutFactors::forDisplay(display);
    if (!f.supported)
        m_services.dialogs.tell({QString::fromLatin1(kResolutionMessage)});
    m_layout = f;
    ScreenLayout::apply(this, display, f);
}

void SetupWindow::showRealtimeNotice() {
    const bool missing = m_services.realtime.available() == RealtimePriority::Way::None;
    m_model.setRealtimeMissing(missing);
    if (!missing)
        return;
    // The package grants real-time priority to the group that may key the serial port.
    ui.realTimeWarning->setText(
        QStringLiteral("ATENTIE: sistemul nu da prioritate de timp real emisiei CW; pe un PC "
                       "incarcat elementele CW pot intarzia zeci de milisecunde. Adaugati "
                       "utilizatorul in grupul dialout: sudo adduser %1 dialout (apoi iesiti din "
                       "sesiune si intrati din nou). Grupul primeste prioritatea daca ati ales-o "
                       "la instalare (sudo dpkg-reconfigure velt).")
            .arg(qEnvironmentVariable("USER", QStringLiteral("$USER"))));
}

void SetupWindow::checkSoundCard() {
    m_model.setSoundCard(m_services.voice.outputCount() > 0);
    if (!m_model.keyer().soundCard)
        playSsbByHand();
}

// The run's options came back with it (SetupModel::startSetup); the contest's texts here.
void SetupWindow::restoreReopenedState(const QString& sentCode) {
    const ContestDef& def = run().contest();
    ui.runKind->setText(QString::fromLatin1(def.titleReopen));
    presentShape(def);
    ui.sentCode->setText(sentCode);
}

namespace {
// Empty when `db` is of this program's schema or was brought up to it; otherwise why not, with
// the file closed so that nothing changes it.
QString schemaError(Database& db) {
    const Outcome<void> upToDate = SchemaUpgrade::bringUpToDate(db);
    if (upToDate)
        return {};
    db.close();
    return upToDate.error();
}
} // namespace

bool SetupWindow::openDatabases() {
    const struct {
        Database& db;
        const char* table;
    } dbs[] = {{m_services.logDb, "LogGen"}, {m_services.callDb, "CallJud"}};
    for (const auto& d : dbs) {
        const TableMap& map = *TableMap::forTable(QLatin1String(d.table));
        const QString path = QDir(run().dataFolder()).filePath(map.file);
        const Outcome<void> opened = d.db.open(path, map.targetTable);
        QString text = opened ? schemaError(d.db) : QString();
        if (opened && text.isEmpty())
            continue;
        const bool notDatabase = opened.failureKind() == FailureKind::NotDatabase;
        // The rest of this step is abandoned, as with any start-up failure.
        if (notDatabase && !m_autoStart) {
            text = JetImportOffer(m_services.dialogs, m_services.jet).run(path, map);
            if (text.isEmpty() && d.db.open(path, map.targetTable)) {
                text = schemaError(d.db);
                if (text.isEmpty())
                    continue;
            }
        } else if (notDatabase) {
            text = QStringLiteral("Fisierul %1 nu este o baza de date a acestui program. "
                                  "Fisierul a fost lasat neschimbat.\nNu exista legatura cu "
                                  "serverul !")
                       .arg(QDir::toNativeSeparators(path));
        }
        if (text.isEmpty())
            text = QStringLiteral("Nu exista legatura cu serverul !");
        // Started by AUTO the program says why and ends; otherwise the operator chooses.
        if (m_autoStart) {
            m_services.dialogs.tell({text, Dialogs::Icon::Critical});
            return false;
        }
        return m_services.dialogs.confirm({text, Dialogs::Icon::Critical});
    }
    warnIfLogReadOnly();
    return true;
}

void SetupWindow::warnIfLogReadOnly() {
    const Outcome<void> written = m_services.logDb.tryWrite();
    if (written)
        return;
    m_services.dialogs.tell(
        {QStringLiteral("Logul %1 nu poate fi scris: %2.\nContactele nu vor putea fi memorate. "
                        "Rezolvati problema inainte de inceperea concursului !")
             .arg(QDir::toNativeSeparators(m_services.logDb.path()), written.error()),
         Dialogs::Icon::Critical});
}

void SetupWindow::focusAfterLoad() {
    const SetupOpening opening = run().contest().screen.opening;
    if (opening == SetupOpening::SentCode)
        focusSentCodeOrCall();
    else if (opening == SetupOpening::OwnCall)
        focusAt(ui.ownCall, static_cast<int>(ui.ownCall->text().size()));
}

// ---- contest choice ----

void SetupWindow::chooseContest(const ContestDef& def) {
    m_model.chooseContest(def);
    ui.runKind->setText(QString::fromLatin1(def.title));
    render(); // the focus below goes to the boxes the contest shows
    presentContest(def);
}

void SetupWindow::presentContest(const ContestDef& def) {
    emit contestChosen();
    presentShape(def);
    presentSentCode();
}

// The contest's texts and widths here; run again when the screen is re-opened.
void SetupWindow::presentShape(const ContestDef& def) {
    const ExchangeShape& shape = def.screen.exchange;
    if (*shape.ownCaption)
        ui.ownCountyCaption->setText(QString::fromLatin1(shape.ownCaption));
    if (shape.ownWidth > 0)
        ScreenLayout::setDesignWidth(ui.ownCounty, shape.ownWidth, m_layout.scaleX);
    if (*shape.ownMacroHelp)
        ui.ownCountyLegend->setText(QString::fromLatin1(shape.ownMacroHelp));
    if (def.sentCode == SentCodeRule::ZodiacSign)
        ui.sentCode->clear();
}

// SENT COD and the focus as the contest's choice leaves them.
void SetupWindow::presentSentCode() {
    const SentCodeStart start = m_model.sentCodeOnChoice(ui.sentCode->text(), ui.ownCall->text());
    if (start.text)
        ui.sentCode->setText(*start.text);
    if (start.cursor >= 0)
        ui.sentCode->setCursorPosition(start.cursor);
    if (start.focus == SetupFocus::SentCodeOrCall)
        focusSentCodeOrCall();
    else if (start.focus == SetupFocus::OwnCountyOrCall)
        focusOwnCallOrCounty();
}

void SetupWindow::focusSentCodeOrCall() {
    if (ui.sentCode->isVisibleTo(this))
        ui.sentCode->setFocus(Qt::OtherFocusReason);
    else
        ui.ownCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::prefillCallAreaDigit(const QString& call) {
    ui.sentCode->setText(ContestCatalog::callAreaDigit(call));
    ui.sentCode->setCursorPosition(1);
}

void SetupWindow::focusOwnCallOrCounty() {
    if (ui.ownCounty->text().isEmpty())
        ui.ownCounty->setFocus(Qt::OtherFocusReason);
    else
        focusAt(ui.ownCall, static_cast<int>(ui.ownCall->text().size()));
}

// ---- CONCURS / SIMULARE and keyer options ----

void SetupWindow::chooseContestMode() {
    m_model.chooseRunKind(true);
    render();
    if (run().contest().screen.opening == SetupOpening::SentCode) {
        ui.sentCode->setCursorPosition(1);
        focusSentCodeOrCall();
    }
    m_services.dialogs.tell(
        {QStringLiteral("Inainte de pornirea programului verificati daca tabelele LOG necesare "
                        "acestui concurs sint goale !")});
}

void SetupWindow::chooseSimulation() {
    m_model.chooseRunKind(false);
    render();
    if (run().contest().screen.opening == SetupOpening::SentCode) {
        ui.sentCode->setCursorPosition(1);
        focusSentCodeOrCall();
    }
}

void SetupWindow::keyCwByPc() {
    m_model.keyCwByPc(true);
    render();
    if (!run().setupReopened())
        ui.keyerTexts[0]->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::keyCwByHand() {
    m_model.keyCwByPc(false);
    notKeyedByPc();
}

void SetupWindow::notKeyedByPc() {
    render();
    if (!run().setupReopened())
        ui.ownCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::cwRepeatToggled() {
    m_model.setCwRepeat(ui.cwRepeat->isChecked());
    render();
}

void SetupWindow::playSsbByPc() {
    m_model.playSsbByPc(true);
    render();
    makeWavFolder();
}

void SetupWindow::playSsbByHand() {
    m_model.playSsbByPc(false);
    notKeyedByPc();
}

void SetupWindow::makeWavFolder() {
    const QString folder = QDir(run().dataFolder()).filePath(QStringLiteral("WAVUs"));
    if (QDir(folder).exists())
        return;
    QDir().mkpath(folder);
    m_services.dialogs.tell(
        {QStringLiteral("Folderul ") + QDir::toNativeSeparators(folder) +
             QStringLiteral(" a fost creiat dar este gol. Pentru functionare cu PC-ul in SSB, "
                            "trebuiesc creiate in acest folder, fisierele F1.WAV...F7WAV ! "),
         Dialogs::Icon::None});
}

// ---- what the screen shows ----

namespace {
// "Da", "Nu" or neither checked.
void checkAnswer(QRadioButton* yes, QRadioButton* no, std::optional<bool> answer) {
    if (answer)
        (*answer ? yes : no)->setChecked(true);
    else
        for (QRadioButton* b : {yes, no})
            uncheck(b);
}

void showAll(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets)
        w->setVisible(shown);
}
} // namespace

void SetupWindow::render() {
    const SetupShown s = m_model.shown();
    ui.contestChoice->setVisible(s.contestChoice);
    ui.runChoice->setVisible(s.runChoice);
    showAll({ui.sentCode, ui.sentCodeCaption}, s.sentCode);
    ui.sentCodeLegend->setVisible(s.sentCodeLegend);
    showAll({ui.startDateCaption, ui.startDate, ui.startTimeCaption, ui.startTime}, s.offLineStamp);
    ui.realTimeWarning->setVisible(s.realtimeWarning);
    ui.errorLine->setVisible(s.ownCallUnknown);
    ui.cwByPc->setVisible(s.cwByPcFrame);
    showAll({ui.cwByPcYes, ui.cwByPcNo}, s.cwByPcChoice);
    ui.keyerTextsPanel->setVisible(s.keyerTexts);
    ui.cwRepeat->setVisible(s.cwRepeat);
    ui.cwRepeat->setChecked(s.cwRepeatChecked);
    checkAnswer(ui.cwByPcYes, ui.cwByPcNo, s.cwByPcChecked);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.ssbByPc, ui.ssbByPcYes, ui.ssbByPcNo, ui.ssbRepeat})
        w->setEnabled(s.ssbEnabled);
    ui.ssbRepeat->setVisible(s.ssbRepeat);
    ui.ssbRepeat->setChecked(s.ssbRepeatChecked);
    checkAnswer(ui.ssbByPcYes, ui.ssbByPcNo, s.ssbByPcChecked);
}

// ---- menus ----

void SetupWindow::refuse(const QString& text) {
    m_services.dialogs.tell({text});
}

bool SetupWindow::checkContestAndMode() {
    if (const std::optional<QString> missing = m_model.choicesMissing()) {
        refuse(*missing);
        return false;
    }
    return true;
}

void SetupWindow::openLogView() {
    if (!checkContestAndMode())
        return;
    m_model.takeStation(form());
    hide();
    emit logViewRequested();
}

void SetupWindow::startOffLineLog() {
    if (!checkContestAndMode())
        return;
    m_model.startOffLine();
    render();
    const auto [date, time] = m_model.offLineStartStamp();
    ui.startTime->setText(time);
    ui.startDate->setText(date);
    ui.startDate->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::confirmExit() {
    if (!exitConfirmed(m_services.dialogs))
        return;
    m_services.callDb.close();
    close();
    emit exitRequested();
}

// ---- hand-over ----

SetupForm SetupWindow::form() const {
    SetupForm f{
        ui.ownCall->text(),   ui.ownCounty->text(), ui.sentCode->text(),   ui.utcOffset->text(),
        ui.startDate->text(), ui.startTime->text(), ui.portNumber->text(), {}};
    for (int i = 0; i < 7; ++i)
        f.cwTexts.at(static_cast<size_t>(i)) = ui.keyerTexts[i]->text();
    return f;
}

QLineEdit* SetupWindow::box(const SetupRefusal& refusal) const {
    switch (*refusal.box) {
    case SetupBox::OwnCall:
        return ui.ownCall;
    case SetupBox::OwnCounty:
        return ui.ownCounty;
    case SetupBox::SentCode:
        return ui.sentCode;
    case SetupBox::UtcOffset:
        return ui.utcOffset;
    case SetupBox::CwText:
        break;
    }
    return ui.keyerTexts[refusal.cwText];
}

void SetupWindow::showRefusal(const SetupRefusal& refusal) {
    if (!refusal.message.isEmpty())
        refuse(refusal.message);
    if (!refusal.box)
        return;
    QLineEdit* b = box(refusal);
    switch (refusal.fix) {
    case SetupRefusal::Fix::Clear:
        b->clear();
        break;
    case SetupRefusal::Fix::SelectAll:
        b->selectAll();
        break;
    case SetupRefusal::Fix::PrefillCallArea:
        prefillCallAreaDigit(ui.ownCall->text());
        break;
    case SetupRefusal::Fix::Focus:
        break;
    }
    b->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::startQso() {
    const std::variant<SetupRefusal, HandOver> result = m_model.handOver(form());
    if (const auto* refusal = std::get_if<SetupRefusal>(&result))
        return showRefusal(*refusal);
    const auto& handOver = std::get<HandOver>(result);
    ui.startDate->setText(handOver.startDate);
    ui.startTime->setText(handOver.startTime);
    if (logReadyForContest())
        begin(handOver);
}

bool SetupWindow::logReadyForContest() {
    const QString question = m_model.contestLogQuestion();
    if (question.isEmpty() || !m_services.dialogs.ask(question, QStringLiteral("ATENTIE")))
        return true;
    if (const Outcome<void> emptied = m_model.emptyLog(); !emptied) {
        refuse(QStringLiteral("LOGUL NU A PUTUT FI GOLIT: ") + emptied.error());
        return false;
    }
    return true;
}

void SetupWindow::begin(const HandOver& handOver) {
    if (const QString notice = SystemOffset::notice(ui.utcOffset->text(), m_services.clock);
        !notice.isEmpty())
        m_services.dialogs.tell({notice, Dialogs::Icon::Information});
    // A paper log typed in later may be of another year's lists.
    if (const QString notice = m_services.specials.notice(m_services.run.contest(),
                                                          m_services.clock.utcNow().date().year());
        !handOver.offLine && !notice.isEmpty())
        m_services.dialogs.tell({notice});
    for (const QString& problem : m_model.saveSettings(handOver))
        refuse(problem);
    m_model.begin(handOver);
    emit runBegun();
    hide();
}
