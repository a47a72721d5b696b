#pragma once

#include <QStringList>

class Clock;
class QTextStream;

// `velt --learn FILE...`: the callsigns and counties of past Cabrillo and ADIF logs taught to the
// callsign database, without a window.
namespace LearnCommand {

/// Shows what the files teach and, unless `dryRun`, writes it after a copy of the database;
/// returns the exit status: 0 when every file was read and the database written.
int run(const QStringList& files, bool dryRun, const QString& dataPath, const Clock& clock,
        QTextStream& out, QTextStream& err);

} // namespace LearnCommand
