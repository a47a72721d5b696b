#include "models/QsoEntry.h"
#include "EngineFixture.h"
#include "EntryKeys.h"
#include "LogRows.h"
#include "RunSetup.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "fakes/FakeRig.h"
#include "fakes/FakeVoicePlayer.h"
#include "services/keyer/SerialLineKeyer.h"
#include "services/radio/RigLink.h"

#include <QTest>

namespace {
// The entry model on a fixture's databases, typed into as the screen's fields would be.
struct Entry {
    explicit Entry(const QString& contest, int stage = 1, const QString& mode = "CW",
                   RigLink* rig = nullptr)
        : f(contest, mode, stage),
          model({f.app, f.log(), f.calls(), f.specials, f.clock, keyPort, keyer, voice, rig}) {
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
        entryClear(model, EntryField::Callsign);
        type(EntryField::Callsign, call + u' ');
        type(EntryField::CodeReceived, code);
        type(EntryField::CountyReceived, county);
    }
    QStringList rows() { return logRows(f.log()); }
    QStringList said() const {
        QStringList texts;
        for (const Dialogs::Notice& n : model.notices())
            texts << n.text;
        return texts;
    }

    EngineFixture f;
    FakeKeyLine keyLine;
    FakeVoicePlayer voice;
    FakeRealtimePriority realtime;
    KeyPort keyPort{keyLine};
    SerialLineKeyer keyer{keyPort, realtime, [this] { return f.app.settings().comPort; }};
    QsoEntry model;
};
} // namespace

// The radio's band and the date and time keys of the operator loop, without a screen.
class QsoEntryTest : public QObject {
    Q_OBJECT
private slots:
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
        const QStringList told = e.said().filter(QStringLiteral("in afara benzii de 80 m"));
        QCOMPARE(told.size(), outside ? 1 : 0);
    }

    // The keys that edit a field, typed at the cursor or over the selection: the callsign from
    // the "YO" offered, up to its longest, and the CW repeat pause, which Enter leaves alone.
    void fieldEdits_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        const auto row = [](const char* name, EntryField f, const char* keys, const char* text,
                            int cursor) {
            QTest::newRow(name) << static_cast<int>(f) << keys << text << cursor;
        };
        const EntryField call = EntryField::Callsign;
        row("typed at the cursor", call, "Home 5", "5YO", 1);
        row("Shift selects, typed over", call, "5ABC Home Right S-End X", "YX", 2);
        row("Left leaves a selection at its start", call, "S-Home Left X", "XYO", 1);
        row("Right leaves it at its end", call, "Home S-Right Right X", "YXO", 2);
        row("Backspace takes the selection", call, "S-Left BS", "Y", 1);
        row("Backspace at the start", call, "Home BS", "YO", 0);
        row("Delete after the cursor", call, "Home Del", "O", 0);
        row("Delete at the end", call, "Del", "YO", 2);
        row("one short of the longest", call, "123456789AB", "YO123456789AB", 13);
        row("the longest refuses more", call, "123456789ABC", "YO123456789AB", 13);
        row("the longest typed over", call, "123456789AB S-Left C", "YO123456789AC", 13);
        row("pause: Backspace before the cursor", EntryField::PauseCw, "0.45 Left BS", "0.5", 2);
        row("pause: Enter", EntryField::PauseCw, "0.4 Enter", "0.4", 3);
    }
    void fieldEdits() {
        QFETCH(int, field);
        QFETCH(QString, keys);
        // The keys as the screen hands them over, with the character they type.
        static const QHash<QString, std::pair<int, QChar>> named{
            {"Home", {Qt::Key_Home, {}}},           {"End", {Qt::Key_End, {}}},
            {"Left", {Qt::Key_Left, {}}},           {"Right", {Qt::Key_Right, {}}},
            {"BS", {Qt::Key_Backspace, u'\b'}},     {"Del", {Qt::Key_Delete, {}}},
            {"Enter", {Qt::Key_Return, kEnterChar}}};
        const auto f = static_cast<EntryField>(field);
        Entry e("CampNatUS");
        for (const QString& k : keys.split(u' ')) {
            const bool shift = k.startsWith(QLatin1String("S-"));
            if (const auto key = named.find(shift ? k.mid(2) : k); key != named.end())
                e.key(f, key->first, key->second, shift ? Qt::ShiftModifier : Qt::NoModifier);
            else
                e.type(f, k);
        }
        const EditLine line = e.model.line(f);
        QTEST(line.text, "text");
        QTEST(line.cursor, "cursor");
        QVERIFY(!line.hasSelection());
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
            for (const auto& [typed, text] :
                 {std::pair{EntryField::Date, "010326"}, std::pair{EntryField::Time, "0930"}}) {
                entryClear(e.model, typed);
                e.type(typed, text);
            }
            e.key(EntryField::Callsign, Qt::Key_F1 + fKey - 1);
            QCOMPARE(e.model.focus().field, field);
        } else {
            entryClear(e.model, field);
            e.type(field, f[2]);
        }
        QCOMPARE(e.model.text(field), f[3]);
        QCOMPARE(e.said(), f[4].isEmpty() ? QStringList{} : QStringList{f[4]});
    }
};

QTEST_GUILESS_MAIN(QsoEntryTest)
#include "QsoEntryTest.moc"
