#include "store/ChangeAfterCopy.h"

#include "store/Database.h"

#include <chrono>

ChangeAfterCopy::ChangeAfterCopy(Database& db, Change change)
    : m_db(db), m_change(std::move(change)) {}

ChangeAfterCopy::~ChangeAfterCopy() {
    if (m_locked)
        cancel();
}

Outcome<void> ChangeAfterCopy::start() {
    // The lock before the copy, as in Database::changeAfterCopy: the copy holds every row the
    // change removes.
    if (Outcome<void> locked = m_db.beginChange(); !locked)
        return Database::nothingChanged(locked);
    m_locked = true;
    m_copy = std::async(std::launch::async, [this] {
        return m_db.keepCopy([this](int copied, int total) {
            m_percent = total > 0 ? int(qint64(copied) * 100 / total) : 0;
            return !m_stop;
        });
    });
    return {};
}

bool ChangeAfterCopy::copying(int ms) {
    return m_copy.valid() &&
           m_copy.wait_for(std::chrono::milliseconds(ms)) != std::future_status::ready;
}

int ChangeAfterCopy::percent() const {
    return m_percent;
}

Outcome<void> ChangeAfterCopy::finish() {
    if (!m_locked)
        return Failure{QStringLiteral("schimbarea nu a inceput")};
    m_locked = false;
    const Outcome<void> copied = m_copy.get();
    return Database::nothingChanged(
        m_db.finishChange([&] { return Database::afterCopy(copied, m_change); }));
}

void ChangeAfterCopy::cancel() {
    if (!m_locked)
        return;
    m_locked = false;
    m_stop = true;
    if (m_copy.valid())
        m_copy.wait();
    m_db.abandonChange();
}
