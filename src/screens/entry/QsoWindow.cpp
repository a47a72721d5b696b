#include "screens/entry/QsoWindow.h"

#include "base/DateTimeText.h"
#include "base/seams/Clock.h"
#include "base/seams/Dialogs.h"
#include "base/seams/ScreenMetrics.h"
#include "rules/ContestRun.h"
#include "rules/CountyBoard.h"
#include "rules/GridColumns.h"
#include "rules/LayoutFactors.h"
#include "rules/MorseTiming.h"
#include "screens/Colors.h"
#include "screens/ExitConfirmation.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/entry/RateFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>

using namespace Widgets;

namespace {
EntryServices entryServices(ScreenServices& s, KeyerChoice& keyers) {
    return {s.run, s.logDb, s.callDb, s.specials, s.clock, keyers.port(), keyers, s.voice, s.rig};
}

// "14025.30 kHz CW": to ten hertz, as a radio's display shows it.
QString radioText(const RigReading& r) {
    return QStringLiteral("%1.%2 kHz %3")
        .arg(r.frequencyHz / 1000)
        .arg(r.frequencyHz % 1000 / 10, 2, 10, QLatin1Char('0'))
        .arg(r.mode);
}

// The county list's height in twips for a callsign's call area, 0 to leave it as it is.
int countyListHeight(const QString& call, float scaleX) {
    if (call.startsWith(QLatin1String("ER")))
        return 2100;
    static const QStringList romanian{QStringLiteral("YO"), QStringLiteral("YR"),
                                      QStringLiteral("YQ"), QStringLiteral("YP")};
    if (call.size() < 3 || !romanian.contains(call.left(2)))
        return 0;
    const bool small = scaleX < 1.0f;
    switch (call.at(2).unicode()) {
    case '2':
        return small ? 1000 : 0;
    case '3':
        return small ? 500 : 0;
    case '4':
        return 1200;
    case '5':
    case '9':
        return 1600;
    case '6':
        return small ? 1250 : 0;
    case '7':
    case '8':
        return 1400;
    default:
        return 0;
    }
}
} // namespace

QsoWindow::QsoWindow(ScreenServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_run(services.run),
      m_keyers(
          services.keyLine, services.realtime,
          [&run = services.run] { return run.settings().comPort; }, services.keyerDevices),
      m_entry(entryServices(services, m_keyers)),
      m_input(
          m_entry, [this](const std::function<void()>& action) { act(action); }, this) {
    setObjectName(QStringLiteral("FrmQSO"));
    buildUi();
    buildMenus();
    attachKeys();
    // The keyer's frames show only once CW is keyed by the PC.
    ui.keyerTextsPanel->hide();
    ui.keyerPanel->hide();
    m_grid = new LogWindowModel(services.logDb, this);
    ui.logGrid->setModel(m_grid);
    connect(ui.logGrid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_showingNewest && value == ui.logGrid->verticalScrollBar()->minimum())
            showOlderRows();
    });
    // A message's end may log the contact it was sent for: all of the screen follows.
    connect(&m_entry, &QsoEntry::changed, this, &QsoWindow::render);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &QsoWindow::tick);
    m_clock->start();
    tick();
    renderKeyer();
    // End and Escape stop a message or a repeat from whichever screen has the keyboard.
    qApp->installEventFilter(this);
}

QsoWindow::~QsoWindow() = default;

void QsoWindow::closeEvent(QCloseEvent* event) {
    m_entry.abortKeying(); // a message under way stops with both lines off
    QMainWindow::closeEvent(event);
}

void QsoWindow::hideEvent(QHideEvent* event) {
    // Nobody is at this screen any more: nothing may go on keying the transmitter.
    m_entry.abortKeying();
    m_entry.stopFollowingRadio();
    QMainWindow::hideEvent(event);
}

