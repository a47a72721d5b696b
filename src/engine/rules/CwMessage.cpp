#include "rules/CwMessage.h"

int CwMessage::totalMs() const {
    int total = 0;
    for (const KeyStep& s : steps)
        total += s.ms;
    return total;
}
