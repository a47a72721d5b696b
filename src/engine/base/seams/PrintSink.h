#pragma once

#include "base/Outcome.h"

#include <QString>

class QImage;

// A page printer driven line by line, in character columns.
class PrintSink {
public:
    virtual ~PrintSink() = default;
    /// Starts a document; false when the operator cancelled or nothing can print.
    virtual bool begin(const QString& documentName) = 0;
    virtual void setFont(const QString& family, int pointSize, bool bold) = 0;
    /// Writes text starting at character column `column` (1-based) of the current line.
    virtual void textAt(int column, const QString& text) = 0;
    virtual void newLine() = 0;
    virtual void newPage() = 0;
    /// Draws `picture` across the page's width below the current line, on a new page when it
    /// does not fit.
    virtual void picture(const QImage& picture) = 0;
    /// Ends the document; returns a note for the operator (for example the PDF file written).
    virtual QString end() = 0;
    /// Drops the document begun: nothing more is printed, no file is left.
    virtual void abort() = 0;
};

/// Starts a document on `sink`, or says that printing cannot start.
inline Outcome<void> startDocument(PrintSink& sink, const QString& documentName) {
    if (sink.begin(documentName))
        return {};
    return Failure{QStringLiteral("TIPARIREA NU A PUTUT INCEPE !")};
}
