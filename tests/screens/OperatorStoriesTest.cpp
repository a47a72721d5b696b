#include "ScreenHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

// Sequences where the QSO screen's states combine: corrections, cancels, recoveries, stage
// switches and deletes, each checked against the log file afterwards.

namespace {
QLabel* label(ScreenHarness& h, const char* name) {
    return h.find<QLabel>(h.qso.get(), name);
}

bool logEnabled(ScreenHarness& h) {
    return h.find<QPushButton>(h.qso.get(), "CmdEnterCall")->isEnabled();
}

// A contact typed as the operator types it: callsign (after the prefill), Space, code, county.
void typeContact(ScreenHarness& h, const QString& call, const QString& code,
                 const QString& county) {
    h.qsoBox("TxtIndic")->setFocus();
    h.type(call);
    h.key(Qt::Key_Space);
    h.qsoBox("TxtRSTR2")->setFocus();
    h.type(code);
    h.qsoBox("TxtRstR3")->setFocus();
    h.type(county);
}

void logContact(ScreenHarness& h, const QString& call, const QString& code, const QString& county) {
    typeContact(h, call, code, county);
    h.qsoBox("TxtIndic")->setFocus();
    h.key(Qt::Key_Return);
}

// The score labels of the current stage agree with the log itself.
void labelsMatchTheLog(ScreenHarness& h) {
    const QString stage = QString::number(h.state.stage);
    auto q = h.logDb.select(QStringLiteral("SELECT count(*), "
                                           "coalesce(sum(CAST(trim(Pct) AS INTEGER)), 0), "
                                           "coalesce(sum(length(trim(Mult)) > 0), 0) "
                                           "FROM LogGen WHERE Etp = ?"),
                            {stage});
    QVERIFY(q && q->next());
    QCOMPARE(label(h, "LblQSO")->text(), q->value(0).toString());
    QCOMPARE(label(h, "LblPkt")->text(), q->value(1).toString());
    QCOMPARE(label(h, "LblMlt")->text(), q->value(2).toString());
}

QStringList column(const QStringList& rows, int i) {
    QStringList out;
    for (const QString& r : rows)
        out << r.section(u'|', i, i);
    return out;
}
} // namespace

class OperatorStoriesTest : public QObject {
    Q_OBJECT
private slots:
    void recoveredCorrectionIsLoggedOnce() {
        ScreenHarness h;
        h.openQso("OpBTeleorman", QString(), "Cmd1A", "CmdCW");
        logContact(h, "5AAA", "011", "CJ");
        logContact(h, "6BBB", "012", "MS");
        const QStringList before = h.logRows();
        h.key(Qt::Key_F2, Qt::AltModifier);
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO6BBB"));
        h.click(h.qso.get(), "CmdAbbruchX");
        QCOMPARE(h.logRows(), before);
        h.trigger(h.qso.get(), "mnuRecup");
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO6BBB"));
        h.key(Qt::Key_Return);

        QCOMPARE(h.logRows(), before);
        labelsMatchTheLog(h);
        logContact(h, "7CCC", "013", "DJ");
        QCOMPARE(column(h.logRows(), 4), (QStringList{"599 001 BU", "599 002 BU", "599 003 BU"}));
    }

    void correctionOfAnotherStageStaysInIt() {
        ScreenHarness h;
        h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1B", "CmdCW");
        logContact(h, "5AAA", "011", "CJ");
        h.click(h.qso.get(), "Cmd1A");
        h.key(Qt::Key_F2, Qt::AltModifier);
        QVERIFY(label(h, "Lbl1B")->isVisible());
        QVERIFY(!label(h, "Lbl1A")->isVisible());
        h.qsoBox("TxtRstR3")->setFocus();
        h.qsoBox("TxtRstR3")->clear();
        h.type(QStringLiteral("MS"));
        h.qsoBox("TxtIndic")->setFocus();
        h.key(Qt::Key_Return);

        const QStringList rows = h.logRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(column(rows, 3), QStringList{"2"});
        QCOMPARE(column(rows, 7), QStringList{"MS"});
        QCOMPARE(label(h, "LblBand")->text(), QStringLiteral("1A"));
        labelsMatchTheLog(h);
        QCOMPARE(label(h, "LblQSO1")->text(), QStringLiteral("1")); // 1B, second row
        QVERIFY(label(h, "Lbl1A")->isVisible() && label(h, "Lbl1B")->isVisible());
        h.click(h.qso.get(), "Cmd1B");
        labelsMatchTheLog(h);
    }

