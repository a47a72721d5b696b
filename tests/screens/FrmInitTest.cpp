#include "ScreenHarness.h"
#include "refdata/CallsignDb.h"
#include "setup/ContestCatalog.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace {
const QString kNoContest =
    QStringLiteral("Precizati CONCURSUL in care se va lucra prin Click pe el !!");
const QString kNoMode =
    QStringLiteral("Precizati daca lucrati in concurs sau testati programul  !!");
const QString kSentCode = QStringLiteral("COMPLECTATI BOXUL SENT COD");
const QByteArray kStation = "YO3ABC\r\n 2 \r\nBU\r\nSOAB\r\nION\r\n 1 \r\nBUCURESTI\r\nSTR X\r\n"
                            "TX\r\nRX\r\nA1\r\nA2\r\nA3\r\nA4\r\nYO3KAA\r\n";

const QString kNotFound = QStringLiteral(" INEXISTENT IN BAZA DE DATE!!");

// The value a box's Enter stores, by name.
QString stored(const AppState& s, const QByteArray& what) {
    if (what == "myJudet")
        return s.settings.myCounty;
    if (what == "startCode")
        return QString::number(s.startCode);
    if (what == "startDate")
        return s.startDate;
    if (what == "textF3")
        return s.settings.cwTexts[2];
    if (what == "comPort")
        return QString::number(s.settings.comPort);
    qFatal("no stored value %s", what.constData());
}

// Contest and SIMULARE chosen, the start boxes shown by "&INPUT-LOG-OFF-LINE".
void prepare(ScreenHarness& h, const char* contest) {
    QVERIFY(h.start());
    h.clickContest(contest);
    h.click(h.init.get(), "OpbTest");
    h.dialogs.shown.clear();
}

void enterOwnCall(ScreenHarness& h, const QString& typed) {
    QLineEdit* box = h.initBox("TxtMyCall");
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

// Stored prefixes: "YO" for every call without a longer one.
void fillCallJud(ScreenHarness& h) {
    CallsignDb calls(h.callDb);
    for (const auto& [call, jud] :
         {std::pair{"YO", "IS"}, {"YO5", "CJ"}, {"YO3", "B4"}, {"YO3KAA", "BU"}})
        QVERIFY(calls.add(QLatin1String(call), QLatin1String(jud)));
}
} // namespace

