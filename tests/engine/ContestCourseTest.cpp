#include "services/reports/ContestCourse.h"
#include "EngineFixture.h"

// The series of the contest's chart for a small known log: contacts per 10 minutes past
// midnight, and the multipliers and the claimed score (Camp.Nat.: points times multipliers of
// the stages scored together) as they grew. A duplicate counts as a contact without points or
// multiplier, "  " is no multiplier; a contact without a date has no place on the time axis.
class ContestCourseTest : public QObject {
    Q_OBJECT
private slots:
    void course_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("steps"); // start, contacts, multipliers, score
        QTest::newRow("stage 1A") << 1
                                  << "01.03.26 23:50 2 1 4|02.03.26 00:00 0 1 4|02.03.26 00:10 0 1 "
                                     "4|02.03.26 00:20 0 1 4|02.03.26 00:30 2 2 16";
        QTest::newRow("whole log") << 0
                                   << "01.03.26 23:50 2 1 4|02.03.26 00:00 1 2 10|02.03.26 00:10 0 "
                                      "2 10|02.03.26 00:20 0 2 10|02.03.26 00:30 2 3 27";
        QTest::newRow("stage 2B, no contacts") << 4 << "";
    }
    void course() {
        QFETCH(int, stage);
        QFETCH(QString, steps);
        EngineFixture fixture("CampNatUS");
        // stage, date, time, multiplier, points
        for (const char* row :
             {"1 01.03.26 23:52 CJ 2", "1 01.03.26 23:58 - 2", "2 02.03.26 00:05 BV 1",
              "1 02.03.26 00:31 AB 4", "1 02.03.26 00:33 - 0", "1 - 00:40 TM 2"}) {
            const QStringList f = fieldsOf(QLatin1String(row));
            const bool dupe = f[4] == QLatin1String("0"); // stored as " " and " 0"
            QVERIFY(fixture.log()
                        .exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Mult, "
                                             "Pct) VALUES ('YO5XYZ', ?, ?, ?, ?, ?)"),
                              {f[1], f[2], f[0],
                               dupe             ? QStringLiteral(" ")
                               : f[3].isEmpty() ? "  "
                                                : f[3],
                               dupe ? QStringLiteral(" 0") : f[4]})
                        .ok());
        }
        const auto course = ContestCourse::read(fixture.log(), fixture.app.contest(), stage);
        QVERIFY2(course.ok(), qPrintable(course.error()));
        QStringList shown;
        for (const CourseStep& s : *course)
            shown << QStringLiteral("%1 %2 %3 %4")
                         .arg(s.start.toString(QStringLiteral("dd.MM.yy hh:mm")))
                         .arg(s.contacts)
                         .arg(s.multipliers)
                         .arg(s.score);
        QCOMPARE(shown.join(u'|'), steps);
    }
};

QTEST_GUILESS_MAIN(ContestCourseTest)
#include "ContestCourseTest.moc"
