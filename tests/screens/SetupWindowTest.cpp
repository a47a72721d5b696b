#include "ExpectedFile.h"
#include "ScreenHarness.h"
#include "base/SettingsFiles.h"
#include "store/CallsignDb.h"
#include "store/SqliteConnection.h"

#include <QLabel>
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

class SetupWindowTest : public QObject {
    Q_OBJECT
private slots:
    void ownCallFillsCountyAndSentCode_data() {
        // contest, own call typed, county found, focus afterwards, SENT COD afterwards
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        // SENT COD is hidden in Bucuresti: the focus stays in the own-call box.
        row("sector in Bucuresti", "OpbBucuresti|yo3abc|XD|TxtMyCall|3");
        row("unknown prefix", "OpBCNUS|dlxab||TxtMyBezirkA|0");
        row("Ardel empties SENT COD", "OpBArdel|yo5abc|CJ|txtContrInit|");
    }
    void ownCallFillsCountyAndSentCode() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        const QString& county = f[2];
        ScreenHarness h;
        QVERIFY(h.start());
        h.clickContest(qPrintable(f[0]));
        h.click(h.init.get(), "OpbTest");
        CallsignDb calls(h.callDb);
        QVERIFY(calls.add(QStringLiteral("YO5"), QStringLiteral("CJ")));
        QVERIFY(calls.add(QStringLiteral("YO3"), QStringLiteral("B4")));
        h.initBox("txtContrInit")->setText(QStringLiteral("123"));
        h.initBox("TxtMyBezirkA")->setText(QStringLiteral("GL"));

        typeAndEnter(h.initBox("TxtMyCall"), f[1]);

