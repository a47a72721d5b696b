#include "ReadOnlyFile.h"
#include "ScreenHarness.h"
#include "setup/ContestCatalog.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

Q_DECLARE_METATYPE(RealtimePriority::Way)

namespace {
const QString kNoContest =
    QStringLiteral("Precizati CONCURSUL in care se va lucra prin Click pe el !!");
const QString kNoMode =
    QStringLiteral("Precizati daca lucrati in concurs sau testati programul  !!");
const QString kSentCode = QStringLiteral("COMPLECTATI BOXUL SENT COD");
const QByteArray kStation = "YO3ABC\r\n 2 \r\nBU\r\nSOAB\r\nION\r\n 1 \r\nBUCURESTI\r\nSTR X\r\n"
                            "TX\r\nRX\r\nA1\r\nA2\r\nA3\r\nA4\r\nYO3KAA\r\n";
} // namespace

class FrmInitTest : public QObject {
    Q_OBJECT
private slots:
    void freshStartShowsEmptyBoxesAndNoMessage() {
        ScreenHarness h;
        QVERIFY(h.start());
        QVERIFY(h.dialogs.shown.isEmpty());
        for (const char* box : {"TxtMyCall", "TxtTime", "TxtMyBezirkA", "TxtF1", "TxtF7", "TxtCP"})
            QVERIFY2(h.initBox(box)->text().isEmpty(), box);
        QCOMPARE(h.find<QLabel>(h.init.get(), "LblContest")->text(),
                 QStringLiteral("BEFORE START PLEASE FILL THIS PAGE "));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QCOMPARE(h.dialogs.texts(), QStringList{kNoContest});
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("VELTInit.dat"))));
    }

    // The notice names the data folder always and the lack of real-time priority only then.
    void setupShowsDataFolderAndRealtimeNotice_data() {
        QTest::addColumn<RealtimePriority::Way>("way");
        QTest::addColumn<bool>("notice");
        QTest::newRow("real-time granted") << RealtimePriority::Way::Granted << false;
        QTest::newRow("RealtimeKit") << RealtimePriority::Way::RealtimeKit << false;
        QTest::newRow("none") << RealtimePriority::Way::None << true;
    }
    void setupShowsDataFolderAndRealtimeNotice() {
        QFETCH(RealtimePriority::Way, way);
        QFETCH(bool, notice);
        ScreenHarness h;
        h.realtime.way = way;
        QVERIFY(h.start());
        QVERIFY(h.find<QLabel>(h.init.get(), "LblDataFolder")->text().endsWith(h.folder.path()));
        const QLabel* realtime = h.find<QLabel>(h.init.get(), "LblTimpReal");
        QCOMPARE(realtime->isVisible(), notice);
        QCOMPARE(realtime->text().contains(QStringLiteral("prioritate de timp real")), notice);
        QVERIFY(h.dialogs.shown.isEmpty());
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
        QTest::newRow("short sent code, national")
            << QByteArray("OpBCNUS") << true << "BU"
            << "2"
            << "2" << kSentCode << QByteArray("txtContrInit") << "3";
        QTest::newRow("short sent code, Elevilor")
            << QByteArray("OpBCpElevilor") << true << "BU"
            << "12"
            << "2" << kSentCode << QByteArray("txtContrInit") << "3";
        QTest::newRow("short zodiac")
            << QByteArray("OpBCpArges") << true << "LE"
            << ""
            << "2"
            << "COMPLECTATI BOXUL ZODIA" << QByteArray("TxtMyBezirkA") << "";
        QTest::newRow("Ardel without code") << QByteArray("OpBArdel") << true << "BV"
                                            << ""
                                            << "2" << kSentCode << QByteArray("txtContrInit") << "";
        QTest::newRow("Bucuresti with BU")
            << QByteArray("OpbBucuresti") << true << "BU"
            << ""
            << "2"
            << "JUDET INEXISTENT ! INTRODUCETI XA....XF !" << QByteArray("TxtMyBezirkA") << "";
        QTest::newRow("offset of two blanks") << QByteArray("OpBCNUS") << true << "BU"
                                              << "312"
                                              << "  " << QString() << QByteArray("TxtTime") << "";
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

    void clubContestStartsSerialFromLog() {
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        QVERIFY(h.start());
        h.clickContest("OpB25Oct");
        h.click(h.init.get(), "OpbTest");
        h.initBox("txtContrInit")->setText(QStringLiteral("555"));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QVERIFY(h.qso->isVisible());
        QCOMPARE(h.state.startCode, 0);
        QCOMPARE(h.qsoBox("TxtRSTE2")->text(), QStringLiteral("001"));
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblContrInit")->text(), QStringLiteral("0"));
    }

    void catalogueRowsPresentBothScreens_data() {
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
                    {2, "3", false, 0, "00", ""},     {11, "-", false, 0, "00", "001"},
                    {12, "-", false, 0, "00", "001"}, {13, "-", false, 0, "00", "001"},
                    {14, "-", false, 0, "00", "001"}, {15, "-", false, 0, "00", "001"},
                    {16, "-", false, 0, "00", "001"}, {17, "-", false, 0, "00", "001"},
                    {18, "-", false, 0, "00", "001"}, {19, "-", false, 0, "00", "001"},
                    {20, "-", false, 0, "00", "001"}, {21, "-", false, 1, "00", ""},
                    {22, "-", false, 0, "00", "001"}, {23, "-", false, 0, "00", "001"},
                    {24, "-", false, 1, "00", ""},    {25, "-", false, 0, "00", "001"},
                    {31, "-", true, 0, "00", ""},     {32, "3", false, 0, "00", ""},
                    {33, "", false, 0, "00", ""},     {34, "", false, 1, "SSB", ""},
                    {35, "", false, 0, "00", ""}};
        for (const auto& r : rows)
            QTest::addRow("%d", r.n) << r.n << r.code << r.four << r.stage << r.mode << r.serial;
    }
    void catalogueRowsPresentBothScreens() {
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
        QCOMPARE(h.find<QRadioButton>(h.init.get(), def->control)->text(),
                 QString::fromLatin1(def->caption));
        h.clickContest(def->control);
        QCOMPARE(h.state.contestNumber, number);
        QCOMPARE(h.state.contestCode, def->codeString());
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblConc")->text(), def->codeString());
        QCOMPARE(h.find<QLabel>(h.init.get(), "LblTipTest")->text(),
                 QString::fromLatin1(def->title));
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

    void doubleClickOnTitleOffersContestsAgain() {
        ScreenHarness h;
        QVERIFY(h.start());
        h.clickContest("OpbValdora");
        QVERIFY(!h.find<QGroupBox>(h.init.get(), "FrmConcurs")->isVisible());
        QTest::mouseDClick(h.find<QLabel>(h.init.get(), "LblTipTest"), Qt::LeftButton);
        QVERIFY(h.find<QGroupBox>(h.init.get(), "FrmConcurs")->isVisible());
        h.clickContest("OpBCNUS");
        QCOMPARE(h.state.contestNumber, 0);
        QVERIFY(h.state.nationalChosen);
        QCOMPARE(h.state.stage, 1); // only the one-stage contests write the stage
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
        QTest::newRow("missing, Cancel") << QByteArray() << false << int(Dialogs::AnswerCancel)
                                         << false << "Nu exista legatura cu serverul !";
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

    // What a Romanian keyboard on Linux types comes back after a restart, with cedillas.
    void romanianLettersSurviveARestart() {
        ScreenHarness h;
        QVERIFY(h.start());
        h.clickContest("OpbCaras");
        h.click(h.init.get(), "OpbTest");
        h.initBox("TxtMyCall")->setText(QStringLiteral("YO2ABC"));
        h.initBox("TxtTime")->setText(QStringLiteral("2"));
        h.initBox("TxtMyBezirkA")->setText(QStringLiteral(u"\u0218TEFAN \u021Au\u021Bu"));
        h.initBox("TxtF1")->setText(QStringLiteral(u"CQ \u0218\u0219\u021A\u021B"));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QVERIFY(h.qso->isVisible());

        QVERIFY(h.start());
        QCOMPARE(h.initBox("TxtMyBezirkA")->text(), QStringLiteral(u"\u015ETEFAN \u0162u\u0163u"));
        QCOMPARE(h.initBox("TxtF1")->text(), QStringLiteral(u"CQ \u015E\u015F\u0162\u0163"));
    }

    // A log that cannot be written is named at start-up, before the contest begins.
    void readOnlyLogIsSaidAtStart() {
        ScreenHarness h;
        const QString log = h.folder.file(QStringLiteral("LogVELT.mdb"));
        const ReadOnlyFile readOnly(log);
        QVERIFY(readOnly.done());
        qInfo("read-only log made with %s", readOnly.method());
        QVERIFY(h.start());
        QCOMPARE(h.dialogs.shown.size(), 1);
        const QString text = h.dialogs.shown[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("Logul ") + QDir::toNativeSeparators(log) +
                                 QStringLiteral(" nu poate fi scris: ")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("inainte de inceperea concursului")));
    }

    void jetFileUnderTheCallDatabase_data() {
        QTest::addColumn<QString>("table"); // the Jet file's one table; empty: it cannot be read
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("messages"); // a part of each text shown, in order
        QTest::addColumn<bool>("imported");
        using D = Dialogs;
        QTest::newRow("no CallJud table")
            << "Table1" << QList<int>{D::AnswerCancel}
            << QStringList{"nu contine tabela CallJud. Fisierul a fost lasat neschimbat."} << false;
        QTest::newRow("unreadable")
            << "" << QList<int>{D::AnswerCancel}
            << QStringList{"nu poate fi citit: fisier deteriorat."} << false;
        QTest::newRow("import declined")
            << "CallJud" << QList<int>{D::AnswerNo, D::AnswerCancel}
            << QStringList{"Importati tabela CallJud", "nu este o baza de date a acestui program"}
            << false;
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

    void reopenedSetupKeepsQsoScreen() {
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        QVERIFY(h.start());
        h.clickContest("OpBCNUS");
        h.click(h.init.get(), "OpbTest");
        h.initBox("txtContrInit")->setText(QStringLiteral("312"));
        h.initBox("TxtF1")->setText(QStringLiteral("CQ"));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QVERIFY(h.qso->isVisible());
        h.qsoBox("TxtF1")->setText(QStringLiteral("CQ CHANGED"));
        h.trigger(h.qso.get(), "mnuAnfang");
        QVERIFY(h.state.returnToSetup);
        QVERIFY(h.init->load());
        QCOMPARE(h.find<QLabel>(h.init.get(), "LblTipTest")->text(), QStringLiteral("Camp.Nat.YO"));
        QVERIFY(!h.find<QGroupBox>(h.init.get(), "FraConcurs")->isVisibleTo(h.init.get()));
        QCOMPARE(h.initBox("txtContrInit")->text(), QStringLiteral("312"));
        h.trigger(h.init.get(), "mnuQSOfahren");
        QVERIFY(h.qso->isVisible());
        QCOMPARE(h.qsoBox("TxtF1")->text(), QStringLiteral("CQ CHANGED"));
        QVERIFY(!h.state.returnToSetup);
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
        QCOMPARE(h.qsoBox("TxtDate")->text(), h.initBox("TxtSD")->text());
        QVERIFY(h.find<QLabel>(h.qso.get(), "LblOffLine")->isVisibleTo(h.qso.get()));

        QSignalSpy logView(h.init.get(), &FrmInit::logViewRequested);
        h.trigger(h.init.get(), "mnuLog");
        QCOMPARE(logView.size(), 1);

        for (const char* topic : {"mnuGener", "mnuInDateProp", "mnuOutInit"})
            h.trigger(h.init.get(), topic);
        QCOMPARE(h.help.opened, (QList<int>{100, 200, 300}));

        QSignalSpy exit(h.init.get(), &FrmInit::exitRequested);
        h.dialogs.script = {Dialogs::AnswerNo, Dialogs::AnswerYes};
        h.trigger(h.init.get(), "mnuBeenden");
        QCOMPARE(exit.size(), 0);
        h.trigger(h.init.get(), "mnuBeenden");
        QCOMPARE(exit.size(), 1);
        QCOMPARE(h.dialogs.shown.last().title, QStringLiteral("EXIT"));
    }

    void unsupportedResolutionKeepsDesignLayout_data() {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<float>("scaleX");
        QTest::addColumn<bool>("message");
        QTest::newRow("800x600") << QSize(800, 600) << 1.0f << false;
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.015f << false;
        QTest::newRow("1152x864") << QSize(1152, 864) << 1.0f << true;
    }
    void unsupportedResolutionKeepsDesignLayout() {
        QFETCH(QSize, display);
        QFETCH(float, scaleX);
        QFETCH(bool, message);
        ScreenHarness h;
        h.metrics.size = display;
        QVERIFY(h.start());
        QCOMPARE(h.state.scaleX, scaleX);
        QCOMPARE(!h.dialogs.shown.isEmpty(), message);
        if (message)
            QVERIFY(h.dialogs.shown[0].text.startsWith(QStringLiteral("Rezolutie incorecta! ")));
    }
};

QTEST_MAIN(FrmInitTest)
#include "FrmInitTest.moc"
