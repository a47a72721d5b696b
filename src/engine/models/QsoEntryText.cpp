#include "models/QsoEntry.h"

#include "rules/EntryCharacters.h"

// The fields' texts with their cursors and selections, as key strokes and pastes edit them.

namespace {
int at(EntryField f) {
    return static_cast<int>(f);
}
} // namespace

bool QsoEntry::key(EntryField f, const EntryKey& key) {
    // The first two messages take no keys of their own: Enter in them is only a character.
    if (f == messageField(0) || f == messageField(1))
        return edit(f, key, key.typed);
    QChar typed = key.typed;
    const bool taken =
        keyDown(f, key) || (!typed.isNull() && keyPress(f, typed)) || edit(f, key, typed);
    keyUp(f);
    return taken;
}

void QsoEntry::paste(EntryField f, const QString& text) {
    insertText(f, text);
    keyUp(f);
}

void QsoEntry::select(EntryField f, int cursor, int anchor) {
    EditLine l = line(f);
    l.moveTo(anchor, false);
    l.moveTo(cursor, true);
    m_lines[at(f)] = l;
}

bool QsoEntry::doubleClicked(EntryField f) {
    if (f != EntryField::Date && f != EntryField::Time)
        return false;
    field(f).clear();
    return true;
}

void QsoEntry::chooseCallsign(const QString& callsign) {
    field(EntryField::Callsign) = callsign;
    requestFocus(EntryField::Callsign);
    keyUp(EntryField::Callsign); // as typed: the duplicate mark follows it
}

EditLine QsoEntry::line(EntryField f) const {
    const EditLine& l = m_lines[at(f)];
    const QString now = text(f);
    return l.text == now ? l : EditLine::atEnd(now);
}

bool QsoEntry::edit(EntryField f, const EntryKey& key, QChar typed) {
    if (typed.isPrint()) {
        insertText(f, QString(typed));
        return true;
    }
    EditLine l = line(f);
    if (!l.edit(key.key, key.modifiers))
        return false;
    storeLine(f, l);
    return true;
}

void QsoEntry::insertText(EntryField f, const QString& text) {
    // The CW messages hold any text; a field only what its own keys take.
    const QString taken = isMessageField(f) ? text : EntryCharacters::legalText(def(), f, text);
    if (taken.size() != text.size())
        ++m_refusedKeys;
    EditLine l = line(f);
    l.insert(taken, EntryCharacters::maxLength(f));
    storeLine(f, l);
}

void QsoEntry::storeLine(EntryField f, const EditLine& l) {
    const bool edited = l.text != text(f);
    field(f) = l.text;
    m_lines[at(f)] = l;
    if (edited)
        emit textEdited(f, l.text);
}

void QsoEntry::placeCaret(EntryField f, Caret caret, int position) {
    EditLine l = line(f);
    const int size = static_cast<int>(l.text.size());
    switch (caret) {
    case Caret::Keep:
        return;
    case Caret::At:
        l.moveTo(position, false);
        break;
    case Caret::AtEnd:
        l.moveTo(static_cast<int>(l.text.trimmed().size()), false);
        break;
    case Caret::SelectAll:
        l.moveTo(0, false);
        l.moveTo(size, true);
        break;
    case Caret::Middle:
        if (size == 0)
            return;
        l.moveTo(1, false);
        l.moveTo(2, true);
        break;
    }
    m_lines[at(f)] = l;
}

void QsoEntry::moveFocus(EntryField f) {
    if (f != m_focused) {
        EditLine left = line(m_focused);
        left.moveTo(left.cursor, false);
        m_lines[at(m_focused)] = left;
    }
    m_focused = f;
}
