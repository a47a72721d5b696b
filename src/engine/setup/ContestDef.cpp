#include "setup/ContestDef.h"

bool ContestDef::sentCodeRequired() const {
    return sentCode == SentCodeRule::CallAreaDigit ||
           sentCode == SentCodeRule::CallAreaDigitIfEmpty ||
           sentCode == SentCodeRule::RequiredEmpty;
}

bool ContestDef::sentCodeVisible() const {
    return sentCodeRequired() || sentCode == SentCodeRule::Free;
}
