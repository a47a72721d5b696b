#include "reports/TextLog.h"

#include "reports/RowBuffer.h"
#include "reports/TabLine.h"

namespace {
const QString kRule(68, u'-');
} // namespace

namespace TextLog {

QStringList columnHeading(const ContestDef& def, const QString& myCall) {
    TabLine heading;
    heading.at(1, QStringLiteral("DATA"))
        .at(10, QStringLiteral("UTC"))
        .at(16, QStringLiteral("Mod"))
        .at(20, QStringLiteral("CALLSIGN"))
        .at(30, QStringLiteral("SENT"));
    if (def.report.hasMultipliers())
        heading.at(43, QStringLiteral("RCVD"))
            .at(56, QStringLiteral("ETP"))
            .at(61, QStringLiteral("MLT"))
            .at(66, QStringLiteral("PCT"));
    else
        heading.at(48, QStringLiteral("RCVD")).at(66, QStringLiteral("PCT"));
    return {myCall, QString(), heading.text(), kRule};
}

QString logLine(const ContestDef& def, const LogRow& row) {
    const RowBuffer b(row);
    QString line = b.date + b.time + b.mode + b.callsign;
    if (!def.report.hasMultipliers())
        return line + b.sent + b.received + b.points;
    const bool ssb = b.isSsb();
    line += b.sent.trimmed() + QString(ssb ? 3 : 2, u' ');
    line += b.received.trimmed() + QString(ssb ? 5 : 4, u' ');
    return line + b.stage + QStringLiteral("   ") + b.mult + b.points;
}

ExportLayout logLayout(const ContestDef& def, const QString& myCall) {
    ExportLayout l = archiveLayout(def);
    l.head = columnHeading(def, myCall);
    l.tail = QStringList{kRule};
    l.tailNeedsRows = true;
    return l;
}

ExportLayout archiveLayout(const ContestDef& def) {
    ExportLayout l;
    l.line = [def](const LogRow& row) { return LineResult{logLine(def, row), {}}; };
    return l;
}

} // namespace TextLog
