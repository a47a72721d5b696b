#include "fakes/FakeJetReader.h"

bool FakeJetReader::open(const QString&) {
    m_open = opens;
    return m_open;
}

std::optional<JetTable> FakeJetReader::read(const QString& table) {
    if (!m_open || !content.contains(table))
        return std::nullopt;
    return content.value(table);
}
