#include "EngineFixture.h"
#include "RunSetup.h"
#include "entry/EntryCharacters.h"
#include "entry/QsoEntry.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "fakes/FakeVoicePlayer.h"
#include "keyer/SerialLineKeyer.h"
#include "refdata/CountyTables.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <rapidcheck.h>

#include <map>
#include <sstream>

// A randomized operator: random sequences of the operator's keys, buttons, cancels, recoveries,
// corrections, grid deletes and restarts of the entry model on one log, checked after every
// step against the log itself. A failing sequence is shrunk by RapidCheck to a minimal one,
// which then belongs among the operator stories. VELT_RANDOM_RUNS sets the sequences per contest
// (the night run), RC_PARAMS the seed. The keyer is on: short fast CW messages end within a
// step, and in SSB the recordings of F1..F3 play while those of F4 and F5 are missing.

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
    FKey,     // a message started with F1..F5 (F2 logs before it, F3 and F5 when it has gone),
              // half of them left to run to their end
    KeyerEnd, // the keyer's events delivered until a short message under way has ended
    Abort,    // Escape or End while a message may be under way
    Count
};

struct Step {
    Act act = Act::Space;
    int pick = 0;
};

const char* const kActNames[] = {"contact", "call",   "code",     "county", "junk",
                                 "space",   "tab",    "enter",    "inlog",  "stage",
                                 "mode",    "anulat", "recup",    "altf2",  "delete",
                                 "restart", "fkey",   "keyerend", "abort"};

std::ostream& operator<<(std::ostream& os, const Step& s) {
    return os << kActNames[int(s.act)] << '(' << s.pick << ')';
}

// Real prefixes: Romanian areas, a Moldovan station, a foreign one, the own call.
const QStringList kCalls = {"YO3ABD", "YO8XYZ", "YO8QQQ", "YO5AAA", "YO2LLL",
                            "ER3XY",  "DL1ABC", "YO9AAA", "YO6BB",  "YR5CD"};
const QStringList kCodes = {"1", "12", "119", "007", "045", "000", "5"};
const QStringList kJunk = {"Ж", "中", "Ș", "#", "x", "."};
// The operator's messages, each raising the speed by 200 wpm so that it ends within a step; "#8"
// logs the contact, F4 sends only the closing blank.
const QString kFaster(40, u'>');
const std::array<QString, 7> kMessages = {kFaster + u'E',
                                          QStringLiteral("#8"),
                                          kFaster + QStringLiteral("E#8"),
                                          kFaster,
                                          kFaster + QStringLiteral("T#8"),
                                          QStringLiteral("E"),
                                          QStringLiteral("T")};

// A recording of no length as a sound recorder writes it: PCM, mono, 8 kHz, 8 bits.
const QByteArray kEmptyRecording = QByteArray::fromHex(
    "524946462400000057415645666d74201000000001000100401f0000401f0000010008006461746100000000");

// The contests whose rules the operator meets: serials and club words, zodiac, age, own county
// and club list, sectors and "AA", four stages with codes passed on.
struct Contest {
    const char* code;
    QStringList counties;
};
const Contest kContests[] = {
    {"Telecom", {"CJ", "IS", "TM", "TL", "TLC", "BU", "IS*"}},
    {"CpPitesti", {"BER", "TAU", "LEU", "BER", "GEM"}},
    {"CpElevi", {"CJ", "MS", "CJ", "PH"}},
    {"CpTimis", {"TM", "QT", "CJ", "PH", "CJ"}},
    {"ConcBUC", {"XA", "XB", "AA", "XA", "CJ"}},
    {"CampNatUS", {"BU", "IS", "CJ", "IS", "AA"}},
};

QString ordinaryExclusion(const ContestDef& def) {
    // Values that count by their own rule, never as "held once".
    return QString::fromLatin1(def.log.special.candidates) + QStringLiteral(" YL ELV UNR");
}

// The operator at the entry model, moving the focus as the screen does.
class Operator {
public:
    explicit Operator(EngineFixture& f) : m_f(f) { restart(); }

