#include "ExpectedFile.h"
#include "ScreenHarness.h"
#include "rules/CountyTables.h"
#include "rules/StageName.h"
#include "screens/entry/LogWindowModel.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QTableView>

// Every contest as its operator types it, and the sequences where the screen's states combine:
// each story is a row of key strokes and clicks on the real QSO screen, and what it leaves (the
// stored rows, the totals, the board, the messages, the focus) is compared, all stories at once,
// with tests/data/tables/stories.txt, which holds the stories too: a heading "== name (contest)",
// a "setup" line and "keys" lines, then what the story left; "#" lines are comments. Words:
//   =text      typed into the focused field     Space Enter Tab F12 Alt+X Alt+F2 Ctrl+N  keys
//   c:C,N,J    a contact: the callsign typed after the "YO" offered, Space, the code (none when
//              empty), the county, Space where the field waits for it, Enter
//   @Box ^Box  the focus into a field, caret at its end or its text selected
//   !Name      a button clicked or a menu command triggered
//   del:CALL   the grid row of CALL deleted, the question answered Yes (del-: answered No)
//   ?Box       what the field or label shows now (a list: its lines, "/i" after one in italics,
//              and its height; a button or frame: on, off), or ?focus: the field with the focus
//   known:C=J  the callsign database knows C in county J (known:C: only its callsign list)
//   other:C    another program on the same log logs C
//   paste:text pasted into the focused field with Ctrl+V ("_" for a blank)
//   at:HH:MM   the clock at that UTC time of the contest's first day (at:+HH:MM the next day)
// The set-up line: the contest's option control, the stage and mode buttons pressed ("-"
// none), then own=J for the own county or zodiac sign, sent=N for SENT COD, off=DATE/TIME for an
// off-line log.

namespace {

void keyWord(ScreenHarness& h, const QString& w) {
    static const QHash<QString, Qt::Key> keys = {
        {"Space", Qt::Key_Space}, {"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab},
        {"F2", Qt::Key_F2},       {"F12", Qt::Key_F12},      {"Backspace", Qt::Key_Backspace}};
    if (w == QLatin1String("Alt+F2"))
        h.key(Qt::Key_F2, Qt::AltModifier);
    else if (w.startsWith(QLatin1String("Ctrl+")))
        QTest::keyClick(h.focused(), w.at(5).toLatin1(), Qt::ControlModifier);
    else if (w.startsWith(QLatin1String("Alt+")))
        QTest::keyClick(h.focused(), w.at(4).toLower().toLatin1(), Qt::AltModifier);
    else if (keys.contains(w))
        h.key(keys.value(w));
    else
        qFatal("no key %s", qPrintable(w));
}

// Typed one character at a time, letters outside Latin-1 as a keyboard layout delivers them.
void type(ScreenHarness& h, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(h.focused(), c.toLatin1());
            continue;
        }
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(h.focused(), &e);
        }
    }
}

// A contact through the keys only: Space moves on from a field the cursor has not left itself.
void contact(ScreenHarness& h, const QStringList& parts) {
    type(h, parts[0]);
    h.key(Qt::Key_Space);
    if (!parts[1].isEmpty()) {
        type(h, parts[1]);
        if (h.focused() == h.qsoBox("TxtRSTR2"))
            h.key(Qt::Key_Space);
    }
    type(h, parts[2]);
    if (h.focused() == h.qsoBox("TxtRstR3"))
        h.key(Qt::Key_Space);
    h.key(Qt::Key_Return);
}

void deleteRow(ScreenHarness& h, const QString& call, Dialogs::Answer answer) {
    auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, 1).data().toString() == call) {
            grid->setFocus();
            grid->selectRow(r);
            h.dialogs.script = {answer};
            QTest::keyClick(grid, Qt::Key_Delete);
            return;
        }
    qFatal("no row %s", qPrintable(call));
}

QString shownText(ScreenHarness& h, const QString& name) {
    if (name == QLatin1String("focus"))
        return h.focused()->objectName();
    auto* w = h.find<QWidget>(h.qso.get(), name.toLatin1().constData());
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text() + (ScreenHarness::seen(label) ? "" : " hidden");
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return box->text() + (ScreenHarness::seen(box) ? "" : " hidden");
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text() + (list->item(i)->font().italic() ? "/i" : "");
        return items.join(u',') + u'/' + QString::number(list->isVisible() ? list->height() : 0);
    }
    return w->isVisible() && w->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
}

