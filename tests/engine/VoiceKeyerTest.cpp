#include "keyer/VoiceKeyer.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeVoicePlayer.h"
#include "setup/AppState.h"

#include <QTest>
#include <QTimer>

namespace {
using Line = FakeKeyLine::Line;
const QString kFile = QStringLiteral("/opt/velt/WAVUs/F1.wav");
} // namespace

class VoiceKeyerTest : public QObject {
    Q_OBJECT
private slots:
    void wavFileOfAKey() {
        QCOMPARE(VoiceKeyer::wavFile(QStringLiteral("/opt/velt"), 3),
                 QStringLiteral("/opt/velt/WAVUs/F3.wav"));
    }

    void playsWithTheTransmitterKeyed_data() {
        QTest::addColumn<bool>("missing");
        QTest::newRow("recording") << false;
        QTest::newRow("missing file plays nothing, RTS all the same") << true;
    }
    void playsWithTheTransmitterKeyed() {
        QFETCH(bool, missing);
        FakeKeyLine line;
        FakeVoicePlayer player;
        if (missing)
            player.missing.insert(kFile);
        bool rtsWhilePlaying = false;
        player.onPlay = [&] { rtsWhilePlaying = line.rts(); };
        KeyPort port(line);
        VoiceKeyer keyer(port, player);
        QCOMPARE(keyer.GoSSB(kFile, 2, true), KeyingResult::Done);
        QCOMPARE(player.played, QStringList{kFile});
        QCOMPARE(rtsWhilePlaying, !missing);
        QCOMPARE(line.states(Line::Rts), (QList<bool>{false, true, false}));
        QVERIFY(!line.states(Line::Dtr).contains(true));
        QVERIFY(!keyer.isBusy());
    }

    void absentPort_data() {
        QTest::addColumn<bool>("playWithoutPort");
        QTest::addColumn<KeyingResult>("result");
        QTest::addColumn<int>("played");
        QTest::newRow("SSB fallback plays unkeyed") << true << KeyingResult::DoneWithoutKeying << 1;
        QTest::newRow("otherwise port error") << false << KeyingResult::PortError << 0;
    }
    void absentPort() {
        QFETCH(bool, playWithoutPort);
        QFETCH(KeyingResult, result);
        QFETCH(int, played);
        FakeKeyLine line;
        line.setOpenFails(true);
        FakeVoicePlayer player;
        KeyPort port(line);
        VoiceKeyer keyer(port, player);
        QCOMPARE(keyer.GoSSB(kFile, 7, playWithoutPort), result);
        QCOMPARE(player.played.size(), played);
        QVERIFY(line.changes().isEmpty());
    }

    void playsWithoutPortOnlyWhenVoiceKeyingIsOn_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("soundCardOk");
        QTest::addColumn<bool>("offLineLog");
        QTest::addColumn<bool>("ssbPcFlag");
        QTest::addColumn<bool>("expected");
        QTest::newRow("all set") << "SSB" << true << false << true << true;
        QTest::newRow("CW") << "CW" << true << false << true << false;
        QTest::newRow("no sound card") << "SSB" << false << false << true << false;
        QTest::newRow("off-line log") << "SSB" << true << true << true << false;
        QTest::newRow("voice keying off") << "SSB" << true << false << false << false;
    }
    void playsWithoutPortOnlyWhenVoiceKeyingIsOn() {
        QFETCH(QString, mode);
        QFETCH(bool, soundCardOk);
        QFETCH(bool, offLineLog);
        QFETCH(bool, ssbPcFlag);
        QFETCH(bool, expected);
        AppState state;
        state.qsoMode = mode;
        state.soundCardOk = soundCardOk;
        state.offLineLog = offLineLog;
        state.ssbPcFlag = ssbPcFlag;
        QCOMPARE(VoiceKeyer::playsWithoutPort(state), expected);
    }

    void abortStopsThePlaybackAndUnkeys() {
        FakeKeyLine line;
        FakeVoicePlayer player;
        player.playTime = std::chrono::seconds(60);
        KeyPort port(line);
        VoiceKeyer keyer(port, player);
        KeyingResult second = KeyingResult::Done;
        player.onPlay = [&] {
            second = keyer.GoSSB(kFile, 2, true);
            QTimer::singleShot(0, [&] { keyer.abort(); });
        };
        QCOMPARE(keyer.GoSSB(kFile, 2, true), KeyingResult::Aborted);
        QCOMPARE(second, KeyingResult::Busy);
        QCOMPARE(player.stopCount, 1);
        QVERIFY(!line.rts());
        QVERIFY(!line.dtr());
    }
};

QTEST_GUILESS_MAIN(VoiceKeyerTest)
#include "VoiceKeyerTest.moc"
