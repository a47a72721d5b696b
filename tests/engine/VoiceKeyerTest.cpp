#include "keyer/VoiceKeyer.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeVoicePlayer.h"
#include "setup/AppState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
using Line = FakeKeyLine::Line;

// A program folder holding the recording of F1 under the name the operator was told to use.
struct Recordings {
    QTemporaryDir dir;
    QString file;
    Recordings() {
        QDir(dir.path()).mkpath(QStringLiteral("WAVUs"));
        QFile f(dir.filePath(QStringLiteral("WAVUs/F1.WAV")));
        f.open(QIODevice::WriteOnly);
        file = f.fileName();
    }
};
} // namespace

class VoiceKeyerTest : public QObject {
    Q_OBJECT
private slots:
    void wavFileWhateverItsCase_data() {
        QTest::addColumn<QString>("onDisk");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper case") << "WAVUs/F1.WAV" << 1 << "WAVUs/F1.WAV";
        QTest::newRow("lower case") << "wavus/f1.wav" << 1 << "wavus/f1.wav";
        QTest::newRow("missing: the name it should have") << "WAVUs/F1.WAV" << 3 << "WAVUs/F3.wav";
    }
    void wavFileWhateverItsCase() {
        QFETCH(QString, onDisk);
        QFETCH(int, key);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(onDisk.section(u'/', 0, 0));
        QFile(dir.filePath(onDisk)).open(QIODevice::WriteOnly);
        QCOMPARE(VoiceKeyer::wavFile(dir.path(), key), dir.filePath(expected));
    }

    void playsWithTheTransmitterKeyed() {
        const Recordings rec;
        FakeKeyLine line;
        FakeVoicePlayer player;
        bool rtsWhilePlaying = false;
        player.onPlay = [&] { rtsWhilePlaying = line.rts(); };
        KeyPort port(line);
        VoiceKeyer keyer(port, player);
        QCOMPARE(keyer.play(rec.file, 2, true), KeyingResult::Done);
        QCOMPARE(player.played, QStringList{rec.file});
        QVERIFY(rtsWhilePlaying);
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
        const Recordings rec;
        QCOMPARE(keyer.play(rec.file, 7, playWithoutPort), result);
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
        const Recordings rec;
        KeyPort port(line);
        VoiceKeyer keyer(port, player);
        KeyingResult second = KeyingResult::Done;
        player.onPlay = [&] {
            second = keyer.play(rec.file, 2, true);
            QTimer::singleShot(0, [&] { keyer.abort(); });
        };
        QCOMPARE(keyer.play(rec.file, 2, true), KeyingResult::Aborted);
        QCOMPARE(second, KeyingResult::Busy);
        QCOMPARE(player.stopCount, 1);
        QVERIFY(!line.rts());
        QVERIFY(!line.dtr());
    }
};

QTEST_GUILESS_MAIN(VoiceKeyerTest)
#include "VoiceKeyerTest.moc"
