#include "ScreenHarness.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQueryModel>
#include <QTableView>

namespace {
// A log of several stages, inserted as the program writes it.
void fillLog(ScreenHarness& h) {
    Database db(QStringLiteral("fill"));
    QCOMPARE(db.open(h.folder.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")),
             Database::OpenResult::Ok);
    const char* rows[][10] = {
        {"YO2AAA", "01.03.26", "10:00", "1", "599 312 BU", "599 001 TM", "CW", "TM", "TM", "2"},
        {"YO4BBB", "01.03.26", "10:01", "1", "599 001 BU", "599 002 GL", "CW", "GL", "GL", "2"},
        {"YO5CCC", "01.03.26", "10:02", "2", "599 002 BU", "599 003 CJ", "CW", "CJ", "CJ", "2"},
        {"YO6DDD", "01.03.26", "10:03", "2", "599 003 BU", "599 004 MS", "CW", "MS", "  ", "2"},
        {"YO7EEE", "01.03.26", "10:04", "3", "599 004 BU", "599 005 DJ", "CW", "DJ", "DJ", "2"},
    };
    for (const auto& r : rows) {
        QVariantList v;
        for (const char* c : r)
            v << QString::fromLatin1(c);
        QVERIFY(db.exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, "
                                       "Rcvd, Md, Jud, Mult, Pct) VALUES (?,?,?,?,?,?,?,?,?,?)"),
                        v));
    }
}

QRgb back(QWidget* w) {
    return w->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
}
} // namespace

class FrmQSOTest : public QObject {
    Q_OBJECT
private slots:
    void wholeContactAsTheOperatorTypesIt() {
        ScreenHarness h;
        h.openQso("OpBCNUS");
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO"));
        QCOMPARE(h.focused(), h.qsoBox("TxtIndic"));
        h.type(QStringLiteral("9xyz"));
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO9XYZ"));
        h.key(Qt::Key_Space);
        QCOMPARE(h.qsoBox("TxtRSTR1")->text(), QStringLiteral("599"));
        QCOMPARE(h.qsoBox("TxtRSTE2")->text(), QStringLiteral("312"));
        QCOMPARE(h.qsoBox("TxtRSTE3")->text(), QStringLiteral("BU"));
        QCOMPARE(h.qsoBox("TxtEroare")->text(),
                 QStringLiteral("YO9XYZ   NU EXISTA IN BAZA DE DATE !!"));
        QVERIFY(h.find<QListWidget>(h.qso.get(), "list1")->count() > 0);
        QCOMPARE(h.focused(), h.qsoBox("TxtRSTR2"));
        h.type(QStringLiteral("123"));
        QCOMPARE(h.focused(), h.qsoBox("TxtRstR3")); // a whole code moves on by itself
        h.type(QStringLiteral("ph"));
        QCOMPARE(h.focused(), h.qsoBox("TxtIndic"));
        QVERIFY(h.find<QLabel>(h.qso.get(), "LblNeu")->isVisible());
        h.key(Qt::Key_Return);

        QCOMPARE(h.logRows(),
                 QStringList{"YO9XYZ|01.03.26|12:05|1|599 312 BU|599 123 PH|CW|PH|PH|2"});
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO"));
        QVERIFY(h.qsoBox("TxtRSTR2")->text().isEmpty());
        QVERIFY(h.qsoBox("TxtRstR3")->text().isEmpty());
        QCOMPARE(h.focused(), h.qsoBox("TxtIndic"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblQSO")->text(), QStringLiteral("1"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblMlt")->text(), QStringLiteral("1"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblPkt")->text(), QStringLiteral("2"));
        QCOMPARE(back(h.find<QLabel>(h.qso.get(), "LblPH")), QRgb(0xC0C0C0));
        QCOMPARE(h.find<QTableView>(h.qso.get(), "DBGrid1")->model()->rowCount(), 1);
        QVERIFY(!h.find<QPushButton>(h.qso.get(), "CmdEnterCall")->isEnabled());
    }

    void clubContestSerialsFollowAModeSwitch() {
        ScreenHarness h;
        h.openQso("OpB25Oct", QString(), "Cmd1A", "CmdSSB");
        for (const char* call : {"5AAA", "5BBB"}) {
            h.type(QString::fromLatin1(call));
            h.key(Qt::Key_Space);
            h.type(QStringLiteral("7"));
            h.key(Qt::Key_Space); // the received code is padded to "007"
            h.type(QStringLiteral("AB"));
            h.key(Qt::Key_Space);
            h.key(Qt::Key_Return);
            if (QByteArray(call) == "5AAA")
                h.click(h.qso.get(), "CmdCW");
        }
        const QStringList rows = h.logRows();
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[0].contains(QStringLiteral("|59 001 BU|59 007 AB|SSB|")),
                 qPrintable(rows[0]));
        QVERIFY2(rows[1].contains(QStringLiteral("|599 002 BU|599 007 AB|CW|")),
                 qPrintable(rows[1]));
    }

    void moldovanStationGetsDistrictsAndStar() {
        ScreenHarness h;
        h.openQso("OpBCNUS");
        h.qsoBox("TxtIndic")->clear();
        h.type(QStringLiteral("ER3AB"));
        h.key(Qt::Key_Space);
        QVERIFY(h.find<QListWidget>(h.qso.get(), "list1")->count() >= 9);
        h.type(QStringLiteral("12"));
        h.key(Qt::Key_Space);
        h.qsoBox("TxtRstR3")->setFocus();
        h.type(QStringLiteral("CL"));
        QCOMPARE(h.qsoBox("TxtRstR3")->text(), QStringLiteral("CL*"));
    }

    void countyListOfTheCallArea_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("height"); // pixels at 800 x 600 (15 twips each)
        QTest::newRow("YO4") << "YO4XYZ" << QStringList{"BR", "CT", "GL", "TL", "VN"} << 80;
        QTest::newRow("ER3") << "ER3XY" << QStringList() << 140;
    }
    void countyListOfTheCallArea() {
        QFETCH(QString, call);
        QFETCH(QStringList, first);
        QFETCH(int, height);
        ScreenHarness h;
        h.openQso("OpBCNUS");
        h.qsoBox("TxtIndic")->clear();
        h.type(call);
        h.key(Qt::Key_Space);
        auto* list = h.find<QListWidget>(h.qso.get(), "list1");
        QVERIFY(list->isVisible());
        QCOMPARE(list->height(), height);
        for (int i = 0; i < first.size(); ++i)
            QCOMPARE(list->item(i)->text(), first[i]);
    }

