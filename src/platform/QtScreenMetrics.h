#pragma once

#include "base/seams/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

// The primary screen; an empty size when there is none.
class QtScreenMetrics : public ScreenMetrics {
public:
    QSize displaySize() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize();
    }
};