    QsoEntry& model() { return *m_model; }

    /// The program started again on the same log: the set-up screen hands over no stage or mode
    /// (unless the contest presets them), and the operator presses 1A and CW.
    void restart() {
        const ContestDef& def = m_f.app.contest();
        m_f.app.chooseStage(def.presetStage ? Stage::A1 : Stage::None);
        m_f.app.chooseMode(def.ssbOnly ? Mode::Ssb : Mode::None);
        m_model.reset();
        m_keyer.reset(); // the program's port closes as it ends
        m_keyPort = std::make_unique<KeyPort>(m_keyLine);
        m_keyer = std::make_unique<SerialLineKeyer>(*m_keyPort, m_realtime,
                                                    [this] { return m_f.app.settings().comPort; });
        m_model = std::make_unique<QsoEntry>(EntryServices{m_f.app, m_f.log(), m_f.calls(),
                                                           m_f.specials, m_f.clock, m_dialogs,
                                                           *m_keyPort, *m_keyer, m_voice});
        m_model->start();
        m_model->chooseStage(1);
        m_model->chooseCw();
        m_seen = -1;
        follow();
    }
    void key(EntryField field, int key, QChar typed = {}, Qt::KeyboardModifiers mods = {}) {
        if (!m_model->keyDown(field, {key, mods, typed}) && !typed.isNull()) {
            QChar c = typed;
            if (!m_model->keyPress(field, c) && c != kEnterChar) {
                const QString now = m_replace ? QString() : m_model->text(field);
                const int longest = EntryCharacters::maxLength(field);
                if (longest == 0 || now.size() < longest)
                    m_model->setText(field, now + c);
            }
        }
        m_replace = false;
        m_model->keyUp(field);
        follow();
    }
    void type(const QString& text) {
        for (QChar c : text)
            key(m_focused, c == u' ' ? int(Qt::Key_Space) : c.toUpper().unicode(), c);
    }
    void press(int k, QChar typed = {}, Qt::KeyboardModifiers mods = {}) {
        key(m_focused, k, typed, mods);
    }
    /// The screen's own actions (buttons, menus, grid) and the focus they move.
    template <typename F> void act(F action) {
        action(*m_model);
        follow();
    }

private:
    void follow() {
        const FocusRequest& f = m_model->focus();
        if (f.serial == m_seen)
            return;
        m_seen = f.serial;
        m_replace = f.caret == Caret::SelectAll;
        if (f.field != m_focused) {
            m_focused = f.field;
            m_model->focusEntered(f.field);
        }
    }

    EngineFixture& m_f;
    FakeDialogs m_dialogs;
    FakeKeyLine m_keyLine;
    FakeVoicePlayer m_voice;
    FakeRealtimePriority m_realtime;
    std::unique_ptr<KeyPort> m_keyPort;
    std::unique_ptr<SerialLineKeyer> m_keyer;
    std::unique_ptr<QsoEntry> m_model;
    EntryField m_focused = EntryField::Callsign;
    int m_seen = -1;
    bool m_replace = false;
};

struct Row {
    QStringList cols; // Callsign .. Pct
    bool operator==(const Row& o) const { return cols == o.cols; }
};

std::map<qint64, Row> storedRows(Database& db) {
    std::map<qint64, Row> rows;
    auto q = db.select(QStringLiteral("SELECT ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, "
                                      "Mult, Pct FROM LogGen"));
    while (q && q->next()) {
        Row r;
        for (int i = 1; i <= 10; ++i)
            r.cols << q->value(i).toString();
        rows[q->value(0).toLongLong()] = r;
    }
    return rows;
}

int scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    return db.scalar(sql, values).toInt();
}

