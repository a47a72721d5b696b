#include "services/reports/ReportFiles.h"

#include "rules/StageName.h"

#include <QDir>

namespace {
QString logFile(const QString& dataFolder, const QString& name) {
    return QDir(ReportFiles::logFolder(dataFolder)).filePath(name);
}

// The station's callsign as it may stand in a file name: letters and digits only, so that no
// station data can name a folder ("..", "/", "\") or a device.
QString fileCallsign(const QString& myCall) {
    QString name;
    for (const QChar ch : ReportFiles::fileNameCall(myCall))
        if ((ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z') || (ch >= u'0' && ch <= u'9'))
            name += ch;
    return name;
}
} // namespace

namespace ReportFiles {

QString logFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Log"));
}

QString archiveFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("ARHIVA"));
}

QString backupFolder(const QString& dataPath) {
    return QDir(archiveFolder(dataPath)).filePath(QStringLiteral("backup"));
}

QString fileNameCall(const QString& myCall) {
    QString c = myCall.trimmed();
    if (c.right(2) == QLatin1String("/p") || c.right(2) == QLatin1String("/P"))
        c.chop(2);
    if (c.right(2).startsWith(u'/'))
        c.chop(2);
    if (c.right(3) == QLatin1String("/MM"))
        c.chop(3);
    if (c.right(4) == QLatin1String("/QRP"))
        c.chop(4);
    const qsizetype slash = c.indexOf(u'/');
    return slash < 0 ? c : c.mid(slash + 1);
}

QString cabrilloPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                     const QString& yy) {
    return logFile(dataFolder,
                   fileCallsign(myCall) + u' ' + def.codeString() + yy + QStringLiteral(".Cbr"));
}

QString textLogPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                    const QString& yy) {
    return logFile(dataFolder,
                   fileCallsign(myCall) + u' ' + def.codeString() + yy + QStringLiteral(".txt"));
}

QString summaryPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                    const QString& yy) {
    return logFile(dataFolder, fileCallsign(myCall) + QStringLiteral(" SUM ") + def.codeString() +
                                   yy + QStringLiteral(".txt"));
}

QString checkArchiveName(const QString& typedName) {
    const QString name = typedName.trimmed();
    if (name.isEmpty())
        return QStringLiteral("Please print in textbox, NAME FILE");
    if (name.contains(QLatin1String("..")) || name.contains(u'/') || name.contains(u'\\'))
        return QStringLiteral("NUMELE FISIERULUI NU POATE CONTINE \"..\", \"/\" SAU \"\\\" : "
                              "FISIERUL SE SCRIE NUMAI IN FOLDERUL ARHIVA !");
    for (const QChar ch : name)
        if (ch.unicode() < 32 || QStringLiteral(":*?\"<>|").contains(ch))
            return QStringLiteral("NUMELE FISIERULUI CONTINE UN CARACTER NEPERMIS "
                                  "(: * ? \" < > | SAU UN CARACTER DE CONTROL) !");
    return {};
}

QString archivePath(const QString& dataFolder, const QString& typedName, const QString& extension) {
    return QDir(archiveFolder(dataFolder)).filePath(typedName.trimmed() + extension);
}

QString chartPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                  const QString& yy, int stage) {
    const QString part = stage == 0 ? QStringLiteral("LOG") : stageName(stage);
    return QDir(archiveFolder(dataFolder))
        .filePath(fileCallsign(myCall) + u' ' + def.codeString() + yy + QStringLiteral(" GRAFIC ") +
                  part + QStringLiteral(".png"));
}

QString twoDigitYear(const QString& date) {
    return date.trimmed().right(2);
}

} // namespace ReportFiles
