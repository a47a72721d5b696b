#include "models/OffLineStamp.h"

#include "base/DateTimeText.h"

namespace OffLineStamp {

std::pair<QString, QString> afterLogged(const QString& offeredDate, const QString& offeredTime,
                                        const QString& date, const QString& time) {
    const auto logged = DateTimeText::parseDate(date);
    const auto offered = DateTimeText::parseDate(offeredDate);
    if (!logged || (offered && *logged < *offered))
        return {offeredDate, offeredTime};
    return {DateTimeText::formatDate(*logged), time};
}

QString dateFor(const QString& offeredDate, const QString& offeredTime, const QString& time) {
    const auto offered = DateTimeText::parseDate(offeredDate);
    const auto last = DateTimeText::parseTime(offeredTime);
    const auto typed = DateTimeText::parseTime(time);
    if (!offered || !last || !typed || *typed >= *last)
        return offeredDate;
    return DateTimeText::formatDate(offered->addDays(1));
}

} // namespace OffLineStamp
