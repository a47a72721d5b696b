#include "screens/reports/ExportProgressDialog.h"

namespace {
constexpr int kShownAfterMs = 500;
} // namespace

ExportProgressDialog::ExportProgressDialog(QWidget* parent)
    : m_dialog(QStringLiteral("Se scrie fisierul ..."), QStringLiteral("Anuleaza"), 0, 0, parent) {
    m_dialog.setWindowTitle(QStringLiteral("MEMORARE LOG"));
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(kShownAfterMs);
}

ExportProgress ExportProgressDialog::progress() {
    return [this](qint64 written, qint64 total) {
        if (m_dialog.maximum() != total)
            m_dialog.setMaximum(static_cast<int>(total));
        m_dialog.setValue(static_cast<int>(written));
        return !m_dialog.wasCanceled();
    };
}
