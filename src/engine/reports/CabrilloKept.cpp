#include "reports/CabrilloKept.h"

#include <QDir>
#include <QSettings>

namespace CabrilloKept {
namespace {
// Each kept box with its key in the group.
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

CabrilloHeader load(const QString& iniPath, CabrilloHeader header) {
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Cabrillo"));
    forEachBox(header, [&](const QString& key, QString& box) {
        if (ini.contains(key))
            box = ini.value(key).toString();
    });
    header.version3 = ini.value(QStringLiteral("Version3"), header.version3).toBool();
    return header;
}

Outcome<void> save(const QString& iniPath, const CabrilloHeader& header) {
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Cabrillo"));
    forEachBox(header, [&](const QString& key, const QString& box) { ini.setValue(key, box); });
    ini.setValue(QStringLiteral("Version3"), header.version3);
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return Failure{QStringLiteral("Datele formularului Cabrillo nu au putut fi pastrate in %1.")
                           .arg(QDir::toNativeSeparators(iniPath))};
    return {};
}
} // namespace CabrilloKept
