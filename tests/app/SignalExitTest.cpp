#include "services/reports/ReportFiles.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <csignal>

// A signal ends the program as EXIT does: the transmitter released first, the exit copy taken,
// the log closed cleanly.
class SignalExitTest : public QObject {
    Q_OBJECT
private slots:
    void signalEndsAsExit_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("keying"); // what keys the transmitter when it comes
        QTest::addColumn<QString>("left");
        QTest::newRow("SIGTERM, CW") << int(SIGTERM) << "cw"
                                     << "dtr=0 rts=0 open=0 ptt=-";
        QTest::newRow("SIGHUP, PTT by CAT") << int(SIGHUP) << "voice"
                                            << "dtr=0 rts=0 open=0 ptt=ptt 0";
        QTest::newRow("SIGINT, CW") << int(SIGINT) << "cw"
                                    << "dtr=0 rts=0 open=0 ptt=-";
    }
    void signalEndsAsExit() {
        QFETCH(int, signal);
        QFETCH(QString, keying);
        QFETCH(QString, left);
        QProcess child;
        child.start(QStringLiteral(SIGNAL_CHILD), {keying});
        QStringList lines;
        while (!lines.contains(QStringLiteral("keyed")) && child.waitForReadyRead(30000))
            while (child.canReadLine())
                lines << QString::fromLocal8Bit(child.readLine()).trimmed();
        QVERIFY2(lines.size() == 2, qPrintable(child.readAllStandardError()));
        QDir folder(lines[0]);
        ::kill(static_cast<pid_t>(child.processId()), signal);
        QVERIFY(child.waitForFinished(30000));
        const bool clean = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
        const QString shown = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
        const QStringList leftover = folder.entryList({"*-wal", "*-shm"}, QDir::Files);
        const qsizetype copies =
            QDir(ReportFiles::backupFolder(folder.path())).entryList({"LogVELT*"}).size();
        QVERIFY(folder.removeRecursively());
        QVERIFY(clean);
        QCOMPARE(shown, left);
        QCOMPARE(leftover, QStringList());
        QCOMPARE(copies, 1);
    }
};

QTEST_GUILESS_MAIN(SignalExitTest)
#include "SignalExitTest.moc"
