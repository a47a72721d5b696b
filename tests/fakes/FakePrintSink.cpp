#include "FakePrintSink.h"

bool FakePrintSink::begin(const QString&) {
    if (refuseBegin)
        return false;
    pages = {Page{}};
    return true;
}

void FakePrintSink::textAt(int column, const QString& text) {
    m_line.append({column, text});
}

void FakePrintSink::newLine() {
    pages.last().append(m_line);
    m_line.clear();
}

void FakePrintSink::newPage() {
    if (!m_line.isEmpty())
        newLine();
    pages.append(Page{});
}

QString FakePrintSink::end() {
    if (!m_line.isEmpty())
        newLine();
    ended = true;
    return QStringLiteral("printed");
}

QStringList FakePrintSink::pageText(qsizetype n) const {
    QStringList out;
    for (const Line& line : pages.value(n)) {
        QString text;
        for (const Cell& c : line)
            text = text.leftJustified(c.column - 1, u' ') + c.text;
        out << text;
    }
    return out;
}