    void incompleteCallsignIsRefusedByF2() {
        ScreenHarness h;
        h.folder.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n2\r\nBU\r\n");
        QVERIFY(h.start());
        h.clickContest("OpBCNUS");
        h.click(h.init.get(), "OpbCwJ");
        h.click(h.init.get(), "OpbTest");
        h.initBox("txtContrInit")->setText(QStringLiteral("312"));
        h.initBox("TxtCP")->setText(QStringLiteral("1"));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QApplication::setActiveWindow(h.qso.get());
        h.click(h.qso.get(), "Cmd1A");
        h.click(h.qso.get(), "CmdCW");
        h.dialogs.shown.clear();
        h.key(Qt::Key_Space);
        h.key(Qt::Key_Tab);
        QVERIFY(h.dialogs.shown.isEmpty()); // Space and Tab do nothing with two characters
        h.key(Qt::Key_F2);
        QCOMPARE(h.dialogs.texts(), QStringList{"Introducere incompleta !"});
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO"));
        QVERIFY(h.logRows().isEmpty());
    }

    void offLineDateAndTime() {
        ScreenHarness h;
        h.folder.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n2\r\nBU\r\n");
        QVERIFY(h.start());
        h.clickContest("OpBCNUS");
        h.click(h.init.get(), "OpbTest");
        h.trigger(h.init.get(), "mnuInpLog");
        h.initBox("txtContrInit")->setText(QStringLiteral("312"));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QApplication::setActiveWindow(h.qso.get());
        h.click(h.qso.get(), "Cmd1A");
        h.click(h.qso.get(), "CmdCW");
        QLineEdit* date = h.qsoBox("TxtDate");
        QLineEdit* time = h.qsoBox("TxtUTC");
        date->clear();
        date->setFocus();
        h.dialogs.shown.clear();
        h.type(QStringLiteral("31022"));
        QCOMPARE(date->text(), QStringLiteral("31.02.2"));
        h.type(QStringLiteral("7"));
        QCOMPARE(h.dialogs.texts(),
                 QStringList{"DATA INCORECT INTRODUSA . INTRODUCETI DATA CORECT !"});
        QCOMPARE(date->text(), QStringLiteral(" "));
        date->clear();
        h.type(QStringLiteral("280226"));
        QCOMPARE(date->text(), QStringLiteral("28.02.26"));
        time->clear();
        time->setFocus();
        h.type(QStringLiteral("1430"));
        QCOMPARE(time->text(), QStringLiteral("14:30"));
        QCOMPARE(h.focused(), h.qsoBox("TxtRSTR2")); // off-line: on to the code

        h.qsoBox("TxtIndic")->setFocus();
        h.key(Qt::Key_F3);
        QCOMPARE(time->text(), QStringLiteral("14:"));
        h.qsoBox("TxtIndic")->setFocus();
        time->setText(QStringLiteral("14:30"));
        h.key(Qt::Key_F4);
        QCOMPARE(time->text(), QStringLiteral(":30"));
        h.qsoBox("TxtIndic")->setFocus();
        h.key(Qt::Key_F2);
        QCOMPARE(date->text(), QStringLiteral(".02.26")); // the day is typed anew
        QVERIFY(h.keyLine.changes().isEmpty());
    }

