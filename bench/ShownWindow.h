#pragma once

#include <QApplication>
#include <QWidget>
#include <QWindow>

// Qt paints only a window the platform shows, and the offscreen platform shows one through its
// own events: they are let in until then, but not the timers of work done in slices meanwhile,
// which are not what the operator waits for.
inline void letPlatformShow(const QWidget* widget) {
    const QWidget* window = widget->window();
    while (window->isVisible() && !window->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::X11ExcludeTimers);
}
