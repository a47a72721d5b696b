#include "screens/Widgets.h"

#include "screens/PlainLabel.h"
#include "screens/ScreenStyle.h"

#include <QPalette>
#include <cmath>
#include <limits>

namespace Widgets {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* w = new PlainLabel(text, parent);
    w->setObjectName(QLatin1String(name));
    w->setStyle(ScreenStyle::instance());
    return w;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& toolTip) {
    auto* w = new QLineEdit(parent);
    w->setObjectName(QLatin1String(name));
    w->setStyle(ScreenStyle::instance());
    w->setToolTip(toolTip);
    // Qt's default cuts a text at 32767 characters without a word; what a text must not exceed
    // is checked, with a message, where it is used.
    w->setMaxLength(std::numeric_limits<int>::max());
    return w;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& toolTip) {
    auto* w = new QPushButton(caption, parent);
    w->setObjectName(QLatin1String(name));
    w->setToolTip(toolTip);
    w->setAutoDefault(false);
    return w;
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption) {
    auto* w = new QRadioButton(caption, parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& caption) {
    auto* w = new QCheckBox(caption, parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption) {
    auto* w = new QGroupBox(caption, parent);
    w->setObjectName(QLatin1String(name));
    w->setStyle(ScreenStyle::instance());
    return w;
}

int twips(int twips, float scale) {
    return static_cast<int>(std::lround(twips * scale / 15.0f));
}

void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void keepRoomWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

void setBackColor(QWidget* w, QRgb rgb) {
    // Screens repaint their colours after every key: an unchanged colour costs nothing.
    if (w->autoFillBackground() && w->palette().color(QPalette::Base).rgb() == QColor(rgb).rgb() &&
        w->palette().color(QPalette::Window).rgb() == QColor(rgb).rgb())
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Base, QColor(rgb));
    p.setColor(QPalette::Window, QColor(rgb));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setForeColor(QWidget* w, QRgb rgb) {
    if (w->palette().color(QPalette::WindowText).rgb() == QColor(rgb).rgb() &&
        w->palette().color(QPalette::Text).rgb() == QColor(rgb).rgb())
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor(rgb));
    p.setColor(QPalette::Text, QColor(rgb));
    w->setPalette(p);
}

void focusAt(QLineEdit* edit, int pos) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->setCursorPosition(std::clamp(pos, 0, static_cast<int>(edit->text().size())));
}

void uncheck(QAbstractButton* b) {
    const bool exclusive = b->autoExclusive();
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(exclusive);
}

void upperCaseTyping(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int pos = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(pos);
    });
}

} // namespace Widgets
