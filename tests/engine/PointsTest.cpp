#include "logging/Points.h"
#include "setup/ContestCatalog.h"

#include <QTest>

class PointsTest : public QObject {
    Q_OBJECT
private slots:
    void pointsOfEachRule_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("myCall");
        QTest::addColumn<QString>("judSent");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("judRcvd");
        QTest::addColumn<QString>("codSent");
        QTest::addColumn<QString>("codRcvd");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("logged");

        auto row = [](const char* name, const char* contest, const char* mode, const char* myCall,
                      const char* judSent, const char* call, const char* judRcvd,
                      const char* codSent, const char* codRcvd, const char* preview,
                      const char* logged) {
            QTest::newRow(name) << contest << mode << myCall << judSent << call << judRcvd
                                << codSent << codRcvd << preview << logged;
        };
        row("LMAYO CW doubled twice", "LMAYO", "CW", "YO9AAA", "PH", "YO5X", "CJ", "9", "5", "4",
            "8");
        row("Braila same SSB", "CpBraila", "SSB", "YO4A", "BR", "YO4B", "BR", "4", "4", "2", "2");
        row("Braila other CW", "CpBraila", "CW", "YO5A", "CJ", "YO4B", "BR", "5", "4", "8", "8");
        row("Caras SSB", "CpCaras", "SSB", "YO2A", "ION", "YO5B", "VASILE", "001", "007", "2", "2");
        row("BUC sector-outside", "ConcBUC", "CW", "YO3A", "XA", "YO5B", "CJ", "001", "002", "4",
            "4");
        row("BUC two sectors", "ConcBUC", "SSB", "YO3A", "XA", "YO3B", "XF", "001", "002", "2",
            "2");
        row("Indep BZ-BZ", "CpIndep", "CW", "YO9A", "BZ", "YO9B", "BZ", "001", "002", "2", "2");
        row("Indep BZ-other", "CpIndep", "SSB", "YO9A", "PH", "YO9B", "BZ", "001", "002", "8", "8");
        row("Valdora both BT CW", "Valdora", "CW", "YO8A", "BT", "YO8B", "BT", "001", "002", "4",
            "4");
        row("Valdora event station CW", "Valdora", "CW", "YO5A", "CJ", "YR8V", "BT", "001", "002",
            "30", "30");
        row("Valdora own club in BT CW", "Valdora", "CW", "YO8KAA", "BT", "YO5B", "CJ", "001",
            "002", "20", "20");
        row("Valdora own club outside", "Valdora", "CW", "YO5KAA", "CJ", "YO8B", "BT", "001", "002",
            "2", "2");
        row("Valdora no clubs SSB", "Valdora", "SSB", "YO8A", "BT", "YO5B", "CJ", "001", "002", "5",
            "5");
        row("Valdora other club in BT", "Valdora", "CW", "YO5A", "CJ", "YO8KBB", "BT", "001", "002",
            "20", "20");
        row("Valdora other club outside", "Valdora", "CW", "YO8A", "BT", "YO5KBB", "CJ", "001",
            "002", "2", "2");
        row("Telecom cross CW", "Telecom", "CW", "YO9A", "TLC", "YO5B", "AB", "001", "002", "8",
            "4");
        row("Telecom plain CW", "Telecom", "CW", "YO9A", "AB", "YO5B", "CJ", "001", "002", "4",
            "2");
        row("Moldova VS-VS SSB", "CpMoldova", "SSB", "YO8A", "VS", "YO8B", "VS", "001", "002", "2",
            "2");
        row("Moldova across CW", "CpMoldova", "CW", "YO5A", "CJ", "YO8B", "IS", "001", "002", "8",
            "8");
        row("Timis TM-QT", "CpTimis", "CW", "YO2A", "TM", "YO2QTA", "QT", "001", "002", "1", "1");
        row("Timis QT-outsider", "CpTimis", "SSB", "YO2QTA", "QT", "YO5B", "CJ", "001", "002", "6",
            "6");
        row("Timis TM-outsider", "CpTimis", "CW", "YO5B", "CJ", "YO2B", "TM", "001", "002", "4",
            "4");
        row("Timis outsiders", "CpTimis", "CW", "YO5B", "CJ", "YO6B", "BV", "001", "002", "2", "2");
        row("Pitesti CW", "CpPitesti", "CW", "YO7A", "LEU", "YO5B", "RAC", "", "", "6", "6");
        row("CFR special CW", "CpCFR", "CW", "YO9A", "PH", "YO3CFR", "BU", "001", "002", "4", "8");
        row("CFR plain SSB", "CpCFR", "SSB", "YO9A", "PH", "YO5B", "AB", "001", "002", "2", "1");
        row("MemYO", "MemYO", "CW", "YO9A", "PH", "DL1B", "AA", "", "", "4", "1");
        row("Ardel code 100", "Ardel", "SSB", "YO9A", "PH", "YO6AA", "FG", "101", "100", "2",
            "100");
        row("Ardel FG", "Ardel", "SSB", "YO9A", "PH", "YO6DD", "FG", "101", "017", "2", "25");
        row("Ardel BV", "Ardel", "CW", "YO9A", "PH", "YO6X", "BV", "101", "017", "4", "10");
        row("Ardel other", "Ardel", "CW", "YO9A", "PH", "YO5X", "CJ", "101", "017", "4", "2");
        row("Martisor sent code", "Martisor", "SSB", "YO9A", "PH", "YO5X", "CJ", "105", "117", "2",
            "4");
        row("Martisor last digit 6", "Martisor", "SSB", "YO9A", "PH", "YO5X", "CJ", "117", "106",
            "2", "4");
        row("Martisor last digit 7", "Martisor", "SSB", "YO9A", "PH", "YO5X", "CJ", "107", "119",
            "2", "2");
        row("Carpati CW", "CpCarpati", "CW", "YO9A", "PH", "YO5X", "CJ", "1", "2", "4", "2");
        // 18 is the oldest age that counts as young
        row("Elevi young CW", "CpElevi", "CW", "YO9A", "PH", "YO5X", "CJ", "930", "918", "4", "16");
        row("Elevi grown CW", "CpElevi", "CW", "YO9A", "PH", "YO5X", "CJ", "930", "919", "4", "4");
        row("Elevi other club CW", "CpElevi", "CW", "YO9A", "PH", "YO5KAB", "CJ", "915", "125", "4",
            "8");
        row("Elevi own club SSB", "CpElevi", "SSB", "YO9KAB", "PH", "YO5X", "CJ", "130", "925", "2",
            "4");
    }

    void pointsOfEachRule() {
        QFETCH(QString, contest);
        QFETCH(QString, mode);
        QFETCH(QString, myCall);
        QFETCH(QString, judSent);
        QFETCH(QString, call);
        QFETCH(QString, judRcvd);
        QFETCH(QString, codSent);
        QFETCH(QString, codRcvd);
        QFETCH(QString, preview);
        QFETCH(QString, logged);

        SpecialStations specials;
        specials.set(QStringLiteral("Valdora"), QStringLiteral("special"),
                     {QStringLiteral("YR8V")});
        specials.set(QStringLiteral("CpCFR"), QStringLiteral("special"),
                     {QStringLiteral("YO3CFR")});
        const ContestDef* def = ContestCatalog::findByCode(contest);
        QVERIFY(def);
        QsoContact c;
        c.callsign = call;
        c.judSent = judSent;
        c.judRcvd = judRcvd;
        c.codSent = codSent;
        c.codRcvd = codRcvd;
        const StationContext s{myCall, mode, &specials};
        QCOMPARE(Points::previewPoints(*def, c, s), preview);
        QCOMPARE(Points::enterPoints(*def, c, s), logged);
    }
};

QTEST_GUILESS_MAIN(PointsTest)
#include "PointsTest.moc"
