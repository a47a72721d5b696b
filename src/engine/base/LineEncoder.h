#pragma once

#include "base/Outcome.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The lines of a text file on their way to its bytes: each is checked for the code page, encoded
// (Windows-1250) and ended by CRLF, and the bytes are handed on in blocks, so that a large file is
// never held whole.
class LineEncoder {
public:
    /// Takes a block of bytes, or says why it could not be written.
    using Output = std::function<Outcome<void>(const QByteArray&)>;

    explicit LineEncoder(Output out) : m_out(std::move(out)) {}

    /// Adds one line; refused when the code page cannot hold it, or failed with the output.
    [[nodiscard]] Outcome<void> add(const QString& line);
    /// Hands on the bytes still held.
    [[nodiscard]] Outcome<void> finish();

private:
    Output m_out;
    QString m_block;
    qint64 m_lines = 0;
};
