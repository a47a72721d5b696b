#include "screens/reports/ExportProgressDialog.h"

namespace {
constexpr int kShownAfterMs = 500;
// A shown dialog handles the pending events at each update: often enough to answer the cancel
// button, rarely enough not to slow the export.
constexpr qint64 kUpdateEveryMs = 100;
} // namespace

ExportProgressDialog::ExportProgressDialog(QWidget* parent)
    : m_dialog(QStringLiteral("Se scrie fisierul ..."), QStringLiteral("Anuleaza"), 0, 0, parent) {
    m_dialog.setWindowTitle(QStringLiteral("MEMORARE LOG"));
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(kShownAfterMs);
}

ExportProgress ExportProgressDialog::progress() {
    return [this](qint64 written, qint64 total) {
        if (m_sinceUpdate.isValid() && m_sinceUpdate.elapsed() < kUpdateEveryMs)
            return !m_dialog.wasCanceled();
        m_sinceUpdate.start();
        if (m_dialog.maximum() != total)
            m_dialog.setMaximum(static_cast<int>(total));
        m_dialog.setValue(static_cast<int>(written));
        return !m_dialog.wasCanceled();
    };
}
