#include "services/reports/PrintRun.h"

PrintRun::PrintRun(Database& logDb, PrintedLog&& log) : m_reader(logDb), m_log(std::move(log)) {}

PrintRun::~PrintRun() {
    if (m_open)
        m_log.abort();
}

bool PrintRun::start(int stage, QString& note) {
    if (const Outcome<void> opened = m_reader.open(stage); !opened) {
        note = opened.error();
        return false;
    }
    m_open = m_log.begin(stage, note);
    return m_open;
}

bool PrintRun::step() {
    if (!m_open || !m_reader.next(m_row))
        return false;
    m_log.add(m_row);
    return true;
}

QString PrintRun::finish() {
    m_open = false;
    if (m_reader.error().isEmpty())
        return m_log.finish();
    m_log.abort();
    return QStringLiteral("TIPARIREA S-A OPRIT: ") + m_reader.error();
}

QString PrintRun::cancel() {
    m_open = false;
    m_log.abort();
    return QStringLiteral("TIPARIREA A FOST OPRITA.");
}
