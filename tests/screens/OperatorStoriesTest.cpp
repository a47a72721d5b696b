#include "ScreenHarness.h"

#include <QClipboard>
#include <QLabel>
#include <QTableView>

// Operator stories on the real QSO screen, each a line of key strokes and clicks, compared with
// the log row by row afterwards. Words of a story:
//   =text      typed into the focused field        Space Enter Tab F12 Alt+X Alt+F2  keys
//   paste:text pasted into the focused field with Ctrl+V ("_" for a blank)
//   @Box ^Box  the focus into a field, caret at its end or its text selected
//   !Name      a button clicked or a menu command triggered
//   log:C/N/J  a whole contact (callsign, code, county) logged with Enter
//   del:CALL   the grid row of CALL deleted (the question answered Yes)
//   ?Box=text  the field holds text at that moment ("?LblMlt=1" for a label)
//   ?focus=Box the field has the focus     ?said=text  the last message, "_" for blanks
//   ?on=Name ?off=Name  the control is shown and enabled, or hidden or disabled
// A contest column "control date time" starts an off-line log at that date ("-" empty) and time.

namespace {
void keyWord(ScreenHarness& h, const QString& w) {
    static const QHash<QString, Qt::Key> keys = {
        {"Space", Qt::Key_Space},         {"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab},
        {"Backspace", Qt::Key_Backspace}, {"F2", Qt::Key_F2},        {"F12", Qt::Key_F12}};
    if (w.startsWith(QLatin1String("Alt+"))) {
        const QString k = w.mid(4);
        if (k == QLatin1String("F2"))
            h.key(Qt::Key_F2, Qt::AltModifier);
        else
            QTest::keyClick(h.focused(), k.toLower().at(0).toLatin1(), Qt::AltModifier);
    } else {
        QVERIFY2(keys.contains(w), qPrintable(w));
        h.key(keys.value(w));
    }
}

void deleteRow(ScreenHarness& h, const QString& call) {
    auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, 1).data().toString() == call) {
            grid->setFocus();
            grid->selectRow(r);
            h.dialogs.script = {Dialogs::AnswerYes};
            QTest::keyClick(grid, Qt::Key_Delete);
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no row ") + call));
}

void logContact(ScreenHarness& h, const QStringList& parts) {
    h.typeContact(parts[0], parts[1], parts[2]);
    // Contests whose club words are longer than a county wait for Space after the county.
    if (h.focused() == h.qsoBox("TxtRstR3"))
        h.key(Qt::Key_Space);
    h.qsoBox("TxtIndic")->setFocus();
    h.key(Qt::Key_Return);
}

void check(ScreenHarness& h, const QString& w) {
    const QString name = w.mid(1).section(u'=', 0, 0);
    const QString want = w.section(u'=', 1).replace(u'_', u' ');
    if (name == QLatin1String("on") || name == QLatin1String("off")) {
        const QWidget* control = h.find<QWidget>(h.qso.get(), want.toLatin1().constData());
        QCOMPARE(control->isVisible() && control->isEnabled(), name == QLatin1String("on"));
        return;
    }
    if (name == QLatin1String("focus")) {
        QCOMPARE(h.focused()->objectName(), want);
        return;
    }
    if (name == QLatin1String("said")) {
        QVERIFY(!h.dialogs.texts().isEmpty());
        QCOMPARE(h.dialogs.texts().last(), want);
        return;
    }
    QWidget* widget = h.find<QWidget>(h.qso.get(), name.toLatin1().constData());
    const QString shown = qobject_cast<QLabel*>(widget) ? qobject_cast<QLabel*>(widget)->text()
                                                        : qobject_cast<QLineEdit*>(widget)->text();
    QCOMPARE(shown, want);
}

// Typed one character at a time, letters outside Latin-1 as a keyboard layout delivers them.
void type(ScreenHarness& h, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(h.focused(), c.toLatin1());
            continue;
        }
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(h.focused(), &e);
        }
    }
}

void play(ScreenHarness& h, const QString& story) {
    for (const QString& w : story.split(u' ', Qt::SkipEmptyParts)) {
        if (w.startsWith(u'=')) {
            type(h, w.mid(1));
        } else if (w.startsWith(u'@') || w.startsWith(u'^')) {
            QLineEdit* box = h.qsoBox(w.mid(1).toLatin1().constData());
            box->setFocus();
            if (w.startsWith(u'^'))
                box->selectAll();
            else
                box->end(false);
        } else if (w.startsWith(u'!')) {
            const QByteArray name = w.mid(1).toLatin1();
            if (h.qso->findChild<QAction*>(QString::fromLatin1(name)))
                h.trigger(h.qso.get(), name.constData());
            else
                h.click(h.qso.get(), name.constData());
        } else if (w.startsWith(QLatin1String("log:"))) {
            logContact(h, w.mid(4).split(u'/'));
        } else if (w.startsWith(QLatin1String("paste:"))) {
            QGuiApplication::clipboard()->setText(w.mid(6).replace(u'_', u' '));
            h.key(Qt::Key_V, Qt::ControlModifier);
        } else if (w.startsWith(QLatin1String("del:"))) {
            deleteRow(h, w.mid(4));
        } else if (w.startsWith(u'?')) {
            check(h, w);
        } else {
            keyWord(h, w);
        }
        if (QTest::currentTestFailed())
            return;
    }
}
} // namespace

