#pragma once

#include <QEvent>
#include <QHash>
#include <QString>

// Laying a text out costs more than a contact's durable write, and the QSO screen measures its
// texts again at each contact: each distinct text is measured once.
namespace MeasuredOnce {
// A screen's distinct texts number a few per contact; past this the oldest are not worth keeping.
constexpr qsizetype kMostTexts = 20000;

/// What `measure` gives for `text`, laid out once: `known` keeps what it gave before.
template <typename Size, typename Measure>
Size size(QHash<QString, Size>& known, const QString& text, const Measure& measure) {
    if (const auto found = known.constFind(text); found != known.cend())
        return *found;
    if (known.size() >= kMostTexts)
        known.clear();
    const Size measured = measure();
    known.insert(text, measured);
    return measured;
}

/// A text laid out before may take another size after this event.
inline bool changesTextSizes(const QEvent* event) {
    return event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange;
}
} // namespace MeasuredOnce
