#include "logging/EmptyDatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace EmptyDatabase {

QStringList statements(const QString& script) {
    QStringList out;
    QString current;
    for (const QString& raw : script.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--")))
            continue;
        current += (current.isEmpty() ? QString() : QStringLiteral("\n")) + line;
        // Inside a trigger every statement of the body ends with ";" too; only END closes it.
        const bool trigger =
            current.startsWith(QLatin1String("CREATE TRIGGER"), Qt::CaseInsensitive);
        const bool complete = trigger ? current.endsWith(QLatin1String("END;"), Qt::CaseInsensitive)
                                      : current.endsWith(u';');
        if (complete) {
            out << current;
            current.clear();
        }
    }
    if (!current.isEmpty())
        out << current;
    return out;
}

QString create(const QString& path, const QString& script) {
    if (QFile::exists(path))
        return QStringLiteral("exista deja");
    const QString name = QStringLiteral("EmptyDatabase-") + QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            for (const QString& statement : statements(script)) {
                if (!q.exec(statement)) {
                    error = q.lastError().text();
                    break;
                }
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!error.isEmpty())
        QFile::remove(path);
    return error;
}
} // namespace EmptyDatabase
