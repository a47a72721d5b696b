#include "setup/DateTimeText.h"
#include "logging/ContactEngine.h"

#include <QTest>

class DateTimeTextTest : public QObject {
    Q_OBJECT
private slots:
    void datesAndTimes_data() {
        QTest::addColumn<bool>("date"); // read as a date, else as a time
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("formatted"); // empty: refused
        auto row = [](bool date, const char* text, const char* formatted) {
            QTest::newRow(text) << date << text << formatted;
        };
        row(true, "01.03.2026", "01.03.26");
        row(true, "28/02/26", "28.02.26");
        row(true, "28-2-2026", "28.02.26");
        row(true, " 05.06.07 ", "05.06.07");
        row(true, "29.02.23", "");
        row(true, "29.02.24", "29.02.24");
        row(true, "01.13.26", "");
        row(true, "01.03/26", "");
        row(false, "1430", "14:30");
        row(false, "9:05", "09:05");
        row(false, "00.00", "00:00");
        row(false, "23:59:59", "23:59");
        row(false, "24:00", "");
        row(false, "12:60", "");
    }
    void datesAndTimes() {
        QFETCH(bool, date);
        QFETCH(QString, text);
        QFETCH(QString, formatted);
        QString shown;
        if (date) {
            if (const auto d = DateTimeText::parseDate(text))
                shown = DateTimeText::formatDate(*d);
        } else if (const auto t = DateTimeText::parseTime(text)) {
            shown = DateTimeText::formatTime(*t);
        }
        QCOMPARE(shown, formatted);
    }

    // The UTC date and time a contact is logged at, from the local clock and the offset.
    void utcOfTheLocalClock_data() {
        QTest::addColumn<QDateTime>("local");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("utc");
        auto row = [](const char* name, QDateTime local, int offset, const char* utc) {
            QTest::newRow(name) << local << offset << utc;
        };
        row("day before", QDateTime(QDate(2026, 3, 1), QTime(1, 30)), 3, "28.02.26 22:30");
        row("west of UTC, next year", QDateTime(QDate(2026, 12, 31), QTime(23, 0)), -2,
            "01.01.27 01:00");
    }
    void utcOfTheLocalClock() {
        QFETCH(QDateTime, local);
        QFETCH(int, offset);
        QFETCH(QString, utc);
        const auto [date, time] = ContactEngine::utcDateAndTime(local, offset);
        QCOMPARE(date + u' ' + time, utc);
    }
};

QTEST_GUILESS_MAIN(DateTimeTextTest)
#include "DateTimeTextTest.moc"
