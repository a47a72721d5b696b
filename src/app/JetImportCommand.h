#pragma once

#include <QStringList>

class JetReader;
class QTextStream;

// `velt --import-jet FILE.mdb`: the predecessor's tables into the data folder's databases,
// without a window.
namespace JetImportCommand {

/// Imports every known table of the file named after the option into the databases of
/// `dataPath`, tells what happened and returns the exit status: 0 when all went in.
int run(const QStringList& arguments, const QString& dataPath, JetReader& reader, QTextStream& out,
        QTextStream& err);

} // namespace JetImportCommand
