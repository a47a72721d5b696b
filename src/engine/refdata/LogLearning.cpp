#include "refdata/LogLearning.h"

#include "logging/Database.h"
#include "refdata/CallsignDb.h"

#include <QHash>

namespace LogLearning {

QString Plan::describe() const {
    QString text = QStringLiteral("Indicative noi: %1\nJudete schimbate: %2\nNeschimbate: %3\n"
                                  "Contacte fara judet de invatat: %4\n")
                       .arg(added.size())
                       .arg(changed.size())
                       .arg(unchanged)
                       .arg(notLearnt);
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

Plan plan(Database& callDb, const QStringList& paths) {
    Plan p;
    QHash<QString, HeardStation> newest;
    for (const QString& path : paths) {
        p.files << PastLog::read(path);
        const PastLogFile& file = p.files.last();
        p.notLearnt += file.withoutCounty;
        for (const HeardStation& h : file.heard) {
            if (!CallsignDb::learnable(h.county)) {
                ++p.notLearnt;
                continue;
            }
            auto it = newest.find(h.callsign);
            if (it == newest.end() || it->stamp <= h.stamp)
                newest.insert(h.callsign, h);
        }
    }
    CallsignDb calls(callDb);
    for (const HeardStation& h : std::as_const(newest)) {
        const std::optional<QString> stored = calls.lookup(h.callsign);
        if (!stored)
            p.added.insert(h.callsign, h.county);
        else if (stored->trimmed() != h.county)
            p.changed.insert(h.callsign, h.county);
        else
            ++p.unchanged;
    }
    return p;
}

Outcome<void> apply(Database& callDb, const Plan& plan) {
    CallsignDb calls(callDb);
    return callDb.changeAfterCopy([&]() -> Outcome<void> {
        const QString nothing = QStringLiteral(" NU S-A SCHIMBAT NIMIC.");
        for (auto it = plan.changed.cbegin(); it != plan.changed.cend(); ++it)
            if (const Outcome<void> done = calls.changeCounty(it.key(), it.value()); !done)
                return Failure{done.error() + nothing};
        for (auto it = plan.added.cbegin(); it != plan.added.cend(); ++it)
            if (const Outcome<void> done = calls.add(it.key(), it.value()); !done)
                return Failure{done.error() + nothing};
        return {};
    });
}

} // namespace LogLearning
