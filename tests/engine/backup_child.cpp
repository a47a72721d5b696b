// Deletes the oldest contact of the log in the data folder given, again and again until killed,
// each delete after a copy of the log as the program makes it; prints the contacts left after each.
#include "fakes/FakeClock.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"
#include "store/Database.h"
#include "store/LogStore.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    Database log(QStringLiteral("LogDb"));
    if (!log.open(QDir(folder).filePath(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen"))
             .ok())
        return 3;
    const FakeClock clock;
    BackupSet copies(ReportFiles::backupFolder(folder), QStringLiteral("LogVELT"), clock);
    log.keepCopiesIn(&copies);
    LogStore store(log);
    for (;;) {
        if (!store.remove(log.scalar(QStringLiteral("SELECT min(ID) FROM LogGen")).toLongLong()))
            return 4;
        std::printf("%lld\n",
                    log.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toLongLong());
        std::fflush(stdout);
    }
}
