#include "rules/LogRules.h"

#include <QStringList>
#include <algorithm>

bool inWords(const char* words, const QString& word) {
    if (word.isEmpty())
        return false;
    const QStringList list = QString::fromLatin1(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return list.contains(word);
}

bool LogRules::specialMultFor(int stage, const QString& candidate) const {
    return stage <= special.lastStage && !special.specialStation &&
           inWords(special.candidates, candidate);
}

bool LogRules::countyWaitsForWholeWord() const {
    if (exchange == ExchangeKind::Name)
        return true;
    const QStringList words = QString::fromLatin1(exchangeWords).split(u' ', Qt::SkipEmptyParts);
    return std::any_of(words.begin(), words.end(), [](const QString& w) { return w.size() > 2; });
}

bool LogRules::acceptsWord(const QString& word) const {
    return inWords(exchangeWords, word);
}

bool LogRules::isClassWord(const QString& word) const {
    return inWords(classWords, word);
}

QString LogRules::classOf(const QString& county) const {
    return isClassWord(county) ? county : QStringLiteral("YO");
}
