#pragma once

#include <QCache>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <vector>

// One-line texts laid out once in a type, to be painted again and again: laying a text out costs
// more than drawing it, and drawing its glyphs costs more than copying the pixels they left.
// Only the texts painted most lately are kept, the captions among them: a figure that changed is
// not painted again, and a cache of every text ever shown grew without use until its size alone
// slowed the painting.
class LaidOutTexts {
public:
    // The text's pixels in one colour, at one offset within a pixel, on a clear ground: none
    // until it is drawn a second time.
    struct Drawn {
        QRgb colour;
        QPoint offset; // in 64ths of a pixel
        QSize dpi;
        int hints;
        QImage image;
    };
    struct Laid {
        QStaticText text;
        // The width the painter places a text by: the laid-out text's own size is a pixel wider.
        qreal width = 0;
        qreal height = 0;
        mutable std::vector<Drawn> drawn;
    };

    explicit LaidOutTexts(qsizetype most) : m_texts(most) {}

    /// `text` laid out in `font`; valid until the next call.
    const Laid& laid(const QFont& font, const QString& text);
    /// Draws `laid` from `at` in the painter's type and pen, cut off at the edges of `within`.
    static void draw(QPainter* painter, const QPointF& at, const Laid& laid, const QRect& within);

private:
    static void drawUncut(QPainter* painter, const QPointF& at, const Laid& laid);
    // `laid` drawn from `within` a pixel onto a clear image, whose offset is where its top left
    // lies from the pixel's.
    static QImage drawnAlone(QPainter* painter, const Laid& laid, const QPointF& within);
    int fontIndex(const QFont& font);

    // A type by its place in `m_fonts`: hashing a type costs more than finding it among the few
    // a screen paints in.
    struct Key {
        int font;
        QString text;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.font, key.text);
        }
    };
    QList<QFont> m_fonts;
    QCache<Key, Laid> m_texts;
};