// The invariants, asked of the log alone.
void checkLog(EngineFixture& f, QsoEntry& model, const std::map<qint64, Row>& before,
              const Step& step, qint64 deleted, QSet<QString>& everHeld) {
    const ContestDef& def = f.app.contest();
    Database& db = f.log();
    const std::map<qint64, Row> after = storedRows(db);
    // A message's end logs what F3 or F5 sent; Escape may come after it has gone.
    const bool logs = step.act == Act::Enter || step.act == Act::InLog ||
                      step.act == Act::Contact || step.act == Act::FKey ||
                      step.act == Act::KeyerEnd || step.act == Act::Abort;
    // No row lost or doubled; new rows come only from logging, one at a time, after the others.
    int added = 0;
    for (const auto& [id, row] : after) {
        if (!before.count(id)) {
            const bool last = before.empty() || id > before.rbegin()->first;
            RC_ASSERT(logs);
            RC_ASSERT(last);
            ++added;
            continue;
        }
        // Only logging (a correction, in place) changes a row; anything may move a multiplier.
        QStringList a = row.cols, b = before.at(id).cols;
        a[8].clear();
        b[8].clear();
        if (a != b)
            RC_ASSERT(logs);
    }
    RC_ASSERT(added <= 1);
    for (const auto& [id, row] : before)
        if (!after.count(id))
            RC_ASSERT(id == deleted);

    // No duplicate is a scoring contact.
    RC_ASSERT(scalar(db, QStringLiteral("SELECT count(*) FROM LogGen a JOIN LogGen b ON "
                                        "a.Callsign = b.Callsign AND a.Etp = b.Etp AND "
                                        "a.Md = b.Md AND a.ID < b.ID")) == 0);
    for (int stage = 1; stage <= 4; ++stage)
        if (!def.log.dupeRule(stage).modeAware)
            RC_ASSERT(scalar(db,
                             QStringLiteral("SELECT count(*) FROM LogGen a JOIN LogGen b ON "
                                            "a.Callsign = b.Callsign AND a.Etp = b.Etp AND "
                                            "a.ID < b.ID WHERE a.Etp = ?"),
                             {QString::number(stage)}) == 0);

    // Each ordinary multiplier is held once per stage, by the earliest contact with it.
    const QStringList own = ordinaryExclusion(def).split(u' ', Qt::SkipEmptyParts);
    QMap<QString, qint64> holder; // stage|mult -> ID
    QMap<QString, qint64> first;  // stage|county -> earliest ID that could hold it
    for (const auto& [id, row] : after) {
        const QString stage = row.cols[3], county = row.cols[7].trimmed();
        const QString mult = row.cols[8].trimmed();
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

    // The totals shown are those of the log.
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

    // Every row whole and of legal characters; serials unique and increasing.
    static const QRegularExpression call(QStringLiteral("^[A-Z0-9/]{3,13}$"));
    static const QRegularExpression date(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d$"));
    static const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d$"));
    static const QRegularExpression exch(QStringLiteral("^[0-9]{2,3}( [0-9A-Z]+)?( [A-Z*]+)$"));
    int lastSerial = 0;
    for (const auto& [id, row] : after) {
        const QStringList& c = row.cols;
        RC_ASSERT(call.match(c[0]).hasMatch());
        RC_ASSERT(date.match(c[1]).hasMatch());
        RC_ASSERT(time.match(c[2]).hasMatch());
        RC_ASSERT(exch.match(c[4]).hasMatch());
        RC_ASSERT(exch.match(c[5]).hasMatch());
        RC_ASSERT(c[6] == QStringLiteral("CW") || c[6] == QStringLiteral("SSB"));
        if (def.serialSent()) {
            const int serial = c[4].section(u' ', 1, 1).toInt();
            RC_ASSERT(serial > lastSerial);
            lastSerial = serial;
        }
    }
}

void apply(Operator& op, EngineFixture& f, const Step& s, const QStringList& counties,
           qint64& deleted) {
    QsoEntry& m = op.model();
    const auto pick = [&](const QStringList& list) { return list[s.pick % list.size()]; };
    switch (s.act) {
    case Act::Contact:
        op.act([](QsoEntry& e) { e.setText(EntryField::Callsign, QString()); });
        op.type(pick(kCalls) + u' ' + kCodes[s.pick % kCodes.size()]);
        op.type(counties[(s.pick / 2) % counties.size()] + u' ');
        if (const int ending = (s.pick / 10) % 3; ending == 0)
            op.press(Qt::Key_Return, kEnterChar);
        else
            op.press(ending == 1 ? Qt::Key_F3 : Qt::Key_F5);
        break;
    case Act::Callsign:
        op.act([](QsoEntry& e) { e.setText(EntryField::Callsign, QString()); });
        op.act([](QsoEntry& e) { e.focusEntered(EntryField::Callsign); });
        op.type(pick(kCalls));
        op.press(Qt::Key_Space, u' ');
        break;
    case Act::Code:
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
        op.act([](QsoEntry& e) { e.logContact(); });
        break;
    case Act::Stage:
        op.act([&](QsoEntry& e) { e.chooseStage(1 + s.pick % f.app.contest().stageCount); });
        break;
    case Act::Mode:
        op.act([&](QsoEntry& e) { s.pick % 2 ? e.chooseSsb() : e.chooseCw(); });
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
        const std::map<qint64, Row> rows = storedRows(f.log());
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
        op.press(Qt::Key_F1 + s.pick % 5);
        if (s.pick < 15)
            break;
        [[fallthrough]];
    case Act::KeyerEnd:
        // A duplicate's answer is long: it goes on until an abort.
        static_cast<void>(QTest::qWaitFor([&] { return !m.messageUnderWay(); }, 40));
        op.act([](QsoEntry&) {});
        break;
    case Act::Abort:
        op.press(s.pick % 2 ? Qt::Key_Escape : Qt::Key_End);
        break;
    case Act::Count:
        break;
    }
}

int runsPerContest() {
    const int asked = qEnvironmentVariableIntValue("VELT_RANDOM_RUNS");
    return asked > 0 ? asked : 250;
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
                                gen::set(&Step::pick, gen::resize(100, gen::inRange(0, 30))));
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
        QTest::addColumn<int>("contest");
        for (int i = 0; i < int(std::size(kContests)); ++i)
            QTest::newRow(kContests[i].code) << i;
    }
    void operatorKeepsTheLogSound() {
        QFETCH(int, contest);
        const Contest& c = kContests[contest];
        EngineFixture f(QString::fromLatin1(c.code), QStringLiteral("CW"), 1);
        f.app.chooseRealContest(false);
        changeRun(f.app, [](HandOver& h) {
            h.keyer.cwByPc = h.keyer.ssbByPc = h.keyer.soundCard = true;
            h.settings.cwTexts = kMessages;
        });
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("WAVUs")));
        for (int n = 1; n <= 3; ++n)
            QVERIFY(f.dir.write(QStringLiteral("WAVUs/F%1.wav").arg(n), kEmptyRecording));
        f.at("12:00");
        const rc::detail::TestParams params = [] {
            rc::detail::TestParams p = rc::detail::configuration().testParams;
            p.maxSuccess = runsPerContest();
            p.maxSize = 40;
            return p;
        }();
        const auto result = rc::detail::checkTestable(
            [&](const std::vector<Step>& steps) {
                RC_ASSERT(f.log().exec(QStringLiteral("DELETE FROM LogGen")).ok());
                Operator op(f);
                QSet<QString> everHeld;
                for (const Step& s : steps) {
                    const std::map<qint64, Row> before = storedRows(f.log());
                    qint64 deleted = 0;
                    apply(op, f, s, c.counties, deleted);
                    checkLog(f, op.model(), before, s, deleted, everHeld);
                }
            },
            rc::detail::TestMetadata{}, params);
        std::ostringstream out;
        rc::detail::printResultMessage(result, out);
        QVERIFY2(result.template is<rc::detail::SuccessResult>(), out.str().c_str());
    }
};

QTEST_GUILESS_MAIN(RandomOperatorTest)
#include "RandomOperatorTest.moc"
