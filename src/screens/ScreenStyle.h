#pragma once

#include "screens/LaidOutTexts.h"

#include <QFont>
#include <QHash>
#include <QProxyStyle>

// The application's style, painting more cheaply what the QSO screen paints again at each
// contact. Frames' and text boxes' outlines are plain rectangles: the style stretched an image
// along each side of a frame, handing each tall side to other threads to blend, and stroked each
// box's rounded outline point by point. A one-line text is laid out once, not at each paint, and
// a frame's title is measured once for its place.
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
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;

private:
    // What the place of a frame's part depends on.
    struct FramePart {
        SubControl part;
        QRect rect;
        QString title;
        QFont font;
        int alignment;
        int subControls;
        int features;
        int direction;
        bool operator==(const FramePart&) const = default;
        friend size_t qHash(const FramePart& k, size_t seed = 0) {
            return qHashMulti(seed, int(k.part), k.rect.x(), k.rect.y(), k.rect.width(),
                              k.rect.height(), k.title, k.font, k.alignment, k.subControls,
                              k.features, k.direction);
        }
    };

    bool drawnLaidOut(QPainter* painter, const QRect& rect, int flags, const QString& text) const;

    mutable LaidOutTexts m_texts{1000};
    mutable QHash<FramePart, QRect> m_frameParts;
};
