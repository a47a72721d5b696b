#pragma once

#include "contact/ContactInHand.h"
#include "contact/ContactViews.h"
#include "rules/SpecialStations.h"
#include "store/CallsignDb.h"

#include <QString>

// The callsign database's part in a contact: the county it proposes, the club word of a club
// station, the counties offered for an unknown callsign, and what it learns from a logged one.
class CallsignLookup {
public:
    CallsignLookup(const ContestRun& run, Database& callDb, const SpecialStations& specials,
                   ContactInHand& hand);

    /// Looks the callsign in hand up and fills the exchange; `sentCode` is the code the station
    /// sent last.
    LookupView lookUp(const QString& sentCode);
    /// The club word whose shortcut letter `text` is, in contests that have shortcuts; else
    /// `text`.
    QString clubWordFor(const QString& text) const;
    /// Teaches the database the county `call` was logged with, in a contest with counties;
    /// false when it refused.
    bool learn(const QString& call, const QString& county);

private:
    const ContestDef& def() const { return m_run.contest(); }
    QString lookupCounty(const QString& call, bool& found);
    /// `Fgrs` (Ardel) and `IndicConc25` (CpTimis): a club-list station gets the club word.
    QString clubWordOrCounty(const QString& call, const QString& county);

    const ContestRun& m_run;
    CallsignDb m_calls;
    const SpecialStations& m_specials;
    ContactInHand& m_hand;
};
