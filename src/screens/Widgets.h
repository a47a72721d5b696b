#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

// Controls carry the system's names as objectName, so tests and code find them by name.
namespace Widgets {
QLabel* label(QWidget* parent, const char* name, const QString& text = {});
QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& toolTip = {});
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& toolTip = {});
QRadioButton* radio(QWidget* parent, const char* name, const QString& caption);
QCheckBox* check(QWidget* parent, const char* name, const QString& caption);
QGroupBox* frame(QWidget* parent, const char* name, const QString& caption);
/// Pixels for a design length in twips (15 twips a pixel) at a layout factor.
int twips(int twips, float scale = 1.0f);
/// Shows `text` in `edit`; an unchanged text leaves the box, its caret and its undo as they are
/// (QLineEdit sets and repaints even the text it holds).
void showText(QLineEdit* edit, const QString& text);
/// Keeps the room `w` takes in its layout while it is hidden, so that the controls beside it stay
/// where they are as it comes and goes.
void keepRoomWhenHidden(QWidget* w);
/// Sets the background colour of a control from a 0xRRGGBB value.
void setBackColor(QWidget* w, QRgb rgb);
/// Sets the text colour of a control from a 0xRRGGBB value.
void setForeColor(QWidget* w, QRgb rgb);
/// Puts the focus on a text box with the caret at `pos` (clamped to its text).
void focusAt(QLineEdit* edit, int pos);
/// Clears an option button without touching the others of its group.
void uncheck(QAbstractButton* b);
/// Turns every key typed into `edit` to upper case, the caret staying where it was.
void upperCaseTyping(QLineEdit* edit);
} // namespace Widgets
