#pragma once

#include <QStringList>

/// The first and the last lines of a written file and how many it has: what the screen lists of
/// it, whatever its size.
class FileExcerpt {
public:
    static constexpr qsizetype kLinesAtEachEnd = 200;

    /// The excerpt of a small file held whole.
    static FileExcerpt of(const QStringList& lines);

    void add(const QString& line);
    const QStringList& head() const { return m_head; }
    const QStringList& tail() const { return m_tail; }
    /// The number of lines of the file.
    qint64 count() const { return m_count; }
    /// The number of lines between head() and tail() that are not kept.
    qint64 omitted() const { return m_count - m_head.size() - m_tail.size(); }

private:
    QStringList m_head;
    QStringList m_tail;
    qint64 m_count = 0;
};
