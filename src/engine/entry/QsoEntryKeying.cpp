#include "entry/QsoEntry.h"

#include "keyer/MorseTiming.h"
#include "seams/Dialogs.h"

#include <QDir>

// The function keys that transmit: CW messages with their macros and logging, voice recordings,
// the F1 repeats and Alt+F3.

void QsoEntry::changeCwSpeed(bool up) {
    if (isCw() && m_state.cwPcFlag)
        m_wpm = MorseTiming::stepSpeed(m_wpm, up);
}

void QsoEntry::portError() {
    message(QString::fromLatin1(Keying::kPortErrorMessage));
    m_state.cwPcFlag = false;
    m_state.ssbPcFlag = false;
}

CwMacroResult QsoEntry::expandMacros(const QString& cwText) {
    const QsoContact& c = m_engine.contact();
    m_state.lookupCall = c.callsign.trimmed();
    return CwMacros::expand(
        cwText, {m_state.settings.myCall, m_state.lookupCall, c.codeSent, c.countySent}, def());
}

KeyingResult QsoEntry::sendCw(const QString& cwText) {
    if (messageUnderWay())
        return KeyingResult::Busy;
    m_sendingText = cwText.trimmed(); // a macro at either end leaves a blank behind
    const int startSpeed = m_wpm;
    const CwMessage message = MorseTiming::steps(m_sendingText, startSpeed, m_weight);
    const Transmission before = m_transmission;
    if (before == Transmission::Idle)
        m_transmission = Transmission::Sending;
    m_sentSoFar.clear();
    emit changed();
    const KeyingResult r = m_cw.send(m_state.settings.comPort, message.steps);
    m_sentSoFar.clear();
    m_transmission = before;
    if (r == KeyingResult::PortError)
        portError();
    else if (r != KeyingResult::Aborted)
        m_wpm += message.endSpeed - startSpeed; // ">" and "<" stay, and PageUp meanwhile too
    emit changed();
    return r;
}

KeyingResult QsoEntry::sendKey(int n, const QString& text) {
    m_sendingKey = n;
    const KeyingResult r = sendCw(expandMacros(text).text);
    m_sendingKey = 0;
    return r;
}

void QsoEntry::transmit(int n, const QString& cwText, bool acceptFirst, bool f4) {
    m_sendingKey = n;
    const bool shortCall = field(EntryField::Callsign).trimmed().size() < 4;
    if (acceptFirst && !(shortCall && f4))
        acceptCallsign();
    // Expanded before logging: logging empties the fields the macros read.
    const CwMacroResult m = expandMacros(cwText);
    if (m.logAfterSend && !dataComplete()) {
        dateIncomplete();
    } else {
        if (m.logAfterSend)
            logContact();
        sendCw(m.text);
    }
    if (shortCall && f4)
        requestFocus(EntryField::Callsign, Caret::AtEnd);
    else if (text(EntryField::CodeReceived).isEmpty())
        requestFocus(EntryField::CodeReceived);
    else if (text(EntryField::CountyReceived).isEmpty())
        requestFocus(EntryField::CountyReceived);
    else
        requestFocus(EntryField::Callsign, Caret::AtEnd);
    m_sendingKey = 0;
}

void QsoEntry::repeatCw() {
    m_cwRepeat.run(RepeatPause::pauseLength(m_pauseCw), [this] {
        m_transmission = Transmission::Repeating;
        return sendKey(1, m_messages[0]) == KeyingResult::Done;
    });
    m_transmission = Transmission::Idle;
}

void QsoEntry::afterF1(EntryField f) {
    const QString call = text(EntryField::Callsign).trimmed();
    if (f == EntryField::Callsign) {
        if (call.size() > 2 && !text(EntryField::CodeReceived).isEmpty() &&
            !text(EntryField::CountyReceived).isEmpty())
            requestFocus(EntryField::Callsign, Caret::AtEnd);
    } else if (text(EntryField::CodeReceived).isEmpty()) {
        requestFocus(EntryField::CodeReceived);
    } else {
        requestFocus(EntryField::Callsign, Caret::AtEnd);
    }
    if (call.size() < 3)
        requestFocus(EntryField::Callsign, Caret::AtEnd);
}

