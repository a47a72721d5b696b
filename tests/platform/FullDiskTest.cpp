#include "SmallDisk.h"
#include "TempDataFolder.h"
#include "engine/ReportFixture.h"
#include "logging/Database.h"
#include "logging/LogStore.h"
#include "platform/QtPrintSink.h"
#include "reports/LogExport.h"
#include "setup/ContestCatalog.h"
#include "setup/SettingsFiles.h"

#include <QTest>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <functional>

// The fault-injection seam for a machine where no small disk can be mounted: while a folder is
// named here, every write() into a file under it fails as on a full disk. The test executable's
// own write() stands in front of the C library's, so Qt's file engine meets it unchanged.
namespace {
char g_fullFolder[PATH_MAX] = {};

bool underFullFolder(int fd) {
    char link[64];
    char target[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    return std::strncmp(target, g_fullFolder, std::strlen(g_fullFolder)) == 0;
}
} // namespace

extern "C" ssize_t write(int fd, const void* buf, size_t count) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    if (g_fullFolder[0] != '\0' && underFullFolder(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buf, count);
}

namespace {

// A full disk: a filled tmpfs when one can be mounted, otherwise the seam above.
class FullDisk {
public:
    FullDisk() : m_disk(qEnvironmentVariable("VELT_FULL_DISK") == "seam" ? 0 : 512 * 1024) {
        QDir(m_disk.path()).mkpath(QStringLiteral("Log"));
        QDir(m_disk.path()).mkpath(QStringLiteral("ARHIVA"));
    }
    ~FullDisk() { g_fullFolder[0] = '\0'; }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    QString method() const {
        return m_disk.mounted() ? QStringLiteral("a full size-limited tmpfs")
                                : QStringLiteral("the write() fault-injection seam");
    }
    QString path() const { return m_disk.path(); }
    QString file(const QString& name) const { return m_disk.file(name); }
    void fill() const {
        if (m_disk.mounted()) {
            m_disk.fill();
            return;
        }
        const QByteArray folder = QFile::encodeName(QDir(path()).canonicalPath()) + '/';
        std::strncpy(g_fullFolder, folder.constData(), sizeof g_fullFolder - 1);
    }
    QStringList entries() const {
        QStringList all;
        for (const QString& folder :
             {QStringLiteral("."), QStringLiteral("Log"), QStringLiteral("ARHIVA")})
            for (const QString& f : QDir(file(folder)).entryList(QDir::Files))
                all << folder + u'/' + f;
        all.removeAll(QStringLiteral("./filler"));
        return all;
    }

private:
    SmallDisk m_disk;
};

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Writer = std::function<QString(const QString& appPath, LogExport& log, int round)>;

SettingsRecord station(int round) {
    SettingsRecord s = ReportFixture::station();
    s.address = QStringLiteral("STR. LUNGA %1").arg(round);
    s.cwTexts[0] = QStringLiteral("CQ TEST %1").arg(round);
    return s;
}

CabrilloHeader header(int round) {
    CabrilloHeader h;
    h.contest = QStringLiteral("Cupa Carpati 07");
    h.soapbox[0] = QString::number(round);
    return h;
}

QString printPdf(const QString& appPath, int round) {
    QtPrintSink printer(appPath, nullptr, QtPrintSink::Target::Pdf);
    if (!printer.begin(QStringLiteral("YO5OHO Etapa 1/1")))
        return QStringLiteral("no start");
    for (int i = 0; i <= round * 40; ++i) {
        printer.textAt(5, QStringLiteral("YO5AAA 599 001 BV %1").arg(i));
        printer.newLine();
    }
    const QString note = printer.end();
    return note.startsWith(QStringLiteral("Fisierul PDF a fost scris")) ? QString() : note;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

// Every file the program writes, on a disk that is full: the old file stays byte for byte and the
// operator is told; nothing half-written is left beside it.
class FullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_log.createDatabases());
        QCOMPARE(m_db.open(m_log.file("LogVELT.mdb"), "LogGen"), Database::OpenResult::Ok);
        for (const LogRow& r : ReportFixture::entered(35))
            QVERIFY(LogStore(m_db).insert(r));
    }

    void oldFileKept_data() {
        QTest::addColumn<Writer>("write");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("settings") << Writer([](const QString& app, LogExport&, int round) {
            return SettingsFiles::writeInitFile(app, station(round)).error();
        }) << QStringList{"VELTInit.dat"};
        QTest::newRow("keyer texts") << Writer([](const QString& app, LogExport&, int round) {
            return SettingsFiles::writeTextCwFile(app, station(round)).error();
        }) << QStringList{"VELTTextCw.dat"};
        QTest::newRow("text log and summary")
            << Writer([](const QString&, LogExport& log, int) { return log.textLog().error; })
            << QStringList{"Log/YO5OHO CpCarpati07.txt", "Log/YO5OHO SUM CpCarpati07.txt"};
        QTest::newRow("Cabrillo") << Writer([](const QString&, LogExport& log, int round) {
            return log.cabrillo(header(round)).error;
        }) << QStringList{"Log/YO5OHO CpCarpati07.Cbr"};
        QTest::newRow("ADIF") << Writer([](const QString&, LogExport& log, int) {
            return log.adif(QStringLiteral("CARPATI")).error;
        }) << QStringList{"ARHIVA/CARPATI.adi"};
        QTest::newRow("text archive") << Writer([](const QString&, LogExport& log, int) {
            return log.textArchive(QStringLiteral("CARPATI")).error;
        }) << QStringList{"ARHIVA/CARPATI.txt"};
        QTest::newRow("printed PDF") << Writer([](const QString& app, LogExport&, int round) {
            return printPdf(app, round);
        }) << QStringList{"Log/YO5OHO Etapa 1_1.pdf"};
    }
    void oldFileKept() {
        QFETCH(Writer, write);
        QFETCH(QStringList, files);
        const FullDisk disk;
        qInfo("full disk made with %s", qPrintable(disk.method()));
        const SettingsRecord st = station(1);
        LogExport log(m_db, *ContestCatalog::find(35), st, disk.path(), "07");
        QCOMPARE(write(disk.path(), log, 1), QString());
        QStringList before;
        for (const QString& f : files) {
            before << QString::fromLatin1(bytesOf(disk.file(f)).toHex());
            QVERIFY2(!before.last().isEmpty(), qPrintable(f));
        }
        const QStringList entries = disk.entries();

        disk.fill();
        const QString message = write(disk.path(), log, 2);
        QVERIFY2(message.contains(QStringLiteral("NU A PUTUT FI SCRIS")), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("FISIERUL ANTERIOR A RAMAS NESCHIMBAT")));
        for (qsizetype i = 0; i < files.size(); ++i)
            QCOMPARE(QString::fromLatin1(bytesOf(disk.file(files[i])).toHex()), before[i]);
        QCOMPARE(disk.entries(), entries);
    }

private:
    TempDataFolder m_log;
    Database m_db{QStringLiteral("FullDiskTest")};
};

QTEST_MAIN(FullDiskTest)
#include "FullDiskTest.moc"
