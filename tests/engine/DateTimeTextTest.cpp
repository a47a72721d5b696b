#include "setup/DateTimeText.h"
#include "logging/ContactEngine.h"

#include <QTest>

class DateTimeTextTest : public QObject {
    Q_OBJECT
private slots:
    void dates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("formatted"); // empty: refused
        auto row = [](const char* text, const char* formatted) {
            QTest::newRow(text) << text << formatted;
        };
        row("01.03.2026", "01.03.26");
        row("1.3.26", "01.03.26");
        row("28/02/26", "28.02.26");
        row("28-2-2026", "28.02.26");
        row(" 05.06.07 ", "05.06.07");
        row("29.02.23", "");
        row("29.02.24", "29.02.24");
        row("01.13.26", "");
        row("01.03/26", "");
        row("AB.CD.EF", "");
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
        auto row = [](const char* text, const char* formatted) {
            QTest::newRow(text) << text << formatted;
        };
        row("1430", "14:30");
        row("9:05", "09:05");
        row("00.00", "00:00");
        row("23:59:59", "23:59");
        row("24:00", "");
        row("12:60", "");
        row("14:", "");
    }
    void times() {
        QFETCH(QString, text);
        QFETCH(QString, formatted);
        const auto t = DateTimeText::parseTime(text);
        QCOMPARE(t ? DateTimeText::formatTime(*t) : QString(), formatted);
    }

    // The UTC date and time a contact is logged at, from the local clock and the offset.
    void utcOfTheLocalClock_data() {
        QTest::addColumn<QDateTime>("local");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("same day") << QDateTime(QDate(2026, 3, 1), QTime(14, 5)) << 2 << "01.03.26"
                                  << "12:05";
        QTest::newRow("day before") << QDateTime(QDate(2026, 3, 1), QTime(1, 30)) << 3 << "28.02.26"
                                    << "22:30";
        QTest::newRow("west of UTC, next year")
            << QDateTime(QDate(2026, 12, 31), QTime(23, 0)) << -2 << "01.01.27"
            << "01:00";
    }
    void utcOfTheLocalClock() {
        QFETCH(QDateTime, local);
        QFETCH(int, offset);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QCOMPARE(ContactEngine::utcDateAndTime(local, offset), std::make_pair(date, time));
    }
};

QTEST_GUILESS_MAIN(DateTimeTextTest)
#include "DateTimeTextTest.moc"
