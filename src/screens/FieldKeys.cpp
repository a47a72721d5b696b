#include "screens/FieldKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWidget>

FieldKeys::FieldKeys(QObject* parent) : QObject(parent) {}

void FieldKeys::attach(QWidget* field, const Handlers& handlers) {
    if (!m_fields.contains(field)) {
        field->installEventFilter(this);
        connect(field, &QObject::destroyed, this, [this, field] { m_fields.remove(field); });
    }
    m_fields.insert(field, handlers);
}

QChar FieldKeys::typedChar(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return kEnterChar;
    // Ctrl+V and the other editing keys are commands, whatever text the platform gives them.
    if ((event.modifiers() & Qt::ControlModifier) && !(event.modifiers() & Qt::AltModifier))
        return {};
    return event.text().size() == 1 ? event.text().at(0) : QChar();
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event) {
    if (m_forwarding)
        return false;
    const auto it = m_fields.constFind(watched);
    if (it == m_fields.constEnd())
        return QObject::eventFilter(watched, event);
    // A copy: a handler may attach the field anew while it runs.
    const Handlers handlers = *it;
    if (event->type() == QEvent::KeyPress)
        return keyPressed(watched, handlers, static_cast<QKeyEvent&>(*event));
    if (event->type() == QEvent::KeyRelease && handlers.keyUp)
        handlers.keyUp(static_cast<QKeyEvent&>(*event));
    return false;
}

bool FieldKeys::keyPressed(QObject* field, const Handlers& handlers, QKeyEvent& event) {
    if (handlers.keyDown && handlers.keyDown(event))
        return true;
    const QChar typed = typedChar(event);
    if (typed.isNull() || !handlers.keyPress)
        return false;
    QChar c = typed;
    if (handlers.keyPress(c))
        return true;
    if (c == typed)
        return false;
    // The field takes the replaced character in place of the typed one.
    QKeyEvent replaced(QEvent::KeyPress, event.key(), event.modifiers(), QString(c),
                       event.isAutoRepeat(), static_cast<quint16>(event.count()));
    const QScopedValueRollback forwarding(m_forwarding, true);
    QCoreApplication::sendEvent(field, &replaced);
    return true;
}
