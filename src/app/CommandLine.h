#pragma once

#include "seams/Clock.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

class JetReader;

// The program's command line: without options the screens open (the word "AUTO" changes what a
// database failure at start-up does); with options the program answers on the console and ends.
namespace CommandLine {
/// True when an argument is an option, so the program answers on the console.
bool isCommand(int argc, char** argv);
/// True when the word "AUTO" (in any case) is among the arguments.
bool autoStart(const QStringList& arguments);
/// Answers the options in `arguments` for the data folder `dataPath`; the exit status. `jet` reads
/// the old program's databases for `--import-jet`.
int run(const QStringList& arguments, const QString& dataPath, const Clock& clock, JetReader& jet,
        QTextStream& out, QTextStream& err);
} // namespace CommandLine
