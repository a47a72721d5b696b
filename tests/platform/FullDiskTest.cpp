#include "LogWithCopies.h"
#include "SmallDisk.h"
#include "contact/LogLearning.h"
#include "engine/ReportFixture.h"
#include "rules/ContestCatalog.h"
#include "services/reports/LogExport.h"
#include "store/SchemaScript.h"

#include <QDirIterator>
#include <QTest>
#include <functional>
#include <sys/wait.h>

namespace {
using Writer = std::function<QString(LogExport& log)>;

// Every file on the disk but the filler, with its bytes.
QMap<QString, QByteArray> contents(const SmallDisk& disk) {
    QMap<QString, QByteArray> out;
    QDirIterator it(disk.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (it.fileName() != QStringLiteral("filler") && f.open(QIODevice::ReadOnly))
            out.insert(it.filePath(), f.readAll());
    }
    return out;
}
} // namespace

Q_DECLARE_METATYPE(Writer)

// Every file the program writes, on a disk that is full: the old file stays byte for byte and the
// operator is told; nothing half-written is left beside it.
class FullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_log.open());
        for (const LogRow& r : ReportFixture::entered(35))
            QVERIFY(LogStore(m_log.log).insert(r));
    }

    void oldFileKept_data() {
        QTest::addColumn<Writer>("write");
        QTest::newRow("text log and summary")
            << Writer([](LogExport& log) { return log.textLog()->whole().error(); });
        QTest::newRow("ADIF") << Writer(
            [](LogExport& log) { return log.adif(QStringLiteral("CARPATI"))->whole().error(); });
    }
    void oldFileKept() {
        QFETCH(Writer, write);
        const SmallDisk disk(qint64{512} * 1024);
        if (!disk.mounted())
            QSKIP("a small disk is mounted only when the tests run as root");
        QVERIFY(QDir(disk.path()).mkpath(QStringLiteral("Log")));
        QVERIFY(QDir(disk.path()).mkpath(QStringLiteral("ARHIVA")));
        LogExport log(m_log.log, *ContestCatalog::find(35), ReportFixture::station(), disk.path(),
                      "07");
        QCOMPARE(write(log), QString());
        const QMap<QString, QByteArray> before = contents(disk);
        QVERIFY(!before.isEmpty());

        disk.fill();
        const QString message = write(log);
        QVERIFY2(message.contains(QStringLiteral("NU A PUTUT FI SCRIS")), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("FISIERUL ANTERIOR A RAMAS NESCHIMBAT")));
        QCOMPARE(contents(disk), before);
    }

    // Learning that fills the disk: the operator's reason, said once that nothing changed.
    void learningChangesNothing() {
        const SmallDisk disk(qint64{256} * 1024);
        if (!disk.mounted())
            QSKIP("a small disk is mounted only when the tests run as root");
        const QString path = disk.file(QStringLiteral("DbsVELT.mdb"));
        QVERIFY(SchemaScript::createDatabase(path));
        Database calls(QStringLiteral("FullDiskCalls"));
        QVERIFY(calls.open(path, QStringLiteral("CallJud")).ok());
        LogLearning::Plan plan;
        for (int i = 0; i < 20000; ++i)
            plan.added.insert(QStringLiteral("YO5A%1").arg(i), QStringLiteral("CJ"));
        disk.fill();
        const QMap<QString, QByteArray> before = contents(disk);
        const Outcome<void> done = LogLearning::apply(calls, plan);
        QCOMPARE(done.error(), QStringLiteral("discul este plin. NU S-A SCHIMBAT NIMIC."));
        calls.close();
        QCOMPARE(contents(disk).value(path), before.value(path));
    }

    // A small disk left mounted by a test that was killed is unmounted by the next one.
    void leftoverDiskUnmounted() {
        if (geteuid() != 0)
            QSKIP("a small disk is mounted only when the tests run as root");
        const pid_t gone = fork();
        if (gone == 0)
            _exit(0);
        QVERIFY(gone > 0 && waitpid(gone, nullptr, 0) == gone);
        const QByteArray leftover = QFile::encodeName(SmallDisk::folderOf(gone) + "-killed");
        QVERIFY(QDir().mkpath(QFile::decodeName(leftover)));
        QCOMPARE(::mount("tmpfs", leftover.constData(), "tmpfs", 0, "size=4096"), 0);

        const SmallDisk disk(4096);
        QFile mounts(QStringLiteral("/proc/self/mountinfo"));
        QVERIFY(mounts.open(QIODevice::ReadOnly));
        QVERIFY(!mounts.readAll().contains(leftover + ' '));
        QVERIFY(!QFileInfo::exists(QFile::decodeName(leftover)));
    }

private:
    LogWithCopies m_log;
};

QTEST_MAIN(FullDiskTest)
#include "FullDiskTest.moc"
