#include "ScreenHarness.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

// The QSO screen as the operator types into it, and sequences where its states combine
// (corrections, cancels, recoveries, stage switches, deletes), checked against the log after.

namespace {
QLabel* label(ScreenHarness& h, const char* name) {
    return h.find<QLabel>(h.qso.get(), name);
}

bool logEnabled(ScreenHarness& h) {
    return h.find<QPushButton>(h.qso.get(), "CmdEnterCall")->isEnabled();
}

void logContact(ScreenHarness& h, const QString& call, const QString& code, const QString& county) {
    h.typeContact(call, code, county);
    h.qsoBox("TxtIndic")->setFocus();
    h.key(Qt::Key_Return);
}

// The score labels of the current stage agree with the log itself.
void labelsMatchTheLog(ScreenHarness& h) {
    const QString stage = QString::number(stageNumber(h.run.stage()));
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

class QsoWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The call area's county list, a Moldovan district marked with a star, the row logged.
    void wholeContactAsTheOperatorTypesIt_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("height"); // of the county list, pixels at 800 x 600
        QTest::addColumn<QString>("county");
        QTest::newRow("YO9") << "YO9XYZ" << 107 << "PH";
        QTest::newRow("YO4") << "YO4XYZ" << 80 << "GL";
        QTest::newRow("ER3") << "ER3XY" << 140 << "CL*";
    }
    void wholeContactAsTheOperatorTypesIt() {
        QFETCH(QString, call);
        QFETCH(int, height);
        QFETCH(QString, county);
        ScreenHarness h;
        h.openQso("OpBCNUS");
        h.qsoBox("TxtIndic")->clear();
        h.type(call.toLower());
        h.key(Qt::Key_Space);
        QCOMPARE(h.qsoBox("TxtEroare")->text(),
                 call + QStringLiteral("   NU EXISTA IN BAZA DE DATE !!"));
        auto* list = h.find<QListWidget>(h.qso.get(), "list1");
        QVERIFY(list->isVisible());
        QCOMPARE(list->height(), height);
        QCOMPARE(h.focused(), h.qsoBox("TxtRSTR2"));
        h.type(QStringLiteral("123"));
        h.type(county.left(2).toLower());
        QCOMPARE(h.qsoBox("TxtRstR3")->text(), county);
        QCOMPARE(h.focused(), h.qsoBox("TxtIndic"));
        QVERIFY(label(h, "LblNeu")->isVisible());
        h.key(Qt::Key_Return);

        QCOMPARE(h.logRows(), QStringList{call + "|01.03.26|12:05|1|599 312 BU|599 123 " + county +
                                          "|CW|" + county + u'|' + county + "|2"});
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO"));
        QVERIFY(h.qsoBox("TxtRstR3")->text().isEmpty());
        labelsMatchTheLog(h);
        QVERIFY(!logEnabled(h));
    }

    // Each stage shows its own rows and multipliers; the band labels rotate with it.
    void stageButtonsFollowTheLog() {
        ScreenHarness h;
        h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1A");
        logContact(h, "2AAA", "011", "TM");
        h.click(h.qso.get(), "Cmd1B");
        logContact(h, "5CCC", "012", "CJ");
        logContact(h, "5DDD", "013", "CJ"); // no multiplier the second time
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        QCOMPARE(grid->model()->rowCount(), 2);
        const auto grey = [&](const char* code) {
            return h.rgb(label(h, (QByteArray("Lbl") + code).constData())) == 0xC0C0C0;
        };
        QVERIFY(grey("CJ"));
        QVERIFY(!grey("TM")); // a multiplier of 1A
        QCOMPARE(label(h, "LblBand")->text(), QStringLiteral("1B"));
        labelsMatchTheLog(h);
        h.click(h.qso.get(), "Cmd2B");
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(label(h, "LblBand3")->text(), QStringLiteral("2A"));
        QVERIFY(!grey("CJ"));
    }

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

