#pragma once

#include "base/seams/PrintSink.h"

#include <QFont>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QWidget;
class SafeFile;

// Prints through Qt's print dialog, or into a PDF file in the data folder's "Log" folder when no
// printer is installed (or when PDF is asked for).
class QtPrintSink : public PrintSink {
public:
    enum class Target { Auto, Pdf };

    QtPrintSink(QString dataFolder, QWidget* dialogParent, Target target = Target::Auto);
    ~QtPrintSink() override;
    QtPrintSink(const QtPrintSink&) = delete;
    QtPrintSink& operator=(const QtPrintSink&) = delete;

    bool begin(const QString& documentName) override;
    void setFont(const QString& family, int pointSize, bool bold) override;
    void textAt(int column, const QString& text) override;
    void newLine() override;
    void newPage() override;
    void picture(const QImage& picture) override;
    QString end() override;
    void abort() override;

    /// The PDF file for a document name: sanitised, always inside the "Log" folder.
    QString pdfPathFor(const QString& documentName) const;

private:
    bool choosePrinter(const QString& documentName);
    void releaseDevice();
    int lineHeight() const;

    QString m_dataFolder;
    QWidget* m_dialogParent;
    Target m_target;
    QFont m_font;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<SafeFile> m_pdfFile;
    std::unique_ptr<QPdfWriter> m_pdf;
    QPagedPaintDevice* m_device = nullptr; // the printer or the PDF writer
    std::unique_ptr<QPainter> m_painter;
    QString m_pdfPath;
    int m_top = 0; // top of the current line, device pixels from the page's printable top
};
