#include "platform/JetReadChild.h"

#include "platform/JetRowStream.h"
#include "platform/MdbJetReader.h"

#include <QFile>
#include <cstring>
#include <unistd.h>

namespace JetReadChild {

bool isChild(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], kOption) == 0;
}

int run(int argc, char** argv) {
    if (argc != 3 && argc != 4)
        return 2;
    // libmdb may print on stdout; the answer goes to a private copy of it, and libmdb's lines
    // to stderr, which the parent drops.
    const int answerFd = ::dup(STDOUT_FILENO);
    if (answerFd < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 1;
    MdbJetReader reader;
    QByteArray answer;
    if (const Outcome<void> opened = reader.open(QFile::decodeName(argv[2])); !opened)
        answer = JetRowStream::refusal(opened.error());
    else if (argc == 3)
        answer = JetRowStream::tables(reader.tables());
    else if (const Outcome<JetTable> table = reader.read(QString::fromLocal8Bit(argv[3])))
        answer = JetRowStream::table(*table);
    else
        answer = JetRowStream::refusal(table.error());
    QFile out;
    if (!out.open(answerFd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        return 1;
    return out.write(answer) == answer.size() && out.flush() ? 0 : 1;
}

} // namespace JetReadChild
