#pragma once

#include "base/seams/JetReader.h"

#include <QMap>

// A Jet file whose tables the test sets; `opens` false makes every file unreadable.
class FakeJetReader : public JetReader {
public:
    Outcome<void> open(const QString&) override {
        m_open = opens;
        return m_open ? Outcome<void>() : damaged();
    }
    void close() override { m_open = false; }
    QStringList tables() const override { return m_open ? content.keys() : QStringList(); }
    Outcome<JetTable> read(const QString& table) override {
        if (!m_open || !content.contains(table))
            return damaged();
        return content.value(table);
    }

    QMap<QString, JetTable> content;
    bool opens = true;

private:
    static Failure damaged() { return {QStringLiteral("fisier deteriorat")}; }
    bool m_open = false;
};
