#include "platform/QtHelp.h"

#include <QApplication>
#include <QTest>
#include <QTextBrowser>

// Every topic a menu opens has a shipped page with content, and the help window shows it.
class HelpPagesTest : public QObject {
    Q_OBJECT
private slots:
    void everyMenuTopicHasAPage_data() {
        QTest::addColumn<int>("topic");
        for (int topic = 100; topic <= 1300; topic += 100)
            QTest::addRow("%d", topic) << topic;
    }
    void everyMenuTopicHasAPage() {
        QFETCH(int, topic);
        QtHelp help(QStringLiteral(VELT_SOURCE_DIR "/data/help"));
        help.open(topic);
        auto* text = qApp->findChild<QTextBrowser*>(QStringLiteral("TxtHelp"));
        if (!text) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if ((text = w->findChild<QTextBrowser*>(QStringLiteral("TxtHelp"))))
                    break;
        }
        QVERIFY(text);
        const QString shown = text->toPlainText();
        QVERIFY2(!shown.contains(QStringLiteral("lipseste")), qPrintable(shown.left(80)));
        QVERIFY2(shown.split(u' ', Qt::SkipEmptyParts).size() > 100, qPrintable(shown.left(80)));
    }
};

QTEST_MAIN(HelpPagesTest)
#include "HelpPagesTest.moc"
