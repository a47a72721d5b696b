#include "screens/FrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

FrameStyle* FrameStyle::instance() {
    static QPointer<FrameStyle> style;
    if (!style) {
        style = new FrameStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect r = option->rect;
    // The outline's colour of the application's style.
    const QColor line = option->palette.color(QPalette::Window).darker(140);
    painter->fillRect(r.left(), r.top(), r.width(), 1, line);
    painter->fillRect(r.left(), r.bottom(), r.width(), 1, line);
    painter->fillRect(r.left(), r.top(), 1, r.height(), line);
    painter->fillRect(r.right(), r.top(), 1, r.height(), line);
}
