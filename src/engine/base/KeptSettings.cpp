#include "base/KeptSettings.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kLastContest = QStringLiteral("Contest/last");
const QString kOldFolderAsked = QStringLiteral("DataFolder/OldFolderAsked");
const QString kCabrilloGroup = QStringLiteral("Cabrillo");
const QString kVersion3 = QStringLiteral("Version3"); // in the Cabrillo group
const QString kKeyerKind = QStringLiteral("Keyer/kind");
const QString kWinKeyerPort = QStringLiteral("Keyer/winkeyerPort");
const QString kCwDaemonHost = QStringLiteral("Keyer/cwdaemonHost");
const QString kCwDaemonPort = QStringLiteral("Keyer/cwdaemonPort");
const QString kRigModel = QStringLiteral("Rig/model");
const QString kRigPort = QStringLiteral("Rig/port");
const QString kRigBaud = QStringLiteral("Rig/baud");
const QString kPttByCat = QStringLiteral("Rig/pttByCat");

const QStringList kKeyerNames = {QStringLiteral("serial"), QStringLiteral("winkeyer"),
                                 QStringLiteral("cwdaemon"), QStringLiteral("cat")};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString notWritten(const QString& path) {
    return QStringLiteral("FISIERUL %1 NU A PUTUT FI SCRIS.").arg(native(path));
}

// Sets the values of `path` and writes them out; `failure` is what to say when that fails.
template <typename Set> Outcome<void> write(const QString& path, const QString& failure, Set set) {
    QSettings ini(path, QSettings::IniFormat);
    set(ini);
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return Failure{failure};
    return {};
}

// Each kept Cabrillo box with its key in the group.
template <typename Header, typename Visit> void forEachBox(Header& h, Visit visit) {
    visit(QStringLiteral("Category"), h.category);
    visit(QStringLiteral("Operators"), h.operators);
    visit(QStringLiteral("Club"), h.club);
    visit(QStringLiteral("Name"), h.name);
    for (size_t i = 0; i < h.address.size(); ++i)
        visit(QStringLiteral("Address%1").arg(i + 1), h.address[i]);
    for (size_t i = 0; i < h.soapbox.size(); ++i)
        visit(QStringLiteral("Soapbox%1").arg(i + 1), h.soapbox[i]);
}
} // namespace

QString KeptSettings::keptPath() const {
    return QDir(m_folder).filePath(QStringLiteral("VELT.ini"));
}

QString KeptSettings::radioPath() const {
    return QDir(m_folder).filePath(QStringLiteral("VELTRadio.ini"));
}

std::pair<RadioSettings, QString> KeptSettings::radio() const {
    RadioSettings s;
    const QSettings ini(radioPath(), QSettings::IniFormat);
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
    const QString keyer = ini.value(kKeyerKind, kKeyerNames[0]).toString();
    if (const qsizetype i = kKeyerNames.indexOf(keyer); i >= 0)
        s.keyer = static_cast<KeyerKind>(i);
    else
        bad << kKeyerKind;
    s.winKeyerPort = ini.value(kWinKeyerPort).toString();
    s.cwDaemonHost = ini.value(kCwDaemonHost, s.cwDaemonHost).toString();
    s.cwDaemonPort = static_cast<quint16>(number(kCwDaemonPort, s.cwDaemonPort, 1, 65535));
    s.rigModel = number(kRigModel, 0, 0, 999999);
    s.rigPort = ini.value(kRigPort).toString();
    // rigctld's address is read as it is written; a bad one would only show as a silent radio.
    if (s.rigModel == RadioSettings::kNetworkModel && !s.rigPort.isEmpty() &&
        !isRigctldAddress(s.rigPort)) {
        bad << QStringLiteral("%1=%2").arg(kRigPort, s.rigPort);
        s.rigPort.clear();
    }
    s.rigBaud = number(kRigBaud, 0, 0, 1000000);
    s.pttByCat = ini.value(kPttByCat, false).toBool();
    if (bad.isEmpty())
        return {s, {}};
    return {s, QStringLiteral("Valoarea %1 din %2 nu poate fi citita; se foloseste valoarea "
                              "implicita.")
                   .arg(bad.join(QStringLiteral(", ")), native(radioPath()))};
}

Outcome<void> KeptSettings::keepRadio(const RadioSettings& s) const {
    return write(radioPath(), notWritten(radioPath()), [&](QSettings& ini) {
        ini.setValue(kKeyerKind, kKeyerNames[static_cast<int>(s.keyer)]);
        ini.setValue(kWinKeyerPort, s.winKeyerPort);
        ini.setValue(kCwDaemonHost, s.cwDaemonHost);
        ini.setValue(kCwDaemonPort, s.cwDaemonPort);
        ini.setValue(kRigModel, s.rigModel);
        ini.setValue(kRigPort, s.rigPort);
        ini.setValue(kRigBaud, s.rigBaud);
        ini.setValue(kPttByCat, s.pttByCat);
    });
}

QString KeptSettings::lastContest() const {
    return QSettings(keptPath(), QSettings::IniFormat).value(kLastContest).toString();
}

Outcome<void> KeptSettings::keepLastContest(const QString& code) const {
    return write(keptPath(), notWritten(keptPath()),
                 [&](QSettings& ini) { ini.setValue(kLastContest, code); });
}

CabrilloHeader KeptSettings::cabrillo(CabrilloHeader header) const {
    QSettings ini(keptPath(), QSettings::IniFormat);
    ini.beginGroup(kCabrilloGroup);
    forEachBox(header, [&](const QString& key, QString& box) {
        if (ini.contains(key))
            box = ini.value(key).toString();
    });
    header.version3 = ini.value(kVersion3, header.version3).toBool();
    return header;
}

Outcome<void> KeptSettings::keepCabrillo(const CabrilloHeader& header) const {
    const QString failure =
        QStringLiteral("Datele formularului Cabrillo nu au putut fi pastrate in %1.")
            .arg(native(keptPath()));
    return write(keptPath(), failure, [&](QSettings& ini) {
        ini.beginGroup(kCabrilloGroup);
        forEachBox(header, [&](const QString& key, const QString& box) { ini.setValue(key, box); });
        ini.setValue(kVersion3, header.version3);
        ini.endGroup();
    });
}

QString KeptSettings::oldFolderAsked() const {
    return QSettings(keptPath(), QSettings::IniFormat).value(kOldFolderAsked).toString();
}

Outcome<void> KeptSettings::keepOldFolderAsked(const QString& folder) const {
    return write(keptPath(), notWritten(keptPath()),
                 [&](QSettings& ini) { ini.setValue(kOldFolderAsked, folder); });
}
