#pragma once

#include <QString>

// Where the program keeps its settings files, databases, WAVUs, Log and ARHIVA: the per-user
// folder, or a folder named on the command line, made on first start from the templates. An
// installed program and one run from its build folder use the same one: a build folder is
// deleted by cleaning the build, so it never holds the operator's data.
namespace DataFolder {

struct Location {
    QString path;       // the data folder: AppPath
    QString helpFolder; // the help pages
    QString error;      // why the folder cannot be used or made; empty when all is well
};

/// The per-user data folder: $XDG_DATA_HOME/velt (~/.local/share/velt).
QString userFolder();
/// The templates (schema, help pages, shipped files) for a program in `programFolder`: installed
/// in ../share/velt, or in share/velt of the build folder the program was built in.
QString templatesFolder(const QString& programFolder);
/// The data folder `folder`, made from `templates` when it is missing; an error when it is no
/// folder.
Location locate(const QString& folder, const QString& templates);
/// Makes `folder` from `templates`: empty databases, the working folders, the shipped files. It is
/// built beside `folder` and renamed into place, so a failed start leaves nothing half made.
QString create(const QString& folder, const QString& templates);
} // namespace DataFolder
