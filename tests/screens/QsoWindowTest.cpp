#include "ScreenHarness.h"
#include "screens/PlainLabel.h"
#include "screens/ScreenStyle.h"
#include "screens/entry/FigureLabel.h"
#include "screens/entry/LogGrid.h"

#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <functional>

namespace {
// The grid's state that a change may touch, given to the table it is compared with.
void takeState(const LogGrid& from, QTableView& to) {
    to.setFont(from.font());
    to.setPalette(from.palette());
    to.setEnabled(from.isEnabled());
    to.resize(from.size());
    for (int c = 0; c < from.model()->columnCount(); ++c)
        to.setColumnWidth(c, from.columnWidth(c));
    to.selectRow(from.currentIndex().row());
    to.verticalScrollBar()->setValue(from.verticalScrollBar()->value());
}
} // namespace

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

    // A grid kept through a change paints its rows as Qt's table paints them with the same cells
    // and state: the rows it painted before are not shown as they were.
    void logGridPaintsAsDrawnAnew_data() {
        QTest::addColumn<std::function<void(QStandardItemModel&, LogGrid&)>>("change");
        using Change = std::function<void(QStandardItemModel&, LogGrid&)>;
        QTest::newRow("text") << Change([](QStandardItemModel& m, LogGrid&) {
            m.setData(m.index(3, 1), QStringLiteral("YO9ZZZ"));
        });
        QTest::newRow("row added") << Change([](QStandardItemModel& m, LogGrid& g) {
            m.appendRow({new QStandardItem(QStringLiteral("99")),
                         new QStandardItem(QStringLiteral("YO8NEW"))});
            g.scrollToBottom();
        });
        QTest::newRow("row selected")
            << Change([](QStandardItemModel&, LogGrid& g) { g.selectRow(5); });
        QTest::newRow("column widened") << Change(
            [](QStandardItemModel&, LogGrid& g) { g.setColumnWidth(1, g.columnWidth(1) + 30); });
        QTest::newRow("type") << Change([](QStandardItemModel&, LogGrid& g) {
            QFont f = g.font();
            f.setPointSize(f.pointSize() + 3);
            g.setFont(f);
        });
        QTest::newRow("colours") << Change([](QStandardItemModel&, LogGrid& g) {
            QPalette p = g.palette();
            p.setColor(QPalette::Text, Qt::darkRed);
            p.setColor(QPalette::Highlight, Qt::darkGreen);
            g.setPalette(p);
        });
        QTest::newRow("disabled") << Change(
            [](QStandardItemModel&, LogGrid& g) { g.setEnabled(false); });
    }
    void logGridPaintsAsDrawnAnew() {
        QFETCH(std::function<void(QStandardItemModel&, LogGrid&)>, change);
        QStandardItemModel model(20, 3);
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                model.setData(model.index(r, c), QStringLiteral("YO%1A%2").arg(r).arg(c));
        // In one window, so that both are as active as each other.
        QWidget window;
        window.resize(660, 220);
        LogGrid kept(&window);
        kept.setModel(&model);
        kept.setGeometry(0, 0, 320, 200);
        kept.selectRow(2);
        QTableView table(&window);
        table.setItemDelegate(new LogGridCells(&table));
        table.verticalHeader()->hide();
        table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        table.setModel(&model);
        table.move(330, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        change(model, kept);
        QApplication::processEvents(); // the scroll bars set as the change asks
        takeState(kept, table);
        QApplication::processEvents();
        // The rows only: a head kept through a change of type keeps its height.
        const QRect rows({0, 0}, kept.viewport()->size().boundedTo(table.viewport()->size()));
        QCOMPARE(kept.viewport()->grab(rows).toImage(), table.viewport()->grab(rows).toImage());
    }

    // A label of plain text, its text laid out once, is painted where and as a QLabel is painted
    // by the application's style.
    void labelPaintedAsTheStyle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("enabled");
        const int left = Qt::AlignLeft | Qt::AlignVCenter;
        QTest::newRow("left") << "Result/Etapa" << left << true;
        QTest::newRow("right") << "12345" << int(Qt::AlignRight | Qt::AlignVCenter) << true;
        QTest::newRow("centre") << "MY DATA" << int(Qt::AlignCenter) << true;
        QTest::newRow("top") << "QSO" << int(Qt::AlignLeft | Qt::AlignTop) << true;
        QTest::newRow("bottom") << "Pkt" << int(Qt::AlignRight | Qt::AlignBottom) << true;
        QTest::newRow("cut") << "YO3ABC NU EXISTA IN BAZA DE DATE !!" << left << true;
        QTest::newRow("disabled") << "1B" << left << false;
        QTest::newRow("shortcut") << "&IN LOG" << left << true;
        // Ink outside the text's box: accents over capitals, a hook left of its start.
        QTest::newRow("overhang") << QStringLiteral("j\u0218\u021A\u0102\u00CEf/") << left << true;
    }
    void labelPaintedAsTheStyle() {
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(bool, enabled);
        QWidget window;
        PlainLabel laidOnce(text, &window);
        laidOnce.setStyle(ScreenStyle::instance());
        QLabel plain(text, &window);
        plain.move(0, 40);
        for (QLabel* l : {static_cast<QLabel*>(&laidOnce), &plain}) {
            l->setAlignment(Qt::Alignment(alignment));
            l->setEnabled(enabled);
            l->resize(120, 30);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int paint = 1; paint <= 2; ++paint) // drawn anew, then copied
            QCOMPARE(laidOnce.grab().toImage(), plain.grab().toImage());
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
