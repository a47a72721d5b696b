#include "engine/AdifChecker.h"
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
        if (kind == QLatin1String("adif.adi"))
            QCOMPARE(AdifChecker::check(bytes), QString());
    }

    void emptyLog_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("cabrillo") << "cabrillo.cbr"
                                  << QByteArray(
                                         "START-OF-LOG: 2.0\r\nCREATED-BY: Tarvine/Karven \r\n"
                                         "CONTEST: Cupa Carpati 07\r\nCALLSIGN: YO5OHO/P\r\n"
                                         "CATEGORY: SINGLE-OP ALL LOW\r\nCLAIMED-SCORE: 0\r\n"
                                         "OPERATORS: YO5OHO\r\nCLUB: YO5KAD\r\n"
                                         "NAME: ION POPESCU\r\nADDRESS: STR. LUNGA 1\r\n"
                                         "ADDRESS: BRASOV\r\nADDRESS: \r\nSOAPBOX: 73\r\n"
                                         "SOAPBOX: \r\nEND-OF-LOG: \r\n");
        QTest::newRow("adif") << "adif.adi" << QByteArray();
        QTest::newRow("text log") << "textlog.txt"
                                  << QByteArray("YO5OHO/P\r\n\r\n"
                                                "DATA     UTC   Mod CALLSIGN  SENT         RCVD  "
                                                "       ETP  MLT  PCT\r\n" +
                                                QByteArray(68, '-') + "\r\n");
        QTest::newRow("archive") << "archive.txt" << QByteArray();
    }
    void emptyLog() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, expected);
        QCOMPARE(output(kind, 35, {}), expected);
    }

    void emptyLogSummary() {
        QVERIFY(sameAsExpected(output("summary.txt", 35, {}), "c35/summary-empty.txt"));
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
        QTest::newRow("empty date") << ""
                                    << "18:01" << dateMsg;
        QTest::newRow("hour 24") << "10.11.07"
                                 << "24:00" << timeMsg.arg("24:00 ");
        QTest::newRow("no colon") << "10.11.07"
                                  << "1801" << timeMsg.arg("1801  ");
    }
    void unreadableRowStopsExport() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, message);
        QList<LogRow> rows = ReportFixture::ordered(35);
        rows[1].data = date;
        rows[1].utc = time;
        const ContestDef& def = *ContestCatalog::find(35);
        for (const ExportResult& r :
             {Cabrillo::layout(header(def, rows), "YO5OHO", def).bytesOf(rows),
              Adif::layout(def).bytesOf(rows)}) {
            QCOMPARE(r.error, message);
            QVERIFY(r.bytes.isEmpty());
        }
    }

    // The frequency is the band the contest is worked on; callsigns are never cut.
    void cabrilloLineFields_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("contest");
        QTest::addColumn<QString>("callsign");
        QTest::addColumn<QString>("line");
        QTest::newRow("SSB is PH") << "SSB" << 35 << "YO2LONGCALLSX"
                                   << "QSO: 3500  PH 2007-03-05 1234 YO5OHO/P      59 002 BV   "
                                      "YO2LONGCALLSX 59 005 IS   ";
        QTest::newRow("CW on 40 m, 11 characters")
            << "CW" << 21 << "YO/DL1ABC/P"
            << "QSO: 7000  CW 2007-03-05 1234 YO5OHO/P      59 002 BV   "
               "YO/DL1ABC/P   59 005 IS   ";
        QTest::newRow("wider than the column")
            << "CW" << 35 << "YO/DL1ABCDE/QRP"
            << "QSO: 3500  CW 2007-03-05 1234 YO5OHO/P      59 002 BV   "
               "YO/DL1ABCDE/QRP 59 005 IS   ";
    }
    void cabrilloLineFields() {
        QFETCH(QString, mode);
        QFETCH(int, contest);
        QFETCH(QString, callsign);
        QFETCH(QString, line);
        LogRow r = ReportFixture::row(1, "", "05.03.07", "12:34", "1", "59 002 BV", "59 005 IS", "",
                                      "IS", "IS", "1");
        r.callsign = callsign;
        r.md = mode;
        const ContestDef& def = *ContestCatalog::find(contest);
        QCOMPARE(Cabrillo::qsoLine(r, "YO5OHO/P", def).line, line);
        QCOMPARE(Cabrillo::frequency(def.report.bandMeters).isEmpty(), false);
    }

    // An 11-character callsign stays whole in the ADIF record and widens its text-log column.
    void longCallsignIsNeverCut() {
        const ContestDef& def = *ContestCatalog::find(35);
        const LogRow r = ReportFixture::row(1, "YO/DL1ABC/P", "10.11.07", "18:00", "1",
                                            "599 001 BV", "599 005 IS", "CW", "IS", "IS", "1");
        QVERIFY(Adif::qsoRecord(r, def).line.startsWith("<CALL:11>YO/DL1ABC/P<"));
        QCOMPARE(TextLog::logLine(def, r),
                 QString("10.11.07  18:00 CW  YO/DL1ABC/P 599 001 BV  599 005 IS    1   IS   1  "));
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

    // STX/SRX are integers: only a numeric serial goes there, the whole rest goes to *_STRING.
    void adifRecord_data() {
        QTest::addColumn<int>("contest");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("rcvd");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("record");
        QTest::newRow("SSB serial")
            << 35 << "59 001 BV"
            << "59 005 IS"
            << "SSB"
            << "<CALL:6>YO5AAA<QSO_DATE:8>20071110<TIME_ON:4>1800<MODE:3>SSB<BAND:3>80m"
               "<RST_SENT:2>59<RST_RCVD:2>59<COMMENT:9>CpCarpati<STX:3>001<STX_STRING:6>001 BV"
               "<SRX:3>005<SRX_STRING:6>005 IS<EOR>";
        QTest::newRow("CW no serial, 40 m")
            << 21 << "599 BV"
            << "579 IS"
            << "CW"
            << "<CALL:6>YO5AAA<QSO_DATE:8>20071110<TIME_ON:4>1800<MODE:2>CW<BAND:3>40m"
               "<RST_SENT:3>599<RST_RCVD:3>579<COMMENT:7>Valdora<STX_STRING:2>BV"
               "<SRX_STRING:2>IS<EOR>";
        QTest::newRow("diacritics lose their marks")
            << 11 << "599 001 ION" << QString::fromUtf8("599 002 ŞTEFAN") << "CW"
            << "<CALL:6>YO5AAA<QSO_DATE:8>20071110<TIME_ON:4>1800<MODE:2>CW<BAND:3>80m"
               "<RST_SENT:3>599<RST_RCVD:3>599<COMMENT:7>CpCaras<STX:3>001<STX_STRING:7>001 ION"
               "<SRX:3>002<SRX_STRING:10>002 STEFAN<EOR>";
    }
    void adifRecord() {
        QFETCH(int, contest);
        QFETCH(QString, sent);
        QFETCH(QString, rcvd);
        QFETCH(QString, mode);
        QFETCH(QString, record);
        LogRow r =
            ReportFixture::row(1, "YO5AAA", "10.11.07", "18:00", "1", "", "", "", "", "", "1");
        r.sent = sent;
        r.rcvd = rcvd;
        r.md = mode;
        const ContestDef& def = *ContestCatalog::find(contest);
        QCOMPARE(Adif::qsoRecord(r, def).line, record);
        QCOMPARE(AdifChecker::check(Adif::layout(def).bytesOf({r}).bytes), QString());
    }

    void adifCheckerRejects_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray head = "<CALL:6>YO5AAA<QSO_DATE:8>20071110<TIME_ON:4>1800<MODE:2>CW";
        QTest::newRow("exchange in STX") << head + "<BAND:3>80m<STX:6>001 BV<EOR>\r\n";
        QTest::newRow("short length") << head + "<BAND:3>80m<COMMENT:3>CpCarpati<EOR>\r\n";
        QTest::newRow("long length") << head + "<BAND:4>80m<EOR>\r\n";
        QTest::newRow("unknown band") << head + "<BAND:3>81m<EOR>\r\n";
        QTest::newRow("bad date") << QByteArray(head).replace("20071110", "20071131") +
                                         "<BAND:3>80m<EOR>\r\n";
        QTest::newRow("no end of record") << head + "<BAND:3>80m\r\n";
        QTest::newRow("non-ASCII") << head + "<BAND:3>80m<COMMENT:2>\xaa"
                                             "A<EOR>\r\n";
    }
    void adifCheckerRejects() {
        QFETCH(QByteArray, file);
        QVERIFY(!AdifChecker::check(file).isEmpty());
    }

    void textLogPaddingKeepsStageColumn() {
        const ContestDef& def = *ContestCatalog::find(35);
        const LogRow ssb = ReportFixture::row(1, "YO5AAA", "10.11.07", "18:00", "1", "59 001 BV",
                                              "59 005 IS", "SSB", "IS", "IS", "1");
        LogRow cw = ssb;
        cw.sent = "599 001 BV";
        cw.rcvd = "599 005 IS";
        cw.md = "CW";
        const QString a = TextLog::logLine(def, ssb);
        const QString b = TextLog::logLine(def, cw);
        QCOMPARE(a,
                 QString("10.11.07  18:00 SSB YO5AAA    59 001 BV   59 005 IS     1   IS   1  "));
        QCOMPARE(a.indexOf(u'1', 50), b.indexOf(u'1', 50));
        QCOMPARE(a.size(), b.size());
    }
};

QTEST_GUILESS_MAIN(ReportExportTest)
#include "ReportExportTest.moc"
