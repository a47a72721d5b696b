#include "platform/QtVoicePlayer.h"
#include "TempDataFolder.h"

#include <QDir>
#include <QTest>

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
        QVERIFY(!player.play(dir.file(name)));
        player.stop(); // nothing under way: harmless
    }
};

QTEST_MAIN(QtVoicePlayerTest)
#include "QtVoicePlayerTest.moc"
