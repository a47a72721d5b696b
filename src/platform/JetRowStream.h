#pragma once

#include "base/seams/JetReader.h"

#include <QByteArray>
#include <optional>

// What the child reading a Jet file hands its parent on stdout: a mark, a kind, then counts and
// texts, each text as its UTF-8 length (4 bytes, big-endian) and its bytes. The parent trusts none
// of it: anything short, long, miscounted or not UTF-8 is no message at all.
namespace JetRowStream {

struct Message {
    enum class Kind { Tables, Table, Refusal };
    Kind kind = Kind::Refusal;
    QStringList tables; // Tables
    JetTable table;     // Table
    QString reason;     // Refusal
};

QByteArray tables(const QStringList& names);
QByteArray table(const JetTable& table);
QByteArray refusal(const QString& reason);
/// The message `bytes` hold whole, or nullopt.
std::optional<Message> parse(const QByteArray& bytes);

} // namespace JetRowStream
