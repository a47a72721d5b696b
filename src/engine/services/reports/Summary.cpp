#include "services/reports/Summary.h"

#include "base/seams/PrintSink.h"
#include "services/reports/ExportLayout.h"
#include "services/reports/ScoreTable.h"
#include "services/reports/StationData.h"
#include "services/reports/TabLine.h"

namespace {

const QString kArial = QStringLiteral("Arial");

void printLine(PrintSink& sink, int column, const QString& text) {
    sink.textAt(column, text);
    sink.newLine();
}

void emptyLines(PrintSink& sink, int count) {
    for (int i = 0; i < count; ++i)
        sink.newLine();
}

} // namespace

namespace Summary {

QString titleLine(const char* title, const QString& yy, const QString& myCall) {
    return QString::fromLatin1(title) + yy + u' ' + myCall + u' ';
}

Outcome<QByteArray> summaryFile(const ContestDef& def, const SettingsRecord& station,
                                const ReportTotals& totals, const QString& yy) {
    QStringList lines{TabLine().at(10, station.myCall + QStringLiteral(" - SUMMARY ")).text(),
                      titleLine(def.report.summaryTitle, yy, station.myCall)};
    const QStringList labels = StationData::fileLabels();
    const QStringList values = StationData::values(station);
    for (qsizetype i = 0; i < labels.size(); ++i)
        lines << TabLine().at(10, labels[i]).at(25, values[i]).text();
    lines << QString();
    for (const ScoreLine& l : ScoreTable::textTable(def, totals))
        lines << l.text();
    lines << QString();
    for (const char* text :
         {"Prin prezenta confirm ca la inregistrarea fisierelor",
          "pe disketa, am acceptat urmatorul text:",
          "PRIN EXPEDIEREA LOGULUI ELECTRONIC DECLAR CA AM OPERAT",
          "STATIA IN LIMITELE LICENTEI SI RESPECTIND REGULAMENTUL", "DE CONCURS !!!"})
        lines << TabLine().at(10, QString::fromLatin1(text)).text();
    return ExportLayout::textFile(lines);
}

Outcome<QString> print(PrintSink& sink, const ContestDef& def, const SettingsRecord& station,
                       const ReportTotals& totals, const QString& yy) {
    if (const Outcome<void> started =
            startDocument(sink, station.myCall + QStringLiteral(" - SUMMARY"));
        !started)
        return Failure{started.error()};
    sink.setFont(kArial, 20, false);
    emptyLines(sink, 3);
    printLine(sink, 15, station.myCall + QStringLiteral(" - SUMMARY "));
    printLine(sink, 15, titleLine(def.report.printTitle, yy, station.myCall));
    emptyLines(sink, 2);
    sink.setFont(kArial, 14, true);
    const QStringList labels = StationData::printedLabels();
    const QStringList values = StationData::values(station);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        sink.textAt(10, labels[i]);
        printLine(sink, 30, values[i]);
    }
    emptyLines(sink, 1);
    for (const ScoreLine& l : ScoreTable::printedTable(def, totals)) {
        sink.setFont(kArial, 12, l.heading);
        for (const auto& [column, text] : l.cells)
            sink.textAt(column, text);
        sink.newLine();
    }
    sink.setFont(kArial, 16, false);
    emptyLines(sink, 1);
    printLine(sink, 11, QStringLiteral(" PRIN EXPEDIEREA LOGULUI DECLAR CA AM "));
    printLine(sink, 11, QStringLiteral("OPERAT STATIA IN LIMITELE LICENTEI SI"));
    printLine(sink, 11, QStringLiteral(" RESPECTIND REGULAMENTUL DE CONCURS !!!"));
    emptyLines(sink, 2);
    printLine(sink, 11, QStringLiteral("Date..............   Op(s) signature..................."));
    return sink.end();
}

} // namespace Summary
