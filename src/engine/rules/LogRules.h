#pragma once

#include "rules/PointsRules.h"

#include <QString>
#include <array>

// What the third received field holds.
enum class ExchangeKind {
    County, // county code, "BU", club words
    Sector, // Bucharest sectors "XA".."XF" stand for Bucharest, "BU" is refused
    Name,   // the operator's name: anything goes, nothing is learnt
    Zodiac, // a zodiac sign
};

// What the sent-code field holds for the next contact.
enum class NextCode {
    Sent,     // the code just sent stays
    Received, // the code just received is passed on
    Serial,   // the serial number advances, three digits
};

// Whether and how the callsign database is asked.
enum class LookupRule {
    Always,
    ForeignIsAA,  // callsigns outside YO, YR, YQ, YP are "AA" without a lookup
    MaritimeIsAA, // "YO.../MM" is "AA" without a lookup
};

/// True when `word` is one of the blank-separated `words`.
bool inWords(const char* words, const QString& word);

/// The duplicate rule of one stage.
struct DupeRule {
    bool modeAware = false;          // a station may be worked once per mode
    bool otherModeFree = false;      // the other mode may follow at once (other-mode mark)
    int waitMinutes = 0;             // otherwise the wait before the other mode
    bool otherModeAlwaysNew = false; // the other mode is new without looking, no mark
    bool dupeMarksOtherMode = false; // a duplicate also sets the other-mode mark
};

/// A special multiplier: the candidates (blank-separated) that count by their own rule.
struct SpecialMult {
    const char* candidates = "";
    bool always = false;         // otherwise once per mode: not with the other-mode mark
    bool specialStation = false; // the callsign is the contest's special station, value "UNR"
    int lastStage = 0;           // the row holds up to this stage (0: no row)
};

/// The logging rules of one contest, asked by name, never by contest number.
struct LogRules {
    ExchangeKind exchange = ExchangeKind::County;
    const char* exchangeWords = ""; // words valid beside the counties and "AA"
    std::array<DupeRule, 4> dupe{};
    SpecialMult special{};
    bool aaMultFirstStage = false; // "AA" counts as a multiplier once in stage 1A
    bool multByQuery = true;       // a county not yet in the stage is a new multiplier
    bool ownCountyNoMult = false;  // a station of the own county brings no multiplier
    bool elvMult = false;          // young operators ("ELV") in stages 1A and 1B
    const char* ylCode = "";       // a received code that marks a new station "YL"
    PointsKind points = PointsKind::Flat;
    int cw = 2;
    int ssb = 2;
    const char* classWords = ""; // the class words of the class factor
    bool cwDoubles = true;       // the class factor doubles in CW
    ClassPoints classPoints = ClassPoints::None;
    PointsOverride pointsOverride = PointsOverride::None;
    SidesRule sides{};
    HomeClubsRule homeClubs{};
    TiersRule tiers{};
    AgeAndClubRule ages{};
    int fixedPoints = 0;
    ReceivedTiersRule received{};
    MarkedCodeRule marked{};
    bool clubWordShortcuts = false; // a first letter typed for an unknown station becomes its word
    NextCode nextCode = NextCode::Sent;
    LookupRule lookup = LookupRule::Always;
    const char* boardClub = "";      // club word that the board shows on its own label
    bool aaOnBoard = false;          // "AA" greys the extra label
    bool yoPrefill = true;           // the callsign field starts with "YO"
    bool yoinFocus = true;           // the prefilled callsign takes the focus
    const char* stationLists = "";   // names of the contest's special-station lists
    const char* clubWord = "";       // the club list's callsigns send this word
    const char* clubHomeCounty = ""; // only stations proposed in this county are looked up

    /// The duplicate rule of stage 1..4.
    const DupeRule& dupeRule(int stage) const { return dupe[qBound(1, stage, 4) - 1]; }
    /// True when a special multiplier row of `stage` covers `candidate`.
    bool specialMultFor(int stage, const QString& candidate) const;
    /// True when `word` is valid in the received-county field beside the counties.
    bool acceptsWord(const QString& word) const;
    /// True when `word` is one of the contest's class words.
    bool isClassWord(const QString& word) const;
    /// The class word that a county names: the word itself, or "YO".
    QString classOf(const QString& county) const;
    /// True when received codes are serial numbers, padded to three digits ("7" is "007").
    bool padsReceivedCode() const { return nextCode == NextCode::Serial; }
    /// True when the sent code passed on is taken from the received one, so that the operator
    /// is told to check it after a delete.
    bool warnsAfterDelete() const { return nextCode == NextCode::Received; }
    /// True when the received county does not move on at two letters, because a valid word is
    /// longer (a name, or a three-letter club word beginning like a county).
    bool countyWaitsForWholeWord() const;
    /// True when the exchange names a county: proposed by and taught to the callsign database.
    bool countyExchange() const {
        return exchange == ExchangeKind::County || exchange == ExchangeKind::Sector;
    }
};
