#pragma once

#include "base/seams/ScreenMetrics.h"

// A display of the size the test sets; the design size of the screens by default.
class FakeScreenMetrics : public ScreenMetrics {
public:
    explicit FakeScreenMetrics(QSize s = QSize(800, 600)) : size(s) {}
    QSize displaySize() const override { return size; }
    QSize size;
};
