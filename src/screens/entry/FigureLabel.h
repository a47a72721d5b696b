#pragma once

#include "screens/PlainLabel.h"

#include <QHash>

// A label of figures that change with each contact logged (a count, points, a rate). The screen
// is laid out again after each contact, and Qt lays the label's text out anew to size it. Figures
// are as wide as each other, so a text takes the size measured for the first text of its shape
// (its digits taken as noughts).
class FigureLabel : public PlainLabel {
public:
    FigureLabel(QWidget* parent, const QString& name, const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Sizes {
        QSize hint;
        QSize minimum;
    };
    Sizes sizes() const;

    mutable QHash<QString, Sizes> m_sizes;
};
