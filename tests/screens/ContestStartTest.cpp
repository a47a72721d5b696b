#include "ExpectedFile.h"
#include "ScreenHarness.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"

#include <QSettings>

using D = Dialogs;

// What a contest starts on: the system's UTC whatever offset is typed, and a log that holds no
// earlier contest unless the operator says so.
class ContestStartTest : public QObject {
    Q_OBJECT
private slots:
    void timesAreTheSystemsUtc() {
        QVERIFY(answersAsExpected("data/tables/starttimes.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            ScreenHarness h;
            h.clock.current = QDateTime::fromString(f[1] + u'Z', Qt::ISODate)
                                  .toTimeZone(QTimeZone(f[0].toLatin1()));
            QString filled;
            h.openQso("OpBCNUS", "312", "Cmd1A", "CmdCW", [&] {
                filled = h.initBox("TxtTime")->text();
                if (f[2] != u'-')
                    h.initBox("TxtTime")->setText(f[2]);
            });
            const QStringList notices =
                h.dialogs.texts().filter("DIFERENTA ORA YO - ORA UTC SCRISA IN BOX");
            h.typeContact("9ZZZ", "123", "CJ");
            h.qsoBox("TxtIndic")->setFocus();
            h.key(Qt::Key_Return);
            return QStringList{
                filled, notices.join(u'/'), h.logRows().value(0).section(u'|', 1, 2),
                QString::fromLatin1(h.folder.read("VELTInit.dat").split('\n').value(1).trimmed())}
                .join(QStringLiteral(" | "));
        }));
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

    void newContestOnAnEarlierLog() {
        QVERIFY(answersAsExpected("data/tables/earlierlog.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            ScreenHarness h;
            h.folder.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n2\r\nBU\r\n");
            if (f[3] != u'-')
                QSettings(h.folder.file("VELT.ini"), QSettings::IniFormat)
                    .setValue("Contest/last", f[3]);
            BackupSet copies(ReportFiles::backupFolder(h.folder.path()), "LogVELT", h.clock);
            h.logDb.keepCopiesIn(&copies);
            if (f[5] == u'1')
                h.folder.write(QStringLiteral("ARHIVA"), "not a folder");
            if (!h.start() || !h.addContact("YO5AAA", f[1], "10:00", 1, "CJ", "2") ||
                !h.addContact("YO5BBB", f[2], "10:00", 1, "  ", "2"))
                return QStringLiteral("no log");
            h.clickContest("OpBMoldova");
            h.click(h.init.get(), f[0] == u'S' ? "OpbTest" : "OpbConcurs");
            if (f[0] == u'O')
                h.trigger(h.init.get(), "mnuInpLog");
            h.dialogs.shown.clear();
            if (f[4] != u'-')
                h.dialogs.script = {f[4] == u'Y' ? D::AnswerYes : D::AnswerNo};
            h.trigger(h.init.get(), "mnuQSOfahren");
            return QStringLiteral("%1 | %2 contacts, %3 copies | %4 | %5")
                .arg(h.dialogs.texts()
                         .join(QStringLiteral(" / "))
                         .replace(u'\n', u' ')
                         .replace(h.folder.path(), QStringLiteral("DATA")))
                .arg(h.logRows().size())
                .arg(copies.files().size())
                .arg(h.qso->isVisible() ? "QSO" : "no QSO")
                .arg(QSettings(h.folder.file("VELT.ini"), QSettings::IniFormat)
                         .value("Contest/last")
                         .toString());
        }));
    }
};

QTEST_MAIN(ContestStartTest)
#include "ContestStartTest.moc"
