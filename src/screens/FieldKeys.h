#pragma once

#include "rules/EntryField.h"

#include <QChar>
#include <QHash>
#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// The key handling of entry fields, in the order the workflow relies on: a pressed key first
// runs the field's KeyDown logic (key code), then its KeyPress logic (typed character, which it
// may replace, e.g. by its capital), then the field takes the character; a released key runs the
// KeyUp logic. One object serves all the fields of a screen.
class FieldKeys : public QObject {
    Q_OBJECT
public:
    /// One field's logic; any part may be left empty.
    struct Handlers {
        /// The pressed key; returning true swallows it (no KeyPress, the field gets nothing).
        std::function<bool(QKeyEvent&)> keyDown;
        /// The typed character (kEnterChar, '\b', 0x1b for Escape too); may replace it; returning
        /// true swallows it.
        std::function<bool(QChar&)> keyPress;
        /// The released key.
        std::function<void(QKeyEvent&)> keyUp;
    };

    explicit FieldKeys(QObject* parent = nullptr);
    /// Runs `handlers` for every key of `field` from now on, in place of any earlier ones.
    void attach(QWidget* field, const Handlers& handlers);
    /// The character a key event types: kEnterChar for Enter, none for a Ctrl+key, else its
    /// single text character, else null.
    static QChar typedChar(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(QObject* field, const Handlers& handlers, QKeyEvent& event);

    QHash<QObject*, Handlers> m_fields;
    bool m_forwarding = false; // a replaced character is on its way to the field
};
