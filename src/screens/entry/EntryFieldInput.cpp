#include "screens/entry/EntryFieldInput.h"

#include "models/QsoEntry.h"
#include "screens/FieldKeys.h"
#include "screens/Widgets.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace {
// The other end of a field's selection; its cursor when nothing is selected.
int anchorOf(const QLineEdit* widget) {
    const int cursor = widget->cursorPosition();
    if (!widget->hasSelectedText())
        return cursor;
    return cursor == widget->selectionStart() ? widget->selectionEnd() : widget->selectionStart();
}
} // namespace

EntryFieldInput::EntryFieldInput(QsoEntry& entry, Act act, QObject* parent)
    : QObject(parent), m_entry(entry), m_act(std::move(act)) {}

void EntryFieldInput::attach(QLineEdit* widget, EntryField field) {
    m_fields.insert(widget, field);
    widget->installEventFilter(this);
    // Its own menu would edit the text behind the model's back.
    widget->setContextMenuPolicy(Qt::NoContextMenu);
    const auto report = [this, widget, field] { reportSelection(widget, field); };
    connect(widget, &QLineEdit::cursorPositionChanged, this, report);
    connect(widget, &QLineEdit::selectionChanged, this, report);
}

void EntryFieldInput::show() {
    const QScopedValueRollback showing(m_showing, true);
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        showLine(it.key(), m_entry.line(it.value()));
}

void EntryFieldInput::showLine(QLineEdit* widget, const EditLine& line) {
    Widgets::showText(widget, line.text);
    if (widget->cursorPosition() == line.cursor && anchorOf(widget) == line.anchor)
        return;
    if (line.hasSelection())
        widget->setSelection(line.anchor, line.cursor - line.anchor);
    else
        widget->setCursorPosition(line.cursor);
}

void EntryFieldInput::reportSelection(QLineEdit* widget, EntryField field) {
    if (!m_showing)
        m_entry.select(field, widget->cursorPosition(), anchorOf(widget));
}

void EntryFieldInput::paste(EntryField field, const QString& text) {
    m_act([&] { m_entry.paste(field, text); });
}

bool EntryFieldInput::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QLineEdit*>(watched);
    const auto it = m_fields.constFind(widget);
    if (it == m_fields.constEnd())
        return QObject::eventFilter(watched, event);
    const EntryField field = it.value();
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(widget, field, static_cast<QKeyEvent&>(*event));
    case QEvent::FocusIn:
        m_act([&] { m_entry.focusEntered(field); });
        return false;
    case QEvent::MouseButtonDblClick: {
        bool emptied = false;
        m_act([&] { emptied = m_entry.doubleClicked(field); });
        return emptied;
    }
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(*event);
        if (!drop.mimeData()->hasText())
            return false;
        const int at = widget->cursorPositionAt(drop.position().toPoint());
        m_entry.select(field, at, at);
        paste(field, drop.mimeData()->text());
        drop.acceptProposedAction();
        return true;
    }
    case QEvent::MouseButtonRelease:
        // The middle button pastes the text selected elsewhere, where the platform has one.
        if (static_cast<QMouseEvent&>(*event).button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        paste(field, QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    case QEvent::InputMethod: {
        // A character composed by the input method arrives as its committed text.
        const auto& input = static_cast<QInputMethodEvent&>(*event);
        if (input.commitString().isEmpty())
            return false;
        paste(field, input.commitString());
        return true;
    }
    default:
        return false;
    }
}

bool EntryFieldInput::keyPressed(QLineEdit* widget, EntryField field, const QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste)) {
        paste(field, QGuiApplication::clipboard()->text());
        return true;
    }
    if (event.matches(QKeySequence::Cut)) {
        if (widget->hasSelectedText()) {
            QGuiApplication::clipboard()->setText(widget->selectedText());
            paste(field, QString());
        }
        return true;
    }
    // The model keeps no history and deletes no words: the field must not either.
    for (const QKeySequence::StandardKey own :
         {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
          QKeySequence::DeleteCompleteLine})
        if (event.matches(own))
            return true;
    const QChar typed = FieldKeys::typedChar(event);
    if (typed.isNull() && event.text().size() > 1 && event.text().front().isPrint()) {
        paste(field, event.text()); // a key that types more than one character at once
        return true;
    }
    bool taken = false;
    m_act([&] { taken = m_entry.key(field, {event.key(), event.modifiers(), typed}); });
    return taken;
}
