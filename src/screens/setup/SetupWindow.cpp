#include "screens/setup/SetupWindow.h"

#include "screens/setup/RadioSettingsDialog.h"

#include "jetimport/TableMap.h"
#include "logging/ContestLog.h"
#include "logging/Database.h"
#include "logging/LogStore.h"
#include "logging/SchemaUpgrade.h"
#include "screens/Colors.h"
#include "screens/ExitConfirmation.h"
#include "screens/HelpMenu.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/entry/QsoWindow.h"
#include "screens/setup/JetImportOffer.h"
#include "screens/setup/RadioSettingsDialog.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/Help.h"
#include "seams/RealtimePriority.h"
#include "seams/ScreenMetrics.h"
#include "seams/VoicePlayer.h"
#include "setup/AppState.h"
#include "setup/ContestCatalog.h"
#include "setup/Cp1250.h"
#include "setup/DateTimeText.h"
#include "setup/LayoutFactors.h"
#include "setup/LeadingNumber.h"
#include "setup/SettingsFiles.h"
#include "setup/SystemOffset.h"

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
const QString kNoContest =
    QStringLiteral("Precizati CONCURSUL in care se va lucra prin Click pe el !!");
const QString kNoMode =
    QStringLiteral("Precizati daca lucrati in concurs sau testati programul  !!");
const QString kSentCode = QStringLiteral("COMPLECTATI BOXUL SENT COD");

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