class OperatorStoriesTest : public QObject {
    Q_OBJECT
private slots:
    void stories_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("story");
        QTest::addColumn<QString>(
            "rows"); // callsign, stage, sent, received, mode, Mult; "/" between rows
        auto story = [](const char* name, const char* contest, const char* words,
                        const char* rows) { QTest::newRow(name) << contest << words << rows; };
        const char* nus = "OpBCNUS";
        const char* telecom = "ObBTelecom";
        // 1: a recovered contact is judged again in the stage and mode it is logged in.
        story("recovery into another stage", nus,
              "log:3ABD/123/BU !Cmd1B log:8XYZ/045/IS !Cmd1A @TxtIndic =8QQQ Space =045 =IS "
              "?LblMlt=1 !CmdAbbruchX !Cmd1B !mnuRecup @TxtIndic Enter ?LblMlt=1",
              "YO3ABD 1 599 312 BU|599 123 BU CW BU/YO8XYZ 2 599 123 BU|599 045 IS CW IS/"
              "YO8QQQ 2 599 045 BU|599 045 IS CW -");
        story("recovery into another mode", nus,
              "@TxtIndic =8QQQ Space =045 =IS !CmdAbbruchX !CmdSSB !mnuRecup @TxtIndic Enter",
              "YO8QQQ 1 59 312 BU|59 045 IS SSB IS");
        // 2: a delete leaves the fields in hand as typed and judges the contact again.
        story("delete beside a contact in hand", nus,
              "log:3ABD/123/BU log:8XYZ/045/IS @TxtIndic =8XY Space =077 =IS ^TxtRSTR1 =579 Space "
              "del:YO8XYZ ?TxtRSTR1=579 ?TxtRSTE2=045 @TxtIndic Enter",
              "YO3ABD 1 599 312 BU|599 123 BU CW BU/YO8XY 1 599 045 BU|579 077 IS CW IS");
        story("delete during a correction", telecom,
              "log:5AAA/001/CJ log:5BBB/002/CJ log:5CCC/003/CJ Alt+F2 del:YO5AAA "
              "?TxtRSTE2=003 @TxtIndic Enter",
              "YO5BBB 1 599 002 BU|599 002 CJ CW CJ/YO5CCC 1 599 003 BU|599 003 CJ CW -");
        // 3: the multiplier moves to the earliest contact that earns it.
        story("delete of a multiplier's holder", nus,
              "log:8XYZ/045/IS log:8QQQ/046/IS del:YO8XYZ ?LblMlt=1",
              "YO8QQQ 1 599 045 BU|599 046 IS CW IS");
        // 4: every way of logging checks the contact is whole; Space stays in an empty county.
        story("space in an empty county", nus, "@TxtIndic =8kaa Space =012 Space =bc Enter",
              "YO8KAA 1 599 312 BU|599 012 BC CW BC");
        // 6: an Alt+key of a hidden button types nothing.
        story("Alt of a hidden stage", telecom,
              "@TxtIndic =5ABC Alt+2 Space =001 =CJ Space @TxtIndic Enter",
              "YO5ABC 1 599 001 BU|599 001 CJ CW CJ");
        // 7: the club word waits for letters no county begins with.
        story("county beginning like the club word", telecom,
              "@TxtIndic =2LLL Space =001 =TM Space @TxtIndic Enter",
              "YO2LLL 1 599 001 BU|599 001 TM CW TM");
        story("club word in full", telecom, "@TxtIndic =2MMM Space =001 =TLC Space @TxtIndic Enter",
              "YO2MMM 1 599 001 BU|599 001 TLC CW TLC");
        // 8: characters no callsign or exchange holds are refused as they are typed.
        story("foreign letters", nus, "@TxtIndic =9ЖHÎD中 Space =0x45 =IS @TxtIndic Enter",
              "YO9HD 1 599 312 BU|599 045 IS CW IS");
        story("callsign past its longest", nus,
              "@TxtIndic =1234567890ABCDEFGHIJ Space =045 =IS @TxtIndic Enter",
              "YO1234567890A 1 599 312 BU|599 045 IS CW IS");
        // 9: a contact pushed aside by a correction or a mode is kept for REC&UP.
        story("contact pushed aside by a correction", nus,
              "log:3ABD/123/BU @TxtIndic =5BBB Space =011 =CJ Alt+F2 ?TxtIndic=YO3ABD "
              "!mnuRecup @TxtIndic Enter",
              "YO3ABD 1 599 312 BU|599 123 BU CW BU/YO5BBB 1 599 123 BU|599 011 CJ CW CJ");
        // Off-line, Enter in the callsign field logs only a contact whose date and time are whole.
        story("off-line without a date", "OpBCNUS - 23:00",
              "@TxtIndic =8kaa Space ?TxtUTC=23: @TxtRSTR2 =012 =IS ?focus=TxtIndic Enter "
              "?said=Date_incomplete._Nu_se_poate_loga!! ?focus=TxtDate",
              "");
        // Off-line past midnight: an earlier time offers the next day, which F2 corrects; the
        // dots and the colon go out with the digit before them.
        story("off-line past midnight", "OpBCNUS 30.11.26 23:50",
              "@TxtIndic =8aaa Space =55 =012 =IS @TxtIndic Enter @TxtIndic =8bbb Space "
              "?TxtUTC=23: Backspace ?TxtUTC=2 Backspace =0005 ?TxtDate=01.12.26 =013 =IS "
              "@TxtIndic Enter @TxtIndic =8ccc Space ?TxtDate=01.12.26 ?TxtUTC=00: =07 F2 =02 "
              "?TxtDate=02.12.26 @TxtDate Backspace Backspace Backspace ?TxtDate=02.1 =226 "
              "?TxtDate=02.12.26",
              "YO8AAA 1 599 312 BU|599 012 IS CW IS/YO8BBB 1 599 012 BU|599 013 IS CW -");
        // Paste takes what the field's own keys take.
        story("paste into the callsign", nus,
              "^TxtIndic paste:yo8-pa_st ?TxtIndic=YO8PAST Space paste:0x4.5 ?TxtRSTR2=045 =IS "
              "@TxtIndic Enter",
              "YO8PAST 1 599 312 BU|599 045 IS CW IS");
        // IN LOG only for a contact that can be logged as it stands; NOU never beside a dupe.
        story(
            "IN LOG after a delete beside a contact in hand", nus,
            "log:8NEX/123/BU @TxtIndic =8NE Space =012 del:YO8NEX ?off=CmdEnterCall @TxtRstR3 =IS "
            "?on=CmdEnterCall",
            "");
        story(
            "IN LOG after REC&UP", nus,
            "@TxtIndic =8NEW Space =012 !CmdAbbruchX !mnuRecup ?off=CmdEnterCall !CmdEnterCall F12",
            "");
        story("NOU beside a duplicate", nus,
              "log:8XYZ/045/IS @TxtIndic =8XYZ Space =046 =CJ ?on=Frame3 ?off=LblNeu",
              "YO8XYZ 1 599 312 BU|599 045 IS CW IS");
        // The error line names a callsign; it goes when the callsign is edited.
        story("error line after the callsign is edited", nus,
              "@TxtIndic =8NEW Space ?on=TxtEroare @TxtIndic Backspace ?off=TxtEroare", "");
        // A correction pushed aside by a mode comes back with REC&UP, not an older contact, and
        // is logged once, in place; the serial goes on from the log.
        story("mode during a correction", "OpBTeleorman",
              "log:5AAA/011/CJ log:6BBB/012/MS @TxtIndic =7CCC Space !CmdAbbruchX Alt+F2 "
              "^TxtRSTR2 =013 !CmdSSB !mnuRecup ?TxtIndic=YO6BBB @TxtIndic Enter log:7DDD/014/DJ",
              "YO5AAA 1 599 001 BU|599 011 CJ CW CJ/YO6BBB 1 599 002 BU|599 013 MS CW MS/"
              "YO7DDD 1 59 003 BU|59 014 DJ SSB DJ");
        // The delete question names the mode of a station worked in both in one minute.
        story("delete question names the mode", telecom,
              "log:5AAA/001/CJ !CmdSSB log:5AAA/002/CJ del:YO5AAA "
              "?said=VRETI_INTRADEVAR_SA_STERGETI_CONTACTUL_CW_CU_YO5AAA_DE_LA_12:05_UTC_DIN_"
              "ETAPA_1A_?",
              "YO5AAA 1 59 002 BU|59 002 CJ SSB CJ");
    }
    void stories() {
        QFETCH(QString, contest);
        QFETCH(QString, story);
        QFETCH(QString, rows);
        ScreenHarness h;
        const QStringList setup = contest.split(u' ');
        h.openQso(setup[0].toLatin1().constData(), QStringLiteral("312"), "Cmd1A", "CmdCW", [&] {
            if (setup.size() < 3)
                return;
            h.trigger(h.init.get(), "mnuInpLog");
            h.initBox("TxtSD")->setText(setup[1] == u"-" ? QString() : setup[1]);
            h.initBox("TxtST")->setText(setup[2]);
        });
        play(h, story);
        if (QTest::currentTestFailed())
            return;
        QStringList stored;
        for (const QString& r : h.logRows()) {
            const QStringList c = r.split(u'|');
            const QString mult = c[8].trimmed().isEmpty() ? QStringLiteral("-") : c[8].trimmed();
            stored << QStringList{c[0], c[3], c[4] + u'|' + c[5], c[6], mult}.join(u' ');
        }
        QCOMPARE(stored, rows.isEmpty() ? QStringList{} : rows.split(u'/'));
    }
};

QTEST_MAIN(OperatorStoriesTest)
#include "OperatorStoriesTest.moc"