bool QsoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() != this) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_End)
            m_entry.abortKeying();
        return false;
    }
    if (watched == ui.logGrid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteSelectedContact();
        return true;
    }
    // A grid grown past its rows has no scroll bar to ask for older ones with: it reads again,
    // once the resize is done.
    if (watched == ui.logGrid && event->type() == QEvent::Resize && ui.logGrid->isVisible() &&
        m_grid->rowCount() < gridRoom())
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_gridShown = -1;
                renderGrid();
            },
            Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

// ---- keys and actions ----

void QsoWindow::attachKeys() {
    const std::pair<QLineEdit*, EntryField> fields[] = {
        {ui.callsign, EntryField::Callsign},
        {ui.receivedReport, EntryField::RstReceived},
        {ui.receivedCode, EntryField::CodeReceived},
        {ui.receivedCounty, EntryField::CountyReceived},
        {ui.sentReport, EntryField::RstSent},
        {ui.sentCode, EntryField::CodeSent},
        {ui.sentCounty, EntryField::CountySent},
        {ui.dateField, EntryField::Date},
        {ui.timeField, EntryField::Time},
        {ui.cwRepeatPause, EntryField::PauseCw},
        {ui.ssbRepeatPause, EntryField::PauseSsb}};
    for (const auto& [widget, field] : fields)
        m_input.attach(widget, field);
    for (int i = 0; i < 7; ++i)
        m_input.attach(ui.keyerTexts[i], messageField(i));
    ui.logGrid->installEventFilter(this);
    connect(ui.countyChoices, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { act([&] { m_entry.chooseCounty(item->text()); }); });
    const std::pair<QRadioButton*, CwWeight> weights[] = {{ui.evenWeight, CwWeight::Even},
                                                          {ui.heavyWeight, CwWeight::Heavy},
                                                          {ui.heavierWeight, CwWeight::Heavier}};
    for (const auto& [button, chosen] : weights)
        connect(button, &QRadioButton::clicked, this, [this, weight = chosen] {
            m_entry.setWeight(weight);
            if (ui.callsign->isEnabled())
                focusAt(ui.callsign, static_cast<int>(ui.callsign->text().trimmed().size()));
        });
}

QList<QLineEdit*> QsoWindow::entryFields() const {
    return {ui.callsign,       ui.sentReport,   ui.sentCode,      ui.sentCounty,
            ui.receivedReport, ui.receivedCode, ui.receivedCounty};
}

void QsoWindow::act(const std::function<void()>& action) {
    const int refused = m_entry.refusedKeys();
    action();
    if (m_entry.refusedKeys() != refused)
        QApplication::beep();
    render();
}

void QsoWindow::chooseStage(int stage) {
    act([&] { m_entry.chooseStage(stage); });
    showStageControls(stage);
}

void QsoWindow::showStageControls(int stage) {
    ui.logGrid->setEnabled(true);
    if (m_run.contest().screen.modesAfterStage && stage <= 2) {
        for (QPushButton* b : {ui.cwButton, ui.ssbButton}) {
            b->show();
            b->setEnabled(true);
        }
    }
}

void QsoWindow::deleteSelectedContact() {
    const QModelIndex current = ui.logGrid->currentIndex();
    if (!current.isValid())
        return;
    const qint64 id = m_grid->idAt(current.row());
    std::optional<QString> question;
    act([&] { question = m_entry.deleteQuestion(id); });
    if (question && m_services.dialogs.ask(*question, QStringLiteral("STERGERE")))
        act([&] { m_entry.deleteContact(id); });
}

// ---- load and hand-over ----

void QsoWindow::load() {
    // Another display than the four keeps the design layout here, without a message.
    const LayoutFactors f = LayoutFactors::forDisplay(m_services.metrics.displaySize());
    m_layout = f;
    applyLayout(f);
    // Before a contest is begun the code sent is none.
    m_entry.setSentCode(QStringLiteral("000"));
    ui.sentCodeLabel->setText(m_entry.sentLabel());
    layOutGrid();
    if (m_run.setupReopened())
        render();
}

