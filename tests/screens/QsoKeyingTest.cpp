#include "ExpectedFile.h"
#include "FakeKeyers.h"
#include "ScreenHarness.h"
#include "rules/MorseTable.h"
#include "screens/Colors.h"
#include "services/keyer/KeyingResult.h"

#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

// The function keys wired to the QSO screen, and the stories where keying meets other states.
namespace {
using Line = FakeKeyLine::Line;

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

// Runs `action` once `ready` holds, looking every few milliseconds while events run.
void once(QObject* context, const std::function<bool()>& ready,
          const std::function<void()>& action) {
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

// The set-up screen filled in and handed over, stage 1A and the mode chosen.
bool openQso(ScreenHarness& h, bool cw, const QStringList& texts, bool repeat = false) {
    h.writeRecordings();
    h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1A", cw ? "CmdCW" : "CmdSSB", [&] {
        h.initBox("TxtCP")->setText(QStringLiteral("2"));
        h.click(h.init.get(), cw ? "OpbCwJ" : "OpbSSBJ");
        if (repeat)
            h.click(h.init.get(), cw ? "ChkCwRpt" : "ChkSSBRpt");
        for (int i = 0; i < texts.size(); ++i) // TxtF1..TxtF7
            h.initBox(qPrintable(QStringLiteral("TxtF%1").arg(i + 1)))->setText(texts.at(i));
    });
    if (cw)
        for (int i = 0; i < 5; ++i) // 40 wpm keeps the messages short
            QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_PageUp);
    h.dialogs.shown.clear();
    h.keyLine.clearChanges();
    return h.qso->isVisible();
}

// Lets the message under way, and a repeat, run to their end: keying never waits for them.
void untilIdle(ScreenHarness& h, int ms = 10000) {
    QTRY_VERIFY_WITH_TIMEOUT(h.keyerIdleShown(), ms);
}

bool linesOff(const FakeKeyLine& line) {
    return !line.dtr() && !line.rts();
}
} // namespace

