#pragma once

#include <QString>

// Message boxes as the operator sees them. The answer codes follow the classic message-box
// numbering the program's confirmations rely on (6 = Yes).
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Exclamation, Question, Information, Critical };
    enum Answer { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

    virtual ~Dialogs() = default;
    /// Shows a message box and returns the button the operator chose.
    virtual Answer message(const QString& text, const QString& title, Buttons buttons,
                           Icon icon) = 0;
};
