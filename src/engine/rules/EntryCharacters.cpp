#include "rules/EntryCharacters.h"

#include <algorithm>

namespace {
bool letter(QChar c) {
    return c >= u'A' && c <= u'Z';
}
bool digit(QChar c) {
    return c >= u'0' && c <= u'9';
}
} // namespace

int EntryCharacters::maxLength(EntryField field) {
    switch (field) {
    case EntryField::Callsign:
        return kLongestCallsign;
    case EntryField::RstReceived:
    case EntryField::RstSent:
        return 3;
    case EntryField::CodeReceived:
    case EntryField::CodeSent:
        return 5;
    case EntryField::CountyReceived:
    case EntryField::CountySent:
        return 10;
    case EntryField::Date:
        return 10;
    case EntryField::Time:
        return 5;
    default:
        return 0;
    }
}

bool EntryCharacters::accepts(const ContestDef& def, EntryField field, QChar c) {
    if (c.unicode() <= u' ')
        return true;
    switch (field) {
    case EntryField::Callsign:
        return letter(c) || digit(c) || c == u'/';
    case EntryField::RstReceived:
    case EntryField::RstSent:
        return digit(c);
    case EntryField::CodeReceived:
    case EntryField::CodeSent:
        // Codes are numbers, except in contests whose sent code is free text or a sign.
        return digit(c) ||
               ((def.sentCode == SentCodeRule::Free || def.sentCode == SentCodeRule::ZodiacSign) &&
                letter(c));
    case EntryField::CountyReceived:
    case EntryField::CountySent:
        // Moldovan districts are logged with a trailing "*".
        return letter(c) || (def.log.exchange != ExchangeKind::Name && c == u'*');
    case EntryField::Date:
        return digit(c) || c == u'.';
    case EntryField::Time:
        return digit(c) || c == u':';
    default:
        return true;
    }
}

QString EntryCharacters::legalText(const ContestDef& def, EntryField field, const QString& text) {
    QString legal;
    for (const QChar c : text.toUpper())
        if (c == u' ' ? field != EntryField::Callsign : c > u' ' && accepts(def, field, c))
            legal += c;
    return legal;
}

bool EntryCharacters::legalCallsign(const QString& callsign) {
    if (callsign.size() > kLongestCallsign)
        return false;
    return std::ranges::all_of(callsign,
                               [](QChar c) { return letter(c) || digit(c) || c == u'/'; });
}
