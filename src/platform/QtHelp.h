#pragma once

#include "base/seams/Help.h"

#include <QPointer>
#include <QString>

#include <QDialog>
class QTextBrowser;
class QWidget;

// Help pages "<topic>.html" of the help folder, shown in one non-modal window that every topic
// reuses.
class QtHelp : public Help {
public:
    QtHelp(QString helpDir, QWidget* parent = nullptr);
    ~QtHelp() override;
    QtHelp(const QtHelp&) = delete;
    QtHelp& operator=(const QtHelp&) = delete;

    void open(int topic) override;
    /// The help window, once a topic has been opened.
    QDialog* window() const { return m_window; }

private:
    void createWindow();

    QString m_helpDir;
    QWidget* m_parent;
    QPointer<QDialog> m_window;
    QTextBrowser* m_browser = nullptr;
};