    // Whatever enabled it, Enter stores nothing that may not be stored.
    void enterRefusesWhatItMayNotStore_data() {
        QTest::addColumn<QString>("story");
        QTest::newRow("callsign edited into a worked one") << "edited";
        QTest::newRow("stage button in the middle of a contact") << "stage";
    }
    void enterRefusesWhatItMayNotStore() {
        QFETCH(QString, story);
        ScreenHarness h;
        h.openQso("OpBCNUS");
        logContact(h, "5AAA", "011", "CJ");
        const QStringList before = h.logRows();
        if (story == QLatin1String("edited")) {
            h.typeContact("5AAB", "012", "CJ");
            h.qsoBox("TxtIndic")->setFocus();
            h.key(Qt::Key_Backspace);
            h.type(QStringLiteral("A"));
            QVERIFY(logEnabled(h));
        } else {
            h.typeContact("6BBB", "012", "MS");
            h.click(h.qso.get(), "Cmd1B");
            QVERIFY(!logEnabled(h));
        }
        h.qsoBox("TxtIndic")->setFocus();
        h.key(Qt::Key_Return);
        h.key(Qt::Key_F12);
        h.click(h.qso.get(), "CmdEnterCall");
        QCOMPARE(h.logRows(), before);
        labelsMatchTheLog(h);
    }

    // Asked first; once deleted, the label follows the log, and the serial the deleted contact
    // was sent is never sent again.
    void gridDeleteKeepsLabelAndSentSerialTogether() {
        ScreenHarness h;
        h.openQso("OpBTeleorman", QString(), "Cmd1A", "CmdCW");
        for (const char* call : {"5AAA", "5BBB", "5CCC"})
            logContact(h, QString::fromLatin1(call), "011", "CJ");
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        grid->setFocus();
        grid->selectRow(2);
        h.dialogs.script = {Dialogs::AnswerNo};
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(h.logRows().size(), 3);
        QCOMPARE(h.dialogs.shown.last().text, // names the contact
                 QStringLiteral("VRETI INTRADEVAR SA STERGETI CONTACTUL CU YO5CCC DE LA 12:05 UTC "
                                "DIN ETAPA 1A ?"));
        h.dialogs.script = {Dialogs::AnswerYes};
        grid->selectRow(2);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(label(h, "LblContrInit")->text(), QStringLiteral("002"));
        QCOMPARE(h.qsoBox("TxtRSTE2")->text(), QStringLiteral("004"));
        logContact(h, "5DDD", "011", "HR");
        QCOMPARE(column(h.logRows(), 4), (QStringList{"599 001 BU", "599 002 BU", "599 004 BU"}));
        labelsMatchTheLog(h);
    }

    // The log window reads a stage 100 rows at a time; scrolled to its top it adds the page before.
    void logWindowPagesAtItsTop_data() {
        QTest::addColumn<int>("logged");
        QTest::newRow("one page") << 100;
        QTest::newRow("one row more") << 101;
    }
    void logWindowPagesAtItsTop() {
        QFETCH(int, logged);
        ScreenHarness h;
        h.openQso("OpBTeleorman", QString(), "Cmd1A", "CmdCW");
        QVERIFY(h.logDb
                    .exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i "
                          "< ?) INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, "
                          "Mult, Pct) SELECT 'YO5A' || i, '01.03.26', '12:00', '1', '599 001 BU', "
                          "'599 001 CJ', 'CW', 'CJ', '  ', '2' FROM n",
                          {logged})
                    .ok());
        h.click(h.qso.get(), "Cmd1B");
        h.click(h.qso.get(), "Cmd1A");
        auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
        QCOMPARE(grid->model()->rowCount(), 100);
        grid->verticalScrollBar()->setValue(0);
        QCOMPARE(grid->model()->rowCount(), logged);
    }

    // A one-stage contest shows no stage it does not have.
    void oneStageContestShowsOnlyItsStage() {
        ScreenHarness h;
        h.openQso("OpbMemorialYO", QString(), nullptr, "CmdCW");
        QCOMPARE(h.run.stage(), Stage::A1);
        for (const char* other : {"Cmd1B", "Cmd2A", "Cmd2B", "Lbl1B", "Lbl2A", "Lbl2B"})
            QVERIFY2(!h.find<QWidget>(h.qso.get(), other)->isVisible(), other);
    }
};

QTEST_MAIN(QsoWindowTest)
#include "QsoWindowTest.moc"
