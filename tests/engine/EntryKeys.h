#pragma once

#include "models/QsoEntry.h"

// A key stroke in an entry field as the QSO screen hands it to the model; `replacesText` selects
// the field's whole text first, as the operator does before typing over it.
inline void entryKey(QsoEntry& model, EntryField field, int key, QChar typed = {},
                     Qt::KeyboardModifiers mods = {}, bool replacesText = false) {
    if (replacesText)
        model.select(field, static_cast<int>(model.text(field).size()), 0);
    model.key(field, {key, mods, typed});
}

/// `text` typed key by key into `field`; a blank is the Space key.
inline void entryType(QsoEntry& model, EntryField field, const QString& text) {
    for (QChar c : text)
        entryKey(model, field, c == u' ' ? int(Qt::Key_Space) : c.toUpper().unicode(), c);
}

/// `field` emptied as the operator does it: its text selected, then Delete.
inline void entryClear(QsoEntry& model, EntryField field) {
    entryKey(model, field, Qt::Key_Delete, {}, {}, true);
}
