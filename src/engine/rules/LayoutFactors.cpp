#include "rules/LayoutFactors.h"

LayoutFactors LayoutFactors::forDisplay(QSize size) {
    struct Row {
        QSize size;
        LayoutFactors factors;
    };
    static const Row kTable[] = {
        {{640, 480}, {0.8f, 0.8f, LayoutRoutine::Small, true}},
        {{800, 600}, {1.0f, 1.0f, LayoutRoutine::None, true}},
        {{1024, 768}, {1.015f, 1.02f, LayoutRoutine::Large, true}},
        {{1280, 1024}, {1.28f, 1.365333f, LayoutRoutine::LargeLcd, true}},
    };
    for (const Row& r : kTable)
        if (r.size == size)
            return r.factors;
    return {1.0f, 1.0f, LayoutRoutine::None, false};
}
