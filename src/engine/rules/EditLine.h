#pragma once

#include <QString>
#include <Qt>
#include <algorithm>

/// A line of text as an entry field holds it while it is edited: the text, the cursor and the
/// other end of the selection (at the cursor when nothing is selected).
struct EditLine {
    QString text;
    int cursor = 0;
    int anchor = 0;

    /// `text` with the cursor after it and nothing selected, as a field shows a text it is given.
    static EditLine atEnd(const QString& text);
    bool hasSelection() const { return cursor != anchor; }
    int selectionStart() const { return std::min(cursor, anchor); }
    int selectionEnd() const { return std::max(cursor, anchor); }
    /// `typed` in place of the selection, else at the cursor, cut to what fits in `maxLength`
    /// characters (0: no limit); the cursor after it. False when nothing changed.
    bool insert(const QString& typed, int maxLength);
    /// The cursor to `position` (kept within the text); `select` keeps the other end where it is.
    void moveTo(int position, bool select);
    /// Backspace, Delete, Left, Right, Home and End, Shift selecting; false for any other key.
    bool edit(int key, Qt::KeyboardModifiers modifiers);

    bool operator==(const EditLine&) const = default;

private:
    /// The selection, else `count` characters from `from`, taken out.
    void remove(int from, int count);
};