        QCOMPARE(h.initBox("TxtMyBezirkA")->text(), county);
        QLineEdit* errorLine = h.initBox("TxtEroare");
        QCOMPARE(errorLine->isVisible(), county.isEmpty()); // nothing found
        if (county.isEmpty()) {
            QCOMPARE(errorLine->text(), "  " + f[1].toUpper() + " INEXISTENT IN BAZA DE DATE!!");
            QCOMPARE(errorLine->cursorPosition(), 0); // the callsign shows, not the tail
        }
        QCOMPARE(h.init->focusWidget(), h.initBox(qPrintable(f[3])));
        QCOMPARE(h.initBox("txtContrInit")->text(), f[4]);
    }

    // Each check stops the hand-over at its limit and lets the value beside it through.
    void handOverChecksStopInOrder_data() {
        // contest, own county, SENT COD, offset, F3 text, how the message starts ("ok": handed
        // over, empty: none), focus, that box's text
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) {
            QTest::newRow(name) << QString::fromUtf8(fields);
        };
        row("short sent code", "OpBCpElevilor|BU|12|2||COMPLECTATI BOXUL SENT COD|txtContrInit|3");
        row("sent code of 3", "OpBCNUS|BU|312|2||ok||");
        row("zodiac of 2", "OpBCpArges|LE||2||COMPLECTATI BOXUL ZODIA|TxtMyBezirkA|");
        row("zodiac of 3", "OpBCpArges|LEO||2||ok||");
        row("required code empty", "OpBArdel|BU||2||COMPLECTATI BOXUL SENT COD|txtContrInit|");
        row("required code of 3", "OpBArdel|BU|100|2||ok||");
        row("Bucuresti with BU",
            "OpbBucuresti|BU||2||JUDET INEXISTENT ! INTRODUCETI XA....XF !|TxtMyBezirkA|");
        row("Bucuresti with XA", "OpbBucuresti|XA||2||ok||");
        row("blank offset", "OpBCNUS|BU|312|  |||TxtTime|");
        row("offset -12", "OpBCNUS|BU|312|-12||ok||");
        row("offset 14.5",
            "OpBCNUS|BU|312|14.5||DIFERENTA ORA YO - ORA UTC TREBUIE SA FIE UN NUMAR "
            "DE ORE INTRE -12 SI +14 !|TxtTime|14.5");
        row("county outside Windows-1250",
            "OpBCNUS|B\u00D1|312|2||Boxul JUDET PROPRIU contine|TxtMyBezirkA|B\u00D1");
        row("zodiac outside Windows-1250",
            "OpBCpArges|LE\u00D1||2||Boxul Zodia contine|TxtMyBezirkA|LE\u00D1");
        row("F3 outside Windows-1250",
            "OpBCNUS|BU|312|2|CQ \u4E2D|Boxul F3 contine|TxtF3|CQ \u4E2D");
    }
    void handOverChecksStopInOrder() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        QVERIFY(h.start());
        h.clickContest(qPrintable(f[0]));
        h.click(h.init.get(), "OpbTest");
        h.initBox("TxtMyBezirkA")->setText(f[1]);
        h.initBox("txtContrInit")->setText(f[2]);
        h.initBox("TxtTime")->setText(f[3]);
        h.initBox("TxtF3")->setText(f[4]);
        h.dialogs.shown.clear();
        QFile::remove(h.folder.file(QStringLiteral("VELTInit.dat")));

        h.trigger(h.init.get(), "mnuQSOfahren");

        QCOMPARE(h.qso->isVisible(), f[5] == u"ok");
        if (f[5] == u"ok")
            return;
        QCOMPARE(h.dialogs.shown.size(), f[5].isEmpty() ? 0 : 1);
        if (!f[5].isEmpty())
            QVERIFY2(h.dialogs.shown[0].text.startsWith(f[5]), qPrintable(h.dialogs.shown[0].text));
        QCOMPARE(h.init->focusWidget(), h.initBox(qPrintable(f[6])));
        QCOMPARE(h.initBox(qPrintable(f[6]))->text(), f[7]);
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("VELTInit.dat"))));
        QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("VELTTextCw.dat"))));
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
        // The port's device is shown without Enter.
        QCOMPARE(h.find<QLabel>(h.init.get(), "LblPortDev")->text(), QStringLiteral("/dev/ttyS1"));

        h.trigger(h.init.get(), "mnuQSOfahren");

        QCOMPARE(h.dialogs.shown.size(), 1); // only the reminder to empty the log tables
        QCOMPARE(
            h.folder.read(QStringLiteral("VELTInit.dat")),
            QByteArray("YO3ABC\r\n2\r\nBU\r\n\r\n\r\n 0 \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
        QCOMPARE(h.folder.read(QStringLiteral("VELTTextCw.dat")),
                 QByteArray("CQ \"TEST\", #1\r\n\r\nTU #8\r\n\r\n\r\n\r\n\r\n 2 \r\n"));
        QVERIFY(h.qso->isVisible() && !h.init->isVisible());
        QCOMPARE(h.find<QLabel>(h.qso.get(), "LblContrInit")->text(), QStringLiteral("312"));
        QCOMPARE(h.run.startDate(), QStringLiteral("01.03.26")); // 14:05 local, offset 2
        QCOMPARE(h.run.startTime(), QStringLiteral("12:05"));
    }

    // A station file saved as UTF-16 is named to the operator at start and not read.
    void utf16StationFileNamedAtStart() {
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"),
                               QByteArray("\xff\xfeY\0O\0\r\0\n\0", 10)));
        QVERIFY(h.start());
        QVERIFY(h.initBox("TxtMyCall")->text().isEmpty());
        QVERIFY(h.dialogs.texts().join(u'\n').contains(
            QStringLiteral("VELTInit.dat este salvat ca UTF-16")));
    }

    // The station's boxes refuse, key by key, what the QSO fields of their kind refuse.
    void stationBoxesRefuseForeignCharacters_data() {
        // contest, box, typed, shown
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("own call", "OpBCNUS|TxtMyCall|yo3/p-x.1_|YO3/PX1");
        row("own county", "OpBCNUS|TxtMyBezirkA|c1j.|CJ");
        row("numeric sent code", "OpBCNUS|txtContrInit|3a1-|31");
        row("zodiac sent code", "OpBCpArges|txtContrInit|le1o.|LE1O");
    }
    void stationBoxesRefuseForeignCharacters() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        ScreenHarness h;
        QVERIFY(h.start());
        h.clickContest(qPrintable(f[0]));
        QLineEdit* box = h.initBox(qPrintable(f[1]));
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, f[2]);
        QCOMPARE(box->text(), f[3]);
    }

    // A keyer text the file cannot hold is refused where it is typed and at the hand-over; the
    // box never cuts it, typed or read from the file.
    void keyerTextLimit_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("32767 typed") << 32767 << false;
        QTest::newRow("32768 typed") << 32768 << false;
        QTest::newRow("32768 in the file") << 32768 << true;
    }
    void keyerTextLimit() {
        QFETCH(int, length);
        QFETCH(bool, fromFile);
        const QByteArray texts = QByteArray(length, 'E') + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n 1 \r\n";
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"), kStation));
        if (fromFile)
            QVERIFY(h.folder.write(QStringLiteral("VELTTextCw.dat"), texts));
        QVERIFY(h.start());
        h.clickContest("OpBCNUS");
        h.click(h.init.get(), "OpbTest");
        h.initBox("txtContrInit")->setText(QStringLiteral("312"));
        QLineEdit* f1 = h.initBox("TxtF1");
        f1->setFocus();
        if (!fromFile) {
            f1->setText(QString(length - 1, u'E'));
            QTest::keyClick(f1, Qt::Key_E);
        }
        h.dialogs.shown.clear();
        QTest::keyClick(f1, Qt::Key_Return);
        h.trigger(h.init.get(), "mnuQSOfahren");

        QCOMPARE(f1->text().size(), length);
        const bool fits = length <= SettingsFiles::kMaxTextLength;
        QCOMPARE(h.qso->isVisible(), fits);
        const QByteArray written = h.folder.read(QStringLiteral("VELTTextCw.dat"));
        if (fits) {
            QCOMPARE(written.indexOf("\r\n"), qsizetype(length));
            return;
        }
        QCOMPARE(h.dialogs.shown.size(), 2); // at Enter and at the hand-over
        for (const auto& shown : h.dialogs.shown)
            QVERIFY2(shown.text.startsWith(QStringLiteral("Textul F1 are 32768 de caractere")),
                     qPrintable(shown.text));
        QCOMPARE(written, fromFile ? texts : QByteArray());
    }

    void databaseTroubleAtStart_data() {
        // 0/1 for a call database at all (a Jet file), for a readable one and for AUTO; the
        // answers (Yes, Ok, Cancel); 0/1 for going on; a part of the last text shown; the tables
        // the Jet file holds
        QTest::addColumn<QString>("fields");
        // Started by AUTO the program says why and ends whatever the answer.
        QTest::newRow("missing, AUTO") << "0|1|1|O|0|Nu exista legatura cu serverul !|CallJud";
        QTest::newRow("unreadable Jet file, Cancel")
            << "1|0|0|C|0|nu poate fi citit: fisier deteriorat.|CallJud";
        QTest::newRow("Jet file without CallJud, Cancel")
            << "1|1|0|C|0|nu contine tabela CallJud (tabelele din fisier: LogGen, "
               "Vechi).\nFisierul a "
               "fost lasat neschimbat. Puneti in locul lui baza de date DbsVELT.mdb|LogGen,Vechi";
        QTest::newRow("Jet file imported") << "1|1|0|YO|1|importate: 2, sarite: 0.|CallJud";
    }
    void databaseTroubleAtStart() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        const bool jetFile = f[0] == u'1';
        const bool goesOn = f[4] == u'1';
        ScreenHarness h(false);
        QVERIFY(h.folder.createDatabase(QStringLiteral("LogVELT.mdb")));
        const QByteArray jet = jetFixture(QStringLiteral("jet4-plain.mdb"));
        QVERIFY(!jet.isEmpty());
        if (jetFile)
            QVERIFY(h.folder.write(QStringLiteral("DbsVELT.mdb"), jet));
        h.jet.opens = f[1] == u'1';
        for (const QString& table : f[6].split(u','))
            h.jet.content.insert(
                table, {{"ID", "Call", "Jud"}, {{"1", "yo3abc", "BU"}, {"2", "YO8A", "IS"}}});
        h.autoStart = f[2] == u'1';
        for (QChar a : f[3])
            h.dialogs.script << (a == u'Y'   ? Dialogs::AnswerYes
                                 : a == u'C' ? Dialogs::AnswerCancel
                                             : Dialogs::AnswerOk);

        QCOMPARE(h.start(), goesOn);

        QCOMPARE(h.dialogs.shown.size(), f[3].size());
        const QString& text = h.dialogs.shown.last().text;
        QVERIFY2(text.contains(f[5]), qPrintable(text));
        // A Jet file is no server's fault.
        QVERIFY(!jetFile || !text.contains(QLatin1String("serverul")));
        // Nothing is made in place of a missing file; a Jet file is left as it was, or imported.
        if (!jetFile)
            QVERIFY(!QFile::exists(h.folder.file(QStringLiteral("DbsVELT.mdb"))));
        else if (!goesOn)
            QCOMPARE(h.folder.read(QStringLiteral("DbsVELT.mdb")), jet);
        else
            QCOMPARE(h.callDb.scalar(QStringLiteral("SELECT count(*) FROM CallJud")), QVariant(2));
    }

    // A log made by a newer program is refused and left as it was.
    void newerLogRefusedAtStart() {
        ScreenHarness h;
        {
            SqliteConnection log;
            QVERIFY(log.open(h.folder.file(QStringLiteral("LogVELT.mdb")),
                             SqliteConnection::Mode::ReadWrite) &&
                    log.exec("PRAGMA user_version = 99"));
        }
        const QByteArray before = h.folder.read(QStringLiteral("LogVELT.mdb"));
        h.autoStart = true;
        QVERIFY(!h.start());
        QVERIFY2(h.dialogs.texts().last().contains(QStringLiteral("versiune mai noua")),
                 qPrintable(h.dialogs.texts().last()));
        QVERIFY(!h.logDb.isOpen());
        QCOMPARE(h.folder.read(QStringLiteral("LogVELT.mdb")), before);
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
        QVERIFY(!h.qso->isVisible() && !h.run.offLine());

        h.click(h.init.get(), "OpbTest");
        h.trigger(h.init.get(), "mnuInpLog");
        QLineEdit* date = h.initBox("TxtSD");
        for (const char* typed : {"5.3.26", "ab"}) {
            typeAndEnter(date, QLatin1String(typed));
            QCOMPARE(date->text(), QStringLiteral("05.03.26"));
            QCOMPARE(h.init->focusWidget(), h.initBox("TxtST"));
        }
        QSignalSpy logView(h.init.get(), &SetupWindow::logViewRequested);
        h.trigger(h.init.get(), "mnuLog");
        QCOMPARE(logView.size(), 1);
    }
};

QTEST_MAIN(SetupWindowTest)
#include "SetupWindowTest.moc"
