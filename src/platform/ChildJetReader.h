#pragma once

#include "base/seams/JetReader.h"

#include <chrono>

namespace JetRowStream {
struct Message;
}

// Reads Jet files through the program's own executable started as a child (JetReadChild), so that
// whatever libmdb does with a damaged file (a crash, an endless loop, garbage) ends in the child
// and comes back as a refusal. Each call waits for its child at most `limit` without running an
// event loop: a sound file is read in a fraction of a second, and a hung child is killed.
class ChildJetReader : public JetReader {
public:
    static constexpr std::chrono::milliseconds kLimit{15000};

    explicit ChildJetReader(QString executable, std::chrono::milliseconds limit = kLimit);

    Outcome<void> open(const QString& path) override;
    void close() override;
    QStringList tables() const override { return m_tables; }
    Outcome<JetTable> read(const QString& table) override;

private:
    Outcome<JetRowStream::Message> ask(const QStringList& arguments);

    QString m_executable;
    std::chrono::milliseconds m_limit;
    QString m_path;
    QStringList m_tables;
};
