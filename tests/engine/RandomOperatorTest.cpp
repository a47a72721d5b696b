#include "EngineFixture.h"
#include "EntryKeys.h"
#include "LogRows.h"
#include "RunSetup.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeVoicePlayer.h"
#include "rules/CountyTables.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <rapidcheck.h>

#include <map>
#include <sstream>

// A randomized operator: random sequences of the operator's keys, buttons, cancels, recoveries,
// corrections, grid deletes and restarts of the entry model on one log, in every contest, typed
// only into the fields that contest's screen shows, each key through the screen's key path, and
// checked after every step against the log itself. Messages go out while the operator types on:
// each ends at a step of the sequence of its own, or at an abort. Two programs on one log accept
// and log in turn, each contact stored with the serial its screen showed. A failing sequence is
// shrunk by RapidCheck to a minimal one, which then belongs among the operator stories.
// VELT_RANDOM_RUNS sets the sequences per contest (the night run), RC_PARAMS the seed. In SSB the
// recordings of F1..F3 play while those of F4 and F5 are missing.

namespace {
enum class Act {
    Contact,  // a whole contact typed, as most are: callsign, Space, code, county, then Enter or
              // F3 / F5 that log it when their message has gone
    Callsign, // a callsign typed and accepted with Space
    Code,     // a received code typed into the field with the focus
    County,   // a county or word typed into the field with the focus
    Junk,     // a character no field may hold
    Space,
    Tab,
    Enter,
    InLog,
    Stage,
    Mode,
    Cancel,
    Recover,
    Correct,
    Delete,
    Restart,
    FKey,     // a message asked for with F1..F7 (F2 logs before it, F3 and F5 when it has gone),
              // after the one under way if there is one
    KeyerEnd, // the message under way ends
    Abort,    // Escape or End while a message may be under way
    Follow,   // the screen's clock: another program's changes are read
    Count
};

struct Step {
    Act act = Act::Space;
    int pick = 0;
    int program = 0; // of two programs on one log, the one the operator is at
};

const char* const kActNames[] = {"contact", "call",   "code",     "county", "junk",
                                 "space",   "tab",    "enter",    "inlog",  "stage",
                                 "mode",    "anulat", "recup",    "altf2",  "delete",
                                 "restart", "fkey",   "keyerend", "abort",  "follow"};

std::ostream& operator<<(std::ostream& os, const Step& s) {
    return os << kActNames[int(s.act)] << '(' << s.pick << (s.program ? ",B)" : ")");
}

// Real prefixes: Romanian areas, a Moldovan station, a foreign one, the own call, the special
// and club stations of the fixture.
const QStringList kCalls = {"YO3ABD", "YO8XYZ", "YO8QQQ", "YO5AAA", "YO2LLL", "ER3XY", "DL1ABC",
                            "YO9AAA", "YO6BB",  "YR5CD",  "YO3CFR", "YO1D",   "YO6AA", "YO2QTA"};
const QStringList kCodes = {"1", "12", "119", "007", "045", "000", "5", "118"};
const QStringList kJunk = {"Ж", "中", "Ș", "#", "x", "."};
// The operator's messages; "#8" logs the contact, F4 sends only the closing blank.
const std::array<QString, 7> kMessages = {"E", "#8", "E#8", "", "T#8", "E", "T"};

// A recording of no length as a sound recorder writes it: PCM, mono, 8 kHz, 8 bits.
const QByteArray kEmptyRecording = QByteArray::fromHex(
    "524946462400000057415645666d74201000000001000100401f0000401f0000010008006461746100000000");

QStringList words(const char* list) {
    return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
}

// What the operator types into the received-county field of `def`: its own kind of exchange,
// its words and the values that count by their own rule, and one value it refuses.
QStringList countyValues(const ContestDef& def) {
    switch (def.log.exchange) {
    case ExchangeKind::Zodiac:
        return CountyTables::zodiac().mid(0, 5) << QStringLiteral("QQQ");
    case ExchangeKind::Name:
        return {"ION", "ANA", "MIHAI", "ION"};
    case ExchangeKind::Sector:
        return {"XA", "XB", "AA", "XA", "CJ", "BU"};
    default:
        return QStringList{"CJ", "IS", "TM", "BU", "CJ", "AA", "IS", "QQ"} +
               words(def.log.exchangeWords) + words(def.log.special.candidates);
    }
}

QString ordinaryExclusion(const ContestDef& def) {
    // Values that count by their own rule, never as "held once".
    return QString::fromLatin1(def.log.special.candidates) + QStringLiteral(" YL ELV UNR");
}

// A keyer whose message goes out until the sequence ends it, so that the operator types on
// meanwhile; an abort ends it at the next such step.
class StepKeyer : public CwKeyer {
public:
    KeyingResult start(const QString&, int) override {
        if (m_busy)
            return KeyingResult::Busy;
        m_busy = true;
        m_aborted = false;
        return KeyingResult::Started;
    }
    void abort() override { m_aborted = m_busy; }
    bool isBusy() const override { return m_busy; }
    /// The message under way ends: sent whole, or cut short by an abort; `onlyAborted` leaves a
    /// message that no abort reached going.
    void end(bool onlyAborted = false) {
        if (!m_busy || (onlyAborted && !m_aborted))
            return;
        m_busy = false;
        emit finished(m_aborted ? KeyingResult::Aborted : KeyingResult::Done);
    }

private:
    bool m_busy = false;
    bool m_aborted = false;
};

// The operator at one program's entry model, moving the focus as the screen does.
class Operator {
public:
    Operator(EngineFixture& f, Database& log, Database& calls)
        : m_f(f), m_log(log), m_calls(calls), m_run(f.app) {
        restart();
    }

