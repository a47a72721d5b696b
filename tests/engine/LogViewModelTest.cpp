#include "models/LogViewModel.h"
#include "ExpectedFile.h"
#include "rules/ContestCatalog.h"

#include <QTest>
#include <functional>

namespace {
// The operator's actions, as "view|stage 2|row": a name and an optional argument.
void act(LogViewModel& m, const QString& script) {
    using M = LogViewModel;
    static const QStringList plainNames =
        QStringLiteral("view print deletelog archive cabrillo textlog row deleted calls "
                       "callchoice addcall declined summary logchosen logkept logdeleted")
            .split(u' ');
    using Plain = void (M::*)();
    static const Plain plain[] = {&M::viewMenu,
                                  &M::printMenu,
                                  &M::deleteLogMenu,
                                  &M::archiveMenu,
                                  &M::cabrilloMenu,
                                  &M::textLogMenu,
                                  &M::contactSelected,
                                  &M::contactDeletionConfirmed,
                                  &M::callsignTableChosen,
                                  &M::callsignChoiceOpened,
                                  &M::addingCallsignChosen,
                                  &M::printerDeclined,
                                  &M::summaryChosen,
                                  &M::deleteLogChosen,
                                  &M::deleteLogDeclined,
                                  &M::logDeleted};
    static const QHash<QString, void (M::*)(int)> staged{{"stage", &M::viewStage},
                                                         {"printstage", &M::printStage}};
    static const QHash<QString, void (M::*)(bool)> ended{{"summaryend", &M::summaryEnded},
                                                         {"written", &M::fileWritten}};
    for (const QString& step : script.split(u'|')) {
        const QString name = step.section(u' ', 0, 0);
        const QString arg = step.section(u' ', 1);
        if (const qsizetype i = plainNames.indexOf(name); i >= 0)
            (m.*plain[i])();
        else if (staged.contains(name))
            (m.*staged[name])(arg.toInt());
        else if (ended.contains(name))
            (m.*ended[name])(arg == u'1');
        else if (name == u"typed")
            m.archiveNameTyped(arg);
        else if (name.startsWith(u"save"))
            m.archiveSaveChosen(arg == u"adi" ? LogOutput::AdifArchive : LogOutput::TextArchive);
        else if (name == u"reset")
            m.reset(QDate(2026, 3, 1));
        else
            QFAIL(qPrintable(step));
    }
}

// The mode, what is shown by its control names, "+" the choice shown checked, "?printer" when
// a print choice asks first and "=>" what a confirmation produces.
QString describe(const LogViewModel& m) {
    static const char* const modes[] = {
        "Idle",           "Viewing",        "ContactChosen", "Browsing",      "CallsignTable",
        "CallsignChoice", "AddingCallsign", "PrintChoice",   "PrintDeclined", "DeleteLogChoice",
        "SummaryForm",    "TextLogForm",    "CabrilloForm",  "FileWritten",   "Archive",
        "ArchiveText",    "ArchiveAdif"};
    static const char* const outputs[] = {"",        "Cabrillo",    "TextLog",
                                          "Summary", "TextArchive", "AdifArchive"};
    const LogViewShown s = m.shown();
    QStringList out;
    static const QStringList names =
        QStringLiteral("Frame1 Frame2 Frame3 Frame4 Frame5 Frame6 FraLogCbr CmdGata Frame7 Frame8 "
                       "FraArh DBGrid1 DBGrid5 ListCbr +OpBCallJud +OpBDSumm +OpBAnfügen ?printer")
            .split(u' ');
    const bool on[] = {s.viewFrame,      s.deleteLogFrame,     s.printFrame,
                       s.totalsFrame,    s.deleteContactFrame, s.stationForm,
                       s.cabrilloForm,   s.formDoneButton,     s.callsignTableFrame,
                       s.callsignForm,   s.archivePanel,       s.logGrid,
                       s.callsignGrid,   s.fileListing,        s.callsignTableChecked,
                       s.summaryChecked, s.addCallsignChecked, m.asksForPrinter()};
    for (int i = 0; i < names.size(); ++i)
        if (on[i])
            out << names[i];
    static const char* const views[] = {"+OpBLG", "+OpB1A", "+OpB1B", "+OpB2A", "+OpB2B"};
    if (s.viewChecked >= 0)
        out << QLatin1String(views[s.viewChecked]);
    if (s.printChecked >= 1)
        out << QStringLiteral("+OpBD") + QLatin1String(views[s.printChecked] + 4);
    if (m.output() != LogOutput::None)
        out << QStringLiteral("=>") + QLatin1String(outputs[int(m.output())]);
    return QLatin1String(modes[int(m.mode())]) + QStringLiteral(": ") + out.join(u' ');
}
} // namespace

// The log-view screen's rules without widgets: the operator's choices, the frames they show.
class LogViewModelTest : public QObject {
    Q_OBJECT
private slots:
    // Each script of the operator's choices in the table, and the frames it leads to.
    void choicesLeadToFrames() {
        QVERIFY(answersAsExpected("data/tables/logview.txt", [](const QString& script) {
            LogViewModel m(*ContestCatalog::find(0));
            act(m, script);
            return describe(m);
        }));
    }

    // The stage choices each contest has, its multiplier total and its Cabrillo menu.
    void contestShapesTheChoices() {
        const auto shape = [](int contest) {
            const LogViewShown s = LogViewModel(*ContestCatalog::find(contest)).shown();
            QString out;
            for (bool b : s.stages)
                out += b ? u'1' : u'0';
            return out + (s.multipliers ? " mlt" : "") + (s.cabrilloMenu ? " cbr" : "");
        };
        QCOMPARE(shape(0), "1111 mlt cbr");
        QCOMPARE(shape(21), "1000 mlt cbr");
        QCOMPARE(shape(11), "1100");
    }

    // An ending names the format only in upper or lower case, and only in the archive frame.
    void archiveNameNamesTheFormat() {
        QVERIFY(answersAsExpected("data/tables/archivenames.txt", [](const QString& row) {
            const QString question = row.section(QStringLiteral(": "), -1);
            LogViewModel m(*ContestCatalog::find(0));
            act(m, question.section(u'|', 0, -2));
            const QString kept = m.archiveNameTyped(question.section(u'|', -1));
            const Outcome<QString> path = m.archivedFile(QStringLiteral("/app"), kept);
            return kept + u'|' + (path ? *path : path.error());
        }));
    }

    void operatorCountFromOne() {
        QVERIFY(LogViewModel::operatorCountValid("1"));
        QVERIFY(!LogViewModel::operatorCountValid("0") && !LogViewModel::operatorCountValid("  "));
    }
};

QTEST_MAIN(LogViewModelTest)
#include "LogViewModelTest.moc"
