#include "ScreenHarness.h"
#include "refdata/CallsignDb.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {
const QString kNoContest =
    QStringLiteral("Precizati CONCURSUL in care se va lucra prin Click pe el !!");
const QString kNoMode =
    QStringLiteral("Precizati daca lucrati in concurs sau testati programul  !!");
const QByteArray kStation = "YO3ABC\r\n 2 \r\nBU\r\nSOAB\r\nION\r\n 1 \r\nBUCURESTI\r\nSTR X\r\n"
                            "TX\r\nRX\r\nA1\r\nA2\r\nA3\r\nA4\r\nYO3KAA\r\n";

void typeAndEnter(QLineEdit* box, const QString& typed) {
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}
} // namespace

class FrmInitTest : public QObject {
    Q_OBJECT
private slots:
    void ownCallFillsCountyAndSentCode_data() {
        QTest::addColumn<QByteArray>("contest");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<QString>("sentCode");
        auto row = [](const char* name, const char* contest, const char* typed, const char* county,
                      const char* focus, const char* sentCode) {
            QTest::newRow(name) << QByteArray(contest) << typed << county << QByteArray(focus)
                                << sentCode;
        };
        // SENT COD is hidden in Bucuresti: the focus stays in the own-call box.
        row("sector in Bucuresti", "OpbBucuresti", "yo3abc", "XD", "TxtMyCall", "3");
        row("unknown prefix", "OpBCNUS", "dlxab", "", "TxtMyBezirkA", "0");
        row("Ardel empties SENT COD", "OpBArdel", "yo5abc", "CJ", "txtContrInit", "");
    }
    void ownCallFillsCountyAndSentCode() {
        QFETCH(QByteArray, contest);
        QFETCH(QString, typed);
        QFETCH(QString, county);
        QFETCH(QByteArray, focus);
        QFETCH(QString, sentCode);
        ScreenHarness h;
        QVERIFY(h.start());
        h.clickContest(contest.constData());
        h.click(h.init.get(), "OpbTest");
        CallsignDb calls(h.callDb);
        QVERIFY(calls.add(QStringLiteral("YO5"), QStringLiteral("CJ")));
        QVERIFY(calls.add(QStringLiteral("YO3"), QStringLiteral("B4")));
        h.initBox("txtContrInit")->setText(QStringLiteral("123"));
        h.initBox("TxtMyBezirkA")->setText(QStringLiteral("GL"));

        typeAndEnter(h.initBox("TxtMyCall"), typed);

        QCOMPARE(h.initBox("TxtMyBezirkA")->text(), county);
        QLineEdit* errorLine = h.initBox("TxtEroare");
        QCOMPARE(errorLine->isVisible(), county.isEmpty()); // nothing found
        if (county.isEmpty()) {
            QCOMPARE(errorLine->text(), "  " + typed.toUpper() + " INEXISTENT IN BAZA DE DATE!!");
            QCOMPARE(errorLine->cursorPosition(), 0); // the callsign shows, not the tail
        }
        QCOMPARE(h.init->focusWidget(), h.initBox(focus.constData()));
        QCOMPARE(h.initBox("txtContrInit")->text(), sentCode);
    }