void QsoEntry::sendAndLog(int n, EntryField f) {
    if (f == EntryField::CodeReceived)
        padReceivedCode();
    bool logged = false;
    if (dataComplete()) {
        m_sendingKey = n;
        const CwMacroResult m = expandMacros(m_messages[n - 1]);
        const KeyingResult r = sendCw(m.text);
        m_sendingKey = 0;
        // An aborted message logs nothing.
        logged = m.logAfterSend && r != KeyingResult::Aborted;
        if (logged)
            logContact();
    } else {
        dateIncomplete();
    }
    if (text(EntryField::Callsign).trimmed().size() < 3)
        requestFocus(EntryField::Callsign, Caret::AtEnd);
    else if (text(EntryField::CodeReceived).isEmpty())
        requestFocus(EntryField::CodeReceived);
    else if (logged)
        requestFocus(EntryField::Callsign, Caret::AtEnd);
}

void QsoEntry::answerDupe(int n, bool f4) {
    repairDoubledPrefix();
    if (m_phase != EntryPhase::DupeAnswered)
        showDupe(m_engine.checkDuplicate());
    // The duplicate's answer goes once; the next press sends the normal text.
    if (m_phase == EntryPhase::Duplicate) {
        m_phase = EntryPhase::DupeAnswered;
        transmit(n,
                 f4 ? QStringLiteral(" ")
                    : text(EntryField::Callsign).trimmed() + QStringLiteral(" QSO B4"),
                 true, false);
        return;
    }
    if (m_phase == EntryPhase::DupeAnswered)
        m_phase = EntryPhase::Duplicate;
    transmit(n, m_messages[n - 1], true, f4);
}

void QsoEntry::cwFunctionKey(int n, EntryField f) {
    switch (n) {
    case 1:
        if (m_transmission != Transmission::Idle)
            return; // the repeat under way sends it already; a second one would nest in it
        m_cwRepeat.reset();
        // Neither an aborted message nor a refused port repeats.
        if (sendKey(1, m_messages[0]) == KeyingResult::Done && m_state.cwRepeat)
            repeatCw();
        afterF1(f);
        return;
    case 2:
    case 4:
        if (f == EntryField::Callsign)
            answerDupe(n, n == 4);
        else
            transmit(n, m_messages[n - 1], false, false);
        return;
    case 3:
    case 5:
        sendAndLog(n, f);
        return;
    default:
        transmit(n, m_messages[n - 1], false, false);
    }
}

KeyingResult QsoEntry::playVoice(int n) {
    m_sendingKey = n;
    const Transmission before = m_transmission;
    if (before == Transmission::Idle)
        m_transmission = Transmission::Sending;
    emit changed();
    const QString file = VoiceKeyer::wavFile(m_state.appPath, n);
    const KeyingResult r =
        m_voice.play(file, m_state.settings.comPort, VoiceKeyer::playsWithoutPort(m_state));
    m_sendingKey = 0;
    m_transmission = before;
    emit changed();
    if (r == KeyingResult::PortError)
        portError();
    if (r == KeyingResult::MissingRecording)
        message(QStringLiteral("Inregistrarea %1 lipseste: nu s-a transmis nimic. Creati fisierul "
                               "F%2.wav in folderul WAVUs.")
                    .arg(QDir::toNativeSeparators(file))
                    .arg(n));
    return r;
}

void QsoEntry::repeatVoice() {
    m_ssbRepeat.run(RepeatPause::pauseLength(m_pauseSsb), [this] {
        m_transmission = Transmission::Repeating;
        const KeyingResult r = playVoice(1);
        return r == KeyingResult::Done || r == KeyingResult::DoneWithoutKeying;
    });
    m_transmission = Transmission::Idle;
}

void QsoEntry::voiceFunctionKey(int n, EntryField f) {
    if (n != 1) {
        playVoice(n);
        return;
    }
    if (m_transmission != Transmission::Idle)
        return; // the repeat under way plays it already
    m_ssbRepeat.reset();
    const KeyingResult r = playVoice(1);
    if (r != KeyingResult::PortError && r != KeyingResult::MissingRecording && m_state.ssbRepeat)
        repeatVoice();
    if (f == EntryField::RstReceived)
        requestFocus(EntryField::CodeReceived);
}

bool QsoEntry::transmitLastReport() {
    if (!isCw() || !m_state.cwPcFlag)
        return false;
    sendCw(expandMacros(m_engine.lastLogged()).text);
    return true;
}

void QsoEntry::abortKeying() {
    if (!messageUnderWay() && m_transmission == Transmission::Idle)
        return;
    m_cw.abort();
    m_voice.abort();
    m_cwRepeat.abort();
    m_ssbRepeat.abort();
}

void QsoEntry::stopRepeats() {
    m_cwRepeat.stopRepeat();
    m_ssbRepeat.stopRepeat();
}
