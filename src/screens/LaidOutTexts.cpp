#include "screens/LaidOutTexts.h"

#include <QFontMetricsF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {
constexpr qsizetype kMostFonts = 32;
}

int LaidOutTexts::fontIndex(const QFont& font) {
    const auto known = std::find(m_fonts.cbegin(), m_fonts.cend(), font);
    if (known != m_fonts.cend())
        return int(known - m_fonts.cbegin());
    // Types come and go only with the screen's scale.
    if (m_fonts.size() >= kMostFonts) {
        m_fonts.clear();
        m_texts.clear();
    }
    m_fonts.append(font);
    return int(m_fonts.size() - 1);
}

const LaidOutTexts::Laid& LaidOutTexts::laid(const QFont& font, const QString& text) {
    const Key key{fontIndex(font), text};
    if (const Laid* known = m_texts.object(key))
        return *known;
    auto* l = new Laid{QStaticText(text), QFontMetricsF(font).horizontalAdvance(text), 0, {}};
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
        drawUncut(painter, at, laid);
        return;
    }
    painter->save();
    painter->setClipRect(within, Qt::IntersectClip);
    drawUncut(painter, at, laid);
    painter->restore();
}

void LaidOutTexts::drawUncut(QPainter* painter, const QPointF& at, const Laid& laid) {
    // Copied pixels blend as the glyphs did only over whole device pixels, in a plain colour.
    const QPen& pen = painter->pen();
    if (painter->deviceTransform().type() > QTransform::TxTranslate ||
        pen.brush().style() != Qt::SolidPattern ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter->opacity() < 1.0 || !painter->device()) {
        painter->drawStaticText(at, laid.text);
        return;
    }
    const QPointF onDevice = painter->deviceTransform().map(at);
    const QPointF whole(std::floor(onDevice.x()), std::floor(onDevice.y()));
    const QPoint offset = ((onDevice - whole) * 64).toPoint();
    const QRgb colour = pen.color().rgba();
    const QSize dpi(painter->device()->logicalDpiX(), painter->device()->logicalDpiY());
    const int hints = int(painter->renderHints());
    auto known = std::find_if(laid.drawn.begin(), laid.drawn.end(), [&](const Drawn& d) {
        return d.colour == colour && d.offset == offset && d.dpi == dpi && d.hints == hints;
    });
    // A text drawn once, as a figure that changed is, costs more to copy than to draw.
    if (known == laid.drawn.end()) {
        laid.drawn.push_back({colour, offset, dpi, hints, QImage()});
        painter->drawStaticText(at, laid.text);
        return;
    }
    if (known->image.isNull())
        known->image = drawnAlone(painter, laid, QPointF(offset) / 64);
    painter->drawImage(at - (onDevice - whole) + known->image.offset(), known->image);
}

QImage LaidOutTexts::drawnAlone(QPainter* painter, const Laid& laid, const QPointF& within) {
    // The ink may reach past the text's box: accents over capitals, a hook before the start.
    const QFontMetricsF metrics(painter->font(), painter->device());
    const QRect place =
        QRectF(0, 0, laid.width + 1, laid.height)
            .united(metrics.boundingRect(laid.text.text()).translated(0, metrics.ascent()))
            .toAlignedRect()
            .adjusted(-1, -1, 2, 2);
    QImage image(place.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(painter->device()->logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(painter->device()->logicalDpiY() / 0.0254));
    image.setOffset(place.topLeft());
    image.fill(Qt::transparent);
    QPainter onImage(&image);
    onImage.setRenderHints(painter->renderHints());
    onImage.setFont(painter->font());
    onImage.setPen(painter->pen().color());
    onImage.drawStaticText(within - place.topLeft(), laid.text);
    return image;
}
