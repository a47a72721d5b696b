#include "ExpectedFile.h"
#include "TempDataFolder.h"
#include "platform/ChildJetReader.h"
#include "services/jetimport/JetImport.h"
#include "services/jetimport/TableMap.h"
#include "store/Database.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

namespace {
constexpr quint32 kSeed = 20260301;
constexpr int kMutants = 240;
constexpr int kCataloguePage = 2;
constexpr int kFlippedPages = 16;

struct Base {
    QByteArray bytes;
    int page;
    bool jet3;
};

QByteArray stored(const QString& name, bool jet3) {
    if (jet3)
        return name.toLatin1();
    return {reinterpret_cast<const char*>(name.utf16()), name.size() * 2};
}

// The test files with their first table named LogGen, so that its rows are read too.
QList<Base> bases() {
    QList<Base> out;
    for (const char* name : {"jet3-types.mdb", "jet4-plain.mdb", "jet4-numeric.mdb"}) {
        QByteArray bytes = jetFixture(QLatin1String(name));
        if (bytes.isEmpty())
            return {};
        const bool jet3 = QLatin1String(name).startsWith(QLatin1String("jet3"));
        bytes.replace(stored(QStringLiteral("Table1"), jet3),
                      stored(QStringLiteral("LogGen"), jet3));
        out.append({bytes, jet3 ? 2048 : 4096, jet3});
    }
    return out;
}

// One of four kinds of damage: bit flips in the first pages, truncation to whole pages, a column
// of the catalogue given another's name (listed twice), random bytes in the catalogue's definition.
QByteArray mutate(QRandomGenerator& rng, const Base& base) {
    QByteArray b = base.bytes;
    const auto below = [&](qsizetype n) { return static_cast<qsizetype>(rng.bounded(quint32(n))); };
    const qsizetype catalogue = qsizetype(kCataloguePage) * base.page;
    switch (rng.bounded(4)) {
    case 0:
        for (int n = 1 + below(8); n > 0; --n)
            b[below(qMin(b.size(), qsizetype(kFlippedPages) * base.page))] ^= char(1 << below(8));
        break;
    case 1:
        b.truncate(base.page * (2 + below(b.size() / base.page - 2)));
        break;
    case 2: {
        const QStringList names{"Id", "Name", "Type", "Flags", "Owner", "ParentId"};
        const QByteArray from = stored(names[below(names.size())], base.jet3);
        const QByteArray to =
            stored(names[below(names.size())], base.jet3).leftJustified(from.size(), '\0', true);
        const qsizetype at = b.indexOf(from, catalogue);
        if (at >= 0 && at < catalogue + base.page)
            b.replace(at, from.size(), to);
        break;
    }
    default:
        for (int n = 1 + below(4); n > 0; --n)
            b[catalogue + below(base.page)] = char(rng.bounded(256));
    }
    return b;
}
} // namespace

class JetFuzzTest : public QObject {
    Q_OBJECT
private slots:
    // Damaged copies of the test files go through the import as the program runs it: each is read
    // (and then refused only because the log already holds contacts) or refused with a message;
    // this process survives, and neither the log nor the damaged file changes. The child survives
    // too: its crash would be a value the reader used unchecked (or a fault of libmdb's).
    void damagedFilesAreReadOrRefused() {
        const QList<Base> files = bases();
        QCOMPARE(files.size(), 3);
        TempDataFolder dir;
        const QString logPath = dir.file(QStringLiteral("LogVELT.mdb"));
        {
            Database log(QStringLiteral("Log"));
            QVERIFY(dir.createDatabase(QStringLiteral("LogVELT.mdb")));
            QVERIFY(log.open(logPath, QStringLiteral("LogGen")).ok());
            QVERIFY(log.exec(QStringLiteral("INSERT INTO LogGen (Callsign, Etp) VALUES "
                                            "('YO3ABC', '1A')")));
        }
        const QByteArray log = dir.read(QStringLiteral("LogVELT.mdb"));
        const QString oldPath = dir.file(QStringLiteral("old.mdb"));
        ChildJetReader reader(QStringLiteral(VELT_EXECUTABLE));
        JetImport import(reader);
        QRandomGenerator rng(kSeed);
        int read = 0;
        int refused = 0;
        int crashed = 0;
        for (int i = 0; i < kMutants; ++i) {
            const QByteArray mutant = mutate(rng, files[rng.bounded(int(files.size()))]);
            QVERIFY(dir.write(QStringLiteral("old.mdb"), mutant));
            const JetImport::Result done =
                import.importInto(oldPath, logPath, *TableMap::forTable(QStringLiteral("LogGen")));
            QVERIFY2(!done.ok && !done.error.isEmpty(), qPrintable(QString::number(i)));
            (done.error.contains(QLatin1String("nu este goala")) ? read : refused) += 1;
            crashed += done.error.contains(QLatin1String("s-a oprit")) ? 1 : 0;
            QCOMPARE(dir.read(QStringLiteral("LogVELT.mdb")), log);
            QCOMPARE(dir.read(QStringLiteral("old.mdb")), mutant);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList({"LogVELT.mdb", "old.mdb"}));
        }
        qInfo("%d damaged files: %d read, %d refused, %d crashed the reader", kMutants, read,
              refused, crashed);
        QVERIFY(read > 0 && refused > 0);
        QCOMPARE(crashed, 0);
    }
};

QTEST_GUILESS_MAIN(JetFuzzTest)
#include "JetFuzzTest.moc"
