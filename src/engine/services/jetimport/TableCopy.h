#pragma once

#include "services/jetimport/ImportCounts.h"

class Database;
struct JetTable;
struct TableMap;

namespace TableCopy {

struct Result {
    bool ok = false;
    QString error; // Romanian, when not ok
    ImportCounts counts;
};

/// Appends `source`'s rows to `map.targetTable` of `target` by the column map, in one transaction:
/// every row or none. Callsigns in the key column are trimmed and upper-cased, and a callsign
/// already there keeps its row. Other values are copied as text, exactly.
Result copyRows(const JetTable& source, const TableMap& map, Database& target);

} // namespace TableCopy
