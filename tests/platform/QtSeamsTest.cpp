#include "TempDataFolder.h"
#include "platform/QtHelp.h"
#include "platform/QtKeyLine.h"
#include "platform/QtPrintSink.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

// The Qt side of the seams: one case per way the operator's machine can let them down.
class QtSeamsTest : public QObject {
    Q_OBJECT
private slots:
    // A COMn link in the data folder names the device of that port only; one to an absent
    // device opens nothing.
    void keyLineDevice() {
        TempDataFolder dir;
        QtKeyLine line(dir.path());
        QCOMPARE(line.deviceFor(0), QString());
        QCOMPARE(line.deviceFor(3), QStringLiteral("/dev/ttyS2"));
        QVERIFY(QFile::link(QStringLiteral("/dev/ttyUSB0"), dir.file(QStringLiteral("COM3"))));
        QCOMPARE(line.deviceFor(3), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(line.deviceFor(4), QStringLiteral("/dev/ttyS3"));
        QVERIFY(QFile::link(dir.file(QStringLiteral("absent/ttyUSB9")),
                            dir.file(QStringLiteral("COM5"))));
        QVERIFY(!line.open(5));
        QVERIFY(!line.isOpen());
        line.setDtr(true); // ignored while closed
    }

    void pdfNameStaysInLogFolder() {
        TempDataFolder dir;
        const QtPrintSink sink(dir.path(), nullptr, QtPrintSink::Target::Pdf);
        const QFileInfo pdf(sink.pdfPathFor(QStringLiteral("../../etc/passwd")));
        QCOMPARE(pdf.fileName(), QStringLiteral("_.._etc_passwd.pdf"));
        QCOMPARE(QDir(pdf.absolutePath()), QDir(dir.file(QStringLiteral("Log"))));
    }

    // Without a printer the sink writes PDF by itself; with one, PDF is asked for.
    void writesPdfPages() {
        TempDataFolder dir;
        const auto target = QPrinterInfo::availablePrinters().isEmpty() ? QtPrintSink::Target::Auto
                                                                        : QtPrintSink::Target::Pdf;
        QtPrintSink sink(dir.path(), nullptr, target);
        sink.setFont(QStringLiteral("Courier New"), 12, false);
        QVERIFY(sink.begin(QStringLiteral("LogVELT")));
        for (int i = 1; i <= 80; ++i) {
            sink.textAt(15, QStringLiteral("YO3ABC %1").arg(i));
            sink.newLine();
            if (i == 1)
                sink.newPage();
        }
        const QString file = dir.file(QStringLiteral("Log/LogVELT.pdf"));
        QVERIFY(!QFileInfo::exists(file)); // whole or not at all
        QCOMPARE(sink.end(),
                 QStringLiteral("Fisierul PDF a fost scris: ") + QDir::toNativeSeparators(file));
        // An explicit new page after the first line, and one more past the bottom.
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        const QByteArray written = dir.read(QStringLiteral("Log/LogVELT.pdf"));
        QCOMPARE(QString::fromLatin1(written).count(page), 3);
        // An abandoned print leaves the previous file and no part of its own.
        QVERIFY(sink.begin(QStringLiteral("LogVELT")));
        sink.textAt(15, QStringLiteral("YO3XYZ"));
        sink.abort();
        QCOMPARE(dir.read(QStringLiteral("Log/LogVELT.pdf")), written);
        QCOMPARE(QDir(dir.file(QStringLiteral("Log"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("LogVELT.pdf")});
    }

    // Every topic a menu opens has a shipped page with content, all in one window.
    void helpPagesShareOneWindow() {
        QtHelp help(QStringLiteral(VELT_SOURCE_DIR "/data/help"));
        help.open(100);
        QDialog* window = help.window();
        QVERIFY(window && window->isVisible() && !window->isModal());
        auto* text = window->findChild<QTextBrowser*>(QStringLiteral("TxtHelp"));
        QVERIFY(text);
        for (int topic = 100; topic <= 1300; topic += 100) {
            help.open(topic);
            QVERIFY2(text->toPlainText().split(u' ', Qt::SkipEmptyParts).size() > 100,
                     qPrintable(QString::number(topic)));
        }
        help.open(99);
        QCOMPARE(help.window(), window);
        QCOMPARE(text->toPlainText(), QStringLiteral("Pagina de ajutor 99 lipseste."));
    }
};

QTEST_MAIN(QtSeamsTest)
#include "QtSeamsTest.moc"
