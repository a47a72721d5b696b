#include "base/DateTimeText.h"

#include <QTest>

class DateTimeTextTest : public QObject {
    Q_OBJECT
private slots:
    void datesAndTimes_data() {
        // "D" read as a date or "T" as a time, the text, as formatted (empty: refused)
        QTest::addColumn<QString>("fields");
        for (const char* row :
             {"D|01.03.2026|01.03.26", "D|28/02/26|28.02.26", "D|28-2-2026|28.02.26",
              "D| 05.06.07 |05.06.07", "D|29.02.23|", "D|29.02.24|29.02.24", "D|01.13.26|",
              "D|01.03/26|", "D|1.3.026|", "D|001.03.26|", "T|1430|14:30", "T|930|", "T|9:05|09:05",
              "T|12:5|", "T|00.00|00:00", "T|23:59:59|23:59", "T|23:59:60|", "T|24:00|",
              "T|12:60|"})
            QTest::newRow(row) << row;
    }
    void datesAndTimes() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        QString shown;
        if (f[0] == u'D') {
            if (const auto d = DateTimeText::parseDate(f[1]))
                shown = DateTimeText::formatDate(*d);
        } else if (const auto t = DateTimeText::parseTime(f[1])) {
            shown = DateTimeText::formatTime(*t);
        }
        QCOMPARE(shown, f[2]);
    }
};

QTEST_GUILESS_MAIN(DateTimeTextTest)
#include "DateTimeTextTest.moc"