    void handOverChecksStopInOrder_data() {
        QTest::addColumn<QByteArray>("contest");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("sentCode");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("message"); // how the text starts
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<QString>("boxAfter");
        auto row = [](const char* name, const char* contest, const QString& county,
                      const char* code, const char* offset, const QString& message,
                      const char* focus, const QString& after) {
            QTest::newRow(name) << QByteArray(contest) << county << code << offset << message
                                << QByteArray(focus) << after;
        };
        row("short sent code", "OpBCpElevilor", "BU", "12", "2", "COMPLECTATI BOXUL SENT COD",
            "txtContrInit", "3");
        row("short zodiac", "OpBCpArges", "LE", "", "2", "COMPLECTATI BOXUL ZODIA", "TxtMyBezirkA",
            "");
        row("Bucuresti with BU", "OpbBucuresti", "BU", "", "2",
            "JUDET INEXISTENT ! INTRODUCETI XA....XF !", "TxtMyBezirkA", "");
        row("offset beyond any time zone", "OpBCNUS", "BU", "312", "99999",
            "DIFERENTA ORA YO - ORA UTC TREBUIE SA FIE UN NUMAR DE ORE INTRE -12 SI +14 !",
            "TxtTime", "99999");
        row("letter Windows-1250 cannot hold", "OpBCNUS", QString::fromUtf8("B\u00D1"), "312", "2",
            "Boxul JUDET PROPRIU contine caractere", "TxtMyBezirkA", QString::fromUtf8("B\u00D1"));
    }
    void handOverChecksStopInOrder() {
        QFETCH(QByteArray, contest);
        QFETCH(QString, county);
        QFETCH(QString, sentCode);
        QFETCH(QString, offset);
        QFETCH(QString, message);
        QFETCH(QByteArray, focus);
        QFETCH(QString, boxAfter);
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        QVERIFY(h.start());
        h.clickContest(contest.constData());
        h.click(h.init.get(), "OpbTest");
        h.initBox("TxtMyBezirkA")->setText(county);
        h.initBox("txtContrInit")->setText(sentCode);
        h.initBox("TxtTime")->setText(offset);
        h.dialogs.shown.clear();
        QFile::remove(h.folder.file(QStringLiteral("VELTInit.dat")));

        h.trigger(h.init.get(), "mnuQSOfahren");

        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY2(h.dialogs.shown[0].text.startsWith(message), qPrintable(h.dialogs.shown[0].text));
        QCOMPARE(h.init->focusWidget(), h.initBox(focus.constData()));
        QCOMPARE(h.initBox(focus.constData())->text(), boxAfter);
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("VELTInit.dat"))));
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("VELTTextCw.dat"))));
        QVERIFY(!h.qso->isVisible());
    }

    void handOverWritesBothFilesAndShowsQsoScreen() {
        ScreenHarness h;
        QVERIFY(h.start());
        h.clickContest("OpBCNUS");
        h.click(h.init.get(), "OpbConcurs");
        for (const auto& [box, text] : {std::pair{"TxtMyCall", "YO3ABC"},
                                        {"TxtTime", "2"},
                                        {"TxtMyBezirkA", "BU"},
                                        {"txtContrInit", "312"},
                                        {"TxtF1", "CQ \"TEST\", #1"},
                                        {"TxtF3", "TU #8"},
                                        {"TxtCP", "2"}})
            h.initBox(box)->setText(QLatin1String(text));

        h.trigger(h.init.get(), "mnuQSOfahren");

        QCOMPARE(h.dialogs.shown.size(), 1); // only the reminder to empty the log tables
        QCOMPARE(
            h.folder.read(QStringLiteral("VELTInit.dat")),
            QByteArray("YO3ABC\r\n2\r\nBU\r\n\r\n\r\n 0 \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
        QCOMPARE(h.folder.read(QStringLiteral("VELTTextCw.dat")),
                 QByteArray("CQ \"TEST\", #1\r\n\r\nTU #8\r\n\r\n\r\n\r\n\r\n 2 \r\n"));
        QVERIFY(h.qso->isVisible() && !h.init->isVisible());
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblContrInit")->text(), QStringLiteral("312"));
        QCOMPARE(h.state.startDate, QStringLiteral("01.03.26")); // 14:05 local, offset 2
        QCOMPARE(h.state.startTime, QStringLiteral("12:05"));
    }

    // One contest per kind of presentation.
    void contestChoicePresentsBothScreens_data() {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("sentCode"); // text of SENT COD, "-" when hidden
        QTest::addColumn<bool>("fourStages");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("mode");
        QTest::newRow("national") << QByteArray("OpBCNUS") << "3" << true << 0 << "00";
        QTest::newRow("SENT COD hidden") << QByteArray("OpbCaras") << "-" << false << 0 << "00";
        QTest::newRow("stage and SSB preset")
            << QByteArray("OpBMartisor") << "" << false << 1 << "SSB";
    }
    void contestChoicePresentsBothScreens() {
        QFETCH(QByteArray, control);
        QFETCH(QString, sentCode);
        QFETCH(bool, fourStages);
        QFETCH(int, stage);
        QFETCH(QString, mode);
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        QVERIFY(h.start());
        h.clickContest(control.constData());
        QLineEdit* code = h.initBox("txtContrInit");
        QCOMPARE(code->isVisible() ? code->text() : QStringLiteral("-"), sentCode);
        QCOMPARE(h.find<QPushButton>(h.qso.get(), "Cmd2B")->isVisibleTo(h.qso.get()), fourStages);
        QCOMPARE(h.state.stage, stage);
        QCOMPARE(h.state.qsoMode, mode);
    }

    void databaseTroubleAtStart_data() {
        QTest::addColumn<bool>("jetFile"); // false: no call database at all
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("autoStart");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<QString>("lastMessage"); // a part of the last text shown
        using D = Dialogs;
        // Started by AUTO the program says why and ends whatever the answer.
        QTest::newRow("missing, AUTO") << false << true << true << QList<int>{D::AnswerOk} << false
                                       << "Nu exista legatura cu serverul !";
        QTest::newRow("unreadable Jet file, Cancel")
            << true << false << false << QList<int>{D::AnswerCancel} << false
            << "nu poate fi citit: fisier deteriorat.";
        QTest::newRow("Jet file imported")
            << true << true << false << QList<int>{D::AnswerYes, D::AnswerOk} << true
            << "importate: 2, sarite: 0.";
    }
    void databaseTroubleAtStart() {
        QFETCH(bool, jetFile);
        QFETCH(bool, readable);
        QFETCH(bool, autoStart);
        QFETCH(QList<int>, answers);
        QFETCH(bool, goesOn);
        QFETCH(QString, lastMessage);
        ScreenHarness h(false);
        QVERIFY(h.folder.createDatabase(QStringLiteral("LogVELT.mdb")));
        QFile fixture(QStringLiteral(VELT_JET_FIXTURES "/jet4-plain.mdb"));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        const QByteArray jet = fixture.readAll();
        if (jetFile)
            QVERIFY(h.folder.write(QStringLiteral("DbsVELT.mdb"), jet));
        h.jet.opens = readable;
        h.jet.content.insert(QStringLiteral("CallJud"),
                             {{"ID", "Call", "Jud"}, {{"1", "yo3abc", "BU"}, {"2", "YO8A", "IS"}}});
        h.state.autoStart = autoStart;
        for (int a : answers)
            h.dialogs.script << Dialogs::Answer(a);

        QCOMPARE(h.start(), goesOn);

        QCOMPARE(h.dialogs.shown.size(), answers.size());
        QVERIFY2(h.dialogs.shown.last().text.contains(lastMessage),
                 qPrintable(h.dialogs.shown.last().text));
        // Nothing is made in place of a missing file; a Jet file is left as it was, or imported.
        if (!jetFile)
            QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("DbsVELT.mdb"))));
        else if (!goesOn)
            QCOMPARE(h.folder.read(QStringLiteral("DbsVELT.mdb")), jet);
        else
            QCOMPARE(h.callDb.scalar(QStringLiteral("SELECT count(*) FROM CallJud")), QVariant(2));
    }

    // The menus ask for a contest and a mode first; INPUT-LOG-OFF-LINE then takes a typed
    // start date, day first, and brings back the last valid one for a text that is none.
    void menusCheckFirstThenOffLineStart() {
        ScreenHarness h;
        QVERIFY(h.start());
        h.trigger(h.init.get(), "mnuLog");
        h.trigger(h.init.get(), "mnuQSOfahren");
        h.clickContest("OpBCarpati");
        h.trigger(h.init.get(), "mnuInpLog");
        h.trigger(h.init.get(), "mnuQSOfahren");
        QCOMPARE(h.dialogs.texts(), (QStringList{kNoContest, kNoContest, kNoMode, kNoMode}));
        QVERIFY(!h.qso->isVisible() && !h.state.offLineLog);

        h.click(h.init.get(), "OpbTest");
        h.trigger(h.init.get(), "mnuInpLog");
        QLineEdit* date = h.initBox("TxtSD");
        for (const char* typed : {"5.3.26", "ab"}) {
            typeAndEnter(date, QLatin1String(typed));
            QCOMPARE(date->text(), QStringLiteral("05.03.26"));
            QCOMPARE(h.state.startDate, QStringLiteral("05.03.26"));
            QCOMPARE(h.init->focusWidget(), h.initBox("TxtST"));
        }
        QSignalSpy logView(h.init.get(), &FrmInit::logViewRequested);
        h.trigger(h.init.get(), "mnuLog");
        QCOMPARE(logView.size(), 1);
    }
};

QTEST_MAIN(FrmInitTest)
#include "FrmInitTest.moc"
