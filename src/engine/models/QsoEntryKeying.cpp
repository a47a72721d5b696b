#include "models/QsoEntry.h"

#include "rules/MorseTiming.h"
#include "services/keyer/CwKeyer.h"

#include <QDir>
#include <utility>

// The function keys that transmit: CW messages with their macros and logging, voice recordings,
// the F1 repeats and Alt+F3.

void QsoEntry::changeCwSpeed(bool up) {
    if (isCw() && m_run.keyer().cwByPc)
        m_wpm = MorseTiming::stepSpeed(m_wpm, up);
}

void QsoEntry::portError() {
    if (const QString why = isCw() ? m_cw.unreachable() : QString(); !why.isEmpty()) {
        message(why);
        return;
    }
    message(QString::fromLatin1(Keying::kPortErrorMessage));
    m_run.stopKeyingByPc();
}

CwMacroResult QsoEntry::expandMacros(const QString& cwText) {
    const QsoContact& c = m_engine.contact();
    return CwMacros::expand(
        cwText, {m_run.settings().myCall, c.callsign.trimmed(), c.codeSent, c.countySent}, def());
}

bool QsoEntry::queuedWhileBusy(int key, std::function<KeyingResult()> start,
                               const AfterMessage& after) {
    if (!messageUnderWay())
        return false;
    m_waiting.append({key, std::move(start), after, m_typed});
    emit changed();
    return true;
}

void QsoEntry::startWaitingMessage() {
    // One that cannot start (a port refused) has had its end: the next one is tried.
    while (!m_waiting.isEmpty() && !messageUnderWay()) {
        const WaitingMessage next = m_waiting.takeFirst();
        if (next.start() == KeyingResult::Started)
            m_typedAtStart = next.typedAtPress; // its focus moves give way to what was typed since
    }
}

void QsoEntry::dropWaitingMessages() {
    // Each waiting message learns that it was never sent: a contact it was to log is given back.
    for (const WaitingMessage& w : std::exchange(m_waiting, {}))
        if (w.after)
            w.after(KeyingResult::Aborted);
}

QList<int> QsoEntry::waitingKeys() const {
    QList<int> keys;
    for (const WaitingMessage& w : m_waiting)
        keys << w.key;
    return keys;
}

KeyingResult QsoEntry::sendCw(int key, const QString& cwText, AfterMessage after) {
    if (queuedWhileBusy(
            key, [this, key, cwText, after] { return sendCw(key, cwText, after); }, after))
        return KeyingResult::Started;
    m_sendingKey = key;
    m_sendingText = cwText.trimmed(); // a macro at either end leaves a blank behind
    const int startSpeed = m_wpm;
    // ">" and "<" change the speed for the messages after it, whatever keys it.
    const int endSpeed = MorseTiming::steps(m_sendingText, startSpeed, CwWeight::Even).endSpeed;
    m_sentCount = 0;
    return messageStarted(m_cw.start(m_sendingText, startSpeed), std::move(after),
                          endSpeed - startSpeed);
}

KeyingResult QsoEntry::messageStarted(KeyingResult r, AfterMessage after, int speedChange) {
    if (r != KeyingResult::Started) {
        m_sendingKey = 0;
        if (r == KeyingResult::PortError)
            portError();
        if (after)
            after(r);
        emit changed();
        return r;
    }
    m_transmissionBefore = m_transmission;
    if (m_transmission == Transmission::Idle)
        m_transmission = Transmission::Sending;
    m_speedChange = speedChange;
    m_afterMessage = std::move(after);
    m_typedAtStart = m_typed;
    emit changed();
    return r;
}

void QsoEntry::messageFinished(KeyingResult r) {
    if (r == KeyingResult::PortError)
        portError(); // the radio refused the message it had taken
    m_sentCount = 0;
    m_transmission = m_transmissionBefore;
    m_sendingKey = 0;
    if (r != KeyingResult::Aborted)
        m_wpm += m_speedChange; // ">" and "<" stay, and PageUp meanwhile too
    if (const AfterMessage after = std::exchange(m_afterMessage, {})) {
        m_afterMessageRuns = true;
        after(r);
        m_afterMessageRuns = false;
    }
    if (r == KeyingResult::Aborted)
        dropWaitingMessages();
    else
        startWaitingMessage();
    emit changed();
}

void QsoEntry::transmit(int n, const QString& cwText, bool acceptFirst, bool f4) {
    const bool shortCall = field(EntryField::Callsign).trimmed().size() < 4;
    if (acceptFirst && !(shortCall && f4))
        acceptCallsign();
    // The focus moves on when the message has gone.
    const AfterMessage moveOn = [this, shortCall, f4](KeyingResult) {
        if (shortCall && f4)
            requestFocus(EntryField::Callsign, Caret::AtEnd);
        else if (text(EntryField::CodeReceived).isEmpty())
            requestFocus(EntryField::CodeReceived);
        else if (text(EntryField::CountyReceived).isEmpty())
            requestFocus(EntryField::CountyReceived);
        else
            requestFocus(EntryField::Callsign, Caret::AtEnd);
    };
    // Expanded before logging: logging empties the fields the macros read.
    const CwMacroResult m = expandMacros(cwText);
    if (m.logAfterSend && !dataComplete()) {
        dateIncomplete();
        moveOn(KeyingResult::Done);
        return;
    }
    if (m.logAfterSend)
        logContact();
    sendCw(n, m.text, moveOn);
}

