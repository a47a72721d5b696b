#include "screens/PlainLabel.h"

#include <QPainter>
#include <QPicture>
#include <QStyle>
#include <QTextDocument>

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

bool PlainLabel::paintsPlainly() const {
    const bool plain = textFormat() == Qt::PlainText ||
                       (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
    constexpr Qt::TextInteractionFlags kSelectable =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    return plain && !(textInteractionFlags() & kSelectable) && focusPolicy() == Qt::NoFocus &&
           pixmap().isNull() && picture().isNull() && !movie() && frameWidth() == 0 &&
           margin() == 0 && indent() <= 0 && !text().contains(u'&');
}

void PlainLabel::paintEvent(QPaintEvent* event) {
    if (!paintsPlainly()) {
        QLabel::paintEvent(event);
        return;
    }
    // As QLabel paints a text without a frame, a margin, an indent or a shortcut.
    const Qt::LayoutDirection direction =
        text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags =
        int(QStyle::visualAlignment(direction, alignment())) | (wordWrap() ? Qt::TextWordWrap : 0) |
        (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                          foregroundRole());
}
