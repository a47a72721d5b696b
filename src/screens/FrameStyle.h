#pragma once

#include <QProxyStyle>

// The frames' outline as a plain rectangle. The application's style stretches an image along
// each side, which cost more than all the labels inside when a frame is painted again, and it
// handed each tall side to other threads to blend.
class FrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    /// The one instance, made with the application's style and owned by the application.
    static FrameStyle* instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
