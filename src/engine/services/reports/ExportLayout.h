#pragma once

#include "base/Outcome.h"
#include "store/LogRow.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

/// What an output file is made of: lines before the contacts, one line per contact, lines after.
struct ExportLayout {
    /// Gives the next contact in log order; false when there is none (or the walk must stop).
    using NextRow = std::function<bool(LogRow&)>;
    /// Takes one line of the file, or says why it could not be written.
    using PutLine = std::function<Outcome<void>(const QString&)>;

    QStringList head;
    /// The line of one contact, or why the contact cannot be written.
    std::function<Outcome<QString>(const LogRow&)> line;
    QStringList tail;
    bool tailNeedsRows = false; // the tail stands under contacts only (a closing rule)

    /// Puts the head; fails at the first line `put` refuses.
    [[nodiscard]] Outcome<void> putHead(const PutLine& put) const;
    /// Puts the line of `row`; fails when `put` refuses it or the row cannot be written.
    [[nodiscard]] Outcome<void> putRow(const LogRow& row, const PutLine& put) const;
    /// Puts the tail under `rows` contacts; fails at the first line `put` refuses.
    [[nodiscard]] Outcome<void> putTail(qint64 rows, const PutLine& put) const;
    /// Puts the head, the line of each contact `next` gives and the tail; fails at the first line
    /// `put` refuses or the first contact that cannot be written.
    [[nodiscard]] Outcome<void> write(const NextRow& next, const PutLine& put) const;
    /// The whole file for `rows` in log order (Windows-1250, CRLF), or the first failure.
    Outcome<QByteArray> bytesOf(const QList<LogRow>& rows) const;
    /// The Windows-1250 text file of `lines`, refused when a line holds a character the code page
    /// cannot hold (never replaced silently).
    static Outcome<QByteArray> textFile(const QStringList& lines);
};
