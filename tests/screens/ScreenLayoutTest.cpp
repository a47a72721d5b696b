#include "ScreenHarness.h"
#include "screens/Widgets.h"
#include "setup/LayoutFactors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionFrame>

namespace {
const QList<QSize> kDisplays{{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};

// A screen in one of its states: how the operator gets there.
struct ScreenState {
    const char* name;
    const char* screen;  // "init", "qso" or "log"
    const char* contest; // the contest's option button, for the QSO screen
    QStringList steps;   // "action:<name>", "click:<name>", "type:<text>",
                         // "show:<name>", "log:" (three contacts of stage 1A into the log)
};

const QList<ScreenState> kStates{
    {"setup", "init", nullptr, {}},
    {"qso-working",
     "qso",
     "OpBCNUS",
     {"log:", "click:Cmd1A", "type:9ABC ", "show:LblNeu", "show:Frame3"}},
    {"qso-names", "qso", "OpbCaras", {"log:", "click:Cmd1A", "type:9ABC "}},
    {"log-view", "log", nullptr, {"log:", "action:mnuLogAnzeigen", "click:OpB1A"}},
    {"log-cabrillo", "log", nullptr, {"action:mnuCabrillo"}},
};

// Controls drawn by a view or a combo box belong to it, not to the screen's layout.
bool partOfView(QWidget* w, QWidget* window) {
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QAbstractItemView*>(p) || qobject_cast<QComboBox*>(p))
            return true;
    return false;
}

bool isControl(QWidget* w) {
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

// Whether the control's caption or text is shown whole.
QString unreadable(QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty())
            return {};
        if (l->wordWrap())
            return l->height() < l->heightForWidth(l->width()) ? QStringLiteral("wrapped text cut")
                                                               : QString();
        const QRect room = l->contentsRect();
        if (room.width() < fm.horizontalAdvance(l->text()) || room.height() < fm.height())
            return QStringLiteral("text %1 wide in %2")
                .arg(fm.horizontalAdvance(l->text()))
                .arg(room.width());
        return {};
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->height() < e->minimumSizeHint().height())
            return QStringLiteral("text cut at the bottom");
        if (textRoom(e) < fm.horizontalAdvance(e->text()))
            return QStringLiteral("\"%1\" %2 wide in %3")
                .arg(e->text())
                .arg(fm.horizontalAdvance(e->text()))
                .arg(textRoom(e));
        return {};
    }
    return {};
}

// What is wrong with the window's layout: clipped, overlapping or unreadable controls.
QStringList layoutFaults(QWidget* window, QSize display) {
    QStringList faults;
    if (window->size() != display)
        faults << QStringLiteral("window %1x%2").arg(window->width()).arg(window->height());
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && isControl(w) && !partOfView(w, window))
            controls << w;
    const auto name = [](QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    for (QWidget* w : controls) {
        const QRect r = inWindow(w, window);
        if (!window->rect().contains(r) || !w->parentWidget()->rect().contains(w->geometry()))
            faults << name(w) + QStringLiteral(" clipped");
        const QString why = unreadable(w);
        if (!why.isEmpty())
            faults << name(w) + QStringLiteral(": ") + why;
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

bool fillLog(ScreenHarness& h) {
    for (const char* call : {"YO9ABC/P", "YO2WWW", "YO8MMM/M"})
        if (!h.addContact(QLatin1String(call), QStringLiteral("06.12.26"), QStringLiteral("12:05"),
                          1, QStringLiteral("TM"), QStringLiteral("2")))
            return false;
    return true;
}

QWidget* open(ScreenHarness& h, const ScreenState& s, QSize display) {
    h.metrics.size = display;
    const QString screen = QLatin1String(s.screen);
    QWidget* window = nullptr;
    if (screen == QLatin1String("init")) {
        h.start();
        window = h.init.get();
    } else if (screen == QLatin1String("qso")) {
        const bool working = !s.steps.isEmpty();
        h.openQso(s.contest, QStringLiteral("312"), working ? "Cmd1A" : nullptr,
                  working ? "CmdCW" : nullptr);
        window = h.qso.get();
        if (!h.dialogs.shown.isEmpty()) // the hand-over stopped on the set-up screen
            return nullptr;
    } else {
        window = h.openLogView(0);
    }
    for (const QString& step : s.steps) {
        const QString arg = step.section(u':', 1);
        const QByteArray name = arg.toUtf8();
        if (step.startsWith(QLatin1String("action:")))
            h.trigger(window, name.constData());
        else if (step.startsWith(QLatin1String("click:")))
            h.click(window, name.constData());
        else if (step.startsWith(QLatin1String("type:")))
            h.type(arg);
        else if (step.startsWith(QLatin1String("log:")) && !fillLog(h))
            return nullptr;
        else if (step.startsWith(QLatin1String("show:")))
            h.find<QWidget>(window, name.constData())->show();
    }
    window->show();
    QApplication::processEvents();
    return window;
}
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
                QTest::addRow("%s %dx%d", kStates[s].name, d.width(), d.height()) << s << d;
    }
    void screensFitTheDisplay() {
        QFETCH(int, state);
        QFETCH(QSize, display);
        const ScreenState& s = kStates[state];
        ScreenHarness h;
        QWidget* window = open(h, s, display);
        QVERIFY(window);
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