    QsoEntry& model() { return *m_model; }
    const ContestDef& def() const { return m_run.contest(); }

    /// The program started again on the same log: the message under way stops as the screen
    /// closes, the set-up screen hands over no stage or mode (unless the contest presets them),
    /// and the operator presses 1A and the mode.
    void restart() {
        if (m_model) {
            m_model->abortKeying();
            m_keyer.end(true);
        }
        m_run = m_f.app;
        m_run.chooseStage(def().presetStage ? Stage::A1 : Stage::None);
        m_run.chooseMode(def().ssbOnly ? Mode::Ssb : Mode::None);
        m_model = std::make_unique<QsoEntry>(EntryServices{m_run, m_log, m_calls, m_f.specials,
                                                           m_f.clock, m_keyPort, m_keyer, m_voice});
        m_model->start();
        m_model->chooseStage(1);
        def().ssbOnly ? m_model->chooseSsb() : m_model->chooseCw();
        m_seen = -1;
        follow();
    }
    /// True for the fields this contest's screen shows.
    bool shows(EntryField field) const {
        return def().screen.exchange.codeFields ||
               (field != EntryField::CodeSent && field != EntryField::CodeReceived);
    }
    void press(int k, QChar typed = {}, Qt::KeyboardModifiers mods = {}) {
        entryKey(*m_model, m_focused, k, typed, mods, m_replace);
        m_replace = false;
        follow();
    }
    void type(const QString& text) {
        for (QChar c : text)
            press(c == u' ' ? int(Qt::Key_Space) : c.toUpper().unicode(), c);
    }
    /// The screen's own actions (buttons, menus, grid) and the focus they move.
    template <typename F> void act(F action) {
        action(*m_model);
        follow();
    }
    /// The message under way ends; a recording as the player's end reaches the event loop.
    void endMessage() {
        m_keyer.end();
        static_cast<void>(QTest::qWaitFor([&] { return !m_model->messageUnderWay(); }, 40));
        follow();
    }
    void abort(int key) {
        press(key);
        m_keyer.end(true);
        follow();
    }

private:
    void follow() {
        const FocusRequest& f = m_model->focus();
        if (f.serial == m_seen)
            return;
        m_seen = f.serial;
        // The screen cannot put the cursor into a field it does not show.
        if (!shows(f.field))
            return;
        m_replace = f.caret == Caret::SelectAll;
        if (f.field != m_focused) {
            m_focused = f.field;
            m_model->focusEntered(f.field);
        }
    }

