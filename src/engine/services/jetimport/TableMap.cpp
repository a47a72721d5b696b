#include "services/jetimport/TableMap.h"

namespace {
QList<ColumnMap> sameNames(const QStringList& names) {
    QList<ColumnMap> out;
    for (const QString& n : names)
        out.append({n, n});
    return out;
}
} // namespace

const QList<TableMap>& TableMap::all() {
    static const QList<TableMap> maps{
        {QStringLiteral("DbsVELT.mdb"), QStringLiteral("CallJud"), QStringLiteral("CallJud"),
         sameNames({QStringLiteral("Call"), QStringLiteral("Jud")}), QStringLiteral("Call"),
         QString()},
        {QStringLiteral("LogVELT.mdb"), QStringLiteral("LogGen"), QStringLiteral("LogGen"),
         sameNames({QStringLiteral("Callsign"), QStringLiteral("Data"), QStringLiteral("UTC"),
                    QStringLiteral("Etp"), QStringLiteral("Sent"), QStringLiteral("Rcvd"),
                    QStringLiteral("Md"), QStringLiteral("Jud"), QStringLiteral("Mult"),
                    QStringLiteral("Pct")}),
         QString(), QStringLiteral("ID")},
    };
    return maps;
}

const TableMap* TableMap::forTable(const QString& table) {
    for (const TableMap& m : all())
        if (m.targetTable == table)
            return &m;
    return nullptr;
}
