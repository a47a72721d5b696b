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
    void childAnswersAreCheckedBeforeUse() {
        QVERIFY(answersAsExpected("data/tables/jetchild.txt", [](const QString& row) {
            const QStringList f =
                row.section(QStringLiteral(": "), -1).split(QStringLiteral(" | "));
            TempDataFolder tools;
            TempDataFolder data;
            const QByteArray jet = jetFixture(QStringLiteral("jet4-plain.mdb"));
            data.write(kCalls, jet);
            const QString program =
                f[0] == u"-" ? data.file(QStringLiteral("absent")) : fakeChild(tools, f[0], f[1]);
            ChildJetReader reader(program, 3s);
            const JetImport::Result done =
                JetImport(reader).replace(data.file(kCalls), *TableMap::forTable("CallJud"));
            if (done.ok)
                return QStringLiteral("imported %1").arg(done.counts.imported);
            const bool untouched =
                data.read(kCalls) == jet &&
                QDir(data.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{kCalls};
            return QString(done.error)
                       .replace(data.path(), QStringLiteral("DATA"))
                       .replace(tools.path(), QStringLiteral("TOOLS")) +
                   (untouched ? " | untouched" : " | changed");
        }));
    }
};

QTEST_GUILESS_MAIN(ChildJetReaderTest)
#include "ChildJetReaderTest.moc"
