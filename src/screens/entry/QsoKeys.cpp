#include "screens/entry/FrmQSO.h"

#include "refdata/CountyTables.h"
#include "screens/Colors.h"
#include "screens/Widgets.h"
#include "seams/Dialogs.h"
#include "setup/AppState.h"
#include "setup/DateTimeText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

// The operator's loop from the keyboard: each field's KeyDown, KeyPress and KeyUp in that order,
// callsign acceptance, the date and time fields, and the keys that are not transmissions.

using namespace Widgets;

namespace {
const QString kTitle = QStringLiteral("VELT");

bool isFunctionKey(int key) {
    return key >= Qt::Key_F1 && key <= Qt::Key_F7;
}

// The trimmed text cut to `n` characters, with the blanks among them dropped.
QString squeezed(const QString& text, int n) {
    QString s = text.trimmed().left(n);
    s.remove(u' ');
    return s;
}

// The county list's height in twips for a callsign's call area, 0 to leave it as it is.
int list1Height(const QString& call, float scaleX) {
    if (call.startsWith(QLatin1String("ER")))
        return 2100;
    static const QStringList romanian{QStringLiteral("YO"), QStringLiteral("YR"),
                                      QStringLiteral("YQ"), QStringLiteral("YP")};
    if (call.size() < 3 || !romanian.contains(call.left(2)))
        return 0;
    const bool small = scaleX < 1.0f;
    switch (call.at(2).unicode()) {
    case '2':
        return small ? 1000 : 0;
    case '3':
        return small ? 500 : 0;
    case '4':
        return 1200;
    case '5':
    case '9':
        return 1600;
    case '6':
        return small ? 1250 : 0;
    case '7':
    case '8':
        return 1400;
    default:
        return 0;
    }
}

void selectAll(QLineEdit* field) {
    field->setFocus(Qt::OtherFocusReason);
    const QString t = field->text().trimmed();
    if (t != field->text())
        field->setText(t);
    field->selectAll();
}

void selectMiddle(QLineEdit* field) {
    field->setFocus(Qt::OtherFocusReason);
    field->setSelection(1, 1);
}
} // namespace

void FrmQSO::attachKeys() {
    using H = FieldKeys::Handlers;
    m_keys.attach(ui.TxtIndic, H{[this](QKeyEvent& e) { return indicKeyDown(e); },
                                 [this](QChar& c) { return indicKeyPress(c); },
                                 {}});
    m_keys.attach(ui.TxtRSTR1, H{[this](QKeyEvent& e) {
                                     return receivedKeyDown(e, ui.TxtRSTR1, ui.TxtRSTE2, false);
                                 },
                                 [this](QChar& c) { return rstr1KeyPress(c); },
                                 {}});
    m_keys.attach(
        ui.TxtRSTR2,
        H{[this](QKeyEvent& e) { return receivedKeyDown(e, ui.TxtRSTR2, ui.TxtRSTR1, true); },
          [this](QChar& c) { return rstr2KeyPress(c); }, [this](QKeyEvent&) { rstr2KeyUp(); }});
    m_keys.attach(
        ui.TxtRstR3,
        H{[this](QKeyEvent& e) { return receivedKeyDown(e, ui.TxtRstR3, ui.TxtRSTR2, false); },
          [this](QChar& c) { return rstr3KeyPress(c); }, [this](QKeyEvent&) { rstr3KeyUp(); }});
    for (QLineEdit* sent : {ui.TxtRSTE1, ui.TxtRSTE2, ui.TxtRSTE3})
        m_keys.attach(sent, H{[this, sent](QKeyEvent& e) { return sentKeyDown(e, sent); },
                              [this, sent](QChar& c) { return sentKeyPress(c, sent); },
                              {}});
    m_keys.attach(ui.TxtDate, H{[this](QKeyEvent& e) { return dateKeyDown(e); },
                                [this](QChar& c) { return dateKeyPress(c); },
                                {}});
    m_keys.attach(ui.TxtUTC, H{[this](QKeyEvent& e) {
                                   m_spaceGo = e.key() == Qt::Key_Space;
                                   return false;
                               },
                               [this](QChar& c) { return timeKeyPress(c); },
                               [this](QKeyEvent&) { timeKeyUp(); }});
    for (int i = 2; i < 7; ++i)
        m_keys.attach(ui.TxtF[i], H{{}, [this, i](QChar& c) { return cwTextKeyPress(c, i); }, {}});
    for (QLineEdit* pause : {ui.txtPauseCW, ui.TxtPauseSSB})
        m_keys.attach(pause, H{[](QKeyEvent& e) { return e.key() == Qt::Key_F1; },
                               [this, pause](QChar& c) {
                                   pause->insert(QString(c));
                                   if (ui.TxtIndic->isEnabled())
                                       GoIndicSetFocus();
                                   return true;
                               },
                               {}});
    for (QObject* o : std::initializer_list<QObject*>{ui.TxtIndic, ui.TxtRSTR1, ui.TxtRSTR2,
                                                      ui.TxtDate, ui.TxtUTC, ui.DBGrid1})
        o->installEventFilter(this);
    connect(ui.list1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        fieldsToContact();
        const auto [county, enable] = m_engine.list1_Click(item->text());
        ui.TxtRstR3->setText(county);
        showNewMult(m_engine.contact().newMult);
        ui.CmdEnterCall->setEnabled(enable);
        GoIndicSetFocus();
    });
}

