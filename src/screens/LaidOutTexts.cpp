#include "screens/LaidOutTexts.h"

#include <QFontMetricsF>
#include <QTransform>

const LaidOutTexts::Laid& LaidOutTexts::laid(const QFont& font, const QString& text) {
    const Key key{font, text};
    if (const Laid* known = m_texts.object(key))
        return *known;
    auto* l = new Laid{QStaticText(text), QFontMetricsF(font).horizontalAdvance(text), 0};
    l->text.setTextFormat(Qt::PlainText);
    l->text.prepare(QTransform(), font);
    l->height = l->text.size().height();
    m_texts.insert(key, l);
    return *l;
}

void LaidOutTexts::draw(QPainter* painter, const QPointF& at, const Laid& laid,
                        const QRect& within) {
    // Cutting costs a saved state: only a text that does not fit is cut.
    if (QRectF(within).contains(QRectF(at, QSizeF(laid.width, laid.height)))) {
        painter->drawStaticText(at, laid.text);
        return;
    }
    painter->save();
    painter->setClipRect(within, Qt::IntersectClip);
    painter->drawStaticText(at, laid.text);
    painter->restore();
}
