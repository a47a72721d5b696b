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
    m_keys->attach(ui.TxtMyCall, ownCall);
    m_keys->attach(ui.TxtMyBezirkA,
                   boxKeys(
                       true, [this] { ownCountyEntered(); }, takes(EntryField::CountySent)));
    m_keys->attach(ui.txtContrInit,
                   boxKeys(
                       true, [this] { sentCodeEntered(); }, takes(EntryField::CodeSent)));
    m_keys->attach(ui.TxtTime,
                   boxKeys(false, [this] { ui.TxtMyBezirkA->setFocus(Qt::OtherFocusReason); }));
    m_keys->attach(ui.TxtSD, boxKeys(true, [this] { startDateEntered(); }));
    m_keys->attach(ui.TxtST, boxKeys(true, [this] { startTimeEntered(); }));
    for (int i = 0; i < 7; ++i)
        m_keys->attach(ui.TxtF[i], boxKeys(true, [this, i] { keyerTextEntered(i); }));
    m_keys->attach(ui.TxtCP, boxKeys(false, [this] { portEntered(); }));
    // The device follows the number as it is typed, whether the box is left by Enter, Tab or a
    // click.
    connect(ui.TxtCP, &QLineEdit::textChanged, this, &SetupWindow::showPortDevice);
}

void SetupWindow::ownCallEntered() {
    const QString typed = ui.TxtMyCall->text();
    m_state.lookupCall = typed.trimmed();
    focusSentCodeOrCall();
    if (m_state.lookupCall.isEmpty()) {
        m_services.dialogs.message(QStringLiteral("Introducere eronata"), windowTitle(),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::None);
        return;
    }
    lookUpOwnCall();
    m_state.settings.myCall = typed.toUpper();
    ui.TxtMyCall->setText(m_state.settings.myCall);
    ui.TxtMyBezirkA->show();
    ui.LblBezirk->show();
    const ContestDef& def = m_state.contest();
    if (def.sentCode != SentCodeRule::RequiredEmpty)
        prefillCallAreaDigit(m_state.lookupCall);
    else if (!def.prefillsExchangeAtStart())
        ui.txtContrInit->clear();
    focusSentCodeOrCall();
    if (ui.TxtMyBezirkA->text().isEmpty())
        ui.TxtMyBezirkA->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::lookUpOwnCall() {
    m_state.lookupCall = m_state.lookupCall.toUpper();
    const std::optional<CallsignRow> row =
        CallsignDb(m_services.callDb).longestPrefix(m_state.lookupCall);
    if (!row) {
        ui.TxtEroare->setText(QStringLiteral("  ") + m_state.lookupCall +
                              QStringLiteral(" INEXISTENT IN BAZA DE DATE!!"));
        ui.TxtEroare->setCursorPosition(0); // a narrow box shows the callsign, not the tail
        ui.TxtEroare->show();
        ui.TxtMyBezirkA->clear();
        ui.TxtMyBezirkA->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_state.ownCallRowId = row->id;
    const bool sectors = m_state.contest().log.exchange == ExchangeKind::Sector;
    m_state.settings.myCounty = CountyTables::ownCounty(row->county, sectors);
    ui.TxtMyBezirkA->setText(m_state.settings.myCounty);
    // An error line left from an earlier call would now be wrong.
    ui.TxtEroare->hide();
}

void SetupWindow::ownCountyEntered() {
    m_state.settings.myCounty = ui.TxtMyBezirkA->text().toUpper();
    ui.TxtMyBezirkA->setText(m_state.settings.myCounty);
    ui.TxtEroare->hide();
    focusSentCodeOrCall();
}

void SetupWindow::sentCodeEntered() {
    if (!ui.txtContrInit->text().isEmpty())
        m_state.startCode = leadingNumber(ui.txtContrInit->text());
    ui.TxtMyCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::startDateEntered() {
    // A text that is no date brings back the last valid one.
    if (const auto date = DateTimeText::parseDate(ui.TxtSD->text()))
        m_state.nowDate = DateTimeText::formatDate(*date);
    ui.TxtSD->setText(m_state.nowDate);
    m_state.startDate = m_state.nowDate;
    ui.TxtST->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::startTimeEntered() {
    m_state.startTime = ui.TxtST->text();
    ui.TxtMyCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::keyerTextEntered(int index) {
    const QString text = ui.TxtF[index]->text();
    if (const QString refused =
            SettingsFiles::textTooLong(QStringLiteral("F%1").arg(index + 1), text);
        !refused.isEmpty()) {
        refuse(refused); // the text stays in its box to be shortened
        return;
    }
    m_state.settings.cwTexts[static_cast<size_t>(index)] = text;
    (index < 6 ? ui.TxtF[index + 1] : ui.TxtCP)->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::portEntered() {
    // A text without a number gives port 0, which opens nothing.
    m_state.settings.comPort = leadingNumber(ui.TxtCP->text());
    showPortDevice();
    ui.TxtMyCall->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::showPortDevice() {
    const int port = leadingNumber(ui.TxtCP->text());
    ui.LblPortDev->setText(port > 0 ? m_services.keyLine.deviceFor(port) : QString());
}
