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
        QFile table(QStringLiteral(VELT_SOURCE_DIR "/tests/data/tables/logview.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        QString out;
        for (const QString& line :
             QString::fromUtf8(table.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const QString script = line.section(QStringLiteral(" => "), 0, 0);
            LogViewModel m(*ContestCatalog::find(0));
            act(m, script);
            out += script + QStringLiteral(" => ") + describe(m) + u'\n';
        }
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/logview.txt"));
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
