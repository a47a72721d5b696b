#include "ScreenHarness.h"
#include "screens/entry/FigureLabel.h"

#include <QScrollBar>
#include <QTableView>

// The QSO screen's log window.

class QsoWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The log window reads a stage 100 rows at a time; scrolled to its top it adds the page before.
    // The grid reads the rows it has room for, with a scroll bar left to ask for older ones; each
    // scroll to its top brings a page of them, the last one short, then nothing. A stage that
    // cannot be read is said, and the rows shown stay.
    void logWindowPagesAtItsTop() {
        const int logged = 250;
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
        const int first = grid->model()->rowCount();
        QVERIFY(first < logged);
        QVERIFY(grid->verticalScrollBar()->maximum() > 0);
        QCOMPARE(grid->model()->data(grid->model()->index(first - 1, 1)).toString(),
                 QStringLiteral("YO5A250"));
        QScrollBar* bar = grid->verticalScrollBar();
        for (int pages = 1; pages <= 4; ++pages) {
            bar->setValue(bar->maximum());
            bar->setValue(0);
            QCOMPARE(grid->model()->rowCount(), std::min(first + 100 * pages, logged));
        }
        QVERIFY(h.logDb.exec(QStringLiteral("DROP TABLE LogGen")).ok());
        h.click(h.qso.get(), "Cmd1B");
        QCOMPARE(grid->model()->rowCount(), logged);
        QVERIFY(h.dialogs.texts().last().startsWith(QStringLiteral("Logul nu poate fi citit: ")));
    }

    // A figure label is sized as a plain label of its text would be, in the font it has now,
    // though it measured a text of the same shape before.
    void figureLabelSizedAsItsText_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("points");
        QTest::newRow("same shape") << "1002"
                                    << "1003" << 0;
        QTest::newRow("one figure more") << "999"
                                         << "1000" << 0;
        QTest::newRow("not figures") << "12"
                                     << "AB" << 0;
        QTest::newRow("larger type since") << "1002"
                                           << "1003" << 20;
        QTest::newRow("smaller type since") << "1002"
                                            << "1003" << 6;
    }
    void figureLabelSizedAsItsText() {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(int, points);
        QWidget window;
        FigureLabel figure(&window, QStringLiteral("LblQSO"), before);
        QLabel plain(text, &window);
        (void)figure.sizeHint();
        figure.setText(text);
        if (points > 0) {
            QFont type = window.font();
            type.setPointSize(points);
            window.setFont(type);
        }
        QCOMPARE(figure.sizeHint(), plain.sizeHint());
        QCOMPARE(figure.minimumSizeHint(), plain.minimumSizeHint());
    }
};

QTEST_MAIN(QsoWindowTest)
#include "QsoWindowTest.moc"
