#include "ExpectedFile.h"
#include "ScreenHarness.h"
#include "rules/ContestCatalog.h"

#include <QAbstractButton>
#include <QLabel>

namespace {
// The controls whose state a contest's choice sets, on the QSO screen and the set-up screen.
const char* const kQsoControls[] = {
    "Cmd1A",   "Cmd1B",   "Cmd2A",     "Cmd2B",    "Lbl1A",    "LblFrq",      "LblMode",
    "CmdCW",   "CmdSSB",  "LblAnunt",  "LblNY",    "LblBU",    "Frame4",      "Frame3",
    "LblRSTS", "LblRSTR", "LblMacro",  "TxtRSTE2", "TxtRSTR2", "TxtRSTE3",    "TxtRstR3",
    "LblMlt",  "LblMlt1", "LblMltCol", "LblBand1", "LblBand2", "LblContrInit"};
const char* const kInitControls[] = {"LblTipTest",   "FramCW",       "OpbCwJ",    "FramTxtCw",
                                     "txtContrInit", "LblContrInit", "LblBezirk", "TxtMyBezirkA",
                                     "LblMQRA",      "LblJ"};

// "name:" then "-" when hidden, "x" when disabled, the width of a field, the text.
QString shown(QWidget* screen, const char* name) {
    auto* w = screen->findChild<QWidget*>(QString::fromLatin1(name));
    if (!w)
        return QString::fromLatin1(name) + ":?";
    QString out = QString::fromLatin1(name) + u':' + (w->isVisibleTo(screen) ? "" : "-") +
                  (w->isEnabled() ? "" : "x");
    if (auto* e = qobject_cast<QLineEdit*>(w))
        out += QString::number(e->minimumWidth()) + u'/' + QString::number(e->font().pointSize()) +
               u'=' + e->text();
    else if (auto* l = qobject_cast<QLabel*>(w))
        out += u'=' + l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
        out += b->isChecked() ? "=on" : "";
    return out;
}
} // namespace

// What each contest's choice shows on both screens, compared once, whole, with its expected file.
class ContestScreensTest : public QObject {
    Q_OBJECT
private slots:
    void eachContestsScreens() {
        QString out;
        for (const ContestDef& d : ContestCatalog::all()) {
            ScreenHarness h;
            QVERIFY(h.folder.write(QStringLiteral("VELTInit.dat"),
                                   "YO3ABC\r\n2\r\nBU\r\n\r\n\r\n 1 \r\n"));
            QVERIFY(h.start());
            h.clickContest(d.control);
            const QString mode = modeText(h.run.mode());
            QStringList line{d.code, "stage=" + QString::number(stageNumber(h.run.stage())),
                             "mode=" + (mode.isEmpty() ? QStringLiteral("00") : mode)};
            for (const char* name : kQsoControls)
                line << shown(h.qso.get(), name);
            for (const char* name : kInitControls)
                line << shown(h.init.get(), name);
            const QWidget* focus = h.init->focusWidget();
            line << "focus=" + (focus ? focus->objectName() : QString());
            out += line.join(u'|') + u'\n';
        }
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/screens.txt"));
    }
};

QTEST_MAIN(ContestScreensTest)
#include "ContestScreensTest.moc"
