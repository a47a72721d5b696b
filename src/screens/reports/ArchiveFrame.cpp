#include "reports/ReportFiles.h"
#include "screens/reports/LogViewWindow.h"
#include "setup/ContestRun.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QTreeView>

// The archive frame: the typed name always names a file inside the "ARHIVA" folder.

// The lists start in "ARHIVA", where every archive goes, not at the top of the file system.
void LogViewWindow::resetFileLists() {
    const QString archive = ReportFiles::archiveFolder(m_run.dataFolder());
    const QSignalBlocker quiet(ui.archiveDrives);
    ui.archiveDrives->clear();
    ui.archiveDrives->addItem(QDir::toNativeSeparators(archive));
    driveChanged();
    m_fileModel->setRootPath(archive);
    ui.archiveFiles->setRootIndex(m_fileModel->index(archive));
}

void LogViewWindow::driveChanged() {
    const QString folder = QDir::fromNativeSeparators(ui.archiveDrives->currentText());
    m_dirModel->setRootPath(folder);
    ui.archiveFolders->setRootIndex(m_dirModel->index(folder));
}

void LogViewWindow::folderChanged() {
    const QString path = m_dirModel->filePath(ui.archiveFolders->currentIndex());
    m_fileModel->setRootPath(path);
    ui.archiveFiles->setRootIndex(m_fileModel->index(path));
    ui.fileNameBox->setFocus(Qt::OtherFocusReason);
}

void LogViewWindow::takeArchivedFileName(const QModelIndex& index) {
    ui.fileNameBox->setText(m_fileModel->fileName(index));
}

void LogViewWindow::archiveNameTyped(const QString& text) {
    m_fileName = text;
    const QString ending = text.right(4);
    if (ending == QLatin1String(".TXT") || ending == QLatin1String(".txt"))
        m_archiveFormat = FormatText;
    else if (ending == QLatin1String(".ADI") || ending == QLatin1String(".adi"))
        m_archiveFormat = FormatAdif;
    else
        return;
    m_fileName.chop(4);
    ui.fileNameBox->setText(m_fileName);
}

void LogViewWindow::archiveNameEntered() {
    archiveNameTyped(ui.fileNameBox->text());
}

bool LogViewWindow::archiveNameOk() {
    const QString why = ReportFiles::checkArchiveName(ui.fileNameBox->text());
    if (why.isEmpty())
        return true;
    tell(why);
    ui.fileNameBox->setFocus(Qt::OtherFocusReason);
    return false;
}

void LogViewWindow::deleteArchivedFile() {
    if (!archiveNameOk())
        return;
    if (m_archiveFormat != FormatText && m_archiveFormat != FormatAdif) {
        tell(QStringLiteral("SCRIETI NUMELE FISIERULUI CU TERMINATIA .TXT SAU .ADI !"));
        ui.fileNameBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString name = ui.fileNameBox->text().trimmed();
    if (!ask(QStringLiteral("VRETI SA STERGETI FISIERUL ") + name + QStringLiteral(" ?"),
             QStringLiteral("STERGERE?")))
        return;
    const QString path = ReportFiles::archivePath(
        m_run.dataFolder(), name,
        m_archiveFormat == FormatText ? QStringLiteral(".txt") : QStringLiteral(".adi"));
    if (!QFile::remove(path))
        tell(QStringLiteral("FISIERUL ") + QDir::toNativeSeparators(path) +
             QStringLiteral(" NU EXISTA SAU NU POATE FI STERS !"));
    resetFileLists();
    ui.fileNameBox->clear();
}

void LogViewWindow::saveTextArchive() {
    m_archiveFormat = FormatText;
    if (!archiveNameOk())
        return;
    writeChosenFile();
    resetFileLists();
    ui.fileNameBox->clear();
}

void LogViewWindow::saveAdifArchive() {
    m_archiveFormat = FormatAdif;
    m_outputKind = KindAdif;
    if (!archiveNameOk())
        return;
    writeChosenFile();
    resetFileLists();
    ui.fileNameBox->clear();
    ui.archivePanel->hide();
}
