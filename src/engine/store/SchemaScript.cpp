#include "store/SchemaScript.h"

#include "base/ErrorReason.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace SchemaScript {

QStringList statements(const QString& script) {
    QStringList out;
    QString statement;
    bool inBody = false;
    for (const QString& line : script.split(u'\n')) {
        const QString text = line.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1String("--")))
            continue;
        statement += line + u'\n';
        if (text.endsWith(QLatin1String("BEGIN"), Qt::CaseInsensitive))
            inBody = true;
        const bool ends = inBody ? text.compare(QLatin1String("END;"), Qt::CaseInsensitive) == 0
                                 : text.endsWith(u';');
        if (ends) {
            out << statement.trimmed();
            statement.clear();
            inBody = false;
        }
    }
    return out;
}

Outcome<void> create(const QString& path, const QString& script) {
    if (QFile::exists(path))
        return Failure{QStringLiteral("exista deja")};
    const QString name = QStringLiteral("schema-") + QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = ErrorReason::ofSql(db.lastError());
        } else {
            QSqlQuery q(db);
            for (const QString& statement : statements(script)) {
                if (!q.exec(statement)) {
                    error = ErrorReason::ofSql(q.lastError());
                    break;
                }
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (error.isEmpty())
        return {};
    QFile::remove(path);
    return Failure{error};
}

Outcome<QString> builtIn() {
    QFile resource(QStringLiteral(":/schema.sql"));
    if (!resource.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("schema lipseste din program")};
    return QString::fromUtf8(resource.readAll());
}

Outcome<void> createDatabase(const QString& path) {
    const Outcome<QString> script = builtIn();
    if (!script)
        return Failure{script.error()};
    return create(path, *script);
}

} // namespace SchemaScript
