#pragma once

#include "RunSetup.h"
#include "TempDataFolder.h"
#include "contact/ContactEngine.h"
#include "fakes/FakeClock.h"
#include "rules/ContestCatalog.h"

#include <QTest>
#include <algorithm>
#include <memory>

/// A data row's words, "-" standing for an empty one.
inline QStringList fieldsOf(const QString& row) {
    QStringList fields = row.split(u' ', Qt::SkipEmptyParts);
    for (QString& f : fields)
        if (f == QStringLiteral("-"))
            f.clear();
    return fields;
}

// A contact engine on empty databases in a temporary folder, for one contest.
class EngineFixture {
public:
    explicit EngineFixture(const QString& contest, const QString& mode = QStringLiteral("CW"),
                           int stage = 1) {
        static int serial = 0;
        ++serial;
        m_log = std::make_unique<Database>(QStringLiteral("LogDb%1").arg(serial));
        m_calls = std::make_unique<Database>(QStringLiteral("CallDb%1").arg(serial));
        const ContestDef* def = ContestCatalog::findByCode(contest);
        const bool opened =
            def && copyEmptyDatabases() &&
            m_log->open(dir.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")).ok() &&
            m_calls->open(dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")).ok();
        if (def)
            app.chooseContest(*def);
        app.chooseMode(modeFromText(mode));
        app.chooseStage(stageFromNumber(stage));
        app.chooseRealContest(true);
        changeRun(app, [](HandOver& h) {
            h.settings.myCall = QStringLiteral("YO9AAA");
            h.settings.myCounty = QStringLiteral("PH");
        });
        for (const char* list :
             {"Cp1Dec special YO1D", "CpCFR special YO3CFR", "Ardel club100 YO6AA",
              "Ardel club YO6DD", "CpTimis club YO2QTA"}) {
            const QStringList words = fieldsOf(QLatin1String(list));
            specials.set(words[0], words[1], {words[2]});
        }
        engine = std::make_unique<ContactEngine>(app, *m_log, *m_calls, specials, clock);
        QVERIFY(opened);
    }
    Database& log() { return *m_log; }
    Database& calls() { return *m_calls; }
    QsoContact& c() { return engine->contact(); }
    /// A contact in hand as the screen fills it: looked up, county and code received, checked.
    void typeContact(const QString& call, const QString& county,
                     const QString& code = QStringLiteral("5")) {
        c().callsign = call;
        engine->lookUpCallsign();
        engine->rules().countyChanged(county);
        c().codeReceived = code;
        engine->rules().checkDuplicate();
    }
    /// Types and logs a new contact; its `ID` in the log, 0 when it was not logged.
    qint64 logContact(const QString& call, const QString& county) {
        typeContact(call, county);
        if (engine->logContact().status != EnterResult::Status::Logged)
            return 0;
        return m_log->scalar(QStringLiteral("SELECT max(ID) FROM LogGen")).toLongLong();
    }

    /// Puts a contact into the log as an earlier session would have.
    void logged(const QString& call, int stage, const QString& mode, const QString& utc,
                const QString& mult = QStringLiteral("  "),
                const QString& pct = QStringLiteral("2")) {
        QVERIFY(m_log->exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, "
                                           "Rcvd, Md, Jud, Mult, Pct) VALUES (?, '01.03.26', ?, "
                                           "?, '599 001 PH', '599 001 CJ', ?, 'CJ', ?, ?)"),
                            {call, utc, QString::number(stage), mode, mult, pct}));
    }
    void known(const QString& call, const QString& county) {
        QVERIFY(m_calls->exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"),
                              {call, county}));
    }
    QString storedCounty(const QString& call) {
        return m_calls->scalar(QStringLiteral("SELECT Jud FROM CallJud WHERE Call = ?"), {call})
            .toString();
    }
    int callJudRows() {
        return m_calls->scalar(QStringLiteral("SELECT count(*) FROM CallJud")).toInt();
    }
    /// Sets the clock to `utc` (the offset is 0).
    void at(const QString& utc) {
        clock.current.setTime(QTime::fromString(utc, QStringLiteral("hh:mm")));
    }

    TempDataFolder dir;
    ContestRun app{dir.path()};
    FakeClock clock;
    SpecialStations specials;
    std::unique_ptr<ContactEngine> engine;

private:
    /// Copies empty databases made once per test run: much faster than the schema each time.
    bool copyEmptyDatabases() {
        static TempDataFolder empty;
        static const bool made = empty.createDatabases();
        const QStringList names{QStringLiteral("LogVELT.mdb"), QStringLiteral("DbsVELT.mdb")};
        return made && std::ranges::all_of(names, [&](const QString& name) {
                   return QFile::copy(empty.file(name), dir.file(name));
               });
    }

    std::unique_ptr<Database> m_log;
    std::unique_ptr<Database> m_calls;
};
