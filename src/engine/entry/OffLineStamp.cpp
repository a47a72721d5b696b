#include "entry/OffLineStamp.h"

#include "setup/DateTimeText.h"

namespace OffLineStamp {

std::pair<QString, QString> afterLogged(const QString& offeredDate, const QString& offeredTime,
                                        const QString& date, const QString& time) {
    const auto logged = DateTimeText::parseDate(date);
    const auto offered = DateTimeText::parseDate(offeredDate);
    if (!logged || (offered && *logged < *offered))
        return {offeredDate, offeredTime};
    return {DateTimeText::formatDate(*logged), time};
}

} // namespace OffLineStamp
