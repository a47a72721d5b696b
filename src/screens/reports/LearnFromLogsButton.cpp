#include "screens/reports/LearnFromLogsButton.h"

#include "base/seams/Dialogs.h"
#include "contact/LogLearning.h"

#include <QFileDialog>

namespace {
const QString kTitle = QStringLiteral("INVATARE DIN LOGURI");
}

LearnFromLogsButton::LearnFromLogsButton(Dialogs& dialogs, Database& callDb, QWidget* parent)
    : QPushButton(QStringLiteral("Di&n loguri..."), parent), m_dialogs(dialogs), m_callDb(callDb) {
    setObjectName(QStringLiteral("CmdLearnLogs"));
    setToolTip(
        QStringLiteral("Invata judetele indicativelor romanesti din loguri Cabrillo si ADIF, "
                       "din istorice de indicative si din liste de indicative cunoscute"));
    connect(this, &QPushButton::clicked, this, &LearnFromLogsButton::chooseFiles);
}

void LearnFromLogsButton::chooseFiles() {
    // Opened, not executed: the screen's own event loop serves it.
    auto* chooser = new QFileDialog(window(), kTitle);
    chooser->setObjectName(QStringLiteral("LearnLogsChooser"));
    chooser->setOption(QFileDialog::DontUseNativeDialog);
    chooser->setFileMode(QFileDialog::ExistingFiles);
    chooser->setNameFilters(
        {QStringLiteral("Loguri si liste de indicative (*.log *.cbr *.txt *.adi *.csv *.scp)"),
         QStringLiteral("Toate fisierele (*)")});
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QFileDialog::filesSelected, this, &LearnFromLogsButton::learnFrom);
    chooser->open();
}

void LearnFromLogsButton::learnFrom(const QStringList& files) {
    const LogLearning::Plan plan = LogLearning::plan(m_callDb, files);
    if (!plan.writes()) {
        m_dialogs.tell({plan.describe() + QStringLiteral("\nNu este nimic de scris."),
                        Dialogs::Icon::Information, kTitle});
        return;
    }
    if (!m_dialogs.ask(plan.describe() + QStringLiteral("\nSCRIETI IN BAZA DE DATE ?"), kTitle))
        return;
    if (const Outcome<void> done = LogLearning::apply(m_callDb, plan); !done) {
        m_dialogs.tell({done.error(), Dialogs::Icon::Critical, kTitle});
        return;
    }
    emit learnt();
}