    // Whatever enabled it, Enter stores nothing that may not be stored.
    void enterRefusesWhatItMayNotStore_data() {
        QTest::addColumn<QString>("story");
        QTest::newRow("callsign edited into a worked one") << "edited";
        QTest::newRow("Alt+F2 on an empty log") << "empty log";
        QTest::newRow("stage button in the middle of a contact") << "stage";
        QTest::newRow("mode button in the middle of a contact") << "mode";
    }
    void enterRefusesWhatItMayNotStore() {
        QFETCH(QString, story);
        ScreenHarness h;
        h.openQso("OpBCNUS");
        if (story != QLatin1String("empty log"))
            logContact(h, "5AAA", "011", "CJ");
        const QStringList before = h.logRows();
        h.dialogs.shown.clear();
        if (story == QLatin1String("edited")) {
            typeContact(h, "5AAB", "012", "CJ");
            h.qsoBox("TxtIndic")->setFocus();
            h.key(Qt::Key_Backspace);
            h.type(QStringLiteral("A"));
            QVERIFY(logEnabled(h));
        } else if (story == QLatin1String("empty log")) {
            h.key(Qt::Key_F2, Qt::AltModifier);
            QCOMPARE(h.dialogs.texts(), QStringList{"NU EXISTA NICI UN CONTACT DE CORECTAT !"});
            QVERIFY(!logEnabled(h));
        } else {
            typeContact(h, "6BBB", "012", "MS");
            h.click(h.qso.get(), story == QLatin1String("stage") ? "Cmd1B" : "CmdSSB");
            QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO"));
            QVERIFY(h.qsoBox("TxtRSTR2")->text().isEmpty());
            QVERIFY(h.qsoBox("TxtRstR3")->text().isEmpty());
            QVERIFY(!logEnabled(h));
        }
        h.qsoBox("TxtIndic")->setFocus();
        h.key(Qt::Key_Return);
        h.key(Qt::Key_F12);
        h.click(h.qso.get(), "CmdEnterCall");
        QCOMPARE(h.logRows(), before);
        labelsMatchTheLog(h);
    }

    void gridDeleteKeepsLabelAndSentSerialTogether() {
        ScreenHarness h;
        h.openQso("OpBTeleorman", QString(), "Cmd1A", "CmdCW");
        for (const char* call : {"5AAA", "5BBB", "5CCC"})
            logContact(h, QString::fromLatin1(call), "011", "CJ");
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        grid->setFocus();
        grid->selectRow(2);
        h.dialogs.script = {Dialogs::AnswerYes};
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(label(h, "LblContrInit")->text(), QStringLiteral("002"));
        QCOMPARE(h.qsoBox("TxtRSTE2")->text(), QStringLiteral("003"));
        logContact(h, "5DDD", "011", "HR");
        QCOMPARE(column(h.logRows(), 4), (QStringList{"599 001 BU", "599 002 BU", "599 003 BU"}));
        labelsMatchTheLog(h);
    }

