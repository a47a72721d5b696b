#include "entry/QsoEntry.h"
#include "EngineFixture.h"
#include "LogRows.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "fakes/FakeVoicePlayer.h"

#include <QTest>

Q_DECLARE_METATYPE(EntryField)
Q_DECLARE_METATYPE(Caret)

namespace {
const QString kOwnCall = QStringLiteral("YO9AAA");

// The entry model on a fixture's databases, typed into as the screen's fields would be.
struct Entry {
    explicit Entry(const QString& contest, int stage = 1, const QString& mode = "CW")
        : f(contest, mode, stage), model({f.app, f.log(), f.calls(), f.specials, f.clock, dialogs,
                                          keyLine, voice, realtime}) {
        f.app.contestMode = false;
        f.at(QStringLiteral("12:00"));
        model.start();
    }
    /// One key as a line edit delivers it: pressed, typed unless swallowed, released.
    void key(EntryField field, int key, QChar typed = {}, Qt::KeyboardModifiers mods = {}) {
        if (!model.keyDown(field, {key, mods, typed}) && !typed.isNull()) {
            QChar c = typed;
            if (!model.keyPress(field, c) && c != kEnterChar)
                model.setText(field, model.text(field) + c);
        }
        model.keyUp(field);
    }
    void type(EntryField field, const QString& text) {
        for (QChar c : text)
            key(field, c == u' ' ? int(Qt::Key_Space) : c.toUpper().unicode(), c);
    }
    void enter(EntryField field) { key(field, Qt::Key_Return, kEnterChar); }
    /// A callsign accepted with Space, the code and county typed as the operator does.
    void contact(const QString& call, const QString& code, const QString& county) {
        model.setText(EntryField::Callsign, QString());
        type(EntryField::Callsign, call + u' ');
        type(EntryField::CodeReceived, code);
        type(EntryField::CountyReceived, county);
    }
    QStringList rows() { return logRows(f.log()); }

    EngineFixture f;
    FakeDialogs dialogs;
    FakeKeyLine keyLine;
    FakeVoicePlayer voice;
    FakeRealtimePriority realtime;
    QsoEntry model;
};
} // namespace

// The operator loop without a screen: keys in, the phase, the fields and the stored rows out.
class QsoEntryTest : public QObject {
    Q_OBJECT
private slots:
    void wholeContactMovesThroughTheFields() {
        Entry e(QStringLiteral("CampNatUS"));
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QCOMPARE(e.model.text(EntryField::Callsign), QStringLiteral("YO"));
        e.type(EntryField::Callsign, QStringLiteral("9ZZZ "));
        QCOMPARE(e.model.focus().field, EntryField::CodeReceived);
        QCOMPARE(e.model.text(EntryField::Time), QStringLiteral("12:00"));
        QVERIFY(e.model.logEnabled());
        e.type(EntryField::CodeReceived, QStringLiteral("123"));
        QCOMPARE(e.model.focus().field, EntryField::CountyReceived); // three digits move on
        e.type(EntryField::CountyReceived, QStringLiteral("CJ"));
        QCOMPARE(e.model.focus().field, EntryField::Callsign);
        QVERIFY(e.model.newMultiplier());
        e.enter(EntryField::Callsign);
        QCOMPARE(e.rows().size(), 1);
        QVERIFY(e.rows().first().startsWith(QStringLiteral("YO9ZZZ|")));
        QCOMPARE(e.model.text(EntryField::Callsign), QStringLiteral("YO"));
        QVERIFY(!e.model.newMultiplier() && !e.model.logEnabled());
        QCOMPARE(e.model.workedCounties(), QStringList{QStringLiteral("CJ")});
        QCOMPARE(e.model.results()[0].qso, QStringLiteral("1"));
        QVERIFY(e.dialogs.shown.isEmpty());
    }

    // The own call is refused, and the cancelled entry can be brought back.
    void ownCallIsRefusedAndRecoverable() {
        Entry e(QStringLiteral("CampNatUS"));
        e.model.setText(EntryField::Callsign, kOwnCall);
        e.key(EntryField::Callsign, Qt::Key_Tab);
        QCOMPARE(e.dialogs.shown.size(), 1);
        QVERIFY(e.model.recoveryEnabled());
        QCOMPARE(e.model.text(EntryField::Callsign), QStringLiteral("YO"));
        e.model.recover();
        QCOMPARE(e.model.text(EntryField::Callsign), kOwnCall);
        QCOMPARE(e.model.callsignMark(), CallsignMark::Duplicate);
        QVERIFY(!e.model.recoveryEnabled());
        QVERIFY(e.rows().isEmpty());
    }

