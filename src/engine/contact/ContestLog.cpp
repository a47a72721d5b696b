#include "contact/ContestLog.h"

#include "base/DateTimeText.h"
#include "base/LogDate.h"

namespace ContestLog {

namespace {
// A contest lasts a weekend at most: a log whose newest contact is older belongs to another one.
constexpr int kContestDays = 2;

QDate dateOfKey(const QVariant& key) {
    const QString k = key.toString();
    return k.size() == 6 ? QDate(2000 + k.left(2).toInt(), k.mid(2, 2).toInt(), k.right(2).toInt())
                         : QDate();
}
} // namespace

Outcome<Span> span(Database& log) {
    auto q = log.select(QStringLiteral("SELECT count(*), min(NULLIF(k, '')), max(NULLIF(k, '')) "
                                       "FROM (SELECT ") +
                        LogDate::sqlDateKey() + QStringLiteral(" AS k FROM LogGen)"));
    if (!q)
        return Failure{q.error()};
    if (!q->next())
        return Failure{QStringLiteral("logul nu poate fi citit")};
    return Span{q->value(0).toLongLong(), dateOfKey(q->value(1)), dateOfKey(q->value(2))};
}

QString question(const Span& span, const QString& code, const QString& lastCode, QDate today) {
    if (span.count == 0)
        return {};
    const bool old = !span.newest.isValid() || span.newest < today.addDays(-kContestDays);
    const bool otherContest = !lastCode.isEmpty() && lastCode != code;
    if (!old && !otherContest)
        return {};
    const auto shown = [](QDate d) {
        return d.isValid() ? DateTimeText::formatDate(d) : QStringLiteral("?");
    };
    QString text = QStringLiteral("LOGUL CONTINE %1 CONTACTE, DIN %2 PANA IN %3")
                       .arg(span.count)
                       .arg(shown(span.oldest), shown(span.newest));
    if (otherContest)
        text += QStringLiteral(", DIN CONCURSUL %1").arg(lastCode);
    return text + QStringLiteral(".\nINCEPETI %1 CU UN LOG GOL ?\nDA: logul se copiaza in "
                                 "ARHIVA/backup, apoi se goleste.\nNU: contactele noi se adauga "
                                 "in acest log.")
                      .arg(code);
}

} // namespace ContestLog
