#include "models/QsoEntry.h"

#include "base/DateTimeText.h"
#include "models/OffLineStamp.h"
#include "rules/CountyTables.h"
#include "rules/EntryCharacters.h"

#include <QRegularExpression>
#include <utility>

// The keys of the entry fields, in the order a key arrives: pressed (its key code), typed (its
// character, which may be replaced or swallowed) and released.

namespace {
const QString kBadDate = QStringLiteral("DATA INCORECT INTRODUSA . INTRODUCETI DATA CORECT !");
const QString kBadTime = QStringLiteral("ORA INCORECT INTRODUSA . INTRODUCETI ORA CORECT !");

bool isFunctionKey(int key) {
    return key >= Qt::Key_F1 && key <= Qt::Key_F7;
}

bool isSentField(EntryField f) {
    return f == EntryField::RstSent || f == EntryField::CodeSent || f == EntryField::CountySent;
}

// The trimmed text cut to `n` characters, with the blanks among them dropped.
QString squeezed(const QString& text, int n) {
    QString s = text.trimmed().left(n);
    s.remove(u' ');
    return s;
}
} // namespace

// ---- key dispatch ----

bool QsoEntry::keyDown(EntryField f, const EntryKey& key) {
    m_pressedKey = key.key;
    if (!key.typed.isNull() || key.key == Qt::Key_Backspace || key.key == Qt::Key_Delete)
        ++m_typed;
    // An Alt+key that nothing on the screen took is never a character.
    if (key.alt() && key.typed.isPrint())
        return true;
    if (f == EntryField::PauseCw || f == EntryField::PauseSsb)
        return key.key == Qt::Key_F1;
    if (isMessageField(f))
        return false;
    if (f == EntryField::Date || f == EntryField::Time)
        return separatorKey(f, key);
    if (isSentField(f)) {
        if (key.key != Qt::Key_Tab)
            return false;
        if (f == EntryField::CodeSent && text(EntryField::Callsign).trimmed().size() > 2)
            requestFocus(EntryField::RstSent, Caret::Middle);
        else if (f == EntryField::RstSent)
            requestFocus(EntryField::Callsign, Caret::SelectAll);
        return true;
    }
    if (f != EntryField::RstReceived && altKeys(key))
        return true;
    if (key.key == Qt::Key_Escape || key.key == Qt::Key_End)
        abortKeying();
    if (f == EntryField::Callsign)
        return callsignKeyDown(key);
    if (key.key == Qt::Key_Tab) {
        // Tab goes back along the received fields, then to the code sent.
        if (f == EntryField::RstReceived)
            requestFocus(EntryField::CodeSent, Caret::SelectAll);
        else if (f == EntryField::CodeReceived)
            requestFocus(EntryField::RstReceived, Caret::Middle);
        else {
            takeClubWord();
            requestFocus(EntryField::CodeReceived, Caret::SelectAll);
        }
        return true;
    }
    if (isFunctionKey(key.key) && !key.alt())
        functionKey(f, key.key - Qt::Key_F1 + 1);
    return isFunctionKey(key.key);
}

bool QsoEntry::keyPress(EntryField f, QChar& typed) {
    typed = typed.toUpper();
    if (!EntryCharacters::accepts(def(), f, typed)) {
        m_pressedKey = 0;
        ++m_refusedKeys;
        return true;
    }
    // Space moves on only when it was pressed as a key of its own in this field.
    const bool space = typed == u' ' && m_pressedKey == Qt::Key_Space;
    m_pressedKey = 0;
    switch (f) {
    case EntryField::Callsign:
        return callsignKeyPress(typed, space);
    case EntryField::RstReceived:
        m_cwRepeat.stopRepeat();
        return spaceMovesToCallsign(space) || (typed == kEnterChar && enterKey());
    case EntryField::CodeReceived:
        return codeKeyPress(typed, space);
    case EntryField::CountyReceived:
        return countyKeyPress(typed, space);
    case EntryField::RstSent:
    case EntryField::CodeSent:
    case EntryField::CountySent:
        return spaceMovesToCallsign(space) || (typed == kEnterChar && enterKey());
    case EntryField::Date:
        if (typed == kEnterChar)
            return enterKey();
        m_moves.logArmed = false;
        m_dateTyped = typed.isPrint() && !space;
        return space && dateKeyPress();
    case EntryField::Time:
        return typed == kEnterChar ? enterKey() : timeKeyPress(space);
    case EntryField::PauseCw:
    case EntryField::PauseSsb:
        // The pause is typed from the callsign field, a character at a time.
        if (phase() != EntryPhase::Closed)
            requestFocus(EntryField::Callsign, Caret::AtEnd);
        return false;
    default:
        break;
    }
    // A CW message box: Enter keeps the text and goes to the next one.
    const int index = messageIndex(f);
    if (typed != kEnterChar)
        return false;
    m_run.keepCwText(index, m_messages[index]);
    if (f < EntryField::Message7)
        requestFocus(static_cast<EntryField>(static_cast<int>(f) + 1));
    else
        requestFocus(EntryField::Callsign, Caret::AtEnd);
    return true;
}

