#include "fakes/FakeDialogs.h"

Dialogs::Answer FakeDialogs::message(const QString& text, const QString&, Buttons buttons,
                                     Icon icon) {
    shown.append({text, icon});
    if (!script.isEmpty())
        return script.takeFirst();
    return buttons == Buttons::YesNo ? AnswerYes : AnswerOk;
}

QStringList FakeDialogs::texts() const {
    QStringList out;
    for (const Shown& s : shown)
        out << s.text;
    return out;
}
