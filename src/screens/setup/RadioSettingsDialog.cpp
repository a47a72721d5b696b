#include "screens/setup/RadioSettingsDialog.h"

#include "base/KeptSettings.h"
#include "screens/Colors.h"
#include "screens/Widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

using namespace Widgets;

namespace {
QComboBox* comboBox(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

// A whole number within `low`..`high`, or nothing; an empty box is `empty`.
std::optional<int> numberIn(const QString& text, int low, int high, std::optional<int> empty) {
    if (text.trimmed().isEmpty())
        return empty;
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < low || n > high)
        return std::nullopt;
    return n;
}
} // namespace

RadioSettingsDialog::RadioSettingsDialog(const QString& folder, const QList<RigModel>& models,
                                         QWidget* parent)
    : QDialog(parent), m_folder(folder) {
    setObjectName(QStringLiteral("FrmRadio"));
    setWindowTitle(QStringLiteral("Radio si manipulator"));
    setWindowModality(Qt::WindowModal);
    auto* form = new QFormLayout;
    m_keyer = comboBox(this, "CboManipulator");
    m_keyer->addItems({QStringLiteral("Linia seriala (DTR/RTS)"), QStringLiteral("WinKeyer"),
                       QStringLiteral("cwdaemon"), QStringLiteral("Radioul, prin CAT")});
    m_winKeyerPort = lineEdit(this, "TxtWinKeyerPort");
    m_cwDaemonHost = lineEdit(this, "TxtCwDaemonHost");
    m_cwDaemonPort = lineEdit(this, "TxtCwDaemonPort");
    m_rigModel = comboBox(this, "CboModelRadio");
    m_rigModel->addItem(QStringLiteral("0 - fara radio"), 0);
    for (const RigModel& m : models)
        m_rigModel->addItem(QStringLiteral("%1 - %2").arg(m.number).arg(m.name), m.number);
    m_rigPort = lineEdit(this, "TxtPortRadio",
                         QStringLiteral("Portul serial al radioului, sau gazda:port pentru "
                                        "rigctld (modelul 2)"));
    m_rigBaud =
        lineEdit(this, "TxtVitezaRadio", QStringLiteral("0 = viteza implicita a modelului"));
    m_pttByCat = check(this, "ChkPttCat", QStringLiteral("PTT prin CAT pentru mesajele vocale"));
    form->addRow(QStringLiteral("&Manipulator CW:"), m_keyer);
    form->addRow(QStringLiteral("Port &WinKeyer:"), m_winKeyerPort);
    form->addRow(QStringLiteral("cwdaemon &gazda:"), m_cwDaemonHost);
    form->addRow(QStringLiteral("cwdaemon p&ort:"), m_cwDaemonPort);
    form->addRow(QStringLiteral("Model &radio:"), m_rigModel);
    form->addRow(QStringLiteral("&Port radio:"), m_rigPort);
    form->addRow(QStringLiteral("&Viteza port:"), m_rigBaud);
    form->addRow(m_pttByCat);
    m_error = label(this, "LblEroare");
    m_error->setWordWrap(true);
    setForeColor(m_error, Colors::kRed);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = button(this, "CmdSalveaza", QStringLiteral("&Salveaza"));
    save->setDefault(true);
    buttons->addButton(save, QDialogButtonBox::AcceptRole);
    buttons->addButton(button(this, "CmdRenunta", QStringLiteral("Re&nunta")),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &RadioSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RadioSettingsDialog::reject);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(m_error);
    v->addWidget(buttons);
    connect(m_keyer, &QComboBox::currentIndexChanged, this, &RadioSettingsDialog::enableFields);
    connect(m_rigModel, &QComboBox::currentIndexChanged, this, &RadioSettingsDialog::enableFields);

    auto [settings, problem] = KeptSettings(folder).radio();
    showSettings(settings);
    m_error->setText(problem);
}

void RadioSettingsDialog::showSettings(const RadioSettings& s) {
    m_keyer->setCurrentIndex(static_cast<int>(s.keyer));
    m_winKeyerPort->setText(s.winKeyerPort);
    m_cwDaemonHost->setText(s.cwDaemonHost);
    m_cwDaemonPort->setText(QString::number(s.cwDaemonPort));
    // A model this Hamlib does not list is kept as it was written.
    if (m_rigModel->findData(s.rigModel) < 0)
        m_rigModel->addItem(QStringLiteral("%1 - necunoscut").arg(s.rigModel), s.rigModel);
    m_rigModel->setCurrentIndex(m_rigModel->findData(s.rigModel));
    m_rigPort->setText(s.rigPort);
    m_rigBaud->setText(QString::number(s.rigBaud));
    m_pttByCat->setChecked(s.pttByCat);
    enableFields();
}

void RadioSettingsDialog::enableFields() {
    const auto keyer = static_cast<KeyerKind>(m_keyer->currentIndex());
    m_winKeyerPort->setEnabled(keyer == KeyerKind::WinKeyer);
    m_cwDaemonHost->setEnabled(keyer == KeyerKind::CwDaemon);
    m_cwDaemonPort->setEnabled(keyer == KeyerKind::CwDaemon);
    const bool rig = m_rigModel->currentData().toInt() != 0;
    m_rigPort->setEnabled(rig);
    m_rigBaud->setEnabled(rig);
    m_pttByCat->setEnabled(rig);
}

Outcome<RadioSettings> RadioSettingsDialog::typed() const {
    RadioSettings s;
    s.keyer = static_cast<KeyerKind>(m_keyer->currentIndex());
    s.winKeyerPort = m_winKeyerPort->text().trimmed();
    s.cwDaemonHost = m_cwDaemonHost->text().trimmed();
    const std::optional<int> cwPort = numberIn(m_cwDaemonPort->text(), 1, 65535, std::nullopt);
    if (!cwPort)
        return Failure{QStringLiteral("Portul cwdaemon trebuie sa fie un numar intre 1 si 65535.")};
    s.cwDaemonPort = static_cast<quint16>(*cwPort);
    s.rigModel = m_rigModel->currentData().toInt();
    s.rigPort = m_rigPort->text().trimmed();
    const std::optional<int> baud = numberIn(m_rigBaud->text(), 0, 1000000, 0);
    if (!baud)
        return Failure{QStringLiteral("Viteza portului radioului trebuie sa fie un numar de baud "
                                      "(0 = viteza implicita a modelului).")};
    s.rigBaud = *baud;
    s.pttByCat = m_pttByCat->isChecked();
    if (const QString problem = s.problem(); !problem.isEmpty())
        return Failure{problem};
    return s;
}

void RadioSettingsDialog::accept() {
    const Outcome<RadioSettings> s = typed();
    if (!s) {
        m_error->setText(s.error());
        return;
    }
    if (const Outcome<void> saved = KeptSettings(m_folder).keepRadio(*s); !saved) {
        m_error->setText(saved.error());
        return;
    }
    QDialog::accept();
}