void QsoEntry::keyUp(EntryField f) {
    if (f == EntryField::CodeReceived)
        codeKeyUp();
    else if (f == EntryField::CountyReceived)
        countyKeyUp();
    else if (f == EntryField::Date && std::exchange(m_dateTyped, false) && dateWhole(text(f)))
        acceptDate();
    else if (f == EntryField::Time && m_run.offLine() && m_focused == EntryField::Time &&
             text(f).trimmed().size() >= 5)
        acceptTime();
    else if (f == EntryField::Callsign && m_engine.contact().checked)
        showDupe(m_engine.checkDuplicate()); // the mark follows the callsign as typed
}

void QsoEntry::focusEntered(EntryField f) {
    moveFocus(f);
    if (f == EntryField::CodeReceived) {
        squeezeCallsign();
    } else if (f == EntryField::Callsign) {
        squeezeFields();
    }
    if (f == EntryField::RstReceived || f == EntryField::CodeReceived || f == EntryField::Date ||
        f == EntryField::Time)
        m_moves.logArmed = false;
}

bool QsoEntry::spaceMovesToCallsign(bool space) {
    if (!space)
        return false;
    m_moves.logArmed = true;
    requestFocus(EntryField::Callsign, Caret::AtEnd);
    return true;
}

bool QsoEntry::altKeys(const EntryKey& key) {
    if (!key.alt())
        return false;
    switch (key.key) {
    case Qt::Key_F2:
        correctLastContact();
        return true;
    case Qt::Key_F3:
        return transmitLastReport();
    case Qt::Key_F4:
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
        return true;
    case Qt::Key_F8:
        field(EntryField::RstReceived).clear();
        requestFocus(EntryField::RstReceived);
        return true;
    case Qt::Key_F9:
        field(EntryField::CodeReceived).clear();
        requestFocus(EntryField::CodeReceived);
        return true;
    case Qt::Key_F10:
        field(EntryField::CountyReceived).clear();
        requestFocus(EntryField::CountyReceived);
        return true;
    default:
        return false;
    }
}

void QsoEntry::functionKey(EntryField f, int n) {
    // A key pressed while a message goes out is taken now; its message goes after that one.
    if (isCw() && m_run.keyer().cwByPc && !m_run.offLine())
        cwFunctionKey(n, f);
    else if (!isCw() && m_run.keyer().playsVoice() && !m_run.offLine())
        voiceFunctionKey(n, f);
    else if (m_run.offLine())
        offLineKey(n);
}

void QsoEntry::offLineKey(int n) {
    QString& date = field(EntryField::Date);
    QString& time = field(EntryField::Time);
    if (n == 2) {
        const QString t = date.trimmed();
        if (t.size() == 8)
            date = t.right(6);
        else if (t.size() == 10)
            date = t.right(8);
        requestFocus(EntryField::Date, Caret::At, 0);
    } else if (n == 3) {
        time = time.left(3);
        requestFocus(EntryField::Time, Caret::At, 3);
    } else if (n == 4) {
        time = time.right(3);
        requestFocus(EntryField::Time, Caret::At, 0);
    }
}

// ---- the callsign field ----

bool QsoEntry::callsignKeyDown(const EntryKey& key) {
    const QString call = text(EntryField::Callsign).trimmed();
    if (key.key == Qt::Key_Space && call.size() < 3)
        m_pressedKey = 0; // a space in a short callsign is only a blank
    bool swallow = key.key == Qt::Key_F1 && !key.alt();
    switch (key.key) {
    case Qt::Key_Tab:
        if (call.size() > 2) {
            acceptCallsign();
            requestFocus(EntryField::CountyReceived, Caret::SelectAll);
        }
        swallow = true;
        break;
    case Qt::Key_F12:
    case Qt::Key_Insert:
        enterKey();
        swallow = true;
        break;
    case Qt::Key_Escape:
        if (!text(EntryField::CodeReceived).isEmpty() &&
            !text(EntryField::CountyReceived).isEmpty())
            requestFocus(EntryField::Callsign, Caret::AtEnd);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        changeCwSpeed(key.key == Qt::Key_PageUp);
        swallow = true;
        break;
    default:
        break;
    }
    if (isFunctionKey(key.key) && !key.alt())
        functionKey(EntryField::Callsign, key.key - Qt::Key_F1 + 1);
    return swallow || isFunctionKey(key.key);
}

