#include "platform/QtVoicePlayer.h"
#include "TempDataFolder.h"

#include <QDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

namespace {
// A mono 8 kHz 16-bit WAV of silence.
QByteArray silence(int milliseconds) {
    const quint32 dataSize = 8000 * 2 * milliseconds / 1000;
    QByteArray wav;
    const auto put32 = [&](quint32 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char*>(&v), 4);
    };
    const auto put16 = [&](quint16 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char*>(&v), 2);
    };
    wav.append("RIFF");
    put32(36 + dataSize);
    wav.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1);
    put32(8000);
    put32(16000);
    put16(2);
    put16(16);
    wav.append("data");
    put32(dataSize);
    wav.append(QByteArray(dataSize, '\0'));
    return wav;
}
} // namespace

class QtVoicePlayerTest : public QObject {
    Q_OBJECT
private slots:
    void unplayableFileIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << QStringLiteral("WAVUs/F3.wav");
        QTest::newRow("not a WAV") << QStringLiteral("F1.wav");
    }
    void unplayableFileIsRefused() {
        QFETCH(QString, name);
        TempDataFolder dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("WAVUs")));
        QVERIFY(dir.write(QStringLiteral("F1.wav"), "RIFF junk that is no sound"));
        QtVoicePlayer player;
        QVERIFY(!player.play(name.isEmpty() ? name : dir.file(name)));
        player.stop(); // nothing under way: harmless
    }

    // These need a sound output; the build machine usually has none.
    void playsToTheEnd() {
        QtVoicePlayer player;
        if (player.outputCount() == 0)
            QSKIP("no sound output");
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("F1.wav"), silence(200)));
        QVERIFY(player.play(dir.file(QStringLiteral("F1.wav"))));
    }

    void stopEndsPlayback() {
        QtVoicePlayer player;
        if (player.outputCount() == 0)
            QSKIP("no sound output");
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("F1.wav"), silence(60000)));
        bool refusedSecond = false;
        QTimer::singleShot(100, this, [&] {
            refusedSecond = !player.play(dir.file(QStringLiteral("F1.wav")));
            player.stop();
        });
        QVERIFY(player.play(dir.file(QStringLiteral("F1.wav"))));
        QVERIFY(refusedSecond);
    }
};

QTEST_MAIN(QtVoicePlayerTest)
#include "QtVoicePlayerTest.moc"
