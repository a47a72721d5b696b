#include "entry/QsoEntry.h"
#include "EngineFixture.h"
#include "EntryKeys.h"
#include "LogRows.h"
#include "RunSetup.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "fakes/FakeRig.h"
#include "fakes/FakeVoicePlayer.h"
#include "keyer/SerialLineKeyer.h"
#include "radio/RigLink.h"

#include <QTest>

namespace {
// The entry model on a fixture's databases, typed into as the screen's fields would be.
struct Entry {
    explicit Entry(const QString& contest, int stage = 1, const QString& mode = "CW",
                   RigLink* rig = nullptr)
        : f(contest, mode, stage), model({f.app, f.log(), f.calls(), f.specials, f.clock, dialogs,
                                          keyPort, keyer, voice, rig}) {
        f.app.chooseRealContest(false);
        f.at("12:00");
        model.start();
    }
    void key(EntryField field, int key, QChar typed = {}, Qt::KeyboardModifiers mods = {}) {
        entryKey(model, field, key, typed, mods);
    }
    void type(EntryField field, const QString& text) { entryType(model, field, text); }
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
    KeyPort keyPort{keyLine};
    SerialLineKeyer keyer{keyPort, realtime, [this] { return f.app.settings().comPort; }};
    QsoEntry model;
};
} // namespace

// The operator loop without a screen: keys in, the phase, the fields and the stored rows out.
class QsoEntryTest : public QObject {
    Q_OBJECT
private slots:
    // A whole contact through the fields, then the same station again: shown, never logged.
    void contactThenItsDuplicate() {
        Entry e("CampNatUS");
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        e.type(EntryField::Callsign, "9ZZZ ");
        QCOMPARE(e.model.focus().field, EntryField::CodeReceived);
        QCOMPARE(e.model.text(EntryField::Time), "12:00");
        QVERIFY(e.model.logEnabled());
        e.type(EntryField::CodeReceived, "123");
        QCOMPARE(e.model.focus().field, EntryField::CountyReceived); // three digits move on
        e.type(EntryField::CountyReceived, "CJ");
        QCOMPARE(e.model.focus().field, EntryField::Callsign);
        QVERIFY(e.model.newMultiplier());
        e.enter(EntryField::Callsign);
        QCOMPARE(e.rows().size(), 1);
        QVERIFY(!e.model.newMultiplier() && !e.model.logEnabled());
        QCOMPARE(e.model.workedCounties(), QStringList{"CJ"});

        e.contact("YO9ZZZ", "002", "CJ ");
        QCOMPARE(e.model.phase(), EntryPhase::Duplicate);
        QVERIFY(e.model.duplicateShown() && !e.model.logEnabled());
        e.model.logContact(); // IN LOG pressed anyway
        QCOMPARE(e.rows().size(), 1);
        e.model.cancelContact();
        QVERIFY(!e.model.duplicateShown());
        QVERIFY(e.dialogs.shown.isEmpty());
    }

    // The radio outside the contest's band (80 m): named while it is, and the first contact
    // logged there told once.
    void radioOutsideTheBand_data() {
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<bool>("outside");
        QTest::newRow("80 m, its lower edge") << qint64(3'500'000) << false;
        QTest::newRow("below it") << qint64(3'499'999) << true;
        QTest::newRow("80 m, its upper edge") << qint64(4'000'000) << false;
        QTest::newRow("above it") << qint64(4'000'001) << true;
        QTest::newRow("40 m") << qint64(7'012'300) << true;
    }
    void radioOutsideTheBand() {
        QFETCH(qint64, hz);
        QFETCH(bool, outside);
        auto radio = std::make_shared<FakeRig::Shared>();
        radio->frequencyHz = hz;
        RigLink rig([radio](const RadioSettings&) { return std::make_unique<FakeRig>(radio); });
        Entry e("CpCarpati", 1, "CW", &rig);
        RadioSettings settings;
        settings.rigModel = 1;
        rig.follow(settings, 5, 5);
        QTRY_VERIFY(e.model.radioReading().has_value());
        QCOMPARE(e.model.offBand(), outside ? std::optional(80) : std::nullopt);
        for (const char* call : {"YO5AAA", "YO5BBB"}) {
            e.contact(call, "001", "CJ");
            e.enter(EntryField::Callsign);
        }
        QCOMPARE(e.rows().size(), 2);
        const QStringList told =
            e.dialogs.texts().filter(QStringLiteral("in afara benzii de 80 m"));
        QCOMPARE(told.size(), outside ? 1 : 0);
    }

