#include "services/reports/StationData.h"

#include "services/reports/TabLine.h"

namespace StationData {

QStringList values(const SettingsRecord& r) {
    return {r.section,     r.operators,   TabLine::number(r.operatorCount),
            r.qth,         r.address,     r.transmitter,
            r.receiver,    r.antennas[0], r.antennas[1],
            r.antennas[2], r.antennas[3], r.club};
}

QStringList fileLabels() {
    return {QStringLiteral("Section"), QStringLiteral("Op's Name"), QStringLiteral("No Operat"),
            QStringLiteral("QTH"),     QStringLiteral("Adress"),    QStringLiteral("Tx"),
            QStringLiteral("Rx"),      QStringLiteral("Ant1"),      QStringLiteral("Ant2"),
            QStringLiteral("Ant3"),    QStringLiteral("Ant4"),      QStringLiteral("Club")};
}

QStringList printedLabels() {
    return {QStringLiteral("Worked in Section:"),
            QStringLiteral("Operator's Name:"),
            QStringLiteral("No. of Operator's:"),
            QStringLiteral("QTH:"),
            QStringLiteral("Adress:"),
            QStringLiteral("TX:"),
            QStringLiteral("Rx:"),
            QStringLiteral("Ant1:"),
            QStringLiteral("Ant2:"),
            QStringLiteral("Ant3:"),
            QStringLiteral("Ant4:"),
            QStringLiteral("Club:")};
}

} // namespace StationData
