#pragma once

#include "rules/EntryField.h"

#include <QValidator>

class ContestRun;

// Text pasted or dropped into an entry field passes the field's own character rule, as a typed
// key does: upper case, and the characters it refuses left out with a beep.
class PastedText : public QValidator {
public:
    PastedText(const ContestRun& run, EntryField field, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    const ContestRun& m_run;
    EntryField m_field;
};
