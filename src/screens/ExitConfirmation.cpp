#include "screens/ExitConfirmation.h"

#include "base/seams/Dialogs.h"

bool exitConfirmed(Dialogs& dialogs) {
    return dialogs.ask(QStringLiteral("VRETI INTRADEVAR SA IESITI DIN PROGRAM ?"),
                       QStringLiteral("EXIT"));
}
