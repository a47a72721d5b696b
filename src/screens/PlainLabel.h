#pragma once

#include <QLabel>

// A label that paints a plain one-line or wrapped text by its style alone. QLabel's own paint
// builds a frame's style option and measures an indent even when there is neither, a third of
// what a label costs to paint; the QSO screen paints some thirty labels at each contact. Any
// other label (rich or selectable text, an image, a frame, a margin, an indent) paints as QLabel.
class PlainLabel : public QLabel {
public:
    PlainLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool paintsPlainly() const;
};
