#pragma once

#include "base/seams/Clock.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

class JetReader;

// The program's command line: without arguments, or with only the word "AUTO" (which changes what a
// database failure at start-up does) and --data-folder, the screens open; with anything else the
// program answers on the console and ends.
namespace CommandLine {
/// True when the program answers on the console: a command, or arguments it refuses.
bool isCommand(int argc, char** argv);
/// The folder named by --data-folder; empty when none is named.
QString namedDataFolder(const QStringList& arguments);
/// True when the word "AUTO" (in any case) is among the arguments.
bool autoStart(const QStringList& arguments);
/// True when the arguments name a command that reads or writes the data folder; --help, --version
/// and a refused command line leave it alone, so they must not make it either.
bool needsDataFolder(const QStringList& arguments);
/// The long names of the options the program accepts.
QStringList optionNames();
/// Answers the options in `arguments` for the data folder `dataPath`; the exit status. `jet` reads
/// the old program's databases for `--import-jet`.
int run(const QStringList& arguments, const QString& dataPath, const Clock& clock, JetReader& jet,
        QTextStream& out, QTextStream& err);
} // namespace CommandLine
