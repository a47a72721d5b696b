#include "services/jetimport/TableCopy.h"

#include "base/ErrorReason.h"
#include "base/seams/JetReader.h"
#include "services/jetimport/TableMap.h"
#include "store/Database.h"

#include <QRegularExpression>
#include <QSqlError>
#include <algorithm>
#include <numeric>
#include <optional>

namespace TableCopy {

namespace {

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

std::optional<qsizetype> columnIndex(const JetTable& source, const QString& name) {
    for (qsizetype i = 0; i < source.columns.size(); ++i)
        if (source.columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

// The source rows in the order the order column numbers them; stored order when it is missing
// or holds something else than numbers.
QList<qsizetype> rowOrder(const JetTable& source, const TableMap& map) {
    QList<qsizetype> order(source.rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto column =
        map.orderColumn.isEmpty() ? std::nullopt : columnIndex(source, map.orderColumn);
    if (!column)
        return order;
    QList<qint64> numbers;
    for (const QStringList& row : source.rows) {
        bool ok = false;
        numbers << row.value(*column).trimmed().toLongLong(&ok);
        if (!ok)
            return order;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return numbers[a] < numbers[b]; });
    return order;
}

// Copies the rows of one table; the caller owns the transaction.
class RowCopier {
public:
    RowCopier(const TableMap& map, Database& target) : m_target(target) {
        QStringList names;
        for (const ColumnMap& c : map.columns)
            names << quoted(c.target);
        m_insert =
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoted(map.targetTable), names.join(QStringLiteral(", ")),
                     QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
        for (qsizetype i = 0; i < map.columns.size(); ++i)
            if (map.columns.at(i).target == map.keyColumn)
                m_key = i;
        QStringList others;
        for (qsizetype i = 0; i < names.size(); ++i)
            if (i != m_key)
                others << names.at(i);
        m_lookup =
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                .arg(others.isEmpty() ? QStringLiteral("1") : others.join(QStringLiteral(", ")),
                     quoted(map.targetTable), quoted(map.keyColumn));
    }

    /// Fails when the database refused a write.
    Outcome<void> copy(int rowNumber, QStringList values, ImportCounts& counts) {
        if (m_key >= 0 && !keepKeyed(rowNumber, values, counts))
            return {};
        Outcome<void> written = m_target.exec(m_insert, QVariantList(values.begin(), values.end()));
        if (written)
            ++counts.imported;
        return written;
    }

private:
    // True when the row is to be inserted; counts and names the row otherwise.
    bool keepKeyed(int rowNumber, QStringList& values, ImportCounts& counts) {
        static const QRegularExpression callsign(QStringLiteral("^[A-Z0-9/]+$"));
        const QString call = values.at(m_key).trimmed().toUpper();
        values[m_key] = call;
        if (call.isEmpty() || !callsign.match(call).hasMatch()) {
            ++counts.invalid;
            note(counts, call.isEmpty()
                             ? QStringLiteral("randul %1: indicativ gol").arg(rowNumber)
                             : QStringLiteral("randul %1: indicativul \"%2\" are caractere "
                                              "nepermise")
                                   .arg(rowNumber)
                                   .arg(call));
            return false;
        }
        auto existing = m_target.select(m_lookup, {call});
        if (!existing || !existing->next())
            return true;
        ++counts.present;
        QStringList kept;
        QStringList offered;
        for (qsizetype i = 0, col = 0; i < values.size(); ++i) {
            if (i == m_key)
                continue;
            kept << existing->value(static_cast<int>(col++)).toString().trimmed();
            offered << values.at(i).trimmed();
        }
        if (kept != offered) {
            ++counts.differed;
            note(counts, QStringLiteral("randul %1: %2 exista deja cu %3, pastrat (nu %4)")
                             .arg(rowNumber)
                             .arg(call, kept.join(u' '), offered.join(u' ')));
        }
        return false;
    }

    static void note(ImportCounts& counts, const QString& reason) {
        if (counts.reasons.size() < ImportCounts::kReasonsKept)
            counts.reasons << reason;
    }

    Database& m_target;
    QString m_insert;
    QString m_lookup;
    qsizetype m_key = -1;
};

} // namespace

Result copyRows(const JetTable& source, const TableMap& map, Database& target) {
    Result result;
    QList<qsizetype> columns;
    for (const ColumnMap& c : map.columns) {
        const auto i = columnIndex(source, c.source);
        if (!i) {
            result.error =
                QStringLiteral("tabela %1 nu are coloana %2").arg(map.sourceTable, c.source);
            return result;
        }
        columns << *i;
    }
    QSqlDatabase db = target.handle();
    if (!db.transaction()) {
        result.error = QStringLiteral("baza de date nu poate fi scrisa");
        return result;
    }
    RowCopier copier(map, target);
    for (const qsizetype r : rowOrder(source, map)) {
        const QStringList& row = source.rows.at(r);
        QStringList values;
        for (const qsizetype c : columns)
            values << row.value(c);
        ++result.counts.read;
        if (const Outcome<void> copied =
                copier.copy(static_cast<int>(r) + 1, values, result.counts);
            !copied) {
            result.error =
                QStringLiteral("scrierea in %1 a esuat: %2").arg(map.targetTable, copied.error());
            db.rollback();
            return result;
        }
    }
    if (!db.commit()) {
        result.error = QStringLiteral("scrierea in %1 a esuat: %2")
                           .arg(map.targetTable, ErrorReason::ofSql(db.lastError()));
        db.rollback();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace TableCopy