    // The own call is refused, and the cancelled entry can be brought back.
    void ownCallIsRefusedAndRecoverable() {
        Entry e("CampNatUS");
        e.model.setText(EntryField::Callsign, "YO9AAA");
        e.key(EntryField::Callsign, Qt::Key_Tab);
        QCOMPARE(e.dialogs.shown.size(), 1);
        QCOMPARE(e.model.text(EntryField::Callsign), "YO");
        e.model.recover();
        QCOMPARE(e.model.text(EntryField::Callsign), "YO9AAA");
        QCOMPARE(e.model.callsignMark(), CallsignMark::Duplicate);
        QVERIFY(!e.model.recoveryEnabled());
        QVERIFY(e.rows().isEmpty());
    }

    // A stage switch clears the contact in hand; a correction is then cancelled, recovered and
    // logged once, in place, in the stage of its row.
    void stageSwitchThenCorrectionCancelledAndRecovered() {
        Entry e("CampNatUS");
        e.model.correctLastContact();
        QCOMPARE(e.dialogs.texts(), QStringList{"NU EXISTA NICI UN CONTACT DE CORECTAT !"});
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        e.contact("YO5AAA", "001", "CJ");
        e.enter(EntryField::Callsign);
        e.type(EntryField::Callsign, "5BBB ");
        e.type(EntryField::CodeReceived, "12");
        e.model.chooseStage(2);
        QCOMPARE(e.model.text(EntryField::Callsign), "YO");
        QVERIFY(e.model.text(EntryField::CodeReceived).isEmpty());

        e.key(EntryField::Callsign, Qt::Key_F2, {}, Qt::AltModifier);
        QCOMPARE(e.model.phase(), EntryPhase::Correcting);
        QCOMPARE(e.model.shownStage(), 1);
        QCOMPARE(e.model.text(EntryField::Callsign), "YO5AAA");
        e.model.setText(EntryField::CountyReceived, "MS");
        e.model.cancelContact();
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QCOMPARE(e.model.shownStage(), 2);
        e.model.recover();
        QCOMPARE(e.model.phase(), EntryPhase::Correcting);
        QCOMPARE(e.model.text(EntryField::CountyReceived), "MS");
        e.model.logContact();
        const QStringList rows = e.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().section(u'|', 3, 3), "1");
        QCOMPARE(rows.first().section(u'|', 7, 7), "MS");
        QCOMPARE(e.model.engine().totals().stages()[0].qsos, 1);
        QCOMPARE(e.model.engine().totals().stages()[1].qsos, 0);
        QCOMPARE(e.model.shownStage(), 2);
    }

    void prefixIsRepaired_data() {
        QTest::addColumn<QString>("typed"); // after the prefilled "YO", then Space
        QTest::addColumn<QString>("accepted");
        QTest::newRow("YO typed again") << QStringLiteral("YO9ABC") << QStringLiteral("YO9ABC");
        QTest::newRow("ER over YO") << QStringLiteral("ER3AB") << QStringLiteral("ER3AB");
        QTest::newRow("short: Space is a blank") << QString() << "YO ";
    }
    void prefixIsRepaired() {
        QFETCH(QString, typed);
        QFETCH(QString, accepted);
        Entry e("CampNatUS");
        e.type(EntryField::Callsign, typed + u' ');
        QCOMPARE(e.model.text(EntryField::Callsign), accepted);
        QVERIFY(e.dialogs.shown.isEmpty());
    }

    // A serial received is stored with three digits; a call-area digit as typed.
    void receivedSerialIsPaddedBeforeLogging_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("stored");
        QTest::newRow("serial") << QStringLiteral("CpTeleorman") << QStringLiteral("007");
        QTest::newRow("call-area digit") << QStringLiteral("CampNatUS") << QStringLiteral("7");
    }
    void receivedSerialIsPaddedBeforeLogging() {
        QFETCH(QString, contest);
        QFETCH(QString, stored);
        Entry e(contest);
        e.model.setText(EntryField::Callsign, QString());
        e.type(EntryField::Callsign, "YO5CCC ");
        e.model.setText(EntryField::CountyReceived, "CJ");
        e.type(EntryField::CodeReceived, "7");
        e.enter(EntryField::CodeReceived); // Enter in the code field pads it first
        QCOMPARE(e.rows().size(), 1);
        QCOMPARE(e.rows().first().section(u'|', 5, 5).split(u' ').value(1), stored);
    }

    // A date or time typed is checked; off line, F2 leaves the date for a new day in front and
    // F3 / F4 one half of the time.
    void dateAndTimeKeys_data() {
        // "date" or "time", the F key pressed on the callsign (0: `typed` is typed into the
        // field), typed, the field's text afterwards, the message
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("date impossible",
            "date|0|310226| |DATA INCORECT INTRODUSA . INTRODUCETI DATA CORECT !");
        row("time impossible", "time|0|2561 | |ORA INCORECT INTRODUSA . INTRODUCETI ORA CORECT !");
        row("F2", "date|2||.03.26|");
        row("F3", "time|3||09:|");
        row("F4", "time|4||:30|");
    }
    void dateAndTimeKeys() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        const EntryField field = f[0] == "date" ? EntryField::Date : EntryField::Time;
        const int fKey = f[1].toInt();
        Entry e("CampNatUS");
        if (fKey) {
            changeRun(e.f.app, [](HandOver& h) { h.offLine = true; });
            e.model.setText(EntryField::Date, "01.03.26");
            e.model.setText(EntryField::Time, "09:30");
            e.key(EntryField::Callsign, Qt::Key_F1 + fKey - 1);
            QCOMPARE(e.model.focus().field, field);
        } else {
            e.model.setText(field, QString());
            e.type(field, f[2]);
        }
        QCOMPARE(e.model.text(field), f[3]);
        QCOMPARE(e.dialogs.texts(), f[4].isEmpty() ? QStringList{} : QStringList{f[4]});
    }

    void closedUntilStageAndModeAreChosen() {
        Entry e("CampNatUS", 0, "00");
        QCOMPARE(e.model.phase(), EntryPhase::Closed);
        e.model.chooseCw();
        QCOMPARE(e.model.phase(), EntryPhase::Closed);
        QCOMPARE(e.model.text(EntryField::RstSent), "599");
        e.model.chooseStage(1);
        QCOMPARE(e.model.phase(), EntryPhase::Open);
        QCOMPARE(e.model.focus().field, EntryField::Callsign);
    }

    // A correction that becomes a duplicate is shown as one and not logged, both ways.
    void duplicateUnderCorrection() {
        Entry e("CampNatUS");
        for (const char* call : {"YO5AAA", "YO5BBB"}) {
            e.contact(call, "001", "CJ");
            e.enter(EntryField::Callsign);
        }
        e.key(EntryField::Callsign, Qt::Key_F2, {}, Qt::AltModifier);
        for (const char* call : {"YO5AAA", "YO5BBB"}) {
            const bool dupe = QLatin1String(call) == QLatin1String("YO5AAA");
            e.model.setText(EntryField::Callsign, call);
            e.key(EntryField::Callsign, Qt::Key_Tab);
            QCOMPARE(e.model.phase(), EntryPhase::Correcting);
            QCOMPARE(e.model.duplicateShown(), dupe);
            QCOMPARE(e.model.logEnabled(), !dupe);
            QCOMPARE(e.model.callsignMark(), dupe ? CallsignMark::Duplicate : CallsignMark::New);
        }
    }
};

QTEST_GUILESS_MAIN(QsoEntryTest)
#include "QsoEntryTest.moc"
