#include "services/keyer/VoiceKeyer.h"
#include "ExpectedFile.h"
#include "KeyingResultName.h"
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
    void wavFileWhateverItsCase() {
        QVERIFY(answersAsExpected("data/tables/recordings.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            QTemporaryDir dir;
            QDir(dir.path()).mkpath(f[0].section(u'/', 0, 0));
            QFile(dir.filePath(f[0])).open(QIODevice::WriteOnly);
            return QDir(dir.path()).relativeFilePath(VoiceKeyer::wavFile(dir.path(), f[1].toInt()));
        }));
    }

    // The transmitter keyed by RTS around the recording, never by DTR.
    void playsWithTheTransmitterKeyed() {
        QVERIFY(answersAsExpected("data/tables/voicekeying.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            Voice k;
            k.line.setOpenFails(f[0] != u'1');
            bool rtsWhilePlaying = false;
            k.player.onPlay = [&] { rtsWhilePlaying = k.line.rts(); };
            const KeyingResult r = k.playToEnd(f[2] == u'1' ? k.file : k.file + "X", f[1] == u'1');
            QStringList rts;
            for (const bool on : k.line.states(FakeKeyLine::Line::Rts))
                rts << QString::number(on);
            const bool sound =
                !k.line.states(FakeKeyLine::Line::Dtr).contains(true) && !k.keyer.isBusy();
            return QStringLiteral("%1 | %2 played | RTS %3%4%5")
                .arg(keyingResultName(r))
                .arg(k.player.played.size())
                .arg(rts.join(u' '), rtsWhilePlaying ? " | on while playing" : "",
                     sound ? "" : " | DTR keyed or busy");
        }));
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