void QsoWindow::start() {
    show();
    m_entry.start(); // chooses the stage the set-up holds and reads the radio settings
    tellNotices();
    chooseKeyer();
    if (m_run.stage() != Stage::None)
        showStageControls(stageNumber(m_run.stage()));
    render();
}

// Each time the screen opens: the radio settings may have changed on the set-up screen.
void QsoWindow::chooseKeyer() {
    const QString notice = m_keyers.choose(m_entry.radioSettings(), m_services.radioCat);
    if (!notice.isEmpty())
        m_services.dialogs.tell({notice});
}

// ---- rendering ----

void QsoWindow::tellNotices() {
    for (const Dialogs::Notice& notice : m_entry.takeNotices())
        m_services.dialogs.tell(notice);
}

void QsoWindow::render() {
    // Each control shown lays out every layout above it at once: the screen is laid out once,
    // after all of them, and the grid then fills the room it has.
    QLayout* screen = centralWidget()->layout();
    screen->setEnabled(false);
    renderControls();
    screen->setEnabled(true);
    screen->activate();
    renderGrid();
    renderFocus();
}

void QsoWindow::renderControls() {
    tellNotices();
    m_input.show();
    const ShownState shown = m_entry.shown();
    const bool open = shown.phase != EntryPhase::Closed;
    ui.prompt->setVisible(!open && !m_run.contest().prefillsExchangeAtStart());
    for (QLineEdit* e : entryFields())
        e->setEnabled(open);
    ui.ownCall->setText(m_run.settings().myCall);
    ui.ownCounty->setText(m_run.settings().myCounty);
    ui.sentCodeLabel->setText(m_entry.sentLabel());
    ui.offlineMarker->setVisible(m_run.offLine());
    for (QLineEdit* e : {ui.dateField, ui.timeField})
        if (m_run.offLine())
            setBackColor(e, Colors::kYellow);
    ui.logButton->setEnabled(shown.inLogEnabled);
    ui.newMarker->setVisible(shown.newMultiplier);
    static const QRgb marks[] = {Colors::kYellow, Colors::kGreen, Colors::kRed};
    setBackColor(ui.callsign, marks[static_cast<int>(shown.mark)]);
    ui.dupeWarning->setVisible(shown.duplicate);
    showText(ui.errorLine, m_entry.errorText());
    ui.errorLine->setVisible(shown.errorShown);
    const QStringList& choices = m_entry.countyChoices();
    if (choices.isEmpty()) {
        ui.countyChoices->clear();
    } else if (ui.countyChoices->count() != choices.size()) {
        if (const int height =
                countyListHeight(m_entry.text(EntryField::Callsign).trimmed(), m_layout.scaleX))
            ui.countyChoices->setFixedHeight(twips(height, m_layout.scaleY));
        ui.countyChoices->clear();
        ui.countyChoices->addItems(choices);
        ui.countyChoices->setToolTip(QStringLiteral("Click pe judetul corespunzator"));
    }
    ui.countyChoices->setVisible(!choices.isEmpty());
    ui.resultsCover->setVisible(!choices.isEmpty() || !shown.stationShown);
    ui.recoverAction->setEnabled(shown.recoveryEnabled);
    renderStageAndMode();
    renderRadio();
    renderResults();
    m_rate->showFigures(m_entry.rate());
    renderBoard();
    renderKeyer();
}

void QsoWindow::renderFocus() {
    const FocusRequest& f = m_entry.focus();
    if (f.serial == m_focusShown)
        return;
    m_focusShown = f.serial;
    // The caret is the model's, shown with the field's text.
    QLineEdit* field = m_input.fields().key(f.field);
    if (field && field->isEnabled())
        field->setFocus(Qt::OtherFocusReason);
}

