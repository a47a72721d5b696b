#pragma once

#include <QList>
#include <QString>

/// A source column copied into a target column.
struct ColumnMap {
    QString source;
    QString target;
};

/// How one table of a Jet file is copied into one of the program's tables.
struct TableMap {
    QString file;        // the database file both programs use, as "DbsVELT.mdb"
    QString sourceTable; // in the Jet file
    QString targetTable; // in the SQLite file
    QList<ColumnMap> columns;
    QString keyColumn;   // target column holding a callsign that names the row; empty: none
    QString orderColumn; // source column whose number gives the rows' order; empty: stored order

    /// The two tables the predecessor kept: `CallJud` and `LogGen`.
    static const QList<TableMap>& all();
    /// The map whose target is `table`, or nullptr.
    static const TableMap* forTable(const QString& table);
};
