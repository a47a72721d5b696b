#include "platform/ChildJetReader.h"

#include "platform/JetReadChild.h"
#include "platform/JetRowStream.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>

namespace {
// A table's text is never many times the file it comes from; more is a child gone wrong.
constexpr qint64 kAnswerPerFileByte = 32;
constexpr qint64 kAnswerMinimum = 1 << 20;
} // namespace

ChildJetReader::ChildJetReader(QString executable, std::chrono::milliseconds limit)
    : m_executable(std::move(executable)), m_limit(limit) {}

bool ChildJetReader::open(const QString& path) {
    close();
    const std::optional<JetRowStream::Message> answer = ask({path});
    if (!answer)
        return false;
    if (answer->kind != JetRowStream::Message::Kind::Tables) {
        m_error = answer->reason;
        return false;
    }
    m_path = path;
    m_tables = answer->tables;
    return true;
}

void ChildJetReader::close() {
    m_path.clear();
    m_tables.clear();
}

std::optional<JetTable> ChildJetReader::read(const QString& table) {
    if (m_path.isEmpty() || !m_tables.contains(table, Qt::CaseInsensitive)) {
        m_error = QStringLiteral("tabela %1 lipseste").arg(table);
        return std::nullopt;
    }
    const std::optional<JetRowStream::Message> answer = ask({m_path, table});
    if (!answer) {
        m_error = QStringLiteral("tabela %1 nu poate fi citita: %2").arg(table, m_error);
        return std::nullopt;
    }
    if (answer->kind != JetRowStream::Message::Kind::Table) {
        m_error = answer->reason;
        return std::nullopt;
    }
    return answer->table;
}

std::optional<JetRowStream::Message> ChildJetReader::ask(const QStringList& arguments) {
    QProcess child;
    child.setProgram(m_executable);
    child.setArguments(QStringList{QLatin1String(JetReadChild::kOption)} + arguments);
    child.setStandardInputFile(QProcess::nullDevice());
    // libmdb's own English lines are no message for the operator.
    child.setStandardErrorFile(QProcess::nullDevice());
    // A child never outlives the program that waits for it.
    child.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    const qint64 most =
        qMax(kAnswerMinimum, QFileInfo(arguments.first()).size() * kAnswerPerFileByte);
    const QDeadlineTimer deadline(m_limit);
    child.start(QIODevice::ReadOnly);
    QByteArray answer;
    const auto left = [&] { return static_cast<int>(deadline.remainingTime()); };
    while (answer.size() <= most && child.waitForReadyRead(left()))
        answer += child.readAllStandardOutput();
    // The answer may end a moment before the child does.
    if (answer.size() <= most)
        child.waitForFinished(left());
    if (child.error() == QProcess::FailedToStart) {
        m_error =
            QStringLiteral("cititorul fisierelor Jet (%1) nu poate fi pornit").arg(m_executable);
        return std::nullopt;
    }
    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished();
        m_error = answer.size() > most
                      ? QStringLiteral("cititorul a dat un raspuns fara sfarsit; fisierul este "
                                       "probabil deteriorat")
                      : QStringLiteral("citirea nu s-a terminat in %1 secunde; fisierul este "
                                       "probabil deteriorat")
                            .arg(std::chrono::ceil<std::chrono::seconds>(m_limit).count());
        return std::nullopt;
    }
    answer += child.readAllStandardOutput();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        m_error = QStringLiteral("citirea s-a oprit pe neasteptate; fisierul este probabil "
                                 "deteriorat");
        return std::nullopt;
    }
    std::optional<JetRowStream::Message> message = JetRowStream::parse(answer);
    if (!message)
        m_error = QStringLiteral("raspunsul cititorului este incomplet sau deteriorat");
    return message;
}
