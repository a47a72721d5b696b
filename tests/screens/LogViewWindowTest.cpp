#include "RunSetup.h"
#include "ScreenHarness.h"
#include "rules/ContestCatalog.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTreeView>

using D = Dialogs;

// The log-view screen driven as the operator drives it, on a real log in a temporary folder.
class LogViewWindowTest : public QObject {
    Q_OBJECT

    // Two contacts in 1A (one a multiplier), one in each other stage; 1A is logged out of order.
    static void fillLog(ScreenHarness& h) {
        QVERIFY(h.addContact("YO5AAA", "02.03.26", "10:00", 1, "CJ", "2"));
        QVERIFY(h.addContact("YO5BBB", "01.03.26", "10:00", 1, "  ", " 0"));
        QVERIFY(h.addContact("YO6CCC", "01.03.26", "11:00", 2, "BV", "3", "SSB"));
        QVERIFY(h.addContact("YO7DDD", "08.03.26", "09:00", 3, "DJ", "2"));
        QVERIFY(h.addContact("YO8EEE", "08.03.26", "09:30", 4, "IS", "1", "SSB"));
    }
    static void open(ScreenHarness& h, int contest, bool filled = true) {
        changeRun(h.run, [](HandOver& s) {
            s.settings.myCall = QStringLiteral("YO3ABC");
            s.settings.operatorCount = 1;
        });
        QVERIFY(h.openLogView(contest));
        if (filled)
            fillLog(h);
    }
    template <typename T> static T* w(ScreenHarness& h, const char* name) {
        return h.find<T>(h.logView.get(), name);
    }
    static QTableView* grid(ScreenHarness& h) { return w<QTableView>(h, "DBGrid1"); }
    static QStringList gridCalls(QTableView* g) {
        QStringList out;
        for (int r = 0; r < g->model()->rowCount(); ++r)
            out << g->model()->index(r, 1).data().toString();
        return out;
    }
    // QSO, multiplier and point totals as shown.
    static QString totals(ScreenHarness& h) {
        return w<QLineEdit>(h, "TxtQSO")->text() + u'/' + w<QLineEdit>(h, "TxtMlt")->text() + u'/' +
               w<QLineEdit>(h, "TxtPkt")->text();
    }
    static void view(ScreenHarness& h, const char* stage) {
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), stage);
    }
    static void clickRow(QTableView* g, int row) {
        const QRect rect = g->visualRect(g->model()->index(row, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // The backup folder cannot be made: a file stands where its parent folder should be.
    static void keepCopiesWhereNoneCanBeMade(ScreenHarness& h, BackupSet& copies) {
        QVERIFY(h.folder.write(QStringLiteral("ARHIVA"), "not a folder"));
        h.logDb.keepCopiesIn(&copies);
    }
    static QString lastSaid(const ScreenHarness& h) { return h.dialogs.shown.last().text; }
    static bool refusedUnchanged(const ScreenHarness& h, const QString& start) {
        return lastSaid(h).startsWith(start) && lastSaid(h).endsWith(u"NU S-A SCHIMBAT NIMIC.");
    }

private slots:
    // A stage's view, then deleting in it: failing for want of a backup copy, then done.
    // The grid and the totals of that stage follow each step.
    void deletingOneContactInAStage() {
        ScreenHarness h;
        open(h, 0);
        view(h, "OpBLG");
        QCOMPARE(totals(h), QStringLiteral("5/4/8"));
        h.click(h.logView.get(), "OpB1A");
        QCOMPARE(totals(h), QStringLiteral("2/1/2"));
        QCOMPARE(gridCalls(grid(h)), (QStringList{"YO5BBB", "YO5AAA"}));

        BackupSet copies(ReportFiles::backupFolder(h.folder.path()), "LogVELT", h.clock);
        keepCopiesWhereNoneCanBeMade(h, copies);
        view(h, "OpB1A");
        clickRow(grid(h), 1);
        h.click(h.logView.get(), "OpBDelete");
        QVERIFY(refusedUnchanged(h, "CONTACTUL NU A PUTUT FI STERS: COPIA DE"));
        QCOMPARE(h.logRows().size(), 5);

        QVERIFY(QFile::remove(h.folder.file(QStringLiteral("ARHIVA"))));
        view(h, "OpB1A");
        clickRow(grid(h), 1);
        h.click(h.logView.get(), "OpBDelete");
        QCOMPARE(h.logRows().size(), 4);
        QCOMPARE(gridCalls(grid(h)), QStringList{"YO5BBB"});
        QCOMPARE(totals(h), QStringLiteral("1/0/0"));
    }

    void deletingTheWholeLog() {
        ScreenHarness h;
        open(h, 35);
        BackupSet copies(ReportFiles::backupFolder(h.folder.path()), "LogVELT", h.clock);
        keepCopiesWhereNoneCanBeMade(h, copies);
        h.trigger(h.logView.get(), "mnuLOGLöschen");
        h.dialogs.script = {D::AnswerNo};
        h.click(h.logView.get(), "OpbL1A");
        QCOMPARE(lastSaid(h), QStringLiteral("VRETI SA STERGETI LOGUL GENERAL ?"));
        h.click(h.logView.get(), "OpbL1A");
        QTRY_VERIFY(refusedUnchanged(h, "LOGUL NU A PUTUT FI STERS: COPIA DE"));
        QCOMPARE(h.logRows().size(), 5);

        QVERIFY(QFile::remove(h.folder.file(QStringLiteral("ARHIVA"))));
        h.trigger(h.logView.get(), "mnuLOGLöschen");
        h.click(h.logView.get(), "OpbL1A");
        QTRY_COMPARE(h.logRows().size(), 0);
        QCOMPARE(grid(h)->model()->rowCount(), 0);
        SqliteConnection copy; // made in parts, the copy holds every row deleted
        QVERIFY(copy.open(copies.files().last(), SqliteConnection::Mode::ReadOnly));
        QCOMPARE(copy.text("SELECT count(*) FROM LogGen"), QStringLiteral("5"));
    }

    // Chosen as 3.0 on the form, kept with the boxes for the next run.
    void cabrilloIsWrittenOnlyAfterTheDeclaration() {
        ScreenHarness h;
        open(h, 35);
        h.trigger(h.logView.get(), "mnuCabrillo");
        const QString file =
            ReportFiles::cabrilloPath(h.folder.path(), "YO3ABC", *ContestCatalog::find(35), "26");
        QTest::keyClicks(w<QLineEdit>(h, "TxtOperat"), "YO3ABC YO3XYZ");
        QTest::keyClicks(w<QLineEdit>(h, "TxtSoap2"), "73");
        QTest::keyClick(w<QCheckBox>(h, "ChkCabrillo3"), Qt::Key_Space);
        h.dialogs.script = {D::AnswerYes, D::AnswerNo, D::AnswerOk};
        h.click(h.logView.get(), "CmdGata");
        QVERIFY(!QFile::exists(file));
        QVERIFY(w<QPushButton>(h, "CmdGata")->isVisible());

        h.dialogs.script = {D::AnswerYes, D::AnswerYes};
        h.click(h.logView.get(), "CmdGata");
        QTRY_VERIFY(QFile::exists(file));
        // the file as written: 11 lines before the one soapbox, no empty address
        QCOMPARE(w<QListWidget>(h, "ListCbr")->count(), 12 + 5 + 1);
        QCOMPARE(w<QListWidget>(h, "ListCbr")->item(0)->text(), "START-OF-LOG: 3.0");
        QVERIFY(!w<QGroupBox>(h, "FraLogCbr")->isVisible());

        // The operator's boxes are back in the next run, kept in VELT.ini.
        QVERIFY(h.openLogView(35));
        h.trigger(h.logView.get(), "mnuCabrillo");
        QCOMPARE(w<QLineEdit>(h, "TxtOperat")->text(), QStringLiteral("YO3ABC YO3XYZ"));
        QCOMPARE(w<QLineEdit>(h, "TxtSoap2")->text(), QStringLiteral("73"));
        QVERIFY(w<QCheckBox>(h, "ChkCabrillo3")->isChecked());
        QCOMPARE(
            QSettings(h.folder.file("VELT.ini"), QSettings::IniFormat).value("Cabrillo/Operators"),
            QVariant("YO3ABC YO3XYZ"));
    }

    // More rows than a page of the grid, the later half dated first: the grid starts at its
    // last row and reads the right rows at either end and in the middle.
    void largeLogIsShownFromItsLastRow() {
        ScreenHarness h;
        open(h, 35, false);
        QVERIFY(h.logDb.exec("BEGIN"));
        const auto call = [](int i) { return QStringLiteral("YO5%1").arg(i, 3, 10, QChar(u'0')); };
        for (int i = 0; i < 450; ++i)
            QVERIFY(h.addContact(call(i), i < 225 ? "02.03.26" : "01.03.26",
                                 QStringLiteral("10:%1").arg(i % 60, 2, 10, QChar(u'0')), 1, "  ",
                                 "2"));
        QVERIFY(h.logDb.exec("COMMIT"));
        view(h, "OpBLG");
        QTableView* g = grid(h);
        QCOMPARE(g->verticalScrollBar()->value(), g->verticalScrollBar()->maximum());
        // 01.03 sorted by time: minute 0 of i = 240, 300, 360, 420 comes first.
        QCOMPARE(gridCalls(g).mid(0, 1) + gridCalls(g).mid(300, 1) + gridCalls(g).mid(449),
                 (QStringList{call(240), call(198), call(179)}));
    }

    // A declined printer prints nothing; a stage printed holds that stage's contacts only.
    void printingAStage() {
        ScreenHarness h;
        open(h, 0);
        h.trigger(h.logView.get(), "mnuLOGDrucken");
        h.dialogs.script = {D::AnswerNo};
        h.click(h.logView.get(), "OpBD1A");
        QVERIFY(!h.printer.ended && !w<QGroupBox>(h, "Frame3")->isVisible());

        h.trigger(h.logView.get(), "mnuLOGDrucken");
        h.click(h.logView.get(), "OpBD1B");
        QTRY_VERIFY(h.printer.ended);
        const QString page = h.printer.pageText(0).join(u'\n');
        QVERIFY(page.contains(QStringLiteral("YO6CCC")) && !page.contains(QStringLiteral("YO5")));
    }

    // It opens on the stage being worked; the archive frame starts in ARHIVA; every command has
    // an access key.
    void opensWhereTheOperatorWorks() {
        ScreenHarness h;
        open(h, 0);
        h.run.chooseStage(Stage::B1);
        QVERIFY(h.openLogView(0));
        QVERIFY(w<QRadioButton>(h, "OpB1B")->isChecked());
        QCOMPARE(gridCalls(grid(h)), QStringList{"YO6CCC"});
        QCOMPARE(totals(h), QStringLiteral("1/1/3"));

        h.trigger(h.logView.get(), "mnuArh");
        const QString archive = ReportFiles::archiveFolder(h.folder.path());
        QCOMPARE(w<QComboBox>(h, "DrvList")->currentText(), archive);
        const auto* files = w<QListView>(h, "FilList");
        QCOMPARE(static_cast<const QFileSystemModel*>(files->model())->filePath(files->rootIndex()),
                 archive);
        const auto* folders = w<QTreeView>(h, "DirList");
        QCOMPARE(
            static_cast<const QFileSystemModel*>(folders->model())->filePath(folders->rootIndex()),
            archive);

        QStringList withoutKey;
        const QRegularExpression key(QStringLiteral("&[^&]"));
        for (const QAbstractButton* b : h.logView->findChildren<QAbstractButton*>())
            if (!b->text().isEmpty() && !b->text().contains(key))
                withoutKey << b->text();
        for (const QAction* a : h.logView->findChildren<QAction*>())
            if (!a->text().isEmpty() && !a->text().contains(key))
                withoutKey << a->text();
        QCOMPARE(withoutKey, QStringList());
    }

    // Printing, writing a file and emptying the log run between events with their progress
    // shown at once; "Anuleaza" stops them and nothing is printed, written or deleted.
    void longWorkShowsProgressAndCancels_data() {
        QTest::addColumn<QString>("command"); // menu|choice
        QTest::addColumn<QString>("said");
        QTest::newRow("print") << "mnuLOGDrucken|OpBD1A"
                               << "TIPARIREA A FOST OPRITA.";
        QTest::newRow("ADIF") << "mnuArh|CmdArhivADI"
                              << "SCRIEREA FISIERULUI ";
        QTest::newRow("delete log") << "mnuLOGLöschen|OpbL1A"
                                    << "STERGEREA LOGULUI A FOST OPRITA. NU S-A SCHIMBAT NIMIC.";
    }
    void longWorkShowsProgressAndCancels() {
        QFETCH(QString, command);
        QFETCH(QString, said);
        const QStringList steps = command.split(u'|');
        ScreenHarness h;
        open(h, 35);
        BackupSet copies(ReportFiles::backupFolder(h.folder.path()), "LogVELT", h.clock);
        h.logDb.keepCopiesIn(&copies);
        h.trigger(h.logView.get(), qPrintable(steps[0]));
        w<QLineEdit>(h, "TxtNameDat")->setText(QStringLiteral("CARPATI"));
        h.dialogs.script = {D::AnswerYes};
        h.click(h.logView.get(), qPrintable(steps[1]));
        auto* progress = h.logView->findChild<QDialog*>(QStringLiteral("SlicedWork"));
        QVERIFY(progress && progress->isVisible());
        h.dialogs.shown.clear();
        QTest::keyClick(progress, Qt::Key_Escape);
        QVERIFY(!progress->isVisible());
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY2(lastSaid(h).startsWith(said), qPrintable(lastSaid(h)));
        QVERIFY(!h.printer.ended && h.logRows().size() == 5);
        QCOMPARE(h.printer.aborted, steps[0] == QStringLiteral("mnuLOGDrucken"));
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("ARHIVA/CARPATI.adi"))));
        QTRY_VERIFY(!h.logView->findChild<QDialog*>(QStringLiteral("SlicedWork")));
    }
};

QTEST_MAIN(LogViewWindowTest)
#include "LogViewWindowTest.moc"