class QsoKeyingTest : public QObject {
    Q_OBJECT
private slots:
    // The keys whose message logs the contact ("#8"): F3 when it has gone, unless escaped, and
    // the contact as it stood at the key; F7 before it goes. A logged contact shows at once.
    void logKeysLogAfterSendingUnlessEscaped() {
        QVERIFY(answersAsExpected("data/tables/logkeys.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            const int fKey = f[0].toInt();
            ScreenHarness h;
            QStringList texts(7);
            texts[fKey - 1] = f[1];
            if (!openQso(h, true, texts))
                return QStringLiteral("no QSO screen");
            QLineEdit* call = h.qsoBox("TxtIndic");
            if (f[2] == u'1')
                h.typeContact(QStringLiteral("8XYZ"), QStringLiteral("123"), QStringLiteral("CJ"));
            else
                QTest::keyClicks(call, QStringLiteral("8XYZ"));
            auto* label =
                h.find<QLabel>(h.qso.get(), qPrintable(QStringLiteral("LblF%1").arg(fKey)));
            QLineEdit* shown = h.qsoBox("TxtCwCurent");
            const auto state = [&] {
                return QStringLiteral("%1, CW %2")
                    .arg(ScreenHarness::rgb(label, QPalette::WindowText), 6, 16, QChar(u'0'))
                    .arg(shown->isVisible() ? "shown" : "hidden");
            };
            QString whileSending = QStringLiteral("-");
            once(
                h.qso.get(), [&] { return marks(h.keyLine) > 0; },
                [&] {
                    whileSending = state();
                    QTest::keyClicks(h.focused(), f[4]);
                    if (f[3] == u'1')
                        QTest::keyClick(call, Qt::Key_Escape);
                });
            QTest::keyClick(call, Qt::Key(Qt::Key_F1 + fKey - 1));
            if (!QTest::qWaitFor([&] { return h.keyerIdleShown(); }, 10000))
                return QStringLiteral("never idle");
            QStringList logged;
            for (const QString& r : h.logRows())
                logged << r.section(u'|', 0, 0);
            const int sent = marks(h.keyLine);
            return QStringLiteral("%1 | %2 | %3, IN LOG %4 | %5 keyed, %6 | %7 | %8%9")
                .arg(h.dialogs.texts().join(u'/'), logged.join(u' '), call->text(),
                     h.find<QPushButton>(h.qso.get(), "CmdEnterCall")->isEnabled() ? "on" : "off")
                .arg(keyings(h.keyLine))
                .arg(sent == elements(f[5])  ? "whole"
                     : sent < elements(f[5]) ? "cut"
                                             : "more")
                .arg(whileSending, state(), linesOff(h.keyLine) ? "" : ", lines on");
        }));
    }

    // F2 answers a dupe once with its report, then sends its own text; keys pressed while a
    // message goes out wait for it in their order, their captions blue, until Escape drops them
    // with it; Alt+F3 resends the last report afterwards.
    void keysDuringAMessageWaitForIt() {
        ScreenHarness h;
        QVERIFY(openQso(h, true, {"HH", "I", "S", "H", "5", "T", "M"}));
        QLineEdit* call = h.qsoBox("TxtIndic");
        h.typeContact(QStringLiteral("8XYZ"), QStringLiteral("123"), QStringLiteral("CJ"));
        QTest::keyClick(call, Qt::Key_Insert);
        QCOMPARE(h.logRows().size(), 1);
        QTest::keyClicks(call, QStringLiteral("8XYZ"));
        h.keyLine.clearChanges();
        QTest::keyClick(call, Qt::Key_F2);
        untilIdle(h);
        QCOMPARE(marks(h.keyLine), elements(QStringLiteral("YO8XYZ QSO B4")));
        QCOMPARE(h.rgb(call), Colors::kRed);
        const auto caption = [&](int n) {
            return ScreenHarness::rgb(
                h.find<QLabel>(h.qso.get(), qPrintable(QStringLiteral("LblF%1").arg(n))),
                QPalette::WindowText);
        };
        for (const bool escape : {false, true}) {
            call->setFocus();
            h.keyLine.clearChanges();
            QList<QRgb> waiting;
            once(
                h.qso.get(), [&] { return marks(h.keyLine) > 0; },
                [&] {
                    for (Qt::Key k : {Qt::Key_F7, Qt::Key_F6})
                        QTest::keyClick(call, k);
                    waiting << caption(6) << caption(7);
                    if (escape)
                        QTest::keyClick(call, Qt::Key_Escape);
                });
            QTest::keyClick(call, escape ? Qt::Key_F1 : Qt::Key_F2);
            untilIdle(h);
            QCOMPARE(waiting, (QList<QRgb>{Colors::kBlue, Colors::kBlue}));
            QCOMPARE(keyings(h.keyLine), escape ? 1 : 3);
            if (escape)
                QVERIFY(marks(h.keyLine) < elements(QStringLiteral("HH")));
            else
                QCOMPARE(marks(h.keyLine), elements(QStringLiteral("IMT")));
            for (int n = 1; n <= 7; ++n)
                QCOMPARE(caption(n), Colors::kRed);
        }
        QVERIFY(h.dialogs.shown.isEmpty());
        h.keyLine.clearChanges();
        QTest::keyClick(call, Qt::Key_F3, Qt::AltModifier);
        untilIdle(h);
        const QStringList rows = h.logRows();
        QCOMPARE(rows.size(), 1);
        const QStringList logged = rows[0].split(u'|'); // the callsign and the sent exchange
        QCOMPARE(logged[0], "YO8XYZ");
        QCOMPARE(marks(h.keyLine), elements(logged[0] + u' ' + logged[4]));
        QVERIFY(linesOff(h.keyLine));
    }

    // In SSB the recordings waiting for the one that plays show as CW's messages do: blue; a
    // missing recording is named to the operator, and the transmitter stays off.
    void recordingsWaitingShownOrNamed() {
        ScreenHarness h;
        h.voice.playTime = std::chrono::milliseconds(200);
        QVERIFY(openQso(h, false, {}));
        QVERIFY(QFile::remove(h.folder.file(QStringLiteral("WAVUs/F3.WAV"))));
        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F1);
        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F2);
        auto* waiting = h.find<QLabel>(h.qso.get(), "LblF2");
        QVERIFY(waiting->isVisible() && !h.qsoBox("TxtF2")->isVisible());
        QCOMPARE(h.rgb(waiting, QPalette::WindowText), Colors::kBlue);
        untilIdle(h);
        QCOMPARE(h.voice.played.size(), 2);
        QCOMPARE(h.rgb(waiting, QPalette::WindowText), Colors::kRed);
        h.keyLine.clearChanges();
        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F3);
        QCOMPARE(h.dialogs.texts().size(), 1);
        QVERIFY2(h.dialogs.texts()[0].endsWith(
                     QStringLiteral("Creati fisierul F3.wav in folderul WAVUs.")),
                 qPrintable(h.dialogs.texts()[0]));
        QVERIFY(h.keyLine.changes().isEmpty());
    }

    // Keys typed while a message goes out stay where they were typed: the focus move meant for
    // the message's end is dropped.
    void keysTypedDuringAMessageStayWhereTyped() {
        ScreenHarness h;
        QVERIFY(openQso(h, true, QStringList(7, QStringLiteral("TU"))));
        QLineEdit* call = h.qsoBox("TxtIndic");
        h.typeContact(QStringLiteral("3ABD"), QStringLiteral("123"), QStringLiteral("BU"));
        QTest::keyClick(call, Qt::Key_Return);
        QTest::keyClicks(call, QStringLiteral("3ABD"));
        once(
            h.qso.get(), [&] { return marks(h.keyLine) > 0; },
            [&] {
                call->setFocus();
                QTest::keyClick(call, Qt::Key_Backspace);
                QTest::keyClicks(call, QStringLiteral("E"));
                QTest::keyClick(call, Qt::Key_Space);
                QTest::keyClicks(h.focused(), QStringLiteral("07"));
            });
        QTest::keyClick(call, Qt::Key_F2); // the duplicate's answer
        untilIdle(h);
        QCOMPARE(h.focused(), h.qsoBox("TxtRSTR2"));
        QTest::keyClicks(h.focused(), QStringLiteral("7"));
        QTest::keyClicks(h.focused(), QStringLiteral("IS"));
        QTest::keyClick(h.focused(), Qt::Key_Return);
        QCOMPARE(h.logRows().size(), 2);
        QVERIFY(h.logRows().last().startsWith(QLatin1String("YO3ABE|")));
        QVERIFY(h.logRows().last().contains(QLatin1String("|599 077 IS|")));
    }

    // A refused port says so once, and the keys stop transmitting, a repeat among them.
    void refusedPortSaysSoOnce() {
        ScreenHarness h;
        QVERIFY(openQso(h, true, QStringList(7, QStringLiteral("TU")), true));
        h.keyLine.setOpenFails(true);
        for (int press = 0; press < 2; ++press)
            QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F1);
        QCOMPARE(h.dialogs.texts(), QStringList{QString::fromLatin1(Keying::kPortErrorMessage)});
        QVERIFY(!h.run.keyer().cwByPc && !h.run.keyer().ssbByPc);
        QCOMPARE(h.keyLine.openCalls().size(), 1);
        QVERIFY(h.keyLine.changes().isEmpty());
    }

    // A keyer of its own that stops (the WinKeyer unplugged, cwdaemon ended) is named with its
    // address at each key; CW stays on, and the next key once it is back goes out.
    void deviceKeyerComesBack_data() {
        QTest::addColumn<int>("keyer");
        QTest::addColumn<QString>("named");
        QTest::newRow("WinKeyer") << static_cast<int>(KeyerKind::WinKeyer) << "WinKeyer pe /";
        QTest::newRow("cwdaemon") << static_cast<int>(KeyerKind::CwDaemon)
                                  << "cwdaemon la 127.0.0.1:";
    }
    void deviceKeyerComesBack() {
        QFETCH(int, keyer);
        QFETCH(QString, named);
        ScreenHarness h;
        FakeKeyers station(h.folder.path(), static_cast<KeyerKind>(keyer), h.keyLine);
        QVERIFY(openQso(h, true, {QStringLiteral("TU")}));
        station.stop();
        for (int press = 1; press <= 2; ++press) {
            QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F1);
            QTRY_COMPARE(h.dialogs.texts().size(), press);
            QVERIFY2(h.dialogs.texts().last().startsWith(named), qPrintable(h.dialogs.texts()[0]));
            untilIdle(h);
        }
        QVERIFY(h.run.keyer().cwByPc);
        station.comeBack();
        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F1);
        QTRY_COMPARE(station.messages(), 1);
        untilIdle(h);
        QCOMPARE(h.dialogs.texts().size(), 2);
        QVERIFY(h.keyLine.changes().isEmpty());
    }

    // The keyers that take text get a macro's message, a speed change and an abort in their
    // own protocol: F1 twice around PageDown, then F2 stopped by Escape.
    void deviceKeyersGetTheirProtocol_data() {
        QTest::addColumn<int>("keyer");
        QTest::addColumn<QString>("sent");
        const QString winKeyerMessage =
            "<02 %1><03 32>CQ YO3ABC <1c %2>TU<1c %3> <1c %2><1c %1>K<1e>";
        QTest::newRow("WinKeyer") << static_cast<int>(KeyerKind::WinKeyer)
                                  << "<00 02><0e 04>" + winKeyerMessage.arg("28", "2d", "5a") +
                                         winKeyerMessage.arg("26", "2b", "56") +
                                         "<02 26><03 32>TEST TEST TEST<0a>";
        QTest::newRow("cwdaemon") << static_cast<int>(KeyerKind::CwDaemon)
                                  << "^240|^h1|CQ YO3ABC ++TU~--K|^238|^h2|CQ YO3ABC ++TU~--K|"
                                     "^238|^h3|TEST TEST TEST|^4";
    }
    void deviceKeyersGetTheirProtocol() {
        QFETCH(int, keyer);
        QFETCH(QString, sent);
        ScreenHarness h;
        const FakeKeyers station(h.folder.path(), static_cast<KeyerKind>(keyer), h.keyLine);
        QVERIFY(
            openQso(h, true, {QStringLiteral("CQ #1 >TU~<K"), QStringLiteral("TEST TEST TEST")}));
        QLineEdit* call = h.qsoBox("TxtIndic");
        QTest::keyClick(call, Qt::Key_F1);
        untilIdle(h);
        QTest::keyClick(call, Qt::Key_PageDown);
        QTest::keyClick(call, Qt::Key_F1);
        untilIdle(h);
        once(
            h.qso.get(), [&] { return station.messages() == 3; },
            [&] { QTest::keyClick(call, Qt::Key_Escape); });
        QTest::keyClick(call, Qt::Key_F2);
        untilIdle(h);
        QTRY_COMPARE(station.sent(), sent);
    }

    // A repeat ends in a wait when the operator types, presses F1 again or leaves the screen,
    // with both lines off, nothing keyed afterwards and the pause box back to its colour.
    void repeatEnds() {
        QVERIFY(answersAsExpected("data/tables/repeatends.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            return repeatLeft(static_cast<KeyerKind>(f[0].toInt()), f[1] == u"CW", f[2],
                              f[3].split(u' ', Qt::SkipEmptyParts));
        }));
    }

