#include "models/LogViewModel.h"
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
    void choicesLeadToFrames_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* script, const char* shown) {
            QTest::newRow(script) << QString::fromUtf8(script) << QString::fromUtf8(shown);
        };
        row("view|stage 2", "Viewing: Frame1 Frame4 DBGrid1 +OpB1B");
        row("view|stage 2|row", "ContactChosen: Frame1 Frame4 Frame5 DBGrid1 +OpB1B");
        row("view|stage 2|row|stage 1|row", "Browsing: Frame1 Frame4 DBGrid1 +OpB1A");
        row("view|stage 2|row|deleted|row", "ContactChosen: Frame1 Frame4 Frame5 DBGrid1 +OpB1B");
        row("view|stage 2|row|reset", "Idle: ");
        row("view|calls", "CallsignTable: Frame1 DBGrid5 +OpBCallJud");
        row("view|calls|stage 0|row", "ContactChosen: Frame1 Frame4 Frame5 DBGrid1 +OpBLG");
        row("view|calls|callchoice|addcall", "AddingCallsign: Frame7 Frame8 DBGrid5 +OpBAnfügen");
        row("print", "PrintChoice: Frame3 ?printer");
        row("print|printstage 3|row", "PrintChoice: Frame3 Frame4 DBGrid1 ?printer +OpBD2A");
        row("print|printstage 1|declined", "PrintDeclined: ");
        row("print|printstage 1|declined|printstage 4", "PrintDeclined: Frame4 DBGrid1 +OpBD2B");
        row("print|printstage 1|declined|print|printstage 2",
            "PrintChoice: Frame3 Frame4 DBGrid1 ?printer +OpBD1B");
        row("print|printstage 1|summary",
            "SummaryForm: Frame4 Frame6 CmdGata DBGrid1 +OpBDSumm =>Summary");
        row("print|summary", "SummaryForm: Frame6 CmdGata +OpBDSumm =>Summary");
        row("print|summary|summaryend 0", "PrintDeclined: ");
        row("print|summary|summaryend 1", "Idle: ");
        row("deletelog|logchosen", "DeleteLogChoice: Frame2 DBGrid1");
        row("deletelog|logchosen|logkept", "DeleteLogChoice: Frame2");
        row("deletelog|logchosen|logdeleted", "Idle: DBGrid1");
        row("cabrillo|written 0", "CabrilloForm: FraLogCbr CmdGata =>Cabrillo");
        row("cabrillo|written 1", "FileWritten: ListCbr");
        row("textlog|written 1|view", "Viewing: Frame1 Frame4");
        row("textlog", "TextLogForm: Frame6 CmdGata =>TextLog");
        row("archive", "Archive: FraArh");
        row("archive|save txt|written 1", "ArchiveText: FraArh ListCbr =>TextArchive");
        row("archive|save txt|written 1|written 0", "ArchiveText: FraArh ListCbr =>TextArchive");
        row("archive|save adi", "ArchiveAdif: FraArh =>AdifArchive");
        row("archive|save adi|written 0", "FileWritten: ");
    }
    void choicesLeadToFrames() {
        QFETCH(QString, script);
        QFETCH(QString, shown);
        LogViewModel m(*ContestCatalog::find(0));
        act(m, script);
        QCOMPARE(describe(m), shown);
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
    void archiveNameNamesTheFormat_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("file"); // what the delete button deletes, or why not
        const auto row = [](const char* name, const char* script, const char* typed,
                            const char* kept, const char* file) {
            QTest::newRow(name) << QString(script) << QString(typed) << QString(kept)
                                << QString(file);
        };
        row(".TXT", "archive", "CARPATI.TXT", "CARPATI", "ARHIVA/CARPATI.txt");
        row(".adi", "archive", "yo.adi", "yo", "ARHIVA/yo.adi");
        row(".Txt", "archive", "A.Txt", "A.Txt", "SCRIETI NUMELE");
        row("last format", "archive|typed A.ADI|save txt", "B", "B", "ARHIVA/B.txt");
        row("none typed", "archive|typed A.ADI", " ", " ", "Please print");
        row("not archiving", "view", "A.TXT", "A", "SCRIETI NUMELE");
    }
    void archiveNameNamesTheFormat() {
        QFETCH(QString, script);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, file);
        LogViewModel m(*ContestCatalog::find(0));
        act(m, script);
        QCOMPARE(m.archiveNameTyped(typed), kept);
        const Outcome<QString> path = m.archivedFile(QStringLiteral("/app"), kept);
        QVERIFY2(path ? *path == "/app/" + file : path.error().startsWith(file),
                 qPrintable(path ? *path : path.error()));
    }

    void operatorCountFromOne() {
        QVERIFY(LogViewModel::operatorCountValid("1"));
        QVERIFY(!LogViewModel::operatorCountValid("0") && !LogViewModel::operatorCountValid("  "));
    }
};

QTEST_MAIN(LogViewModelTest)
#include "LogViewModelTest.moc"
