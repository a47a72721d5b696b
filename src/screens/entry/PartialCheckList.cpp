#include "screens/entry/PartialCheckList.h"

#include "models/QsoEntry.h"
#include "screens/ScreenLayout.h"

#include <QShortcut>
#include <QShowEvent>

PartialCheckList::PartialCheckList(QsoEntry& entry, Database& callDb, Database& logDb,
                                   QWidget* parent)
    : QListWidget(parent), m_callDb(callDb), m_logDb(logDb) {
    setObjectName(QStringLiteral("PartialCheck"));
    setToolTip(QStringLiteral("Indicative cunoscute care contin ce ati tastat; * = lucrat, "
                              "cursiv = dintr-o lista de indicative, fara judet. "
                              "Ctrl+1..9 sau clic: il pune in campul indicativului."));
    setFocusPolicy(Qt::NoFocus);
    // The index is read and built in slices after the screen shows, between the operator's keys.
    m_indexing.setInterval(0);
    connect(&m_indexing, &QTimer::timeout, this, [this] {
        if (!m_read)
            readIndex();
        else if (m_index.indexSome(kSlice))
            m_indexing.stop();
    });
    ScreenLayout::setFont(this, 8, false);
    ScreenLayout::setDesignWidth(this, 1700);
    connect(&entry, &QsoEntry::textEdited, this, [this](EntryField field, const QString& text) {
        if (field == EntryField::Callsign)
            showMatches(text);
    });
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(row(item)); });
    for (int i = 0; i < 9; ++i) {
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), this);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, [this, i] { choose(i); });
    }
}

void PartialCheckList::showEvent(QShowEvent* event) {
    QListWidget::showEvent(event);
    // Built when the screen opens for a contest, from the databases it works on.
    if (event->spontaneous())
        return;
    m_index = PartialCheck();
    m_read = false;
    m_indexing.start();
    clear();
}

void PartialCheckList::readIndex() {
    const Outcome<void> loaded = m_index.load(m_callDb, m_logDb);
    m_read = true;
    // Said once, where the matches would be; it stays until the screen is opened again.
    m_failure = loaded ? QString()
                       : QStringLiteral("VERIFICAREA PARTIALA NU FUNCTIONEAZA: ") + loaded.error();
    if (!m_failure.isEmpty()) {
        clear();
        addItem(m_failure);
    }
}

void PartialCheckList::completeIndex() {
    if (!m_read)
        readIndex();
    m_index.finish();
    m_indexing.stop();
}

void PartialCheckList::showMatches(const QString& typed) {
    // A key typed before the slices are done waits for the whole index.
    completeIndex();
    if (!m_failure.isEmpty())
        return;
    clear();
    // The log as it stands: calls logged here or by another program, marks of deleted ones gone.
    (void)m_index.follow(m_logDb);
    QList<PartialMatch> found = m_index.find(typed, kShown);
    (void)PartialCheck::markWorked(found, m_logDb);
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QString number = i < 9 ? QString::number(i + 1) + u' ' : QStringLiteral("  ");
        auto* item = new QListWidgetItem(number + found[i].callsign +
                                             (found[i].worked ? QStringLiteral(" *") : QString()),
                                         this);
        item->setData(Qt::UserRole, found[i].callsign);
        QFont marked = font();
        marked.setBold(found[i].worked);
        marked.setItalic(found[i].listOnly);
        item->setFont(marked);
    }
}

void PartialCheckList::choose(int index) {
    const QListWidgetItem* shown = item(index);
    if (!shown || !m_failure.isEmpty())
        return;
    const QString callsign = shown->data(Qt::UserRole).toString();
    clear();
    emit chosen(callsign);
}
