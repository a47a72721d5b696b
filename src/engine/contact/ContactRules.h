#pragma once

#include "base/seams/Clock.h"
#include "contact/ContactInHand.h"
#include "contact/ContactViews.h"
#include "rules/EntryField.h"
#include "rules/Points.h"
#include "rules/SpecialStations.h"
#include "store/LogStore.h"

#include <QString>
#include <optional>

// The contest's rules on the contact in hand: duplicate, multiplier, points, completeness and
// the station's own callsign. They read the log and mark the contact; they never write.
class ContactRules {
public:
    ContactRules(const ContestRun& run, LogStore& log, const SpecialStations& specials,
                 const Clock& clock, ContactInHand& hand);

    /// The duplicate check of the contact's stage, then the multiplier check.
    DupeView checkDuplicate();
    /// The multiplier check of the contact's stage; true for a new multiplier.
    [[nodiscard]] Outcome<bool> checkMultiplier();
    /// The received county changed: it is taken and the points are computed again.
    QString countyChanged(const QString& county);
    /// The received code changed; true when it marks a new station ("YL").
    [[nodiscard]] Outcome<bool> codeChanged(const QString& code);
    /// Takes an entry chosen from the county list; the county text and whether it can be logged.
    [[nodiscard]] Outcome<std::pair<QString, bool>> takeCountyChoice(const QString& entry);
    /// Blocks the contact with the station itself; what to tell the operator.
    QString refuseOwnCall();
    /// The points preview of the contact in hand.
    QString previewPoints();
    /// The first entry field that is too short, or none when the data are complete.
    std::optional<EntryField> firstIncompleteField() const;
    /// Why the contact in hand cannot be logged as `Enter` finds it: an empty, short or illegal
    /// callsign, the own one, a duplicate, an unreadable log; none when it can.
    std::optional<EnterResult> refusalToLog();
    /// The points `Enter` stores, into the contact in hand.
    void scoreForLog();

private:
    const ContestDef& def() const { return m_run.contest(); }
    StationContext station() const;
    Outcome<bool> isDupe(const QString& call, int stage);

    const ContestRun& m_run;
    LogStore& m_log;
    const SpecialStations& m_specials;
    const Clock& m_clock;
    ContactInHand& m_hand;
};
