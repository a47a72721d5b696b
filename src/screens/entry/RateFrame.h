#pragma once

#include "contact/LogRate.h"

#include <QGroupBox>

class QLabel;

/// The rate of the stage worked, beside the results: contacts per hour of the last 10 minutes,
/// contacts of the last 60 minutes and of the best 60 minutes so far.
class RateFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit RateFrame(QWidget* parent);
    /// Shows `figures`; the labels change only when a figure did.
    void showFigures(const RateFigures& figures);

private:
    QLabel* m_lastTen = nullptr;
    QLabel* m_lastHour = nullptr;
    QLabel* m_bestHour = nullptr;
};
