#include "contact/LogLearning.h"
#include "EngineFixture.h"
#include "ExpectedFile.h"
#include "LogWithCopies.h"
#include "ReportFixture.h"
#include "services/reports/Adif.h"
#include "services/reports/Cabrillo.h"
#include "services/reports/ReportFiles.h"

#include <sys/stat.h>

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
        QVERIFY(
            db.open(folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")).ok());
        db.keepCopiesIn(&copies);
        QVERIFY(db.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES ('YO5AAA', 'CJ'), "
                                       "('YO4DDD', 'CT'), ('YO7HHH', 'OT')")));
    }
    // "CALL=COUNTY ...", then "known CALL ..." when there are known callsigns.
    QString table() {
        QStringList rows;
        auto q = db.select(QStringLiteral("SELECT Call, Jud FROM CallJud ORDER BY Call"));
        while (q && q->next())
            rows << q->value(0).toString() + u'=' + q->value(1).toString();
        auto known = db.select(QStringLiteral("SELECT Call FROM KnownCall ORDER BY Call"));
        for (QString word = QStringLiteral("known"); known && known->next(); word.clear())
            rows << (word.isEmpty() ? QString() : word + u' ') + known->value(0).toString();
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
    // The callsign database (YO5AAA CJ, YO4DDD CT and YO7HHH OT before) after each set of past
    // logs; the copy taken first holds it as it was.
    void learnt() {
        QVERIFY(answersAsExpected("data/tables/learnt.txt", [](const QString& row) {
            KnownCalls calls;
            const LogLearning::Plan plan =
                LogLearning::plan(calls.db, paths(row.section(QStringLiteral(": "), -1)));
            const auto refused =
                std::count_if(plan.files.cbegin(), plan.files.cend(),
                              [](const PastLogFile& f) { return !f.refusal.isEmpty(); });
            const QByteArray before = calls.fingerprint();
            const bool applied = LogLearning::apply(calls.db, plan).ok();
            const QStringList copies = calls.copies.files();
            const bool copied =
                copies.size() == 1 && LogWithCopies::fingerprint(copies.constFirst()) == before;
            return QStringLiteral("%1 %2 %3 / %4 %5 %6 / %7 / %8 | ")
                       .arg(plan.learnt)
                       .arg(plan.withoutCounty)
                       .arg(plan.foreign)
                       .arg(plan.added.size())
                       .arg(plan.changed.size())
                       .arg(plan.unchanged)
                       .arg(plan.known.size())
                       .arg(refused) +
                   calls.table() + (applied && copied ? "" : " | not applied with its copy");
        }));
    }

    // What is not a regular file, or too large for a log, is refused by name, never read.
    void refusedUnread() {
        QVERIFY(answersAsExpected("data/tables/pastlogrefused.txt", [](const QString& row) {
            const QString how = row.section(QStringLiteral(": "), -1);
            TempDataFolder dir;
            const QString path = how.startsWith(u'/') ? how : dir.file(how);
            if (how == u"pipe")
                ::mkfifo(QFile::encodeName(path).constData(), 0600);
            else if (how == u"large" && dir.write(how, {}))
                QFile::resize(path, PastLog::kMaxBytes + 1);
            const PastLogFile f = PastLog::read(path);
            return QString(f.refusal).replace(dir.path(), QStringLiteral("DIR")) +
                   QStringLiteral(" | %1 heard").arg(f.heard.size());
        }));
    }

    // Every figure counts records; the calls left out are named on a dry run.
    void operatorSeesEveryFileAndField() {
        KnownCalls calls;
        const LogLearning::Plan plan = LogLearning::plan(
            calls.db, paths(QStringLiteral("state.adi srx.adi nocounty.adi notes.txt cut.log")));
        QCOMPARE(plan.describe(true),
                 QStringLiteral("Inregistrari citite (contacte si linii de istoric): 6\n"
                                "  cu judet de invatat: 3\n"
                                "  fara judet de invatat: 2\n"
                                "  cu indicative straine (fara judete), lasate deoparte: 1\n"
                                "Indicativele celor 3 cu judet: 1 noi, 1 cu judet schimbat, "
                                "1 neschimbate\n"
                                "Indicative straine lasate deoparte: K1ABC\n"
                                "state.adi: judetul citit din STATE\n"
                                "srx.adi: judetul citit din SRX_STRING\n"
                                "Fisiere refuzate, din care nu se invata nimic (2):\n"
                                "  notes.txt: nu este un log Cabrillo sau ADIF, un istoric de "
                                "indicative sau o lista de indicative\n"
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
        QVERIFY2(done.error().endsWith(QStringLiteral(" NU S-A SCHIMBAT NIMIC.")) &&
                     done.error().count(QStringLiteral("NIMIC")) == 1,
                 qPrintable(done.error()));
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