    // The club word typed as its first letter moves on like any county.
    void clubWordShortcutLogs_data() {
        QTest::addColumn<QByteArray>("contest");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("word");
        QTest::newRow("Ziua Telecom") << QByteArray("ObBTelecom") << "T"
                                      << "TLC";
        QTest::newRow("Cupa 25 Octombrie") << QByteArray("OpB25Oct") << "R"
                                           << "RVR";
    }
    void clubWordShortcutLogs() {
        QFETCH(QByteArray, contest);
        QFETCH(QString, letter);
        QFETCH(QString, word);
        ScreenHarness h;
        h.openQso(contest.constData(), QString(), "Cmd1A", "CmdCW");
        typeContact(h, "9XYZ", "005", letter); // not in the callsign database
        QCOMPARE(h.qsoBox("TxtRstR3")->text(), word);
        QVERIFY(label(h, "LblNeu")->isVisible());
        QVERIFY(logEnabled(h));
        QCOMPARE(h.focused(), h.qsoBox("TxtIndic"));
        h.key(Qt::Key_Return);
        QCOMPARE(column(h.logRows(), 7), QStringList{word});
    }

    void receivedSerialIsPadded_data() {
        QTest::addColumn<QByteArray>("contest");
        QTest::newRow("Memorial YO") << QByteArray("OpbMemorialYO");
        QTest::newRow("Cupa Valdora") << QByteArray("OpbValdora");
    }
    void receivedSerialIsPadded() {
        QFETCH(QByteArray, contest);
        ScreenHarness h;
        h.openQso(contest.constData(), QString(), nullptr, "CmdCW");
        h.qsoBox("TxtIndic")->setText(QStringLiteral("YO5ABC"));
        h.qsoBox("TxtIndic")->setFocus();
        h.key(Qt::Key_Space);
        h.qsoBox("TxtRSTR2")->setFocus();
        h.type(QStringLiteral("1"));
        h.key(Qt::Key_Space);
        QCOMPARE(h.qsoBox("TxtRSTR2")->text(), QStringLiteral("001"));
    }

    void twoProgramsNeverCorrectEachOthersContacts() {
        ScreenHarness first;
        first.openQso("OpBCNUS");
        logContact(first, "5AAA", "011", "CJ");
        ScreenHarness second(first, QStringLiteral("2"));
        second.openQso("OpBCNUS");
        logContact(second, "6BBB", "012", "MS");

        QApplication::setActiveWindow(first.qso.get());
        first.key(Qt::Key_F2, Qt::AltModifier);
        QCOMPARE(first.qsoBox("TxtIndic")->text(), QStringLiteral("YO5AAA"));
        first.qsoBox("TxtRstR3")->setFocus();
        first.qsoBox("TxtRstR3")->clear();
        first.type(QStringLiteral("HR"));
        first.qsoBox("TxtIndic")->setFocus();
        first.key(Qt::Key_Return);
        QCOMPARE(column(first.logRows(), 0), (QStringList{"YO5AAA", "YO6BBB"}));
        QCOMPARE(column(first.logRows(), 7), (QStringList{"HR", "MS"}));
    }

    void logViewDeletesOnlyFromTheGridShown() {
        ScreenHarness h;
        QVERIFY(h.openLogView(0));
        for (const char* call : {"YO5AAA", "YO5BBB"})
            QVERIFY(h.addContact(QString::fromLatin1(call), "01.03.26", "10:00", 1, "CJ", "2"));
        QVERIFY(h.callDb.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"),
                              {QStringLiteral("YO5ZZZ"), QStringLiteral("CJ")}));
        const QStringList before = h.logRows();
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        h.click(h.logView.get(), "OpBLG");
        auto* logGrid = h.find<QTableView>(h.logView.get(), "DBGrid1");
        logGrid->selectRow(1);
        h.click(h.logView.get(), "OpBCallJud");
        auto* callGrid = h.find<QTableView>(h.logView.get(), "DBGrid5");
        QVERIFY(callGrid->isVisible());
        callGrid->selectRow(0);
        h.dialogs.script = {Dialogs::AnswerYes};
        h.find<QRadioButton>(h.logView.get(), "OpBDelete")->click();

        QCOMPARE(h.logRows(), before);
        QCOMPARE(h.callDb.scalar(QStringLiteral("SELECT count(*) FROM CallJud")).toInt(), 1);
    }
};

QTEST_MAIN(OperatorStoriesTest)
#include "OperatorStoriesTest.moc"
