#include "screens/reports/ContestChartWindow.h"

#include "base/SafeFile.h"
#include "base/seams/Dialogs.h"
#include "base/seams/PrintSink.h"
#include "base/seams/ScreenMetrics.h"
#include "rules/ContestRun.h"
#include "rules/StageName.h"
#include "screens/Widgets.h"
#include "services/reports/ReportFiles.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLineSeries>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValueAxis>

using namespace Widgets;

namespace {
const QString kTitle = QStringLiteral("GRAFIC");

// Steps between two time labels: the shortest of these that leaves at most 12 labels.
int labelEvery(qsizetype steps) {
    for (const int every : {1, 2, 3, 6, 12, 18, 36, 72, 144, 1008})
        if (steps / every <= 12)
            return every;
    return int(steps / 12) + 1;
}

// The time axis: a label at the start of every labelled step, with the date when the course
// runs over more than one day.
QCategoryAxis* timeAxis(const QList<CourseStep>& steps) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(QStringLiteral("UTC"));
    axis->setStartValue(-0.5);
    axis->setRange(-0.5, double(std::max<qsizetype>(steps.size(), 1)) - 0.5);
    if (steps.isEmpty())
        return axis;
    const bool days = steps.first().start.date() != steps.last().start.date();
    const int every = labelEvery(steps.size());
    const qint64 period = qint64(every) * ContestCourse::kStepMinutes * 60;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QDateTime& t = steps[i].start;
        if (t.toSecsSinceEpoch() % period != 0 && i != 0)
            continue;
        axis->append(t.toString(days ? QStringLiteral("dd.MM hh:mm") : QStringLiteral("hh:mm")),
                     double(i) - 0.5);
    }
    return axis;
}

QValueAxis* valueAxis(const QString& title, double highest) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    // Whole numbers on the ticks even for a few contacts.
    axis->setRange(0, std::max(highest, 5.0));
    axis->applyNiceNumbers();
    return axis;
}
} // namespace