void QsoEntry::repeatCw() {
    m_cwRepeat.wait(RepeatPause::pauseLength(m_pauseCw), [this](RepeatPause::PauseEnd o) {
        if (o != RepeatPause::PauseEnd::Elapsed) {
            endRepeats();
            return;
        }
        m_transmission = Transmission::Repeating;
        sendCw(1, expandMacros(m_messages[0]).text, [this](KeyingResult r) {
            if (r == KeyingResult::Done)
                repeatCw();
            else
                endRepeats();
        });
    });
}

void QsoEntry::endRepeats() {
    m_transmission = Transmission::Idle;
    emit changed();
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
    if (!dataComplete()) {
        dateIncomplete();
        if (text(EntryField::Callsign).trimmed().size() < 3)
            requestFocus(EntryField::Callsign, Caret::AtEnd);
        else if (text(EntryField::CodeReceived).isEmpty())
            requestFocus(EntryField::CodeReceived);
        return;
    }
    const CwMacroResult m = expandMacros(m_messages[n - 1]);
    std::optional<EnterResult> refused;
    if (m.logAfterSend && readyToLog())
        refused = m_engine.refusalToLog();
    else if (m.logAfterSend)
        return;
    if (!m.logAfterSend || refused) {
        if (refused && refused->status != EnterResult::Status::Duplicate)
            message(refused->message);
        sendCw(n, m.text, [this](KeyingResult) {
            if (text(EntryField::CodeReceived).isEmpty())
                requestFocus(EntryField::CodeReceived);
        });
        return;
    }
    // The contact is the one on the screen now: what is typed while the message goes out is the
    // next one's. It is logged when the message has gone; an aborted message logs nothing.
    TakenContact taken = takeContact();
    sendCw(n, m.text, [this, taken](KeyingResult r) {
        if (r == KeyingResult::Aborted || r == KeyingResult::Busy)
            giveBack(taken);
        else
            logTaken(taken);
    });
}

void QsoEntry::answerDupe(int n, bool f4) {
    repairDoubledPrefix();
    if (phase() != EntryPhase::DupeAnswered)
        showDupe(m_engine.checkDuplicate());
    // The duplicate's answer goes once; the next press sends the normal text.
    if (phase() == EntryPhase::Duplicate) {
        m_moves.dupeAnswered = true;
        transmit(n,
                 f4 ? QStringLiteral(" ")
                    : text(EntryField::Callsign).trimmed() + QStringLiteral(" QSO B4"),
                 true, false);
        return;
    }
    m_moves.dupeAnswered = false;
    transmit(n, m_messages[n - 1], true, f4);
}

void QsoEntry::cwFunctionKey(int n, EntryField f) {
    switch (n) {
    case 1:
        if (repeating())
            return; // the repeat under way sends it already; a second one would run beside it
        m_cwRepeat.reset();
        sendCw(1, expandMacros(m_messages[0]).text, [this, f](KeyingResult r) {
            // Neither an aborted message nor a refused port repeats.
            if (r == KeyingResult::Done && m_run.keyer().cwRepeat)
                repeatCw();
            afterF1(f);
        });
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

void QsoEntry::playVoice(int n, AfterMessage after) {
    if (queuedWhileBusy(
            n,
            [this, n, after] {
                playVoice(n, after);
                return messageUnderWay() ? KeyingResult::Started : KeyingResult::Done;
            },
            after))
        return;
    m_sendingKey = n;
    const QString file = VoiceKeyer::wavFile(m_run.dataFolder(), n);
    const KeyingResult r =
        m_voice.start(file, m_run.settings().comPort, VoiceKeyer::playsWithoutPort(m_run));
    if (r == KeyingResult::MissingRecording)
        message(QStringLiteral("Inregistrarea %1 lipseste: nu s-a transmis nimic. Creati fisierul "
                               "F%2.wav in folderul WAVUs.")
                    .arg(QDir::toNativeSeparators(file))
                    .arg(n));
    messageStarted(r, std::move(after), 0);
}

namespace {
bool playedToItsEnd(KeyingResult r) {
    return r == KeyingResult::Done || r == KeyingResult::DoneWithoutKeying;
}
} // namespace

void QsoEntry::repeatVoice() {
    m_ssbRepeat.wait(RepeatPause::pauseLength(m_pauseSsb), [this](RepeatPause::PauseEnd o) {
        if (o != RepeatPause::PauseEnd::Elapsed) {
            endRepeats();
            return;
        }
        m_transmission = Transmission::Repeating;
        playVoice(1, [this](KeyingResult r) {
            if (playedToItsEnd(r))
                repeatVoice();
            else
                endRepeats();
        });
    });
}

void QsoEntry::voiceFunctionKey(int n, EntryField f) {
    if (n != 1) {
        playVoice(n);
        return;
    }
    if (repeating())
        return; // the repeat under way plays it already
    m_ssbRepeat.reset();
    playVoice(1, [this, f](KeyingResult r) {
        // Neither an aborted message nor a refused one repeats.
        if (playedToItsEnd(r) && m_run.keyer().ssbRepeat)
            repeatVoice();
        if (f == EntryField::RstReceived)
            requestFocus(EntryField::CodeReceived);
    });
}

bool QsoEntry::transmitLastReport() {
    if (!isCw() || !m_run.keyer().cwByPc)
        return false;
    sendCw(0, expandMacros(m_engine.lastLogged()).text);
    return true;
}

bool QsoEntry::repeating() const {
    return m_transmission == Transmission::Repeating ||
           m_transmission == Transmission::RepeatWaiting;
}

void QsoEntry::abortKeying() {
    dropWaitingMessages();
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
