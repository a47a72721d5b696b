#include "services/keyer/VoiceKeyer.h"
#include "RunSetup.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeVoicePlayer.h"
#include "rules/ContestRun.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
// A voice keyer on fake lines, and a program folder holding the recording of F1.
struct Voice {
    QTemporaryDir dir;
    QString file = dir.filePath("WAVUs/F1.WAV");
    FakeKeyLine line;
    FakeVoicePlayer player;
    KeyPort port{line};
    VoiceKeyer keyer{port, player};
    Voice() {
        QDir(dir.path()).mkpath("WAVUs");
        QFile(file).open(QIODevice::WriteOnly);
    }
    // What start() refused, or how the playback it started ended.
    KeyingResult playToEnd(const QString& wav, bool playWithoutPort) {
        QSignalSpy ended(&keyer, &VoiceKeyer::finished);
        const KeyingResult r = keyer.start(wav, 2, playWithoutPort);
        if (r != KeyingResult::Started)
            return r;
        if (!ended.wait(5000))
            return KeyingResult::Started;
        return ended[0][0].value<KeyingResult>();
    }
};
} // namespace

class VoiceKeyerTest : public QObject {
    Q_OBJECT
private slots:
    void wavFileWhateverItsCase_data() {
        // the file on disk, the key, the file played
        QTest::addColumn<QString>("fields");
        QTest::newRow("upper case") << "WAVUs/F1.WAV 1 WAVUs/F1.WAV";
        QTest::newRow("lower case") << "wavus/f1.wav 1 wavus/f1.wav";
        QTest::newRow("missing: the name it should have") << "WAVUs/F1.WAV 3 WAVUs/F3.wav";
    }
    void wavFileWhateverItsCase() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u' ');
        const QString& onDisk = f[0];
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(onDisk.section(u'/', 0, 0));
        QFile(dir.filePath(onDisk)).open(QIODevice::WriteOnly);
        QCOMPARE(VoiceKeyer::wavFile(dir.path(), f[1].toInt()), dir.filePath(f[2]));
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
        Voice k;
        k.line.setOpenFails(!portOpens);
        bool rtsWhilePlaying = false;
        k.player.onPlay = [&] { rtsWhilePlaying = k.line.rts(); };
        QCOMPARE(k.playToEnd(recorded ? k.file : k.file + "X", playWithoutPort), result);
        const bool played = recorded && (portOpens || playWithoutPort);
        QCOMPARE(k.player.played.size(), played ? 1 : 0);
        QCOMPARE(rtsWhilePlaying, played && portOpens);
        const QList<bool> keyed{false, true, false};
        QCOMPARE(k.line.states(FakeKeyLine::Line::Rts),
                 played && portOpens ? keyed : QList<bool>{});
        QVERIFY(!k.line.states(FakeKeyLine::Line::Dtr).contains(true));
        QVERIFY(!k.keyer.isBusy());
    }

    // Each condition alone turns the unkeyed playback off.
    void playsWithoutPortOnlyWhenVoiceKeyingIsOn() {
        ContestRun on;
        on.chooseMode(Mode::Ssb);
        changeRun(on, [](HandOver& h) { h.keyer.ssbByPc = h.keyer.soundCard = true; });
        QVERIFY(VoiceKeyer::playsWithoutPort(on));
        const QList<std::function<void(ContestRun&)>> spoilers{
            [](ContestRun& s) { s.chooseMode(Mode::Cw); },
            [](ContestRun& s) { changeRun(s, [](HandOver& h) { h.keyer.soundCard = false; }); },
            [](ContestRun& s) { changeRun(s, [](HandOver& h) { h.offLine = true; }); },
            [](ContestRun& s) { s.stopKeyingByPc(); }};
        for (const auto& spoil : spoilers) {
            ContestRun off = on;
            spoil(off);
            QVERIFY(!VoiceKeyer::playsWithoutPort(off));
        }
    }

    void abortStopsThePlaybackAndUnkeys() {
        Voice k;
        k.player.playTime = std::chrono::seconds(60);
        KeyingResult second = KeyingResult::Done;
        k.player.onPlay = [&] {
            second = k.keyer.start(k.file, 2, true);
            QTimer::singleShot(0, [&] { k.keyer.abort(); });
        };
        QCOMPARE(k.playToEnd(k.file, true), KeyingResult::Aborted);
        QCOMPARE(second, KeyingResult::Busy);
        QCOMPARE(k.player.stopCount, 1);
        QVERIFY(!k.line.rts() && !k.line.dtr());
    }
};

QTEST_GUILESS_MAIN(VoiceKeyerTest)
#include "VoiceKeyerTest.moc"
