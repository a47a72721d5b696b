#pragma once

#include "seams/PrintSink.h"

#include <QList>
#include <QStringList>

// Records a print job: each event as one readable entry, and the text placed on each page's lines.
class FakePrintSink : public PrintSink {
public:
    struct Cell {
        int column;
        QString text;
        QString font; // "Arial 10" or "Arial 10 bold"
    };
    using Line = QList<Cell>;
    using Page = QList<Line>;

    bool begin(const QString& documentName) override;
    void setFont(const QString& family, int pointSize, bool bold) override;
    void textAt(int column, const QString& text) override;
    void newLine() override;
    void newPage() override;
    QString end() override;

    bool refuseBegin = false;
    QString documentName;
    bool ended = false;
    QList<Page> pages;

    /// The lines of page `n` as text, each cell placed at its column.
    QStringList pageText(qsizetype n) const;

private:
    QString m_font;
    Line m_line;
};
