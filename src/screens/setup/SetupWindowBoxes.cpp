// The set-up screen's station boxes: what each key does in them.
#include "base/DateTimeText.h"
#include "base/LeadingNumber.h"
#include "base/SettingsFiles.h"
#include "base/seams/Dialogs.h"
#include "base/seams/KeyLine.h"
#include "rules/ContestCatalog.h"
#include "rules/ContestRun.h"
#include "rules/CountyTables.h"
#include "rules/EntryCharacters.h"
#include "screens/FieldKeys.h"
#include "screens/setup/SetupWindow.h"
#include "store/CallsignDb.h"
#include "store/Database.h"

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
        return [this, f](QChar c) { return EntryCharacters::accepts(run().contest(), f, c); };
    };
    FieldKeys::Handlers ownCall = boxKeys(
        true, [this] { ownCallEntered(); }, takes(EntryField::Callsign));
    ownCall.keyDown = [](QKeyEvent& e) { return e.key() == Qt::Key_F1; }; // F1 does nothing here
    m_keys->attach(ui.ownCall, ownCall);
    m_keys->attach(ui.ownCounty,
                   boxKeys(
                       true, [this] { ownCountyEntered(); }, takes(EntryField::CountySent)));
    const auto toOwnCall = [this] { ui.ownCall->setFocus(Qt::OtherFocusReason); };
    m_keys->attach(ui.sentCode, boxKeys(true, toOwnCall, takes(EntryField::CodeSent)));
    m_keys->attach(ui.utcOffset,
                   boxKeys(false, [this] { ui.ownCounty->setFocus(Qt::OtherFocusReason); }));
    m_keys->attach(ui.startDate, boxKeys(true, [this] { startDateEntered(); }));
    m_keys->attach(ui.startTime, boxKeys(true, toOwnCall));
    for (int i = 0; i < 7; ++i)
        m_keys->attach(ui.keyerTexts[i], boxKeys(true, [this, i] { keyerTextEntered(i); }));
    m_keys->attach(ui.portNumber, boxKeys(false, [this] { portEntered(); }));
    // The device follows the number as it is typed, whether the box is left by Enter, Tab or a
    // click.
    connect(ui.portNumber, &QLineEdit::textChanged, this, &SetupWindow::showPortDevice);
}

void SetupWindow::ownCallEntered() {
    const QString typed = ui.ownCall->text();
    const QString call = typed.trimmed().toUpper();
    focusSentCodeOrCall();
    if (call.isEmpty()) {
        m_services.dialogs.tell(
            {QStringLiteral("Introducere eronata"), Dialogs::Icon::None, windowTitle()});
        return;
    }
    lookUpOwnCall(call);
    ui.ownCall->setText(typed.toUpper());
    const ContestDef& def = run().contest();
    if (def.sentCode != SentCodeRule::RequiredEmpty)
        prefillCallAreaDigit(call);
    else if (!def.prefillsExchangeAtStart())
        ui.sentCode->clear();
    focusSentCodeOrCall();
    if (ui.ownCounty->text().isEmpty())
        ui.ownCounty->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::lookUpOwnCall(const QString& call) {
    const std::optional<CallsignRow> row = CallsignDb(m_services.callDb).longestPrefix(call);
    if (!row) {
        ui.errorLine->setText(QStringLiteral("  ") + call +
                              QStringLiteral(" INEXISTENT IN BAZA DE DATE!!"));
        ui.errorLine->setCursorPosition(0); // a narrow box shows the callsign, not the tail
        m_model.ownCallLookedUp(false);
        render();
        ui.ownCounty->clear();
        ui.ownCounty->setFocus(Qt::OtherFocusReason);
        return;
    }
    const bool sectors = run().contest().log.exchange == ExchangeKind::Sector;
    ui.ownCounty->setText(CountyTables::ownCounty(row->county, sectors));
    // An error line left from an earlier call would now be wrong.
    m_model.ownCallLookedUp(true);
    render();
}

void SetupWindow::ownCountyEntered() {
    ui.ownCounty->setText(ui.ownCounty->text().toUpper());
    m_model.ownCountyTyped();
    render();
    focusSentCodeOrCall();
}

void SetupWindow::startDateEntered() {
    // A text that is no date brings back the last valid one.
    ui.startDate->setText(m_model.typedStartDate(ui.startDate->text()));
    ui.startTime->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::keyerTextEntered(int index) {
    const QString text = ui.keyerTexts[index]->text();
    if (const QString refused =
            SettingsFiles::textTooLong(QStringLiteral("F%1").arg(index + 1), text);
        !refused.isEmpty()) {
        refuse(refused); // the text stays in its box to be shortened
        return;
    }
    (index < 6 ? ui.keyerTexts[index + 1] : ui.portNumber)->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::portEntered() {
    showPortDevice();
    ui.ownCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::showPortDevice() {
    const int port = leadingNumber(ui.portNumber->text());
    ui.portDevice->setText(port > 0 ? m_services.keyLine.deviceFor(port) : QString());
}
