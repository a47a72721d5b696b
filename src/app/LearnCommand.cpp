#include "app/LearnCommand.h"

#include "contact/LogLearning.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"
#include "store/Database.h"
#include "store/SchemaUpgrade.h"

#include <QDir>
#include <QTextStream>

namespace LearnCommand {
namespace {
// Below this many records a step is over before anyone waits for it.
constexpr qint64 kShownFrom = 5000;

// "<what>: 40%" rewritten in place on the terminal while a long step runs.
LogLearning::Progress shownOn(QTextStream& err, const QString& what) {
    return [&err, what](qint64 done, qint64 total) {
        if (total < kShownFrom)
            return;
        err << '\r' << what << ": " << done * 100 / total << '%';
        if (done == total)
            err << '\n';
        err.flush();
    };
}
} // namespace

int run(const QStringList& files, bool dryRun, const QString& dataPath, const Clock& clock,
        QTextStream& out, QTextStream& err) {
    if (files.isEmpty()) {
        err << "Folosire: velt --learn [--dry-run] FISIER...\n";
        return 2;
    }
    const QString unchanged = QStringLiteral("Baza de date nu a fost schimbata.\n");
    Database callDb(QStringLiteral("LearnCallDb"));
    const QString path = QDir(dataPath).filePath(QStringLiteral("DbsVELT.mdb"));
    if (const Outcome<void> opened = callDb.open(path, QStringLiteral("CallJud")); !opened) {
        err << QStringLiteral("Baza de date cu indicative %1 nu poate fi deschisa: %2.\n")
                   .arg(QDir::toNativeSeparators(path), opened.error());
        return 1;
    }
    BackupSet copies(ReportFiles::backupFolder(dataPath), QStringLiteral("DbsVELT"), clock);
    callDb.keepCopiesIn(&copies);
    const LogLearning::Plan plan =
        LogLearning::plan(callDb, files, shownOn(err, QStringLiteral("Comparare")));
    out << plan.describe(dryRun);
    const bool allRead = std::all_of(plan.files.cbegin(), plan.files.cend(),
                                     [](const PastLogFile& f) { return f.refusal.isEmpty(); });
    if (dryRun || !plan.writes()) {
        out << unchanged;
        return allRead ? 0 : 1;
    }
    out.flush();
    // A database of an older program gets the table of known callsigns first.
    if (const Outcome<void> upToDate = SchemaUpgrade::bringUpToDate(callDb); !upToDate) {
        err << upToDate.error() << '\n';
        return 1;
    }
    if (const Outcome<void> done =
            LogLearning::apply(callDb, plan, shownOn(err, QStringLiteral("Scriere")));
        !done) {
        err << "\nBaza de date cu indicative nu a putut fi scrisa: " << done.error() << '\n';
        return 1;
    }
    out << "Baza de date cu indicative a fost actualizata.\n";
    return allRead ? 0 : 1;
}

} // namespace LearnCommand
