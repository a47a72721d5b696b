// The set-up screen's station boxes: what each key does in them.
#include "entry/EntryCharacters.h"
#include "logging/Database.h"
#include "refdata/CallsignDb.h"
#include "refdata/CountyTables.h"
#include "screens/FieldKeys.h"
#include "screens/setup/SetupWindow.h"
#include "seams/Dialogs.h"
#include "seams/KeyLine.h"
#include "setup/AppState.h"
#include "setup/ContestCatalog.h"
#include "setup/DateTimeText.h"
#include "setup/LeadingNumber.h"
#include "setup/SettingsFiles.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
// Enter runs `onEnter` and goes no further; other characters become capitals in caps boxes,
// and a character `takes` refuses is not inserted.
FieldKeys::Handlers boxKeys(bool caps, std::function<void()> onEnter,
                            std::function<bool(QChar)> takes = {}) {
    FieldKeys::Handlers h;
    h.keyPress = [caps, onEnter = std::move(onEnter), takes = std::move(takes)](QChar& c) {
        if (c == kEnterChar) {
            onEnter();
            return true;
        }
        if (caps)
            c = c.toUpper();
        return takes && !takes(c);
    };
    return h;
}
} // namespace

void SetupWindow::installBoxKeys() {
    m_keys = new FieldKeys(this);
    // The station's own boxes take what the QSO screen's fields of the same kind take.
    const auto takes = [this](EntryField f) {
        return [this, f](QChar c) { return EntryCharacters::accepts(m_state.contest(), f, c); };
    };
    FieldKeys::Handlers ownCall = boxKeys(
        true, [this] { ownCallEntered(); }, takes(EntryField::Callsign));
    ownCall.keyDown = [](QKeyEvent& e) { return e.key() == Qt::Key_F1; }; // F1 does nothing here
    m_keys->attach(ui.ownCall, ownCall);
    m_keys->attach(ui.ownCounty,
                   boxKeys(
                       true, [this] { ownCountyEntered(); }, takes(EntryField::CountySent)));
    m_keys->attach(ui.sentCode,
                   boxKeys(
                       true, [this] { sentCodeEntered(); }, takes(EntryField::CodeSent)));
    m_keys->attach(ui.utcOffset,
                   boxKeys(false, [this] { ui.ownCounty->setFocus(Qt::OtherFocusReason); }));
    m_keys->attach(ui.startDate, boxKeys(true, [this] { startDateEntered(); }));
    m_keys->attach(ui.startTime, boxKeys(true, [this] { startTimeEntered(); }));
    for (int i = 0; i < 7; ++i)
        m_keys->attach(ui.keyerTexts[i], boxKeys(true, [this, i] { keyerTextEntered(i); }));
    m_keys->attach(ui.portNumber, boxKeys(false, [this] { portEntered(); }));
    // The device follows the number as it is typed, whether the box is left by Enter, Tab or a
    // click.
    connect(ui.portNumber, &QLineEdit::textChanged, this, &SetupWindow::showPortDevice);
}

void SetupWindow::ownCallEntered() {
    const QString typed = ui.ownCall->text();
    m_state.lookupCall = typed.trimmed();
    focusSentCodeOrCall();
    if (m_state.lookupCall.isEmpty()) {
        m_services.dialogs.message(QStringLiteral("Introducere eronata"), windowTitle(),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::None);
        return;
    }
    lookUpOwnCall();
    m_state.settings.myCall = typed.toUpper();
    ui.ownCall->setText(m_state.settings.myCall);
    ui.ownCounty->show();
    ui.ownCountyCaption->show();
    const ContestDef& def = m_state.contest();
    if (def.sentCode != SentCodeRule::RequiredEmpty)
        prefillCallAreaDigit(m_state.lookupCall);
    else if (!def.prefillsExchangeAtStart())
        ui.sentCode->clear();
    focusSentCodeOrCall();
    if (ui.ownCounty->text().isEmpty())
        ui.ownCounty->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::lookUpOwnCall() {
    m_state.lookupCall = m_state.lookupCall.toUpper();
    const std::optional<CallsignRow> row =
        CallsignDb(m_services.callDb).longestPrefix(m_state.lookupCall);
    if (!row) {
        ui.errorLine->setText(QStringLiteral("  ") + m_state.lookupCall +
                              QStringLiteral(" INEXISTENT IN BAZA DE DATE!!"));
        ui.errorLine->setCursorPosition(0); // a narrow box shows the callsign, not the tail
        ui.errorLine->show();
        ui.ownCounty->clear();
        ui.ownCounty->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_state.ownCallRowId = row->id;
    const bool sectors = m_state.contest().log.exchange == ExchangeKind::Sector;
    m_state.settings.myCounty = CountyTables::ownCounty(row->county, sectors);
    ui.ownCounty->setText(m_state.settings.myCounty);
    // An error line left from an earlier call would now be wrong.
    ui.errorLine->hide();
}

void SetupWindow::ownCountyEntered() {
    m_state.settings.myCounty = ui.ownCounty->text().toUpper();
    ui.ownCounty->setText(m_state.settings.myCounty);
    ui.errorLine->hide();
    focusSentCodeOrCall();
}

void SetupWindow::sentCodeEntered() {
    if (!ui.sentCode->text().isEmpty())
        m_state.startCode = leadingNumber(ui.sentCode->text());
    ui.ownCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::startDateEntered() {
    // A text that is no date brings back the last valid one.
    if (const auto date = DateTimeText::parseDate(ui.startDate->text()))
        m_state.nowDate = DateTimeText::formatDate(*date);
    ui.startDate->setText(m_state.nowDate);
    m_state.startDate = m_state.nowDate;
    ui.startTime->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::startTimeEntered() {
    m_state.startTime = ui.startTime->text();
    ui.ownCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::keyerTextEntered(int index) {
    const QString text = ui.keyerTexts[index]->text();
    if (const QString refused =
            SettingsFiles::textTooLong(QStringLiteral("F%1").arg(index + 1), text);
        !refused.isEmpty()) {
        refuse(refused); // the text stays in its box to be shortened
        return;
    }
    m_state.settings.cwTexts[static_cast<size_t>(index)] = text;
    (index < 6 ? ui.keyerTexts[index + 1] : ui.portNumber)->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::portEntered() {
    // A text without a number gives port 0, which opens nothing.
    m_state.settings.comPort = leadingNumber(ui.portNumber->text());
    showPortDevice();
    ui.ownCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::showPortDevice() {
    const int port = leadingNumber(ui.portNumber->text());
    ui.portDevice->setText(port > 0 ? m_services.keyLine.deviceFor(port) : QString());
}
