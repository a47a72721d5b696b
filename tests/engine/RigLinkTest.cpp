#include "services/radio/RigLink.h"
#include "ExpectedFile.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRig.h"
#include "fakes/FakeVoicePlayer.h"
#include "services/keyer/RigCwKeyer.h"
#include "services/keyer/VoiceKeyer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A radio on the fake, polled every few milliseconds, with the CW keyer that keys it.
struct Radio {
    std::shared_ptr<FakeRig::Shared> rig = std::make_shared<FakeRig::Shared>();
    RigLink link{[rig = rig](const RadioSettings&) { return std::make_unique<FakeRig>(rig); }};
    RigCwKeyer keyer{link};

    bool follow() {
        QSignalSpy answered(&link, &RigLink::answered);
        RadioSettings s;
        s.rigModel = 1;
        link.follow(s, 5, 5);
        return answered.wait(5000);
    }
    // How the message ended, what the radio was asked and the last progress.
    std::tuple<KeyingResult, QStringList, int> send(const QString& text,
                                                    const std::function<void()>& meanwhile = {}) {
        QSignalSpy finished(&keyer, &CwKeyer::finished);
        QSignalSpy progress(&keyer, &CwKeyer::progress);
        const KeyingResult r = keyer.start(text, 30);
        if (r != KeyingResult::Started)
            return {r, rig->taken(), 0};
        if (meanwhile)
            meanwhile();
        if (!finished.wait(10000))
            return {KeyingResult::Started, {}, 0};
        QTest::qWait(20); // a stop the radio is sent after the end
        return {finished[0][0].value<KeyingResult>(), rig->taken(),
                progress.isEmpty() ? 0 : progress.last()[0].toInt()};
    }
};
} // namespace

class RigLinkTest : public QObject {
    Q_OBJECT
private slots:
    // Each part between speed signs goes to the radio at its own keyer speed.
    void partsAtTheirSpeeds() {
        QVERIFY(answersAsExpected("data/tables/rigparts.txt", [](const QString& row) {
            Radio radio;
            if (!radio.follow())
                return QStringLiteral("no radio");
            const auto [result, asked, shown] = radio.send(row.section(QStringLiteral(": "), -1));
            return (asked + QStringList{QStringLiteral("%1 shown").arg(shown)})
                       .join(QStringLiteral(" | ")) +
                   (result == KeyingResult::Done ? "" : " | not done");
        }));
    }

    void abortStopsTheRadio() {
        Radio radio;
        QVERIFY(radio.follow());
        const auto [result, asked, shown] =
            radio.send(QStringLiteral("CQ CQ CQ TEST"), [&] { radio.keyer.abort(); });
        QCOMPARE(result, KeyingResult::Aborted);
        QCOMPARE(asked, (QStringList{"speed 30", "morse CQ CQ CQ TEST", "stop"}));
        QVERIFY(!radio.keyer.isBusy());
    }

    // A radio that does not answer keys nothing; one that stops answering is said once, and
    // once more only after it has come back.
    void silenceSaidOncePerLoss() {
        Radio radio;
        QSignalSpy silent(&radio.link, &RigLink::silent);
        QVERIFY(radio.follow());
        radio.rig->answers = false;
        QVERIFY(silent.wait(5000));
        QTest::qWait(50); // polls go on meanwhile
        QCOMPARE(silent.size(), 1);
        QCOMPARE(std::get<0>(radio.send(QStringLiteral("TEST"))), KeyingResult::PortError);
        radio.rig->answers = true;
        QSignalSpy answered(&radio.link, &RigLink::answered);
        QVERIFY(answered.wait(5000));
        radio.rig->answers = false;
        QVERIFY(silent.wait(5000));
        QCOMPARE(silent.size(), 2);
    }

    // Voice messages key the transmitter by CAT instead of RTS; a playback cut short by leaving
    // the screen does not leave it on the air.
    void voiceKeyedByCat_data() {
        QTest::addColumn<bool>("leaveDuringPlayback");
        QTest::newRow("played to its end") << false;
        QTest::newRow("screen left") << true;
    }
    void voiceKeyedByCat() {
        QFETCH(bool, leaveDuringPlayback);
        Radio radio;
        QVERIFY(radio.follow());
        QTemporaryDir dir;
        const QString wav = dir.filePath(QStringLiteral("F1.wav"));
        QVERIFY(QFile(wav).open(QIODevice::WriteOnly));
        FakeKeyLine line;
        KeyPort port(line);
        FakeVoicePlayer player;
        player.playTime = std::chrono::milliseconds(leaveDuringPlayback ? 5000 : 10);
        VoiceKeyer voice(port, player);
        voice.usePttByCat(&radio.link);
        QSignalSpy finished(&voice, &VoiceKeyer::finished);
        QCOMPARE(voice.start(wav, 1, false), KeyingResult::Started);
        QStringList asked;
        if (leaveDuringPlayback) {
            QTRY_VERIFY((asked += radio.rig->taken()).contains(QStringLiteral("ptt 1")));
            radio.link.stop();
            voice.abort();
        }
        QVERIFY(finished.wait(5000));
        QTest::qWait(20);
        asked += radio.rig->taken();
        QCOMPARE(asked, (QStringList{"ptt 1", "ptt 0"}));
        QVERIFY(line.changes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(RigLinkTest)
#include "RigLinkTest.moc"
