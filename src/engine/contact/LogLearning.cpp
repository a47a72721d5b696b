#include "contact/LogLearning.h"

#include "rules/CountyTables.h"
#include "store/CallsignDb.h"
#include "store/Database.h"

#include <QHash>
#include <QSet>

namespace LogLearning {
namespace {
// Every row of the first two columns of `sql`, the first as key.
QHash<QString, QString> storedRows(Database& db, const char* sql) {
    QHash<QString, QString> rows;
    Outcome<QSqlQuery> q = db.select(QLatin1String(sql));
    while (q && q->next())
        rows.insert(q->value(0).toString(), q->value(1).toString().trimmed());
    return rows;
}

// Tells `progress` of every thousandth record of `total`, and of the last.
std::function<void()> counter(const Progress& progress, qint64 total) {
    return [progress, total, done = qint64(0)]() mutable {
        if (progress && (++done % 1000 == 0 || done == total))
            progress(done, total);
    };
}

QStringList sorted(const QSet<QString>& calls) {
    QStringList list(calls.cbegin(), calls.cend());
    list.sort();
    return list;
}
} // namespace

QString Plan::describe(bool listForeign) const {
    QString text = QStringLiteral("Inregistrari citite (contacte si linii de istoric): %1\n"
                                  "  cu judet de invatat: %2\n"
                                  "  fara judet de invatat: %3\n"
                                  "  cu indicative straine (fara judete), lasate deoparte: %4\n"
                                  "Indicativele celor %2 cu judet: %5 noi, %6 cu judet schimbat, "
                                  "%7 neschimbate\n")
                       .arg(records())
                       .arg(learnt)
                       .arg(withoutCounty)
                       .arg(foreign)
                       .arg(added.size())
                       .arg(changed.size())
                       .arg(unchanged);
    if (!known.isEmpty())
        text += QStringLiteral("Indicative cunoscute noi, fara judet (din liste): %1\n")
                    .arg(known.size());
    if (listForeign && !foreignCalls.isEmpty())
        text +=
            QStringLiteral("Indicative straine lasate deoparte: %1\n").arg(foreignCalls.join(u' '));
    QStringList refused;
    for (const PastLogFile& f : files) {
        if (!f.refusal.isEmpty())
            refused << f.name + QStringLiteral(": ") + f.refusal;
        else if (!f.countyFields.isEmpty())
            text += QStringLiteral("%1: judetul citit din %2\n")
                        .arg(f.name, f.countyFields.join(QStringLiteral(", ")));
    }
    if (!refused.isEmpty())
        text += QStringLiteral("Fisiere refuzate, din care nu se invata nimic (%1):\n  %2\n")
                    .arg(refused.size())
                    .arg(refused.join(QStringLiteral("\n  ")));
    return text;
}

Plan plan(Database& callDb, const QStringList& paths, const Progress& progress) {
    Plan p;
    QHash<QString, HeardStation> newest;
    QSet<QString> foreign;
    QSet<QString> listed;
    for (const QString& path : paths) {
        p.files << PastLog::read(path);
        const PastLogFile& file = p.files.last();
        for (const HeardStation& h : file.heard) {
            // Only a call whose area has counties has one; a US state or a Canadian province may
            // share a county's letters.
            if (CountyTables::countyChoices(h.callsign).isEmpty()) {
                ++p.foreign;
                foreign.insert(h.callsign);
                continue;
            }
            if (!CallsignDb::learnable(h.county)) {
                ++p.withoutCounty;
                continue;
            }
            ++p.learnt;
            auto it = newest.find(h.callsign);
            if (it == newest.end() || it->stamp <= h.stamp)
                newest.insert(h.callsign, h);
        }
        for (const QString& call : file.known)
            listed.insert(call);
    }
    p.foreignCalls = sorted(foreign);
    const QHash<QString, QString> stored = storedRows(callDb, "SELECT Call, Jud FROM CallJud");
    const std::function<void()> compared = counter(progress, newest.size());
    for (const HeardStation& h : std::as_const(newest)) {
        compared();
        const auto known = stored.constFind(h.callsign);
        if (known == stored.cend())
            p.added.insert(h.callsign, h.county);
        else if (*known != h.county)
            p.changed.insert(h.callsign, h.county);
        else
            ++p.unchanged;
    }
    const QHash<QString, QString> knownCalls =
        storedRows(callDb, "SELECT Call, Call FROM KnownCall");
    for (const QString& call : std::as_const(listed))
        if (!stored.contains(call) && !newest.contains(call) && !knownCalls.contains(call))
            p.known << call;
    p.known.sort();
    return p;
}

Outcome<void> apply(Database& callDb, const Plan& plan, const Progress& progress) {
    CallsignDb calls(callDb);
    const std::function<void()> step =
        counter(progress, plan.changed.size() + plan.added.size() + plan.known.size());
    return callDb.changeAfterCopy([&]() -> Outcome<void> {
        for (auto it = plan.changed.cbegin(); it != plan.changed.cend(); ++it, step())
            if (Outcome<void> written = calls.changeCounty(it.key(), it.value()); !written)
                return written;
        for (auto it = plan.added.cbegin(); it != plan.added.cend(); ++it, step())
            if (Outcome<void> written = calls.add(it.key(), it.value()); !written)
                return written;
        for (const QString& call : plan.known) {
            step();
            if (Outcome<void> written = calls.addKnown(call); !written)
                return written;
        }
        return {};
    });
}

} // namespace LogLearning