    void incompleteDateBlocksEnterInTheReport() {
        ScreenHarness h;
        h.openQso("OpBCNUS");
        h.type(QStringLiteral("9XYZ"));
        h.key(Qt::Key_Space);
        h.type(QStringLiteral("12"));
        h.qsoBox("TxtRstR3")->setText(QStringLiteral("PH"));
        h.qsoBox("TxtDate")->setText(QStringLiteral("01.03"));
        h.qsoBox("TxtRSTR2")->setFocus();
        h.dialogs.shown.clear();
        h.key(Qt::Key_Return);
        QCOMPARE(h.dialogs.texts(), QStringList{"Date incomplete. Nu se poate loga!!"});
        QVERIFY(h.logRows().isEmpty());
        // Enter in the callsign field logs without the date check (the clock gives the time).
        h.qsoBox("TxtRstR3")->setFocus();
        h.key(Qt::Key_Space);
        h.key(Qt::Key_Return);
        QCOMPARE(h.logRows().size(), 1);
    }

    void gridDeletionAsksFirst() {
        ScreenHarness h;
        fillLog(h);
        h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1B");
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        QCOMPARE(grid->model()->rowCount(), 2);
        grid->setFocus();
        grid->selectRow(0);
        h.dialogs.script = {Dialogs::AnswerNo};
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(h.logRows().size(), 5);
        h.dialogs.script = {Dialogs::AnswerYes};
        grid->selectRow(0);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(h.dialogs.shown.last().text,
                 QStringLiteral("DUPA STERGEREA UNEI LINII SI INTRODUCEREA UNUI NOU INDICATIV, "
                                "VERIFICATI SI MODIFICATI VALOAREA CODS"));
        QCOMPARE(h.logRows().filter(QStringLiteral("YO5CCC")).size(), 0);
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblQSO")->text(), QStringLiteral("1"));
        QCOMPARE(back(h.find<QLabel>(h.qso.get(), "LblCJ")), QRgb(0x00FF00));
    }

    void stageButtonsFollowTheLog() {
        ScreenHarness h;
        fillLog(h);
        h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1B");
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("YO6DDD"));
        const auto grey = [&](const char* code) {
            return back(h.find<QLabel>(h.qso.get(), (QByteArray("Lbl") + code).constData())) ==
                   0xC0C0C0;
        };
        QVERIFY(grey("CJ"));
        QVERIFY(!grey("MS")); // logged without a multiplier
        QVERIFY(!grey("TM")); // a multiplier of 1A
        const char* rows[] = {"LblBand", "LblBand1", "LblBand2", "LblBand3"};
        const char* bands[] = {"1B", "1A", "2A", "2B"};
        const char* qsos[] = {"2", "2", "1", "0"};
        const char* counts[] = {"LblQSO", "LblQSO1", "LblQSO2", "LblQSO3"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(h.find<QLabel>(h.qso.get(), rows[i])->text(), QString::fromLatin1(bands[i]));
            QCOMPARE(h.find<QLabel>(h.qso.get(), counts[i])->text(), QString::fromLatin1(qsos[i]));
        }
        h.click(h.qso.get(), "Cmd2B");
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblBand3")->text(), QStringLiteral("2A"));
        QVERIFY(!grey("CJ"));
    }
};

QTEST_MAIN(FrmQSOTest)
#include "FrmQSOTest.moc"
