#include "platform/QtPrintSink.h"
#include "TempDataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>

namespace {
int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}
} // namespace

class QtPrintSinkTest : public QObject {
    Q_OBJECT
private slots:
    void pdfNameStaysInLogFolder_data() {
        QTest::addColumn<QString>("documentName");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("climbing out")
            << QStringLiteral("../../etc/passwd") << QStringLiteral("_.._etc_passwd.pdf");
        QTest::newRow("dots only") << QStringLiteral("..") << QStringLiteral("document.pdf");
        QTest::newRow("diacritics")
            << QStringLiteral(u"Ploie\u0219ti") << QStringLiteral("Ploie_ti.pdf");
    }
    void pdfNameStaysInLogFolder() {
        QFETCH(QString, documentName);
        QFETCH(QString, fileName);
        TempDataFolder dir;
        const QtPrintSink sink(dir.path(), nullptr, QtPrintSink::Target::Pdf);
        const QFileInfo pdf(sink.pdfPathFor(documentName));
        QCOMPARE(pdf.fileName(), fileName);
        QCOMPARE(QDir(pdf.absolutePath()), QDir(dir.file(QStringLiteral("Log"))));
    }

    void writesPdfPages_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("breakAfterFirst");
        QTest::addColumn<int>("pages");
        QTest::newRow("explicit new page") << 2 << true << 2;
        QTest::newRow("past the bottom") << 80 << false << 2;
    }
    void writesPdfPages() {
        QFETCH(int, lines);
        QFETCH(bool, breakAfterFirst);
        QFETCH(int, pages);
        TempDataFolder dir;
        // Without a printer the sink writes PDF by itself; with one, PDF is asked
        // for.
        const auto target = QPrinterInfo::availablePrinters().isEmpty() ? QtPrintSink::Target::Auto
                                                                        : QtPrintSink::Target::Pdf;
        QtPrintSink sink(dir.path(), nullptr, target);
        sink.setFont(QStringLiteral("Courier New"), 12, false);
        QVERIFY(sink.begin(QStringLiteral("LogVELT")));
        for (int i = 1; i <= lines; ++i) {
            sink.textAt(1, QString::number(i));
            sink.textAt(15, QStringLiteral("YO3ABC"));
            sink.newLine();
            if (i == 1 && breakAfterFirst)
                sink.newPage();
        }
        const QString file = dir.file(QStringLiteral("Log/LogVELT.pdf"));
        QCOMPARE(sink.end(),
                 QStringLiteral("Fisierul PDF a fost scris: ") + QDir::toNativeSeparators(file));
        const QByteArray pdf = dir.read(QStringLiteral("Log/LogVELT.pdf"));
        QCOMPARE(pdfPageCount(pdf), pages);
    }
};

QTEST_MAIN(QtPrintSinkTest)
#include "QtPrintSinkTest.moc"
