#include "EngineFixture.h"

// The small procedures around the contact in hand.
class EntryHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void IndicSpec_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("errorBox");
        QTest::addColumn<QString>("field");
        auto row = [](const char* name, const char* contest, const char* typed, bool errorBox,
                      const char* field) {
            QTest::newRow(name) << contest << typed << errorBox << field;
        };
        row("Transmis T", "CpTransmis", "T", true, "TRS");
        row("25Oct T", "Cp25Oct", "T", true, "TRS");
        row("25Oct R", "Cp25Oct", "R", true, "RVR");
        row("CFR C", "CpCFR", "C", true, "CF");
        row("Telecom T", "Telecom", "T", true, "TLC");
        row("known station", "Telecom", "T", false, "T");
        row("Transmis R", "CpTransmis", "R", true, "R");
        row("Braila B", "CpBraila", "B", true, "B");
        row("two letters", "CpCFR", "CJ", true, "CJ");
    }

    void IndicSpec() {
        QFETCH(QString, contest);
        QFETCH(QString, typed);
        QFETCH(bool, errorBox);
        QFETCH(QString, field);
        EngineFixture f(contest);
        QVERIFY(f.ok());
        QCOMPARE(f.engine->IndicSpec(typed, errorBox), field);
    }

    void MsgRothBlocksLogging() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.c().newMult = true;
        const auto [text, title] = f.engine->MsgRoth();
        QCOMPARE(text, QStringLiteral("QSO CU MINE INSUMI !"));
        QCOMPARE(title, QStringLiteral("ATENTIE"));
        QVERIFY(f.c().dupe);
        QVERIFY(!f.c().newMult);
    }

    void list1ClickForAMoldovanStation() {
        EngineFixture f(QStringLiteral("CpMoldova"));
        QVERIFY(f.ok());
        f.c().callsign = QStringLiteral("ER1AB");
        const auto [county, enabled] = f.engine->list1_Click(QStringLiteral("CL"));
        QCOMPARE(county, QStringLiteral("CL*"));
        QVERIFY(enabled);
        QCOMPARE(f.c().mult, QStringLiteral("CL*"));
    }

    void YOIN_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("field");
        QTest::newRow("CampNatUS") << "CampNatUS"
                                   << "YO";
        QTest::newRow("ConcBUC") << "ConcBUC"
                                 << "";
        QTest::newRow("MemYO") << "MemYO"
                               << "";
    }
    void YOIN() {
        QFETCH(QString, contest);
        QFETCH(QString, field);
        EngineFixture f(contest);
        QVERIFY(f.ok());
        f.engine->Anulat();
        QCOMPARE(f.engine->YOIN(), field);
    }

    void CalcOraData_data() {
        QTest::addColumn<QDateTime>("local");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("same day") << QDateTime(QDate(2026, 3, 1), QTime(14, 5)) << 2 << "01.03.26"
                                  << "12:05";
        QTest::newRow("day before") << QDateTime(QDate(2026, 3, 1), QTime(1, 30)) << 3 << "28.02.26"
                                    << "22:30";
        QTest::newRow("west of UTC")
            << QDateTime(QDate(2026, 12, 31), QTime(23, 0)) << -2 << "01.01.27"
            << "01:00";
    }
    void CalcOraData() {
        QFETCH(QDateTime, local);
        QFETCH(int, offset);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QCOMPARE(ContactEngine::CalcOraData(local, offset), std::make_pair(date, time));
    }

    void ScrMyDatSetsTheSentCode() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.app.startCode = 5;
        const MyDataView v = f.engine->ScrMyDat();
        QCOMPARE(v.LblMyCall, QStringLiteral("YO9AAA"));
        QCOMPARE(v.LblContrInit, QStringLiteral("5"));
        QCOMPARE(v.LblMyBezirk, QStringLiteral("PH"));
        f.c().callsign = QStringLiteral("YO5ABC");
        f.engine->IndicInfo();
        QCOMPARE(f.c().codSent, QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(EntryHelpersTest)
#include "EntryHelpersTest.moc"
