#include "platform/ChildJetReader.h"
#include "ExpectedFile.h"
#include "TempDataFolder.h"
#include "platform/JetRowStream.h"
#include "services/jetimport/JetImport.h"
#include "services/jetimport/TableMap.h"

#include <QDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {
const QString kCalls = QStringLiteral("DbsVELT.mdb");

// A stand-in for the program: `listing` answers the table list, `reading` a table, run in
// `tools`, which holds the answers a sound child gives.
QString fakeChild(const TempDataFolder& tools, const QString& listing, const QString& reading) {
    const JetTable calls{{"ID", "Call", "Jud"}, {{"1", "YO3ABC", "BU"}, {"2", "YO8A", "IS"}}};
    const QByteArray table = JetRowStream::table(calls);
    QByteArray notUtf8 = table;
    notUtf8.replace("YO3ABC", "YO3AB\xff");
    const QString script =
        QStringLiteral("#!/bin/sh\ncd '%1'\nif [ $# -eq 2 ]; then %2; else %3; fi\n")
            .arg(tools.path(), listing, reading);
    if (!tools.write(QStringLiteral("tables.bin"), JetRowStream::tables({"CallJud"})) ||
        !tools.write(QStringLiteral("table.bin"), table) ||
        !tools.write(QStringLiteral("bad.bin"), notUtf8) ||
        !tools.write(QStringLiteral("velt"), script.toUtf8()))
        return {};
    QString path = tools.file(QStringLiteral("velt"));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}
} // namespace

class ChildJetReaderTest : public QObject {
    Q_OBJECT
private slots:
    // Whatever the child does, the import either takes its whole answer or refuses with a
    // message and leaves the Jet file as it was; libmdb's English lines never count.
    void childAnswersAreCheckedBeforeUse_data() {
        QTest::addColumn<QString>("listing");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("refusal"); // empty: imported
        QTest::newRow("sound, noise on stderr")
            << "echo 'Unable to read page 29' >&2; cat tables.bin"
            << "echo 'offset 1 is beyond EOF' >&2; cat table.bin"
            << "";
        QTest::newRow("crash listing") << "kill -SEGV $$"
                                       << "true"
                                       << "s-a oprit pe neasteptate";
        QTest::newRow("crash reading")
            << "cat tables.bin"
            << "kill -SEGV $$"
            << "tabela CallJud nu poate fi citita: citirea s-a oprit pe neasteptate";
        QTest::newRow("dies half-way") << "cat tables.bin"
                                       << "head -c 30 table.bin; kill -KILL $$"
                                       << "s-a oprit";
        QTest::newRow("hangs") << "cat tables.bin"
                               << "exec sleep 60"
                               << "nu s-a terminat in 3";
        QTest::newRow("answer cut short") << "cat tables.bin"
                                          << "head -c 30 table.bin"
                                          << "incomplet sau deteriorat";
        QTest::newRow("answer twice") << "cat tables.bin"
                                      << "cat table.bin table.bin"
                                      << "incomplet sau deteriorat";
        QTest::newRow("garbage") << "echo garbage"
                                 << "true"
                                 << "incomplet sau deteriorat";
        QTest::newRow("text not UTF-8") << "cat tables.bin"
                                        << "cat bad.bin"
                                        << "incomplet sau deteriorat";
        QTest::newRow("endless answer") << "cat tables.bin"
                                        << "exec yes"
                                        << "fara sfarsit";
        QTest::newRow("fails with a status") << "exit 127"
                                             << "true"
                                             << "s-a oprit";
    }
    void childAnswersAreCheckedBeforeUse() {
        QFETCH(QString, listing);
        QFETCH(QString, reading);
        QFETCH(QString, refusal);
        TempDataFolder tools;
        TempDataFolder data;
        const QByteArray jet = jetFixture(QStringLiteral("jet4-plain.mdb"));
        QVERIFY(data.write(kCalls, jet));
        ChildJetReader reader(fakeChild(tools, listing, reading), 3s);

        const JetImport::Result done =
            JetImport(reader).replace(data.file(kCalls), *TableMap::forTable("CallJud"));

        if (refusal.isEmpty()) {
            QVERIFY2(done.ok, qPrintable(done.error));
            QCOMPARE(done.counts.imported, 2);
            return;
        }
        QVERIFY(!done.ok);
        QVERIFY2(done.error.contains(refusal), qPrintable(done.error));
        QCOMPARE(QDir(data.path()).entryList(QDir::Files | QDir::Hidden), QStringList{kCalls});
        QCOMPARE(data.read(kCalls), jet);
    }

    void missingProgramIsNamed() {
        TempDataFolder data;
        QVERIFY(data.write(kCalls, jetFixture(QStringLiteral("jet4-plain.mdb"))));
        ChildJetReader reader(data.file(QStringLiteral("absent")));
        const Outcome<void> opened = reader.open(data.file(kCalls));
        QVERIFY2(!opened && opened.error().contains("nu poate fi pornit"),
                 qPrintable(opened.error()));
    }
};

QTEST_GUILESS_MAIN(ChildJetReaderTest)
#include "ChildJetReaderTest.moc"