// Plays the story; what the ?-words saw, in order.
QStringList play(ScreenHarness& h, const QString& story) {
    QStringList seen;
    for (const QString& w : story.split(u' ', Qt::SkipEmptyParts)) {
        if (w.startsWith(u'=')) {
            type(h, w.mid(1));
        } else if (w.startsWith(u'@') || w.startsWith(u'^')) {
            QLineEdit* box = h.qsoBox(w.mid(1).toLatin1().constData());
            box->setFocus();
            if (w.startsWith(u'^'))
                box->selectAll();
            else
                box->end(false);
        } else if (w.startsWith(u'!')) {
            const QByteArray name = w.mid(1).toLatin1();
            if (h.qso->findChild<QAction*>(QString::fromLatin1(name)))
                h.trigger(h.qso.get(), name.constData());
            else
                h.click(h.qso.get(), name.constData());
        } else if (w.startsWith(QLatin1String("paste:"))) {
            QGuiApplication::clipboard()->setText(w.mid(6).replace(u'_', u' '));
            h.key(Qt::Key_V, Qt::ControlModifier);
        } else if (w.startsWith(QLatin1String("c:"))) {
            contact(h, w.mid(2).split(u','));
        } else if (w.startsWith(QLatin1String("del"))) {
            deleteRow(h, w.section(u':', 1),
                      w.startsWith(QLatin1String("del-")) ? Dialogs::AnswerNo : Dialogs::AnswerYes);
        } else if (w.startsWith(QLatin1String("known:"))) {
            const QString call = w.mid(6).section(u'=', 0, 0);
            const QString county = w.section(u'=', 1);
            if (!(county.isEmpty()
                      ? h.callDb.exec(QStringLiteral("INSERT INTO KnownCall VALUES (?)"), {call})
                      : h.callDb.exec(
                            QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"),
                            {call, county})))
                qFatal("callsign database not written");
        } else if (w.startsWith(QLatin1String("other:"))) {
            if (!h.addContact(w.mid(6), "01.03.26", "12:06", 1, "CJ", "2"))
                qFatal("log not written");
        } else if (w.startsWith(QLatin1String("gone:"))) { // deleted by another program
            if (!h.logDb.exec(QStringLiteral("DELETE FROM LogGen WHERE Callsign = ?"), {w.mid(5)}))
                qFatal("log not written");
        } else if (w.startsWith(QLatin1String("at:"))) {
            const QDate day = QDate(2026, 3, 1).addDays(w.contains(u'+') ? 1 : 0);
            h.clock.current =
                QDateTime(day, QTime::fromString(w.right(5), u"hh:mm"), QTimeZone::utc())
                    .toTimeZone(h.clock.current.timeZone());
        } else if (w.startsWith(u'?')) {
            seen << w.mid(1) + u'=' + shownText(h, w.mid(1));
        } else {
            keyWord(h, w);
        }
    }
    return seen;
}

// Opens the QSO screen as the set-up column says.
void open(ScreenHarness& h, const QString& setup) {
    const QStringList words = setup.split(u' ');
    auto option = [&](const char* name) {
        const QStringList found =
            words.filter(QRegularExpression(QStringLiteral("^%1=").arg(name)));
        return found.isEmpty() ? std::optional<QString>() : found[0].section(u'=', 1);
    };
    const QByteArray stage = words[1].toLatin1();
    const QByteArray mode = words[2].toLatin1();
    for (const char* list : {"Cp1Dec special YO1D", "CpCFR special YO3CFR", "Valdora special YR8V",
                             "Ardel club100 YO6AA", "Ardel club YO6DD", "CpTimis club YO2QTA"}) {
        const QStringList w = QString::fromLatin1(list).split(u' ');
        h.specials.set(w[0], w[1], {w[2]});
    }
    h.openQso(words[0].toLatin1().constData(), option("sent").value_or(QStringLiteral("312")),
              stage == "-" ? nullptr : stage.constData(), mode == "-" ? nullptr : mode.constData(),
              [&] {
                  if (const auto own = option("own"))
                      h.initBox("TxtMyBezirkA")->setText(*own);
                  if (const auto off = option("off")) {
                      h.trigger(h.init.get(), "mnuInpLog");
                      const QString date = off->section(u'/', 0, 0);
                      h.initBox("TxtSD")->setText(date == u"-" ? QString() : date);
                      h.initBox("TxtST")->setText(off->section(u'/', 1));
                  }
              });
    h.dialogs.shown.clear();
}

