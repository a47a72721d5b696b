#include "ScreenHarness.h"
#include "keyer/KeyingResult.h"
#include "keyer/MorseTable.h"
#include "keyer/VoiceKeyer.h"
#include "screens/Colors.h"

#include <QLabel>
#include <QTimer>
#include <functional>

namespace {
using Line = FakeKeyLine::Line;

const QString kDateIncomplete = QStringLiteral("Date incomplete. Nu se poate loga!!");
const QString kPortError = QString::fromLatin1(Keying::kPortErrorMessage);

QRgb backColor(const QWidget* w) {
    return w->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
}

QRgb foreColor(const QWidget* w) {
    return w->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
}

// How many marks the keyer gives `text`: one per dot or dash.
int elements(const QString& text) {
    int n = 0;
    for (QChar c : text)
        n += static_cast<int>(MorseTable::pattern(c).size());
    return n;
}

int marks(const FakeKeyLine& line) {
    return static_cast<int>(line.states(Line::Dtr).count(true));
}

// How many times the transmitter was put on the air.
int keyings(const FakeKeyLine& line) {
    return static_cast<int>(line.states(Line::Rts).count(true));
}

// The messages as TxtCwCurent showed them, each once it was cleared at its end.
struct Transcript {
    explicit Transcript(QLineEdit* box) {
        QObject::connect(box, &QLineEdit::textChanged, box, [this](const QString& t) {
            if (t.isEmpty() && !current.isEmpty())
                sent << current;
            current = t;
        });
    }
    QStringList sent;
    QString current;
};

// Runs `action` once `ready` holds, looking every few milliseconds while events run.
void once(QObject* context, std::function<bool()> ready, std::function<void()> action) {
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, ready, action] {
        if (!ready())
            return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start(5);
}

// Keeps pressing Escape in `field` while a repeat is still running long after it should have
// ended, so a repeat that never sees its end fails the test instead of hanging it.
void guardRepeat(QObject* context, QLineEdit* field, bool& hung) {
    auto* guard = new QTimer(context);
    QObject::connect(guard, &QTimer::timeout, field, [field, &hung] {
        hung = true;
        QTest::keyClick(field, Qt::Key_Escape);
    });
    guard->start(std::chrono::seconds(20));
}

struct Keys {
    QStringList texts; // TxtF1..TxtF7
    bool repeat = false;
};
} // namespace

class QsoKeyingTest : public QObject {
    Q_OBJECT

    // The set-up screen filled in and handed over, stage 1A and the mode chosen.
    static void openQso(ScreenHarness& h, bool cw, const Keys& keys) {
        h.writeRecordings();
        QVERIFY(h.start());
        h.clickContest("OpBCNUS");
        h.click(h.init.get(), "OpbTest");
        h.initBox("TxtMyCall")->setText(QStringLiteral("YO3ABC"));
        h.initBox("TxtTime")->setText(QStringLiteral("2"));
        h.initBox("TxtMyBezirkA")->setText(QStringLiteral("BU"));
        h.initBox("txtContrInit")->setText(QStringLiteral("312"));
        h.initBox("TxtCP")->setText(QStringLiteral("2"));
        h.click(h.init.get(), cw ? "OpbCwJ" : "OpbSSBJ");
        if (keys.repeat)
            h.click(h.init.get(), cw ? "ChkCwRpt" : "ChkSSBRpt");
        for (int i = 0; i < keys.texts.size(); ++i)
            h.initBox(qPrintable(QStringLiteral("TxtF%1").arg(i + 1)))->setText(keys.texts.at(i));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QVERIFY(h.qso->isVisible());
        QApplication::setActiveWindow(h.qso.get());
        h.click(h.qso.get(), "Cmd1A");
        h.click(h.qso.get(), cw ? "CmdCW" : "CmdSSB");
        QVERIFY(h.qsoBox("TxtIndic")->isEnabled());
        if (cw)
            for (int i = 0; i < 5; ++i) // 40 wpm keeps the messages short
                QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_PageUp);
        h.dialogs.shown.clear();
        h.keyLine.clearChanges();
    }

    // A contact typed in full after the "YO" the callsign field offers, the cursor back in it.
    static void typeContact(ScreenHarness& h, const QString& call) {
        QTest::keyClicks(h.qsoBox("TxtIndic"), call + QLatin1Char(' '));
        QTest::keyClicks(h.qsoBox("TxtRSTR2"), QStringLiteral("123"));
        QTest::keyClicks(h.qsoBox("TxtRstR3"), QStringLiteral("CJ"));
        QCOMPARE(h.qso->focusWidget(), h.qsoBox("TxtIndic"));
    }

    static int logged(ScreenHarness& h) {
        return h.logDb.scalar(QStringLiteral("SELECT COUNT(*) FROM LogGen")).toInt();
    }

    static void linesOff(const FakeKeyLine& line) {
        QVERIFY(!line.dtr());
        QVERIFY(!line.rts());
    }

