#include "screens/entry/FrmQSO.h"

#include "keyer/CwMacros.h"
#include "keyer/MorseTiming.h"
#include "keyer/VoiceKeyer.h"
#include "screens/Colors.h"
#include "screens/Widgets.h"
#include "seams/Dialogs.h"
#include "setup/AppState.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

// The function keys that transmit: CW messages with their macros and logging, voice recordings,
// the F1 repeats and Alt+F3.

using namespace Widgets;

namespace {
const QString kTitle = QStringLiteral("VELT");
} // namespace

bool FrmQSO::messageUnderWay() const {
    return m_cw.isBusy() || m_voice.isBusy();
}

CwWeight FrmQSO::weight() const {
    if (ui.OpB62->isChecked())
        return CwWeight::Heavy;
    if (ui.Opb75->isChecked())
        return CwWeight::Heavier;
    return CwWeight::Even;
}

void FrmQSO::changeCwSpeed(bool up) {
    if (m_state.qsoMode != QLatin1String("CW") || !m_state.cwPcFlag)
        return;
    m_wpm = MorseTiming::stepSpeed(m_wpm, up);
    ui.LblWPM->setText(MorseTiming::wpmCaption(m_wpm));
}

void FrmQSO::portError() {
    m_services.dialogs.message(QString::fromLatin1(Keying::kPortErrorMessage), kTitle,
                               Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    m_state.cwPcFlag = false;
    m_state.ssbPcFlag = false;
}

CwMacroResult FrmQSO::expand(const QString& cwText) {
    m_state.lookupCall = ui.TxtIndic->text().trimmed();
    return CwMacros::expand(
        cwText,
        {m_state.settings.myCall, m_state.lookupCall, ui.TxtRSTE2->text(), ui.TxtRSTE3->text()},
        m_state.contest());
}

KeyingResult FrmQSO::GoCW(const QString& cwText) {
    if (messageUnderWay())
        return KeyingResult::Busy;
    const QString text = cwText.trimmed(); // a macro at either end leaves a blank behind
    const int startSpeed = m_wpm;
    const CwMessage message = MorseTiming::steps(text, startSpeed, weight());
    ui.TxtCwCurent->show();
    auto shown = connect(&m_cw, &CwSender::progress, this,
                         [this, text](int n) { ui.TxtCwCurent->setText(text.left(n)); });
    const KeyingResult r = m_cw.send(m_state.settings.comPort, message.steps);
    disconnect(shown);
    ui.TxtCwCurent->clear();
    ui.TxtCwCurent->hide();
    m_cwAborted = r == KeyingResult::Aborted;
    if (m_cwAborted)
        m_keyAbort = true;
    if (r == KeyingResult::PortError)
        portError();
    else if (!m_cwAborted)
        m_wpm += message.endSpeed - startSpeed; // ">" and "<" stay, and PageUp meanwhile too
    ui.LblWPM->setText(MorseTiming::wpmCaption(m_wpm));
    return r;
}

KeyingResult FrmQSO::expandAndSend(const QString& cwText) {
    const CwMacroResult m = expand(cwText);
    m_logAfterSend = m.logAfterSend;
    return GoCW(m.text);
}

KeyingResult FrmQSO::sendKey(int n, const QString& text) {
    setForeColor(ui.LblF[n - 1], Colors::kGreen);
    const KeyingResult r = expandAndSend(text);
    setForeColor(ui.LblF[n - 1], Colors::kRed);
    return r;
}

void FrmQSO::TransmCW(int n, const QString& text) {
    setForeColor(ui.LblF[n - 1], Colors::kGreen);
    const bool shortCall = ui.TxtIndic->text().trimmed().size() < 4;
    if (!(shortCall && m_f4Used) && m_subRetPending)
        SubRet();
    m_subRetPending = false;
    // Expanded before logging: logging empties the fields the macros read.
    const CwMacroResult m = expand(text);
    if (m.logAfterSend) {
        if (VerifLog()) {
            Enter();
            GoCW(m.text);
        } else {
            dateIncomplete();
        }
    } else {
        GoCW(m.text);
    }
    if (shortCall && m_f4Used) {
        GoIndicSetFocus();
        m_f4Used = false;
    } else if (ui.TxtRSTR2->text().isEmpty()) {
        ui.TxtRSTR2->setFocus(Qt::OtherFocusReason);
    } else if (ui.TxtRstR3->text().isEmpty()) {
        ui.TxtRstR3->setFocus(Qt::OtherFocusReason);
    } else {
        GoIndicSetFocus();
        m_f4Used = false;
    }
    setForeColor(ui.LblF[n - 1], Colors::kRed);
}

void FrmQSO::Pauza() {
    QLineEdit* box = ui.txtPauseCW;
    auto red = connect(&m_cwRepeat, &RepeatPause::waitStarted, this,
                       [this, box] { setBackColor(box, Colors::kRed); });
    m_repeating = true;
    m_cwRepeat.run(RepeatPause::pauseLength(box->text()), [this, box] {
        setBackColor(box, Colors::kYellow);
        return sendKey(1, ui.TxtF[0]->text()) == KeyingResult::Done;
    });
    m_repeating = false;
    disconnect(red);
    setBackColor(box, Colors::kYellow);
}

void FrmQSO::afterF1(QLineEdit* field) {
    const QString call = ui.TxtIndic->text().trimmed();
    if (field == ui.TxtIndic) {
        if (call.size() > 2 && !ui.TxtRSTR2->text().isEmpty() && !ui.TxtRstR3->text().isEmpty())
            GoIndicSetFocus();
    } else if (ui.TxtRSTR2->text().isEmpty()) {
        ui.TxtRSTR2->setFocus(Qt::OtherFocusReason);
    } else {
        GoIndicSetFocus();
    }
    if (call.size() < 3)
        GoIndicSetFocus();
}

void FrmQSO::sendAndLog(int n, QLineEdit* field) {
    if (field == ui.TxtRSTR2)
        padReceivedCode();
    bool dateOk = VerifLog();
    m_keyAbort = false;
    if (dateOk) {
        sendKey(n, ui.TxtF[n - 1]->text());
        if (m_logAfterSend && !m_keyAbort)
            Enter();
        else
            dateOk = false;
        m_logAfterSend = false;
        m_keyAbort = false;
    } else {
        dateIncomplete();
    }
    if (ui.TxtIndic->text().trimmed().size() < 3)
        GoIndicSetFocus();
    else if (ui.TxtRSTR2->text().isEmpty())
        ui.TxtRSTR2->setFocus(Qt::OtherFocusReason);
    else if (dateOk)
        GoIndicSetFocus();
}

void FrmQSO::answerDupe(int n, bool f4) {
    YOYO();
    fieldsToContact();
    if (m_dupeState != 10) {
        showDupe(m_engine.IndicInfoDubl());
        // Found only once: after its answer (100) the next key sends the normal text.
        if (m_dupeState == 0 && m_engine.contact().dupe)
            m_dupeState = 10;
    }
    m_subRetPending = true;
    if (m_dupeState == 10 && m_engine.contact().dupe) {
        m_dupeState = 100;
        TransmCW(n, f4 ? QStringLiteral(" ")
                       : ui.TxtIndic->text().trimmed() + QStringLiteral(" QSO B4"));
        return;
    }
    m_dupeState = 0;
    m_f4Used = f4;
    TransmCW(n, ui.TxtF[n - 1]->text());
}

void FrmQSO::cwFunctionKey(int key, QLineEdit* field) {
    const int n = key - Qt::Key_F1 + 1;
    switch (n) {
    case 1:
        if (!m_f1CwPending)
            return;
        m_f1CwPending = false;
        if (m_repeating)
            return; // the repeat under way sends it already; a second one would nest in it
        m_keyAbort = false;
        m_cwRepeat.reset();
        // Neither an aborted message nor a refused port repeats.
        if (sendKey(1, ui.TxtF[0]->text()) == KeyingResult::Done && m_state.cwRepeat)
            Pauza();
        afterF1(field);
        return;
    case 2:
    case 4:
        if (field == ui.TxtIndic)
            answerDupe(n, n == 4);
        else
            TransmCW(n, ui.TxtF[n - 1]->text());
        return;
    case 3:
    case 5:
        sendAndLog(n, field);
        return;
    default:
        TransmCW(n, ui.TxtF[n - 1]->text());
    }
}

KeyingResult FrmQSO::GoSSB(int n) {
    setForeColor(ui.LblF[n - 1], Colors::kGreen);
    const QString file = VoiceKeyer::wavFile(m_state.appPath, n);
    const KeyingResult r =
        m_voice.play(file, m_state.settings.comPort, VoiceKeyer::playsWithoutPort(m_state));
    setForeColor(ui.LblF[n - 1], Colors::kRed);
    if (r == KeyingResult::PortError)
        portError();
    if (r == KeyingResult::MissingRecording)
        m_services.dialogs.message(
            QStringLiteral("Inregistrarea %1 lipseste: nu s-a transmis nimic. Creati fisierul "
                           "F%2.wav in folderul WAVUs.")
                .arg(QDir::toNativeSeparators(file))
                .arg(n),
            kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    return r;
}

void FrmQSO::PauzaSSB() {
    QLineEdit* box = ui.TxtPauseSSB;
    auto red = connect(&m_ssbRepeat, &RepeatPause::waitStarted, this,
                       [this, box] { setBackColor(box, Colors::kRed); });
    m_repeating = true;
    m_ssbRepeat.run(RepeatPause::pauseLength(box->text()), [this, box] {
        setBackColor(box, Colors::kGreen);
        const KeyingResult r = GoSSB(1);
        return r == KeyingResult::Done || r == KeyingResult::DoneWithoutKeying;
    });
    m_repeating = false;
    disconnect(red);
    setBackColor(box, Colors::kLightCyan);
}

void FrmQSO::voiceFunctionKey(int key, QLineEdit* field) {
    const int n = key - Qt::Key_F1 + 1;
    if (n == 1) {
        if (!m_f1SsbPending)
            return;
        m_f1SsbPending = false;
        if (m_repeating)
            return; // the repeat under way plays it already
        m_ssbRepeat.reset();
        const KeyingResult r = GoSSB(1);
        if (r != KeyingResult::PortError && r != KeyingResult::MissingRecording &&
            m_state.ssbRepeat)
            PauzaSSB();
        if (field == ui.TxtRSTR1)
            ui.TxtRSTR2->setFocus(Qt::OtherFocusReason);
        return;
    }
    GoSSB(n);
}

bool FrmQSO::transmitLastReport() {
    if (m_state.qsoMode != QLatin1String("CW") || !m_state.cwPcFlag)
        return false;
    expandAndSend(m_engine.lastLogged());
    return true;
}

void FrmQSO::abortKeying() {
    if (!messageUnderWay() && !m_repeating)
        return;
    m_keyAbort = true;
    m_cw.abort();
    m_voice.abort();
    m_cwRepeat.abort();
    m_ssbRepeat.abort();
}

void FrmQSO::stopRepeats() {
    m_cwRepeat.stopRepeat();
    m_ssbRepeat.stopRepeat();
}
