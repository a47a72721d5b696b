#include "ScreenHarness.h"

#include <QListWidget>

// The partial check on the QSO screen when its list cannot be loaded.
class PartialCheckListTest : public QObject {
    Q_OBJECT

    static QString shown(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out.join(u'|');
    }

private slots:
    // A list that cannot be loaded says why in its place, once, whatever is typed after.
    void failedLoadSaidOnce() {
        ScreenHarness h;
        {
            Database calls(QStringLiteral("Known"));
            QVERIFY(
                calls.open(h.folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud"))
                    .ok());
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
