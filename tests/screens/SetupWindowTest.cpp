#include "ExpectedFile.h"
#include "ScreenHarness.h"
#include "base/SettingsFiles.h"
#include "store/CallsignDb.h"
#include "store/SchemaUpgrade.h"
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
    void ownCallFillsCountyAndSentCode() {
        QVERIFY(answersAsExpected("data/tables/owncall.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            ScreenHarness h;
            h.start();
            h.clickContest(qPrintable(f[0]));
            h.click(h.init.get(), "OpbTest");
            CallsignDb calls(h.callDb);
            if (!calls.add(QStringLiteral("YO5"), QStringLiteral("CJ")) ||
                !calls.add(QStringLiteral("YO3"), QStringLiteral("B4")))
                return QStringLiteral("no callsign database");
            h.initBox("txtContrInit")->setText(QStringLiteral("123"));
            h.initBox("TxtMyBezirkA")->setText(QStringLiteral("GL"));
            typeAndEnter(h.initBox("TxtMyCall"), f[1]);
            QLineEdit* errorLine = h.initBox("TxtEroare");
            // The callsign shows, not the tail.
            return QStringLiteral("%1 | %2 | %3 | %4")
                .arg(h.initBox("TxtMyBezirkA")->text(),
                     errorLine->isVisible() && errorLine->cursorPosition() == 0
                         ? errorLine->text()
                         : QStringLiteral("-"),
                     h.init->focusWidget()->objectName(), h.initBox("txtContrInit")->text());
        }));
    }

    // Each check stops the hand-over at its limit and lets the value beside it through; a stop
    // writes neither file.
    void handOverChecksStopInOrder() {
        QVERIFY(answersAsExpected("data/tables/handover.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            ScreenHarness h;
            h.folder.write(QStringLiteral("VELTInit.dat"), kStation);
            h.start();
            h.clickContest(qPrintable(f[0]));
            h.click(h.init.get(), "OpbTest");
            h.initBox("TxtMyBezirkA")->setText(f[1]);
            h.initBox("txtContrInit")->setText(f[2]);
            h.initBox("TxtTime")->setText(f[3]);
            h.initBox("TxtF3")->setText(f[4]);
            h.dialogs.shown.clear();
            QFile::remove(h.folder.file(QStringLiteral("VELTInit.dat")));
            h.trigger(h.init.get(), "mnuQSOfahren");
            if (h.qso->isVisible())
                return QStringLiteral("QSO");
            const auto* focus = qobject_cast<QLineEdit*>(h.init->focusWidget());
            const bool written = QFile::exists(h.folder.file(QStringLiteral("VELTInit.dat"))) ||
                                 QFile::exists(h.folder.file(QStringLiteral("VELTTextCw.dat")));
            return h.dialogs.texts().join(u'/') + QStringLiteral(" | focus ") +
                   (focus ? focus->objectName() + u'=' + focus->text() : QString()) +
                   (written ? QStringLiteral(" | written") : QString());
        }));
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
    void stationBoxesRefuseForeignCharacters() {
        QVERIFY(answersAsExpected("data/tables/stationboxes.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            ScreenHarness h;
            h.start();
            h.clickContest(qPrintable(f[0]));
            QLineEdit* box = h.initBox(qPrintable(f[1]));
            box->clear();
            box->setFocus();
            QTest::keyClicks(box, f[2]);
            return box->text();
        }));
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

    // A callsign database missing, unreadable or left by the old program, or a log made by a
    // newer program, at the start: nothing is made in place of a missing file, a Jet file is
    // left as it was, or imported, and a newer log is left as it was, closed.
    void databaseTroubleAtStart() {
        QVERIFY(answersAsExpected("data/tables/startdatabases.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            ScreenHarness h(false);
            h.folder.createDatabase(QStringLiteral("LogVELT.mdb"));
            if (SqliteConnection log;
                f[5] != u'-' &&
                !(log.open(h.folder.file(QStringLiteral("LogVELT.mdb")),
                           SqliteConnection::Mode::ReadWrite) &&
                  log.exec(qPrintable(QStringLiteral("PRAGMA user_version = ") + f[5]))))
                return QStringLiteral("no log");
            const QByteArray logged = h.folder.read(QStringLiteral("LogVELT.mdb"));
            const QByteArray jet = jetFixture(QStringLiteral("jet4-plain.mdb"));
            if (f[0] == u'1')
                h.folder.write(QStringLiteral("DbsVELT.mdb"), jet);
            else if (f[0] == u'2')
                h.folder.createDatabase(QStringLiteral("DbsVELT.mdb"));
            const QByteArray placed = h.folder.read(QStringLiteral("DbsVELT.mdb"));
            h.jet.opens = f[1] == u'1';
            for (const QString& table : f[4].split(u','))
                h.jet.content.insert(
                    table, {{"ID", "Call", "Jud"}, {{"1", "yo3abc", "BU"}, {"2", "YO8A", "IS"}}});
            h.autoStart = f[2] == u'1';
            for (QChar a : f[3])
                h.dialogs.script << (a == u'Y'   ? Dialogs::AnswerYes
                                     : a == u'C' ? Dialogs::AnswerCancel
                                                 : Dialogs::AnswerOk);
            const bool goesOn = h.start();
            const QString calls =
                !QFile::exists(h.folder.file(QStringLiteral("DbsVELT.mdb"))) ? "absent"
                : h.folder.read(QStringLiteral("DbsVELT.mdb")) == placed
                    ? "as it was"
                    : h.callDb.scalar(QStringLiteral("SELECT count(*) FROM CallJud")).toString() +
                          " callsigns";
            const bool logKept =
                !h.logDb.isOpen() && h.folder.read(QStringLiteral("LogVELT.mdb")) == logged;
            return QStringLiteral("%1 | %2 | %3")
                       .arg(goesOn ? "goes on" : "ends",
                            h.dialogs.texts()
                                .join(QStringLiteral(" / "))
                                .replace(u'\n', u' ')
                                .replace(h.folder.path(), QStringLiteral("DATA"))
                                .replace(QStringLiteral("schema %1").arg(SchemaUpgrade::kVersion),
                                         QStringLiteral("schema CURRENT")),
                            calls) +
                   (f[5] == u'-' ? ""
                    : logKept    ? " | log as it was"
                                 : " | log changed");
        }));
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
