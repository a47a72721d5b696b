#include "app/LearnCommand.h"

#include "logging/BackupSet.h"
#include "logging/Database.h"
#include "refdata/LogLearning.h"
#include "reports/ReportFiles.h"

#include <QDir>
#include <QTextStream>

namespace LearnCommand {

int run(const QStringList& files, bool dryRun, const QString& dataPath, const Clock& clock,
        QTextStream& out, QTextStream& err) {
    if (files.isEmpty()) {
        err << "Folosire: velt --learn [--dry-run] FISIER...\n";
        return 2;
    }
    Database callDb(QStringLiteral("LearnCallDb"));
    const QString path = QDir(dataPath).filePath(QStringLiteral("DbsVELT.mdb"));
    if (callDb.open(path, QStringLiteral("CallJud")) != Database::OpenResult::Ok) {
        err << QStringLiteral("Baza de date cu indicative %1 nu poate fi deschisa. %2\n")
                   .arg(path, callDb.openError());
        return 1;
    }
    BackupSet copies(ReportFiles::backupFolder(dataPath), QStringLiteral("DbsVELT"), clock);
    callDb.keepCopiesIn(&copies);
    const LogLearning::Plan plan = LogLearning::plan(callDb, files);
    out << plan.describe();
    const bool allRead = std::all_of(plan.files.cbegin(), plan.files.cend(),
                                     [](const PastLogFile& f) { return f.refusal.isEmpty(); });
    if (dryRun || !plan.writes()) {
        out << "Baza de date nu a fost schimbata.\n";
        return allRead ? 0 : 1;
    }
    if (const Outcome<void> done = LogLearning::apply(callDb, plan); !done) {
        err << done.error() << '\n';
        return 1;
    }
    out << "Baza de date cu indicative a fost actualizata.\n";
    return allRead ? 0 : 1;
}

} // namespace LearnCommand
