#include "screens/reports/FrmAnzeigen.h"

#include "screens/Message10.h"
#include "setup/AppState.h"

#include <QMenuBar>

FrmAnzeigen::FrmAnzeigen(ScreenServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services) {
    setObjectName(QStringLiteral("FrmAnzeigen"));
    setWindowTitle(QStringLiteral("Prelucrare LOG"));
    buildMenus();
}

void FrmAnzeigen::buildMenus() {
    QAction* anfang = menuBar()->addAction(QStringLiteral("1_ST_P&AGE"));
    anfang->setObjectName(QStringLiteral("mnuAnfang"));
    QAction* exit = menuBar()->addAction(QStringLiteral("E&XIT"));
    exit->setObjectName(QStringLiteral("mnuBeenden"));
    connect(anfang, &QAction::triggered, this, [this] {
        m_services.state.returnToSetup = true;
        close();
        emit setupRequested();
    });
    connect(exit, &QAction::triggered, this, [this] {
        if (Message10(m_services.dialogs))
            emit exitRequested();
    });
}