class FrmInitTest : public QObject {
    Q_OBJECT
private slots:
    void boxKeys_data() {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("focusAfter");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QByteArray>("what");
        QTest::addColumn<QString>("value");
        auto row = [](const char* name, const char* box, const char* typed, const char* shown,
                      const char* focus, const char* after, const char* what, const char* value) {
            QTest::newRow(name) << QByteArray(box) << typed << shown << QByteArray(focus) << after
                                << QByteArray(what) << value;
        };
        row("own county", "TxtMyBezirkA", "cj", "CJ", "txtContrInit", "CJ", "myJudet", "CJ");
        row("sent code", "txtContrInit", "12ab", "12AB", "TxtMyCall", "12AB", "startCode", "12");
        row("sent code without number", "txtContrInit", "ab", "AB", "TxtMyCall", "AB", "startCode",
            "0");
        row("start date", "TxtSD", "5.3.26", "5.3.26", "TxtST", "05.03.26", "startDate",
            "05.03.26");
        row("start date not a date", "TxtSD", "ab", "AB", "TxtST", "01.03.26", "startDate",
            "01.03.26");
        row("keyer text", "TxtF3", "cq #1", "CQ #1", "TxtF4", "CQ #1", "textF3", "CQ #1");
        row("port without number", "TxtCP", "ab", "ab", "TxtMyCall", "ab", "comPort", "0");
    }
    void boxKeys() {
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, focusAfter);
        QFETCH(QString, shownAfter);
        QFETCH(QByteArray, what);
        QFETCH(QString, value);
        ScreenHarness h;
        prepare(h, "OpBCNUS");
        h.trigger(h.init.get(), "mnuInpLog"); // today, 01.03.26, is the last valid date
        QLineEdit* edit = h.initBox(box.constData());
        edit->clear();
        edit->setFocus();

        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(edit->text(), shownAfter);
        QCOMPARE(h.init->focusWidget(), h.initBox(focusAfter.constData()));
        QCOMPARE(stored(h.state, what), value);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void ownCallLooksUpLongestPrefix_data() {
        QTest::addColumn<QByteArray>("contest");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("myCall");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("error"); // empty: the error line stays hidden
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<QString>("sentCode");
        auto row = [](const char* name, const char* contest, const char* typed, const char* myCall,
                      const char* county, const char* error, const char* focus,
                      const char* sentCode) {
            QTest::newRow(name) << QByteArray(contest) << typed << myCall << county << error
                                << QByteArray(focus) << sentCode;
        };
        row("longer prefix", "OpBCNUS", "yo5abc", "YO5ABC", "CJ", "", "txtContrInit", "5");
        // SENT COD is hidden in Bucuresti: the focus stays in the own-call box.
        row("sector in Bucuresti", "OpbBucuresti", "yo3abc", "YO3ABC", "XD", "", "TxtMyCall", "3");
        row("unknown prefix", "OpBCNUS", "dlxab", "DLXAB", "", "  DLXAB", "TxtMyBezirkA", "0");
        row("Ardel empties SENT COD", "OpBArdel", "yo5abc", "YO5ABC", "CJ", "", "txtContrInit", "");
        row("Elevilor gets the digit", "OpBCpElevilor", "yo5abc", "YO5ABC", "CJ", "",
            "txtContrInit", "5");
    }
    void ownCallLooksUpLongestPrefix() {
        QFETCH(QByteArray, contest);
        QFETCH(QString, typed);
        QFETCH(QString, myCall);
        QFETCH(QString, county);
        QFETCH(QString, error);
        QFETCH(QByteArray, focus);
        QFETCH(QString, sentCode);
        ScreenHarness h;
        prepare(h, contest.constData());
        fillCallJud(h);
        h.initBox("txtContrInit")->setText(QStringLiteral("123"));
        h.initBox("TxtMyBezirkA")->setText(QStringLiteral("GL"));

        enterOwnCall(h, typed);

        QCOMPARE(h.initBox("TxtMyCall")->text(), myCall);
        QCOMPARE(h.state.settings.myCall, myCall);
        QCOMPARE(h.state.lookupCall, myCall.trimmed());
        QCOMPARE(h.initBox("TxtMyBezirkA")->text(), county);
        QLineEdit* errorLine = h.initBox("TxtEroare");
        QCOMPARE(errorLine->isVisible(), !error.isEmpty());
        if (!error.isEmpty()) {
            QCOMPARE(errorLine->text(), error + kNotFound);
            QCOMPARE(errorLine->cursorPosition(), 0); // the callsign shows, not only the tail
        }
        QCOMPARE(h.init->focusWidget(), h.initBox(focus.constData()));
        QCOMPARE(h.initBox("txtContrInit")->text(), sentCode);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void keyerOptions() {
        ScreenHarness h;
        prepare(h, "OpBCNUS");
        auto* frameCw = h.find<QGroupBox>(h.init.get(), "FramTxtCw");
        auto* repeat = h.find<QCheckBox>(h.init.get(), "ChkCwRpt");
        h.click(h.init.get(), "OpbCwJ");
        QVERIFY(frameCw->isVisible() && repeat->isVisible());
        QVERIFY(h.state.cwPcFlag);
        QCOMPARE(h.init->focusWidget(), h.initBox("TxtF1"));

        h.click(h.init.get(), "ChkCwRpt");
        QVERIFY(h.state.cwRepeat);
        h.click(h.init.get(), "ChkCwRpt");
        QVERIFY(!h.state.cwRepeat);

        h.click(h.init.get(), "ChkCwRpt");
        h.click(h.init.get(), "OpbCwN");
        QVERIFY(!frameCw->isVisible() && !repeat->isVisible() && !repeat->isChecked());
        QVERIFY(!h.state.cwPcFlag && !h.state.cwRepeat);
        QCOMPARE(h.init->focusWidget(), h.initBox("TxtMyCall"));
    }

    void handOverChecksStopInOrder_data() {
        QTest::addColumn<QByteArray>("contest");
        QTest::addColumn<bool>("chooseMode");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("sentCode");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("no contest") << QByteArray() << false << "BU"
                                    << "312"
                                    << "2" << kNoContest << QByteArray() << "";
        QTest::newRow("mode not chosen") << QByteArray("OpBCNUS") << false << "BU"
                                         << "312"
                                         << "2" << kNoMode << QByteArray() << "";
        QTest::newRow("short sent code, Elevilor")
            << QByteArray("OpBCpElevilor") << true << "BU"
            << "12"
            << "2" << kSentCode << QByteArray("txtContrInit") << "3";
        QTest::newRow("short zodiac")
            << QByteArray("OpBCpArges") << true << "LE"
            << ""
            << "2"
            << "COMPLECTATI BOXUL ZODIA" << QByteArray("TxtMyBezirkA") << "";
        QTest::newRow("Bucuresti with BU")
            << QByteArray("OpbBucuresti") << true << "BU"
            << ""
            << "2"
            << "JUDET INEXISTENT ! INTRODUCETI XA....XF !" << QByteArray("TxtMyBezirkA") << "";
        QTest::newRow("offset beyond any time zone")
            << QByteArray("OpBCNUS") << true << "BU"
            << "312"
            << "99999"
            << "DIFERENTA ORA YO - ORA UTC TREBUIE SA FIE UN NUMAR DE ORE INTRE -12 SI +14 !"
            << QByteArray("TxtTime") << "99999";
        QTest::newRow("letter Windows-1250 cannot hold")
            << QByteArray("OpBCNUS") << true << QString::fromUtf8("B\u00D1") << "312"
            << "2"
            << "Boxul JUDET PROPRIU contine caractere care nu pot fi scrise in fisier "
               "(Windows-1250): \"\u00D1\". Inlocuiti-le si incercati din nou; nimic nu a fost "
               "scris."
            << QByteArray("TxtMyBezirkA") << QString::fromUtf8("B\u00D1");
    }
    void handOverChecksStopInOrder() {
        QFETCH(QByteArray, contest);
        QFETCH(bool, chooseMode);
        QFETCH(QString, county);
        QFETCH(QString, sentCode);
        QFETCH(QString, offset);
        QFETCH(QString, message);
        QFETCH(QByteArray, focus);
        QFETCH(QString, boxAfter);
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        QVERIFY(h.start());
        if (!contest.isEmpty())
            h.clickContest(contest.constData());
        if (chooseMode)
            h.click(h.init.get(), "OpbTest");
        h.initBox("TxtMyBezirkA")->setText(county);
        h.initBox("txtContrInit")->setText(sentCode);
        h.initBox("TxtTime")->setText(offset);
        h.dialogs.shown.clear();
        QFile::remove(h.folder.file(QStringLiteral("VELTInit.dat")));

        h.trigger(h.init.get(), "mnuQSOfahren");

        QCOMPARE(h.dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!focus.isEmpty()) {
            QCOMPARE(h.init->focusWidget(), h.initBox(focus.constData()));
            QCOMPARE(h.initBox(focus.constData())->text(), boxAfter);
        }
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("VELTInit.dat"))));
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("VELTTextCw.dat"))));
        QVERIFY(!h.qso->isVisible());
    }

    void handOverWritesBothFilesAndShowsQsoScreen() {
        ScreenHarness h;
        QVERIFY(h.start());
        h.clickContest("OpBCNUS");
        h.click(h.init.get(), "OpbConcurs");
        QCOMPARE(h.dialogs.shown.size(), 1); // the reminder to empty the log tables
        h.initBox("TxtMyCall")->setText(QStringLiteral("YO3ABC"));
        h.initBox("TxtTime")->setText(QStringLiteral("2"));
        h.initBox("TxtMyBezirkA")->setText(QStringLiteral("BU"));
        h.initBox("txtContrInit")->setText(QStringLiteral("312"));
        h.initBox("TxtF1")->setText(QStringLiteral("CQ \"TEST\", #1"));
        h.initBox("TxtF3")->setText(QStringLiteral("TU #8"));
        h.initBox("TxtCP")->setText(QStringLiteral("2"));

        h.trigger(h.init.get(), "mnuQSOfahren");

        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(
            h.folder.read(QStringLiteral("VELTInit.dat")),
            QByteArray("YO3ABC\r\n2\r\nBU\r\n\r\n\r\n 0 \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
        QCOMPARE(h.folder.read(QStringLiteral("VELTTextCw.dat")),
                 QByteArray("CQ \"TEST\", #1\r\n\r\nTU #8\r\n\r\n\r\n\r\n\r\n 2 \r\n"));
        QVERIFY(h.qso->isVisible());
        QVERIFY(!h.init->isVisible());
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblMyCall")->text(), QStringLiteral("YO3ABC"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblMyBezirk")->text(), QStringLiteral("BU"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblContrInit")->text(), QStringLiteral("312"));
        QCOMPARE(h.qsoBox("TxtF1")->text(), QStringLiteral("CQ \"TEST\", #1"));
        QCOMPARE(h.state.startDate, QStringLiteral("01.03.26")); // 14:05 local, offset 2
        QCOMPARE(h.state.startTime, QStringLiteral("12:05"));
        QVERIFY(!h.qsoBox("TxtIndic")->isEnabled()); // stage and mode still to choose
    }

    void eachKindOfContestPresentsBothScreens_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("sentCode"); // text of SENT COD, "-" when hidden
        QTest::addColumn<bool>("fourStages");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("qsoSerial");
        const struct {
            int n;
            const char* code;
            bool four;
            int stage;
            const char* mode;
            const char* serial;
        } rows[] = {{0, "3", true, 0, "00", ""},      {1, "3", false, 0, "SSB", ""},
                    {11, "-", false, 0, "00", "001"}, {21, "-", false, 1, "00", ""},
                    {31, "-", true, 0, "00", ""},     {34, "", false, 1, "SSB", ""}};
        for (const auto& r : rows)
            QTest::addRow("%d", r.n) << r.n << r.code << r.four << r.stage << r.mode << r.serial;
    }
    void eachKindOfContestPresentsBothScreens() {
        QFETCH(int, number);
        QFETCH(QString, sentCode);
        QFETCH(bool, fourStages);
        QFETCH(int, stage);
        QFETCH(QString, mode);
        QFETCH(QString, qsoSerial);
        const ContestDef* def = ContestCatalog::find(number);
        QVERIFY(def);
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        QVERIFY(h.start());
        h.clickContest(def->control);
        QCOMPARE(h.state.contestNumber, number);
        QCOMPARE(h.state.contestCode, def->codeString());
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblConc")->text(), def->codeString());
        QVERIFY(!h.find<QGroupBox>(h.init.get(), "FrmConcurs")->isVisible());
        QLineEdit* code = h.initBox("txtContrInit");
        QCOMPARE(code->isVisible() ? code->text() : QStringLiteral("-"), sentCode);
        QCOMPARE(h.find<QPushButton>(h.qso.get(), "Cmd2B")->isVisibleTo(h.qso.get()), fourStages);
        QCOMPARE(h.state.stage, stage);
        QCOMPARE(h.state.qsoMode, mode);
        if (!qsoSerial.isEmpty())
            QCOMPARE(h.qsoBox("TxtRSTE2")->text(), qsoSerial);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void databaseFailureAtStart_data() {
        QTest::addColumn<QByteArray>("callDbBytes"); // empty: no file at all
        QTest::addColumn<bool>("autoStart");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<QString>("messageStart");
        const QByteArray jet =
            QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2028, 'x');
        QTest::newRow("missing, OK") << QByteArray() << false << int(Dialogs::AnswerOk) << true
                                     << "Nu exista legatura cu serverul !";
        QTest::newRow("missing, AUTO: said, then the end")
            << QByteArray() << true << int(Dialogs::AnswerOk) << false
            << "Nu exista legatura cu serverul !";
        QTest::newRow("old Jet file, Cancel")
            << jet << false << int(Dialogs::AnswerCancel) << false << "Fisierul ";
    }
    void databaseFailureAtStart() {
        QFETCH(QByteArray, callDbBytes);
        QFETCH(bool, autoStart);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QFETCH(QString, messageStart);
        ScreenHarness h(false);
        QVERIFY(h.folder.createDatabase(QStringLiteral("LogVELT.mdb")));
        const QString callDb = h.folder.file(QStringLiteral("DbsVELT.mdb"));
        if (!callDbBytes.isEmpty())
            QVERIFY(h.folder.write(QStringLiteral("DbsVELT.mdb"), callDbBytes));
        h.state.autoStart = autoStart;
        h.dialogs.script = {Dialogs::Answer(answer)};
        QCOMPARE(h.start(), goesOn);
        if (messageStart.isEmpty()) {
            QVERIFY(h.dialogs.shown.isEmpty());
        } else {
            QCOMPARE(h.dialogs.shown.size(), 1);
            QVERIFY(h.dialogs.shown[0].text.startsWith(messageStart));
            QCOMPARE(h.dialogs.shown[0].buttons,
                     autoStart ? Dialogs::Buttons::Ok : Dialogs::Buttons::OkCancel);
        }
        if (callDbBytes.isEmpty())
            QVERIFY(!QFile::exists(callDb));
        else
            QCOMPARE(h.folder.read(QStringLiteral("DbsVELT.mdb")), callDbBytes);
    }

    void jetFileUnderTheCallDatabase_data() {
        QTest::addColumn<QString>("table"); // the Jet file's one table; empty: it cannot be read
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("messages"); // a part of each text shown, in order
        QTest::addColumn<bool>("imported");
        using D = Dialogs;
        QTest::newRow("unreadable")
            << "" << QList<int>{D::AnswerCancel}
            << QStringList{"nu poate fi citit: fisier deteriorat."} << false;
        QTest::newRow("import accepted")
            << "CallJud" << QList<int>{D::AnswerYes, D::AnswerOk}
            << QStringList{"pastrat neschimbat ca", "importate: 2, sarite: 0."} << true;
    }
    void jetFileUnderTheCallDatabase() {
        QFETCH(QString, table);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, messages);
        QFETCH(bool, imported);
        ScreenHarness h(false);
        QVERIFY(h.folder.createDatabase(QStringLiteral("LogVELT.mdb")));
        QFile fixture(QStringLiteral(VELT_JET_FIXTURES "/jet4-plain.mdb"));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        const QByteArray jet = fixture.readAll();
        QVERIFY(h.folder.write(QStringLiteral("DbsVELT.mdb"), jet));
        h.jet.opens = !table.isEmpty();
        h.jet.content.insert(table,
                             {{"ID", "Call", "Jud"}, {{"1", "yo3abc", "BU"}, {"2", "YO8A", "IS"}}});
        for (int a : answers)
            h.dialogs.script << Dialogs::Answer(a);
        QCOMPARE(h.start(), imported);
        QCOMPARE(h.dialogs.shown.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(h.dialogs.shown[i].text.contains(messages[i]),
                     qPrintable(h.dialogs.shown[i].text));
        QStringList files =
            QDir(h.folder.path()).entryList({"*.mdb", "*.jet", "*.import"}, QDir::Files);
        if (!imported) {
            QCOMPARE(files, (QStringList{"DbsVELT.mdb", "LogVELT.mdb"}));
            QCOMPARE(h.folder.read(QStringLiteral("DbsVELT.mdb")), jet);
            return;
        }
        QCOMPARE(files, (QStringList{"DbsVELT.mdb", "DbsVELT.mdb.jet", "LogVELT.mdb"}));
        QCOMPARE(h.folder.read(QStringLiteral("DbsVELT.mdb.jet")), jet);
        QCOMPARE(
            h.callDb.scalar(QStringLiteral("SELECT group_concat(Call) FROM CallJud")).toString(),
            QStringLiteral("YO3ABC,YO8A"));
    }

    void menusCheckAndExit() {
        ScreenHarness h;
        QVERIFY(h.start());
        h.trigger(h.init.get(), "mnuLog");
        h.trigger(h.init.get(), "mnuInpLog");
        QCOMPARE(h.dialogs.texts(), (QStringList{kNoContest, kNoContest}));
        h.clickContest("OpBCarpati");
        h.trigger(h.init.get(), "mnuLog");
        QCOMPARE(h.dialogs.texts().last(), kNoMode);
        h.click(h.init.get(), "OpbTest");
        h.trigger(h.init.get(), "mnuInpLog");
        QVERIFY(h.state.offLineLog);
        QCOMPARE(h.initBox("TxtST")->text(), QStringLiteral("00:00"));

        QSignalSpy logView(h.init.get(), &FrmInit::logViewRequested);
        h.trigger(h.init.get(), "mnuLog");
        QCOMPARE(logView.size(), 1);

        QSignalSpy exit(h.init.get(), &FrmInit::exitRequested);
        h.dialogs.script = {Dialogs::AnswerNo, Dialogs::AnswerYes};
        h.trigger(h.init.get(), "mnuBeenden");
        QCOMPARE(exit.size(), 0);
        h.trigger(h.init.get(), "mnuBeenden");
        QCOMPARE(exit.size(), 1);
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("EXIT"));
    }
};

QTEST_MAIN(FrmInitTest)
#include "FrmInitTest.moc"
