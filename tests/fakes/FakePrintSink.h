#pragma once

#include "base/seams/PrintSink.h"

#include <QList>
#include <QStringList>

// Records a print job: each event as one readable entry, and the text placed on each page's lines.
class FakePrintSink : public PrintSink {
public:
    struct Cell {
        int column;
        QString text;
    };
    using Line = QList<Cell>;
    using Page = QList<Line>;

    bool begin(const QString& documentName) override;
    void setFont(const QString&, int, bool) override {}
    void textAt(int column, const QString& text) override;
    void newLine() override;
    void newPage() override;
    void picture(const QImage&) override { ++pictures; }
    QString end() override;
    void abort() override { aborted = true; }

    bool refuseBegin = false;
    bool ended = false;
    bool aborted = false;
    int pictures = 0;
    QList<Page> pages;

    /// The lines of page `n` as text, each cell placed at its column.
    QStringList pageText(qsizetype n) const;

private:
    Line m_line;
};
