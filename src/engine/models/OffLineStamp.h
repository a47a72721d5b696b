#pragma once

#include <QString>
#include <utility>

// A paper log typed in afterwards runs past midnight and into the next month: the date and hour
// offered for the next contact follow the contacts logged, never the start values alone.
namespace OffLineStamp {
/// The date and time to offer after a contact logged at `date` `time`, when `offeredDate` and
/// `offeredTime` were offered before. The offered date never goes back: a contact typed out of
/// order on an earlier date leaves the offer as it was.
std::pair<QString, QString> afterLogged(const QString& offeredDate, const QString& offeredTime,
                                        const QString& date, const QString& time);
/// The date for a contact typed at `time` on `offeredDate`, offered after a contact at
/// `offeredTime`: an earlier time means the paper log ran past midnight, so the next day.
QString dateFor(const QString& offeredDate, const QString& offeredTime, const QString& time);
} // namespace OffLineStamp
