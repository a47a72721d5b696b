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

Outcome<void> ChildJetReader::open(const QString& path) {
    close();
    const Outcome<JetRowStream::Message> answer = ask({path});
    if (!answer)
        return Failure{answer.error()};
    if (answer->kind != JetRowStream::Message::Kind::Tables)
        return Failure{answer->reason};
    m_path = path;
    m_tables = answer->tables;
    return {};
}

void ChildJetReader::close() {
    m_path.clear();
    m_tables.clear();
}

Outcome<JetTable> ChildJetReader::read(const QString& table) {
    if (m_path.isEmpty() || !m_tables.contains(table, Qt::CaseInsensitive))
        return Failure{QStringLiteral("tabela %1 lipseste").arg(table)};
    Outcome<JetRowStream::Message> answer = ask({m_path, table});
    if (!answer)
        return Failure{
            QStringLiteral("tabela %1 nu poate fi citita: %2").arg(table, answer.error())};
    if (answer->kind != JetRowStream::Message::Kind::Table)
        return Failure{answer->reason};
    return std::move(answer->table);
}

Outcome<JetRowStream::Message> ChildJetReader::ask(const QStringList& arguments) {
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
    if (child.error() == QProcess::FailedToStart)
        return Failure{
            QStringLiteral("cititorul fisierelor Jet (%1) nu poate fi pornit").arg(m_executable)};
    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished();
        return Failure{answer.size() > most
                           ? QStringLiteral("cititorul a dat un raspuns fara sfarsit; fisierul "
                                            "este probabil deteriorat")
                           : QStringLiteral("citirea nu s-a terminat in %1 secunde; fisierul "
                                            "este probabil deteriorat")
                                 .arg(std::chrono::ceil<std::chrono::seconds>(m_limit).count())};
    }
    answer += child.readAllStandardOutput();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return Failure{QStringLiteral("citirea s-a oprit pe neasteptate; fisierul este probabil "
                                      "deteriorat")};
    std::optional<JetRowStream::Message> message = JetRowStream::parse(answer);
    if (!message)
        return Failure{QStringLiteral("raspunsul cititorului este incomplet sau deteriorat")};
    return *std::move(message);
}
