#pragma once

#include "rules/ContestRun.h"
#include "rules/QsoContact.h"

#include <QString>
#include <optional>

/// The logged contact that a correction (Alt+F2) edits in place.
struct CorrectionTarget {
    qint64 id = 0;
    int stage = 0;
    Mode mode = Mode::Cw;
};

/// Where a contact is logged.
struct ContactPlace {
    int stage = 0;
    Mode mode = Mode::Cw;
};

/// The whole of a contact in hand, set aside and brought back: one taken out of the entry to be
/// logged when its message has gone keeps the stage and mode it was taken in.
struct HeldContact {
    QsoContact contact;
    std::optional<CorrectionTarget> correction;
    std::optional<ContactPlace> place;
};

// The contact being entered and the logged row it corrects, if any: what the lookup, the rules
// and the storing of a contact share.
class ContactInHand {
public:
    explicit ContactInHand(const ContestRun& run) : m_run(run) {}

    QsoContact contact;
    std::optional<CorrectionTarget> correction;

    /// The stage and mode the contact belongs to: those of the corrected row, or the current
    /// ones.
    int stage() const;
    Mode mode() const;
    /// The `ID` a duplicate or multiplier check leaves out: the corrected row, else 0.
    qint64 correctedId() const;
    /// True when the entry holds more than an empty or prefilled callsign, or a correction.
    bool held() const;
    /// Clears the entry for the next contact; a serial reserved for this one is given up and the
    /// next follows it.
    void clear();
    /// The contact in hand as a whole; `pinned` fixes its stage and mode as they are now.
    HeldContact keep(bool pinned) const;
    /// Brings `held` back as the contact in hand.
    void bringBack(const HeldContact& held);
    /// The callsign field's text for the next contact.
    QString prefilledCallsign();
    /// The report a contact in `mode` starts with: "599" in CW, "59" in SSB.
    static QString defaultReport(Mode mode);

private:
    const ContestRun& m_run;
    std::optional<ContactPlace> m_place;
};
