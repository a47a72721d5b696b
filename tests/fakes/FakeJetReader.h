#pragma once

#include "base/seams/JetReader.h"

#include <QMap>

// A Jet file whose tables the test sets; `opens` false makes every file unreadable.
class FakeJetReader : public JetReader {
public:
    bool open(const QString&) override { return m_open = opens; }
    void close() override { m_open = false; }
    QStringList tables() const override { return m_open ? content.keys() : QStringList(); }
    std::optional<JetTable> read(const QString& table) override {
        if (!m_open || !content.contains(table))
            return std::nullopt;
        return content.value(table);
    }
    QString error() const override { return QStringLiteral("fisier deteriorat"); }

    QMap<QString, JetTable> content;
    bool opens = true;

private:
    bool m_open = false;
};
