#include "screens/entry/FigureLabel.h"

#include "screens/MeasuredOnce.h"
#include "screens/ScreenStyle.h"

FigureLabel::FigureLabel(QWidget* parent, const QString& name, const QString& text)
    : PlainLabel(text, parent) {
    setObjectName(name);
    setStyle(ScreenStyle::instance());
}

QSize FigureLabel::sizeHint() const {
    return sizes().hint;
}

QSize FigureLabel::minimumSizeHint() const {
    return sizes().minimum;
}

FigureLabel::Sizes FigureLabel::sizes() const {
    QString shape = text();
    for (QChar& c : shape)
        if (c.isDigit())
            c = u'0';
    return MeasuredOnce::size(m_sizes, shape, [this] {
        return Sizes{QLabel::sizeHint(), QLabel::minimumSizeHint()};
    });
}

void FigureLabel::changeEvent(QEvent* event) {
    if (MeasuredOnce::changesTextSizes(event))
        m_sizes.clear();
    QLabel::changeEvent(event);
}
