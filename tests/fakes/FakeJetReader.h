#pragma once

#include "base/seams/JetReader.h"

#include <QMap>

// A Jet file whose tables the test sets; `opens` false makes every file unreadable.
class FakeJetReader : public JetReader {
public:
    Outcome<void> open(const QString& path) override;
    void close() override { m_open = false; }
    QStringList tables() const override { return m_open ? content.keys() : QStringList(); }
    Outcome<JetTable> read(const QString& table) override;
    static Failure damaged() { return {QStringLiteral("fisier deteriorat")}; }

    QMap<QString, JetTable> content;
    bool opens = true;

private:
    bool m_open = false;
};
