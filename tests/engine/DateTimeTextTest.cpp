#include "base/DateTimeText.h"
#include "ExpectedFile.h"

#include <QTest>

class DateTimeTextTest : public QObject {
    Q_OBJECT
private slots:
    void datesAndTimes() {
        QVERIFY(answersAsExpected("data/tables/datetimes.txt", [](const QString& row) {
            const QString text = row.mid(2);
            if (row.startsWith(u'D')) {
                if (const auto d = DateTimeText::parseDate(text))
                    return DateTimeText::formatDate(*d);
            } else if (const auto t = DateTimeText::parseTime(text)) {
                return DateTimeText::formatTime(*t);
            }
            return QStringLiteral("-");
        }));
    }
};

QTEST_GUILESS_MAIN(DateTimeTextTest)
#include "DateTimeTextTest.moc"
