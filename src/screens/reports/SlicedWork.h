#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QProgressBar;

// Long work done a step at a time between the program's events, in slices short enough for the
// window to answer at once: the progress shows at once and "Anuleaza" stops it. The window under
// it waits (window-modal) but is never frozen.
class SlicedWork : public QDialog {
    Q_OBJECT
public:
    /// Does one step of the work; false when there is none left.
    using Step = std::function<bool()>;
    /// Told at the end whether the operator cancelled.
    using Ended = std::function<void(bool cancelled)>;
    /// How much of `total` is done; without it, the steps are counted.
    using Done = std::function<qint64()>;

    /// Runs `step` until it is false under `title` and `text`, then `ended`; the dialog is gone
    /// after it. `modality` says what waits meanwhile.
    static void run(QWidget* parent, const QString& title, const QString& text, qint64 total,
                    Step step, Ended ended, Done done = {},
                    Qt::WindowModality modality = Qt::WindowModal);
    /// The operator's cancel.
    void reject() override;

private:
    SlicedWork(const QString& title, const QString& text, QWidget* parent);
    void doSlice();
    void end(bool cancelled);

    QProgressBar* m_bar;
    QTimer m_slices;
    Step m_step;
    Ended m_ended;
    Done m_done;
    qint64 m_steps = 0;
};
