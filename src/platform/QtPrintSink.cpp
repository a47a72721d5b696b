#include "platform/QtPrintSink.h"

#include "base/SafeFile.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <algorithm>

QtPrintSink::QtPrintSink(QString dataFolder, QWidget* dialogParent, Target target)
    : m_dataFolder(std::move(dataFolder)), m_dialogParent(dialogParent), m_target(target),
      m_font(QStringLiteral("Courier New"), 10) {}

QtPrintSink::~QtPrintSink() {
    end();
}

QString QtPrintSink::pdfPathFor(const QString& documentName) const {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9 ._-]"));
    static const QRegularExpression leadingDots(QStringLiteral("^[. ]+"));
    QString base = documentName.simplified().replace(unsafe, QStringLiteral("_"));
    base.remove(leadingDots);
    base.truncate(100);
    if (base.isEmpty())
        base = QStringLiteral("document");
    return QDir(m_dataFolder).filePath(QStringLiteral("Log/") + base + QStringLiteral(".pdf"));
}

bool QtPrintSink::choosePrinter(const QString& documentName) {
    m_pdfPath.clear();
    if (m_target == Target::Auto && !QPrinterInfo::availablePrinters().isEmpty()) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(documentName);
        QPrintDialog dialog(m_printer.get(), m_dialogParent);
        m_device = m_printer.get();
        return dialog.exec() == QDialog::Accepted;
    }
    m_pdfPath = pdfPathFor(documentName);
    if (!QDir(m_dataFolder).mkpath(QStringLiteral("Log")))
        return false;
    // The PDF goes page by page to the safe writer's temporary file, which replaces the old file
    // only once complete: memory stays flat however long the log.
    m_pdfFile = std::make_unique<SafeFile>(m_pdfPath);
    if (!m_pdfFile->open())
        return false;
    m_pdf = std::make_unique<QPdfWriter>(m_pdfFile->device());
    m_pdf->setTitle(documentName);
    m_pdf->setPageSize(QPageSize(QPageSize::A4));
    m_device = m_pdf.get();
    return true;
}

bool QtPrintSink::begin(const QString& documentName) {
    end();
    m_top = 0;
    m_painter = std::make_unique<QPainter>();
    if (!choosePrinter(documentName) || !m_painter->begin(m_device)) {
        m_painter.reset();
        releaseDevice();
        return false;
    }
    m_painter->setFont(m_font);
    return true;
}

void QtPrintSink::releaseDevice() {
    m_device = nullptr;
    m_printer.reset();
    m_pdf.reset();
    m_pdfFile.reset();
}

void QtPrintSink::setFont(const QString& family, int pointSize, bool bold) {
    m_font = QFont(family, pointSize);
    m_font.setBold(bold);
    if (m_painter)
        m_painter->setFont(m_font);
}

int QtPrintSink::lineHeight() const {
    return m_painter->fontMetrics().lineSpacing();
}

void QtPrintSink::textAt(int column, const QString& text) {
    if (!m_painter)
        return;
    // Lines past the bottom of the page go on the next one.
    if (m_top > 0 && m_top + lineHeight() > m_painter->device()->height())
        newPage();
    const QFontMetrics metrics = m_painter->fontMetrics();
    const int x = (std::max(column, 1) - 1) * metrics.averageCharWidth();
    m_painter->drawText(x, m_top + metrics.ascent(), text);
}

void QtPrintSink::newLine() {
    if (m_painter)
        m_top += lineHeight();
}

void QtPrintSink::newPage() {
    if (!m_painter)
        return;
    m_device->newPage();
    m_top = 0;
}

void QtPrintSink::picture(const QImage& picture) {
    if (!m_painter || picture.isNull())
        return;
    const QSize page(m_painter->device()->width(), m_painter->device()->height());
    const QSize size = picture.size().scaled(page, Qt::KeepAspectRatio);
    if (m_top > 0 && m_top + size.height() > page.height())
        newPage();
    m_painter->drawImage(QRect(QPoint(0, m_top), size), picture);
    m_top += size.height();
}

void QtPrintSink::abort() {
    if (!m_painter)
        return;
    if (m_printer)
        m_printer->abort();
    m_painter->end();
    m_painter.reset();
    // The PDF made so far is a temporary file and goes with it.
    releaseDevice();
}

QString QtPrintSink::end() {
    if (!m_painter)
        return {};
    const bool drawn = m_painter->end();
    m_painter.reset();
    m_pdf.reset();
    if (m_pdfPath.isEmpty()) {
        releaseDevice();
        return {};
    }
    const QString file = QDir::toNativeSeparators(m_pdfPath);
    if (!drawn) {
        releaseDevice();
        return QStringLiteral("Fisierul PDF nu a putut fi scris: ") + file;
    }
    const Outcome<void> written = m_pdfFile->commit();
    releaseDevice();
    if (written)
        return QStringLiteral("Fisierul PDF a fost scris: ") + file;
    return written.error();
}
