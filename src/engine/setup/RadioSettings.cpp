#include "setup/RadioSettings.h"

#include <QDir>
#include <QSettings>

namespace {

const QStringList kKeyerNames = {QStringLiteral("serial"), QStringLiteral("winkeyer"),
                                 QStringLiteral("cwdaemon"), QStringLiteral("cat")};

QString unreadable(const QString& folder, const QString& key) {
    return QStringLiteral("Valoarea %1 din %2 nu poate fi citita; se foloseste valoarea implicita.")
        .arg(key, QDir::toNativeSeparators(RadioSettingsFile::pathIn(folder)));
}

// rigctld's "host:port", the port 1..65535.
bool rigctldAddress(const QString& address) {
    bool ok = false;
    const int port = address.section(u':', -1).toInt(&ok);
    return address.contains(u':') && !address.section(u':', 0, -2).isEmpty() && ok && port >= 1 &&
           port <= 65535;
}

} // namespace

QString RadioSettings::problem() const {
    if (keyer == KeyerKind::WinKeyer && winKeyerPort.trimmed().isEmpty())
        return QStringLiteral("Scrieti portul serial al WinKeyer-ului (de exemplu /dev/ttyUSB0).");
    if (keyer == KeyerKind::CwDaemon && cwDaemonHost.trimmed().isEmpty())
        return QStringLiteral("Scrieti adresa calculatorului pe care ruleaza cwdaemon.");
    if ((keyer == KeyerKind::RadioCat || pttByCat) && rigModel == 0)
        return QStringLiteral("Pentru CW sau PTT prin CAT alegeti modelul radioului.");
    if (rigModel == kNetworkModel && !rigPort.isEmpty() && !rigctldAddress(rigPort))
        return QStringLiteral("Adresa rigctld se scrie gazda:port, de exemplu localhost:4532.");
    return {};
}

namespace RadioSettingsFile {

QString pathIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("VELTRadio.ini"));
}

std::pair<RadioSettings, QString> read(const QString& folder) {
    RadioSettings s;
    const QSettings ini(pathIn(folder), QSettings::IniFormat);
    QStringList bad;
    const auto number = [&](const QString& key, int fallback, int low, int high) {
        if (!ini.contains(key))
            return fallback;
        bool ok = false;
        const int value = ini.value(key).toInt(&ok);
        if (ok && value >= low && value <= high)
            return value;
        bad << key;
        return fallback;
    };
    const QString keyer = ini.value(QStringLiteral("Keyer/kind"), kKeyerNames[0]).toString();
    if (const qsizetype i = kKeyerNames.indexOf(keyer); i >= 0)
        s.keyer = static_cast<KeyerKind>(i);
    else
        bad << QStringLiteral("Keyer/kind");
    s.winKeyerPort = ini.value(QStringLiteral("Keyer/winkeyerPort")).toString();
    s.cwDaemonHost = ini.value(QStringLiteral("Keyer/cwdaemonHost"), s.cwDaemonHost).toString();
    s.cwDaemonPort = static_cast<quint16>(
        number(QStringLiteral("Keyer/cwdaemonPort"), s.cwDaemonPort, 1, 65535));
    s.rigModel = number(QStringLiteral("Rig/model"), 0, 0, 999999);
    s.rigPort = ini.value(QStringLiteral("Rig/port")).toString();
    // rigctld's address is read as it is written; a bad one would only show as a silent radio.
    if (s.rigModel == RadioSettings::kNetworkModel && !s.rigPort.isEmpty() &&
        !rigctldAddress(s.rigPort)) {
        bad << QStringLiteral("Rig/port=%1").arg(s.rigPort);
        s.rigPort.clear();
    }
    s.rigBaud = number(QStringLiteral("Rig/baud"), 0, 0, 1000000);
    s.pttByCat = ini.value(QStringLiteral("Rig/pttByCat"), false).toBool();
    return {s, bad.isEmpty() ? QString() : unreadable(folder, bad.join(QStringLiteral(", ")))};
}

Outcome<void> save(const QString& folder, const RadioSettings& s) {
    QSettings ini(pathIn(folder), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Keyer/kind"), kKeyerNames[static_cast<int>(s.keyer)]);
    ini.setValue(QStringLiteral("Keyer/winkeyerPort"), s.winKeyerPort);
    ini.setValue(QStringLiteral("Keyer/cwdaemonHost"), s.cwDaemonHost);
    ini.setValue(QStringLiteral("Keyer/cwdaemonPort"), s.cwDaemonPort);
    ini.setValue(QStringLiteral("Rig/model"), s.rigModel);
    ini.setValue(QStringLiteral("Rig/port"), s.rigPort);
    ini.setValue(QStringLiteral("Rig/baud"), s.rigBaud);
    ini.setValue(QStringLiteral("Rig/pttByCat"), s.pttByCat);
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return Failure{QStringLiteral("FISIERUL %1 NU A PUTUT FI SCRIS.")
                           .arg(QDir::toNativeSeparators(pathIn(folder)))};
    return {};
}

} // namespace RadioSettingsFile
