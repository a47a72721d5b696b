#include "fakes/FakeRig.h"

QStringList FakeRig::Shared::taken() {
    const std::lock_guard lock(mutex);
    return std::exchange(calls, {});
}

Outcome<void> FakeRig::answer(const QString& call) {
    if (!m_shared->answers)
        return Failure{QStringLiteral("nu raspunde")};
    if (!call.isEmpty()) {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->calls << call;
    }
    return {};
}

Outcome<RigReading> FakeRig::read() {
    if (const Outcome<void> a = answer(QString()); !a)
        return Failure{a.error()};
    return RigReading{m_shared->frequencyHz, QStringLiteral("CW")};
}
