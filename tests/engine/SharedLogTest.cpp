#include "EngineFixture.h"
#include "EntryModel.h"
#include "LogRows.h"
#include "logging/LogStore.h"

// Two programs logging into one file: the serials sent never repeat, and each screen's totals
// and next serial follow the log, whoever logged last.
class SharedLogTest : public QObject {
    Q_OBJECT
private slots:
    void twoScreensOneLog() {
        EngineFixture fixture("CpMoldova");
        Database otherLog(QStringLiteral("OtherLog"));
        Database otherCalls(QStringLiteral("OtherCalls"));
        QCOMPARE(otherLog.open(fixture.log().path(), "LogGen"), Database::OpenResult::Ok);
        QCOMPARE(otherCalls.open(fixture.calls().path(), "CallJud"), Database::OpenResult::Ok);
        EntryModel a(fixture.app, fixture.log(), fixture.calls(), fixture.specials, fixture.clock);
        EntryModel b(fixture.app, otherLog, otherCalls, fixture.specials, fixture.clock);
        // After each contact both screens' clock ticks; serials run 001, 002, ... in the log.
        auto loggedAndShown = [&](int n) {
            a.model.followLog();
            b.model.followLog();
            QStringList sent;
            for (const QString& row : logRows(fixture.log()))
                sent << row.section(u'|', 4, 4);
            QCOMPARE(sent.size(), n);
            for (int k = 0; k < n; ++k)
                QCOMPARE(sent[k], QStringLiteral("599 %1 PH").arg(k + 1, 3, 10, QChar(u'0')));
            const auto totals = LogStore(fixture.log()).stageTotals();
            QVERIFY(totals.ok());
            for (EntryModel* screen : {&a, &b}) {
                const ResultRow shown = screen->model.results()[0];
                QCOMPARE(shown.qso.toInt(), (*totals)[0].qsos);
                QCOMPARE(shown.mlt.toInt(), (*totals)[0].multipliers);
                QCOMPARE(shown.pkt.toLongLong(), (*totals)[0].points);
                QCOMPARE(screen->model.sentLabel(),
                         QStringLiteral("%1").arg(n, 3, 10, QChar(u'0')));
                QCOMPARE(screen->model.text(EntryField::CodeSent),
                         QStringLiteral("%1").arg(n + 1, 3, 10, QChar(u'0')));
            }
        };
        const QStringList counties{"CJ", "BV", "IS", "CT"};
        for (int i = 0; i < counties.size(); ++i) {
            (i % 2 ? b : a).log(QStringLiteral("YO5A%1").arg(QChar(u'A' + i)), "001", counties[i]);
            loggedAndShown(i + 1);
        }
        // B offers 005 for the contact in hand when A logs 005: B's contact is stored as 006.
        b.log("YO6BBB", "001", "TM", [&] {
            QCOMPARE(b.model.text(EntryField::CodeSent), QStringLiteral("005"));
            a.log("YO6AAA", "001", "MS");
        });
        loggedAndShown(6);
    }
};

QTEST_GUILESS_MAIN(SharedLogTest)
#include "SharedLogTest.moc"
