#include "ScreenHarness.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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

QRgb back(QWidget* w) {
    return w->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
}
} // namespace

class FrmQSOTest : public QObject {
    Q_OBJECT
private slots:
    void wholeContactAsTheOperatorTypesIt() {
        ScreenHarness h;
        h.openQso("OpBCNUS");
        h.type(QStringLiteral("9xyz"));
        h.key(Qt::Key_Space);
        QCOMPARE(h.qsoBox("TxtEroare")->text(),
                 QStringLiteral("YO9XYZ   NU EXISTA IN BAZA DE DATE !!"));
        QVERIFY(h.find<QListWidget>(h.qso.get(), "list1")->count() > 0);
        QCOMPARE(h.focused(), h.qsoBox("TxtRSTR2"));
        h.type(QStringLiteral("123"));
        h.type(QStringLiteral("ph"));
        QCOMPARE(h.focused(), h.qsoBox("TxtIndic"));
        QVERIFY(h.find<QLabel>(h.qso.get(), "LblNeu")->isVisible());
        h.key(Qt::Key_Return);

        QCOMPARE(h.logRows(),
                 QStringList{"YO9XYZ|01.03.26|12:05|1|599 312 BU|599 123 PH|CW|PH|PH|2"});
        QCOMPARE(h.qsoBox("TxtIndic")->text(), QStringLiteral("YO"));
        QVERIFY(h.qsoBox("TxtRstR3")->text().isEmpty());
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblQSO")->text(), QStringLiteral("1"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblMlt")->text(), QStringLiteral("1"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblPkt")->text(), QStringLiteral("2"));
        QCOMPARE(back(h.find<QLabel>(h.qso.get(), "LblPH")), QRgb(0xC0C0C0));
        QCOMPARE(h.find<QTableView>(h.qso.get(), "DBGrid1")->model()->rowCount(), 1);
        QVERIFY(!logEnabled(h));
    }

    void clubContestSerialsFollowAModeSwitch() {
        ScreenHarness h;
        h.openQso("OpB25Oct", QString(), "Cmd1A", "CmdSSB");
        for (const char* call : {"5AAA", "5BBB"}) {
            h.type(QString::fromLatin1(call));
            h.key(Qt::Key_Space);
            h.type(QStringLiteral("7"));
            h.key(Qt::Key_Space);        // the received code is padded to "007"
            h.type(QStringLiteral("R")); // the club word by its first letter, moving on
            h.key(Qt::Key_Return);
            if (QByteArray(call) == "5AAA")
                h.click(h.qso.get(), "CmdCW");
        }
        const QStringList rows = h.logRows();
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[0].contains(QStringLiteral("|59 001 BU|59 007 RVR|SSB|")),
                 qPrintable(rows[0]));
        QVERIFY2(rows[1].contains(QStringLiteral("|599 002 BU|599 007 RVR|CW|")),
                 qPrintable(rows[1]));
    }

    // The list of the call area's counties, and a Moldovan district marked with a star.
    void countyListOfTheCallArea_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("height");     // pixels at 800 x 600 (15 twips each)
        QTest::addColumn<QString>("county"); // as shown once typed
        QTest::newRow("YO4") << "YO4XYZ" << QStringList{"BR", "CT", "GL", "TL", "VN"} << 80 << "GL";
        QTest::newRow("ER3") << "ER3XY" << QStringList() << 140 << "CL*";
    }
    void countyListOfTheCallArea() {
        QFETCH(QString, call);
        QFETCH(QStringList, first);
        QFETCH(int, height);
        QFETCH(QString, county);
        ScreenHarness h;
        h.openQso("OpBCNUS");
        h.qsoBox("TxtIndic")->clear();
        h.type(call);
        h.key(Qt::Key_Space);
        auto* list = h.find<QListWidget>(h.qso.get(), "list1");
        QVERIFY(list->isVisible());
        QCOMPARE(list->height(), height);
        for (int i = 0; i < first.size(); ++i)
            QCOMPARE(list->item(i)->text(), first[i]);
        h.type(QStringLiteral("12"));
        h.key(Qt::Key_Space);
        h.qsoBox("TxtRstR3")->setFocus();
        h.type(county.left(2));
        QCOMPARE(h.qsoBox("TxtRstR3")->text(), county);
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
        QCOMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("YO5DDD"));
        const auto grey = [&](const char* code) {
            return back(label(h, (QByteArray("Lbl") + code).constData())) == 0xC0C0C0;
        };
        QVERIFY(grey("CJ"));
        QVERIFY(!grey("TM")); // a multiplier of 1A
        QCOMPARE(label(h, "LblBand")->text(), QStringLiteral("1B"));
        QCOMPARE(label(h, "LblQSO1")->text(), QStringLiteral("1")); // 1A
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
            typeContact(h, "5AAB", "012", "CJ");
            h.qsoBox("TxtIndic")->setFocus();
            h.key(Qt::Key_Backspace);
            h.type(QStringLiteral("A"));
            QVERIFY(logEnabled(h));
        } else {
            typeContact(h, "6BBB", "012", "MS");
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

    // Asked first; once deleted, the label and the next sent serial follow the log.
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
        h.dialogs.script = {Dialogs::AnswerYes};
        grid->selectRow(2);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(label(h, "LblContrInit")->text(), QStringLiteral("002"));
        QCOMPARE(h.qsoBox("TxtRSTE2")->text(), QStringLiteral("003"));
        logContact(h, "5DDD", "011", "HR");
        QCOMPARE(column(h.logRows(), 4), (QStringList{"599 001 BU", "599 002 BU", "599 003 BU"}));
        labelsMatchTheLog(h);
    }
};

QTEST_MAIN(FrmQSOTest)
#include "FrmQSOTest.moc"
