#include "rules/SpecialStations.h"

#include "rules/ContestCatalog.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
QString key(const QString& code, const QString& name) {
    return code + QLatin1Char(' ') + name;
}

bool validCallsign(const QString& call) {
    static const QRegularExpression form(QStringLiteral("^[A-Z0-9/]{3,}$"));
    return form.match(call).hasMatch();
}

// The reason a line cannot be used, or empty when it is sound.
QString lineFault(const QStringList& fields) {
    if (fields.size() < 3)
        return QStringLiteral(
            "trebuie sa contina codul concursului, numele listei si indicativele");
    const ContestDef* def = ContestCatalog::findByCode(fields[0]);
    if (!def)
        return QStringLiteral("concursul \"%1\" nu exista").arg(fields[0]);
    const QStringList names =
        QString::fromLatin1(def->log.stationLists).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!names.contains(fields[1]))
        return names.isEmpty()
                   ? QStringLiteral("concursul %1 nu are statii speciale").arg(fields[0])
                   : QStringLiteral("lista \"%1\" nu exista pentru %2 (liste posibile: %3)")
                         .arg(fields[1], fields[0], names.join(QStringLiteral(", ")));
    if (fields[1] == QStringLiteral("special") && fields.size() != 3)
        return QStringLiteral("lista \"special\" contine un singur indicativ");
    for (qsizetype i = 2; i < fields.size(); ++i)
        if (!validCallsign(fields[i]))
            return QStringLiteral("indicativ invalid \"%1\"").arg(fields[i]);
    return {};
}
} // namespace

SpecialStations::LoadResult SpecialStations::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {{},
                {QStringLiteral("Fisierul %1 lipseste: nu exista statii speciale.")
                     .arg(QFileInfo(path).fileName())}};
    return parse(QString::fromUtf8(f.readAll()), QFileInfo(path).fileName());
}

SpecialStations::LoadResult SpecialStations::parse(const QString& text, const QString& fileName) {
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    LoadResult result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        QStringList fields = line.split(separators, Qt::SkipEmptyParts);
        if (fields.size() == 2 && fields[0] == QLatin1String("year") && fields[1].toInt() > 0) {
            result.stations.m_year = fields[1].toInt();
            continue;
        }
        for (qsizetype i = 2; i < fields.size(); ++i)
            fields[i] = fields[i].toUpper();
        const QString fault = lineFault(fields);
        if (!fault.isEmpty()) {
            result.messages << QStringLiteral("%1, linia %2: %3. Linia a fost ignorata.")
                                   .arg(fileName)
                                   .arg(n + 1)
                                   .arg(fault);
            continue;
        }
        result.stations.set(fields[0], fields[1], fields.mid(2));
    }
    return result;
}

QString SpecialStations::LoadResult::message() const {
    constexpr qsizetype kShown = 5;
    if (messages.size() <= 1)
        return messages.value(0);
    QString text =
        QStringLiteral("%1 linii nu au putut fi citite si au fost ignorate").arg(messages.size());
    text += messages.size() > kShown ? QStringLiteral("; primele %1:\n").arg(kShown)
                                     : QStringLiteral(":\n");
    return text + messages.mid(0, kShown).join(u'\n');
}

QStringList SpecialStations::list(const QString& code, const QString& name) const {
    return m_lists.value(key(code, name));
}

bool SpecialStations::contains(const QString& code, const QString& name,
                               const QString& callsign) const {
    return list(code, name).contains(callsign.trimmed());
}

QString SpecialStations::special(const QString& code) const {
    const QStringList calls = list(code, QStringLiteral("special"));
    return calls.isEmpty() ? QString() : calls.first();
}

void SpecialStations::set(const QString& code, const QString& name, const QStringList& calls) {
    m_lists.insert(key(code, name), calls);
}

QString SpecialStations::notice(const ContestDef& def, int thisYear) const {
    const QString code = def.codeString();
    const QStringList names =
        QString::fromLatin1(def.log.stationLists).split(u' ', Qt::SkipEmptyParts);
    if (names.isEmpty())
        return {};
    QStringList missing;
    for (const QString& name : names)
        if (list(code, name).isEmpty())
            missing << QStringLiteral("\"%1\"").arg(name);
    if (missing.isEmpty() && m_year == thisYear)
        return {};
    const QString fault =
        !missing.isEmpty()
            ? QStringLiteral("Fisierul special_stations.txt nu are lista %1 a concursului %2.")
                  .arg(missing.join(QStringLiteral(", ")), code)
        : m_year == 0
            ? QStringLiteral("Fisierul special_stations.txt nu spune pentru ce an este (linia "
                             "\"year %1\").")
                  .arg(thisYear)
            : QStringLiteral("Fisierul special_stations.txt este pentru anul %1, nu pentru %2.")
                  .arg(m_year)
                  .arg(thisYear);
    return fault + QStringLiteral(" Statiile speciale se schimba in fiecare an: fara lista de "
                                  "anul acesta, concursul %1 se puncteaza gresit. Completati "
                                  "fisierul din folderul de date dupa regulament.")
                       .arg(code);
}
