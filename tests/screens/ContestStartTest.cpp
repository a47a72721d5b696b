#include "ScreenHarness.h"
#include "engine/EngineFixture.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"

#include <QSettings>

using D = Dialogs;

// What a contest starts on: the system's UTC whatever offset is typed, and a log that holds no
// earlier contest unless the operator says so.
class ContestStartTest : public QObject {
    Q_OBJECT
private slots:
    void timesAreTheSystemsUtc_data() {
        // zone, UTC of the contact, offset typed ("-": the box as filled), the box as filled,
        // offset named by the notice ("-": none), the contact's date and time in the log
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("Bucharest winter, 2 typed", "Europe/Bucharest 2026-12-07T01:18 2 2 - 07.12.26|01:18");
        row("Bucharest summer, 2 typed", "Europe/Bucharest 2026-07-06T23:18 2 3 3 06.07.26|23:18");
        row("Bucharest summer, as filled",
            "Europe/Bucharest 2026-07-06T23:18 - 3 - 06.07.26|23:18");
    }
    void timesAreTheSystemsUtc() {
        QFETCH(QString, fields);
        const QStringList f = fieldsOf(fields);
        ScreenHarness h;
        h.clock.current = QDateTime(QDate::fromString(f[1].left(10), Qt::ISODate),
                                    QTime::fromString(f[1].mid(11), Qt::ISODate), Qt::UTC)
                              .toTimeZone(QTimeZone(f[0].toLatin1()));
        QString filled;
        h.openQso("OpBCNUS", "312", "Cmd1A", "CmdCW", [&] {
            filled = h.initBox("TxtTime")->text();
            if (!f[2].isEmpty())
                h.initBox("TxtTime")->setText(f[2]);
        });
        QCOMPARE(filled, f[3]);
        const QStringList notices =
            h.dialogs.texts().filter("DIFERENTA ORA YO - ORA UTC SCRISA IN BOX");
        if (f[4].isEmpty())
            QVERIFY2(notices.isEmpty(), qPrintable(notices.join(u'\n')));
        else
            QCOMPARE(notices,
                     QStringList{QStringLiteral(
                                     "DIFERENTA ORA YO - ORA UTC SCRISA IN BOX ESTE %1, DAR "
                                     "CALCULATORUL ARE %2 (FUS ORAR %3). ORELE CONTACTELOR SE IAU "
                                     "DIN ORA UTC A CALCULATORULUI, NU DIN ACEST BOX.")
                                     .arg(f[2], f[4], f[0])});
        h.typeContact("9ZZZ", "123", "CJ");
        h.qsoBox("TxtIndic")->setFocus();
        h.key(Qt::Key_Return);
        QCOMPARE(h.logRows().size(), 1);
        QCOMPARE(h.logRows()[0].section(u'|', 1, 2), f[5]);
        // The box keeps its line in the settings file, as typed or filled.
        QCOMPARE(h.folder.read("VELTInit.dat").split('\n').value(1),
                 (f[2].isEmpty() ? f[3] : f[2]).toLatin1() + '\r');
    }

    // A contest that needs special stations the file lacks is named at the start, once.
    void specialStationsNamedAtStart() {
        ScreenHarness h;
        h.specials = SpecialStations::parse(QStringLiteral("year 2026"), {}).stations;
        h.openQso("OpbFeroviar");
        const QStringList said = h.dialogs.texts().filter(QStringLiteral("special_stations.txt"));
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].startsWith("Fisierul special_stations.txt nu are lista \"special\""),
                 qPrintable(said[0]));
    }

    void newContestOnAnEarlierLog_data() {
        // CONCURS, SIMULARE or Off-line; dates of the two contacts in the log; the contest of the
        // last hand-over ("-": none); the answer (Y, N, "-": not asked); 1 when no copy can be
        // made; the question's first line ("-": not asked); contacts left; copies taken
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const QString& fields) { QTest::newRow(name) << fields; };
        const QString old =
            QStringLiteral("LOGUL CONTINE 2 CONTACTE, DIN 25.02.26 PANA IN 26.02.26.");
        row("three days old, declined", "C|25.02.26|26.02.26|-|N|0|" + old + "|2|0");
        row("three days old, emptied", "C|25.02.26|26.02.26|-|Y|0|" + old + "|0|1");
        row("no copy: nothing deleted", "C|25.02.26|26.02.26|-|Y|1|" + old + "|2|0");
        row("two days old, this contest", "C|26.02.26|27.02.26|CpMoldova|-|0|-|2|0");
        row("another contest last", "C|28.02.26|01.03.26|CampNatUS|N|0|LOGUL CONTINE 2 CONTACTE, "
                                    "DIN 28.02.26 PANA IN 01.03.26, DIN CONCURSUL CampNatUS.|2|0");
        row("simulation", "S|25.02.26|26.02.26|-|-|0|-|2|0");
        row("off-line", "O|25.02.26|26.02.26|-|-|0|-|2|0");
    }
    void newContestOnAnEarlierLog() {
        QFETCH(QString, fields);
        QStringList f = fields.split(u'|');
        for (QString& v : f)
            if (v == u'-')
                v.clear();
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n2\r\nBU\r\n"));
        if (!f[3].isEmpty())
            QSettings(h.folder.file("VELT.ini"), QSettings::IniFormat)
                .setValue("Contest/last", f[3]);
        BackupSet copies(ReportFiles::backupFolder(h.folder.path()), "LogVELT", h.clock);
        h.logDb.keepCopiesIn(&copies);
        if (f[5] == u'1')
            QVERIFY(h.folder.write(QStringLiteral("ARHIVA"), "not a folder"));
        QVERIFY(h.start());
        QVERIFY(h.addContact("YO5AAA", f[1], "10:00", 1, "CJ", "2"));
        QVERIFY(h.addContact("YO5BBB", f[2], "10:00", 1, "  ", "2"));
        h.clickContest("OpBMoldova");
        h.click(h.init.get(), f[0] == u'S' ? "OpbTest" : "OpbConcurs");
        if (f[0] == u'O')
            h.trigger(h.init.get(), "mnuInpLog");
        h.dialogs.shown.clear();
        if (!f[4].isEmpty())
            h.dialogs.script = {f[4] == u'Y' ? D::AnswerYes : D::AnswerNo};
        h.trigger(h.init.get(), "mnuQSOfahren");

        const QStringList asked = h.dialogs.texts().filter("LOGUL CONTINE");
        QCOMPARE(asked.size(), f[6].isEmpty() ? 0 : 1);
        if (!asked.isEmpty())
            QCOMPARE(asked[0].section(u'\n', 0, 0), f[6]);
        QCOMPARE(h.logRows().size(), f[7].toInt());
        QCOMPARE(copies.files().size(), f[8].toInt());
        const bool refused = f[5] == u'1';
        QCOMPARE(h.dialogs.texts().filter("LOGUL NU A PUTUT FI GOLIT: ").size(), refused ? 1 : 0);
        QCOMPARE(h.qso->isVisible(), !refused);
        if (!refused)
            QCOMPARE(QSettings(h.folder.file("VELT.ini"), QSettings::IniFormat)
                         .value("Contest/last")
                         .toString(),
                     QStringLiteral("CpMoldova"));
    }
};

QTEST_MAIN(ContestStartTest)
#include "ContestStartTest.moc"
