#include "base/DateTimeText.h"

#include "base/seams/Clock.h"

#include <QRegularExpression>

namespace DateTimeText {

std::optional<QDate> parseDate(const QString& text) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\d{1,2})([./-])(\\d{1,2})\\2(\\d{2}|\\d{4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    int year = m.captured(4).toInt();
    if (m.captured(4).size() == 2)
        year += 2000;
    const QDate d(year, m.captured(3).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QTime> parseTime(const QString& text) {
    static const QRegularExpression separated(
        QStringLiteral("^\\s*(\\d{1,2})[:.](\\d{2})(?::(\\d{2}))?\\s*$"));
    static const QRegularExpression packed(QStringLiteral("^\\s*(\\d{2})(\\d{2})\\s*$"));
    auto m = separated.match(text);
    if (!m.hasMatch())
        m = packed.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int seconds = m.lastCapturedIndex() >= 3 ? m.captured(3).toInt() : 0;
    const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), seconds);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

QString formatDate(QDate date) {
    return date.toString(QStringLiteral("dd.MM.yy"));
}

QString formatTime(QTime time) {
    return time.toString(QStringLiteral("hh:mm"));
}

std::pair<QString, QString> utcDateAndTime(const Clock& clock) {
    const QDateTime utc = clock.utcNow();
    return {formatDate(utc.date()), formatTime(utc.time())};
}

} // namespace DateTimeText