    void doubledPrefixIsRepaired_data() {
        QTest::addColumn<QString>("typed"); // after the prefilled "YO"
        QTest::addColumn<QString>("accepted");
        QTest::newRow("YO typed again") << "YO9ABC"
                                        << "YO9ABC";
        QTest::newRow("ER over YO") << "ER3AB"
                                    << "ER3AB";
        QTest::newRow("YR over YO") << "YR5ABC"
                                    << "YR5ABC";
    }
    void doubledPrefixIsRepaired() {
        QFETCH(QString, typed);
        QFETCH(QString, accepted);
        Entry e(QStringLiteral("CampNatUS"));
        e.type(EntryField::Callsign, typed + u' ');
        QCOMPARE(e.model.text(EntryField::Callsign), accepted);
        QVERIFY(e.dialogs.shown.isEmpty());
    }

    void shortCallsignTakesSpaceAsBlank() {
        Entry e(QStringLiteral("CampNatUS"));
        e.type(EntryField::Callsign, QStringLiteral(" "));
        QCOMPARE(e.model.text(EntryField::Callsign), QStringLiteral("YO "));
        QVERIFY(e.dialogs.shown.isEmpty());
    }

    void duplicateIsShownNeverLogged() {
        Entry e(QStringLiteral("CampNatUS"));
        e.contact(QStringLiteral("YO5AAA"), QStringLiteral("001"), QStringLiteral("CJ"));
        e.enter(EntryField::Callsign);
        e.model.setText(EntryField::Callsign, QString());
        e.type(EntryField::Callsign, QStringLiteral("YO5AAA "));
        QCOMPARE(e.model.phase(), EntryPhase::Duplicate);
        QVERIFY(e.model.duplicateShown() && !e.model.logEnabled());
        QCOMPARE(e.model.callsignMark(), CallsignMark::Duplicate);
        e.type(EntryField::CodeReceived, QStringLiteral("002"));
        e.type(EntryField::CountyReceived, QStringLiteral("CJ "));
        e.model.logContact(); // IN LOG pressed anyway
        QCOMPARE(e.rows().size(), 1);
        e.model.cancelContact();
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QVERIFY(!e.model.duplicateShown());
    }

    void stageButtonClearsTheContactInHand() {
        Entry e(QStringLiteral("CampNatUS"));
        e.type(EntryField::Callsign, QStringLiteral("5BBB "));
        e.type(EntryField::CodeReceived, QStringLiteral("12"));
        e.model.chooseStage(2);
        QCOMPARE(e.f.app.stage, 2);
        QCOMPARE(e.model.text(EntryField::Callsign), QStringLiteral("YO"));
        QVERIFY(e.model.text(EntryField::CodeReceived).isEmpty());
        QVERIFY(!e.model.logEnabled());
        QVERIFY(e.rows().isEmpty());
    }

    // A correction cancelled and recovered is logged once, in place, in its own stage.
    void correctionCancelledRecoveredAndLogged() {
        Entry e(QStringLiteral("CampNatUS"));
        e.contact(QStringLiteral("YO5AAA"), QStringLiteral("001"), QStringLiteral("CJ"));
        e.enter(EntryField::Callsign);
        e.model.chooseStage(2);
        e.key(EntryField::Callsign, Qt::Key_F2, {}, Qt::AltModifier);
        QCOMPARE(e.model.phase(), EntryPhase::Correcting);
        QCOMPARE(e.model.shownStage(), 1);
        QCOMPARE(e.model.text(EntryField::Callsign), QStringLiteral("YO5AAA"));
        e.model.setText(EntryField::CountyReceived, QStringLiteral("MS"));
        e.model.cancelContact();
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QCOMPARE(e.model.shownStage(), 2);
        const QStringList before = e.rows();
        e.model.recover();
        QCOMPARE(e.model.phase(), EntryPhase::Correcting);
        QCOMPARE(e.model.text(EntryField::CountyReceived), QStringLiteral("MS"));
        e.model.logContact();
        const QStringList after = e.rows();
        QCOMPARE(after.size(), 1);
        QVERIFY(after.first() != before.first());
        QCOMPARE(after.first().section(u'|', 3, 3), QStringLiteral("1"));
        QCOMPARE(after.first().section(u'|', 7, 7), QStringLiteral("MS"));
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QCOMPARE(e.model.shownStage(), 2);
    }

    void nothingToCorrectSaysSo() {
        Entry e(QStringLiteral("CampNatUS"));
        e.model.correctLastContact();
        QCOMPARE(e.dialogs.texts(), QStringList{"NU EXISTA NICI UN CONTACT DE CORECTAT !"});
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QVERIFY(!e.model.logEnabled());
    }

