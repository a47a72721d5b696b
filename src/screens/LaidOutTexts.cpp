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
