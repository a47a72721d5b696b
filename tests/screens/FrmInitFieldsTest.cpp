#include "ScreenHarness.h"
#include "refdata/CallsignDb.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {
const QString kNotFound = QStringLiteral(" INEXISTENT IN BAZA DE DATE!!");

// The value a box's Enter stores, by name.
QString stored(const AppState& s, const QByteArray& what) {
    if (what == "myCounty")
        return s.settings.myCounty;
    if (what == "startCode")
        return QString::number(s.startCode);
    if (what == "startDate")
        return s.startDate;
    if (what == "startTime")
        return s.startTime;
    if (what == "textF3")
        return s.settings.cwTexts[2];
    if (what == "textF7")
        return s.settings.cwTexts[6];
    if (what == "comPort")
        return QString::number(s.settings.comPort);
    if (what == "utcOffset")
        return s.settings.utcOffset.text;
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

class FrmInitFieldsTest : public QObject {
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
        row("own county", "TxtMyBezirkA", "cj", "CJ", "txtContrInit", "CJ", "myCounty", "CJ");
        row("sent code", "txtContrInit", "12ab", "12AB", "TxtMyCall", "12AB", "startCode", "12");
        row("sent code without number", "txtContrInit", "ab", "AB", "TxtMyCall", "AB", "startCode",
            "0");
        row("offset as typed", "TxtTime", "ab", "ab", "TxtMyBezirkA", "ab", "utcOffset", "");
        row("start date", "TxtSD", "5.3.26", "5.3.26", "TxtST", "05.03.26", "startDate",
            "05.03.26");
        row("start date, four-digit year", "TxtSD", "05/03/2026", "05/03/2026", "TxtST", "05.03.26",
            "startDate", "05.03.26");
        row("start date not a date", "TxtSD", "ab", "AB", "TxtST", "01.03.26", "startDate",
            "01.03.26");
        row("start time unchecked", "TxtST", "10:3x", "10:3X", "TxtMyCall", "10:3X", "startTime",
            "10:3X");
        row("keyer text", "TxtF3", "cq #1", "CQ #1", "TxtF4", "CQ #1", "textF3", "CQ #1");
        row("last keyer text", "TxtF7", "tu", "TU", "TxtCP", "TU", "textF7", "TU");
        row("port as typed", "TxtCP", "3ab", "3ab", "TxtMyCall", "3ab", "comPort", "3");
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

    void portDeviceShownAtStartAndOnEnter() {
        ScreenHarness h;
        QVERIFY(h.folder.write(QStringLiteral("VELTTextCw.dat"),
                               "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\n 3 \r\n"));
        QVERIFY(h.start());
        auto* device = h.find<QLabel>(h.init.get(), "LblPortDev");
        QCOMPARE(device->text(), QStringLiteral("/dev/ttyS2"));
        QLineEdit* port = h.initBox("TxtCP");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("1"));
        QCOMPARE(device->text(), QStringLiteral("/dev/ttyS2")); // only Enter takes the number
        QTest::keyClick(port, Qt::Key_Return);
        QCOMPARE(device->text(), QStringLiteral("/dev/ttyS0"));
        port->clear();
        QTest::keyClick(port, Qt::Key_Return);
        QCOMPARE(device->text(), QString());
    }

    void ownCallDiscardsF1() {
        ScreenHarness h;
        QVERIFY(h.start());
        int seen = 0; // F1 presses the boxes passed on to the screen
        struct Spy : QObject {
            int& count;
            explicit Spy(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::KeyPress &&
                    static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1)
                    ++count;
                return false;
            }
        } spy(seen);
        h.initBox("TxtMyCall")->parentWidget()->installEventFilter(&spy);
        QTest::keyClick(h.initBox("TxtTime"), Qt::Key_F1);
        QCOMPARE(seen, 1);
        QTest::keyClick(h.initBox("TxtMyCall"), Qt::Key_F1);
        QCOMPARE(seen, 1);
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
        row("only YO stored", "OpBCNUS", "yo8xyz", "YO8XYZ", "IS", "", "txtContrInit", "8");
        row("trailing blank kept", "OpBCNUS", "yo5abc ", "YO5ABC ", "CJ", "", "txtContrInit", "5");
        row("sector elsewhere", "OpBCNUS", "yo3abc", "YO3ABC", "BU", "", "txtContrInit", "3");
        row("BU elsewhere", "OpBCNUS", "yo3kaa", "YO3KAA", "BU", "", "txtContrInit", "3");
        // SENT COD is hidden in Bucuresti: the focus stays in the own-call box.
        row("sector in Bucuresti", "OpbBucuresti", "yo3abc", "YO3ABC", "XD", "", "TxtMyCall", "3");
        row("BU in Bucuresti", "OpbBucuresti", "yo3kaa", "YO3KAA", "X", "", "TxtMyCall", "3");
        row("unknown prefix", "OpBCNUS", "dlxab", "DLXAB", "", "  DLXAB", "TxtMyBezirkA", "0");
        row("Ardel empties SENT COD", "OpBArdel", "yo5abc", "YO5ABC", "CJ", "", "txtContrInit", "");
        row("Martisor keeps SENT COD", "OpBMartisor", "yo5abc", "YO5ABC", "CJ", "", "txtContrInit",
            "123");
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
        if (!error.isEmpty())
            QCOMPARE(errorLine->text(), error + kNotFound);
        QCOMPARE(h.init->focusWidget(), h.initBox(focus.constData()));
        QCOMPARE(h.initBox("txtContrInit")->text(), sentCode);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void ownCountyEnterHidesErrorLine() {
        ScreenHarness h;
        prepare(h, "OpBCNUS");
        enterOwnCall(h, QStringLiteral("yo9zz"));
        QVERIFY(h.initBox("TxtEroare")->isVisible());
        QCOMPARE(h.init->focusWidget(), h.initBox("TxtMyBezirkA"));
        QTest::keyClicks(h.initBox("TxtMyBezirkA"), QStringLiteral("gl"));
        QTest::keyClick(h.initBox("TxtMyBezirkA"), Qt::Key_Return);
        QVERIFY(!h.initBox("TxtEroare")->isVisible());
        QCOMPARE(h.state.settings.myCounty, QStringLiteral("GL"));
    }

    void emptyOwnCallChangesNothing() {
        ScreenHarness h;
        prepare(h, "OpBCNUS");
        fillCallJud(h);
        h.state.settings.myCall = QStringLiteral("YO5OLD");
        h.initBox("TxtMyBezirkA")->setText(QStringLiteral("GL"));
        h.initBox("txtContrInit")->setText(QStringLiteral("512"));
        enterOwnCall(h, QStringLiteral("  "));
        QCOMPARE(h.dialogs.texts(), QStringList{QStringLiteral("Introducere eronata")});
        QCOMPARE(h.state.settings.myCall, QStringLiteral("YO5OLD"));
        QCOMPARE(h.initBox("TxtMyBezirkA")->text(), QStringLiteral("GL"));
        QCOMPARE(h.initBox("txtContrInit")->text(), QStringLiteral("512"));
        QVERIFY(!h.initBox("TxtEroare")->isVisible());
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
        QCOMPARE(h.qsoBox("TxtF1")->palette().color(QPalette::Base), QColor(0x00ff00));
        h.click(h.init.get(), "ChkCwRpt");
        QVERIFY(!h.state.cwRepeat);
        QCOMPARE(h.qsoBox("TxtF1")->palette().color(QPalette::Base), QColor(0xffff00));

        h.click(h.init.get(), "ChkCwRpt");
        h.qsoBox("txtPauseCW")->show();
        h.click(h.init.get(), "OpbCwN");
        QVERIFY(!frameCw->isVisible() && !repeat->isVisible() && !repeat->isChecked());
        QVERIFY(!h.state.cwPcFlag && !h.state.cwRepeat);
        QVERIFY(h.qsoBox("txtPauseCW")->isHidden());
        QCOMPARE(h.init->focusWidget(), h.initBox("TxtMyCall"));

        auto* ssbRepeat = h.find<QCheckBox>(h.init.get(), "ChkSSBRpt");
        h.click(h.init.get(), "OpbSSBJ");
        QVERIFY(h.state.ssbPcFlag && ssbRepeat->isVisible());
        h.click(h.init.get(), "ChkSSBRpt");
        h.qsoBox("TxtPauseSSB")->show();
        h.initBox("TxtTime")->setFocus();
        h.click(h.init.get(), "OpbSSBN");
        QVERIFY(!ssbRepeat->isVisible() && !ssbRepeat->isChecked());
        QVERIFY(!h.state.ssbPcFlag && !h.state.ssbRepeat);
        QVERIFY(h.qsoBox("TxtPauseSSB")->isHidden());
        QCOMPARE(h.init->focusWidget(), h.initBox("TxtMyCall"));
    }

    void noSoundOutputDisablesSsb() {
        ScreenHarness h;
        h.voice.outputs = 0;
        QVERIFY(h.start());
        QVERIFY(!h.state.soundCardOk && !h.state.ssbPcFlag);
        QVERIFY(!h.find<QGroupBox>(h.init.get(), "FramSSB")->isEnabled());
        for (const char* name : {"OpbSSBJ", "OpbSSBN", "ChkSSBRpt"})
            QVERIFY2(!h.find<QAbstractButton>(h.init.get(), name)->isEnabled(), name);
        QVERIFY(h.find<QRadioButton>(h.init.get(), "OpbSSBN")->isChecked());
        QVERIFY(!h.find<QCheckBox>(h.init.get(), "ChkSSBRpt")->isChecked());
        h.click(h.init.get(), "OpbSSBJ");
        QVERIFY(!h.state.ssbPcFlag);
        QVERIFY(!QDir(h.folder.file(QStringLiteral("WAVUs"))).exists());
    }

    void ordWavCreatesFolderOnce() {
        ScreenHarness h;
        prepare(h, "OpBCNUS");
        h.click(h.init.get(), "OpbSSBJ");
        QVERIFY(QDir(h.folder.file(QStringLiteral("WAVUs"))).exists());
        QCOMPARE(h.dialogs.texts(),
                 QStringList{QStringLiteral("Folderul ") + h.state.dataPath +
                             QStringLiteral("\\WAVUs a fost creiat dar este gol. Pentru "
                                            "functionare cu PC-ul in SSB, trebuiesc creiate in "
                                            "acest folder, fisierele F1.WAV...F7WAV ! ")});
        h.click(h.init.get(), "OpbSSBN");
        h.click(h.init.get(), "OpbSSBJ");
        QCOMPARE(h.dialogs.shown.size(), 1); // the folder is there now
    }
};

QTEST_MAIN(FrmInitFieldsTest)
#include "FrmInitFieldsTest.moc"
