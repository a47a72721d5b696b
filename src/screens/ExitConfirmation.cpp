#include "screens/ExitConfirmation.h"

#include "base/seams/Dialogs.h"

bool exitConfirmed(Dialogs& dialogs) {
    return dialogs.message(QStringLiteral("VRETI INTRADEVAR SA IESITI DIN PROGRAM ?"),
                           QStringLiteral("EXIT"), Dialogs::Buttons::YesNo,
                           Dialogs::Icon::Question) == Dialogs::AnswerYes;
}
