#include "setup/ContestCatalog.h"

#include <array>

namespace {
using P = Presentation;
using S = SentCodeRule;

// clang-format off
constexpr std::array<ContestDef, 23> kContests{{
    // no control            caption                  code           title                 title on re-open     presentation    SENT COD              stages preset stage/SSB, modes enabled, SSB only
    {0,  "OpBCNUS",         "&Camp.Nat.US",          "CampNatUS",   "Camp.Nat.US",        "Camp.Nat.YO",       P::National,    S::CallAreaDigit,        4, false, false, false, false},
    {1,  "OpbLamultiani",   "La &multi ani YO",      "LMAYO",       "La multi ani YO",    "La multi ani YO",   P::Lmayo,       S::CallAreaDigitIfEmpty, 2, false, false, false, true},
    {2,  "OpbCupaBraila",   "Cu&pa Braila",          "CpBraila",    "Cupa Braila",        "Cupa Braila",       P::Stage1Modes, S::CallAreaDigit,        2, false, false, false, false},
    {11, "OpbCaras",        "Cupa Ca&rasului",       "CpCaras",     "Cupa Carasului",     "Cupa Carasului",    P::Caras,       S::Serial,               2, false, false, false, false},
    {12, "OpbBucuresti",    "C&oncurs Bucuresti",    "ConcBUC",     "Concurs Bucuresti",  "Concurs Bucuresti", P::Club,        S::Serial,               2, false, false, false, false},
    {13, "OpbIndepend",     "Cp Ind&ependentei",     "CpIndep",     "Cp Independentei",   "Cp Independentei",  P::Club,        S::Serial,               2, false, false, false, false},
    {14, "OpBTeleorman",    "Cupa  Teleorm&an",      "CpTeleorman", "Cupa Teleorman",     "Cupa Teleorman",    P::Club,        S::Serial,               2, false, false, false, false},
    {15, "OpBCpTransm",     "Cp Tran&smisionist",    "CpTransmis",  "Cp Transmisionist",  "Cp Transmisionist", P::Club,        S::Serial,               2, false, false, false, false},
    {16, "OpbDimbovita",    "C&upa  Dimbovitei",     "CpDimbovita", "Cupa Dimbovita",     "Cupa Dimbovitei",   P::Club,        S::Serial,               2, false, false, false, false},
    {17, "OpB25Oct",        "Cp  2&5 Octombrie",     "Cp25Oct",     "Cp 25 Octombrie",    "Cp. 25 Octombrie",  P::Club,        S::Serial,               2, false, false, false, false},
    {18, "OpbFeroviar",     "Cupa &Feroviarului",    "CpCFR",       "Cupa Feroviarului",  "Cp. Feroviarului",  P::Club,        S::Serial,               2, false, false, false, false},
    {19, "Opb1dec",         "*Cupa &1 Decembrie",    "Cp1Dec",      "Cp 1 Decembrie",     "Cp. 1 Decembrie",   P::Club,        S::Serial,               2, false, false, false, false},
    {20, "OpbTresin",       "*&Trofeul Tresin*",     "Tresin",      "Trofeul Tresin",     "Trofeul Tresin",    P::Stage1Modes, S::Serial,               2, false, false, true,  false},
    {21, "OpbValdora",      "*Cupa Valdora*",        "Valdora",     "Cupa Valdora",       "Cupa Valdora",      P::OneStage,    S::Hidden,               1, true,  false, false, false},
    {22, "ObBTelecom",      "*Ziua Telecom*",        "Telecom",     "Ziua Telecom ",      "Ziua Telecom",      P::Club,        S::Serial,               2, false, false, false, false},
    {23, "OpBMoldova",      "*Cupa Moldovei*",       "CpMoldova",   "Cupa Moldovei",      "Cupa Moldovei",     P::Club,        S::Serial,               2, false, false, false, false},
    {24, "OpbMemorialYO",   "*Memorial YO*",         "MemYO",       "Memorial YO",        "Memorial YO",       P::OneStage,    S::Hidden,               1, true,  false, false, false},
    {25, "Option1",         "*Cupa &Timis",          "CpTimis",     "Cupa Timis",         "Cupa Timis",        P::Club,        S::Serial,               2, false, false, false, false},
    {31, "OpBCpArges",      "*Cupa Mun Pitesti*",    "CpPitesti",   "Cupa Mun.Pitesti",   "Cupa Mun. Pitesti", P::Zodiac,      S::ZodiacSign,           4, false, false, false, false},
    {32, "OpBCpElevilor",   "*Cupa Elevilor*",       "CpElevi",     "Cupa Elevilor",      "Cupa Elevilor",     P::Club,        S::CallAreaDigit,        2, false, false, false, false},
    {33, "OpBArdel",        "*Memorial Ardel*",      "Ardel",       "Memorial Ardel",     "Memorial Ardel",    P::Club,        S::RequiredEmpty,        2, false, false, false, false},
    {34, "OpBMartisor",     "*Cupa Martisor*",       "Martisor",    "Cupa Martisor",      "Cupa Martisor",     P::Martisor,    S::RequiredEmpty,        1, true,  true,  false, true},
    {35, "OpBCarpati",      "*Cupa Carpati*",        "CpCarpati",   "Cupa Carpati",       "Cupa Carpati",      P::Club,        S::Free,                 2, false, false, false, false},
}};
// clang-format on
} // namespace

namespace ContestCatalog {

std::span<const ContestDef> all() {
    return kContests;
}

const ContestDef* find(int number) {
    for (const ContestDef& c : kContests)
        if (c.number == number)
            return &c;
    return nullptr;
}

const ContestDef* findByCode(const QString& code) {
    for (const ContestDef& c : kContests)
        if (code == QLatin1String(c.code))
            return &c;
    return nullptr;
}

QString callAreaDigit(const QString& myCall) {
    if (myCall.size() >= 3 && myCall.at(2).isDigit() && myCall.at(2).unicode() < 128)
        return QString(myCall.at(2));
    return QStringLiteral("0");
}

} // namespace ContestCatalog
