#include "platform/QtHelp.h"
#include "TempDataFolder.h"

#include <QDialog>
#include <QTest>
#include <QTextBrowser>

class QtHelpTest : public QObject {
    Q_OBJECT
private slots:
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

        help.open(100); // back to a page after a missing one
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Pagina unu.")));
    }

    void closedWindowIsShownAgain() {
        TempDataFolder dir;
        QtHelp help(dir.path());
        help.open(300);
        help.window()->close();
        help.open(300);
        QVERIFY(help.window()->isVisible());
    }
};

QTEST_MAIN(QtHelpTest)
#include "QtHelpTest.moc"
