#include "setup/ContestCatalog.h"

#include <array>

namespace {
using P = Presentation;
using S = SentCodeRule;
using C = ClaimFormula;
using T = SummaryTable;
using PT = PrintedTable;

// clang-format off
constexpr std::array<ContestDef, 23> kContests{{
    // no control            caption                  code           title                 title on re-open     presentation    SENT COD              stages preset stage/SSB, modes enabled, SSB only
    //   report: Cabrillo name, summary title, printed title, claim, summary table, heading, printed table, band, multipliers
    {0,  "OpBCNUS",         "&Camp.Nat.US",          "CampNatUS",   "Camp.Nat.US",        "Camp.Nat.YO",       P::National,    S::CallAreaDigit,        4, false, false, false, false,
     {"Camp.VELT ",            "Camp.VELT ",            "Camp.VE LT ",           C::CampNat,    T::CampNat,         true,  PT::CampNat,         80, true}},
    {1,  "OpbLamultiani",   "La &multi ani YO",      "LMAYO",       "La multi ani YO",    "La multi ani YO",   P::Lmayo,       S::CallAreaDigitIfEmpty, 2, false, false, false, true,
     {"La multi ani YO ",      "La multi ani YO ",      "La multi ani YO ",      C::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
    {2,  "OpbCupaBraila",   "Cu&pa Braila",          "CpBraila",    "Cupa Braila",        "Cupa Braila",       P::Stage1Modes, S::CallAreaDigit,        2, false, false, false, false,
     {"Cupa Braila ",          "Cupa Braila ",          "Cupa Braila ",          C::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {11, "OpbCaras",        "Cupa Ca&rasului",       "CpCaras",     "Cupa Carasului",     "Cupa Carasului",    P::Caras,       S::Serial,               2, false, false, false, false,
     {"Cupa Carasului ",       "Cupa Carasului ",       "Cupa Carasului ",       C::PointsOnly, T::Names,           true,  PT::Names,           80, false}},
    {12, "OpbBucuresti",    "C&oncurs Bucuresti",    "ConcBUC",     "Concurs Bucuresti",  "Concurs Bucuresti", P::Club,        S::Serial,               2, false, false, false, false,
     {"Concurs Bucuresti ",    "Concurs Bucuresti ",    "Concurs Bucuresti ",    C::Combined,   T::Combined,        false, PT::Combined,        80, true}},
    {13, "OpbIndepend",     "Cp Ind&ependentei",     "CpIndep",     "Cp Independentei",   "Cp Independentei",  P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa Independentei ",   "Cupa Independentei ",   "Cupa Independentei ",   C::Stage1Only, T::Independence,    true,  PT::TwoRowsStage1,   80, true}},
    {14, "OpBTeleorman",    "Cupa  Teleorm&an",      "CpTeleorman", "Cupa Teleorman",     "Cupa Teleorman",    P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa Teleorman ",       "Cupa Teleorman ",       "Cupa Teleorman ",       C::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {15, "OpBCpTransm",     "Cp Tran&smisionist",    "CpTransmis",  "Cp Transmisionist",  "Cp Transmisionist", P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa Transmisionist ",  "Cupa Transmisionist ",  "Cupa Transmisionist ",  C::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {16, "OpbDimbovita",    "C&upa  Dimbovitei",     "CpDimbovita", "Cupa Dimbovita",     "Cupa Dimbovitei",   P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa Dambovitei ",      "Cupa Dimbovitei ",      "Cupa Dimbovitei ",      C::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
    {17, "OpB25Oct",        "Cp  2&5 Octombrie",     "Cp25Oct",     "Cp 25 Octombrie",    "Cp. 25 Octombrie",  P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa 25 Octombrie ",    "Cupa 25 Octombrie ",    "Cupa 25 Octombrie ",    C::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {18, "OpbFeroviar",     "Cupa &Feroviarului",    "CpCFR",       "Cupa Feroviarului",  "Cp. Feroviarului",  P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa Feroviarului ",    "Cupa Feroviarului ",    "Cupa Feroviarului ",    C::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {19, "Opb1dec",         "*Cupa &1 Decembrie",    "Cp1Dec",      "Cp 1 Decembrie",     "Cp. 1 Decembrie",   P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa 1 Decembrie ",     "Cupa 1 Decembrie ",     "Cupa 1 Decembrie ",     C::Combined,   T::SingleStage,     true,  PT::SingleStage,     80, true}},
    {20, "OpbTresin",       "*&Trofeul Tresin*",     "Tresin",      "Trofeul Tresin",     "Trofeul Tresin",    P::Stage1Modes, S::Serial,               2, false, false, true,  false,
     {"Trofeul Tresin ",       "Trofeul Tresin ",       "Trofeul Tresin ",       C::Combined,   T::Combined,        true,  PT::Combined,        40, true}},
    {21, "OpbValdora",      "*Cupa Valdora*",        "Valdora",     "Cupa Valdora",       "Cupa Valdora",      P::OneStage,    S::Hidden,               1, true,  false, false, false,
     {"Cupa Valdora ",         "Cupa Valdora ",         "Cupa Valdora ",         C::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     40, true}},
    {22, "ObBTelecom",      "*Ziua Telecom*",        "Telecom",     "Ziua Telecom ",      "Ziua Telecom",      P::Club,        S::Serial,               2, false, false, false, false,
     {"Ziua Telecom ",         "Ziua Telecom ",         "Ziua Telecom ",         C::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {23, "OpBMoldova",      "*Cupa Moldovei*",       "CpMoldova",   "Cupa Moldovei",      "Cupa Moldovei",     P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa Moldovei ",        "Cupa Moldovei ",        "Cupa Moldovei ",        C::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {24, "OpbMemorialYO",   "*Memorial YO*",         "MemYO",       "Memorial YO",        "Memorial YO",       P::OneStage,    S::Hidden,               1, true,  false, false, false,
     {"Memorial YO ",          "Memorial YO ",          "Memorial YO ",          C::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     40, true}},
    {25, "Option1",         "*Cupa &Timis",          "CpTimis",     "Cupa Timis",         "Cupa Timis",        P::Club,        S::Serial,               2, false, false, false, false,
     {"Cupa Timis ",           "Cupa Timis ",           "Cupa Timis ",           C::PerStage,   T::PerStageNoTotal, true,  PT::PerStageNoTotal, 80, true}},
    {31, "OpBCpArges",      "*Cupa Mun Pitesti*",    "CpPitesti",   "Cupa Mun.Pitesti",   "Cupa Mun. Pitesti", P::Zodiac,      S::ZodiacSign,           4, false, false, false, false,
     {"Cupa Pitesti ",         "Cupa Pitesti ",         "Cupa Pitesti ",         C::FourStages, T::FourStages,      true,  PT::FourStages,      80, true}},
    {32, "OpBCpElevilor",   "*Cupa Elevilor*",       "CpElevi",     "Cupa Elevilor",      "Cupa Elevilor",     P::Club,        S::CallAreaDigit,        2, false, false, false, false,
     {"Cupa Elevului ",        "Cupa Elevului ",        "Cupa Elevului ",        C::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {33, "OpBArdel",        "*Memorial Ardel*",      "Ardel",       "Memorial Ardel",     "Memorial Ardel",    P::Club,        S::RequiredEmpty,        2, false, false, false, false,
     {"Memorial Ardel ",       "Memorial Ardel ",       "Memorial Ardel ",       C::Doubling,   T::Doubling,        true,  PT::Doubling,        80, true}},
    {34, "OpBMartisor",     "*Cupa Martisor*",       "Martisor",    "Cupa Martisor",      "Cupa Martisor",     P::Martisor,    S::RequiredEmpty,        1, true,  true,  false, true,
     {"Cupa Martisor ",        "Cupa Martisor ",        "Cupa Martisor ",        C::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     80, true}},
    {35, "OpBCarpati",      "*Cupa Carpati*",        "CpCarpati",   "Cupa Carpati",       "Cupa Carpati",      P::Club,        S::Free,                 2, false, false, false, false,
     {"Cupa Carpati ",         "Cupa Carpati ",         "Cupa Carpati ",         C::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
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
