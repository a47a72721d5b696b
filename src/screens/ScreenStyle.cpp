#include "screens/ScreenStyle.h"

#include "screens/MeasuredOnce.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace {
void outline(QPainter* painter, const QRect& r, const QColor& color) {
    painter->fillRect(r.left(), r.top(), r.width(), 1, color);
    painter->fillRect(r.left(), r.bottom(), r.width(), 1, color);
    painter->fillRect(r.left(), r.top(), 1, r.height(), color);
    painter->fillRect(r.right(), r.top(), 1, r.height(), color);
}

// The outline colours of the application's style.
QColor plainOutline(const QPalette& palette) {
    return palette.color(QPalette::Window).darker(140);
}

QColor focusOutline(const QPalette& palette) {
    QColor c = palette.color(QPalette::Highlight).darker(125);
    if (c.value() > 160)
        c.setHsl(c.hue(), c.saturation(), 160);
    return c;
}
} // namespace

ScreenStyle* ScreenStyle::instance() {
    static QPointer<ScreenStyle> style;
    if (!style) {
        style = new ScreenStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

void ScreenStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const QRect r = option->rect;
    if (element == PE_FrameGroupBox) {
        outline(painter, r, plainOutline(option->palette));
    } else if (element == PE_FrameLineEdit) {
        if (option->state & State_HasFocus) {
            const QColor line = focusOutline(option->palette);
            QColor soft = line;
            soft.setAlpha(40);
            outline(painter, r, line);
            outline(painter, r.adjusted(1, 1, -1, -1), soft);
        } else {
            outline(painter, r, plainOutline(option->palette));
        }
        painter->fillRect(r.left() + 2, r.top() + 1, r.width() - 4, 1, QColor(0, 0, 0, 18));
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ScreenStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                               const QPalette& palette, bool enabled, const QString& text,
                               QPalette::ColorRole textRole) const {
    if (text.isEmpty())
        return;
    const QPen pen = painter->pen();
    if (textRole != QPalette::NoRole)
        painter->setPen(QPen(palette.brush(textRole), pen.widthF()));
    if (!drawnLaidOut(painter, rect, flags, text))
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, QPalette::NoRole);
    painter->setPen(pen);
}

QRect ScreenStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl part, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || !widget)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const FramePart key{part,
                        box->rect,
                        box->text,
                        widget->font(),
                        int(box->textAlignment),
                        int(box->subControls),
                        int(box->features),
                        int(box->direction)};
    if (const auto found = m_frameParts.constFind(key); found != m_frameParts.cend())
        return *found;
    // Frames are few; their sizes change only with the screen's layout.
    if (m_frameParts.size() >= MeasuredOnce::kMostTexts)
        m_frameParts.clear();
    return *m_frameParts.insert(key, QProxyStyle::subControlRect(control, option, part, widget));
}

// A text of one line, without a shortcut's mark, in the painter's own type: placed as the
// painter places it, but laid out only the first time.
bool ScreenStyle::drawnLaidOut(QPainter* painter, const QRect& rect, int flags,
                               const QString& text) const {
    constexpr int kPlacing = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask |
                             Qt::TextForceLeftToRight | Qt::TextForceRightToLeft |
                             Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic |
                             Qt::TextHideMnemonic;
    if ((flags & ~kPlacing) != 0 || painter->transform().type() > QTransform::TxTranslate ||
        text.contains(u'&') || text.contains(u'\n') || text.contains(u'\t') || text.isRightToLeft())
        return false;
    const LaidOutTexts::Laid& laid = m_texts.laid(painter->font(), text);
    QPointF at = rect.topLeft();
    if (flags & Qt::AlignRight)
        at.rx() += rect.width() - laid.width;
    else if (flags & Qt::AlignHCenter)
        at.rx() += (rect.width() - laid.width) / 2;
    if (flags & Qt::AlignBottom)
        at.ry() += rect.height() - laid.height;
    else if (flags & Qt::AlignVCenter)
        at.ry() += (rect.height() - laid.height) / 2;
    LaidOutTexts::draw(painter, at, laid, rect);
    return true;
}