    EngineFixture& m_f;
    Database& m_log;
    Database& m_calls;
    ContestRun m_run;
    FakeKeyLine m_keyLine;
    KeyPort m_keyPort{m_keyLine};
    FakeVoicePlayer m_voice;
    StepKeyer m_keyer;
    std::unique_ptr<QsoEntry> m_model;
    EntryField m_focused = EntryField::Callsign;
    int m_seen = -1;
    bool m_replace = false;
};

// Each row's columns Callsign .. Pct by its ID.
using Rows = std::map<qint64, QStringList>;

Rows storedRows(Database& db) {
    Rows rows;
    for (const QString& r : logRows(db, true))
        rows[r.section(u'|', 0, 0).toLongLong()] = r.split(u'|').mid(1);
    return rows;
}

int scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    return db.scalar(sql, values).toInt();
}

// The totals `model` shows are those of the log.
void checkTotals(Database& db, const QsoEntry& model) {
    for (const ResultRow& r : model.results()) {
        const int stage = QStringList{"1A", "1B", "2A", "2B"}.indexOf(r.band) + 1;
        const QVariantList s{QString::number(stage)};
        RC_ASSERT(r.qso.toInt() == scalar(db, "SELECT count(*) FROM LogGen WHERE Etp = ?", s));
        RC_ASSERT(r.mlt.toInt() ==
                  scalar(db, "SELECT count(*) FROM LogGen WHERE Etp = ? AND trim(Mult) <> ''", s));
        RC_ASSERT(r.pkt.toInt() ==
                  scalar(db,
                         "SELECT coalesce(sum(CAST(Pct AS INTEGER)), 0) FROM LogGen "
                         "WHERE Etp = ?",
                         s));
    }
}

