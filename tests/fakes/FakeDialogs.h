#pragma once

#include "base/seams/Dialogs.h"

#include <QList>
#include <QString>

// Records every message box and answers from a script (OK, or Yes for questions, when empty).
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        Icon icon;
    };
    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) override;

    QList<Answer> script;
    QList<Shown> shown;
    /// The texts shown so far, in order.
    QStringList texts() const;
};
