#include "screens/entry/RateFrame.h"

#include "screens/ScreenStyle.h"
#include "screens/Widgets.h"
#include "screens/entry/FigureLabel.h"

#include <QGridLayout>

using namespace Widgets;

RateFrame::RateFrame(QWidget* parent) : QGroupBox(QStringLiteral("Ritm/ora"), parent) {
    setObjectName(QStringLiteral("FramRate"));
    setStyle(ScreenStyle::instance());
    setToolTip(QStringLiteral("QSO pe ora: ultimele 10 minute, ultimele 60 de minute si cele mai "
                              "bune 60 de minute ale etapei"));
    auto* g = new QGridLayout(this);
    g->setVerticalSpacing(0);
    const struct {
        const char* caption;
        const char* captionName;
        const char* valueName;
        QLabel** value;
    } rows[] = {{"10'", "LblRate10Col", "LblRate10", &m_lastTen},
                {"60'", "LblRate60Col", "LblRate60", &m_lastHour},
                {"Max", "LblRateMaxCol", "LblRateMax", &m_bestHour}};
    int r = 0;
    for (const auto& row : rows) {
        *row.value = new FigureLabel(this, QLatin1String(row.valueName), QStringLiteral("0"));
        (*row.value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(label(this, row.captionName, QLatin1String(row.caption)), r, 0);
        g->addWidget(*row.value, r++, 1);
    }
}

void RateFrame::showFigures(const RateFigures& f) {
    const std::pair<QLabel*, int> shown[] = {
        {m_lastTen, f.lastTenPerHour}, {m_lastHour, f.lastHour}, {m_bestHour, f.bestHour}};
    for (const auto& [l, value] : shown)
        if (const QString text = QString::number(value); l->text() != text)
            l->setText(text);
}
