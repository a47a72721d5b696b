#include "screens/reports/SlicedWork.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Long enough for many steps per slice, short enough for the window to answer at once.
constexpr qint64 kSliceMs = 30;
} // namespace

SlicedWork::SlicedWork(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("SlicedWork"));
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuleaza"));
    connect(buttons, &QDialogButtonBox::rejected, this, &SlicedWork::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    layout->addWidget(m_bar);
    layout->addWidget(buttons);
    connect(&m_slices, &QTimer::timeout, this, &SlicedWork::doSlice);
}

void SlicedWork::run(QWidget* parent, const QString& title, const QString& text, qint64 total,
                     Step step, Ended ended, Done done, Qt::WindowModality modality) {
    auto* work = new SlicedWork(title, text, parent);
    work->setWindowModality(modality);
    work->m_step = std::move(step);
    work->m_ended = std::move(ended);
    work->m_done = done ? std::move(done) : [work] { return work->m_steps; };
    work->m_bar->setRange(0, static_cast<int>(std::max<qint64>(total, 1)));
    work->m_bar->setValue(0);
    work->show();
    work->m_slices.start(0);
}

void SlicedWork::doSlice() {
    QElapsedTimer slice;
    slice.start();
    while (slice.elapsed() < kSliceMs) {
        if (!m_step())
            return end(false);
        ++m_steps;
    }
    // Work that grew meanwhile moves the end of the bar along.
    const int done = static_cast<int>(m_done());
    m_bar->setMaximum(std::max(m_bar->maximum(), done));
    m_bar->setValue(done);
}

void SlicedWork::reject() {
    if (m_slices.isActive())
        end(true);
}

void SlicedWork::end(bool cancelled) {
    m_slices.stop();
    hide();
    deleteLater();
    // What the work holds (an open file, a printer's document) is let go of now, not when the
    // dialog is deleted.
    const Ended ended = std::move(m_ended);
    ended(cancelled);
    m_step = {};
}
