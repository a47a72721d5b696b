#include "platform/QtHelp.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QtHelp::QtHelp(QString helpDir, QWidget* parent)
    : m_helpDir(std::move(helpDir)), m_parent(parent) {}

QtHelp::~QtHelp() {
    delete m_window;
}

void QtHelp::createWindow() {
    m_window = new QDialog(m_parent);
    m_window->setObjectName(QStringLiteral("FrmHelp"));
    m_window->setWindowTitle(QStringLiteral("HELP"));
    m_window->setModal(false);
    m_browser = new QTextBrowser(m_window);
    m_browser->setObjectName(QStringLiteral("TxtHelp"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(m_window);
    layout->addWidget(m_browser);
    m_window->resize(640, 480);
}

void QtHelp::open(int topic) {
    if (!m_window)
        createWindow();
    const QFileInfo page(QDir(m_helpDir).filePath(QStringLiteral("%1.html").arg(topic)));
    if (page.isFile()) {
        m_browser->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    } else {
        m_browser->clearHistory();
        m_browser->setPlainText(QStringLiteral("Pagina de ajutor %1 lipseste.").arg(topic));
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
