#include "EngineFixture.h"
#include "EntryModel.h"
#include "LogRows.h"
#include "RunSetup.h"

// A paper log typed in afterwards, across midnight and month ends: the date and hour offered
// for the next contact follow the contacts logged.
class OffLineDatesTest : public QObject {
    Q_OBJECT
private slots:
    void offerFollowsTheLog_data() {
        // start date and time, the next contact typed as date and time, then what the contact
        // after it is offered: date and hour
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("23:59 -> 00:00, leap day", "28.02.24 23:59 29.02.24 00:00 29.02.24 00:");
        row("earlier time, same date", "01.03.26 14:30 01.03.26 13:55 01.03.26 13:");
        row("earlier date: the offer stays", "01.03.26 00:10 28.02.26 23:59 01.03.26 00:");
    }
    void offerFollowsTheLog() {
        QFETCH(QString, fields);
        const QStringList f = fieldsOf(fields);
        EngineFixture fixture("CpMoldova");
        changeRun(fixture.app, [&](HandOver& h) {
            h.offLine = true;
            h.startDate = f[0];
            h.startTime = f[1];
        });
        EntryModel e(fixture.app, fixture.log(), fixture.calls(), fixture.specials, fixture.clock);
        e.log("YO5AAA", "001", "CJ", [&] {
            e.model.setText(EntryField::Date, f[2]);
            e.model.setText(EntryField::Time, f[3]);
        });
        e.log("YO5BBB", "002", "CJ", [&] {
            QCOMPARE(e.model.text(EntryField::Date), f[4]);
            QCOMPARE(e.model.text(EntryField::Time), f[5]);
            e.model.setText(EntryField::Time, f[5] + QStringLiteral("03"));
        });
        QStringList stamps;
        for (const QString& row : logRows(fixture.log()))
            stamps << row.section(u'|', 0, 2);
        QCOMPARE(stamps, (QStringList{"YO5AAA|" + f[2] + u'|' + f[3],
                                      "YO5BBB|" + f[4] + u'|' + f[5] + "03"}));
    }
};

QTEST_GUILESS_MAIN(OffLineDatesTest)
#include "OffLineDatesTest.moc"
