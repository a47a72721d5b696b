#include "rules/EditLine.h"

#include <algorithm>

EditLine EditLine::atEnd(const QString& text) {
    const int end = static_cast<int>(text.size());
    return {text, end, end};
}

bool EditLine::insert(const QString& typed, int maxLength) {
    const QString before = text;
    remove(cursor, 0);
    const int room = maxLength > 0 ? std::max(0, maxLength - static_cast<int>(text.size()))
                                   : static_cast<int>(typed.size());
    const QString taken = typed.left(room);
    text.insert(cursor, taken);
    moveTo(cursor + static_cast<int>(taken.size()), false);
    return text != before;
}

void EditLine::moveTo(int position, bool select) {
    cursor = std::clamp(position, 0, static_cast<int>(text.size()));
    if (!select)
        anchor = cursor;
}

void EditLine::remove(int from, int count) {
    if (hasSelection()) {
        from = selectionStart();
        count = selectionEnd() - from;
    }
    from = std::clamp(from, 0, static_cast<int>(text.size()));
    text.remove(from, count);
    moveTo(from, false);
}

bool EditLine::edit(int key, Qt::KeyboardModifiers modifiers) {
    // Shift only selects: a key with any other modifier is not one of these.
    if (modifiers & ~Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Backspace:
        remove(cursor - 1, cursor > 0 ? 1 : 0);
        return true;
    case Qt::Key_Delete:
        if (shift)
            return false; // Shift+Delete cuts
        remove(cursor, 1);
        return true;
    case Qt::Key_Left:
        // A selection left without Shift leaves the cursor at its side of the text.
        moveTo(hasSelection() && !shift ? selectionStart() : cursor - 1, shift);
        return true;
    case Qt::Key_Right:
        moveTo(hasSelection() && !shift ? selectionEnd() : cursor + 1, shift);
        return true;
    case Qt::Key_Home:
        moveTo(0, shift);
        return true;
    case Qt::Key_End:
        moveTo(static_cast<int>(text.size()), shift);
        return true;
    default:
        return false;
    }
}
