#include "RunSetup.h"
#include "ScreenHarness.h"
#include "screens/reports/ContestChartWindow.h"
#include "services/reports/ReportFiles.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QImage>
#include <QLineSeries>

// The rate beside the QSO screen's totals, and the contest's course charted from the log view.
class RateAndChartScreensTest : public QObject {
    Q_OBJECT
    static QString rateShown(ScreenHarness& h) {
        QStringList shown;
        for (const char* name : {"LblRate10", "LblRate60", "LblRateMax"})
            shown << h.find<QLabel>(h.qso.get(), name)->text();
        return shown.join(u' ');
    }

private slots:
    // An earlier contact 50 minutes back, one logged now; the clock's tick carries the minutes on.
    void rateFollowsEnterAndTheClock() {
        ScreenHarness h;
        h.openQso("OpBCNUS");
        QVERIFY(h.addContact("YO5AAA", "01.03.26", "11:15", 1, "CJ", "2"));
        h.click(h.qso.get(), "Cmd1A");
        h.typeContact(QStringLiteral("5BBB"), QStringLiteral("123"), QStringLiteral("BV"));
        h.key(Qt::Key_Return);
        QCOMPARE(rateShown(h), QStringLiteral("6 2 2"));
        h.clock.current = h.clock.current.addSecs(qint64{11} * 60);
        QTRY_COMPARE(rateShown(h), QStringLiteral("0 1 2"));
    }

    // GRAF&IC charts the stage shown, or the whole log; the picture goes into ARHIVA whole and
    // to the printer.
    void chartOfTheStageShown() {
        ScreenHarness h;
        changeRun(h.run, [](HandOver& s) { s.settings.myCall = QStringLiteral("YO3ABC"); });
        QVERIFY(h.openLogView(0));
        QVERIFY(h.addContact("YO5AAA", "01.03.26", "10:02", 1, "CJ", "2"));
        QVERIFY(h.addContact("YO5BBB", "01.03.26", "10:31", 1, "  ", "2"));
        QVERIFY(h.addContact("YO6CCC", "01.03.26", "10:15", 2, "BV", "3", "SSB"));
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), "OpB1A");
        h.trigger(h.logView.get(), "mnuGrafic");
        auto* chart = h.find<ContestChartWindow>(h.logView.get(), "FrmGrafic");
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->stage(), 1);
        const QList<QAbstractSeries*> series = chart->chart()->series();
        QCOMPARE(static_cast<QBarSeries*>(series[0])->barSets().first()->count(), 4);
        QCOMPARE(static_cast<QLineSeries*>(series[1])->points().last(), QPointF(3, 4)); // 4 x 1
        h.click(chart, "OpBGrafLG");
        QCOMPARE(chart->steps().last().score, qint64(14)); // Camp.Nat.: (4 + 3) x (1 + 1)
        h.click(chart, "CmdGrafPng");
        const QString png =
            ReportFiles::chartPath(h.folder.path(), "YO3ABC", h.run.contest(), "26", 0);
        QCOMPARE(h.dialogs.texts().last(),
                 QStringLiteral("Graficul a fost scris: ") + QDir::toNativeSeparators(png));
        QCOMPARE(QImage(png).size(), chart->findChild<QWidget*>("ChartCurs")->size());
        h.click(chart, "CmdGrafPrint");
        QCOMPARE(h.printer.pictures, 1);
        QVERIFY(h.printer.ended);
    }
};

QTEST_MAIN(RateAndChartScreensTest)
#include "RateAndChartScreensTest.moc"
