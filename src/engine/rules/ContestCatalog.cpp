#include "rules/ContestCatalog.h"

#include <array>

namespace {
using S = SentCodeRule;
using SO = SetupOpening;

// What each contest shows on the two screens beyond its stages and sent code.
constexpr ExchangeShape kNameFields{.sentCaption = "RSTS CODS NUMES",
                                    .receivedCaption = "  RSTR CODR NUMER",
                                    .macroHelp = "#1=MYCALL #2=YourCall  #3=CodEmis #4=MyNume",
                                    .sentWidth = 800,
                                    .receivedWidth = 800,
                                    .smallFont = true,
                                    .multipliers = false,
                                    .ownCaption = "NUME OPERATOR",
                                    .ownWidth = 1600,
                                    .ownMacroHelp = "#4=MyNume"};
constexpr ExchangeShape kZodiacFields{.sentCaption = "  RSTS  ZODS",
                                      .receivedCaption = " RSTR  ZODR",
                                      .macroHelp = "#1=MYCALL #2=YourCall  #4=MYZODIE",
                                      .sentWidth = 800,
                                      .receivedWidth = 800,
                                      .codeFields = false,
                                      .ownCaption = "                    Zodia",
                                      .ownWidth = 800,
                                      .ownMacroHelp = "#4=MyZodie",
                                      .codeMacroHelp = false};
constexpr const char* kChooseStage = "SELECT ETAPA";
constexpr const char* kChooseMode = "Selectie MOD";
constexpr ScreenShape kAsDesigned{};
constexpr ScreenShape kNational{.asksCwByPc = true, .opening = SO::SentCode};
constexpr ScreenShape kLmayo{.prompt = kChooseStage, .hidesCwTexts = true, .opening = SO::SentCode};
constexpr ScreenShape kBraila{
    .prompt = kChooseStage, .modesAfterStage = true, .opening = SO::SentCode};
constexpr ScreenShape kCaras{.opening = SO::OwnCall, .exchange = kNameFields};
constexpr ScreenShape kClub{.opening = SO::OwnCall};
constexpr ScreenShape kIndep{.ssbChoosesStage1A = true, .opening = SO::OwnCall};
constexpr ScreenShape kClubWords{.opening = SO::OwnCall, .exchange = {.receivedWidth = 715}};
constexpr ScreenShape kTresin{.enablesModes = true, .opening = SO::OwnCall};
constexpr ScreenShape kOneStage{.prompt = kChooseMode, .opening = SO::OwnCall};
constexpr ScreenShape kMemYO{
    .prompt = kChooseMode, .ssbSerialFromOne = true, .opening = SO::OwnCall};
constexpr ScreenShape kZodiac{.asksCwByPc = true, .exchange = kZodiacFields};
constexpr ScreenShape kMartisor{.prompt = kChooseMode, .opensReady = true};

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
constexpr LogRules kLogBuc{
    .exchange = E::Sector,
    .exchangeWords = "XA XB XC XD XE XF",
    .dupe = kAllAware,
    .aaMultFirstStage = true,
    .points = K::Sides,
    .sides = {.group = "X", .prefixes = true, .same = {2, 2}, .across = {4, 4}},
    .nextCode = N::Serial,
    .yoPrefill = false};
constexpr DupeRule kIndepFirst{.modeAware = true, .waitMinutes = 10, .otherModeAlwaysNew = true};
constexpr LogRules kLogIndep{.dupe = {kIndepFirst, kIndepFirst, kBlind, kBlind},
                             .points = K::Sides,
                             .sides = {.group = "BZ", .same = {2, 2}, .across = {8, 8}},
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
                               .points = K::HomeClubs,
                               .classWords = "BT",
                               .homeClubs = {.home = "BT",
                                             .clubLetterAt = -3,
                                             .event = {30, 15},
                                             .clubHome = {20, 10},
                                             .clubAway = {2, 2},
                                             .plain = {10, 5}},
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
constexpr LogRules kLogMoldova{
    .dupe = kAllAware,
    .special = {.candidates = "BC", .lastStage = 1},
    .points = K::Sides,
    .sides = {.group = "BC BT GL IS NT SV VN VS", .same = {4, 2}, .across = {8, 4}},
    .nextCode = N::Serial};
constexpr LogRules kLogMemYO{.dupe = kAllBlind,
                             .aaMultFirstStage = true,
                             .points = K::ClassFactor,
                             .classPoints = C::ByFactor,
                             .pointsOverride = O::Fixed,
                             .fixedPoints = 1,
                             .nextCode = N::Serial,
                             .lookup = LookupRule::ForeignIsAA,
                             .aaOnBoard = true,
                             .yoPrefill = false};
constexpr LogRules kLogTimis{.exchangeWords = "QT",
                             .dupe = {kFree, kFree, kBlind, kBlind},
                             .special = {.candidates = "TM QT", .lastStage = 2},
                             .ownCountyNoMult = true,
                             .points = K::Tiers,
                             .tiers = {.tiers = {{{"QT", 6}, {"TM", 4}}}, .same = 1},
                             .nextCode = N::Serial,
                             .stationLists = "club",
                             .clubWord = "QT"};
constexpr LogRules kLogPitesti{.exchange = E::Zodiac,
                               .dupe = kAllBlind,
                               .special = {.candidates = "AG", .lastStage = 4},
                               .cw = 6,
                               .ssb = 2};
constexpr LogRules kLogElevi{.dupe = kAllFree,
                             .elvMult = true,
                             .points = K::ClassFactor,
                             .classPoints = C::AgeAndClub,
                             .ages = {.oldestYoung = 18,
                                      .clubLetterAt = 3,
                                      .clubCode = "1",
                                      .club = {8, 4},
                                      .young = {16, 4},
                                      .rest = {4, 2}}};
constexpr LogRules kLogArdel{
    .exchangeWords = "FG",
    .dupe = kAllBlind,
    .special = {.candidates = "FG", .always = true, .lastStage = 2},
    .ylCode = "000",
    .points = K::ClassFactor,
    .classPoints = C::ByFactor,
    .pointsOverride = O::ReceivedTiers,
    .received = {.code = 100, .codePoints = 100, .tiers = {{{"FG", 25}, {"BV", 10}}}, .rest = 2},
    .stationLists = "club100 club",
    .clubWord = "FG",
    .clubHomeCounty = "BV"};
constexpr LogRules kLogMartisor{
    .dupe = kAllBlind,
    .points = K::ClassFactor,
    .classPoints = C::ByFactor,
    .pointsOverride = O::MarkedCode,
    .marked = {.second = '0', .lastDigitMax = 6, .marked = 4, .rest = 2}};
constexpr LogRules kLogCarpati{.dupe = kAllBlind,
                               .points = K::ClassFactor,
                               .classPoints = C::ByFactor,
                               .pointsOverride = O::Fixed,
                               .fixedPoints = 2};

// clang-format off
constexpr std::array<ContestDef, 23> kContests{{
    // no control            caption                  code           title                 title on re-open     SENT COD              stages, preset stage, SSB only, Cabrillo, screens, logging rules
    //   report: Cabrillo name, summary title, printed title, claim, summary table, heading, printed table, band, multipliers
    {0,  "OpBCNUS",         "&Camp.Nat.US",          "CampNatUS",   "Camp.Nat.US",        "Camp.Nat.YO",       S::CallAreaDigit,        4, false, false, true,  kNational,   kLogCampNatUS,
     {"Camp.VELT ",            "Camp.VELT ",            "Camp.VE LT ",           CF::CampNat,    T::CampNat,         true,  PT::CampNat,         80, true}},
    {1,  "OpbLamultiani",   "La &multi ani YO",      "LMAYO",       "La multi ani YO",    "La multi ani YO",   S::CallAreaDigitIfEmpty, 2, false, true,  true,  kLmayo,      kLogLmayo,
     {"La multi ani YO ",      "La multi ani YO ",      "La multi ani YO ",      CF::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
    {2,  "OpbCupaBraila",   "Cu&pa Braila",          "CpBraila",    "Cupa Braila",        "Cupa Braila",       S::CallAreaDigit,        2, false, false, true,  kBraila,     kLogBraila,
     {"Cupa Braila ",          "Cupa Braila ",          "Cupa Braila ",          CF::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {11, "OpbCaras",        "Cupa Ca&rasului",       "CpCaras",     "Cupa Carasului",     "Cupa Carasului",    S::Serial,               2, false, false, false, kCaras,      kLogCaras,
     {"Cupa Carasului ",       "Cupa Carasului ",       "Cupa Carasului ",       CF::PointsOnly, T::Names,           true,  PT::Names,           80, false}},
    {12, "OpbBucuresti",    "C&oncurs Bucuresti",    "ConcBUC",     "Concurs Bucuresti",  "Concurs Bucuresti", S::Serial,               2, false, false, true,  kClub,       kLogBuc,
     {"Concurs Bucuresti ",    "Concurs Bucuresti ",    "Concurs Bucuresti ",    CF::Combined,   T::Combined,        false, PT::Combined,        80, true}},
    {13, "OpbIndepend",     "Cp Ind&ependentei",     "CpIndep",     "Cp Independentei",   "Cp Independentei",  S::Serial,               2, false, false, true,  kIndep,      kLogIndep,
     {"Cupa Independentei ",   "Cupa Independentei ",   "Cupa Independentei ",   CF::Stage1Only, T::Independence,    true,  PT::TwoRowsStage1,   80, true}},
    {14, "OpBTeleorman",    "Cupa  Teleorm&an",      "CpTeleorman", "Cupa Teleorman",     "Cupa Teleorman",    S::Serial,               2, false, false, true,  kClub,       kLogTeleorman,
     {"Cupa Teleorman ",       "Cupa Teleorman ",       "Cupa Teleorman ",       CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {15, "OpBCpTransm",     "Cp Tran&smisionist",    "CpTransmis",  "Cp Transmisionist",  "Cp Transmisionist", S::Serial,               2, false, false, true,  kClubWords,  kLogTransmis,
     {"Cupa Transmisionist ",  "Cupa Transmisionist ",  "Cupa Transmisionist ",  CF::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {16, "OpbDimbovita",    "C&upa  Dimbovitei",     "CpDimbovita", "Cupa Dimbovita",     "Cupa Dimbovitei",   S::Serial,               2, false, false, true,  kClub,       kLogDimbovita,
     {"Cupa Dambovitei ",      "Cupa Dimbovitei ",      "Cupa Dimbovitei ",      CF::Combined,   T::Combined,        true,  PT::Combined,        80, true}},
    {17, "OpB25Oct",        "Cp  2&5 Octombrie",     "Cp25Oct",     "Cp 25 Octombrie",    "Cp. 25 Octombrie",  S::Serial,               2, false, false, true,  kClub,       kLog25Oct,
     {"Cupa 25 Octombrie ",    "Cupa 25 Octombrie ",    "Cupa 25 Octombrie ",    CF::PerStage,   T::PerStage,        false, PT::PerStage,        80, true}},
    {18, "OpbFeroviar",     "Cupa &Feroviarului",    "CpCFR",       "Cupa Feroviarului",  "Cp. Feroviarului",  S::Serial,               2, false, false, true,  kClub,       kLogCfr,
     {"Cupa Feroviarului ",    "Cupa Feroviarului ",    "Cupa Feroviarului ",    CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {19, "Opb1dec",         "*Cupa &1 Decembrie",    "Cp1Dec",      "Cp 1 Decembrie",     "Cp. 1 Decembrie",   S::Serial,               2, false, false, true,  kClub,       kLog1Dec,
     {"Cupa 1 Decembrie ",     "Cupa 1 Decembrie ",     "Cupa 1 Decembrie ",     CF::Combined,   T::SingleStage,     true,  PT::SingleStage,     80, true}},
    {20, "OpbTresin",       "*&Trofeul Tresin*",     "Tresin",      "Trofeul Tresin",     "Trofeul Tresin",    S::Serial,               2, false, false, true,  kTresin,     kLogTresin,
     {"Trofeul Tresin ",       "Trofeul Tresin ",       "Trofeul Tresin ",       CF::Combined,   T::Combined,        true,  PT::Combined,        40, true}},
    {21, "OpbValdora",      "*Cupa Valdora*",        "Valdora",     "Cupa Valdora",       "Cupa Valdora",      S::Hidden,               1, true,  false, true,  kOneStage,   kLogValdora,
     {"Cupa Valdora ",         "Cupa Valdora ",         "Cupa Valdora ",         CF::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     40, true}},
    {22, "ObBTelecom",      "*Ziua Telecom*",        "Telecom",     "Ziua Telecom ",      "Ziua Telecom",      S::Serial,               2, false, false, true,  kClubWords,  kLogTelecom,
     {"Ziua Telecom ",         "Ziua Telecom ",         "Ziua Telecom ",         CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {23, "OpBMoldova",      "*Cupa Moldovei*",       "CpMoldova",   "Cupa Moldovei",      "Cupa Moldovei",     S::Serial,               2, false, false, true,  kClub,       kLogMoldova,
     {"Cupa Moldovei ",        "Cupa Moldovei ",        "Cupa Moldovei ",        CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {24, "OpbMemorialYO",   "*Memorial YO*",         "MemYO",       "Memorial YO",        "Memorial YO",       S::Hidden,               1, true,  false, true,  kMemYO,      kLogMemYO,
     {"Memorial YO ",          "Memorial YO ",          "Memorial YO ",          CF::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     40, true}},
    {25, "Option1",         "*Cupa &Timis",          "CpTimis",     "Cupa Timis",         "Cupa Timis",        S::Serial,               2, false, false, true,  kClub,       kLogTimis,
     {"Cupa Timis ",           "Cupa Timis ",           "Cupa Timis ",           CF::PerStage,   T::PerStageNoTotal, true,  PT::PerStageNoTotal, 80, true}},
    {31, "OpBCpArges",      "*Cupa Mun Pitesti*",    "CpPitesti",   "Cupa Mun.Pitesti",   "Cupa Mun. Pitesti", S::ZodiacSign,           4, false, false, true,  kZodiac,     kLogPitesti,
     {"Cupa Pitesti ",         "Cupa Pitesti ",         "Cupa Pitesti ",         CF::FourStages, T::FourStages,      true,  PT::FourStages,      80, true}},
    {32, "OpBCpElevilor",   "*Cupa Elevilor*",       "CpElevi",     "Cupa Elevilor",      "Cupa Elevilor",     S::CallAreaDigit,        2, false, false, true,  kAsDesigned, kLogElevi,
     {"Cupa Elevului ",        "Cupa Elevului ",        "Cupa Elevului ",        CF::PerStage,   T::PerStage,        true,  PT::PerStage,        80, true}},
    {33, "OpBArdel",        "*Memorial Ardel*",      "Ardel",       "Memorial Ardel",     "Memorial Ardel",    S::RequiredEmpty,        2, false, false, true,  kAsDesigned, kLogArdel,
     {"Memorial Ardel ",       "Memorial Ardel ",       "Memorial Ardel ",       CF::Doubling,   T::Doubling,        true,  PT::Doubling,        80, true}},
    {34, "OpBMartisor",     "*Cupa Martisor*",       "Martisor",    "Cupa Martisor",      "Cupa Martisor",     S::RequiredEmpty,        1, true,  true,  true,  kMartisor,   kLogMartisor,
     {"Cupa Martisor ",        "Cupa Martisor ",        "Cupa Martisor ",        CF::Stage1Only, T::SingleStage,     true,  PT::SingleStage,     80, true}},
    {35, "OpBCarpati",      "*Cupa Carpati*",        "CpCarpati",   "Cupa Carpati",       "Cupa Carpati",      S::Free,                 2, false, false, true,  kAsDesigned, kLogCarpati,
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
        return {myCall.at(2)};
    return QStringLiteral("0");
}

} // namespace ContestCatalog
