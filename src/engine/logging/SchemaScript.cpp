#include "logging/SchemaScript.h"

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

bool createDatabase(const QString& path, QString& error) {
    QFile resource(QStringLiteral(":/schema.sql"));
    if (!resource.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("schema lipseste din program");
        return false;
    }
    const QStringList script = statements(QString::fromUtf8(resource.readAll()));
    const QString name = QStringLiteral("schema-") + QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        if (!ok)
            error = db.lastError().text();
        for (qsizetype i = 0; ok && i < script.size(); ++i) {
            QSqlQuery q(db);
            ok = q.exec(script.at(i));
            if (!ok)
                error = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace SchemaScript
