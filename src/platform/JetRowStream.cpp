#include "platform/JetRowStream.h"

#include <QStringDecoder>
#include <QtEndian>

namespace JetRowStream {

namespace {
constexpr QByteArrayView kMark("VELTJET1");
constexpr char kTables = 'L';
constexpr char kTable = 'T';
constexpr char kRefusal = 'E';
constexpr qsizetype kCountSize = 4;

void putCount(QByteArray& out, qsizetype n) {
    char bytes[kCountSize];
    qToBigEndian(static_cast<quint32>(n), bytes);
    out.append(bytes, kCountSize);
}

void putTexts(QByteArray& out, const QStringList& texts) {
    for (const QString& t : texts) {
        const QByteArray utf8 = t.toUtf8();
        putCount(out, utf8.size());
        out += utf8;
    }
}

QByteArray start(char kind) {
    QByteArray out(kMark.data(), kMark.size());
    out += kind;
    return out;
}

// Reads the stream front to back; every count is checked against the bytes left before use.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes) : m_bytes(bytes) {}
    qsizetype left() const { return m_bytes.size() - m_at; }
    std::optional<quint32> count() {
        if (left() < kCountSize)
            return std::nullopt;
        const auto n = qFromBigEndian<quint32>(m_bytes.constData() + m_at);
        m_at += kCountSize;
        return n;
    }
    std::optional<QString> text() {
        const std::optional<quint32> size = count();
        if (!size || *size > left())
            return std::nullopt;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString decoded = utf8(QByteArrayView(m_bytes).sliced(m_at, *size));
        if (utf8.hasError())
            return std::nullopt;
        m_at += *size;
        return decoded;
    }
    std::optional<QStringList> texts(quint64 n) {
        if (n > static_cast<quint64>(left() / kCountSize))
            return std::nullopt;
        QStringList out;
        out.reserve(static_cast<qsizetype>(n));
        for (quint64 i = 0; i < n; ++i) {
            std::optional<QString> t = text();
            if (!t)
                return std::nullopt;
            out << *t;
        }
        return out;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

std::optional<JetTable> parseTable(Cursor& in) {
    const std::optional<quint32> width = in.count();
    if (!width || *width == 0)
        return std::nullopt;
    JetTable t;
    const std::optional<QStringList> columns = in.texts(*width);
    const std::optional<quint32> height = in.count();
    if (!columns || !height || *height > static_cast<quint64>(in.left()) / (*width * kCountSize))
        return std::nullopt;
    t.columns = *columns;
    t.rows.reserve(*height);
    for (quint32 r = 0; r < *height; ++r) {
        std::optional<QStringList> row = in.texts(*width);
        if (!row)
            return std::nullopt;
        t.rows << *row;
    }
    return t;
}
} // namespace

QByteArray tables(const QStringList& names) {
    QByteArray out = start(kTables);
    putCount(out, names.size());
    putTexts(out, names);
    return out;
}

QByteArray table(const JetTable& table) {
    QByteArray out = start(kTable);
    putCount(out, table.columns.size());
    putTexts(out, table.columns);
    putCount(out, table.rows.size());
    for (const QStringList& row : table.rows)
        putTexts(out, row);
    return out;
}

QByteArray refusal(const QString& reason) {
    QByteArray out = start(kRefusal);
    putTexts(out, {reason});
    return out;
}

std::optional<Message> parse(const QByteArray& bytes) {
    if (!bytes.startsWith(kMark) || bytes.size() <= kMark.size())
        return std::nullopt;
    const QByteArray body = bytes.mid(kMark.size() + 1);
    Cursor in(body);
    Message m;
    bool whole = false;
    switch (bytes.at(kMark.size())) {
    case kTables: {
        m.kind = Message::Kind::Tables;
        const std::optional<quint32> n = in.count();
        const std::optional<QStringList> names = n ? in.texts(*n) : std::nullopt;
        whole = names.has_value();
        m.tables = names.value_or(QStringList());
        break;
    }
    case kTable: {
        m.kind = Message::Kind::Table;
        std::optional<JetTable> t = parseTable(in);
        whole = t.has_value();
        m.table = t.value_or(JetTable());
        break;
    }
    case kRefusal: {
        const std::optional<QString> reason = in.text();
        whole = reason.has_value() && !reason->isEmpty();
        m.reason = reason.value_or(QString());
        break;
    }
    default:
        break;
    }
    // A row too many is as wrong as one too few.
    if (!whole || in.left() != 0)
        return std::nullopt;
    return m;
}

} // namespace JetRowStream
