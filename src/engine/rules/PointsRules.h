#pragma once

#include <array>

// How the points preview scores the contact in hand.
enum class PointsKind {
    Flat,        // `cw` / `ssb` points
    ClassFactor, // 2 x class factor, the classes from the contest's class words
    Sides,       // `sides`: both sides in the group or both outside it, else across it
    HomeClubs,   // `homeClubs`: the event station, club stations in and out of the home county
    Tiers,       // `tiers`: the highest county tier either side is in
};

// How `Enter` settles the points of the contests that score by class.
enum class ClassPoints {
    None,         // the previewed points stand
    TwoByFactor,  // 2 x class factor
    EqualOrOther, // 2 when the classes are equal, 4 when they differ, both modes
    SpecialOrOne, // the special station 8/4, else 1 x class factor
    AgeAndClub,   // `ages`: young operators and club stations by the tail and head of their codes
    ByFactor,     // the preview x class factor
};

// The contest's last word on the points of a contact, after the class points.
enum class PointsOverride {
    None,
    Fixed,         // `fixedPoints`, whatever the contact
    ReceivedTiers, // `received`: the received code, else the received county's tier
    MarkedCode,    // `marked`: either code marked by its digits
};

/// Points by mode.
struct ModePoints {
    int cw = 0;
    int ssb = 0;
};

/// The counties of a tier (blank-separated) and what a contact with one of them scores.
struct CountyTier {
    const char* counties = "";
    int points = 0;
};

/// Points by the side of a county group each station is on.
struct SidesRule {
    const char* group = ""; // blank-separated counties
    bool prefixes = false;  // a county is in the group when it starts with a group word
    ModePoints same{};      // both in the group, or both outside it
    ModePoints across{};    // one in, one out
};

/// Points by the event station and the club stations of the home county. Equal classes score
/// 2 x class factor before any of these.
struct HomeClubsRule {
    const char* home = ""; // the home county
    int clubLetterAt = 0;  // where a club callsign holds its "K", counted from the end if < 0
    ModePoints event{};    // either side is the contest's special station
    ModePoints clubHome{}; // a club station, its side in the home county
    ModePoints clubAway{}; // a club station, its side elsewhere
    ModePoints plain{};    // no club station
};

/// Points by county tiers: equal counties, or two counties of the tiers, score `same`; else the
/// first tier either side is in; else the flat `cw` / `ssb` points.
struct TiersRule {
    std::array<CountyTier, 2> tiers{};
    int same = 0;
};

/// Points by the operators' ages (the codes' last two digits) and club stations (a club callsign
/// and a code starting with `clubCode`).
struct AgeAndClubRule {
    int oldestYoung = 0;  // the oldest age that counts as young
    int clubLetterAt = 0; // where a club callsign holds its "K"
    const char* clubCode = "";
    ModePoints club{};  // either side a club station of grown operators
    ModePoints young{}; // either side young
    ModePoints rest{};
};

/// Points by what was received: a code value, else the county's tier, else `rest`.
struct ReceivedTiersRule {
    int code = 0;
    int codePoints = 0;
    std::array<CountyTier, 2> tiers{};
    int rest = 0;
};

/// Points by a marked code: its second character and its last digit up to a limit.
struct MarkedCodeRule {
    char second = 0;
    int lastDigitMax = 0;
    int marked = 0; // either code marked
    int rest = 0;
};