void QsoWindow::renderRadio() {
    const QString silence = m_entry.radioSilence();
    const std::optional<RigReading>& reading = m_entry.radioReading();
    const std::optional<int> offBand = m_entry.offBand();
    QString shown = !silence.isEmpty() ? QStringLiteral("RADIOUL NU RASPUNDE")
                    : reading          ? radioText(*reading)
                                       : QString();
    if (offBand)
        shown += QStringLiteral(" - IN AFARA BENZII DE %1 m").arg(*offBand);
    ui.radioFrequency->setText(shown);
    ui.radioFrequency->setToolTip(silence);
    setForeColor(ui.radioFrequency, silence.isEmpty() && !offBand ? Colors::kBlack : Colors::kRed);
}

void QsoWindow::renderStageAndMode() {
    const QList<QLabel*> marks{ui.stage1AMarker, ui.stage1BMarker, ui.stage2AMarker,
                               ui.stage2BMarker};
    const int stage = m_entry.shownStage();
    const bool correcting = m_entry.phase() == EntryPhase::Correcting;
    for (int i = 0; i < 4; ++i) {
        // A correction shows only the stage of the contact it edits; no contest shows a stage it
        // does not have.
        if (i >= m_run.contest().stageCount)
            marks[i]->hide();
        else if (correcting)
            marks[i]->setVisible(i + 1 == stage);
        else if (stage != 0)
            marks[i]->show();
        setForeColor(marks[i], i + 1 == stage ? Colors::kMagenta : Colors::kLightGrey);
    }
    const bool modeShown = m_run.mode() != Mode::None || correcting;
    if (modeShown) {
        const bool cw = m_entry.shownCw();
        setForeColor(ui.cwMarker, cw ? Colors::kMagenta : Colors::kLightGrey);
        setForeColor(ui.ssbMarker, cw ? Colors::kLightGrey : Colors::kMagenta);
    }
}

void QsoWindow::renderResults() {
    const auto rows = m_entry.results();
    for (int r = 0; r < 4; ++r) {
        ui.stageNames[r]->setText(rows[r].band);
        ui.stageContacts[r]->setText(rows[r].qso);
        ui.stageMultipliers[r]->setText(rows[r].mlt);
        ui.stagePoints[r]->setText(rows[r].pkt);
    }
}

void QsoWindow::renderBoard() {
    const QStringList& worked = m_entry.workedCounties();
    if (m_boardShown && worked == *m_boardShown)
        return;
    m_boardShown = worked;
    const QStringList shown = CountyBoard::greenLabels(m_run.contest());
    for (const QString& code : shown)
        if (QLabel* l = m_board.value(code))
            setBackColor(l, worked.contains(code) ? Colors::kLightGrey : Colors::kGreen);
}

