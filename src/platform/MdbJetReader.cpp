#include "platform/MdbJetReader.h"

#include "services/jetimport/JetSignature.h"

#include <QFile>
#include <algorithm>
#include <mdbtools.h>
#include <vector>

struct MdbJetReader::Handle {
    explicit Handle(MdbHandle* handle) : mdb(handle) {}
    ~Handle() { mdb_close(mdb); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    MdbHandle* mdb;
};

namespace {
constexpr quint32 kCatalogPage = 2;
constexpr quint32 kSystemFlags = 0x80000002;

// libmdb reads Jet 3 text as Windows-1252 and follows the MDBICONV variable for what it hands
// out; both are fixed here so that the text comes out as UTF-8 whatever the environment says.
void fixTextEncoding(MdbHandle* mdb) {
    const char* stored = IS_JET3(mdb) ? "CP1250" : "UCS-2LE";
    mdb_iconv_close(mdb);
    mdb->iconv_in = iconv_open("UTF-8", stored);
    mdb->iconv_out = iconv_open(stored, "UTF-8");
}

// The rows of the table starting at `page`, only the columns named in `wanted` (all when it is
// empty). A damaged file is refused: fewer rows than the table counts (pages missing), a column
// listed twice, or a value longer than the buffer it was bound to.
std::optional<JetTable> readRows(MdbHandle* mdb, const QString& name, quint32 page,
                                 const QStringList& wanted) {
    MdbCatalogEntry entry{};
    entry.mdb = mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = page;
    qstrncpy(entry.object_name, name.toUtf8().constData(), sizeof entry.object_name);
    MdbTableDef* def = mdb_read_table(&entry);
    if (!def || !mdb_read_columns(def) || !def->columns || def->columns->len != def->num_cols) {
        mdb_free_tabledef(def);
        return std::nullopt;
    }
    JetTable out;
    std::vector<std::vector<char>> values;
    std::vector<int> lengths(def->num_cols, 0);
    values.reserve(def->num_cols);
    bool sound = true;
    for (unsigned int c = 0; c < def->num_cols && sound; ++c) {
        const QString column =
            QString::fromUtf8(static_cast<MdbColumn*>(g_ptr_array_index(def->columns, c))->name);
        if (!wanted.isEmpty() && !wanted.contains(column))
            continue;
        sound = !out.columns.contains(column);
        out.columns << column;
        values.emplace_back(mdb->bind_size + 1);
        mdb_bind_column(def, static_cast<int>(c) + 1, values.back().data(),
                        &lengths[out.columns.size() - 1]);
    }
    if (sound)
        mdb_rewind_table(def);
    while (sound && mdb_fetch_row(def)) {
        QStringList row;
        for (size_t c = 0; c < values.size() && sound; ++c) {
            sound = lengths[c] >= 0 && static_cast<size_t>(lengths[c]) <= mdb->bind_size;
            if (sound)
                row << QString::fromUtf8(values[c].data(), lengths[c]);
        }
        out.rows << row;
    }
    sound = sound && static_cast<unsigned int>(out.rows.size()) == def->num_rows;
    mdb_free_tabledef(def);
    if (!sound)
        return std::nullopt;
    return out;
}

// A number of the catalogue (an empty value is a null one), or nullopt when the text is none.
std::optional<qint64> number(const QString& text) {
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok ? std::optional(n) : std::nullopt;
}
} // namespace

MdbJetReader::MdbJetReader() = default;
MdbJetReader::~MdbJetReader() = default;

void MdbJetReader::close() {
    m_handle.reset();
    m_tables.clear();
}

Outcome<void> MdbJetReader::open(const QString& path) {
    close();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("fisierul nu poate fi citit")};
    const int page = JetSignature::pageSize(f.read(JetSignature::kHeadSize));
    if (page == 0)
        return Failure{QStringLiteral("fisierul nu este o baza de date Jet (.mdb)")};
    // A Jet file is made of whole pages; anything else was cut short, and libmdb would read
    // whatever follows the end as rows.
    if (f.size() < qint64{2} * page || f.size() % page != 0)
        return Failure{QStringLiteral("fisierul este incomplet (trunchiat)")};
    const auto pages = static_cast<quint64>(f.size() / page);
    f.close();
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        return Failure{QStringLiteral("fisierul nu poate fi deschis ca baza de date Jet")};
    m_handle = std::make_unique<Handle>(mdb);
    fixTextEncoding(mdb);
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb);
    // The catalogue is read here rather than by mdb_read_catalog(), whose parsing of the
    // objects' properties runs without end on some damaged files.
    const QStringList wanted{QStringLiteral("Id"), QStringLiteral("Name"), QStringLiteral("Type"),
                             QStringLiteral("Flags")};
    const auto catalog = readRows(mdb, QStringLiteral("MSysObjects"), kCatalogPage, wanted);
    if (!catalog || catalog->columns.size() != wanted.size() ||
        !std::all_of(wanted.begin(), wanted.end(),
                     [&](const QString& w) { return catalog->columns.contains(w); }))
        return damagedCatalogue();
    const qsizetype idAt = catalog->columns.indexOf(wanted[0]);
    const qsizetype nameAt = catalog->columns.indexOf(wanted[1]);
    const qsizetype typeAt = catalog->columns.indexOf(wanted[2]);
    const qsizetype flagsAt = catalog->columns.indexOf(wanted[3]);
    for (const QStringList& row : catalog->rows) {
        const auto type = number(row.at(typeAt));
        if (!type)
            return damagedCatalogue();
        if ((*type & 0x7F) != MDB_TABLE)
            continue;
        const auto flags = number(row.at(flagsAt));
        const auto id = number(row.at(idAt));
        // A table's first page lies inside the file; anything else is damage.
        const quint32 first = id ? static_cast<quint32>(*id) & 0x00FFFFFF : 0;
        if (!flags || first < kCatalogPage || first >= pages || row.at(nameAt).isEmpty())
            return damagedCatalogue();
        if ((static_cast<quint32>(*flags) & kSystemFlags) == 0)
            m_tables.append({row.at(nameAt), first});
    }
    return {};
}

Failure MdbJetReader::damagedCatalogue() {
    close();
    return {QStringLiteral("fisierul este deteriorat (lista tabelelor nu poate fi citita)")};
}

QStringList MdbJetReader::tables() const {
    QStringList names;
    for (const auto& t : m_tables)
        names << t.first;
    return names;
}

Outcome<JetTable> MdbJetReader::read(const QString& table) {
    for (const auto& [name, page] : std::as_const(m_tables)) {
        if (name.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        if (auto rows = readRows(m_handle->mdb, name, page, {}))
            return *std::move(rows);
        break;
    }
    return Failure{QStringLiteral("tabela %1 lipseste sau este deteriorata").arg(table)};
}