SetupWindow::SetupWindow(ScreenServices& services, QsoWindow& qso, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_state(services.state), m_qso(qso) {
    setObjectName(QStringLiteral("FrmInit"));
    setWindowTitle(kProgramTitle);
    buildUi();
    buildMenus();
    installBoxKeys();
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
    ui.realTimeWarning->hide();
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
    ui.errorLine->hide();
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
    for (QWidget* x : std::initializer_list<QWidget*>{ui.startDateCaption, ui.startDate,
                                                      ui.startTimeCaption, ui.startTime})
        x->hide();
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
            m_state.appPath, m_services.rigModels ? *m_services.rigModels : QList<RigModel>(),
            this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

bool SetupWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.runKind && event->type() == QEvent::MouseButtonDblClick) {
        ui.contestChoice->show();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- start-up ----

bool SetupWindow::load() {
    ui.contestTitle->setText(QStringLiteral("BEFORE START PLEASE FILL THIS PAGE "));
    applyLayoutFactors();
    ui.runNotice->setText(modeNotice());
    m_state.offLineLog = false;
    ui.startDate->setText(m_state.startDate);
    ui.startTime->setText(m_state.startTime);
    m_state.dataPath = SettingsFiles::dataPathFor(m_state.appPath);
    ui.dataFolder->setText(QStringLiteral("Folder date: ") +
                           QDir::toNativeSeparators(m_state.appPath));
    showRealtimeNotice();
    checkSoundCard();
    if (!m_state.returnToSetup) {
        m_state.cwPcFlag = false;
        m_state.stage = 0;
        m_state.qsoMode = QStringLiteral("00");
        m_qso.setSentCode(QStringLiteral("000"));
    }
    // A missing or short settings file is no error: the boxes show what could be read.
    if (const Outcome<bool> read = SettingsFiles::readInitFile(m_state.appPath, m_state.settings);
        !read)
        refuse(read.error());
    ui.ownCall->setText(m_state.settings.myCall);
    ui.utcOffset->setText(SystemOffset::text(m_services.clock));
    ui.ownCounty->setText(m_state.settings.myCounty);
    if (m_state.returnToSetup)
        restoreReopenedState();
    if (m_state.contest().screen.opening == SetupOpening::SentCode) {
        if (m_state.returnToSetup) {
            ui.sentCode->setText(m_qso.sentLabel());
        } else {
            prefillCallAreaDigit(m_state.settings.myCall);
        }
    }
    const Outcome<bool> texts = SettingsFiles::readTextCwFile(m_state.appPath, m_state.settings);
    if (!texts)
        refuse(texts.error());
    for (int i = 0; i < 7; ++i)
        ui.keyerTexts[i]->setText(m_state.settings.cwTexts[i]);
    if (texts.valueOr(false))
        ui.portNumber->setText(QString::number(m_state.settings.comPort));
    showPortDevice();
    if (!openDatabases())
        return false;
    focusAfterLoad();
    return true;
}

void SetupWindow::applyLayoutFactors() {
    const QSize display = m_services.metrics.displaySize();
    const LayoutFactors f = LayoutFactors::forDisplay(display);
    if (!f.supported)
        m_services.dialogs.message(QString::fromLatin1(kResolutionMessage), kProgramTitle,
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    m_state.scaleX = f.scaleX;
    m_state.scaleY = f.scaleY;
    ScreenLayout::apply(this, display, f);
}

void SetupWindow::showRealtimeNotice() {
    if (m_services.realtime.available() != RealtimePriority::Way::None)
        return;
    // The package grants real-time priority to the group that may key the serial port.
    ui.realTimeWarning->setText(
        QStringLiteral("ATENTIE: sistemul nu da prioritate de timp real emisiei CW; pe un PC "
                       "incarcat elementele CW pot intarzia zeci de milisecunde. Adaugati "
                       "utilizatorul in grupul dialout: sudo adduser %1 dialout (apoi iesiti din "
                       "sesiune si intrati din nou). Grupul primeste prioritatea daca ati ales-o "
                       "la instalare (sudo dpkg-reconfigure velt).")
            .arg(qEnvironmentVariable("USER", QStringLiteral("$USER"))));
    ui.realTimeWarning->show();
}

void SetupWindow::checkSoundCard() {
    m_state.soundCardOk = m_services.voice.outputCount() > 0;
    if (m_state.soundCardOk)
        return;
    ui.ssbRepeat->setChecked(false);
    ui.ssbRepeat->setEnabled(false);
    ui.ssbByPc->setEnabled(false);
    ui.ssbByPcNo->setChecked(true);
    playSsbByHand();
    ui.ssbByPcNo->setEnabled(false);
    ui.ssbByPcYes->setEnabled(false);
    m_state.ssbPcFlag = false;
}

void SetupWindow::restoreReopenedState() {
    (m_state.cwPcFlag ? ui.cwByPcYes : ui.cwByPcNo)->setChecked(true);
    m_state.cwPcFlag ? keyCwByPc() : keyCwByHand();
    if (m_state.soundCardOk) {
        (m_state.ssbPcFlag ? ui.ssbByPcYes : ui.ssbByPcNo)->setChecked(true);
        m_state.ssbPcFlag ? playSsbByPc() : playSsbByHand();
    }
    ui.cwRepeat->setChecked(m_state.cwRepeat);
    ui.ssbRepeat->setChecked(m_state.ssbRepeat);
    ui.contestChoice->hide();
    ui.runChoice->hide();
    const ContestDef& def = m_state.contest();
    ui.runKind->setText(QString::fromLatin1(def.titleReopen));
    presentShape(def);
    ui.sentCode->setText(m_qso.sentLabel());
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
        const QString path = SettingsFiles::pathIn(m_state.dataPath, map.file);
        const Database::OpenResult r = d.db.open(path, map.targetTable);
        QString text = r == Database::OpenResult::Ok ? schemaError(d.db) : QString();
        if (r == Database::OpenResult::Ok && text.isEmpty())
            continue;
        // The rest of this step is abandoned, as with any start-up failure.
        if (r == Database::OpenResult::NotDatabase && !m_state.autoStart) {
            text = JetImportOffer(m_services.dialogs, m_services.jet).run(path, map);
            if (text.isEmpty() && d.db.open(path, map.targetTable) == Database::OpenResult::Ok) {
                text = schemaError(d.db);
                if (text.isEmpty())
                    continue;
            }
        } else if (r == Database::OpenResult::NotDatabase) {
            text = QStringLiteral("Fisierul %1 nu este o baza de date a acestui program. "
                                  "Fisierul a fost lasat neschimbat.\nNu exista legatura cu "
                                  "serverul !")
                       .arg(QDir::toNativeSeparators(path));
        }
        if (text.isEmpty())
            text = QStringLiteral("Nu exista legatura cu serverul !");
        // Started by AUTO the program says why and ends; otherwise the operator chooses.
        if (m_state.autoStart) {
            m_services.dialogs.message(text, kProgramTitle, Dialogs::Buttons::Ok,
                                       Dialogs::Icon::Critical);
            return false;
        }
        return m_services.dialogs.message(text, kProgramTitle, Dialogs::Buttons::OkCancel,
                                          Dialogs::Icon::Critical) == Dialogs::AnswerOk;
    }
    warnIfLogReadOnly();
    return true;
}

void SetupWindow::warnIfLogReadOnly() {
    const Outcome<void> written = m_services.logDb.tryWrite();
    if (written)
        return;
    m_services.dialogs.message(
        QStringLiteral("Logul %1 nu poate fi scris: %2.\nContactele nu vor putea fi memorate. "
                       "Rezolvati problema inainte de inceperea concursului !")
            .arg(QDir::toNativeSeparators(m_services.logDb.path()), written.error()),
        kProgramTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
}

void SetupWindow::focusAfterLoad() {
    const SetupOpening opening = m_state.contest().screen.opening;
    if (opening == SetupOpening::SentCode)
        focusSentCodeOrCall();
    else if (opening == SetupOpening::OwnCall)
        focusAt(ui.ownCall, static_cast<int>(ui.ownCall->text().size()));
}

// ---- contest choice ----

void SetupWindow::chooseContest(const ContestDef& def) {
    m_state.contestNumber = def.number;
    m_state.contestChosen = true;
    if (def.presetStage)
        m_state.stage = 1;
    if (def.ssbOnly)
        m_state.qsoMode = QStringLiteral("SSB");
    ui.runKind->setText(QString::fromLatin1(def.title));
    m_state.contestCode = def.codeString();
    presentContest(def);
    ui.contestChoice->hide();
}

void SetupWindow::presentContest(const ContestDef& def) {
    m_qso.presentContest();
    presentShape(def);
    presentSentCode(def);
    if (def.screen.asksCwByPc) {
        ui.cwByPc->show();
        ui.cwByPcYes->show();
        ui.cwByPcNo->show();
        uncheck(ui.cwByPcYes);
    }
}

// What the contest's row shows here; run again when the screen is re-opened.
void SetupWindow::presentShape(const ContestDef& def) {
    if (def.ssbOnly)
        ui.cwByPc->hide();
    if (def.screen.hidesCwTexts)
        for (QWidget* w :
             std::initializer_list<QWidget*>{ui.cwByPcYes, ui.cwByPcNo, ui.keyerTextsPanel})
            w->hide();
    const ExchangeShape& shape = def.screen.exchange;
    if (*shape.ownCaption)
        ui.ownCountyCaption->setText(QString::fromLatin1(shape.ownCaption));
    if (shape.ownWidth > 0)
        ScreenLayout::setDesignWidth(ui.ownCounty, shape.ownWidth, m_state.scaleX);
    if (*shape.ownMacroHelp)
        ui.ownCountyLegend->setText(QString::fromLatin1(shape.ownMacroHelp));
    if (!shape.codeMacroHelp)
        ui.sentCodeLegend->hide();
    if (def.sentCode == SentCodeRule::ZodiacSign) {
        ui.sentCode->clear();
        hideSentCode();
    }
}

// SENT COD and the focus as the contest's choice leaves them.
void SetupWindow::presentSentCode(const ContestDef& def) {
    switch (def.sentCode) {
    case SentCodeRule::CallAreaDigit:
        prefillCallAreaDigit(m_state.settings.myCall);
        focusSentCodeOrCall();
        break;
    case SentCodeRule::CallAreaDigitIfEmpty:
        if (ui.sentCode->text().isEmpty())
            prefillCallAreaDigit(m_state.settings.myCall);
        else
            ui.sentCode->setCursorPosition(static_cast<int>(ui.sentCode->text().size()));
        focusSentCodeOrCall();
        break;
    case SentCodeRule::Serial:
    case SentCodeRule::Hidden:
        ui.sentCode->setText(QStringLiteral("000"));
        hideSentCode();
        focusOwnCallOrCounty();
        break;
    case SentCodeRule::ZodiacSign:
        break; // the own zodiac sign is asked instead
    case SentCodeRule::RequiredEmpty:
    case SentCodeRule::Free:
        ui.sentCode->clear();
        focusSentCodeOrCall();
        break;
    }
}

void SetupWindow::hideSentCode() {
    ui.sentCode->hide();
    ui.sentCodeCaption->hide();
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
    ui.runChoice->hide();
    m_state.contestMode = true;
    if (m_state.contest().screen.opening == SetupOpening::SentCode) {
        ui.sentCode->setCursorPosition(1);
        focusSentCodeOrCall();
    }
    m_services.dialogs.message(
        QStringLiteral("Inainte de pornirea programului verificati daca tabelele LOG necesare "
                       "acestui concurs sint goale !"),
        kProgramTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
}

void SetupWindow::chooseSimulation() {
    ui.runChoice->hide();
    m_state.contestMode = false;
    if (m_state.contest().screen.opening == SetupOpening::SentCode) {
        ui.sentCode->setCursorPosition(1);
        focusSentCodeOrCall();
    }
}

void SetupWindow::keyCwByPc() {
    ui.keyerTextsPanel->show();
    ui.cwRepeat->show();
    m_state.cwPcFlag = true;
    if (!m_state.returnToSetup)
        ui.keyerTexts[0]->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::keyCwByHand() {
    ui.keyerTextsPanel->hide();
    notKeyedByPc(ui.cwRepeat, m_state.cwRepeat, m_state.cwPcFlag);
}

void SetupWindow::notKeyedByPc(QCheckBox* repeat, bool& repeatFlag, bool& pcFlag) {
    repeat->hide();
    repeat->setChecked(false);
    repeatFlag = false;
    pcFlag = false;
    if (!m_state.returnToSetup)
        ui.ownCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::cwRepeatToggled() {
    m_state.cwRepeat = ui.cwRepeat->isChecked();
}

void SetupWindow::playSsbByPc() {
    m_state.ssbPcFlag = true;
    ui.ssbRepeat->show();
    makeWavFolder();
}

void SetupWindow::playSsbByHand() {
    notKeyedByPc(ui.ssbRepeat, m_state.ssbRepeat, m_state.ssbPcFlag);
}

void SetupWindow::makeWavFolder() {
    const QString folder = SettingsFiles::pathIn(m_state.dataPath, QStringLiteral("\\WAVUs"));
    if (QDir(folder).exists())
        return;
    QDir().mkpath(folder);
    m_services.dialogs.message(
        QStringLiteral("Folderul ") + m_state.dataPath +
            QStringLiteral(
                "\\WAVUs a fost creiat dar este gol. Pentru functionare cu PC-ul in SSB, "
                "trebuiesc creiate in acest folder, fisierele F1.WAV...F7WAV ! "),
        kProgramTitle, Dialogs::Buttons::Ok, Dialogs::Icon::None);
}

// ---- menus ----

void SetupWindow::refuse(const QString& text) {
    m_services.dialogs.message(text, kProgramTitle, Dialogs::Buttons::Ok,
                               Dialogs::Icon::Exclamation);
}

bool SetupWindow::checkContestAndMode() {
    if (!m_state.contestChosen) {
        refuse(kNoContest);
        return false;
    }
    if (ui.runChoice->isVisibleTo(this)) {
        refuse(kNoMode);
        return false;
    }
    return true;
}

void SetupWindow::openLogView() {
    if (!checkContestAndMode())
        return;
    hide();
    emit logViewRequested();
}

void SetupWindow::startOffLineLog() {
    if (!checkContestAndMode())
        return;
    m_state.offLineLog = true;
    m_state.cwPcFlag = false;
    m_state.ssbPcFlag = false;
    ui.cwRepeat->setChecked(false);
    ui.ssbRepeat->setChecked(false);
    m_state.cwRepeat = false;
    m_state.ssbRepeat = false;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.startDate, ui.startTime,
                                                      ui.startDateCaption, ui.startTimeCaption})
        w->show();
    ui.startTime->setText(QStringLiteral("00:00"));
    setStartStamp();
    ui.startDate->setText(m_state.nowDate);
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

void SetupWindow::setStartStamp() {
    std::tie(m_state.nowDate, m_state.nowTime) = DateTimeText::utcDateAndTime(m_services.clock);
}

bool SetupWindow::handOverChecks() {
    const ContestDef& def = m_state.contest();
    if (!m_state.contestChosen) {
        refuse(kNoContest);
        return false;
    }
    if (ui.runChoice->isVisibleTo(this)) {
        refuse(kNoMode);
        return false;
    }
    m_state.cwRepeat = ui.cwRepeat->isChecked();
    m_state.ssbRepeat = ui.ssbRepeat->isChecked();
    m_state.startCode =
        m_state.contest().sentCodeIsStartNumber() ? leadingNumber(ui.sentCode->text()) : 0;
    if (m_state.offLineLog) {
        m_state.startDate = ui.startDate->text();
        m_state.startTime = ui.startTime->text();
    } else {
        setStartStamp();
        ui.startDate->setText(m_state.nowDate);
        ui.startTime->setText(m_state.nowTime);
        m_state.startDate = m_state.nowDate;
        m_state.startTime = m_state.nowTime;
    }
    m_state.settings.myCall = ui.ownCall->text();
    m_state.settings.utcOffset = UtcOffset::typed(ui.utcOffset->text());
    m_state.settings.myCounty = ui.ownCounty->text();
    const qsizetype codeLength = ui.sentCode->text().size();
    if (codeLength < 3 && def.sentCodeFromCallArea()) {
        refuse(kSentCode);
        prefillCallAreaDigit(m_state.settings.myCall);
        ui.sentCode->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (def.sentCode == SentCodeRule::ZodiacSign && ui.ownCounty->text().size() < 3) {
        refuse(QStringLiteral("COMPLECTATI BOXUL ZODIA"));
        ui.ownCounty->clear();
        ui.ownCounty->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (codeLength < 3 && def.sentCode == SentCodeRule::RequiredEmpty) {
        refuse(kSentCode);
        ui.sentCode->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (def.log.exchange == ExchangeKind::Sector && ui.ownCounty->text() == QLatin1String("BU")) {
        refuse(QStringLiteral("JUDET INEXISTENT ! INTRODUCETI XA....XF !"));
        ui.ownCounty->clear();
        ui.ownCounty->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const QString offset = ui.utcOffset->text();
    if (offset.isEmpty() || offset == QLatin1String(" ") || offset == QLatin1String("  ")) {
        ui.utcOffset->clear();
        ui.utcOffset->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!UtcOffset::typed(offset).isReal()) {
        refuse(QStringLiteral("DIFERENTA ORA YO - ORA UTC TREBUIE SA FIE UN NUMAR DE ORE INTRE "
                              "-12 SI +14 !"));
        ui.utcOffset->selectAll();
        ui.utcOffset->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return settingsBoxesWritable();
}

bool SetupWindow::settingsBoxesWritable() {
    QList<std::pair<QLineEdit*, QString>> boxes{
        {ui.ownCall, ui.ownCallCaption->text().trimmed()},
        {ui.ownCounty, ui.ownCountyCaption->text().trimmed()}};
    for (int i = 0; i < 7; ++i)
        boxes.append({ui.keyerTexts[i], QStringLiteral("F%1").arg(i + 1)});
    for (const auto& [box, name] : boxes) {
        const QString chars = Cp1250::unwritable(box->text());
        const QString refused = chars.isEmpty()
                                    ? SettingsFiles::textTooLong(name, box->text())
                                    : Cp1250::refusal(QStringLiteral("Boxul ") + name, chars);
        if (refused.isEmpty())
            continue;
        refuse(refused);
        box->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void SetupWindow::startQso() {
    if (handOverChecks() && logReadyForContest())
        handOver();
}

bool SetupWindow::logReadyForContest() {
    // A real contest on line only, asked once a run; an unreadable log is named by the QSO screen.
    if (!m_state.contestMode || m_state.offLineLog || m_contestLogAsked)
        return true;
    const Outcome<ContestLog::Span> span = ContestLog::span(m_services.logDb);
    if (!span)
        return true;
    const QString question = ContestLog::question(*span, m_state.contest().codeString(),
                                                  ContestLog::lastContest(m_state.appPath),
                                                  m_services.clock.utcNow().date());
    m_contestLogAsked = true;
    if (question.isEmpty() ||
        m_services.dialogs.message(question, QStringLiteral("ATENTIE"), Dialogs::Buttons::YesNo,
                                   Dialogs::Icon::Question) != Dialogs::AnswerYes)
        return true;
    if (const Outcome<void> emptied = LogStore(m_services.logDb).removeAll(); !emptied) {
        m_contestLogAsked = false;
        refuse(QStringLiteral("LOGUL NU A PUTUT FI GOLIT: ") + emptied.error());
        return false;
    }
    return true;
}

void SetupWindow::handOver() {
    if (const QString notice = SystemOffset::notice(ui.utcOffset->text(), m_services.clock);
        !notice.isEmpty())
        m_services.dialogs.message(notice, kProgramTitle, Dialogs::Buttons::Ok,
                                   Dialogs::Icon::Information);
    SettingsRecord& rec = m_state.settings;
    if (const Outcome<void> written = SettingsFiles::writeInitFile(m_state.appPath, rec); !written)
        refuse(written.error());
    for (int i = 0; i < 7; ++i)
        rec.cwTexts[i] = ui.keyerTexts[i]->text();
    rec.comPort = leadingNumber(ui.portNumber->text());
    if (const Outcome<void> written = SettingsFiles::writeTextCwFile(m_state.appPath, rec);
        !written)
        refuse(written.error());
    if (const Outcome<void> kept =
            ContestLog::keepLastContest(m_state.appPath, m_state.contest().codeString());
        !kept)
        refuse(kept.error());
    m_state.gridOwner = AppState::kGridOwnerQso;
    m_qso.start();
    hide();
}
