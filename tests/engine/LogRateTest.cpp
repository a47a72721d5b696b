#include "EngineFixture.h"
#include "EntryModel.h"
#include "ExpectedFile.h"
#include "RunSetup.h"

// The rate the QSO screen shows, from logs with known times: the contacts of the last 10 minutes
// as an hourly rate, those of the last 60 minutes, and the best 60 minutes of the stage.
class LogRateTest : public QObject {
    Q_OBJECT
private slots:
    void rateOfTheLog() {
        QVERIFY(answersAsExpected("data/tables/rates.txt", [](const QString& row) {
            const QStringList f =
                row.section(QStringLiteral(": "), -1).split(QStringLiteral(" | "));
            return rate(f[0] == u'-' ? QString() : f[0], f[1] == u'-' ? QString() : f[1], f[2]);
        }));
    }

private:
    // The rate shown ("last ten minutes per hour, last hour, best hour") after `story` on a log
    // holding `logged`, the clock at `now`.
    static QString rate(const QString& logged, const QString& story, const QString& now) {
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
                if (!other.open(fixture.log().path(), "LogGen").ok())
                    return QStringLiteral("log not opened");
                insert(other, stamps);
            } else if (what == QLatin1String("follow") && !e.model.followLog()) {
                return QStringLiteral("log not followed");
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
        return QStringLiteral("%1 %2 %3").arg(r.lastTenPerHour).arg(r.lastHour).arg(r.bestHour);
    }
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
