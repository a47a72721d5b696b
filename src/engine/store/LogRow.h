#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <optional>

class QSqlQuery;

/// One `LogGen` row as it is written: every value is text but the frequency.
struct LogRow {
    QString callsign;
    QString date; // `data`
    QString utc;
    QString stage; // `etp`
    QString sent;
    QString rcvd;
    QString mode;   // `md`
    QString county; // `jud`
    QString mult;
    QString points;                    // `pct`
    qint64 id = 0;                     // `ID`, for a row read back from the log
    std::optional<qint64> frequency{}; // `Frecv`, Hz, when the radio reported one

    /// The text values in table order, `Callsign` to `Pct`: the one map of members to columns.
    static constexpr std::array<QString LogRow::*, 10> kTexts{
        &LogRow::callsign, &LogRow::date, &LogRow::utc,    &LogRow::stage, &LogRow::sent,
        &LogRow::rcvd,     &LogRow::mode, &LogRow::county, &LogRow::mult,  &LogRow::points};

    /// The columns a row is read from, `ID` first, for a SELECT.
    static const QString& columns();
    /// The names of the text columns, in the order of kTexts.
    static const QStringList& textColumns();
    /// The row `q` stands on, read from columns().
    static LogRow fromQuery(const QSqlQuery& q);
    /// The value of column `column` in table order, `ID` first; the frequency is not shown.
    QVariant value(int column) const;

    bool operator==(const LogRow&) const = default;
};