void QsoWindow::renderKeyer() {
    const bool cw = m_run.mode() == Mode::Cw;
    const bool keyedCw = cw && m_run.keyer().cwByPc;
    const bool voiced = m_run.mode() == Mode::Ssb && m_run.keyer().ssbByPc;
    if (m_run.mode() != Mode::None) {
        // In SSB the captions alone show the recording played and those waiting for it.
        ui.keyerTextsPanel->setVisible(keyedCw || voiced);
        for (QWidget* part :
             ui.keyerTextsPanel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            part->setVisible(keyedCw || std::ranges::count(ui.keyerTextCaptions, part) > 0);
        ui.keyerPanel->setVisible(keyedCw);
    }
    ui.cwRepeatPause->setVisible(keyedCw && m_run.keyer().cwRepeat && !m_run.offLine());
    ui.ssbRepeatPause->setVisible(m_run.mode() == Mode::Ssb && m_run.keyer().ssbRepeat &&
                                  !m_run.offLine());
    ui.cwSpeed->setText(MorseTiming::wpmCaption(m_entry.wpm()));
    const int sending = m_entry.sendingKey();
    const QList<int> queued = m_entry.waitingKeys();
    for (int i = 0; i < 7; ++i)
        setForeColor(ui.keyerTextCaptions[i], i + 1 == sending         ? Colors::kGreen
                                              : queued.contains(i + 1) ? Colors::kBlue
                                                                       : Colors::kRed);
    setBackColor(ui.keyerTexts[0], m_run.keyer().cwRepeat || m_run.keyer().ssbRepeat
                                       ? Colors::kGreen
                                       : Colors::kYellow);
    const Transmission t = m_entry.transmission();
    const bool sendingCw = cw && (t == Transmission::Sending || t == Transmission::Repeating);
    ui.cwSending->setVisible(sendingCw);
    showText(ui.cwSending, sendingCw ? m_entry.sentSoFar() : QString());
    const QRgb waiting = Colors::kRed;
    if (cw)
        setBackColor(ui.cwRepeatPause,
                     t == Transmission::RepeatWaiting ? waiting : Colors::kYellow);
    else
        setBackColor(ui.ssbRepeatPause, t == Transmission::RepeatWaiting ? waiting
                                        : t == Transmission::Repeating   ? Colors::kGreen
                                                                         : Colors::kLightCyan);
}

void QsoWindow::layOutGrid() {
    ScreenLayout::setColumnWidths(
        ui.logGrid,
        GridColumns::columnWidths(m_layout.scaleX, m_run.contest().exchangesNames(), false));
}

void QsoWindow::renderGrid() {
    if (m_entry.gridSerial() == m_gridShown)
        return;
    m_gridShown = m_entry.gridSerial();
    if (m_run.stage() == Stage::None || !m_services.logDb.isOpen())
        return;
    // The refresh moves the scroll bar through its top: no older page for that.
    m_showingNewest = true;
    // Only the rows the grid has room for are read: the same few rows at every log size. Older
    // ones come in as the operator scrolls up.
    const QString beginning = m_entry.gridBeginning();
    Outcome<void> read;
    if (beginning.isEmpty()) {
        read = m_grid->showStage(stageNumber(m_run.stage()), gridRoom(), m_entry.gridLogChanges());
        if (const int last = m_grid->rowCount() - 1; read && last >= 0) {
            ui.logGrid->selectRow(last);
            ui.logGrid->scrollToBottom();
        }
    } else {
        read = m_grid->showCallsignsFrom(beginning, gridRoom());
    }
    layOutGrid(); // measured on the rows now in view
    m_showingNewest = false;
    if (!read)
        m_services.dialogs.tell({read.error()});
}

// The rows the grid has room for, and one more, so that it has a scroll bar. The screen is laid
// out before the grid is filled, so the grid's height is its own.
int QsoWindow::gridRoom() const {
    return ui.logGrid->height() / std::max(1, ui.logGrid->verticalHeader()->defaultSectionSize()) +
           1;
}

void QsoWindow::showOlderRows() {
    const Outcome<int> added = m_grid->fetchOlder();
    if (!added)
        m_services.dialogs.tell({added.error()});
    else if (*added > 0)
        ui.logGrid->scrollTo(m_grid->index(*added, 0), QAbstractItemView::PositionAtTop);
}

// ---- menus and clock ----

void QsoWindow::confirmExit() {
    if (exitConfirmed(m_services.dialogs))
        emit exitRequested();
}

void QsoWindow::tick() {
    const QDateTime utc = m_services.clock.utcNow();
    if (!utc.isValid())
        return;
    const QString now =
        DateTimeText::formatDate(utc.date()) + u' ' + utc.toString(QStringLiteral("hh:mm:ss"));
    const QString title =
        m_layout.scaleX < 1.0f
            ? QString(10, u' ') + now + QStringLiteral(" UTC     Created by Karven")
            : QString(20, u' ') + now + QStringLiteral(" UTC") + QString(15, u' ') +
                  QStringLiteral("Created by Karven");
    if (windowTitle() != title)
        setWindowTitle(title);
    m_rate->showFigures(m_entry.rate());
    // Another program logging into the same file shows here within a second.
    if (isVisible() && m_entry.followLog())
        render();
}
