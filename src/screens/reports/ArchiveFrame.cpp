#include "base/seams/Dialogs.h"
#include "rules/ContestRun.h"
#include "screens/reports/LogViewWindow.h"
#include "services/reports/ReportFiles.h"

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
    const QString kept = m_model.archiveNameTyped(text);
    render();
    if (kept != text)
        ui.fileNameBox->setText(kept);
}

void LogViewWindow::archiveNameEntered() {
    archiveNameTyped(ui.fileNameBox->text());
}

bool LogViewWindow::archiveNameOk() {
    const QString why = ReportFiles::checkArchiveName(ui.fileNameBox->text());
    if (why.isEmpty())
        return true;
    m_services.dialogs.tell({why, Dialogs::Icon::None, {}});
    ui.fileNameBox->setFocus(Qt::OtherFocusReason);
    return false;
}

void LogViewWindow::deleteArchivedFile() {
    const Outcome<QString> path = m_model.archivedFile(m_run.dataFolder(), ui.fileNameBox->text());
    if (!path) {
        m_services.dialogs.tell({path.error(), Dialogs::Icon::None, {}});
        ui.fileNameBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString name = ui.fileNameBox->text().trimmed();
    if (!m_services.dialogs.ask(QStringLiteral("VRETI SA STERGETI FISIERUL ") + name +
                                    QStringLiteral(" ?"),
                                QStringLiteral("STERGERE?")))
        return;
    if (!QFile::remove(*path))
        m_services.dialogs.tell({QStringLiteral("FISIERUL ") + QDir::toNativeSeparators(*path) +
                                     QStringLiteral(" NU EXISTA SAU NU POATE FI STERS !"),
                                 Dialogs::Icon::None,
                                 {}});
    resetFileLists();
    ui.fileNameBox->clear();
}

void LogViewWindow::saveTextArchive() {
    m_model.archiveSaveChosen(LogOutput::TextArchive);
    render();
    if (!archiveNameOk())
        return;
    writeChosenFile();
    resetFileLists();
    ui.fileNameBox->clear();
}

// The frame closes once the file is written or refused.
void LogViewWindow::saveAdifArchive() {
    m_model.archiveSaveChosen(LogOutput::AdifArchive);
    render();
    if (!archiveNameOk())
        return;
    writeChosenFile();
    resetFileLists();
    ui.fileNameBox->clear();
}
