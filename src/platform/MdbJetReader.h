#pragma once

#include "base/seams/JetReader.h"

#include <memory>

// Jet 3 and Jet 4 files through libmdb. Jet 3 text is Windows-1250, as the Romanian systems that
// wrote it used; Jet 4 text is Unicode.
class MdbJetReader : public JetReader {
public:
    MdbJetReader();
    ~MdbJetReader() override;
    MdbJetReader(const MdbJetReader&) = delete;
    MdbJetReader& operator=(const MdbJetReader&) = delete;

    Outcome<void> open(const QString& path) override;
    void close() override;
    QStringList tables() const override;
    Outcome<JetTable> read(const QString& table) override;

private:
    struct Handle; // libmdb's, kept out of this header
    Failure damagedCatalogue();

    std::unique_ptr<Handle> m_handle;
    QList<std::pair<QString, quint32>> m_tables; // name, first page
};
