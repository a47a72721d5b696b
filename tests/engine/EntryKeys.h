#pragma once

#include "models/QsoEntry.h"
#include "rules/EntryCharacters.h"

// The keys of an entry field as the QSO screen's line edit hands them to the model: pressed,
// typed unless swallowed (the model may replace the character), taken by the field up to its
// length (in place of a selected text), released.
inline void entryKey(QsoEntry& model, EntryField field, int key, QChar typed = {},
                     Qt::KeyboardModifiers mods = {}, bool replacesText = false) {
    if (!model.keyDown(field, {key, mods, typed}) && !typed.isNull()) {
        QChar c = typed;
        if (!model.keyPress(field, c) && c != kEnterChar) {
            const QString now = replacesText ? QString() : model.text(field);
            const int longest = EntryCharacters::maxLength(field);
            if (longest == 0 || now.size() < longest)
                model.setText(field, now + c);
        }
    }
    model.keyUp(field);
}

/// `text` typed key by key into `field`; a blank is the Space key.
inline void entryType(QsoEntry& model, EntryField field, const QString& text) {
    for (QChar c : text)
        entryKey(model, field, c == u' ' ? int(Qt::Key_Space) : c.toUpper().unicode(), c);
}
