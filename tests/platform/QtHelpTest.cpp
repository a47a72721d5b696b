#include "platform/QtHelp.h"
#include "TempDataFolder.h"

#include <QDialog>
#include <QTest>
#include <QTextBrowser>

class QtHelpTest : public QObject {
    Q_OBJECT
private slots:
    // Every topic a menu opens has a shipped page with content.
    void everyMenuTopicHasAPage_data() {
        QTest::addColumn<int>("topic");
        for (int topic = 100; topic <= 1300; topic += 100)
            QTest::addRow("%d", topic) << topic;
    }
    void everyMenuTopicHasAPage() {
        QFETCH(int, topic);
        QtHelp help(QStringLiteral(VELT_SOURCE_DIR "/data/help"));
        help.open(topic);
        auto* text = help.window()->findChild<QTextBrowser*>(QStringLiteral("TxtHelp"));
        QVERIFY(text);
        const QString shown = text->toPlainText();
        QVERIFY2(!shown.contains(QStringLiteral("lipseste")), qPrintable(shown.left(80)));
        QVERIFY2(shown.split(u' ', Qt::SkipEmptyParts).size() > 100, qPrintable(shown.left(80)));
    }

    void showsPagesInOneWindow() {
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("100.html"),
                          "<html><body><h1>Generalitati</h1><p>Pagina unu.</p></body></html>"));
        QtHelp help(dir.path());
        QVERIFY(!help.window());

        help.open(100);
        QDialog* window = help.window();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        auto* browser = window->findChild<QTextBrowser*>();
        QVERIFY(browser);
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Generalitati")));

        help.open(900);
        QCOMPARE(help.window(), window);
        QCOMPARE(browser->toPlainText(), QStringLiteral("Pagina de ajutor 900 lipseste."));
    }
};

QTEST_MAIN(QtHelpTest)
#include "QtHelpTest.moc"
