#pragma once

#include "TempDataFolder.h"
#include "fakes/FakeClock.h"
#include "logging/ContactEngine.h"
#include "setup/ContestCatalog.h"

#include <QTest>
#include <memory>

// A contact engine on empty databases in a temporary folder, for one contest.
class EngineFixture {
public:
    explicit EngineFixture(const QString& contest, const QString& mode = QStringLiteral("CW"),
                           int stage = 1) {
        static int serial = 0;
        ++serial;
        m_log = std::make_unique<Database>(QStringLiteral("LogDb%1").arg(serial));
        m_calls = std::make_unique<Database>(QStringLiteral("CallDb%1").arg(serial));
        m_ok = copyEmptyDatabases() &&
               m_log->open(dir.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")) ==
                   Database::OpenResult::Ok &&
               m_calls->open(dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")) ==
                   Database::OpenResult::Ok;
        const ContestDef* def = ContestCatalog::findByCode(contest);
        m_ok = m_ok && def;
        if (def)
            app.contestNumber = def->number;
        app.qsoMode = mode;
        app.stage = stage;
        app.contestMode = true;
        app.settings.myCall = QStringLiteral("YO9AAA");
        app.settings.myCounty = QStringLiteral("PH");
        specials.set(QStringLiteral("Cp1Dec"), QStringLiteral("special"), {QStringLiteral("YO1D")});
        specials.set(QStringLiteral("CpCFR"), QStringLiteral("special"),
                     {QStringLiteral("YO3CFR")});
        specials.set(QStringLiteral("Ardel"), QStringLiteral("club100"), {QStringLiteral("YO6AA")});
        specials.set(QStringLiteral("Ardel"), QStringLiteral("club"), {QStringLiteral("YO6DD")});
        specials.set(QStringLiteral("CpTimis"), QStringLiteral("club"), {QStringLiteral("YO2QTA")});
        engine = std::make_unique<ContactEngine>(app, *m_log, *m_calls, specials, clock);
    }
    bool ok() const { return m_ok; }
    /// Copies empty databases made once per test run: much faster than the schema each time.
    bool copyEmptyDatabases() {
        static TempDataFolder empty;
        static const bool made = empty.createDatabases();
        for (const QString& name : {QStringLiteral("LogVELT.mdb"), QStringLiteral("DbsVELT.mdb")})
            if (!made || !QFile::copy(empty.file(name), dir.file(name)))
                return false;
        return true;
    }
    Database& log() { return *m_log; }
    Database& calls() { return *m_calls; }
    QsoContact& c() { return engine->contact(); }

    /// Puts a contact into the log as an earlier session would have.
    void logged(const QString& call, int stage, const QString& mode, const QString& utc,
                const QString& mult = QStringLiteral("  "),
                const QString& pct = QStringLiteral("2"),
                const QString& jud = QStringLiteral("CJ")) {
        QVERIFY(m_log->exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, "
                                           "Rcvd, Md, Jud, Mult, Pct) VALUES (?, '01.03.26', ?, "
                                           "?, '599 001 PH', '599 001 CJ', ?, ?, ?, ?)"),
                            {call, utc, QString::number(stage), mode, jud, mult, pct}));
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
    AppState app;
    FakeClock clock;
    SpecialStations specials;
    std::unique_ptr<ContactEngine> engine;

private:
    std::unique_ptr<Database> m_log;
    std::unique_ptr<Database> m_calls;
    bool m_ok = false;
};
