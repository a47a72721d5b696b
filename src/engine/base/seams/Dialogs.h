#pragma once

#include <QString>

// Message boxes as the operator sees them. The answer codes follow the classic message-box
// numbering the program's confirmations rely on (6 = Yes). Everything shown goes through tell,
// ask and confirm; `message` is what a platform implements.
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Exclamation, Question, Information, Critical };
    enum Answer { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

    /// Something to say in a box with OK.
    struct Notice {
        QString text;
        Icon icon = Icon::Exclamation;
        QString title = QStringLiteral("VELT");
    };

    virtual ~Dialogs() = default;

    void tell(const Notice& notice) {
        message(notice.text, notice.title, Buttons::Ok, notice.icon);
    }
    /// A question with Yes and No; true for Yes.
    bool ask(const QString& question, const QString& title, Icon icon = Icon::Question) {
        return message(question, title, Buttons::YesNo, icon) == AnswerYes;
    }
    /// A box with OK and Cancel; true for OK.
    bool confirm(const Notice& notice) {
        return message(notice.text, notice.title, Buttons::OkCancel, notice.icon) == AnswerOk;
    }

protected:
    /// Shows a message box and returns the button the operator chose.
    virtual Answer message(const QString& text, const QString& title, Buttons buttons,
                           Icon icon) = 0;
};
