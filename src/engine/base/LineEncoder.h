#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The lines of a text file on their way to its bytes: each is checked for the code page, encoded
// (Windows-1250) and ended by CRLF, and the bytes are handed on in blocks, so that a large file is
// never held whole.
class LineEncoder {
public:
    /// Takes a block of bytes; false when it could not be written.
    using Output = std::function<bool(const QByteArray&)>;

    explicit LineEncoder(Output out) : m_out(std::move(out)) {}

    /// Adds one line; false when the code page cannot hold it (error() says so) or the output
    /// failed.
    bool add(const QString& line);
    /// Hands on the bytes still held; false when the output failed.
    bool finish();
    /// The refusal of a line the code page cannot hold; empty otherwise.
    QString error() const { return m_error; }

private:
    Output m_out;
    QString m_block;
    qint64 m_lines = 0;
    QString m_error;
};
