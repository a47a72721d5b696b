#include "store/LogChanges.h"

bool LogChanges::changedElsewhere() {
    const QVariant version = m_db.scalar(QStringLiteral("PRAGMA data_version"));
    if (!version.isValid())
        return false;
    const qint64 now = version.toLongLong();
    const bool changed = m_seen != now;
    m_seen = now;
    return changed;
}
