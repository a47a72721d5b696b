#include "EngineFixture.h"

// The duplicate rule of every contest in every stage, against the contest groups of the rules.
class DupeCheckTest : public QObject {
    Q_OBJECT

    enum Group { Blind, Free, Wait5, Wait10, Indep };

    static Group groupOf(const QString& contest, int stage) {
        const auto in = [&](const char* list) {
            return QString::fromLatin1(list).split(QLatin1Char(' ')).contains(contest);
        };
        if (stage <= 2) {
            if (in("CpIndep"))
                return Indep;
            if (in("CpBraila"))
                return Wait5;
            if (in("CpCaras CpTeleorman CpTransmis Cp25Oct Tresin Telecom CpTimis CpElevi") ||
                (stage == 1 && contest == QStringLiteral("CpCFR")))
                return Free;
            if (in("ConcBUC CpCFR Cp1Dec Valdora CpMoldova"))
                return Wait10;
            return Blind;
        }
        if (in("CpCaras CpTeleorman CpTransmis Cp25Oct Tresin Telecom CpElevi"))
            return Free;
        if (in("ConcBUC CpCFR Cp1Dec Valdora CpMoldova"))
            return Wait10;
        return Blind;
    }

private slots:
    void dupeRuleOfEveryContest_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("mode"); // of the contact in hand; the earlier one is CW
        QTest::addColumn<QString>("now");  // UTC of the clock; the earlier contact is 12:00
        QTest::addColumn<bool>("offLine");
        QTest::addColumn<int>("loggedStage");
        QTest::addColumn<bool>("dupe");
        QTest::addColumn<bool>("mark");

        for (const ContestDef& def : ContestCatalog::all()) {
            const QString code = def.codeString();
            for (int stage = 1; stage <= 4; ++stage) {
                const Group g = groupOf(code, stage);
                const int wait = g == Wait5 ? 5 : 10;
                const QString inside = QTime(12, wait - 1).toString(QStringLiteral("hh:mm"));
                const QString after = QTime(12, wait).toString(QStringLiteral("hh:mm"));
                const bool blind = g == Blind;
                const bool waits = g == Wait5 || g == Wait10;
                const bool marks1Dec =
                    code == QStringLiteral("Cp1Dec") && (stage == 1 || stage == 3);
                auto row = [&](const char* what) {
                    return &QTest::newRow(
                        qPrintable(QStringLiteral("%1 %2 %3").arg(code).arg(stage).arg(what)));
                };
                *row("same mode") << code << stage << "CW"
                                  << "12:30" << false << stage << true << marks1Dec;
                *row("other mode at once") << code << stage << "SSB"
                                           << "12:01" << false << stage << (blind || waits)
                                           << (g == Free || (marks1Dec && waits));
                *row("other mode inside the wait")
                    << code << stage << "SSB" << inside << false << stage << (blind || waits)
                    << (g == Free || (marks1Dec && waits));
                *row("other mode after the wait")
                    << code << stage << "SSB" << after << false << stage << blind << (g == Free);
                *row("off-line log") << code << stage << "SSB"
                                     << "12:01" << true << stage << blind << false;
                *row("other stage") << code << stage << "CW"
                                    << "12:30" << false << (stage == 1 ? 2 : 1) << false << false;
            }
        }
    }

    void dupeRuleOfEveryContest() {
        QFETCH(QString, contest);
        QFETCH(int, stage);
        QFETCH(QString, mode);
        QFETCH(QString, now);
        QFETCH(bool, offLine);
        QFETCH(int, loggedStage);
        QFETCH(bool, dupe);
        QFETCH(bool, mark);

        EngineFixture f(contest, mode, stage);
        QVERIFY(f.ok());
        f.logged(QStringLiteral("YO5ABC"), loggedStage, QStringLiteral("CW"),
                 QStringLiteral("12:00"));
        f.app.offLineLog = offLine;
        f.at(now);
        f.c().callsign = QStringLiteral("yo5abc");
        const DupeView view = f.engine->IndicInfoDubl();
        QVERIFY(view.checked);
        QCOMPARE(view.dupe, dupe);
        QCOMPARE(f.c().dupe, dupe);
        QCOMPARE(f.c().otherMode, mark);
    }

    void waitIsMeasuredAcrossMidnight_data() {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<QTime>("localClock");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("dupe");
        QTest::newRow("23:58 to 00:09") << "23:58" << QTime(0, 9) << 0 << false;
        QTest::newRow("23:58 to 00:07") << "23:58" << QTime(0, 7) << 0 << true;
        QTest::newRow("offset 2, 23:58 to 00:09 UTC") << "23:58" << QTime(2, 9) << 2 << false;
        QTest::newRow("offset 2, 23:58 to 00:03 UTC") << "23:58" << QTime(2, 3) << 2 << true;
        QTest::newRow("offset 3, 21:55 to 22:05 UTC") << "21:55" << QTime(1, 5) << 3 << false;
    }
    void waitIsMeasuredAcrossMidnight() {
        QFETCH(QString, earlier);
        QFETCH(QTime, localClock);
        QFETCH(int, offset);
        QFETCH(bool, dupe);
        EngineFixture f(QStringLiteral("ConcBUC"), QStringLiteral("SSB"));
        QVERIFY(f.ok());
        f.app.settings.utcOffset = UtcOffset::typed(QString::number(offset));
        f.logged(QStringLiteral("YO3ABC"), 1, QStringLiteral("CW"), earlier);
        f.clock.current.setTime(localClock);
        f.c().callsign = QStringLiteral("YO3ABC");
        QCOMPARE(f.engine->IndicInfoDubl().dupe, dupe);
    }

    void emptyCallsignChangesNothing() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.c().callsign = QStringLiteral("   ");
        QVERIFY(!f.engine->IndicInfoDubl().checked);
        QVERIFY(!f.c().dupe);
    }

    void correctedCallsignCanBeLogged() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.logged(QStringLiteral("YO5ABC"), 1, QStringLiteral("CW"), QStringLiteral("12:00"));
        f.c().callsign = QStringLiteral("YO5ABC");
        QVERIFY(f.engine->IndicInfoDubl().dupe);
        f.c().callsign = QStringLiteral("YO5ABD");
        const DupeView view = f.engine->IndicInfoDubl();
        QVERIFY(!view.dupe);
        QVERIFY(!view.dupe);
    }
};

QTEST_GUILESS_MAIN(DupeCheckTest)
#include "DupeCheckTest.moc"
