#include "screens/reports/StagePrint.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Long enough to print many contacts per slice, short enough for the window to answer at once.
constexpr qint64 kSliceMs = 30;
} // namespace

StagePrint::StagePrint(Database& logDb, PrintedLog&& log, QWidget* parent)
    : QDialog(parent), m_reader(logDb), m_log(std::move(log)), m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("StagePrint"));
    setWindowTitle(QStringLiteral("TIPARIRE"));
    setWindowModality(Qt::WindowModal);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuleaza"));
    connect(buttons, &QDialogButtonBox::rejected, this, &StagePrint::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Se tipareste logul ..."), this));
    layout->addWidget(m_bar);
    layout->addWidget(buttons);
    connect(&m_slices, &QTimer::timeout, this, &StagePrint::printSlice);
}

StagePrint::~StagePrint() {
    if (m_running)
        m_log.abort();
}

bool StagePrint::start(int stage, int total, QString& note) {
    if (const Outcome<void> opened = m_reader.open(stage); !opened) {
        note = opened.error();
        return false;
    }
    if (!m_log.begin(stage, note))
        return false;
    m_running = true;
    m_bar->setRange(0, total);
    m_bar->setValue(0);
    show();
    m_slices.start(0);
    return true;
}

void StagePrint::printSlice() {
    QElapsedTimer slice;
    slice.start();
    LogRow row;
    while (slice.elapsed() < kSliceMs) {
        if (!m_reader.next(row)) {
            if (m_reader.error().isEmpty())
                return stop(m_log.finish());
            m_log.abort();
            return stop(QStringLiteral("TIPARIREA S-A OPRIT: ") + m_reader.error());
        }
        m_log.add(row);
        ++m_printed;
    }
    // A log that grew while printing moves the end of the bar along.
    m_bar->setMaximum(std::max(m_bar->maximum(), m_printed));
    m_bar->setValue(m_printed);
}

void StagePrint::reject() {
    if (!m_running)
        return QDialog::reject();
    m_log.abort();
    stop(QStringLiteral("TIPARIREA A FOST OPRITA."));
}

void StagePrint::stop(const QString& note) {
    m_running = false;
    m_slices.stop();
    hide();
    emit ended(note);
}
