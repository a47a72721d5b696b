#include "keyer/VoiceKeyer.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeVoicePlayer.h"
#include "setup/AppState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
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

    void playsWithTheTransmitterKeyed_data() {
        QTest::addColumn<bool>("portOpens");
        QTest::addColumn<bool>("playWithoutPort");
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<KeyingResult>("result");
        QTest::newRow("port opens") << true << true << true << KeyingResult::Done;
        QTest::newRow("SSB fallback plays unkeyed")
            << false << true << true << KeyingResult::DoneWithoutKeying;
        QTest::newRow("otherwise port error") << false << false << true << KeyingResult::PortError;
        QTest::newRow("no recording, no keying")
            << true << true << false << KeyingResult::MissingRecording;
    }
    void playsWithTheTransmitterKeyed() {
        QFETCH(bool, portOpens);
        QFETCH(bool, playWithoutPort);
        QFETCH(bool, recorded);
        QFETCH(KeyingResult, result);
        const Recordings rec;
        FakeKeyLine line;
        line.setOpenFails(!portOpens);
        FakeVoicePlayer player;
        bool rtsWhilePlaying = false;
        player.onPlay = [&] { rtsWhilePlaying = line.rts(); };
        KeyPort port(line);
        VoiceKeyer keyer(port, player);
        QCOMPARE(keyer.play(recorded ? rec.file : rec.file + "X", 2, playWithoutPort), result);
        const bool played = recorded && (portOpens || playWithoutPort);
        QCOMPARE(player.played.size(), played ? 1 : 0);
        QCOMPARE(rtsWhilePlaying, played && portOpens);
        const QList<bool> keyed{false, true, false};
        QCOMPARE(line.states(FakeKeyLine::Line::Rts), played && portOpens ? keyed : QList<bool>{});
        QVERIFY(!line.states(FakeKeyLine::Line::Dtr).contains(true));
        QVERIFY(!keyer.isBusy());
    }

    // Each condition alone turns the unkeyed playback off.
    void playsWithoutPortOnlyWhenVoiceKeyingIsOn() {
        AppState on;
        on.qsoMode = QStringLiteral("SSB");
        on.soundCardOk = true;
        on.offLineLog = false;
        on.ssbPcFlag = true;
        QVERIFY(VoiceKeyer::playsWithoutPort(on));
        const QList<std::function<void(AppState&)>> spoilers{
            [](AppState& s) { s.qsoMode = QStringLiteral("CW"); },
            [](AppState& s) { s.soundCardOk = false; }, [](AppState& s) { s.offLineLog = true; },
            [](AppState& s) { s.ssbPcFlag = false; }};
        for (const auto& spoil : spoilers) {
            AppState off = on;
            spoil(off);
            QVERIFY(!VoiceKeyer::playsWithoutPort(off));
        }
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
