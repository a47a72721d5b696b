#pragma once

#include "base/RadioSettings.h"
#include "base/seams/Rig.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

/// The radio and keyer settings, opened from the set-up screen and saved to their own file in
/// `folder`. It is window-modal but shown with open(): the caller goes on with its events.
class RadioSettingsDialog : public QDialog {
    Q_OBJECT
public:
    RadioSettingsDialog(const QString& folder, const QList<RigModel>& models,
                        QWidget* parent = nullptr);

    /// Checks what was typed and saves it; the dialog stays open with the reason when it cannot.
    void accept() override;

private:
    void showSettings(const RadioSettings& s);
    /// The settings typed, or why they cannot be taken.
    Outcome<RadioSettings> typed() const;
    void enableFields();

    QString m_folder;
    QComboBox* m_keyer;
    QLineEdit* m_winKeyerPort;
    QLineEdit* m_cwDaemonHost;
    QLineEdit* m_cwDaemonPort;
    QComboBox* m_rigModel;
    QLineEdit* m_rigPort;
    QLineEdit* m_rigBaud;
    QCheckBox* m_pttByCat;
    QLabel* m_error;
};
