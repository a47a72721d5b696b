#pragma once

#include "rules/EditLine.h"
#include "rules/EntryField.h"

#include <QHash>
#include <QObject>
#include <functional>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QsoEntry;

// The QSO screen's fields as views of the entry model, which owns their texts: every key
// stroke, paste and drop goes to the model, and so do the focus, a double click and the cursor
// and selection the mouse moves; the fields show the model's text, cursor and selection.
class EntryFieldInput : public QObject {
    Q_OBJECT
public:
    /// Runs a model action, then shows the model's answers.
    using Act = std::function<void(const std::function<void()>&)>;

    EntryFieldInput(QsoEntry& entry, Act act, QObject* parent);
    void attach(QLineEdit* widget, EntryField field);
    const QHash<QLineEdit*, EntryField>& fields() const { return m_fields; }
    /// Writes the model's text, cursor and selection into every field where they differ.
    void show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(QLineEdit* widget, EntryField field, const QKeyEvent& event);
    void paste(EntryField field, const QString& text);
    void reportSelection(QLineEdit* widget, EntryField field);
    static void showLine(QLineEdit* widget, const EditLine& line);

    QsoEntry& m_entry;
    Act m_act;
    QHash<QLineEdit*, EntryField> m_fields;
    bool m_showing = false; // the fields' own signals are the model's answers being shown
};
