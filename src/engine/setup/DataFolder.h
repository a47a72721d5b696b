#pragma once

#include <QString>

// Where the program keeps its settings files, databases, WAVUs, Log and ARHIVA. A folder the
// program runs from that holds its databases and can be written (the build folder, a copied
// folder) stays the data folder; an installed program keeps its data in a per-user folder, made
// on first start from the installed templates.
namespace DataFolder {

struct Location {
    QString path;       // the data folder: AppPath
    QString helpFolder; // the help pages
    QString error;      // why the per-user folder could not be made; empty when all is well
};

/// The per-user data folder: $XDG_DATA_HOME/velt (~/.local/share/velt).
QString userFolder();
/// The installed templates (schema, help pages, shipped files) for a program in `programFolder`.
QString templatesFolder(const QString& programFolder);
/// True when `folder` holds one of the databases and can be written.
bool holdsData(const QString& folder);
/// Chooses the data folder; makes `userFolder` from `templates` when it is the one and is missing.
Location locate(const QString& programFolder, const QString& userFolder, const QString& templates);
/// Makes `folder` from `templates`: empty databases, the working folders, the shipped files. It is
/// built beside `folder` and renamed into place, so a failed start leaves nothing half made.
QString create(const QString& folder, const QString& templates);
} // namespace DataFolder
