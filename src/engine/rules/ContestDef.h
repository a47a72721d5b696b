#pragma once

#include "rules/LogRules.h"
#include "rules/ReportRules.h"

#include <QString>

// What the SENT COD box holds and requires.
enum class SentCodeRule {
    CallAreaDigit,        // shown, 3+ characters, prefilled with the call-area digit
    CallAreaDigitIfEmpty, // as above, but a code already typed is kept
    Serial,               // hidden, serial numbers from "001"
    Hidden,               // hidden, serial numbers, no starting code
    ZodiacSign,           // hidden, the own zodiac sign is required instead
    RequiredEmpty,        // shown, 3+ characters, starts empty
    Free,                 // shown, starts empty, no length rule
};

// Where the set-up screen puts the keyboard once its files are read.
enum class SetupOpening {
    AsIs,     // where the contest's choice left it
    SentCode, // on SENT COD, after its call-area digit
    OwnCall,  // at the end of the own call
};

/// The exchange fields' captions, help lines and design widths on both screens; an empty text or
/// a width of 0 leaves the control as designed.
struct ExchangeShape {
    const char* sentCaption = "";     // QSO screen, over the sent fields
    const char* receivedCaption = ""; // QSO screen, over the received fields
    const char* macroHelp = "";       // QSO screen, the "#" codes of the CW messages
    int sentWidth = 0;                // QSO screen, the sent county field
    int receivedWidth = 0;            // QSO screen, the received county field
    bool smallFont = false;           // both county fields in 8 points
    bool codeFields = true;           // the code fields and the sent-code label shown
    bool multipliers = true;          // the multiplier counts of stages 1A and 1B shown
    const char* ownCaption = "";      // set-up screen, over the own county box
    int ownWidth = 0;                 // set-up screen, the own county box
    const char* ownMacroHelp = "";    // set-up screen, the "#4" line
    bool codeMacroHelp = true;        // set-up screen, the "#3" line shown
};

/// What the two screens show for a contest beyond its stages and its sent code.
struct ScreenShape {
    const char* prompt = "";        // the QSO screen's stage/mode notice, empty as designed
    bool asksCwByPc = false;        // the set-up screen shows the CW-by-PC frame, "Da" cleared
    bool hidesCwTexts = false;      // the set-up screen hides the CW messages' frame too
    bool modesAfterStage = false;   // CW and SSB shown and enabled once 1A or 1B is chosen
    bool enablesModes = false;      // CW and SSB enabled by the choice
    bool opensReady = false;        // stage and mode fixed: "YO" and the sent exchange filled in
    bool ssbChoosesStage1A = false; // choosing SSB also chooses stage 1A
    bool ssbSerialFromOne = false;  // SSB chosen before a stage sends "001"
    SetupOpening opening = SetupOpening::AsIs;
    ExchangeShape exchange{};
};

/// One row of the contest catalogue: every per-contest constant lives here.
struct ContestDef {
    int number = 0;
    const char* control = "";     // objectName of the option button
    const char* caption = "";     // caption with its access-key marker
    const char* code = "";        // contest code
    const char* title = "";       // title written on click
    const char* titleReopen = ""; // title written when the set-up screen is re-opened
    SentCodeRule sentCode = SentCodeRule::Serial;
    int stageCount = 2;       // 1 (1A only), 2 (1A, 1B) or 4 (1A..2B)
    bool presetStage = false; // Stage = 1 on click
    bool ssbOnly = false;     // SSB chosen on click, CW neither offered nor keyed
    bool cabrillo = true;     // a Cabrillo log is sent
    ScreenShape screen{};
    LogRules log{}; // duplicate, multiplier, points and logging rules
    ReportRules report{};

    QString codeString() const { return QString::fromLatin1(code); }
    /// True when the sent codes are serial numbers the program counts.
    bool numbersSerially() const {
        return sentCode == SentCodeRule::Serial || sentCode == SentCodeRule::Hidden;
    }
    /// True when the SENT COD text becomes the starting number.
    bool sentCodeIsStartNumber() const { return !numbersSerially(); }
    /// True for the club contests whose sent serial starts at "001".
    bool serialSent() const { return sentCode == SentCodeRule::Serial; }
    /// True when "#3" sends the code cut ("007" as "TT7", "042" as "T42") in CW messages.
    bool cutsSentCodeInCw() const { return numbersSerially(); }
    /// True when the QSO screen starts its sent serial after the code handed over.
    bool continuesSerialAtStart() const { return numbersSerially(); }
    /// True when choosing SSB also chooses stage 1A.
    bool ssbChoosesFirstStage() const { return screen.ssbChoosesStage1A; }
    /// True when SSB chosen before a stage starts the sent serial at "001".
    bool ssbStartsSerialAtOne() const { return screen.ssbSerialFromOne; }
    /// True when the QSO screen starts with "YO" and the whole sent exchange filled in.
    bool prefillsExchangeAtStart() const { return screen.opensReady; }
    /// True when the QSO screen shows the sent and received code fields.
    bool showsCodeFields() const { return screen.exchange.codeFields; }
    /// True when the exchange is the operator's name instead of a county.
    bool exchangesNames() const { return log.exchange == ExchangeKind::Name; }
    /// True when the sent code starts from the own call's call-area digit.
    bool sentCodeFromCallArea() const {
        return sentCode == SentCodeRule::CallAreaDigit ||
               sentCode == SentCodeRule::CallAreaDigitIfEmpty;
    }
};