// Whether the log grid, when it shows the stage, shows its newest rows as the log holds them now.
bool gridAsLogged(ScreenHarness& h) {
    const auto* grid =
        qobject_cast<const LogWindowModel*>(h.find<QTableView>(h.qso.get(), "DBGrid1")->model());
    if (grid->searching() || h.run.stage() == Stage::None)
        return true;
    const auto logged = LogStore(h.logDb).stagePage(stageNumber(h.run.stage()), 0, 100);
    if (!logged)
        return false;
    const QList<LogRow> newest =
        logged->mid(std::max<qsizetype>(0, logged->size() - grid->rowCount()));
    if (newest.size() != grid->rowCount())
        return false;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (grid->data(grid->index(r, c), Qt::DisplayRole) != newest[r].value(c))
                return false;
    return true;
}

// What a story left: what it saw, the rows, the totals of each stage, the board, the messages.
QString outcome(ScreenHarness& h, const QStringList& seen) {
    QStringList out;
    if (!seen.isEmpty())
        out << "seen " + seen.join(u' ');
    for (const QString& r : h.logRows()) {
        QStringList c = r.split(u'|');
        if (c[8].trimmed().isEmpty())
            c[8] = u'-';
        out << c.join(u'|');
    }
    QStringList totals;
    for (const char* suffix : {"", "1", "2", "3"}) {
        auto text = [&](const char* base) {
            return h.find<QLabel>(h.qso.get(), (QByteArray(base) + suffix).constData())->text();
        };
        const QLabel* band =
            h.find<QLabel>(h.qso.get(), (QByteArray("LblBand") + suffix).constData());
        if (band->isVisibleTo(band->parentWidget()))
            totals << text("LblBand") + u' ' + text("LblQSO") + u'/' + text("LblPkt") + u'/' +
                          text("LblMlt");
    }
    out << "totals " + totals.join(QStringLiteral(", "));
    QStringList grey;
    for (const QString& code :
         CountyTables::counties() + QStringList{"XA", "XB", "XC", "XD", "XE", "XF", "NY"}) {
        auto* l = h.qso->findChild<QLabel*>(QStringLiteral("Lbl") + code);
        if (l && l->isVisibleTo(l->parentWidget()) && ScreenHarness::rgb(l) == 0xC0C0C0)
            grey << code;
    }
    out << "board " + grey.join(u' ');
    if (!gridAsLogged(h))
        out << QStringLiteral("grid not as logged");
    for (const QString& said : h.dialogs.texts())
        out << "said " + said;
    return out.join(u'\n');
}

// A story of the table, its heading, "setup" line and "keys" lines, played on a screen of its
// own; those lines again, the contest named in the heading, and what the story left.
QString played(const QStringList& story) {
    ScreenHarness h;
    open(h, story[1].mid(6));
    QStringList keys;
    for (const QString& line : story.mid(2))
        keys << line.mid(5);
    const QStringList seen = play(h, keys.join(u' '));
    const QString name = story[0].left(story[0].lastIndexOf(QLatin1String(" (")));
    return QStringLiteral("%1 (%2)\n").arg(name, h.run.contest().codeString()) +
           story.mid(1).join(u'\n') + u'\n' + outcome(h, seen) + u'\n';
}
} // namespace

class OperatorStoriesTest : public QObject {
    Q_OBJECT
private slots:
    void everyStory() {
        QFile table(QStringLiteral(VELT_SOURCE_DIR "/tests/data/tables/stories.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        QString out;
        QStringList story;
        for (const QString& line :
             QString::fromUtf8(table.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const bool next = line.startsWith(u'#') || line.startsWith(QLatin1String("== "));
            if (next && !story.isEmpty())
                out += played(std::exchange(story, {}));
            if (line.startsWith(u'#'))
                out += line + u'\n';
            else if (next || line.startsWith(QLatin1String("setup ")) ||
                     line.startsWith(QLatin1String("keys ")))
                story << line;
        }
        out += played(story);
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/stories.txt"));
    }
};

QTEST_MAIN(OperatorStoriesTest)
#include "OperatorStoriesTest.moc"
