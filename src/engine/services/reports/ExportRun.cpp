#include "services/reports/ExportRun.h"

#include <QDir>

ExportRun::ExportRun(Database& logDb, QString path, ExportLayout layout, Then then)
    : m_reader(logDb), m_path(std::move(path)), m_layout(std::move(layout)),
      m_then(std::move(then)),
      m_encoder([this](const QByteArray& bytes) { return m_file->append(bytes); }),
      m_put([this](const QString& line) { return put(line); }) {
    m_written.path = m_path;
}

ExportRun::ExportRun(Database& logDb, QString reason) : ExportRun(logDb, QString(), {}) {
    m_error = std::move(reason);
}

Outcome<void> ExportRun::put(const QString& line) {
    m_written.lines.add(line);
    return m_encoder.add(line);
}

bool ExportRun::passed(const Outcome<void>& step) {
    if (!step && m_error.isEmpty())
        m_error = step.error();
    return step.ok();
}

bool ExportRun::start() {
    if (!m_error.isEmpty() || !passed(m_reader.open(0)))
        return false;
    m_file.emplace(m_path);
    if (!passed(m_file->open()))
        return false;
    m_running = passed(m_layout.putHead(m_put));
    return m_running;
}

bool ExportRun::step() {
    if (!m_running)
        return false;
    const Outcome<bool> got = m_reader.next(m_row);
    if (!got || !*got) {
        m_error = got.error(); // empty at the end: a running walk has no reason yet
        m_atEnd = got.ok();
        return m_running = false;
    }
    ++m_rows;
    return m_running = passed(m_layout.putRow(m_row, m_put));
}

Outcome<WrittenFile> ExportRun::finish() {
    const bool complete =
        m_atEnd && passed(m_layout.putTail(m_rows, m_put)) && passed(m_encoder.finish());
    // The file is put in place only when there is no reason against it.
    if (!complete || !m_file || !m_error.isEmpty())
        return Failure{m_error};
    if (const Outcome<void> committed = m_file->commit(); !committed)
        return Failure{committed.error()};
    if (m_then)
        return m_then(m_written);
    return m_written;
}

Outcome<WrittenFile> ExportRun::cancel() {
    m_running = false;
    m_file.reset();
    return Failure{QStringLiteral("SCRIEREA FISIERULUI ") + QDir::toNativeSeparators(m_path) +
                   QStringLiteral(" A FOST ANULATA: NU S-A SCRIS NIMIC, FISIERUL ANTERIOR A RAMAS "
                                  "NESCHIMBAT.")};
}

Outcome<WrittenFile> ExportRun::whole() {
    if (start())
        while (step()) {
        }
    return finish();
}
