#include "screens/entry/PastedText.h"

#include "rules/ContestRun.h"
#include "rules/EntryCharacters.h"

#include <QApplication>

PastedText::PastedText(const ContestRun& run, EntryField field, QObject* parent)
    : QValidator(parent), m_run(run), m_field(field) {}

QValidator::State PastedText::validate(QString& input, int& pos) const {
    const auto legal = [this](const QString& text) {
        return EntryCharacters::legalText(m_run.contest(), m_field, text);
    };
    const QString taken = legal(input);
    if (taken == input)
        return Acceptable;
    if (taken.size() != input.size())
        QApplication::beep();
    pos = static_cast<int>(legal(input.left(pos)).size());
    input = taken;
    return Acceptable;
}
