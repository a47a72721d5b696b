#include "store/LogReader.h"
#include "LogWithCopies.h"
#include "base/LogDate.h"
#include "engine/ReportFixture.h"

#include <QTest>

class LogReaderTest : public QObject {
    Q_OBJECT
private slots:
    // Points no contact can score (crafted into the log) are refused, and no total wraps.
    void impossiblePointsAreRefused_data() {
        // points, 0/1 accepted, the stage's live total (-1: the totals are refused)
        QTest::addColumn<QString>("fields");
        QTest::newRow("largest") << "999 1 1001";
        QTest::newRow("past the largest") << "1000 0 1002";
        QTest::newRow("overflowing sum") << "9223372036854775807 0 -1";
        QTest::newRow("negative") << "-4 0 -1";
    }
    void impossiblePointsAreRefused() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u' ');
        const bool accepted = f[1] == u'1';
        LogWithCopies l;
        QVERIFY(l.open());
        for (const QString& p : {QStringLiteral("2"), f[0]})
            QVERIFY(l.log.exec("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Md, Pct) VALUES "
                               "('YO5AAA', '10.11.07', '18:00', '1', 'CW', ?)",
                               {p}));
        const Outcome<QList<LogRow>> rows = LogReader(l.log).read(0);
        QCOMPARE(rows.ok(), accepted);
        QVERIFY(accepted || rows.error().startsWith(QStringLiteral("PUNCTAJUL")));
        const auto totals = LogStore(l.log).stageTotals();
        QCOMPARE(totals ? int((*totals)[0].points) : -1, f[2].toInt());
    }

    // Unreadable dates, then unreadable times of a date, come first; "yy" is 2000..2099.
    void unreadableDatesComeFirst() {
        LogWithCopies l;
        QVERIFY(l.open());
        QList<LogRow> rows = ReportFixture::entered(0);
        rows << ReportFixture::row(8, "YO6AAA|1.1.07|10:00|1||||||")
             << ReportFixture::row(9, "YO6BBB|31.12.06|23:59|1||||||")
             << ReportFixture::row(10, "YO6CCC|28.02.07|9:00|1||||||");
        for (const LogRow& r : rows)
            QVERIFY(l.log.exec("INSERT INTO LogGen (Callsign, Data, UTC, Etp) VALUES (?, ?, ?, ?)",
                               {r.callsign, r.date, r.utc, r.stage}));
        const Outcome<QList<LogRow>> read = LogReader(l.log).read(0);
        QVERIFY(read);
        QStringList ids;
        for (const LogRow& r : *read)
            ids << QString::number(r.id);
        QCOMPARE(ids, (QStringList{"8", "9", "10", "2", "3", "4", "5", "1", "7", "6"}));
    }

    // The log is read newest first through the schema's indexes, never sorted whole.
    void orderIsServedByAnIndex() {
        LogWithCopies l;
        QVERIFY(l.open());
        for (int stage : {0, 2}) {
            const LogReader::Select q = LogReader::select("*", stage);
            auto plan =
                l.log.select("EXPLAIN QUERY PLAN " + q.sql + LogDate::sqlOrder(true), q.values);
            QVERIFY(plan);
            QString steps;
            while (plan->next())
                steps += plan->value(3).toString() + u';';
            QVERIFY2(steps.contains("USING INDEX") && !steps.contains("TEMP B-TREE"),
                     qPrintable(steps));
        }
    }
};

QTEST_GUILESS_MAIN(LogReaderTest)
#include "LogReaderTest.moc"
