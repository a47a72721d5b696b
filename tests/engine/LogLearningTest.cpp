#include "refdata/LogLearning.h"
#include "EngineFixture.h"
#include "LogWithCopies.h"
#include "ReportFixture.h"
#include "reports/Adif.h"
#include "reports/Cabrillo.h"
#include "reports/ReportFiles.h"

namespace {
const QString kFixtures = QStringLiteral(VELT_SOURCE_DIR "/tests/data/pastlogs/");

// A callsign database holding YO5AAA CJ, YO4DDD CT and YO7HHH OT, keeping its copies as the
// program does.
struct KnownCalls {
    TempDataFolder folder;
    FakeClock clock;
    BackupSet copies{ReportFiles::backupFolder(folder.path()), QStringLiteral("DbsVELT"), clock};
    Database db{QStringLiteral("LearnDb")};

    KnownCalls() {
        QVERIFY(folder.createDatabases());
        QCOMPARE(db.open(folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                 Database::OpenResult::Ok);
        db.keepCopiesIn(&copies);
        QVERIFY(db.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES ('YO5AAA', 'CJ'), "
                                       "('YO4DDD', 'CT'), ('YO7HHH', 'OT')")));
    }
    QString table() {
        QStringList rows;
        auto q = db.select(QStringLiteral("SELECT Call, Jud FROM CallJud ORDER BY Call"));
        while (q && q->next())
            rows << q->value(0).toString() + u'=' + q->value(1).toString();
        return rows.join(u' ');
    }
    QByteArray fingerprint() const { return LogWithCopies::fingerprint(db.path()); }
};

QStringList paths(const QString& names) {
    QStringList out;
    for (const QString& n : names.split(u' '))
        out << kFixtures + n;
    return out;
}
} // namespace

// Past Cabrillo and ADIF logs taught to the callsign database.
class LogLearningTest : public QObject {
    Q_OBJECT
private slots:
    void learnt_data() {
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("counts"); // added changed unchanged not-learnt refused
        QTest::addColumn<QString>("table");
        auto row = [](const char* name, const char* files, const char* counts, const char* table) {
            QTest::newRow(name) << files << counts << table;
        };
        const char* before = "YO4DDD=CT YO5AAA=CJ YO7HHH=OT";
        row("Cabrillo 2.0, Windows-1250, CRLF; club word and AA not learnt", "cfr2021.log",
            "1 0 2 2 0", "YO3BBB=B3 YO4DDD=CT YO5AAA=CJ YO7HHH=OT");
        row("Cabrillo 3.0, UTF-8, transmitter column; sector log code not learnt", "yodx2023.log",
            "1 1 0 1 0", "YO2EEE/M=TM YO4DDD=CT YO5AAA=MM YO7HHH=OT");
        row("newest contact wins, whatever the file order", "yodx2023.log cfr2021.log old2019.log",
            "2 1 1 3 0", "YO2EEE/M=TM YO3BBB=B3 YO4DDD=CT YO5AAA=MM YO7HHH=OT");
        row("ADIF: STATE, lower-case tags, header", "state.adi cfr2021.log", "1 1 2 2 0",
            "YO3BBB=B3 YO4DDD=GL YO5AAA=CJ YO7HHH=OT");
        row("ADIF: received string, CRLF; no county field", "srx.adi nocounty.adi", "1 0 0 3 0",
            "YO4DDD=CT YO5AAA=CJ YO7HHH=OT YO8III=NT");
        row("missing file refused", "nothere.log", "0 0 0 0 1", before);
    }
    void learnt() {
        QFETCH(QString, files);
        QFETCH(QString, counts);
        QFETCH(QString, table);
        KnownCalls calls;
        const LogLearning::Plan plan = LogLearning::plan(calls.db, paths(files));
        const auto refused =
            std::count_if(plan.files.cbegin(), plan.files.cend(),
                          [](const PastLogFile& f) { return !f.refusal.isEmpty(); });
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(plan.added.size())
                     .arg(plan.changed.size())
                     .arg(plan.unchanged)
                     .arg(plan.notLearnt)
                     .arg(refused),
                 counts);
        const QByteArray before = calls.fingerprint();
        QVERIFY(LogLearning::apply(calls.db, plan));
        QCOMPARE(calls.table(), table);
        // The copy holds the database as it was before the import.
        QCOMPARE(calls.copies.files().size(), 1);
        QCOMPARE(LogWithCopies::fingerprint(calls.copies.files().constFirst()), before);
    }

    void operatorSeesEveryFileAndField() {
        KnownCalls calls;
        const LogLearning::Plan plan = LogLearning::plan(
            calls.db, paths(QStringLiteral("state.adi srx.adi notes.txt cut.log")));
        QCOMPARE(plan.describe(),
                 QStringLiteral("Indicative noi: 1\nJudete schimbate: 1\nNeschimbate: 1\n"
                                "Contacte fara judet de invatat: 1\n"
                                "state.adi: judetul citit din STATE\n"
                                "srx.adi: judetul citit din SRX_STRING\n"
                                "Fisiere refuzate, din care nu se invata nimic (2):\n"
                                "  notes.txt: nu este un log Cabrillo sau ADIF\n"
                                "  cut.log: linia 3 nu poate fi citita\n"));
    }

    void failedWriteChangesNothing() {
        KnownCalls calls;
        const LogLearning::Plan plan =
            LogLearning::plan(calls.db, paths(QStringLiteral("yodx2023.log")));
        // Another writer learns a planned call meanwhile: the insert fails, the update is undone.
        QVERIFY(calls.db.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES "
                                             "('YO2EEE/M', 'TM')")));
        const QByteArray before = calls.fingerprint();
        const Outcome<void> done = LogLearning::apply(calls.db, plan);
        QVERIFY(!done);
        QVERIFY(done.error().endsWith(QStringLiteral("NU S-A SCHIMBAT NIMIC.")));
        QCOMPARE(calls.fingerprint(), before);
    }

    void readsWhatTheProgramWrites_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("CW") << "YO6ABC/P|06.03.21|14:02|1|599 001 PH|599 012 BV|CW|BV|  |2";
        QTest::newRow("SSB, portable")
            << "YO6ABC/P|06.03.21|14:02|1|599 001 PH|59 7 B3|SSB|B3|  |2";
    }
    void readsWhatTheProgramWrites() {
        QFETCH(QString, row);
        const ContestDef& def = *ContestCatalog::findByCode(QStringLiteral("CpCFR"));
        const LogRow r = ReportFixture::row(0, row.toUtf8().constData());
        const QString cabrillo = QStringLiteral("START-OF-LOG: 2.0\r\n") +
                                 Cabrillo::qsoLine(r, QStringLiteral("YO9AAA"), def).valueOr({});
        const QString adif = Adif::qsoRecord(r, def).valueOr({});
        for (const QString& text : {cabrillo, adif}) {
            const PastLogFile f = PastLog::parse(QStringLiteral("x"), text.toUtf8());
            QVERIFY2(f.refusal.isEmpty(), qPrintable(f.refusal));
            QCOMPARE(f.heard.size(), 1);
            QCOMPARE(f.heard[0].callsign, QStringLiteral("YO6ABC/P"));
            QCOMPARE(f.heard[0].county, r.county);
            QCOMPARE(f.heard[0].stamp, QStringLiteral("202103061402"));
        }
    }
};

QTEST_GUILESS_MAIN(LogLearningTest)
#include "LogLearningTest.moc"
