#include "setup/DateTimeText.h"

#include <QTest>

class DateTimeTextTest : public QObject {
    Q_OBJECT
private slots:
    void dates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("formatted"); // empty: refused
        QTest::newRow("dd.mm.yy") << "01.03.26"
                                  << "01.03.26";
        QTest::newRow("four-digit year") << "01.03.2026"
                                         << "01.03.26";
        QTest::newRow("one-digit day and month") << "1.3.26"
                                                 << "01.03.26";
        QTest::newRow("slashes") << "28/02/26"
                                 << "28.02.26";
        QTest::newRow("dashes") << "28-2-2026"
                                << "28.02.26";
        QTest::newRow("blanks around") << " 05.06.07 "
                                       << "05.06.07";
        QTest::newRow("31 February") << "31.02.07"
                                     << "";
        QTest::newRow("29 February, common year") << "29.02.23"
                                                  << "";
        QTest::newRow("29 February, leap year") << "29.02.24"
                                                << "29.02.24";
        QTest::newRow("month 13") << "01.13.26"
                                  << "";
        QTest::newRow("mixed separators") << "01.03/26"
                                          << "";
        QTest::newRow("incomplete") << "01.03."
                                    << "";
        QTest::newRow("single space") << " "
                                      << "";
        QTest::newRow("letters") << "AB.CD.EF"
                                 << "";
    }
    void dates() {
        QFETCH(QString, text);
        QFETCH(QString, formatted);
        const auto d = DateTimeText::parseDate(text);
        QCOMPARE(d ? DateTimeText::formatDate(*d) : QString(), formatted);
    }

    void times_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("formatted");
        QTest::newRow("hh:mm") << "14:30"
                               << "14:30";
        QTest::newRow("digits only") << "1430"
                                     << "14:30";
        QTest::newRow("one-digit hour") << "9:05"
                                        << "09:05";
        QTest::newRow("seconds") << "23:59:59"
                                 << "23:59";
        QTest::newRow("dot") << "00.00"
                             << "00:00";
        QTest::newRow("hour 24") << "24:00"
                                 << "";
        QTest::newRow("minute 60") << "12:60"
                                   << "";
        QTest::newRow("hour only") << "14:"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void times() {
        QFETCH(QString, text);
        QFETCH(QString, formatted);
        const auto t = DateTimeText::parseTime(text);
        QCOMPARE(t ? DateTimeText::formatTime(*t) : QString(), formatted);
    }
};

QTEST_GUILESS_MAIN(DateTimeTextTest)
#include "DateTimeTextTest.moc"
