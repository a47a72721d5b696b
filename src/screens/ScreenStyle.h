#pragma once

#include <QFont>
#include <QHash>
#include <QProxyStyle>
#include <QStaticText>

// The application's style, painting more cheaply what the QSO screen paints again at each
// contact. Frames' and text boxes' outlines are plain rectangles: the style stretched an image
// along each side of a frame, handing each tall side to other threads to blend, and stroked each
// box's rounded outline point by point. A one-line text is laid out once, not at each paint.
class ScreenStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    /// The one instance, made with the application's style and owned by the application. Set on
    /// a control, it paints that control (not its children).
    static ScreenStyle* instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    bool drawnLaidOut(QPainter* painter, const QRect& rect, int flags, const QString& text) const;

    mutable QHash<QFont, QHash<QString, QStaticText>> m_texts;
};
