#include "setup/ContestDef.h"

bool ContestDef::sentCodeRequired() const {
    return sentCode == SentCodeRule::CallAreaDigit ||
           sentCode == SentCodeRule::CallAreaDigitIfEmpty ||
           sentCode == SentCodeRule::RequiredEmpty;
}

bool ContestDef::sentCodeVisible() const {
    return sentCodeRequired() || sentCode == SentCodeRule::Free;
}

// The few screen habits that belong to one contest each.

bool ContestDef::ssbChoosesFirstStage() const {
    return number == 13;
}

bool ContestDef::ssbStartsSerialAtOne() const {
    return number == 24;
}

bool ContestDef::modesFollowFirstStages() const {
    return number == 2;
}

bool ContestDef::widensCountyField() const {
    return number == 15 || number == 22;
}