bool QsoEntry::callsignKeyPress(QChar c, bool space) {
    stopRepeats();
    if (c == kEnterChar)
        return enterKey();
    if (space) {
        const bool zodiac = def().log.exchange == ExchangeKind::Zodiac;
        const bool exchangeThere = zodiac ? text(EntryField::CountyReceived).size() > 2
                                          : text(EntryField::CodeReceived).size() > 2;
        if (!exchangeThere)
            acceptCallsign();
        return true;
    }
    if (c.unicode() < 32)
        return false;
    QString beginning = text(EntryField::Callsign).trimmed();
    const ushort code = c.unicode();
    if (code == '/' || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        beginning += c;
    refreshGrid(beginning, GridChange::View);
    return false;
}

// ---- the received code and county ----

void QsoEntry::padReceivedCode() {
    if (!def().log.padsReceivedCode())
        return;
    QString& code = field(EntryField::CodeReceived);
    const QString t = code.trimmed();
    if (t.size() == 1 || t.size() == 2)
        code = t.rightJustified(3, u'0');
}

void QsoEntry::codeMovesOn(bool pad, bool selectCounty) {
    if (pad)
        padReceivedCode();
    const QString county = text(EntryField::CountyReceived);
    if (!county.isEmpty()) {
        if (selectCounty)
            requestFocus(EntryField::CountyReceived, Caret::SelectAll);
        else
            requestFocus(EntryField::CountyReceived, Caret::At, static_cast<int>(county.size()));
    } else {
        m_moves.logArmed = false;
        requestFocus(EntryField::CountyReceived);
    }
    m_moves.dupeAnswered = false; // a duplicate is shown as such again
}

bool QsoEntry::enterKey() {
    // A contact in hand is logged when whole, else the reason is shown; never nothing.
    if (phase() != EntryPhase::Closed && m_engine.held())
        logContact();
    return true;
}

bool QsoEntry::codeKeyPress(QChar c, bool space) {
    stopRepeats();
    m_moves.logArmed = true;
    if (space) {
        codeMovesOn(true, true);
        return true;
    }
    return c == kEnterChar && enterKey();
}

void QsoEntry::codeKeyUp() {
    QString& code = field(EntryField::CodeReceived);
    code = code.trimmed();
    if (const Outcome<bool> changed = m_engine.codeChanged(code); !changed)
        message(changed.error());
    const ExchangeKind exchange = def().log.exchange;
    const int full = exchange == ExchangeKind::Zodiac ? 2 : 3;
    if (code.size() == full && m_focused == EntryField::CodeReceived)
        codeMovesOn(false, exchange != ExchangeKind::Name); // a name is typed after, not replaced
}

void QsoEntry::takeClubWord() {
    QString& county = field(EntryField::CountyReceived);
    county = m_engine.clubWordFor(county.trimmed());
}

void QsoEntry::countyMovesOn() {
    m_moves.logArmed = true;
    m_engine.countyChanged(text(EntryField::CountyReceived).trimmed());
    if (const Outcome<bool> mult = m_engine.checkMultiplier(); !mult)
        message(mult.error());
    requestFocus(EntryField::Callsign, Caret::AtEnd);
}

bool QsoEntry::countyKeyPress(QChar c, bool space) {
    if (space && text(EntryField::CountyReceived).trimmed().isEmpty())
        return true; // nothing to move on with: the cursor stays for the county
    if ((space || c == kEnterChar) && !text(EntryField::CountyReceived).trimmed().isEmpty())
        takeClubWord();
    if (space) {
        if (countyAccepted())
            countyMovesOn();
        return true;
    }
    return c == kEnterChar && enterKey();
}

void QsoEntry::countyKeyUp() {
    if (m_focused != EntryField::CountyReceived)
        return;
    QString& field = this->field(EntryField::CountyReceived);
    const QString county = field.trimmed();
    field = county;
    m_engine.countyChanged(county);
    const LogRules& rules = def().log;
    const int full = rules.exchange == ExchangeKind::Zodiac ? 3 : 2;
    if (rules.countyWaitsForWholeWord() || county.size() < full)
        return;
    if (countyAccepted())
        countyMovesOn();
}

bool QsoEntry::countyAccepted() {
    QString& county = field(EntryField::CountyReceived);
    const CountyCheck check =
        CountyTables::checkCounty(def(), text(EntryField::Callsign).trimmed(), county.trimmed());
    county = check.text;
    if (!check.accepted) {
        message(check.message, false);
        requestFocus(EntryField::CountyReceived);
    }
    return check.accepted;
}

// ---- blanks ----

void QsoEntry::squeezeCallsign() {
    m_moves.logArmed = false;
    QString call = text(EntryField::Callsign).left(15);
    call.remove(u' ');
    field(EntryField::Callsign) = call.trimmed();
}

void QsoEntry::squeezeFields() {
    if (text(EntryField::Callsign).trimmed().size() < 3)
        return;
    const int county = def().log.exchange == ExchangeKind::Name ? 10 : 5;
    const std::pair<EntryField, int> fields[] = {
        {EntryField::RstSent, 5},         {EntryField::CodeSent, 5},
        {EntryField::CountySent, county}, {EntryField::RstReceived, 5},
        {EntryField::CodeReceived, 5},    {EntryField::CountyReceived, county},
        {EntryField::Date, 10},           {EntryField::Time, 7}};
    for (const auto& [f, n] : fields)
        field(f) = squeezed(field(f), n);
}

// ---- date and time ----

void QsoEntry::moveOnOffLine() {
    if (text(EntryField::CodeReceived).trimmed().isEmpty())
        requestFocus(EntryField::CodeReceived, Caret::AtEnd);
    else
        requestFocus(EntryField::Callsign, Caret::AtEnd);
}

void QsoEntry::badDateOrTime(EntryField f, const QString& text) {
    message(text);
    field(f) = QStringLiteral(" ");
    requestFocus(f);
}

bool QsoEntry::separatorKey(EntryField f, const EntryKey& key) {
    // The dots and the colon go in by themselves, before a digit typed where one belongs, and
    // go out with the digit before them, so Backspace never meets one alone.
    const bool date = f == EntryField::Date;
    const QChar separator = date ? u'.' : u':';
    const auto belongsAt = [date](qsizetype n) { return n == 2 || (date && n == 5); };
    QString& text = field(f);
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    if (key.key == Qt::Key_Backspace && n > 0 && t.back() == separator && belongsAt(n - 1)) {
        text = t.left(n - 2);
        requestFocus(f, Caret::At, static_cast<int>(n - 2));
        return true;
    }
    if (key.typed.isDigit() && belongsAt(n)) {
        text = t + separator;
        requestFocus(f, Caret::At, static_cast<int>(n + 1));
    }
    return false;
}

bool QsoEntry::dateWhole(const QString& text) {
    // "dd.mm.yy", or "dd.mm.yyyy" where the field held one: the day retyped after F2 is checked
    // with its second digit, never with its first.
    static const QRegularExpression whole(QStringLiteral(R"(^\d\d\.\d\d\.\d\d(\d\d)?$)"));
    return whole.match(text.trimmed()).hasMatch();
}

void QsoEntry::acceptDate() {
    const auto parsed = DateTimeText::parseDate(text(EntryField::Date));
    requestFocus(EntryField::Callsign, Caret::AtEnd);
    if (!parsed) {
        badDateOrTime(EntryField::Date, kBadDate);
        return;
    }
    field(EntryField::Date) = DateTimeText::formatDate(*parsed);
    m_moves.dateTyped = true;
    if (!m_run.offLine())
        return;
    if (text(EntryField::Time).trimmed().isEmpty())
        requestFocus(EntryField::Time);
    else
        moveOnOffLine();
}

bool QsoEntry::dateKeyPress() {
    m_moves.logArmed = true;
    const auto parsed = DateTimeText::parseDate(text(EntryField::Date));
    if (!parsed) {
        badDateOrTime(EntryField::Date, kBadDate);
        return true;
    }
    field(EntryField::Date) = DateTimeText::formatDate(*parsed);
    m_moves.dateTyped = true;
    requestFocus(EntryField::Callsign, Caret::AtEnd);
    return true;
}

void QsoEntry::acceptTime() {
    const auto parsed = DateTimeText::parseTime(text(EntryField::Time));
    if (!parsed) {
        badDateOrTime(EntryField::Time, kBadTime);
        return;
    }
    field(EntryField::Time) = DateTimeText::formatTime(*parsed);
    if (m_run.offLine()) {
        // A date the operator typed stays; the offered one follows the paper log past midnight.
        QString& date = field(EntryField::Date);
        if (!m_moves.dateTyped && date.trimmed() == m_run.startDate().trimmed())
            date =
                OffLineStamp::dateFor(m_run.startDate(), m_run.startTime(), text(EntryField::Time));
        moveOnOffLine();
    } else
        requestFocus(EntryField::Callsign, Caret::AtEnd);
}

bool QsoEntry::timeKeyPress(bool space) {
    m_moves.logArmed = space;
    if (space) {
        acceptTime();
        return true;
    }
    return false;
}
