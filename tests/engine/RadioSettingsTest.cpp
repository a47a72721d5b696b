#include "ExpectedFile.h"
#include "base/KeptSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class RadioSettingsTest : public QObject {
    Q_OBJECT
private slots:
    // No file gives the defaults; what is saved is read back.
    void defaultsThenSavedAsRead() {
        QTemporaryDir dir;
        const auto [defaults, problem] = KeptSettings(dir.path()).radio();
        QCOMPARE(defaults, RadioSettings());
        QVERIFY(problem.isEmpty());
        RadioSettings s;
        s.keyer = KeyerKind::RadioCat;
        s.winKeyerPort = QStringLiteral("/dev/ttyUSB1");
        s.cwDaemonHost = QStringLiteral("shack");
        s.cwDaemonPort = 65535;
        s.rigModel = 3073;
        s.rigPort = QStringLiteral("/dev/serial/by-id/usb-Icom");
        s.rigBaud = 19200;
        s.pttByCat = true;
        QVERIFY(KeptSettings(dir.path()).keepRadio(s));
        const auto [back, backProblem] = KeptSettings(dir.path()).radio();
        QVERIFY(backProblem.isEmpty());
        QCOMPARE(back, s);
    }

    // A value that cannot be read is named and keeps its default; the others are kept.
    void badValueNamedOthersKept() {
        QVERIFY(answersAsExpected("data/tables/badradio.txt", [](const QString& row) {
            QTemporaryDir dir;
            QFile file(KeptSettings(dir.path()).radioPath());
            if (!file.open(QIODevice::WriteOnly))
                return QStringLiteral("not written");
            file.write(row.section(QStringLiteral(": "), -1)
                           .replace(u' ', u'\n')
                           .replace(QStringLiteral("[Keyer]"),
                                    QStringLiteral("[Keyer]\nwinkeyerPort=/dev/ttyUSB0"))
                           .toUtf8() +
                       '\n');
            file.close();
            const auto [settings, problem] = KeptSettings(dir.path()).radio();
            return QString(problem).replace(dir.path(), QStringLiteral("DIR")) +
                   (settings.winKeyerPort == u"/dev/ttyUSB0" ? " | kept" : " | lost");
        }));
    }

    void problemOfTheChoice() {
        QVERIFY(answersAsExpected("data/tables/radiochoice.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u' ');
            RadioSettings s;
            s.keyer = static_cast<KeyerKind>(f[0].toInt());
            s.rigModel = f[1].toInt();
            s.rigPort = f[2] == u'-' ? QString() : f[2];
            s.pttByCat = f[3] == u'1';
            const QString problem = s.problem();
            return problem.isEmpty() ? QStringLiteral("-") : problem;
        }));
    }
};

QTEST_GUILESS_MAIN(RadioSettingsTest)
#include "RadioSettingsTest.moc"
