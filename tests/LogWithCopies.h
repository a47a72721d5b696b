#pragma once

#include "TempDataFolder.h"
#include "fakes/FakeClock.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"
#include "store/Database.h"
#include "store/DatabaseCopy.h"
#include "store/LogStore.h"

#include <QSqlQuery>
#include <QSqlRecord>

// A data folder whose log keeps its copies in ARHIVA/backup, as the program wires it.
struct LogWithCopies {
    TempDataFolder folder;
    FakeClock clock;
    BackupSet copies{ReportFiles::backupFolder(folder.path()), QStringLiteral("LogVELT"), clock};
    Database log{QStringLiteral("LogDb")};

    bool open() {
        if (!folder.createDatabases() || !log.open(logPath(), QStringLiteral("LogGen")).ok())
            return false;
        log.keepCopiesIn(&copies);
        return true;
    }
    QString logPath() const { return folder.file(QStringLiteral("LogVELT.mdb")); }
    /// Logs `n` contacts whose texts hold what a careless copy would mangle.
    bool addContacts(int n) {
        LogStore store(log);
        for (int i = 0; i < n; ++i) {
            const LogRow row{QStringLiteral("YO%1O'K").arg(i),
                             QStringLiteral("01.03.26"),
                             QStringLiteral("12:%1").arg(i % 60, 2, 10, QLatin1Char('0')),
                             QString::number(1 + i % 4),
                             QStringLiteral("599 %1 ŞŢ").arg(i),
                             QStringLiteral("599 001 BU"),
                             QStringLiteral("CW"),
                             QStringLiteral("BU"),
                             i % 2 ? QStringLiteral("  ") : QString(),
                             QStringLiteral(" 0")};
            if (!store.insert(row))
                return false;
        }
        return true;
    }
    /// The bytes of the rows and schema of the database at `path`.
    static QByteArray fingerprint(const QString& path) {
        SqliteConnection db;
        return db.open(path, SqliteConnection::Mode::ReadOnly) ? DatabaseCopy::fingerprint(db)
                                                               : QByteArray();
    }
    /// Every row of `LogGen` in `db`, each value with its type (a NULL stays a NULL).
    static QList<QVariantList> rows(Database& db) {
        QList<QVariantList> out;
        auto q = db.select(QStringLiteral("SELECT * FROM LogGen ORDER BY ID"));
        while (q && q->next()) {
            QVariantList row;
            for (int c = 0; c < q->record().count(); ++c)
                row << q->value(c);
            out << row;
        }
        return out;
    }
};