// The invariants, asked of the log alone.
void checkLog(EngineFixture& f, QsoEntry& model, const Rows& before, const Step& step,
              qint64 deleted, QSet<QString>& everHeld) {
    const ContestDef& def = f.app.contest();
    Database& db = f.log();
    const Rows after = storedRows(db);
    // A message's end logs the contact F3 or F5 took; F2 logs before its message.
    const bool logs = step.act == Act::Enter || step.act == Act::InLog ||
                      step.act == Act::Contact || step.act == Act::FKey ||
                      step.act == Act::KeyerEnd;
    // No row lost or doubled; new rows come only from logging, one at a time, after the others.
    int added = 0;
    for (const auto& [id, row] : after) {
        if (!before.contains(id)) {
            const bool last = before.empty() || id > before.rbegin()->first;
            RC_ASSERT(logs);
            RC_ASSERT(last);
            ++added;
            continue;
        }
        // Only logging (a correction, in place) changes a row; anything may move a multiplier.
        const QStringList& was = before.at(id);
        if (row.mid(0, 8) + row.mid(9) != was.mid(0, 8) + was.mid(9))
            RC_ASSERT(logs);
    }
    RC_ASSERT(added <= 1);
    for (const auto& [id, row] : before)
        if (!after.contains(id))
            RC_ASSERT(id == deleted);

    // No duplicate is a scoring contact: the same call twice in a stage, in one mode where the
    // stage's rule tells the modes apart.
    for (int stage = 1; stage <= 4; ++stage)
        RC_ASSERT(scalar(db,
                         QStringLiteral("SELECT count(*) FROM LogGen a JOIN LogGen b ON a.Callsign "
                                        "= b.Callsign AND a.Etp = b.Etp AND (a.Md = b.Md OR ?) "
                                        "AND a.ID < b.ID WHERE a.Etp = ?"),
                         {!def.log.dupeRule(stage).modeAware, QString::number(stage)}) == 0);

    // Each ordinary multiplier is held once per stage, by the earliest contact with it.
    const QStringList own = ordinaryExclusion(def).split(u' ', Qt::SkipEmptyParts);
    QMap<QString, qint64> holder; // stage|mult -> ID
    QMap<QString, qint64> first;  // stage|county -> earliest ID that could hold it
    for (const auto& [id, row] : after) {
        const QString stage = row[3];
        const QString county = row[7].trimmed();
        const QString mult = row[8].trimmed();
        if (!mult.isEmpty() && !own.contains(mult)) {
            RC_ASSERT(!holder.contains(stage + u'|' + mult));
            holder[stage + u'|' + mult] = id;
            RC_ASSERT(mult == county);
        }
        // A contact whose value counts by its own rule holds no county.
        if (!own.contains(mult) && !first.contains(stage + u'|' + county))
            first[stage + u'|' + county] = id;
    }
    for (auto it = holder.begin(); it != holder.end(); ++it) {
        RC_ASSERT(first.value(it.key()) == it.value());
        everHeld.insert(it.key());
    }
    // A value once found to be a multiplier of its stage stays held while a contact has it.
    for (auto it = first.begin(); it != first.end(); ++it)
        if (everHeld.contains(it.key()))
            RC_ASSERT(holder.contains(it.key()));

    checkTotals(db, model);

    // Every row whole and of legal characters; no serial sent twice.
    static const QRegularExpression whole(
        QStringLiteral(
            R"(^[A-Z0-9/]{3,13}\|\d\d\.\d\d\.\d\d\|\d\d:\d\d\|[1-4]\|(%1)\|(%1)\|(CW|SSB)\|)")
            .arg(QStringLiteral("[0-9]{2,3}( [0-9A-Z]+)?( [A-Z*]+)")));
    QSet<QString> serials;
    for (const auto& [id, c] : after) {
        RC_ASSERT(whole.match(c.join(u'|')).hasMatch());
        if (def.serialSent()) {
            RC_ASSERT(!serials.contains(c[4].section(u' ', 1, 1)));
            serials.insert(c[4].section(u' ', 1, 1));
        }
    }
}

