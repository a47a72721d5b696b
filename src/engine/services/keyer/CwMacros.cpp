#include "services/keyer/CwMacros.h"

namespace CwMacros {

QString codeForCw(const QString& codeSent, const ContestDef& contest) {
    if (!contest.cutsSentCodeInCw())
        return codeSent;
    if (codeSent.startsWith(QLatin1String("00")))
        return QLatin1String("TT") + codeSent.right(1);
    if (codeSent.startsWith(QLatin1Char('0')))
        return QLatin1Char('T') + codeSent.right(2);
    return codeSent;
}

CwMacroResult expand(const QString& cwText, const CwMacroValues& values,
                     const ContestDef& contest) {
    const QString text = cwText.trimmed();
    CwMacroResult result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('#')) {
            result.text += text.at(i);
            continue;
        }
        ++i; // the "#" and the character after it are consumed together
        if (i == text.size())
            break;
        switch (text.at(i).unicode()) {
        case '1':
            result.text += values.myCall;
            break;
        case '2':
            result.text += values.lookupCall;
            break;
        case '3':
            result.text += codeForCw(values.codeSent, contest);
            break;
        case '4':
            result.text += values.ownExchange;
            break;
        case '8':
            result.logAfterSend = true;
            break;
        default:
            break;
        }
    }
    return result;
}

} // namespace CwMacros