    void receivedSerialIsPaddedBeforeLogging_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("serial contest, one digit") << "CpTeleorman"
                                                   << "7"
                                                   << "007";
        QTest::newRow("serial contest, two digits") << "CpTeleorman"
                                                    << "42"
                                                    << "042";
        QTest::newRow("call-area code stays") << "CampNatUS"
                                              << "7"
                                              << "7";
    }
    void receivedSerialIsPaddedBeforeLogging() {
        QFETCH(QString, contest);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Entry e(contest);
        e.model.setText(EntryField::Callsign, QString());
        e.type(EntryField::Callsign, QStringLiteral("YO5CCC "));
        e.model.setText(EntryField::CountyReceived, QStringLiteral("CJ"));
        e.type(EntryField::CodeReceived, typed);
        e.enter(EntryField::CodeReceived);
        QCOMPARE(e.rows().size(), 1);
        QCOMPARE(e.rows().first().section(u'|', 5, 5).split(u' ').value(1), stored);
    }

    void dateAndTimeFieldsCheckWhatIsTyped_data() {
        QTest::addColumn<EntryField>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("date whole") << EntryField::Date << "010326"
                                    << "01.03.26"
                                    << "";
        QTest::newRow("date impossible") << EntryField::Date << "310226"
                                         << " "
                                         << "DATA INCORECT INTRODUSA . INTRODUCETI DATA CORECT !";
        QTest::newRow("time with space") << EntryField::Time << "0930 "
                                         << "09:30"
                                         << "";
        QTest::newRow("time impossible") << EntryField::Time << "2561 "
                                         << " "
                                         << "ORA INCORECT INTRODUSA . INTRODUCETI ORA CORECT !";
    }
    void dateAndTimeFieldsCheckWhatIsTyped() {
        QFETCH(EntryField, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Entry e(QStringLiteral("CampNatUS"));
        e.model.setText(field, QString());
        e.type(field, typed);
        QCOMPARE(e.model.text(field), shown);
        QCOMPARE(e.dialogs.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    }

    // Tab walks the exchange backwards; Space in a sent field goes back to the callsign.
    void tabAndSpaceMoveTheFocus_data() {
        QTest::addColumn<EntryField>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<EntryField>("to");
        QTest::addColumn<Caret>("caret");
        QTest::newRow("county, Tab") << EntryField::CountyReceived << int(Qt::Key_Tab)
                                     << EntryField::CodeReceived << Caret::SelectAll;
        QTest::newRow("code, Tab") << EntryField::CodeReceived << int(Qt::Key_Tab)
                                   << EntryField::RstReceived << Caret::Middle;
        QTest::newRow("report, Tab") << EntryField::RstReceived << int(Qt::Key_Tab)
                                     << EntryField::CodeSent << Caret::SelectAll;
        QTest::newRow("code sent, Tab")
            << EntryField::CodeSent << int(Qt::Key_Tab) << EntryField::RstSent << Caret::Middle;
        QTest::newRow("report sent, Tab")
            << EntryField::RstSent << int(Qt::Key_Tab) << EntryField::Callsign << Caret::SelectAll;
        QTest::newRow("county sent, Space")
            << EntryField::CountySent << int(Qt::Key_Space) << EntryField::Callsign << Caret::AtEnd;
    }
    void tabAndSpaceMoveTheFocus() {
        QFETCH(EntryField, from);
        QFETCH(int, key);
        QFETCH(EntryField, to);
        QFETCH(Caret, caret);
        Entry e(QStringLiteral("CampNatUS"));
        e.type(EntryField::Callsign, QStringLiteral("5AAA "));
        e.key(from, key, key == Qt::Key_Space ? QChar(u' ') : QChar());
        QCOMPARE(e.model.focus().field, to);
        QCOMPARE(e.model.focus().caret, caret);
    }

    // Off line, F2 leaves the date for a new day in front, F3 / F4 one half of the time.
    void offLineKeysCutDateAndTime_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<EntryField>("field");
        QTest::addColumn<QString>("shown");
        QTest::newRow("F2") << int(Qt::Key_F2) << EntryField::Date << ".03.26";
        QTest::newRow("F3") << int(Qt::Key_F3) << EntryField::Time << "09:";
        QTest::newRow("F4") << int(Qt::Key_F4) << EntryField::Time << ":30";
    }
    void offLineKeysCutDateAndTime() {
        QFETCH(int, key);
        QFETCH(EntryField, field);
        QFETCH(QString, shown);
        Entry e(QStringLiteral("CampNatUS"));
        e.f.app.offLineLog = true;
        e.model.setText(EntryField::Date, QStringLiteral("01.03.26"));
        e.model.setText(EntryField::Time, QStringLiteral("09:30"));
        e.key(EntryField::Callsign, key);
        QCOMPARE(e.model.text(field), shown);
        QCOMPARE(e.model.focus().field, field);
    }

    void closedUntilStageAndModeAreChosen() {
        Entry e(QStringLiteral("CampNatUS"), 0, QStringLiteral("00"));
        QCOMPARE(e.model.phase(), EntryPhase::Closed);
        e.model.chooseCw();
        QCOMPARE(e.model.phase(), EntryPhase::Closed);
        QCOMPARE(e.model.text(EntryField::RstSent), QStringLiteral("599"));
        e.model.chooseStage(1);
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QCOMPARE(e.model.focus().field, EntryField::Callsign);
    }
};

QTEST_GUILESS_MAIN(QsoEntryTest)
#include "QsoEntryTest.moc"
