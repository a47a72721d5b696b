#include "ScreenHarness.h"

#include <QListWidget>
#include <QTableView>

// The partial check on the QSO screen, driven by keys and clicks.
class PartialCheckListTest : public QObject {
    Q_OBJECT

    static QString shown(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out.join(u'|');
    }

private slots:
    void typedChosenAndLogged() {
        ScreenHarness h;
        {
            Database calls(QStringLiteral("Known"));
            QCOMPARE(
                calls.open(h.folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                Database::OpenResult::Ok);
            QVERIFY(calls.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES ('YO5AAA', "
                                              "'CJ'), ('YO5ABC', 'CJ'), ('YO8XAB/P', 'IS')")));
            QVERIFY(calls.exec(QStringLiteral("INSERT INTO KnownCall VALUES ('YO5ABD')")));
        }
        h.openQso("OpBCNUS");
        auto* list = h.find<QListWidget>(h.qso.get(), "PartialCheck");
        QLineEdit* call = h.qsoBox("TxtIndic");
        call->setFocus();
        call->clear();
        h.type(QStringLiteral("A"));
        QCOMPARE(shown(list), QString());
        h.type(QStringLiteral("B"));
        QCOMPARE(shown(list), QStringLiteral("1 YO5ABC|2 YO5ABD|3 YO8XAB/P"));
        QVERIFY(list->item(1)->font().italic()); // known from a list only, without a county
        QVERIFY(!list->item(0)->font().italic());

        h.key(Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(call->text(), QStringLiteral("YO8XAB/P"));
        QCOMPARE(list->count(), 0);

        call->clear();
        h.typeContact(QStringLiteral("YO5ABC"), QStringLiteral("001"), QStringLiteral("CJ"));
        h.key(Qt::Key_Return);
        QCOMPARE(h.logRows().size(), 1);
        call->setFocus();
        call->clear();
        h.type(QStringLiteral("5A"));
        QCOMPARE(shown(list), QStringLiteral("1 YO5AAA|2 YO5ABC *|3 YO5ABD"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(call->text(), QStringLiteral("YO5ABC"));

        // The list follows Backspace, and the log as it stands: a deleted contact's mark goes,
        // a call logged by another program on the same file comes with its mark.
        h.key(Qt::Key_Backspace);
        QCOMPARE(shown(list), QStringLiteral("1 YO5ABC *|2 YO5ABD"));
        h.click(h.qso.get(), "Cmd1A"); // the grid shows the stage
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        grid->setFocus();
        grid->selectRow(0);
        h.dialogs.script = {Dialogs::AnswerYes};
        QTest::keyClick(grid, Qt::Key_Delete);
        QVERIFY(h.addContact("YO5AXY", "01.03.26", "12:06", 1, "CJ", "2")); // by another program
        call->setFocus();
        call->clear();
        h.type(QStringLiteral("5A"));
        QCOMPARE(shown(list), QStringLiteral("1 YO5AAA|2 YO5ABC|3 YO5ABD|4 YO5AXY *"));
    }

    // A list that cannot be loaded says why in its place, once, whatever is typed after.
    void failedLoadSaidOnce() {
        ScreenHarness h;
        {
            Database calls(QStringLiteral("Known"));
            QCOMPARE(
                calls.open(h.folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                Database::OpenResult::Ok);
            QVERIFY(calls.exec(QStringLiteral("DROP TABLE KnownCall")));
        }
        h.openQso("OpBCNUS");
        auto* list = h.find<QListWidget>(h.qso.get(), "PartialCheck");
        h.qsoBox("TxtIndic")->setFocus();
        h.type(QStringLiteral("AB"));
        QCOMPARE(shown(list), QStringLiteral("VERIFICAREA PARTIALA NU FUNCTIONEAZA: baza de date "
                                             "nu are structura pe care o cere programul"));
    }
};

QTEST_MAIN(PartialCheckListTest)
#include "PartialCheckListTest.moc"
