#include "services/reports/TextLog.h"

#include "services/reports/RowBuffer.h"
#include "services/reports/TabLine.h"

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
    QString line;
    line.reserve(96); // one allocation per line
    appendFit(line, row.date, 10);
    appendFit(line, row.utc, 6);
    appendFit(line, row.mode, 4);
    appendColumn(line, QStringView(row.callsign).trimmed(), 10);
    if (!def.report.hasMultipliers()) {
        appendFit(line, row.sent, 18);
        appendFit(line, row.rcvd, 18);
        appendFit(line, row.points, 3);
        return line;
    }
    const bool ssb = QStringView(row.mode).left(4).trimmed() == u"SSB";
    line += QStringView(row.sent).left(18).trimmed();
    line += QLatin1StringView(ssb ? "   " : "  ");
    line += QStringView(row.rcvd).left(18).trimmed();
    line += QLatin1StringView(ssb ? "     " : "    ");
    line += row.stage;
    line += QLatin1StringView("   ");
    appendFit(line, row.mult, 5);
    appendFit(line, row.points, 3);
    return line;
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
    l.line = [def](const LogRow& row) { return Outcome<QString>(logLine(def, row)); };
    return l;
}

} // namespace TextLog
