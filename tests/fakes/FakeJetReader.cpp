#include "fakes/FakeJetReader.h"

Outcome<void> FakeJetReader::open(const QString&) {
    m_open = opens;
    return m_open ? Outcome<void>() : damaged();
}

Outcome<JetTable> FakeJetReader::read(const QString& table) {
    if (!m_open || !content.contains(table))
        return damaged();
    return content.value(table);
}
