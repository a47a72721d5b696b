#include "ScreenHarness.h"
#include "rules/LayoutFactors.h"
#include "screens/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionFrame>
#include <QTableView>

namespace {
const QList<QSize> kDisplays{{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};

// Controls drawn by a view or a combo box belong to it, not to the screen's layout.
bool isControl(QWidget* w, QWidget* window) {
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QAbstractItemView*>(p) || qobject_cast<QComboBox*>(p))
            return false;
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w);
}

QRect inWindow(QWidget* w, QWidget* window) {
    return {w->mapTo(window, QPoint(0, 0)), w->size()};
}

// Width a line edit gives its text: inside the frame, the text margins and the 2-pixel margins.
int textRoom(QLineEdit* e) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const QMargins m = e->textMargins();
    return r.width() - m.left() - m.right() - 4;
}

// Whether the control's caption or text is cut off.
bool unreadable(QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty())
            return false;
        if (l->wordWrap())
            return l->height() < l->heightForWidth(l->width());
        const QRect room = l->contentsRect();
        return room.width() < fm.horizontalAdvance(l->text()) || room.height() < fm.height();
    }
    auto* e = qobject_cast<QLineEdit*>(w);
    return e && (e->height() < e->minimumSizeHint().height() ||
                 textRoom(e) < fm.horizontalAdvance(e->text()));
}

// The grid's cells whose text is cut off.
QStringList clippedCells(QTableView* grid) {
    QStringList out;
    const QAbstractItemModel* m = grid->model();
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (int c = 0; c < m->columnCount(); ++c)
        for (int r = 0; r < m->rowCount() && !grid->isColumnHidden(c); ++r) {
            const QString text = m->index(r, c).data().toString();
            if (grid->fontMetrics().horizontalAdvance(text) + margins > grid->columnWidth(c))
                out << grid->objectName() + QStringLiteral(" cuts ") + text;
        }
    return out;
}

// What is wrong with the window's layout: clipped, overlapping or unreadable controls.
QStringList layoutFaults(QWidget* window, QSize display) {
    QStringList faults;
    if (window->size() != display)
        faults << QStringLiteral("window %1x%2").arg(window->width()).arg(window->height());
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (ScreenHarness::seen(w) && isControl(w, window))
            controls << w;
    const auto name = [](QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    for (QWidget* w : controls) {
        const QRect r = inWindow(w, window);
        if (!window->rect().contains(r) || !w->parentWidget()->rect().contains(w->geometry()))
            faults << name(w) + QStringLiteral(" clipped");
        if (unreadable(w))
            faults << name(w) + QStringLiteral(" unreadable");
        if (auto* grid = qobject_cast<QTableView*>(w))
            faults << clippedCells(grid);
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (!a->isAncestorOf(b) && !b->isAncestorOf(a) &&
                inWindow(a, window).intersects(inWindow(b, window)))
                faults << name(a) + QStringLiteral(" overlaps ") + name(b);
        }
    return faults;
}

// The widest values of their columns: long callsigns, a wide county, SSB.
bool fillLog(ScreenHarness& h) {
    for (const char* call : {"YO9ABC/P", "YO2WWW", "YO8MMM/M"})
        if (!h.addContact(QLatin1String(call), QStringLiteral("06.12.26"), QStringLiteral("12:05"),
                          1, QStringLiteral("MM"), QStringLiteral("2"), QStringLiteral("SSB")))
            return false;
    return true;
}

// The QSO screen of `contest` in the middle of a contact; null when the hand-over stopped.
QWidget* qsoWorking(ScreenHarness& h, const char* contest) {
    h.openQso(contest);
    if (!h.dialogs.shown.isEmpty() || !fillLog(h))
        return nullptr;
    h.click(h.qso.get(), "Cmd1A");
    h.type(QStringLiteral("9ABC "));
    return h.qso.get();
}

// The log-view screen after `action`, the log filled and stage 1A chosen or left empty.
QWidget* logView(ScreenHarness& h, const char* action, bool filled) {
    QWidget* w = h.openLogView(0);
    if (filled && !fillLog(h))
        return nullptr;
    h.trigger(w, action);
    if (filled)
        h.click(w, "OpB1A");
    return w;
}

// A screen in one of its states, as the operator gets there.
using Opener = QWidget* (*)(ScreenHarness&);
const QList<std::pair<const char*, Opener>> kStates{
    {"setup",
     [](ScreenHarness& h) -> QWidget* {
         h.start();
         return h.init.get();
     }},
    {"qso-working",
     [](ScreenHarness& h) {
         QWidget* w = qsoWorking(h, "OpBCNUS");
         if (w)
             for (const char* hidden : {"LblNeu", "Frame3"})
                 h.find<QWidget>(w, hidden)->show();
         return w;
     }},
    {"qso-names", [](ScreenHarness& h) { return qsoWorking(h, "OpbCaras"); }},
    {"log-view", [](ScreenHarness& h) { return logView(h, "mnuLogAnzeigen", true); }},
    {"log-cabrillo", [](ScreenHarness& h) { return logView(h, "mnuCabrillo", false); }},
};
} // namespace

// The three screens at the four displays: nothing cut off, nothing overlapping, all readable.
class ScreenLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void screensFitTheDisplay_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QSize>("display");
        for (int s = 0; s < kStates.size(); ++s)
            for (const QSize& d : kDisplays)
                QTest::addRow("%s %dx%d", kStates[s].first, d.width(), d.height()) << s << d;
    }
    void screensFitTheDisplay() {
        QFETCH(int, state);
        QFETCH(QSize, display);
        ScreenHarness h;
        h.metrics.size = display;
        QWidget* window = kStates[state].second(h);
        QVERIFY(window);
        window->show();
        QApplication::processEvents();
        const QStringList faults = layoutFaults(window, display);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    }

    // Only the set-up screen tells; every screen keeps the design layout.
    void otherDisplayKeepsTheDesignLayout() {
        ScreenHarness h;
        h.metrics.size = QSize(1152, 864);
        QVERIFY(h.start());
        QCOMPARE(h.dialogs.texts(), QStringList{QString::fromLatin1(kResolutionMessage)});
        QCOMPARE(h.dialogs.shown[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(h.qsoBox("TxtIndic")->width(), Widgets::twips(1800));
        QCOMPARE(h.qso->size(), QSize(1152, 864));
        QVERIFY(h.openLogView(0));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.logView->size(), QSize(1152, 864));
    }
};

QTEST_MAIN(ScreenLayoutTest)
#include "ScreenLayoutTest.moc"
