#pragma once

#include "base/Outcome.h"

#include <QtGlobal>
#include <atomic>
#include <functional>
#include <future>

class Database;

// A change of the database after its copy is kept, as Database::changeAfterCopy makes it, with
// the copy made on a worker thread so that the screen keeps answering meanwhile: start(), then
// copying() until it is false, then finish(); or cancel() at any point.
class ChangeAfterCopy {
public:
    using Change = std::function<Outcome<void>()>;

    ChangeAfterCopy(Database& db, Change change);
    /// A copy still running is stopped and waited for; nothing is changed.
    ~ChangeAfterCopy();
    ChangeAfterCopy(const ChangeAfterCopy&) = delete;
    ChangeAfterCopy& operator=(const ChangeAfterCopy&) = delete;

    /// Takes the write lock and starts the copy; false when the lock could not be taken.
    [[nodiscard]] Outcome<void> start();
    /// Waits up to `ms` for the copy to end; false once it has.
    bool copying(int ms);
    /// How much of the copy is made, 0..100.
    int percent() const;
    /// After the copy: the change, written; or why nothing is changed.
    [[nodiscard]] Outcome<void> finish();
    /// Stops the copy and gives up the lock; nothing is changed.
    void cancel();

private:
    Database& m_db;
    Change m_change;
    std::future<Outcome<void>> m_copy;
    std::atomic<bool> m_stop = false;
    std::atomic<int> m_percent = 0;
    bool m_locked = false;
};
