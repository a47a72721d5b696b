#include "engine/ReportFixture.h"
#include "reports/Adif.h"
#include "reports/Cabrillo.h"
#include "reports/ClaimedScore.h"
#include "reports/ReportTotals.h"
#include "reports/Summary.h"
#include "reports/TextLog.h"
#include "setup/ContestCatalog.h"
#include "setup/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kYear = QStringLiteral("07");

QByteArray expectedFile(const QString& name) {
    QFile f(QStringLiteral(VELT_SOURCE_DIR "/tests/engine/expected/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Compares a whole output with its expected file; a difference leaves the output beside the test.
bool sameAsExpected(const QByteArray& actual, const QString& name) {
    if (actual == expectedFile(name))
        return true;
    const QString out = QDir::current().filePath(QString(name).replace(u'/', u'_') + ".actual");
    QFile f(out);
    if (f.open(QIODevice::WriteOnly))
        f.write(actual);
    qWarning("%s differs; the output is in %s", qPrintable(name), qPrintable(out));
    return false;
}

CabrilloHeader header(const ContestDef& def, const QList<LogRow>& rows) {
    CabrilloHeader h = Cabrillo::prefilledHeader(def, ReportFixture::station().myCall,
                                                 claimedScoreOf(def, totalsOf(rows)), kYear);
    h.category = QStringLiteral("SINGLE-OP ALL LOW");
    h.operators = QStringLiteral("YO5OHO");
    h.club = QStringLiteral("YO5KAD");
    h.name = QStringLiteral("ION POPESCU");
    h.address = {QStringLiteral("STR. LUNGA 1"), QStringLiteral("BRASOV"), QString()};
    h.soapbox = {QStringLiteral("73"), QString()};
    return h;
}

QByteArray output(const QString& kind, int contest, const QList<LogRow>& rows) {
    const ContestDef& def = *ContestCatalog::find(contest);
    const SettingsRecord st = ReportFixture::station();
    if (kind == QLatin1String("cabrillo.cbr"))
        return Cabrillo::layout(header(def, rows), st.myCall, def).bytesOf(rows).bytes;
    if (kind == QLatin1String("adif.adi"))
        return Adif::layout(def).bytesOf(rows).bytes;
    if (kind == QLatin1String("textlog.txt"))
        return TextLog::logLayout(def, st.myCall).bytesOf(rows).bytes;
    if (kind == QLatin1String("archive.txt"))
        return TextLog::archiveLayout(def).bytesOf(rows).bytes;
    return Summary::summaryFile(def, st, totalsOf(rows), kYear).bytes;
}

const QStringList kKinds{"cabrillo.cbr", "adif.adi", "textlog.txt", "archive.txt", "summary.txt"};

} // namespace

class ReportExportTest : public QObject {
    Q_OBJECT
private slots:
    void wholeFiles_data() {
        QTest::addColumn<int>("contest");
        QTest::addColumn<QString>("kind");
        for (int contest : {0, 11, 31, 33, 35})
            for (const QString& kind : kKinds)
                QTest::addRow("%d %s", contest, qPrintable(kind)) << contest << kind;
    }
    void wholeFiles() {
        QFETCH(int, contest);
        QFETCH(QString, kind);
        const QByteArray bytes = output(kind, contest, ReportFixture::ordered(contest));
        QVERIFY(sameAsExpected(bytes, QStringLiteral("c%1/%2").arg(contest).arg(kind)));
    }

    void emptyLog() {
        QVERIFY(sameAsExpected(output("summary.txt", 35, {}), "c35/summary-empty.txt"));
        QVERIFY(output("adif.adi", 35, {}).isEmpty());
    }

    // A row the electronic logs cannot carry stops the export with its message and no bytes.
    void unreadableRowStopsExport_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("message");
        const QString dateMsg = "FORMATUL DATEI CALENDARISTICE LA INDICATIVUL YO5BBB     INCORECT. "
                                "PROGRAMUL SE INTRERUPE. VERIFICATI FORMATUL ";
        const QString timeMsg = "FORMATUL OREI UTC INCORECT %1. PROGRAMUL SE INTRERUPE. "
                                "VERIFICATI FORMATUL ";
        QTest::newRow("day 31 of November") << "31.11.07"
                                            << "18:01" << dateMsg;
        QTest::newRow("four-digit year") << "10.11.2007"
                                         << "18:01" << dateMsg;
        QTest::newRow("hour 24") << "10.11.07"
                                 << "24:00" << timeMsg.arg("24:00 ");
    }
    void unreadableRowStopsExport() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, message);
        QList<LogRow> rows = ReportFixture::ordered(35);
        rows[1].date = date;
        rows[1].utc = time;
        const ContestDef& def = *ContestCatalog::find(35);
        for (const ExportResult& r :
             {Cabrillo::layout(header(def, rows), "YO5OHO", def).bytesOf(rows),
              Adif::layout(def).bytesOf(rows)}) {
            QCOMPARE(r.error, message);
            QVERIFY(r.bytes.isEmpty());
        }
    }

    // Ș ș Ț ț are written as the code page's cedilla letters; a character it cannot hold stops
    // the file with a message instead of a substitute byte.
    void romanianLettersInTextFiles() {
        const ContestDef& def = *ContestCatalog::find(11);
        QList<LogRow> rows{ReportFixture::row(1, "YO5AAA", "10.11.07", "18:00", "1", "599 001 ION",
                                              "599 002 X", "CW", "", "", "1")};
        rows[0].rcvd = QString::fromUtf8("599 002 \u0218\u0219\u021A\u021B");
        const ExportResult ok = TextLog::archiveLayout(def).bytesOf(rows);
        QVERIFY2(ok.ok(), qPrintable(ok.error));
        QVERIFY(ok.bytes.contains("599 002 \xaa\xba\xde\xfe"));
        CabrilloHeader h = header(def, rows);
        h.name = QStringLiteral(u"\u0218TEFAN \u021Au\u021Bu \u0219i");
        const ExportResult cbr = Cabrillo::layout(h, "YO5OHO", def).bytesOf(rows);
        QVERIFY(SettingsFiles::decodeLines(cbr.bytes).contains(
            QStringLiteral(u"NAME: \u015ETEFAN \u0162u\u0163u \u015Fi")));
        rows[0].rcvd = QStringLiteral("599 002 \u00D1O\u20AC");
        const ExportResult refused = TextLog::archiveLayout(def).bytesOf(rows);
        QVERIFY(refused.bytes.isEmpty());
        QVERIFY2(refused.error.contains(QStringLiteral("\"\u00D1\"")), qPrintable(refused.error));
    }
};

QTEST_GUILESS_MAIN(ReportExportTest)
#include "ReportExportTest.moc"
