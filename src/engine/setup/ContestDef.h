#pragma once

#include "logging/LogRules.h"
#include "reports/ReportRules.h"

#include <QString>

// How the set-up screen and the QSO screen present a contest once it is chosen.
enum class Presentation {
    National,    // stages 1A..2B, CW and SSB, CW frame shown
    Lmayo,       // SSB only, stages 1A and 1B
    Stage1Modes, // stages 1A and 1B with the mode buttons as the contest says
    Caras,       // operator names instead of counties
    Club,        // stages 1A and 1B, modes unchanged
    OneStage,    // stage 1A preset, mode chosen on the QSO screen
    Zodiac,      // zodiac signs instead of codes
    Martisor,    // stage 1A and SSB preset
};

// What the SENT COD box holds and requires.
enum class SentCodeRule {
    CallAreaDigit,        // shown, 3+ characters, prefilled with the call-area digit
    CallAreaDigitIfEmpty, // as above, but a code already typed is kept
    Serial,               // hidden, serial numbers from "001"
    Hidden,               // hidden, no code at all
    ZodiacSign,           // hidden, the own zodiac sign is required instead
    RequiredEmpty,        // shown, 3+ characters, starts empty
    Free,                 // shown, starts empty, no length rule
};

/// One row of the contest catalogue: every per-contest constant lives here.
struct ContestDef {
    int number = 0;
    const char* control = "";     // objectName of the option button
    const char* caption = "";     // caption with its access-key marker
    const char* code = "";        // contest code
    const char* title = "";       // title written on click
    const char* titleReopen = ""; // title written when the set-up screen is re-opened
    Presentation presentation = Presentation::Club;
    SentCodeRule sentCode = SentCodeRule::Serial;
    int stageCount = 2;        // 1 (1A only), 2 (1A, 1B) or 4 (1A..2B)
    bool presetStage = false;  // Stage = 1 on click
    bool presetSsb = false;    // QsoMode = "SSB" on click
    bool enablesModes = false; // the QSO screen's mode buttons are enabled by the choice
    bool ssbOnly = false;
    LogRules log{}; // duplicate, multiplier, points and logging rules
    ReportRules report{};

    QString codeString() const { return QString::fromLatin1(code); }
    /// True when SENT COD must hold 3 or more characters at hand-over.
    bool sentCodeRequired() const;
    /// True when the SENT COD text becomes the starting number (below 10 or above 29).
    bool sentCodeIsStartNumber() const { return number < 10 || number > 29; }
    /// True for the club contests whose sent code is a running serial number.
    bool serialSent() const { return sentCode == SentCodeRule::Serial; }
    /// True when the SENT COD box is visible on the set-up screen.
    bool sentCodeVisible() const;
    /// False for the contest that scores names: it sends no Cabrillo log.
    bool hasCabrillo() const { return presentation != Presentation::Caras; }
    /// True when "#3" sends the code cut ("007" as "TT7", "042" as "T42") in CW messages.
    bool cutsSentCodeInCw() const { return number >= 11 && number <= 29; }
    /// True when the QSO screen starts its sent serial after the code handed over.
    bool continuesSerialAtStart() const { return number >= 11 && number <= 29; }
    /// True when choosing SSB also chooses stage 1A.
    bool ssbChoosesFirstStage() const;
    /// True when SSB chosen before a stage starts the sent serial at "001".
    bool ssbStartsSerialAtOne() const;
    /// True when the QSO screen starts with "YO" and the whole sent exchange filled in.
    bool prefillsExchangeAtStart() const { return presentation == Presentation::Martisor; }
    /// True when the mode buttons and the keyer show once stage 1A or 1B is chosen.
    bool modesFollowFirstStages() const;
    /// True when the received county field is wide enough for a club word.
    bool widensCountyField() const;
    /// True when the set-up screen opens on the sent code, after its call-area digit.
    bool opensOnSentCode() const { return number < 10; }
    /// True when the set-up screen opens on the own call.
    bool opensOnOwnCall() const { return number >= 10 && number <= 29; }
    /// True when the sent code starts from the own call's call-area digit.
    bool sentCodeFromCallArea() const {
        return sentCode == SentCodeRule::CallAreaDigit ||
               sentCode == SentCodeRule::CallAreaDigitIfEmpty;
    }
};