bool FrmQSO::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() != this) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_End)
            abortKeying();
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == ui.TxtRSTR2)
            ElimSp();
        else if (watched == ui.TxtIndic)
            ElimSp1();
        if (watched == ui.TxtRSTR1 || watched == ui.TxtRSTR2 || watched == ui.TxtDate ||
            watched == ui.TxtUTC)
            ui.CmdEnterCall->setEnabled(false);
    } else if (event->type() == QEvent::MouseButtonDblClick &&
               (watched == ui.TxtDate || watched == ui.TxtUTC)) {
        static_cast<QLineEdit*>(watched)->clear();
        return true;
    } else if (watched == ui.DBGrid1 && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        Mesagge2();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- callsign acceptance ----

void FrmQSO::YOYO() {
    const QString t = ui.TxtIndic->text().trimmed();
    const int n = static_cast<int>(t.size());
    static const std::pair<const char*, const char*> repairs[] = {
        {"YOYO", "YO"}, {"YOYR", "YR"}, {"YOYQ", "YQ"}, {"YOYP", "YP"}, {"YOER", "ER"}};
    for (const auto& [doubled, prefix] : repairs) {
        const QString now = ui.TxtIndic->text().trimmed();
        if (now.startsWith(QLatin1String(doubled)))
            ui.TxtIndic->setText(QLatin1String(prefix) + now.right(std::max(0, n - 4)));
    }
}

void FrmQSO::SubRet() {
    YOYO();
    const QString typed = ui.TxtIndic->text();
    const QString lookup = typed.trimmed();
    if (lookup.isEmpty()) {
        m_services.dialogs.message(QStringLiteral("Introducere eronata !"), kTitle,
                                   Dialogs::Buttons::Ok, Dialogs::Icon::None);
        return;
    }
    if (lookup.size() < 3) {
        m_services.dialogs.message(QStringLiteral("Introducere incompleta !"), kTitle,
                                   Dialogs::Buttons::Ok, Dialogs::Icon::None);
        YOIN();
        return;
    }
    if (lookup.toUpper() == m_state.settings.myCall.trimmed().toUpper()) {
        for (QLineEdit* f : {ui.TxtIndic, ui.TxtRSTR2, ui.TxtRstR3})
            setBackColor(f, Colors::kRed);
        showNewMult(false);
        fieldsToContact();
        const auto [text, title] = m_engine.MsgRoth();
        m_services.dialogs.message(text, title, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        m_undoRequest = true;
        AbbruchX();
        ui.mnuRecup->setEnabled(true);
        for (QLineEdit* f : {ui.TxtRSTR2, ui.TxtRstR3})
            setBackColor(f, Colors::kYellow);
        return;
    }
    m_state.lookupCall = lookup.toUpper();
    if (!m_state.offLineLog) {
        const auto [date, time] =
            ContactEngine::CalcOraData(m_services.clock.now(), m_state.settings.utcOffset.hours());
        ui.TxtDate->setText(date);
        ui.TxtUTC->setText(time);
    }
    ui.TxtIndic->setText(typed.toUpper());
    fieldsToContact();
    if (m_state.contest().serialSent() && ui.TxtRSTE2->text().trimmed().isEmpty())
        m_engine.contact().codSent = ContactEngine::nextSerial(ui.LblContrInit->text());
    const LookupView found = m_engine.IndicInfo();
    contactToFields();
    showLookup(found);
    showDupe(m_engine.IndicInfoDubl());
    const bool zodiac = m_state.contest().log.exchange == ExchangeKind::Zodiac;
    if (!zodiac && ui.TxtRSTR2->text().trimmed().isEmpty())
        ui.TxtRSTR2->setFocus(Qt::OtherFocusReason);
    if (zodiac && ui.TxtRstR3->text().trimmed().isEmpty())
        ui.TxtRstR3->setFocus(Qt::OtherFocusReason);
    ui.CmdEnterCall->setEnabled(!m_engine.contact().dupe);
    if (m_state.stage == 0 ||
        (m_state.qsoMode != QLatin1String("CW") && m_state.qsoMode != QLatin1String("SSB")))
        ui.CmdEnterCall->setEnabled(false);
    if (m_state.offLineLog) {
        ui.TxtDate->setEnabled(true);
        ui.TxtUTC->setEnabled(true);
        ui.TxtDate->setText(m_state.startDate.trimmed());
        m_state.startTime = m_state.startTime.left(3).trimmed();
        ui.TxtUTC->setText(m_state.startTime);
        focusAt(ui.TxtUTC, static_cast<int>(ui.TxtUTC->text().size()));
        setBackColor(ui.TxtDate, Colors::kYellow);
        setBackColor(ui.TxtUTC, Colors::kYellow);
        ui.LblOffLine->show();
    }
}

void FrmQSO::showLookup(const LookupView& view) {
    ui.TxtEroare->setText(view.TxtEroare);
    ui.TxtEroare->setVisible(!view.TxtEroare.isEmpty());
    if (view.hideStationFrames) {
        ui.Frame2->hide();
        ui.FramMyData->hide();
    }
    if (view.showList1) {
        if (const int height = list1Height(ui.TxtIndic->text().trimmed(), m_state.scaleX))
            ui.list1->setFixedHeight(twips(height, m_state.scaleY));
        ui.list1->addItems(view.list1);
        ui.list1->setToolTip(QStringLiteral("Click pe judetul corespunzator"));
        ui.list1->setVisible(ui.list1->count() > 0);
    }
}

void FrmQSO::showDupe(const DupeView& view) {
    if (!view.checked)
        return;
    setBackColor(ui.TxtIndic, qRgb(view.TxtIndic.r, view.TxtIndic.g, view.TxtIndic.b));
    ui.Frame3->setVisible(view.Frame3);
    ui.CmdEnterCall->setEnabled(view.CmdEnterCall);
    showNewMult(m_engine.contact().newMult);
}

// ---- field keys ----

bool FrmQSO::altKeys(QKeyEvent& e) {
    if (!(e.modifiers() & Qt::AltModifier))
        return false;
    switch (e.key()) {
    case Qt::Key_F2:
        correctLastContact();
        return true;
    case Qt::Key_F3:
        return transmitLastReport();
    case Qt::Key_F4:
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
        return true;
    case Qt::Key_F8:
        ui.TxtRSTR1->clear();
        ui.TxtRSTR1->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_F9:
        ui.TxtRSTR2->clear();
        ui.TxtRSTR2->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_F10:
        ui.TxtRstR3->clear();
        ui.TxtRstR3->setFocus(Qt::OtherFocusReason);
        return true;
    default:
        return false;
    }
}

void FrmQSO::functionKeys(QKeyEvent& e, QLineEdit* field) {
    if (!isFunctionKey(e.key()) || e.modifiers() & Qt::AltModifier || messageUnderWay())
        return;
    const bool cw = m_state.qsoMode == QLatin1String("CW");
    if (cw && m_state.cwPcFlag && !m_state.offLineLog)
        cwFunctionKey(e.key(), field);
    else if (!cw && m_state.soundCardOk && !m_state.offLineLog && m_state.ssbPcFlag)
        voiceFunctionKey(e.key(), field);
    else if (m_state.offLineLog)
        offLineKeys(e.key());
}

void FrmQSO::offLineKeys(int key) {
    if (key == Qt::Key_F2) {
        const QString t = ui.TxtDate->text().trimmed();
        if (t.size() == 8)
            ui.TxtDate->setText(t.right(6));
        else if (t.size() == 10)
            ui.TxtDate->setText(t.right(8));
        focusAt(ui.TxtDate, 0);
    } else if (key == Qt::Key_F3) {
        ui.TxtUTC->setText(ui.TxtUTC->text().left(3));
        focusAt(ui.TxtUTC, 3);
    } else if (key == Qt::Key_F4) {
        ui.TxtUTC->setText(ui.TxtUTC->text().right(3));
        focusAt(ui.TxtUTC, 0);
    }
}

bool FrmQSO::commonKeyDown(QKeyEvent& e) {
    m_spaceGo = false;
    if (e.key() == Qt::Key_Escape || e.key() == Qt::Key_End)
        abortKeying();
    if (e.key() == Qt::Key_Space)
        m_spaceGo = true;
    if (e.key() == Qt::Key_F1 && !(e.modifiers() & Qt::AltModifier)) {
        if (m_state.qsoMode == QLatin1String("CW"))
            m_f1CwPending = true;
        else
            m_f1SsbPending = true;
        return true;
    }
    return false;
}

bool FrmQSO::indicKeyDown(QKeyEvent& e) {
    if (altKeys(e))
        return true;
    const bool f1 = commonKeyDown(e);
    if (e.key() == Qt::Key_Space && ui.TxtIndic->text().trimmed().size() < 3)
        m_spaceGo = false;
    bool swallow = f1;
    switch (e.key()) {
    case Qt::Key_Tab:
        if (ui.TxtIndic->text().trimmed().size() > 2) {
            SubRet();
            selectAll(ui.TxtRstR3);
        }
        swallow = true;
        break;
    case Qt::Key_F12:
    case Qt::Key_Insert:
        if (ui.CmdEnterCall->isEnabled())
            Enter();
        swallow = true;
        break;
    case Qt::Key_Escape:
        if (!ui.TxtRSTR2->text().isEmpty() && !ui.TxtRstR3->text().isEmpty())
            GoIndicSetFocus();
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        changeCwSpeed(e.key() == Qt::Key_PageUp);
        swallow = true;
        break;
    default:
        break;
    }
    functionKeys(e, ui.TxtIndic);
    return swallow || isFunctionKey(e.key());
}

bool FrmQSO::indicKeyPress(QChar& c) {
    c = c.toUpper();
    stopRepeats();
    ui.LblMyCall->setText(m_state.settings.myCall);
    ui.LblMyBezirk->setText(m_state.settings.myCounty);
    if (c == FieldKeys::kEnter) {
        if (ui.CmdEnterCall->isEnabled())
            Enter();
        return true;
    }
    if (c == u' ' && m_spaceGo) {
        m_spaceGo = false;
        const bool zodiac = m_state.contest().log.exchange == ExchangeKind::Zodiac;
        const bool exchangeThere =
            zodiac ? ui.TxtRstR3->text().size() > 2 : ui.TxtRSTR2->text().size() > 2;
        if (!exchangeThere)
            SubRet();
        return true;
    }
    if (c.unicode() < 32)
        return false;
    const ushort code = c.unicode();
    if (code == '/' || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        m_convAnsi = QString(c);
    partialSearch(ui.TxtIndic->text().trimmed() + m_convAnsi);
    return false;
}

bool FrmQSO::receivedKeyDown(QKeyEvent& e, QLineEdit* field, QLineEdit* tabTo, bool middleDigit) {
    if (field != ui.TxtRSTR1 && altKeys(e))
        return true;
    const bool f1 = commonKeyDown(e);
    if (e.key() == Qt::Key_Tab) {
        middleDigit ? selectMiddle(tabTo) : selectAll(tabTo);
        return true;
    }
    functionKeys(e, field);
    return f1 || isFunctionKey(e.key());
}

bool FrmQSO::rstr1KeyPress(QChar& c) {
    c = c.toUpper();
    m_cwRepeat.stopRepeat();
    if (c == u' ' && m_spaceGo) {
        m_spaceGo = false;
        enableLog();
        fieldsToContact();
        GoIndicSetFocus();
        return true;
    }
    return c == FieldKeys::kEnter;
}

void FrmQSO::padReceivedCode() {
    if (!m_state.contest().log.padsReceivedCode())
        return;
    const QString code = ui.TxtRSTR2->text().trimmed();
    if (code.size() == 1 || code.size() == 2)
        ui.TxtRSTR2->setText(code.rightJustified(3, u'0'));
}

void FrmQSO::codeGo(bool pad, bool selectCounty) {
    if (pad)
        padReceivedCode();
    fieldsToContact();
    if (!ui.TxtRstR3->text().isEmpty()) {
        if (selectCounty)
            selectAll(ui.TxtRstR3);
        else
            focusAt(ui.TxtRstR3, static_cast<int>(ui.TxtRstR3->text().size()));
    } else {
        ui.CmdEnterCall->setEnabled(false);
        ui.TxtRstR3->setFocus(Qt::OtherFocusReason);
    }
    if (m_engine.contact().dupe) {
        ui.Frame3->show();
        ui.CmdEnterCall->setEnabled(false);
    }
}

bool FrmQSO::enterFromReport() {
    padReceivedCode();
    if (!VerifLog()) {
        dateIncomplete();
        return true;
    }
    if (ui.CmdEnterCall->isEnabled())
        Enter();
    return true;
}

bool FrmQSO::rstr2KeyPress(QChar& c) {
    c = c.toUpper();
    stopRepeats();
    enableLog();
    if (c == u' ' && m_spaceGo) {
        m_spaceGo = false;
        codeGo(true, true);
        return true;
    }
    if (c == FieldKeys::kEnter)
        return enterFromReport();
    return false;
}

void FrmQSO::rstr2KeyUp() {
    const QString code = ui.TxtRSTR2->text().trimmed();
    if (code != ui.TxtRSTR2->text())
        ui.TxtRSTR2->setText(code);
    fieldsToContact();
    showNewMult(m_engine.codeChanged(code) || ui.LblNeu->isVisibleTo(this));
    const ExchangeKind exchange = m_state.contest().log.exchange;
    const int full = exchange == ExchangeKind::Zodiac ? 2 : 3;
    if (code.size() == full && ui.TxtRSTR2->hasFocus()) {
        m_spaceGo = true;
        codeGo(false, exchange != ExchangeKind::Name); // a name is typed after, not replaced
        m_spaceGo = false;
    }
}

void FrmQSO::countyGo() {
    enableLog();
    fieldsToContact();
    m_engine.countyChanged(ui.TxtRstR3->text().trimmed());
    showNewMult(m_engine.IndicMult());
    GoIndicSetFocus();
}

bool FrmQSO::rstr3KeyPress(QChar& c) {
    c = c.toUpper();
    if (c == u' ' && m_spaceGo) {
        m_spaceGo = false;
        if (ui.TxtIndic->text().trimmed().startsWith(QLatin1String("ER")) &&
            !ui.TxtRstR3->text().endsWith(u'*'))
            ui.TxtRstR3->setText(ui.TxtRstR3->text().trimmed() + u'*');
        countyGo();
        return true;
    }
    if (c == FieldKeys::kEnter)
        return enterFromReport();
    return false;
}

void FrmQSO::rstr3KeyUp() {
    if (!ui.TxtRstR3->hasFocus())
        return;
    const QString typed = ui.TxtRstR3->text().trimmed();
    const QString county = m_engine.IndicSpec(typed, ui.TxtEroare->isVisibleTo(this));
    if (county != ui.TxtRstR3->text())
        ui.TxtRstR3->setText(county);
    fieldsToContact();
    m_engine.countyChanged(county);
    // A club word put in place of its first letter is whole: it moves on like a county.
    const LogRules& rules = m_state.contest().log;
    const int full = rules.exchange == ExchangeKind::Zodiac ? 3 : 2;
    if (county == typed && (rules.countyWaitsForWholeWord() || county.size() < full))
        return;
    const CountyCheck check =
        CountyTables::checkCounty(m_state.contest(), ui.TxtIndic->text().trimmed(), county);
    if (check.text != ui.TxtRstR3->text())
        ui.TxtRstR3->setText(check.text);
    if (!check.accepted) {
        m_services.dialogs.message(check.message, kTitle, Dialogs::Buttons::Ok,
                                   Dialogs::Icon::None);
        ui.TxtRstR3->setFocus(Qt::OtherFocusReason);
        return;
    }
    countyGo();
}

bool FrmQSO::sentKeyDown(QKeyEvent& e, QLineEdit* field) {
    if (e.key() != Qt::Key_Tab)
        return false;
    if (field == ui.TxtRSTE2 && ui.TxtIndic->text().trimmed().size() > 2)
        selectMiddle(ui.TxtRSTE1);
    else if (field == ui.TxtRSTE1)
        selectAll(ui.TxtIndic);
    return true;
}

bool FrmQSO::sentKeyPress(QChar& c, QLineEdit* field) {
    c = c.toUpper();
    Q_UNUSED(field);
    if (c == u' ' && m_spaceGo) {
        m_spaceGo = false;
        enableLog();
        fieldsToContact();
        GoIndicSetFocus();
        return true;
    }
    m_spaceGo = false;
    return c == FieldKeys::kEnter;
}

// ---- space removal ----

void FrmQSO::ElimSp() {
    ui.CmdEnterCall->setEnabled(false);
    QString call = ui.TxtIndic->text().left(15);
    call.remove(u' ');
    m_state.lookupCall = call;
    ui.TxtIndic->setText(call.trimmed());
}

void FrmQSO::ElimSp1() {
    if (ui.TxtIndic->text().trimmed().size() < 3)
        return;
    const int county = m_state.contest().log.exchange == ExchangeKind::Name ? 10 : 5;
    const std::pair<QLineEdit*, int> fields[] = {
        {ui.TxtRSTE1, 5}, {ui.TxtRSTE2, 5},      {ui.TxtRSTE3, county}, {ui.TxtRSTR1, 5},
        {ui.TxtRSTR2, 5}, {ui.TxtRstR3, county}, {ui.TxtDate, 10},      {ui.TxtUTC, 7}};
    for (const auto& [field, n] : fields) {
        const QString s = squeezed(field->text(), n);
        if (s != field->text())
            field->setText(s);
    }
    fieldsToContact();
}

// ---- date and time ----

void FrmQSO::moveOnOffLine() {
    if (ui.TxtRSTR2->text().trimmed().isEmpty())
        GoRSTR2SetFocus();
    else
        GoIndicSetFocus();
}

void FrmQSO::badDateOrTime(QLineEdit* field, const QString& message) {
    m_services.dialogs.message(message, kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    field->setText(QStringLiteral(" "));
    field->setFocus(Qt::OtherFocusReason);
}

bool FrmQSO::dateKeyDown(QKeyEvent& e) {
    m_spaceGo = e.key() == Qt::Key_Space;
    const QString t = ui.TxtDate->text().trimmed();
    const QChar typed = FieldKeys::typedChar(e);
    if (t.size() == 2 || t.size() == 5) {
        ui.TxtDate->setText(t + u'.');
        ui.TxtDate->setCursorPosition(static_cast<int>(t.size()) + 1);
        return false;
    }
    // The check runs once the date is whole: seven characters and the one being typed.
    if (t.size() < 7 || m_spaceGo || !typed.isPrint())
        return false;
    const auto date = DateTimeText::parseDate(t + typed);
    GoIndicSetFocus();
    if (!date) {
        badDateOrTime(ui.TxtDate,
                      QStringLiteral("DATA INCORECT INTRODUSA . INTRODUCETI DATA CORECT !"));
    } else {
        ui.TxtDate->setText(DateTimeText::formatDate(*date));
        if (m_state.offLineLog) {
            if (ui.TxtUTC->text().trimmed().isEmpty())
                ui.TxtUTC->setFocus(Qt::OtherFocusReason);
            else
                moveOnOffLine();
        }
    }
    return true;
}

bool FrmQSO::dateKeyPress(QChar& c) {
    c = c.toUpper();
    ui.CmdEnterCall->setEnabled(false);
    if (!m_spaceGo)
        return false;
    m_spaceGo = false;
    enableLog();
    const auto date = DateTimeText::parseDate(ui.TxtDate->text());
    if (!date) {
        badDateOrTime(ui.TxtDate,
                      QStringLiteral("DATA INCORECT INTRODUSA . INTRODUCETI DATA CORECT !"));
        return true;
    }
    ui.TxtDate->setText(DateTimeText::formatDate(*date));
    GoIndicSetFocus();
    return true;
}

void FrmQSO::acceptTime() {
    const auto time = DateTimeText::parseTime(ui.TxtUTC->text());
    if (!time) {
        badDateOrTime(ui.TxtUTC,
                      QStringLiteral("ORA INCORECT INTRODUSA . INTRODUCETI ORA CORECT !"));
        return;
    }
    ui.TxtUTC->setText(DateTimeText::formatTime(*time));
    if (m_state.offLineLog)
        moveOnOffLine();
    else
        GoIndicSetFocus();
}

bool FrmQSO::timeKeyPress(QChar& c) {
    c = c.toUpper();
    ui.CmdEnterCall->setEnabled(false);
    const QString t = ui.TxtUTC->text().trimmed();
    if (m_spaceGo) {
        m_spaceGo = false;
        enableLog();
        acceptTime();
        return true;
    }
    if (t.size() == 2 && c != u':') {
        ui.TxtUTC->setText(t + u':');
        ui.TxtUTC->setCursorPosition(3);
    }
    return false;
}

void FrmQSO::timeKeyUp() {
    if (m_state.offLineLog && ui.TxtUTC->hasFocus() && ui.TxtUTC->text().trimmed().size() >= 5)
        acceptTime();
}

bool FrmQSO::cwTextKeyPress(QChar& c, int index) {
    c = c.toUpper();
    if (c != FieldKeys::kEnter)
        return false;
    m_state.settings.cwTexts[index] = ui.TxtF[index]->text();
    if (index < 6)
        ui.TxtF[index + 1]->setFocus(Qt::OtherFocusReason);
    else
        GoIndicSetFocus();
    return true;
}

void FrmQSO::enableLog() {
    // A duplicate is never logged from the keyboard.
    ui.CmdEnterCall->setEnabled(!m_engine.contact().dupe);
}
