#pragma once

#include "screens/ScreenServices.h"
#include "services/reports/ContestCourse.h"

#include <QList>
#include <QWidget>

class QChart;
class QChartView;
class QImage;
class QRadioButton;

/// The contest's course as a chart: contacts per 10 minutes as bars, the running score and the
/// running number of multipliers as lines, UTC time along the bottom; for one stage or the whole
/// log, saved as a PNG file into ARHIVA or printed.
class ContestChartWindow : public QWidget {
    Q_OBJECT
public:
    ContestChartWindow(ScreenServices& services, QWidget* parent);

    /// Shows the course of stage 1..4, or of the whole log (0); `twoDigitYear` names the file.
    void showCourse(int stage, const QString& twoDigitYear);
    /// The stage shown, 0 for the whole log.
    int stage() const { return m_stage; }
    /// The course shown.
    const QList<CourseStep>& steps() const { return m_steps; }
    QChart* chart() const;

private:
    QWidget* buildChoices();
    QWidget* buildButtons();
    void chooseStage(int stage);
    void draw();
    void savePng();
    void print();
    QImage picture() const;

    ScreenServices& m_services;
    QChartView* m_view = nullptr;
    QList<QRadioButton*> m_choices; // the whole log, then 1A..2B
    int m_stage = 0;
    QString m_twoDigitYear;
    QList<CourseStep> m_steps;
};
