#include "ScreenHarness.h"
#include "logging/BackupSet.h"
#include "reports/ReportFiles.h"
#include "setup/ContestCatalog.h"

#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSqlRecord>
#include <QTableView>

namespace {
const QString kDeclined =
    QStringLiteral("FARA CONFIRMAREA DECLARATIEI REZULTATELE OBTINUTE NU SINT VALABILE ! ");
constexpr Dialogs::Answer Yes = Dialogs::AnswerYes;
constexpr Dialogs::Answer No = Dialogs::AnswerNo;
} // namespace

// The log-view screen driven as the operator drives it, on a real log in a temporary folder.
class FrmAnzeigenTest : public QObject {
    Q_OBJECT

    // Two contacts in 1A (one a multiplier), one in each other stage; 1A is logged out of order.
    static void fillLog(ScreenHarness& h) {
        QVERIFY(h.addContact("YO5AAA", "02.03.26", "10:00", 1, "CJ", "2"));
        QVERIFY(h.addContact("YO5BBB", "01.03.26", "10:00", 1, "  ", " 0"));
        QVERIFY(h.addContact("YO6CCC", "01.03.26", "11:00", 2, "BV", "3", "SSB"));
        QVERIFY(h.addContact("YO7DDD", "08.03.26", "09:00", 3, "DJ", "2"));
        QVERIFY(h.addContact("YO8EEE", "08.03.26", "09:30", 4, "IS", "1", "SSB"));
    }
    static FrmAnzeigen* open(ScreenHarness& h, int contest) {
        h.state.settings.myCall = QStringLiteral("YO3ABC");
        h.state.settings.section = QStringLiteral("SOAB");
        h.state.settings.operatorCount = 1;
        return h.openLogView(contest);
    }
    template <typename T> static T* w(ScreenHarness& h, const char* name) {
        return h.find<T>(h.logView.get(), name);
    }
    static QTableView* grid(ScreenHarness& h) { return w<QTableView>(h, "DBGrid1"); }
    static QStringList gridColumn(QTableView* g, int column) {
        QStringList out;
        for (int r = 0; r < g->model()->rowCount(); ++r)
            out << g->model()->index(r, column).data().toString();
        return out;
    }
    static void clickRow(QTableView* g, int row) {
        const QRect rect = g->visualRect(g->model()->index(row, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void type(ScreenHarness& h, const char* box, const QString& text) {
        QLineEdit* e = w<QLineEdit>(h, box);
        e->setFocus();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    static int logRows(ScreenHarness& h) {
        return h.logDb.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt();
    }

private slots:
    void viewOffersTheStagesWithTheirTotals() {
        const QStringList views{"OpBLG", "OpB1A", "OpB1B", "OpB2A", "OpB2B"};
        ScreenHarness h;
        QVERIFY(open(h, 0));
        fillLog(h);
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        QVERIFY(w<QGroupBox>(h, "Frame1")->isVisible());
        QStringList shown;
        for (const char* b : {"OpBLG", "OpB1A", "OpB1B", "OpB2A", "OpB2B"})
            if (w<QRadioButton>(h, b)->isVisible())
                shown << QLatin1String(b);
        QCOMPARE(shown, views);
        QVERIFY(w<QRadioButton>(h, "OpBCallJud")->isVisible());

        h.click(h.logView.get(), "OpBLG");
        QCOMPARE(w<QLineEdit>(h, "TxtQSO")->text(), QStringLiteral("5"));
        QCOMPARE(w<QLineEdit>(h, "TxtMlt")->text(), QStringLiteral("4"));
        QCOMPARE(w<QLineEdit>(h, "TxtPkt")->text(), QStringLiteral("8"));
        QCOMPARE(gridColumn(grid(h), 1),
                 (QStringList{"YO5BBB", "YO6CCC", "YO5AAA", "YO7DDD", "YO8EEE"}));
        h.click(h.logView.get(), "OpB1A");
        QCOMPARE(w<QLineEdit>(h, "TxtQSO")->text(), QStringLiteral("2"));
        QCOMPARE(w<QLineEdit>(h, "TxtMlt")->text(), QStringLiteral("1"));
        QCOMPARE(w<QLineEdit>(h, "TxtPkt")->text(), QStringLiteral("2"));
        QCOMPARE(gridColumn(grid(h), 1), (QStringList{"YO5BBB", "YO5AAA"}));
        QVERIFY(grid(h)->isColumnHidden(0));

        h.dialogs.script = {No};
        h.trigger(h.logView.get(), "mnuLOGDrucken");
        QVERIFY(!w<QGroupBox>(h, "Frame1")->isVisible());
        shown.clear();
        for (const char* b : {"OpBD1A", "OpBD1B", "OpBD2A", "OpBD2B", "OpBDSumm"})
            if (w<QRadioButton>(h, b)->isVisible())
                shown << QLatin1String(b);
        QCOMPARE(shown, (QStringList{"OpBD1A", "OpBD1B", "OpBD2A", "OpBD2B", "OpBDSumm"}));
    }

    void deletingOneContactAsksFirst() {
        ScreenHarness h;
        QVERIFY(open(h, 0));
        fillLog(h);
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), "OpBLG");
        QVERIFY(!w<QGroupBox>(h, "Frame5")->isVisible());
        clickRow(grid(h), 2);
        QVERIFY(w<QGroupBox>(h, "Frame5")->isVisible());

        h.dialogs.script = {No};
        h.click(h.logView.get(), "OpBDelete");
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("VRETI SA STERGETI ?"));
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("STERGERE ?"));
        QCOMPARE(logRows(h), 5);
        QVERIFY(!w<QGroupBox>(h, "Frame1")->isVisible()); // the screen starts afresh

        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), "OpBLG");
        clickRow(grid(h), 2);
        h.dialogs.script = {Yes};
        h.click(h.logView.get(), "OpBDelete");
        QCOMPARE(logRows(h), 4);
        QCOMPARE(h.logDb.scalar("SELECT count(*) FROM LogGen WHERE Callsign = ?", {"YO5AAA"}),
                 QVariant(0));
        QCOMPARE(gridColumn(grid(h), 1), (QStringList{"YO5BBB", "YO6CCC", "YO7DDD", "YO8EEE"}));
        QCOMPARE(w<QLineEdit>(h, "TxtQSO")->text(), QStringLiteral("4"));
        QVERIFY(!w<QGroupBox>(h, "Frame5")->isVisible());
    }

    void deletingTheWholeLogAsksFirst() {
        ScreenHarness h;
        QVERIFY(open(h, 35));
        fillLog(h);
        h.trigger(h.logView.get(), "mnuLOGLöschen");
        QVERIFY(w<QGroupBox>(h, "Frame2")->isVisible());
        h.dialogs.script = {No};
        h.click(h.logView.get(), "OpbL1A");
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("VRETI SA STERGETI LOGUL GENERAL ?"));
        QCOMPARE(logRows(h), 5);
        h.click(h.logView.get(), "OpbL1A");
        QCOMPARE(logRows(h), 0);
        QCOMPARE(grid(h)->model()->rowCount(), 0);
        QVERIFY(!w<QGroupBox>(h, "Frame2")->isVisible());
    }

    void failedCopyStopsTheDeleteAndSaysSo_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("message");
        QTest::newRow("DELETE_LOG") << "Frame2"
                                    << "LOGUL NU A PUTUT FI STERS: COPIA DE SIGURANTA";
        QTest::newRow("one contact") << "Frame5"
                                     << "CONTACTUL NU A PUTUT FI STERS: COPIA DE";
    }
    void failedCopyStopsTheDeleteAndSaysSo() {
        QFETCH(QString, frame);
        QFETCH(QString, message);
        ScreenHarness h;
        QVERIFY(open(h, 35));
        fillLog(h);
        // The backup folder cannot be made: a file stands where its parent folder should be.
        QVERIFY(h.folder.write(QStringLiteral("ARHIVA"), "not a folder"));
        BackupSet copies(ReportFiles::backupFolder(h.folder.path()), QStringLiteral("LogVELT"),
                         h.clock);
        h.logDb.keepCopiesIn(&copies);
        h.dialogs.script = {Yes};
        if (frame == QLatin1String("Frame2")) {
            h.trigger(h.logView.get(), "mnuLOGLöschen");
            h.click(h.logView.get(), "OpbL1A");
        } else {
            h.trigger(h.logView.get(), "mnuLogAnzeigen");
            h.click(h.logView.get(), "OpBLG");
            clickRow(grid(h), 2);
            h.click(h.logView.get(), "OpBDelete");
        }
        QVERIFY2(h.dialogs.shown.last().text.startsWith(message),
                 qPrintable(h.dialogs.shown.last().text));
        QVERIFY(h.dialogs.shown.last().text.endsWith(QStringLiteral("NU S-A SCHIMBAT NIMIC.")));
        QCOMPARE(logRows(h), 5);
    }

    void cabrilloNeedsTheDeclarationAndLandsInTheLogFolder() {
        ScreenHarness h;
        QVERIFY(open(h, 35));
        fillLog(h);
        h.trigger(h.logView.get(), "mnuCabrillo");
        const QString folder = ReportFiles::logFolder(h.folder.path());
        QVERIFY(QDir(folder).exists());
        QCOMPARE(h.dialogs.texts().last(), QStringLiteral("Folderul ") +
                                               QDir::toNativeSeparators(folder) +
                                               QStringLiteral(" a fost creiat. Datele se inscriu "
                                                              "in folderul nou creiat"));
        QVERIFY(w<QGroupBox>(h, "FraLogCbr")->isVisible());
        QCOMPARE(w<QLineEdit>(h, "TxtContest")->text(), QStringLiteral("Cupa Carpati 26"));
        QCOMPARE(w<QLineEdit>(h, "TxtCall")->text(), QStringLiteral("YO3ABC"));
        QCOMPARE(w<QLineEdit>(h, "TxtScore")->text(), QStringLiteral("10")); // (2+3) x (1+1)
        QCOMPARE(h.logView->focusWidget(), w<QLineEdit>(h, "TxtCateg"));
        QTest::keyClicks(w<QLineEdit>(h, "TxtCateg"), QStringLiteral("single op"));
        QCOMPARE(w<QLineEdit>(h, "TxtCateg")->text(), QStringLiteral("SINGLE OP"));
        QTest::keyClick(w<QLineEdit>(h, "TxtCateg"), Qt::Key_Return);
        QCOMPARE(h.logView->focusWidget(), w<QLineEdit>(h, "TxtScore"));
        QCOMPARE(w<QLineEdit>(h, "TxtScore")->cursorPosition(), 2);

        const QString file =
            ReportFiles::cabrilloPath(h.folder.path(), "YO3ABC", *ContestCatalog::find(35), "26");
        h.dialogs.shown.clear();
        h.dialogs.script = {Yes, No, Dialogs::AnswerOk};
        h.click(h.logView.get(), "CmdGata");
        QCOMPARE(h.dialogs.texts().first(), QStringLiteral("INTRODUCERE DE DATE TERMINATA ?"));
        QCOMPARE(h.dialogs.shown.at(1).title, QStringLiteral("DECLARATIE"));
        QCOMPARE(h.dialogs.texts().last(), kDeclined);
        QVERIFY(!QFile::exists(file));
        QVERIFY(QDir(folder).isEmpty());
        QVERIFY(w<QGroupBox>(h, "FraLogCbr")->isVisible());
        QVERIFY(w<QPushButton>(h, "CmdGata")->isVisible());
        // The station data kept their stored values: the hidden form was filled at load.
        QVERIFY(h.folder.read("VELTInit.dat").contains("SOAB"));

        h.dialogs.script = {Yes, Yes};
        h.click(h.logView.get(), "CmdGata");
        QVERIFY(QFile::exists(file));
        auto* list = w<QListWidget>(h, "ListCbr");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 14 + 5 + 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("START-OF-LOG: 2.0"));
        QCOMPARE(list->item(4)->text(), QStringLiteral("CATEGORY: SINGLE OP"));
        QCOMPARE(list->item(19)->text(), QStringLiteral("END-OF-LOG: "));
        QVERIFY(list->item(14)->text().contains(QStringLiteral("YO5BBB")));
        QVERIFY(!w<QGroupBox>(h, "FraLogCbr")->isVisible());
    }

    // A log larger than a page of the grid: entered in two halves, the later half dated first.
    // The grid starts at its last row and reads the right rows from either end; the written
    // file is listed by its first and last 200 lines.
    void largeLogIsShownFromItsLastRowAndListedByItsEnds() {
        ScreenHarness h;
        QVERIFY(open(h, 35));
        QVERIFY(h.logDb.exec("BEGIN"));
        const auto call = [](int i) { return QStringLiteral("YO5%1").arg(i, 3, 10, QChar(u'0')); };
        for (int i = 0; i < 450; ++i)
            QVERIFY(h.addContact(call(i), i < 225 ? "02.03.26" : "01.03.26",
                                 QStringLiteral("10:%1").arg(i % 60, 2, 10, QChar(u'0')), 1, "  ",
                                 "2"));
        QVERIFY(h.logDb.exec("COMMIT"));
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), "OpBLG");
        QTableView* g = grid(h);
        QCOMPARE(g->model()->rowCount(), 450);
        QCOMPARE(g->verticalScrollBar()->value(), g->verticalScrollBar()->maximum());
        QCOMPARE(w<QLineEdit>(h, "TxtQSO")->text(), QStringLiteral("450"));
        const auto at = [g](int row) { return g->model()->index(row, 1).data().toString(); };
        // 01.03 sorted by time: minute 0 of i = 240, 300, 360, 420 comes first.
        QCOMPARE(at(0), call(240));
        QCOMPARE(at(449), call(179));
        QCOMPARE(at(300), call(198));

        h.trigger(h.logView.get(), "mnuCabrillo");
        h.click(h.logView.get(), "CmdGata");
        auto* list = w<QListWidget>(h, "ListCbr");
        QCOMPARE(list->count(), 401);
        QCOMPARE(list->item(0)->text(), QStringLiteral("START-OF-LOG: 2.0"));
        QVERIFY2(list->item(200)->text().contains(QStringLiteral(" 465 LINII")),
                 qPrintable(list->item(200)->text()));
        QCOMPARE(list->item(400)->text(), QStringLiteral("END-OF-LOG: "));
    }

    void numberOfOperatorsMustBeAtLeastOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("2") << "2" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("two blanks") << "  " << false;
    }
    void numberOfOperatorsMustBeAtLeastOne() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        ScreenHarness h;
        QVERIFY(open(h, 35));
        h.trigger(h.logView.get(), "mnuTXT");
        auto* no = w<QLineEdit>(h, "TxtNo");
        no->clear();
        type(h, "TxtNo", typed);
        QCOMPARE(h.logView->focusWidget(), accepted ? w<QLineEdit>(h, "TxtQTH") : no);
        QCOMPARE(no->text(), accepted ? typed : QString());
        h.dialogs.shown.clear();
        h.click(h.logView.get(), "CmdGata");
        QCOMPARE(h.dialogs.shown.isEmpty(), !accepted);
        QVERIFY(w<QPushButton>(h, "CmdGata")->isVisible() != accepted);
    }

    void archiveSavesAndDeletesByTypedName() {
        ScreenHarness h;
        QVERIFY(open(h, 35));
        fillLog(h);
        h.trigger(h.logView.get(), "mnuArh");
        h.click(h.logView.get(), "CmdArhivADI");
        QCOMPARE(h.dialogs.texts().last(), QStringLiteral("Please print in textbox, NAME FILE"));
        QTest::keyClicks(w<QLineEdit>(h, "TxtNameDat"), QStringLiteral("arh.adi"));
        QCOMPARE(w<QLineEdit>(h, "TxtNameDat")->text(), QStringLiteral("ARH"));
        h.click(h.logView.get(), "CmdArhivADI");
        const QString adi = ReportFiles::archivePath(h.folder.path(), "ARH", ".adi");
        QVERIFY(QFile::exists(adi));
        QCOMPARE(w<QListWidget>(h, "ListCbr")->count(), 5);
        QVERIFY(w<QLineEdit>(h, "TxtNameDat")->text().isEmpty());

        h.trigger(h.logView.get(), "mnuArh");
        QTest::keyClicks(w<QLineEdit>(h, "TxtNameDat"), QStringLiteral("arh.adi"));
        h.dialogs.script = {No};
        h.click(h.logView.get(), "CmdSterg");
        QCOMPARE(h.dialogs.texts().last(), QStringLiteral("VRETI SA STERGETI FISIERUL ARH ?"));
        QVERIFY(QFile::exists(adi));
        h.click(h.logView.get(), "CmdSterg");
        QVERIFY(!QFile::exists(adi));
    }

    void printingAStagePrintsThatStage() {
        ScreenHarness h;
        QVERIFY(open(h, 0));
        fillLog(h);
        h.trigger(h.logView.get(), "mnuLOGDrucken");
        h.dialogs.script = {Yes};
        h.click(h.logView.get(), "OpBD1B");
        QCOMPARE(h.dialogs.shown.first().text,
                 QStringLiteral("PRINTERUL ESTE PREGATIT PT. TIPARIRE ?"));
        QVERIFY(h.printer.ended);
        const QString page = h.printer.pageText(0).join(u'\n');
        QVERIFY(page.contains(QStringLiteral(" Etapa 1/2")));
        QVERIFY(page.contains(QStringLiteral("YO6CCC")));
        QVERIFY(!page.contains(QStringLiteral("YO5AAA")));
        QCOMPARE(w<QLineEdit>(h, "TxtQSO")->text(), QStringLiteral("1"));
        QCOMPARE(gridColumn(grid(h), 1), QStringList{"YO6CCC"});
    }

    void printingDeclinedPrintsNothingUntilThePrintMenuAgain() {
        ScreenHarness h;
        QVERIFY(open(h, 0));
        fillLog(h);
        h.trigger(h.logView.get(), "mnuLOGDrucken");
        h.dialogs.script = {No};
        h.click(h.logView.get(), "OpBD1A");
        QVERIFY(!h.printer.ended);
        QVERIFY(!w<QGroupBox>(h, "Frame3")->isVisible());
        h.dialogs.shown.clear();
        w<QRadioButton>(h, "OpBD2A")->click();
        QVERIFY(h.dialogs.shown.isEmpty());
        QVERIFY(!h.printer.ended);
        QCOMPARE(w<QLineEdit>(h, "TxtQSO")->text(), QStringLiteral("1"));
        h.trigger(h.logView.get(), "mnuLOGDrucken");
        h.click(h.logView.get(), "OpBD2A");
        QVERIFY(h.printer.ended);
        QCOMPARE(h.dialogs.texts(),
                 (QStringList{"PRINTERUL ESTE PREGATIT PT. TIPARIRE ?", "printed"}));
    }

    void callsignDatabaseUpkeep() {
        ScreenHarness h;
        QVERIFY(open(h, 35));
        QVERIFY(h.callDb.exec("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)", {"YO5ABC", "CJ"}));
        QVERIFY(h.callDb.exec("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)", {"YO2AAA", "TM"}));
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), "OpBCallJud");
        auto* calls = w<QTableView>(h, "DBGrid5");
        QVERIFY(calls->isVisible());
        QVERIFY(!grid(h)->isVisible());
        QCOMPARE(gridColumn(calls, 1), (QStringList{"YO2AAA", "YO5ABC"}));
        QVERIFY(calls->isColumnHidden(0));

        QTest::mouseDClick(w<QRadioButton>(h, "OpBCallJud"), Qt::LeftButton);
        QVERIFY(w<QGroupBox>(h, "Frame7")->isVisible());
        h.click(h.logView.get(), "OpBAnfügen");
        QVERIFY(w<QGroupBox>(h, "Frame8")->isVisible());
        type(h, "TxtCountry", QStringLiteral("yo4new"));
        h.dialogs.script = {No};
        type(h, "TxtCont", QStringLiteral("gl"));
        QCOMPARE(h.callDb.scalar("SELECT count(*) FROM CallJud"), QVariant(2));
        QVERIFY(!w<QGroupBox>(h, "Frame8")->isVisible()); // reloaded

        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        QTest::mouseDClick(w<QRadioButton>(h, "OpBCallJud"), Qt::LeftButton);
        h.click(h.logView.get(), "OpBAnfügen");
        type(h, "TxtCountry", QStringLiteral("yo4new"));
        h.dialogs.shown.clear();
        type(h, "TxtCont", QStringLiteral("gl"));
        QCOMPARE(h.dialogs.texts(), (QStringList{"VRETI SA INSERTATI ?", "OK?"}));
        QCOMPARE(h.callDb.scalar("SELECT Jud FROM CallJud WHERE Call = ?", {"YO4NEW"}),
                 QVariant("GL"));
        QVERIFY(!w<QGroupBox>(h, "Frame8")->isVisible());
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), "OpBCallJud");
        QCOMPARE(gridColumn(calls, 1), (QStringList{"YO2AAA", "YO4NEW", "YO5ABC"}));
    }
};

QTEST_MAIN(FrmAnzeigenTest)
#include "FrmAnzeigenTest.moc"