private slots:
    void loggingTextWithIncompleteDateSendsNothing_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("F2") << int(Qt::Key_F2);
        QTest::newRow("F4") << int(Qt::Key_F4);
        QTest::newRow("F6") << int(Qt::Key_F6);
        QTest::newRow("F7") << int(Qt::Key_F7);
    }
    void loggingTextWithIncompleteDateSendsNothing() {
        QFETCH(int, key);
        ScreenHarness h;
        openQso(h, true, {QStringList(7, QStringLiteral("#8 TU"))});
        if (QTest::currentTestFailed())
            return;
        QTest::keyClicks(h.qsoBox("TxtIndic"), QStringLiteral("8XYZ"));

        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key(key));

        QCOMPARE(h.dialogs.texts(), QStringList{kDateIncomplete});
        QVERIFY(h.keyLine.changes().isEmpty());
        QCOMPARE(logged(h), 0);
    }

    void logKeysLogAfterSendingUnlessEscaped_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("sent"); // all of it, unless escaped
        QTest::newRow("F3 to its end") << int(Qt::Key_F3) << "TU #8" << false << 1 << "TU";
        QTest::newRow("F5 to its end") << int(Qt::Key_F5) << "#8 TU" << false << 1 << "TU";
        QTest::newRow("F3 escaped") << int(Qt::Key_F3) << "TU TU #8" << true << 0 << "TU TU";
        QTest::newRow("F3 without #8") << int(Qt::Key_F3) << "TU" << false << 0 << "TU";
        // F7 logs first and sends then: the callsign is taken before logging empties it
        QTest::newRow("F7 logs before") << int(Qt::Key_F7) << "#2 #8" << false << 1 << "YO8XYZ";
    }
    void logKeysLogAfterSendingUnlessEscaped() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, escape);
        QFETCH(int, rows);
        QFETCH(QString, sent);
        ScreenHarness h;
        QStringList texts(7);
        texts[key - Qt::Key_F1] = text;
        openQso(h, true, {texts});
        if (QTest::currentTestFailed())
            return;
        typeContact(h, QStringLiteral("8XYZ"));
        Transcript transcript(h.qsoBox("TxtCwCurent"));
        QLineEdit* call = h.qsoBox("TxtIndic");
        if (escape)
            once(
                h.qso.get(), [&] { return marks(h.keyLine) > 0; },
                [call] { QTest::keyClick(call, Qt::Key_Escape); });

        QTest::keyClick(call, Qt::Key(key));

        QVERIFY(h.dialogs.shown.isEmpty());
        QCOMPARE(logged(h), rows);
        if (escape) {
            QVERIFY(marks(h.keyLine) < elements(sent));
        } else {
            QCOMPARE(transcript.sent, QStringList{sent});
            QCOMPARE(marks(h.keyLine), elements(sent));
        }
        const QString label = QStringLiteral("LblF%1").arg(key - Qt::Key_F1 + 1);
        QCOMPARE(foreColor(h.find<QLabel>(h.qso.get(), qPrintable(label))), Colors::kRed);
        linesOff(h.keyLine);
    }

    void dupeAnsweredOnceThenNormalText_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer"); // what the first press sends
        QTest::newRow("F2") << int(Qt::Key_F2) << "YO8XYZ QSO B4";
        QTest::newRow("F4") << int(Qt::Key_F4) << ""; // one word space, nothing audible
    }
    void dupeAnsweredOnceThenNormalText() {
        QFETCH(int, key);
        QFETCH(QString, answer);
        ScreenHarness h;
        openQso(h, true, {QStringList(7, QStringLiteral("TU"))});
        if (QTest::currentTestFailed())
            return;
        QLineEdit* call = h.qsoBox("TxtIndic");
        typeContact(h, QStringLiteral("8XYZ"));
        QTest::keyClick(call, Qt::Key_Insert);
        QCOMPARE(logged(h), 1);
        QTest::keyClicks(call, QStringLiteral("8XYZ"));
        h.keyLine.clearChanges();
        Transcript transcript(h.qsoBox("TxtCwCurent"));
        const QStringList first = answer.isEmpty() ? QStringList() : QStringList{answer};

        QTest::keyClick(call, Qt::Key(key));
        QCOMPARE(transcript.sent, first);
        QCOMPARE(marks(h.keyLine), elements(answer));
        QCOMPARE(keyings(h.keyLine), 1);
        QCOMPARE(backColor(call), Colors::kRed);
        h.keyLine.clearChanges();
        call->setFocus();

        QTest::keyClick(call, Qt::Key(key));
        QCOMPARE(transcript.sent, first + QStringList{QStringLiteral("TU")});
        QCOMPARE(marks(h.keyLine), elements(QStringLiteral("TU")));
        QCOMPARE(logged(h), 1);
        linesOff(h.keyLine);
    }

    void altF4InCallsignDoesNothing() {
        ScreenHarness h;
        openQso(h, true, {QStringList(7, QStringLiteral("TU"))});
        if (QTest::currentTestFailed())
            return;
        QLineEdit* call = h.qsoBox("TxtIndic");
        QTest::keyClicks(call, QStringLiteral("8XYZ"));

        QTest::keyClick(call, Qt::Key_F4, Qt::AltModifier);

        QVERIFY(h.qso->isVisible());
        QCOMPARE(call->text(), QStringLiteral("YO8XYZ"));
        QVERIFY(h.keyLine.changes().isEmpty());
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void keysDuringMessageStartNoOther() {
        ScreenHarness h;
        openQso(h, true, {QStringList(7, QStringLiteral("TU"))});
        if (QTest::currentTestFailed())
            return;
        typeContact(h, QStringLiteral("8XYZ"));
        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_Insert); // a last report for Alt+F3
        QCOMPARE(logged(h), 1);
        h.keyLine.clearChanges();
        Transcript transcript(h.qsoBox("TxtCwCurent"));
        QLineEdit* call = h.qsoBox("TxtIndic");
        once(
            h.qso.get(), [&] { return marks(h.keyLine) > 0; },
            [call] {
                for (Qt::Key k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F6, Qt::Key_F7})
                    QTest::keyClick(call, k);
                QTest::keyClick(call, Qt::Key_F3, Qt::AltModifier);
            });

        QTest::keyClick(call, Qt::Key_F7);

        QCOMPARE(transcript.sent, QStringList{QStringLiteral("TU")});
        QCOMPARE(marks(h.keyLine), elements(QStringLiteral("TU")));
        QCOMPARE(keyings(h.keyLine), 1);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void altF3ResendsLastReport() {
        ScreenHarness h;
        openQso(h, true, {});
        if (QTest::currentTestFailed())
            return;
        QLineEdit* call = h.qsoBox("TxtIndic");
        typeContact(h, QStringLiteral("8XYZ"));
        QTest::keyClick(call, Qt::Key_Insert);
        QCOMPARE(logged(h), 1);
        Transcript transcript(h.qsoBox("TxtCwCurent"));

        QTest::keyClick(call, Qt::Key_F3, Qt::AltModifier);

        const QString report = h.qso->engine().lastLogged();
        QVERIFY(report.startsWith(QLatin1String("YO8XYZ ")));
        QCOMPARE(transcript.sent, QStringList{report});
        QCOMPARE(marks(h.keyLine), elements(report));
        QCOMPARE(call->text(), QStringLiteral("YO"));
        linesOff(h.keyLine);
    }

    void cwRepeatEndsOnEscapeOrTyping_data() {
        QTest::addColumn<QList<int>>("keys"); // pressed in the callsign during a wait
        QTest::addColumn<QString>("callAfter");
        QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << "YO";
        QTest::newRow("End") << QList<int>{Qt::Key_End} << "YO";
        QTest::newRow("typing in the callsign") << QList<int>{Qt::Key_A} << "YOA";
        QTest::newRow("F1 again, then Escape") << QList<int>{Qt::Key_F1, Qt::Key_Escape} << "YO";
    }
    void cwRepeatEndsOnEscapeOrTyping() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, callAfter);
        ScreenHarness h;
        openQso(h, true, {{QStringLiteral("TU")}, true});
        if (QTest::currentTestFailed())
            return;
        QLineEdit* pause = h.qsoBox("txtPauseCW");
        QVERIFY(pause->isVisible());
        pause->clear();
        QTest::keyClicks(pause, QStringLiteral("0.4"));
        QCOMPARE(pause->text(), QStringLiteral("0.4"));
        QLineEdit* call = h.qsoBox("TxtIndic");
        Transcript transcript(h.qsoBox("TxtCwCurent"));
        once(
            h.qso.get(),
            [&] { return transcript.sent.size() >= 2 && backColor(pause) == Colors::kRed; },
            [call, keys] {
                for (int key : keys)
                    QTest::keyClick(call, Qt::Key(key));
            });
        bool hung = false;
        guardRepeat(h.qso.get(), call, hung);

        QTest::keyClick(call, Qt::Key_F1);

        QVERIFY(!hung);
        QCOMPARE(transcript.sent.size(), 2);
        QCOMPARE(transcript.sent.count(QStringLiteral("TU")), 2);
        QCOMPARE(call->text(), callAfter);
        QCOMPARE(backColor(pause), Colors::kYellow);
        QCOMPARE(foreColor(h.find<QLabel>(h.qso.get(), "LblF1")), Colors::kRed);
        linesOff(h.keyLine);
    }

    void ssbRepeatColoursPauseBox() {
        ScreenHarness h;
        h.voice.playTime = std::chrono::milliseconds(30);
        openQso(h, false, {{}, true});
        if (QTest::currentTestFailed())
            return;
        QLineEdit* pause = h.qsoBox("TxtPauseSSB");
        QVERIFY(pause->isVisible());
        pause->clear();
        QTest::keyClicks(pause, QStringLiteral("0.4"));
        QList<QRgb> whilePlaying;
        h.voice.onPlay = [&] {
            whilePlaying << backColor(pause);
            QVERIFY(h.keyLine.rts());
        };
        QLineEdit* call = h.qsoBox("TxtIndic");
        once(
            h.qso.get(),
            [&] { return h.voice.played.size() >= 3 && backColor(pause) == Colors::kRed; },
            [call] { QTest::keyClick(call, Qt::Key_Escape); });
        bool hung = false;
        guardRepeat(h.qso.get(), call, hung);

        QTest::keyClick(call, Qt::Key_F1);

        QVERIFY(!hung);
        QCOMPARE(h.voice.played, QStringList(3, VoiceKeyer::wavFile(h.state.appPath, 1)));
        QCOMPARE(whilePlaying.mid(1), (QList<QRgb>{Colors::kGreen, Colors::kGreen}));
        QCOMPARE(backColor(pause), qRgb(192, 255, 255) & 0xFFFFFF);
        QCOMPARE(keyings(h.keyLine), 3);
        linesOff(h.keyLine);
    }

    void emptyF1KeysTransmitterForOneWordSpace() {
        ScreenHarness h;
        openQso(h, true, {});
        if (QTest::currentTestFailed())
            return;

        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F1);

        QCOMPARE(keyings(h.keyLine), 1);
        QCOMPARE(marks(h.keyLine), 0);
        QVERIFY(h.dialogs.shown.isEmpty());
        linesOff(h.keyLine);
    }

    // A missing recording is named; the transmitter is not keyed for nothing.
    void missingRecordingIsNamed() {
        ScreenHarness h;
        openQso(h, false, {QStringList(7, QStringLiteral("TU")), false});
        if (QTest::currentTestFailed())
            return;
        QVERIFY(QFile::remove(h.folder.file(QStringLiteral("WAVUs/F3.WAV"))));
        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F3);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY2(h.dialogs.shown[0].text.startsWith(
                     QStringLiteral("Inregistrarea ") +
                     QDir::toNativeSeparators(h.folder.file(QStringLiteral("WAVUs/F3.wav"))) +
                     QStringLiteral(" lipseste")),
                 qPrintable(h.dialogs.shown[0].text));
        QVERIFY(h.voice.played.isEmpty());
        QVERIFY(!h.keyLine.states(FakeKeyLine::Line::Rts).contains(true));
    }

    void absentPort_data() {
        QTest::addColumn<bool>("cw");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("refused");
        QTest::newRow("CW F7") << true << false << int(Qt::Key_F7) << true;
        QTest::newRow("CW F1 with repeat") << true << true << int(Qt::Key_F1) << true;
        QTest::newRow("SSB F3") << false << false << int(Qt::Key_F3) << false;
    }
    void absentPort() {
        QFETCH(bool, cw);
        QFETCH(bool, repeat);
        QFETCH(int, key);
        QFETCH(bool, refused);
        ScreenHarness h;
        openQso(h, cw, {QStringList(7, QStringLiteral("TU")), repeat});
        if (QTest::currentTestFailed())
            return;
        h.keyLine.setOpenFails(true);
        QLineEdit* call = h.qsoBox("TxtIndic");

        QTest::keyClick(call, Qt::Key(key));

        const QStringList played{VoiceKeyer::wavFile(h.state.appPath, key - Qt::Key_F1 + 1)};
        QCOMPARE(h.dialogs.texts(), refused ? QStringList{kPortError} : QStringList());
        if (refused)
            QVERIFY(!h.state.cwPcFlag && !h.state.ssbPcFlag);
        else
            QVERIFY(h.state.ssbPcFlag);
        QCOMPARE(h.voice.played, refused ? QStringList() : played);
        QVERIFY(h.keyLine.changes().isEmpty());
        if (refused) { // the keys no longer transmit
            QTest::keyClick(call, Qt::Key(key));
            QCOMPARE(h.dialogs.shown.size(), 1);
            QCOMPARE(h.keyLine.openCalls().size(), 1);
        }
    }

    void whateverEndsMessageLeavesLinesOff_data() {
        QTest::addColumn<QString>("ending"); // "", or a key name, or "close"
        QTest::newRow("its end") << "";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("End") << "End";
        QTest::newRow("closing the screen") << "close";
    }
    void whateverEndsMessageLeavesLinesOff() {
        QFETCH(QString, ending);
        ScreenHarness h;
        openQso(h, true, {QStringList(7, QStringLiteral("TU TU"))});
        if (QTest::currentTestFailed())
            return;
        QLineEdit* call = h.qsoBox("TxtIndic");
        Transcript transcript(h.qsoBox("TxtCwCurent"));
        QRgb labelWhileSending = 0;
        bool shownWhileSending = false;
        QLabel* label = h.find<QLabel>(h.qso.get(), "LblF6");
        QLineEdit* shown = h.qsoBox("TxtCwCurent");
        QVERIFY(!shown->isVisible());
        once(
            h.qso.get(), [&] { return marks(h.keyLine) > 0; },
            [&] {
                labelWhileSending = foreColor(label);
                shownWhileSending = shown->isVisible();
                if (ending == QLatin1String("close"))
                    h.qso->close();
                else if (!ending.isEmpty())
                    QTest::keyClick(call,
                                    ending == QLatin1String("End") ? Qt::Key_End : Qt::Key_Escape);
            });

        QTest::keyClick(call, Qt::Key_F6);

        QCOMPARE(labelWhileSending, Colors::kGreen);
        QCOMPARE(foreColor(label), Colors::kRed);
        QVERIFY(shownWhileSending);
        QVERIFY(!shown->isVisible());
        const int full = elements(QStringLiteral("TU TU"));
        if (ending.isEmpty())
            QCOMPARE(marks(h.keyLine), full);
        else
            QVERIFY(marks(h.keyLine) < full);
        QCOMPARE(keyings(h.keyLine), 1);
        QCOMPARE(h.keyLine.states(Line::Dtr).last(), false);
        linesOff(h.keyLine);
    }

    void labelsGreenWhileSendingRedAfter_data() {
        QTest::addColumn<bool>("cw");
        QTest::addColumn<int>("key");
        QTest::newRow("CW F1") << true << int(Qt::Key_F1);
        QTest::newRow("CW F4") << true << int(Qt::Key_F4);
        QTest::newRow("SSB F5") << false << int(Qt::Key_F5);
    }
    void labelsGreenWhileSendingRedAfter() {
        QFETCH(bool, cw);
        QFETCH(int, key);
        ScreenHarness h;
        openQso(h, cw, {QStringList(7, QStringLiteral("TU"))});
        if (QTest::currentTestFailed())
            return;
        const int n = key - Qt::Key_F1 + 1;
        QLabel* label = h.find<QLabel>(h.qso.get(), qPrintable(QStringLiteral("LblF%1").arg(n)));
        QList<QRgb> whileSending;
        h.voice.onPlay = [&] { whileSending << foreColor(label); };
        once(
            h.qso.get(), [&] { return marks(h.keyLine) > 0; },
            [&] { whileSending << foreColor(label); });
        QLineEdit* report = h.qsoBox("TxtRSTR1");
        report->setFocus();

        QTest::keyClick(report, Qt::Key(key));

        QCOMPARE(whileSending, QList<QRgb>{Colors::kGreen});
        QCOMPARE(foreColor(label), Colors::kRed);
    }

    // A repeat stops when its screen is left, and both lines are off.
    void repeatStopsWhenTheScreenIsLeft_data() {
        QTest::addColumn<bool>("cw");
        QTest::addColumn<QString>("way");
        for (bool cw : {true, false}) {
            const char* mode = cw ? "CW" : "SSB";
            QTest::addRow("%s, 1_ST_PAGE", mode) << cw << "setup";
            QTest::addRow("%s, Escape on the set-up screen", mode) << cw << "escape";
            QTest::addRow("%s, End on the set-up screen", mode) << cw << "end";
        }
    }
    void repeatStopsWhenTheScreenIsLeft() {
        QFETCH(bool, cw);
        QFETCH(QString, way);
        ScreenHarness h;
        h.voice.playTime = std::chrono::milliseconds(30);
        openQso(h, cw, {{QStringLiteral("E")}, true});
        if (QTest::currentTestFailed())
            return;
        QLineEdit* pause = h.qsoBox(cw ? "txtPauseCW" : "TxtPauseSSB");
        pause->setText(QStringLiteral("0.2"));
        int atLeaving = 0;
        once(
            h.qso.get(), [&] { return keyings(h.keyLine) >= 2; },
            [&] {
                if (way == QLatin1String("setup")) {
                    h.trigger(h.qso.get(), "mnuAnfang");
                } else {
                    QApplication::setActiveWindow(h.init.get());
                    QTest::keyClick(h.initBox("TxtMyCall"),
                                    way == QLatin1String("end") ? Qt::Key_End : Qt::Key_Escape);
                }
                atLeaving = keyings(h.keyLine);
            });
        bool hung = false;
        guardRepeat(h.qso.get(), h.qsoBox("TxtIndic"), hung);

        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F1);

        QVERIFY(!hung);
        QVERIFY(atLeaving >= 2);
        QVERIFY(keyings(h.keyLine) <= atLeaving); // nothing keyed once the operator left or asked
        linesOff(h.keyLine);
    }
};

QTEST_MAIN(QsoKeyingTest)
#include "QsoKeyingTest.moc"
