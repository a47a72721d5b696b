#include "setup/ContestCatalog.h"

#include <array>

namespace {
using P = Presentation;
using S = SentCodeRule;

// The logging rules of each contest, appended to its row: duplicate groups and waiting times per
// stage, special multipliers, points, the next sent code.
using E = ExchangeKind;
using K = PointsKind;
using C = ClassPoints;
using O = PointsOverride;
using N = NextCode;
using CF = ClaimFormula;
using T = SummaryTable;
using PT = PrintedTable;

constexpr DupeRule kBlind{};
constexpr DupeRule aware(int wait) {
    return {.modeAware = true, .waitMinutes = wait};
}
constexpr DupeRule kFree{.modeAware = true, .otherModeFree = true, .waitMinutes = 10};
constexpr DupeRule kAware = aware(10);
constexpr std::array<DupeRule, 4> kAllBlind{kBlind, kBlind, kBlind, kBlind};
constexpr std::array<DupeRule, 4> kAllAware{kAware, kAware, kAware, kAware};
constexpr std::array<DupeRule, 4> kAllFree{kFree, kFree, kFree, kFree};

constexpr LogRules kLogCampNatUS{
    .dupe = kAllBlind, .nextCode = N::Received, .lookup = LookupRule::MaritimeIsAA};
constexpr LogRules kLogLmayo{.exchangeWords = "NY",
                             .dupe = kAllBlind,
                             .special = {.candidates = "NY", .always = true, .lastStage = 2},
                             .points = K::ClassFactor,
                             .classPoints = C::ByFactor,
                             .nextCode = N::Received,
                             .boardClub = "NY"};
constexpr LogRules kLogBraila{.dupe = {aware(5), aware(5), kBlind, kBlind},
                              .special = {.candidates = "BR", .lastStage = 2},
                              .points = K::ClassFactor,
                              .classWords = "BR",
                              .nextCode = N::Received,
                              .yoinFocus = false};
constexpr LogRules kLogCaras{.exchange = E::Name,
                             .dupe = kAllFree,
                             .multByQuery = false,
                             .cw = 6,
                             .ssb = 2,
                             .nextCode = N::Serial};
constexpr LogRules kLogBuc{.exchange = E::Sector,
                           .exchangeWords = "XA XB XC XD XE XF",
                           .dupe = kAllAware,
                           .aaMultFirstStage = true,
                           .points = K::Bucharest,
                           .nextCode = N::Serial,
                           .yoPrefill = false};
constexpr DupeRule kIndepFirst{.modeAware = true, .waitMinutes = 10, .otherModeAlwaysNew = true};
constexpr LogRules kLogIndep{.dupe = {kIndepFirst, kIndepFirst, kBlind, kBlind},
                             .points = K::OneSideBz,
                             .nextCode = N::Serial};
constexpr LogRules kLogTeleorman{.dupe = kAllFree,
                                 .special = {.candidates = "TR", .lastStage = 2},
                                 .points = K::ClassFactor,
                                 .classWords = "TR",
                                 .cwDoubles = false,
                                 .nextCode = N::Serial};
constexpr LogRules kLogTransmis{.exchangeWords = "TRS",
                                .dupe = kAllFree,
                                .special = {.candidates = "TRS", .lastStage = 2},
                                .points = K::ClassFactor,
                                .classWords = "TRS",
                                .classPoints = C::TwoByFactor,
                                .clubWordShortcuts = true,
                                .nextCode = N::Serial};
constexpr LogRules kLogDimbovita{.dupe = kAllBlind,
                                 .special = {.candidates = "DB", .always = true, .lastStage = 2},
                                 .points = K::ClassFactor,
                                 .classWords = "DB",
                                 .cwDoubles = false,
                                 .nextCode = N::Serial};
constexpr LogRules kLog25Oct{.exchangeWords = "TRS RVR",
                             .dupe = kAllFree,
                             .special = {.candidates = "RVR TRS", .lastStage = 2},
                             .points = K::ClassFactor,
                             .classWords = "TRS RVR",
                             .classPoints = C::TwoByFactor,
                             .clubWordShortcuts = true,
                             .nextCode = N::Serial};
constexpr LogRules kLogCfr{.exchangeWords = "CF",
                           .dupe = {kFree, kAware, kAware, kAware},
                           .special = {.candidates = "CF", .lastStage = 2},
                           .points = K::ClassFactor,
                           .classWords = "CF",
                           .classPoints = C::SpecialOrOne,
                           .clubWordShortcuts = true,
                           .nextCode = N::Serial,
                           .stationLists = "special"};
constexpr DupeRule k1DecMarks{.modeAware = true, .waitMinutes = 10, .dupeMarksOtherMode = true};
constexpr LogRules kLog1Dec{.dupe = {k1DecMarks, kAware, k1DecMarks, kAware},
                            .special = {.specialStation = true, .lastStage = 2},
                            .cw = 4,
                            .ssb = 2,
                            .nextCode = N::Serial,
                            .stationLists = "special"};
constexpr LogRules kLogTresin{
    .dupe = kAllFree, .points = K::ClassFactor, .classWords = "DB", .nextCode = N::Serial};
constexpr LogRules kLogValdora{.dupe = kAllAware,
                               .special = {.candidates = "BT", .lastStage = 1},
                               .points = K::Valdora,
                               .classWords = "BT",
                               .nextCode = N::Serial,
                               .stationLists = "special"};
constexpr LogRules kLogTelecom{.exchangeWords = "TLC",
                               .dupe = kAllFree,
                               .special = {.candidates = "TLC", .lastStage = 2},
                               .points = K::ClassFactor,
                               .classWords = "TLC",
                               .classPoints = C::EqualOrOther,
                               .clubWordShortcuts = true,
                               .nextCode = N::Serial};
constexpr LogRules kLogMoldova{.dupe = kAllAware,
                               .special = {.candidates = "BC", .lastStage = 1},
                               .points = K::Moldova,
                               .nextCode = N::Serial};
constexpr LogRules kLogMemYO{.dupe = kAllBlind,
                             .aaMultFirstStage = true,
                             .points = K::ClassFactor,
                             .classPoints = C::ByFactor,
                             .pointsOverride = O::One,
                             .nextCode = N::Serial,
                             .lookup = LookupRule::ForeignIsAA,
                             .aaOnBoard = true,
                             .yoPrefill = false};
constexpr LogRules kLogTimis{.exchangeWords = "QT",
                             .dupe = {kFree, kFree, kBlind, kBlind},
                             .special = {.candidates = "TM QT", .lastStage = 2},
                             .ownCountyNoMult = true,
                             .points = K::Timis,
                             .nextCode = N::Serial,
                             .stationLists = "club",
                             .clubWord = "QT"};
constexpr LogRules kLogPitesti{.exchange = E::Zodiac,
                               .dupe = kAllBlind,
                               .special = {.candidates = "AG", .lastStage = 4},
                               .cw = 6,
                               .ssb = 2};
constexpr LogRules kLogElevi{
    .dupe = kAllFree, .elvMult = true, .points = K::ClassFactor, .classPoints = C::Elevi};
constexpr LogRules kLogArdel{.exchangeWords = "FG",
                             .dupe = kAllBlind,
                             .special = {.candidates = "FG", .always = true, .lastStage = 2},
                             .ylCode = "000",
                             .points = K::ClassFactor,
                             .classPoints = C::ByFactor,
                             .pointsOverride = O::Ardel,
                             .stationLists = "club100 club",
                             .clubWord = "FG",
                             .clubHomeCounty = "BV"};
constexpr LogRules kLogMartisor{.dupe = kAllBlind,
                                .points = K::ClassFactor,
                                .classPoints = C::ByFactor,
                                .pointsOverride = O::Martisor};
constexpr LogRules kLogCarpati{.dupe = kAllBlind,
                               .points = K::ClassFactor,
                               .classPoints = C::ByFactor,
                               .pointsOverride = O::Two};

// clang-format off
constexpr std::array<ContestDef, 23> kContests{{
    // no control            caption                  code           title                 title on re-open     presentation    SENT COD              stages preset stage/SSB, modes enabled, SSB only, logging rules
    //   report: Cabrillo name, summary title, printed title, claim, summary table, heading, printed table, band, multipliers
    {0,  "OpBCNUS",         "&Camp.Nat.US",          "CampNatUS",   "Camp.Nat.US",        "Camp.Nat.YO",       P::National,    S::CallAreaDigit,        4, false, false, false, false, kLogCampNatUS,
     {"Camp.VELT ",            "Camp.VELT ",            "Camp.VE LT ",           CF::CampNat,    T::CampNat,         true,  PT::CampNat,         80, true}},
    {1,  "OpbLamultiani",   "La &multi ani YO",      "LMAYO",       "La multi ani YO",    "La multi ani YO",   P::Lmayo,       S::CallAreaDigitIfEmpty, 2, false, false, false, true, kLogLmayo,
     {"La multi ani YO ",      "La multi ani YO ",      "La multi ani YO ",      CF::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
    {2,  "OpbCupaBraila",   "Cu&pa Braila",          "CpBraila",    "Cupa Braila",        "Cupa Braila",       P::Stage1Modes, S::CallAreaDigit,        2, false, false, false, false, kLogBraila,
     {"Cupa Braila ",          "Cupa Braila ",          "Cupa Braila ",          CF::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {11, "OpbCaras",        "Cupa Ca&rasului",       "CpCaras",     "Cupa Carasului",     "Cupa Carasului",    P::Caras,       S::Serial,               2, false, false, false, false, kLogCaras,
     {"Cupa Carasului ",       "Cupa Carasului ",       "Cupa Carasului ",       CF::PointsOnly, T::Names,           true,  PT::Names,           80, false}},
    {12, "OpbBucuresti",    "C&oncurs Bucuresti",    "ConcBUC",     "Concurs Bucuresti",  "Concurs Bucuresti", P::Club,        S::Serial,               2, false, false, false, false, kLogBuc,
     {"Concurs Bucuresti ",    "Concurs Bucuresti ",    "Concurs Bucuresti ",    CF::Combined,   T::Combined,        false, PT::Combined,        80, true}},
    {13, "OpbIndepend",     "Cp Ind&ependentei",     "CpIndep",     "Cp Independentei",   "Cp Independentei",  P::Club,        S::Serial,               2, false, false, false, false, kLogIndep,
     {"Cupa Independentei ",   "Cupa Independentei ",   "Cupa Independentei ",   CF::Stage1Only, T::Independence,    true,  PT::TwoRowsStage1,   80, true}},
    {14, "OpBTeleorman",    "Cupa  Teleorm&an",      "CpTeleorman", "Cupa Teleorman",     "Cupa Teleorman",    P::Club,        S::Serial,               2, false, false, false, false, kLogTeleorman,
     {"Cupa Teleorman ",       "Cupa Teleorman ",       "Cupa Teleorman ",       CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {15, "OpBCpTransm",     "Cp Tran&smisionist",    "CpTransmis",  "Cp Transmisionist",  "Cp Transmisionist", P::Club,        S::Serial,               2, false, false, false, false, kLogTransmis,
     {"Cupa Transmisionist ",  "Cupa Transmisionist ",  "Cupa Transmisionist ",  CF::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {16, "OpbDimbovita",    "C&upa  Dimbovitei",     "CpDimbovita", "Cupa Dimbovita",     "Cupa Dimbovitei",   P::Club,        S::Serial,               2, false, false, false, false, kLogDimbovita,
     {"Cupa Dambovitei ",      "Cupa Dimbovitei ",      "Cupa Dimbovitei ",      CF::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
    {17, "OpB25Oct",        "Cp  2&5 Octombrie",     "Cp25Oct",     "Cp 25 Octombrie",    "Cp. 25 Octombrie",  P::Club,        S::Serial,               2, false, false, false, false, kLog25Oct,
     {"Cupa 25 Octombrie ",    "Cupa 25 Octombrie ",    "Cupa 25 Octombrie ",    CF::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {18, "OpbFeroviar",     "Cupa &Feroviarului",    "CpCFR",       "Cupa Feroviarului",  "Cp. Feroviarului",  P::Club,        S::Serial,               2, false, false, false, false, kLogCfr,
     {"Cupa Feroviarului ",    "Cupa Feroviarului ",    "Cupa Feroviarului ",    CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {19, "Opb1dec",         "*Cupa &1 Decembrie",    "Cp1Dec",      "Cp 1 Decembrie",     "Cp. 1 Decembrie",   P::Club,        S::Serial,               2, false, false, false, false, kLog1Dec,
     {"Cupa 1 Decembrie ",     "Cupa 1 Decembrie ",     "Cupa 1 Decembrie ",     CF::Combined,   T::SingleStage,     true,  PT::SingleStage,     80, true}},
    {20, "OpbTresin",       "*&Trofeul Tresin*",     "Tresin",      "Trofeul Tresin",     "Trofeul Tresin",    P::Stage1Modes, S::Serial,               2, false, false, true,  false, kLogTresin,
     {"Trofeul Tresin ",       "Trofeul Tresin ",       "Trofeul Tresin ",       CF::Combined,   T::Combined,        true,  PT::Combined,        40, true}},
    {21, "OpbValdora",      "*Cupa Valdora*",        "Valdora",     "Cupa Valdora",       "Cupa Valdora",      P::OneStage,    S::Hidden,               1, true,  false, false, false, kLogValdora,
     {"Cupa Valdora ",         "Cupa Valdora ",         "Cupa Valdora ",         CF::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     40, true}},
    {22, "ObBTelecom",      "*Ziua Telecom*",        "Telecom",     "Ziua Telecom ",      "Ziua Telecom",      P::Club,        S::Serial,               2, false, false, false, false, kLogTelecom,
     {"Ziua Telecom ",         "Ziua Telecom ",         "Ziua Telecom ",         CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {23, "OpBMoldova",      "*Cupa Moldovei*",       "CpMoldova",   "Cupa Moldovei",      "Cupa Moldovei",     P::Club,        S::Serial,               2, false, false, false, false, kLogMoldova,
     {"Cupa Moldovei ",        "Cupa Moldovei ",        "Cupa Moldovei ",        CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {24, "OpbMemorialYO",   "*Memorial YO*",         "MemYO",       "Memorial YO",        "Memorial YO",       P::OneStage,    S::Hidden,               1, true,  false, false, false, kLogMemYO,
     {"Memorial YO ",          "Memorial YO ",          "Memorial YO ",          CF::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     40, true}},
    {25, "Option1",         "*Cupa &Timis",          "CpTimis",     "Cupa Timis",         "Cupa Timis",        P::Club,        S::Serial,               2, false, false, false, false, kLogTimis,
     {"Cupa Timis ",           "Cupa Timis ",           "Cupa Timis ",           CF::PerStage,   T::PerStageNoTotal, true,  PT::PerStageNoTotal, 80, true}},
    {31, "OpBCpArges",      "*Cupa Mun Pitesti*",    "CpPitesti",   "Cupa Mun.Pitesti",   "Cupa Mun. Pitesti", P::Zodiac,      S::ZodiacSign,           4, false, false, false, false, kLogPitesti,
     {"Cupa Pitesti ",         "Cupa Pitesti ",         "Cupa Pitesti ",         CF::FourStages, T::FourStages,      true,  PT::FourStages,      80, true}},
    {32, "OpBCpElevilor",   "*Cupa Elevilor*",       "CpElevi",     "Cupa Elevilor",      "Cupa Elevilor",     P::Club,        S::CallAreaDigit,        2, false, false, false, false, kLogElevi,
     {"Cupa Elevului ",        "Cupa Elevului ",        "Cupa Elevului ",        CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {33, "OpBArdel",        "*Memorial Ardel*",      "Ardel",       "Memorial Ardel",     "Memorial Ardel",    P::Club,        S::RequiredEmpty,        2, false, false, false, false, kLogArdel,
     {"Memorial Ardel ",       "Memorial Ardel ",       "Memorial Ardel ",       CF::Doubling,   T::Doubling,        true,  PT::Doubling,        80, true}},
    {34, "OpBMartisor",     "*Cupa Martisor*",       "Martisor",    "Cupa Martisor",      "Cupa Martisor",     P::Martisor,    S::RequiredEmpty,        1, true,  true,  false, true, kLogMartisor,
     {"Cupa Martisor ",        "Cupa Martisor ",        "Cupa Martisor ",        CF::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     80, true}},
    {35, "OpBCarpati",      "*Cupa Carpati*",        "CpCarpati",   "Cupa Carpati",       "Cupa Carpati",      P::Club,        S::Free,                 2, false, false, false, false, kLogCarpati,
     {"Cupa Carpati ",         "Cupa Carpati ",         "Cupa Carpati ",         CF::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
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
