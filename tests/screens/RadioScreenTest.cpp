#include "ExpectedFile.h"
#include "ScreenHarness.h"
#include "base/KeptSettings.h"
#include "screens/Colors.h"
#include "screens/setup/RadioSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>

// The radio settings dialog of the set-up screen, and the radio on the QSO screen through
// Hamlib's dummy radio.
namespace {
// Opens the dialog from the set-up screen's menu.
RadioSettingsDialog* openDialog(ScreenHarness& h) {
    h.trigger(h.init.get(), "mnuRadio");
    auto* dialog = h.init->findChild<RadioSettingsDialog*>(QStringLiteral("FrmRadio"));
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

// Types `text` over what a box holds.
void retype(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void writeRadio(ScreenHarness& h, const char* ini) {
    h.folder.write(QStringLiteral("VELTRadio.ini"), ini);
}

// The QSO screen keying CW by CAT through Hamlib's dummy radio, once the radio has answered.
bool openCatQso(ScreenHarness& h, const std::function<void()>& fill) {
    writeRadio(h, "[Keyer]\nkind=cat\n[Rig]\nmodel=1\n");
    h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1A", "CmdCW", [&] {
        h.initBox("TxtCP")->setText(QStringLiteral("2"));
        h.click(h.init.get(), "OpbCwJ");
        fill();
    });
    return QTest::qWaitFor([&] { return h.radioShown(); }, 10000);
}
} // namespace

class RadioScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Keyer (steps down the list), model (typed to find it), port, cwdaemon port, PTT by CAT:
    // saved, or the reason shown with nothing written.
    void dialogByKeys() {
        QVERIFY(answersAsExpected("data/tables/radiodialog.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            ScreenHarness h;
            h.start();
            const QPointer<RadioSettingsDialog> dialog = openDialog(h);
            if (!dialog)
                return QStringLiteral("no dialog");
            auto* keyer = h.find<QComboBox>(dialog, "CboManipulator");
            keyer->setFocus();
            for (int i = 0; i < f[0].toInt(); ++i)
                QTest::keyClick(keyer, Qt::Key_Down);
            auto* model = h.find<QComboBox>(dialog, "CboModelRadio");
            model->setFocus();
            QTest::keyClicks(model, f[1] + QStringLiteral(" -"));
            retype(h.find<QLineEdit>(dialog, "TxtPortRadio"), f[2]);
            retype(h.find<QLineEdit>(dialog, "TxtCwDaemonPort"), f[3]);
            if (f[4] == u'1') {
                h.find<QCheckBox>(dialog, "ChkPttCat")->setFocus();
                QTest::keyClick(h.find<QCheckBox>(dialog, "ChkPttCat"), Qt::Key_Space);
            }
            QTest::keyClick(keyer, Qt::Key_Return);
            const bool saved = QFile::exists(KeptSettings(h.folder.path()).radioPath());
            if (dialog && dialog->isVisible())
                return h.find<QLabel>(dialog, "LblEroare")->text() + (saved ? " | saved" : "");
            const auto [s, problem] = KeptSettings(h.folder.path()).radio();
            return QStringLiteral("saved %1 %2 %3 %4 %5%6")
                .arg(int(s.keyer))
                .arg(s.rigModel)
                .arg(s.rigPort.isEmpty() ? QStringLiteral("-") : s.rigPort)
                .arg(s.cwDaemonPort)
                .arg(int(s.pttByCat))
                .arg(problem.isEmpty() ? QString() : QStringLiteral(" | ") + problem);
        }));
    }

    // The frequency beside the stage, from the radio the settings name; Hamlib's dummy radio
    // on 2 m is outside the contest's band, in the warning colour.
    void frequencyBesideTheStage() {
        ScreenHarness h;
        writeRadio(h, "[Rig]\nmodel=1\n");
        h.openQso("OpBCNUS");
        auto* shown = h.find<QLabel>(h.qso.get(), "LblFrecventa");
        QTRY_COMPARE_WITH_TIMEOUT(
            shown->text(), QStringLiteral("145000.00 kHz FM - IN AFARA BENZII DE 80 m"), 10000);
        QCOMPARE(h.rgb(shown, QPalette::WindowText), Colors::kRed);
    }

    // A rigctld address that cannot be read is named on the QSO screen, not only as silence.
    void badRigctldAddressNamed() {
        ScreenHarness h;
        writeRadio(h, "[Rig]\nmodel=2\nport=localhost:99999999999\n");
        h.openQso("OpBCNUS");
        QVERIFY(h.dialogs.texts().join(u'|').contains(
            QLatin1String("Valoarea Rig/port=localhost:99999999999 din ")));
    }

    // F3 keyed by the radio: the contact is logged once the message has gone, not when Escape
    // ended it; the serial line is never touched.
    void catKeyerLogsAfterSendingUnlessEscaped_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("to its end") << false;
        QTest::newRow("escaped") << true;
    }
    void catKeyerLogsAfterSendingUnlessEscaped() {
        QFETCH(bool, escape);
        ScreenHarness h;
        QVERIFY(openCatQso(h, [&] { h.initBox("TxtF3")->setText(QStringLiteral("TU #8")); }));
        h.typeContact(QStringLiteral("8XYZ"), QStringLiteral("123"), QStringLiteral("CJ"));
        QTest::keyClick(h.qsoBox("TxtRstR3"), Qt::Key_F3);
        QVERIFY(h.messageShown());
        if (escape)
            QTest::keyClick(h.qsoBox("TxtRstR3"), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!h.messageShown(), 10000);
        QCOMPARE(h.logRows().size(), escape ? 0 : 1);
        QVERIFY(h.keyLine.changes().isEmpty());
        // Hamlib's dummy radio is on 2 m: only the contact logged outside the band is told.
        QCOMPARE(h.dialogs.texts().size(), escape ? 0 : 1);
    }

    // The F1 repeat keyed by the radio goes on until Escape.
    void catKeyerRepeatsUntilEscape() {
        ScreenHarness h;
        QVERIFY(openCatQso(h, [&] {
            h.click(h.init.get(), "ChkCwRpt");
            h.initBox("TxtF1")->setText(QStringLiteral("E"));
        }));
        QLineEdit* pause = h.qsoBox("txtPauseCW");
        pause->selectAll();
        QTest::keyClicks(pause, QStringLiteral("0.4"));
        QLineEdit* call = h.qsoBox("TxtIndic");
        QTest::keyClick(call, Qt::Key_F1);
        QTRY_VERIFY_WITH_TIMEOUT(h.repeatWaitingShown(), 10000);
        QTest::keyClick(call, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(h.keyerIdleShown(), 10000);
        QVERIFY(h.keyLine.changes().isEmpty());
    }
};

QTEST_MAIN(RadioScreenTest)
#include "RadioScreenTest.moc"
