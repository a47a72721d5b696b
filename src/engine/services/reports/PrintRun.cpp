#include "services/reports/PrintRun.h"

PrintRun::PrintRun(Database& logDb, PrintedLog&& log) : m_reader(logDb), m_log(std::move(log)) {}

PrintRun::~PrintRun() {
    if (m_open)
        m_log.abort();
}

Outcome<void> PrintRun::start(int stage) {
    if (Outcome<void> opened = m_reader.open(stage); !opened)
        return opened;
    Outcome<void> started = m_log.begin(stage);
    m_open = started.ok();
    return started;
}

bool PrintRun::step() {
    if (!m_open)
        return false;
    const Outcome<bool> got = m_reader.next(m_row);
    m_readError = got.error();
    if (!got || !*got)
        return false;
    m_log.add(m_row);
    return true;
}

QString PrintRun::finish() {
    m_open = false;
    if (m_readError.isEmpty())
        return m_log.finish();
    m_log.abort();
    return QStringLiteral("TIPARIREA S-A OPRIT: ") + m_readError;
}

QString PrintRun::cancel() {
    m_open = false;
    m_log.abort();
    return QStringLiteral("TIPARIREA A FOST OPRITA.");
}
