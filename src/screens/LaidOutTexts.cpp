#include "screens/LaidOutTexts.h"

#include <QTransform>

const QStaticText& LaidOutTexts::laid(const QFont& font, const QString& text) {
    Key key{font, text};
    if (const QStaticText* known = m_texts.object(key))
        return *known;
    auto* t = new QStaticText(text);
    t->setTextFormat(Qt::PlainText);
    t->prepare(QTransform(), font);
    m_texts.insert(std::move(key), t);
    return *t;
}