// Applies `s`; the callsign in hand is added to `taken` when F3 or F5 is pressed on it.
void apply(Operator& op, EngineFixture& f, const Step& s, const QStringList& counties,
           qint64& deleted, QStringList& taken) {
    const auto pick = [&](const QStringList& list) { return list[s.pick % list.size()]; };
    const auto logKey = [&](int key) {
        taken << op.model().text(EntryField::Callsign).remove(u' ').toUpper();
        op.press(key);
    };
    const bool codes = op.shows(EntryField::CodeReceived);
    switch (s.act) {
    case Act::Contact:
        op.act([](QsoEntry& e) { entryClear(e, EntryField::Callsign); });
        op.type(pick(kCalls) + u' ');
        if (codes)
            op.type(kCodes[s.pick % kCodes.size()]);
        op.type(counties[(s.pick / 2) % counties.size()] + u' ');
        if (const int ending = (s.pick / 10) % 3; ending == 0)
            op.press(Qt::Key_Return, kEnterChar);
        else
            logKey(ending == 1 ? Qt::Key_F3 : Qt::Key_F5);
        break;
    case Act::Callsign:
        op.act([](QsoEntry& e) { entryClear(e, EntryField::Callsign); });
        op.act([](QsoEntry& e) { e.focusEntered(EntryField::Callsign); });
        op.type(pick(kCalls));
        op.press(Qt::Key_Space, u' ');
        break;
    case Act::Code:
        if (codes)
            op.type(pick(kCodes));
        break;
    case Act::County:
        op.type(pick(counties));
        break;
    case Act::Junk:
        op.type(pick(kJunk));
        break;
    case Act::Space:
        op.press(Qt::Key_Space, u' ');
        break;
    case Act::Tab:
        op.press(Qt::Key_Tab);
        break;
    case Act::Enter:
        op.press(Qt::Key_Return, kEnterChar);
        break;
    case Act::InLog:
        // The button is enabled only when the screen shows it so.
        op.act([](QsoEntry& e) {
            if (e.logEnabled())
                e.logContact();
        });
        break;
    case Act::Stage:
        op.act([&](QsoEntry& e) { e.chooseStage(1 + s.pick % op.def().stageCount); });
        break;
    case Act::Mode:
        op.act([&](QsoEntry& e) { s.pick % 2 || op.def().ssbOnly ? e.chooseSsb() : e.chooseCw(); });
        break;
    case Act::Cancel:
        op.act([](QsoEntry& e) { e.cancelContact(); });
        break;
    case Act::Recover:
        op.act([](QsoEntry& e) { e.recover(); });
        break;
    case Act::Correct:
        op.press(Qt::Key_F2, {}, Qt::AltModifier);
        break;
    case Act::Delete: {
        const Rows rows = storedRows(f.log());
        if (rows.empty())
            break;
        auto it = rows.begin();
        std::advance(it, s.pick % rows.size());
        deleted = it->first;
        op.act([&](QsoEntry& e) { e.deleteContact(deleted); });
        break;
    }
    case Act::Restart:
        op.restart();
        break;
    case Act::FKey:
        if (const int key = Qt::Key_F1 + s.pick % 7; key == Qt::Key_F3 || key == Qt::Key_F5)
            logKey(key);
        else
            op.press(key);
        break;
    case Act::KeyerEnd:
        op.endMessage();
        break;
    case Act::Abort:
        op.abort(s.pick % 2 ? Qt::Key_Escape : Qt::Key_End);
        break;
    case Act::Follow:
        op.act([](QsoEntry& e) { e.followLog(); });
        break;
    case Act::Count:
        break;
    }
}

// The opening of a contest's fixture: keyed by the PC in both modes, the recordings of F1..F3
// in place.
void prepare(EngineFixture& f) {
    f.app.chooseRealContest(false);
    changeRun(f.app, [](HandOver& h) {
        h.keyer.cwByPc = h.keyer.ssbByPc = h.keyer.soundCard = true;
        h.settings.cwTexts = kMessages;
    });
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("WAVUs")));
    for (int n = 1; n <= 3; ++n)
        QVERIFY(f.dir.write(QStringLiteral("WAVUs/F%1.wav").arg(n), kEmptyRecording));
    f.at("12:00");
}

// Runs `property` over random sequences of steps, each on the emptied log of `f`; the shrunk
// failure as text.
template <typename Property> QString check(EngineFixture& f, Property property) {
    rc::detail::TestParams params = rc::detail::configuration().testParams;
    const int asked = qEnvironmentVariableIntValue("VELT_RANDOM_RUNS");
    params.maxSuccess = asked > 0 ? asked : 60;
    params.maxSize = 40;
    const auto result = rc::detail::checkTestable(
        [&](const std::vector<Step>& steps) {
            RC_ASSERT(f.log().exec(QStringLiteral("DELETE FROM LogGen")).ok());
            RC_ASSERT(f.log().exec(QStringLiteral("DELETE FROM SentSerial")).ok());
            property(steps);
        },
        rc::detail::TestMetadata{}, params);
    std::ostringstream out;
    rc::detail::printResultMessage(result, out);
    return result.template is<rc::detail::SuccessResult>() ? QString()
                                                           : QString::fromStdString(out.str());
}

} // namespace

namespace rc {
template <> struct Arbitrary<Step> {
    static Gen<Step> arbitrary() {
        // Every action at any size; a whole contact as likely as three other actions together.
        const auto act =
            gen::map(gen::resize(100, gen::inRange(0, int(Act::Count) + 3)),
                     [](int n) { return n >= int(Act::Count) ? Act::Contact : Act(n); });
        return gen::build<Step>(gen::set(&Step::act, act),
                                gen::set(&Step::pick, gen::resize(100, gen::inRange(0, 30))),
                                gen::set(&Step::program, gen::inRange(0, 2)));
    }
};
} // namespace rc

class RandomOperatorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Seeded unless the night run gives its own parameters.
        if (qEnvironmentVariableIsEmpty("RC_PARAMS"))
            qputenv("RC_PARAMS", QByteArrayLiteral("seed=20260301 verbose_progress=0"));
    }

    void operatorKeepsTheLogSound_data() {
        QTest::addColumn<QString>("contest");
        for (const ContestDef& def : ContestCatalog::all())
            QTest::newRow(def.code) << def.codeString();
    }
    void operatorKeepsTheLogSound() {
        QFETCH(QString, contest);
        EngineFixture f(contest, QStringLiteral("CW"), 1);
        prepare(f);
        const QStringList counties = countyValues(f.app.contest());
        const QString failure = check(f, [&](const std::vector<Step>& steps) {
            Operator op(f, f.log(), f.calls());
            QSet<QString> everHeld;
            QStringList taken; // what F3 and F5 were pressed on, logged when their message ends
            for (const Step& s : steps) {
                const Rows before = storedRows(f.log());
                qint64 deleted = 0;
                apply(op, f, s, counties, deleted, taken);
                if (s.act == Act::KeyerEnd)
                    for (const auto& [id, row] : storedRows(f.log()))
                        if (!before.contains(id))
                            RC_ASSERT(taken.removeOne(row[0]));
                checkLog(f, op.model(), before, s, deleted, everHeld);
            }
        });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // Two programs on one log, their operators at work in turn: each contact Enter or IN LOG
    // stores has the serial its screen showed, no serial is stored twice, no two contacts in hand
    // show the same one, and each screen's totals follow the log.
    void twoProgramsStoreTheSerialsShown_data() {
        QTest::addColumn<QString>("contest");
        for (const char* code : {"Telecom", "MemYO"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void twoProgramsStoreTheSerialsShown() {
        QFETCH(QString, contest);
        EngineFixture f(contest, QStringLiteral("CW"), 1);
        prepare(f);
        Database otherLog(QStringLiteral("OtherLog"));
        Database otherCalls(QStringLiteral("OtherCalls"));
        QVERIFY(otherLog.open(f.log().path(), "LogGen").ok());
        QVERIFY(otherCalls.open(f.calls().path(), "CallJud").ok());
        const QStringList counties = countyValues(f.app.contest());
        const QString failure = check(f, [&](const std::vector<Step>& steps) {
            Operator a(f, f.log(), f.calls());
            Operator b(f, otherLog, otherCalls);
            for (const Step& s : steps) {
                Operator& op = s.program ? b : a;
                const Rows before = storedRows(f.log());
                const QString shown = op.model().text(EntryField::CodeSent).trimmed();
                qint64 deleted = 0;
                QStringList taken;
                apply(op, f, s, counties, deleted, taken);
                QSet<QString> serials;
                for (const auto& [id, row] : storedRows(f.log())) {
                    const QString serial = row[4].section(u' ', 1, 1);
                    if (!before.contains(id) && (s.act == Act::Enter || s.act == Act::InLog))
                        RC_ASSERT(serial == shown);
                    RC_ASSERT(!serials.contains(serial));
                    serials.insert(serial);
                }
                // Within a second each screen shows the totals of the log.
                if (s.act == Act::Follow)
                    checkTotals(f.log(), op.model());
                if (a.model().callsignMark() != CallsignMark::Plain &&
                    b.model().callsignMark() != CallsignMark::Plain)
                    RC_ASSERT(a.model().text(EntryField::CodeSent) !=
                              b.model().text(EntryField::CodeSent));
            }
        });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_GUILESS_MAIN(RandomOperatorTest)
#include "RandomOperatorTest.moc"
