#include "ScreenHarness.h"

#include <QScrollBar>
#include <QTableView>

// The QSO screen's log window.

class QsoWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The log window reads a stage 100 rows at a time; scrolled to its top it adds the page before.
    void logWindowPagesAtItsTop_data() {
        QTest::addColumn<int>("logged");
        QTest::newRow("one page") << 100;
        QTest::newRow("one row more") << 101;
    }
    void logWindowPagesAtItsTop() {
        QFETCH(int, logged);
        ScreenHarness h;
        h.openQso("OpBTeleorman", QString(), "Cmd1A", "CmdCW");
        QVERIFY(h.logDb
                    .exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i "
                          "< ?) INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, "
                          "Mult, Pct) SELECT 'YO5A' || i, '01.03.26', '12:00', '1', '599 001 BU', "
                          "'599 001 CJ', 'CW', 'CJ', '  ', '2' FROM n",
                          {logged})
                    .ok());
        h.click(h.qso.get(), "Cmd1B");
        h.click(h.qso.get(), "Cmd1A");
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        QCOMPARE(grid->model()->rowCount(), 100);
        grid->verticalScrollBar()->setValue(0);
        QCOMPARE(grid->model()->rowCount(), logged);
    }
};

QTEST_MAIN(QsoWindowTest)
#include "QsoWindowTest.moc"
