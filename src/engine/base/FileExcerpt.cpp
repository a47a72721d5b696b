#include "base/FileExcerpt.h"

FileExcerpt FileExcerpt::of(const QStringList& lines) {
    FileExcerpt e;
    for (const QString& line : lines)
        e.add(line);
    return e;
}

void FileExcerpt::add(const QString& line) {
    ++m_count;
    if (m_head.size() < kLinesAtEachEnd) {
        m_head << line;
        return;
    }
    if (m_tail.size() == kLinesAtEachEnd)
        m_tail.removeFirst();
    m_tail << line;
}