private:
    // The callsign field once the repeat of F1 has ended by `keys` pressed `where` during it,
    // and what went wrong.
    static QString repeatLeft(KeyerKind keyer, bool cw, const QString& where,
                              const QStringList& keys) {
        ScreenHarness h;
        const FakeKeyers station(h.folder.path(), keyer, h.keyLine);
        h.voice.playTime = std::chrono::milliseconds(30);
        if (!openQso(h, cw, {QStringLiteral("E")}, true))
            return QStringLiteral("no QSO screen");
        QLineEdit* pause = h.qsoBox(cw ? "txtPauseCW" : "TxtPauseSSB");
        pause->selectAll();
        QTest::keyClicks(pause, QStringLiteral("0.4"));
        QLineEdit* call = h.qsoBox("TxtIndic");
        int atLeaving = 0;
        once(
            h.qso.get(),
            [&] { return station.messages() >= 2 && ScreenHarness::rgb(pause) == Colors::kRed; },
            [&] {
                QWidget* target = call;
                if (where == QLatin1String("menu")) {
                    h.trigger(h.qso.get(), "mnuAnfang");
                } else if (where == QLatin1String("close")) {
                    h.qso->close();
                } else if (where == QLatin1String("init")) {
                    QApplication::setActiveWindow(h.init.get());
                    target = h.initBox("TxtMyCall");
                }
                for (const QString& key : keys)
                    QTest::keyClick(target, Qt::Key(QKeySequence::fromString(key)[0].key()));
                atLeaving = station.messages();
            });
        bool hung = false; // a repeat that never sees its end is stopped late, failing the test
        QTimer guard;
        guard.callOnTimeout(call, [&] {
            hung = true;
            QTest::keyClick(call, Qt::Key_Escape);
        });
        guard.start(std::chrono::seconds(20));
        QTest::keyClick(call, Qt::Key_F1);
        if (!QTest::qWaitFor([&] { return h.keyerIdleShown(); }, 30000))
            return QStringLiteral("never idle");
        const QRgb waiting = cw ? Colors::kYellow : qRgb(192, 255, 255) & 0xFFFFFF;
        return call->text() + (hung ? " | hung" : "") +
               (station.messages() > atLeaving ? " | keyed after" : "") +
               (ScreenHarness::rgb(pause) == waiting ? "" : " | pause colour") +
               (linesOff(h.keyLine) ? "" : " | lines on");
    }
};

QTEST_MAIN(QsoKeyingTest)
#include "QsoKeyingTest.moc"
