#include "ScreenHarness.h"

#include <QFileDialog>
#include <QPushButton>

// The log view's "Din loguri...": files chosen, counts shown, written only on Yes.
class LearnFromLogsTest : public QObject {
    Q_OBJECT
private slots:
    void learn_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("yes writes") << int(Dialogs::AnswerYes) << 4;
        QTest::newRow("no leaves it") << int(Dialogs::AnswerNo) << 0;
    }
    void learn() {
        QFETCH(int, answer);
        QFETCH(int, rows);
        ScreenHarness h;
        LogViewWindow* view = h.openLogView(1);
        QVERIFY(view);
        h.dialogs.script = {Dialogs::Answer(answer)};
        h.find<QPushButton>(view, "CmdLearnLogs")->click();
        auto* chooser = view->findChild<QFileDialog*>(QStringLiteral("LearnLogsChooser"));
        QVERIFY(chooser);
        chooser->setDirectory(QStringLiteral(VELT_SOURCE_DIR "/tests/data/pastlogs"));
        chooser->selectFile(QStringLiteral("\"cfr2021.log\" \"srx.adi\""));
        static_cast<QDialog*>(chooser)->accept(); // as the Open button does
        QCOMPARE(h.dialogs.texts().size(), 1);
        QVERIFY2(h.dialogs.texts()[0].startsWith(QStringLiteral("Inregistrari citite")),
                 qPrintable(h.dialogs.texts()[0]));
        QCOMPARE(h.callDb.scalar(QStringLiteral("SELECT count(*) FROM CallJud")).toInt(), rows);
    }
};

QTEST_MAIN(LearnFromLogsTest)
#include "LearnFromLogsTest.moc"
