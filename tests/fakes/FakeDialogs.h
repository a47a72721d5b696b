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
    Answer message(const QString& text, const QString&, Buttons buttons, Icon icon) override {
        shown.append({text, icon});
        if (!script.isEmpty())
            return script.takeFirst();
        return buttons == Buttons::YesNo ? AnswerYes : AnswerOk;
    }

    QList<Answer> script;
    QList<Shown> shown;
    /// The texts shown so far, in order.
    QStringList texts() const {
        QStringList out;
        for (const Shown& s : shown)
            out << s.text;
        return out;
    }
};
