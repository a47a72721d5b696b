#include "screens/Message10.h"

#include "seams/Dialogs.h"

bool Message10(Dialogs& dialogs) {
    return dialogs.message(QStringLiteral("VRETI INTRADEVAR SA IESITI DIN PROGRAM ?"),
                           QStringLiteral("EXIT"), Dialogs::Buttons::YesNo,
                           Dialogs::Icon::Question) == Dialogs::AnswerYes;
}