ContestChartWindow::ContestChartWindow(ScreenServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services) {
    setObjectName(QStringLiteral("FrmGrafic"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(buildChoices());
    m_view = new QChartView(this);
    m_view->setObjectName(QStringLiteral("ChartCurs"));
    m_view->setRenderHint(QPainter::Antialiasing);
    v->addWidget(m_view, 1);
    v->addWidget(buildButtons());
    const QSize display = services.metrics.displaySize();
    resize(display * 0.9);
    move((display.width() - width()) / 2, (display.height() - height()) / 2);
}

QWidget* ContestChartWindow::buildChoices() {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    m_choices << radio(w, "OpBGrafLG", QStringLiteral("L&og Gen"));
    for (int stage = 1; stage <= 4; ++stage)
        m_choices << radio(w, qPrintable(QStringLiteral("OpBGraf") + stageName(stage)),
                           QStringLiteral("Etapa &") + stageName(stage));
    for (int stage = 0; stage <= 4; ++stage) {
        h->addWidget(m_choices[stage]);
        connect(m_choices[stage], &QRadioButton::clicked, this,
                [this, stage] { chooseStage(stage); });
    }
    h->addStretch(1);
    return w;
}

QWidget* ContestChartWindow::buildButtons() {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    auto* saving = button(w, "CmdGrafPng", QStringLiteral("Salveaza &PNG in ARHIVA"));
    auto* printing = button(w, "CmdGrafPrint", QStringLiteral("&Tipareste"));
    auto* closing = button(w, "CmdGrafClose", QStringLiteral("&Inchide"));
    connect(saving, &QPushButton::clicked, this, &ContestChartWindow::savePng);
    connect(printing, &QPushButton::clicked, this, &ContestChartWindow::print);
    connect(closing, &QPushButton::clicked, this, &QWidget::close);
    h->addStretch(1);
    for (QPushButton* b : {saving, printing, closing})
        h->addWidget(b);
    return w;
}

QChart* ContestChartWindow::chart() const {
    return m_view->chart();
}

void ContestChartWindow::showCourse(int stage, const QString& twoDigitYear) {
    m_twoDigitYear = twoDigitYear;
    chooseStage(stage);
}

void ContestChartWindow::chooseStage(int stage) {
    const int stages = m_services.run.contest().stageCount;
    m_stage = stage >= 0 && stage <= stages ? stage : 0;
    for (int s = 1; s <= 4; ++s)
        m_choices[s]->setVisible(s <= stages);
    m_choices[m_stage]->setChecked(true);
    const Outcome<QList<CourseStep>> read =
        ContestCourse::read(m_services.logDb, m_services.run.contest(), m_stage);
    m_steps = read.valueOr({});
    draw();
    if (!read)
        m_services.dialogs.tell({read.error(), Dialogs::Icon::None, kTitle});
}

void ContestChartWindow::draw() {
    auto* chart = new QChart;
    const QString part =
        m_stage == 0 ? QStringLiteral("Log Gen") : QStringLiteral("Etapa ") + stageName(m_stage);
    const QString title = QString::fromLatin1(m_services.run.contest().code) + u' ' + part;
    setWindowTitle(QStringLiteral("Grafic ") + title);
    chart->setTitle(m_steps.isEmpty() ? title + QStringLiteral(": nu exista contacte") : title);
    auto* contacts = new QBarSet(QStringLiteral("QSO / 10 min"));
    auto* score = new QLineSeries;
    score->setName(QStringLiteral("Punctaj"));
    auto* mults = new QLineSeries;
    mults->setName(QStringLiteral("Multiplicatori"));
    int mostContacts = 0;
    for (qsizetype i = 0; i < m_steps.size(); ++i) {
        const CourseStep& s = m_steps[i];
        *contacts << s.contacts;
        score->append(double(i), double(s.score));
        mults->append(double(i), s.multipliers);
        mostContacts = std::max(mostContacts, s.contacts);
    }
    auto* bars = new QBarSeries;
    bars->setBarWidth(0.9);
    bars->append(contacts);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{bars, score, mults})
        chart->addSeries(series);
    QCategoryAxis* time = timeAxis(m_steps);
    chart->addAxis(time, Qt::AlignBottom);
    QValueAxis* perStep = valueAxis(QStringLiteral("QSO / 10 min"), mostContacts);
    chart->addAxis(perStep, Qt::AlignLeft);
    QValueAxis* points =
        valueAxis(QStringLiteral("Punctaj"), m_steps.isEmpty() ? 0 : double(m_steps.last().score));
    chart->addAxis(points, Qt::AlignRight);
    QValueAxis* multipliers = valueAxis(QStringLiteral("Multiplicatori"),
                                        m_steps.isEmpty() ? 0 : m_steps.last().multipliers);
    chart->addAxis(multipliers, Qt::AlignRight);
    const std::pair<QAbstractSeries*, QAbstractAxis*> attached[] = {
        {bars, perStep}, {score, points}, {mults, multipliers}};
    for (const auto& [series, axis] : attached) {
        series->attachAxis(time);
        series->attachAxis(axis);
    }
    QChart* old = m_view->chart();
    m_view->setChart(chart);
    delete old;
}

QImage ContestChartWindow::picture() const {
    return m_view->grab().toImage();
}

void ContestChartWindow::savePng() {
    const ContestRun& run = m_services.run;
    const QString folder = ReportFiles::archiveFolder(run.dataFolder());
    if (!QDir().mkpath(folder))
        return m_services.dialogs.tell({QStringLiteral("Folderul ") +
                                            QDir::toNativeSeparators(folder) +
                                            QStringLiteral(" nu a putut fi creiat !"),
                                        Dialogs::Icon::None, kTitle});
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture().save(&buffer, "PNG");
    const QString path = ReportFiles::chartPath(run.dataFolder(), run.settings().myCall,
                                                run.contest(), m_twoDigitYear, m_stage);
    const Outcome<void> written = SafeFile::write(path, png);
    m_services.dialogs.tell(
        {written ? QStringLiteral("Graficul a fost scris: ") + QDir::toNativeSeparators(path)
                 : written.error(),
         Dialogs::Icon::None, kTitle});
}

void ContestChartWindow::print() {
    PrintSink& printer = m_services.printer;
    if (!printer.begin(windowTitle()))
        return;
    printer.picture(picture());
    if (const QString note = printer.end(); !note.isEmpty())
        m_services.dialogs.tell({note, Dialogs::Icon::None, kTitle});
}
