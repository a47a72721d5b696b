#pragma once

#include "screens/ScreenServices.h"

#include <QMainWindow>

/// The log-view screen: the log by stage, exports, printing and upkeep.
class FrmAnzeigen : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmAnzeigen(ScreenServices& services, QWidget* parent = nullptr);

signals:
    /// 1_ST_P&AGE: back to the set-up screen.
    void setupRequested();
    /// E&XIT confirmed.
    void exitRequested();

private:
    void buildMenus();

    ScreenServices& m_services;
};
