#include "EngineFixture.h"
#include "EntryModel.h"
#include "RunSetup.h"

// The rate the QSO screen shows, from logs with known times: the contacts of the last 10 minutes
// as an hourly rate, those of the last 60 minutes, and the best 60 minutes of the stage.
class LogRateTest : public QObject {
    Q_OBJECT
private slots:
    void rateOfTheLog_data() {
        // contacts already in the log, what happens on the screen, the clock ("-" off-line: the
        // newest time typed), the rate shown
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("story");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, const char* logged, const char* story, const char* now,
                      const char* shown) {
            QTest::newRow(name) << logged << story << now << shown;
        };
        row("exactly 10 minutes back", "01.03.26 14:00", "", "01.03.2026 14:10:00", "0 1 1");
        row("one second inside 10", "01.03.26 14:00", "", "01.03.2026 14:09:59", "6 1 1");
        row("one second outside 10", "01.03.26 14:00", "", "01.03.2026 14:10:01", "0 1 1");
        row("exactly 60 minutes back", "01.03.26 13:00", "", "01.03.2026 14:00:00", "0 0 1");
        row("one second inside 60", "01.03.26 13:00", "", "01.03.2026 13:59:59", "0 1 1");
        row("one second outside 60", "01.03.26 13:00", "", "01.03.2026 14:00:01", "0 0 1");
        row("best 60 minutes between hours, other stage out",
            "01.03.26 12:30,01.03.26 12:45,01.03.26 13:20,01.03.26 13:29,01.03.26 14:00 2", "",
            "01.03.2026 14:05:00", "0 2 4");
        row("stage past midnight", "31.12.26 23:30,31.12.26 23:58,01.01.27 00:02", "",
            "01.01.2027 00:04:30", "12 3 3");
        row("logged on the screen", "01.03.26 13:10", "log", "01.03.2026 14:05:30", "6 2 2");
        row("deleted contact", "01.03.26 14:00,01.03.26 14:01", "delete", "01.03.2026 14:05:00",
            "6 1 1");
        row("deleted, then one logged", "01.03.26 14:00,01.03.26 14:01", "delete+log",
            "01.03.2026 14:05:00", "12 2 2");
        row("another program's contact", "01.03.26 14:00", "other+follow 01.03.26 14:03",
            "01.03.2026 14:05:00", "12 2 2");
        row("another program's contact, then one logged", "01.03.26 14:00",
            "other+log 01.03.26 14:03", "01.03.2026 14:05:00", "18 3 3");
        row("off-line dates", "", "type 10.11.07 23:55,11.11.07 00:03", "-", "12 2 2");
        row("off-line, corrected back an hour", "",
            "type 10.11.07 23:55,11.11.07 00:03 -> 10.11.07 22:55", "-", "6 1 1");
    }
    void rateOfTheLog() {
        QFETCH(QString, logged);
        QFETCH(QString, story);
        QFETCH(QString, now);
        QFETCH(QString, shown);
        EngineFixture fixture("CpMoldova");
        for (const QString& contact : logged.split(u',', Qt::SkipEmptyParts))
            insert(fixture.log(), contact);
        if (now == QLatin1String("-"))
            changeRun(fixture.app, [](HandOver& h) { h.offLine = true; });
        else
            fixture.clock.current = QDateTime(QDate::fromString(now.left(10), "dd.MM.yyyy"),
                                              QTime::fromString(now.mid(11)), QTimeZone::utc());
        EntryModel e(fixture.app, fixture.log(), fixture.calls(), fixture.specials, fixture.clock);
        const auto typeStamp = [&](const QString& stamp) {
            e.retype(EntryField::Date, stamp.section(u' ', 0, 0));
            e.retype(EntryField::Time, stamp.section(u' ', 1));
        };
        const QString stamps = story.section(u' ', 1);
        for (const QString& what : story.section(u' ', 0, 0).split(u'+'))
            if (what == QLatin1String("log")) {
                e.log("YO5ZZZ", "001", "CJ");
            } else if (what == QLatin1String("delete")) {
                e.model.deleteContact(fixture.log()
                                          .scalar(QStringLiteral("SELECT max(ID) FROM LogGen"))
                                          .toLongLong());
            } else if (what == QLatin1String("other")) {
                Database other(QStringLiteral("OtherProgram"));
                QCOMPARE(other.open(fixture.log().path(), "LogGen"), Database::OpenResult::Ok);
                insert(other, stamps);
            } else if (what == QLatin1String("follow")) {
                QVERIFY(e.model.followLog());
            } else if (what == QLatin1String("type")) {
                // Typed off-line; a stamp after "->" corrects the last contact typed.
                const QStringList typed = stamps.section(QStringLiteral(" -> "), 0, 0).split(u',');
                for (int i = 0; i < typed.size(); ++i)
                    e.log(QStringLiteral("YO5A%1").arg(QChar(u'A' + i)), "001", "CJ",
                          [&] { typeStamp(typed[i]); });
                if (stamps.contains(QStringLiteral(" -> "))) {
                    e.model.correctLastContact();
                    typeStamp(stamps.section(QStringLiteral(" -> "), 1));
                    e.model.logContact();
                }
            }
        const RateFigures r = e.model.rate();
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(r.lastTenPerHour).arg(r.lastHour).arg(r.bestHour),
                 shown);
    }

private:
    // A contact "dd.mm.yy hh:mm [stage]" (stage 1 when none is given).
    static void insert(Database& log, const QString& contact) {
        const QStringList f = contact.split(u' ');
        QVERIFY(log.exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, "
                                        "Rcvd, Md, Jud, Mult, Pct) VALUES ('YO5XYZ', ?, ?, ?, "
                                        "'599 001 PH', '599 001 CJ', 'CW', 'CJ', '  ', '1')"),
                         {f[0], f[1], f.value(2, QStringLiteral("1"))})
                    .ok());
    }
};

QTEST_GUILESS_MAIN(LogRateTest)
#include "LogRateTest.moc"
