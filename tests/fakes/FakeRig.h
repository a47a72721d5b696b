#pragma once

#include "base/seams/Rig.h"

#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <utility>

// A radio on the test's side: what RigLink's thread asked of it, as lines ("morse 5NN",
// "speed 30", "ptt 1", "stop"), and whether it answers. Shared with the test, since the link
// owns the rig it makes.
class FakeRig : public Rig {
public:
    struct Shared {
        std::atomic<bool> answers = true;
        std::atomic<qint64> frequencyHz = 3525400;
        std::mutex mutex;
        QStringList calls;

        QStringList taken() {
            const std::lock_guard lock(mutex);
            return std::exchange(calls, {});
        }
    };

    explicit FakeRig(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

    Outcome<void> open() override { return answer(QString()); }
    void close() override {}
    Outcome<RigReading> read() override {
        if (const Outcome<void> a = answer(QString()); !a)
            return Failure{a.error()};
        return RigReading{m_shared->frequencyHz, QStringLiteral("CW")};
    }
    Outcome<void> setPtt(bool on) override { return answer(QStringLiteral("ptt %1").arg(on)); }
    Outcome<void> sendMorse(const QString& text) override {
        return answer(QStringLiteral("morse ") + text);
    }
    Outcome<void> stopMorse() override { return answer(QStringLiteral("stop")); }
    Outcome<void> setKeyerSpeed(int wpm) override {
        return answer(QStringLiteral("speed %1").arg(wpm));
    }

private:
    Outcome<void> answer(const QString& call) {
        if (!m_shared->answers)
            return Failure{QStringLiteral("nu raspunde")};
        if (!call.isEmpty()) {
            const std::lock_guard lock(m_shared->mutex);
            m_shared->calls << call;
        }
        return {};
    }

    std::shared_ptr<Shared> m_shared;
};
