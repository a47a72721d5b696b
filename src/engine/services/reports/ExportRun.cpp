#include "services/reports/ExportRun.h"

#include <QDir>

ExportRun::ExportRun(Database& logDb, QString path, ExportLayout layout, Then then)
    : m_reader(logDb), m_path(std::move(path)), m_layout(std::move(layout)),
      m_then(std::move(then)),
      m_encoder([this](const QByteArray& bytes) { return written(m_file->append(bytes)); }),
      m_put([this](const QString& line) { return put(line); }) {
    m_written.path = m_path;
}

ExportRun::ExportRun(Database& logDb, QString reason) : ExportRun(logDb, QString(), {}) {
    m_error = std::move(reason);
}

bool ExportRun::put(const QString& line) {
    m_written.lines.add(line);
    return m_encoder.add(line);
}

bool ExportRun::written(const Outcome<void>& appended) {
    if (!appended)
        m_fileError = appended.error();
    return appended.ok();
}

bool ExportRun::start() {
    if (!m_error.isEmpty())
        return false;
    if (const Outcome<void> opened = m_reader.open(0); !opened) {
        m_error = opened.error();
        return false;
    }
    m_file.emplace(m_path);
    if (const Outcome<void> opened = m_file->open(); !opened) {
        m_error = opened.error();
        return false;
    }
    m_running = m_layout.putHead(m_put);
    return m_running;
}

bool ExportRun::step() {
    if (!m_running)
        return false;
    if (!m_reader.next(m_row)) {
        m_atEnd = m_reader.error().isEmpty();
        return m_running = false;
    }
    ++m_rows;
    return m_running = m_layout.putRow(m_row, m_put, m_rowError);
}

Outcome<WrittenFile> ExportRun::finish() {
    const bool complete = m_atEnd && m_layout.putTail(m_rows, m_put) && m_encoder.finish();
    // The first reason wins; the file is put in place only when there is none.
    for (const QString& reason : {m_error, m_reader.error(), m_rowError, m_encoder.error()}) {
        if (!reason.isEmpty())
            return Failure{reason};
    }
    if (!complete || !m_file)
        return Failure{m_fileError};
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
