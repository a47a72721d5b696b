#include "rules/CountyBoard.h"

#include "rules/CountyTables.h"

#include <QSet>

namespace {
const QString kNy = QStringLiteral("NY");
}

namespace CountyBoard {

const QStringList& labels() {
    static const QStringList list = CountyTables::counties() + QStringList{QStringLiteral("XA"),
                                                                           QStringLiteral("XB"),
                                                                           QStringLiteral("XC"),
                                                                           QStringLiteral("XD"),
                                                                           QStringLiteral("XE"),
                                                                           QStringLiteral("XF"),
                                                                           kNy};
    return list;
}

QStringList greenLabels(const ContestDef& def) {
    QStringList green = labels();
    if (QLatin1String(def.log.boardClub) != kNy && !def.log.aaOnBoard)
        green.removeLast();
    return green;
}

QString greyLabel(const ContestDef& def, const QString& boardCounty) {
    const QString code = boardCounty.trimmed();
    if (def.log.aaOnBoard && code == QStringLiteral("AA"))
        return kNy;
    // Asked for every multiplier of the stage at each contact logged.
    static const QSet<QString> onBoard(labels().cbegin(), labels().cend());
    return onBoard.contains(code) ? code : QString();
}

} // namespace CountyBoard
