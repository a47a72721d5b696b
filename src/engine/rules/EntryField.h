#pragma once

#include <QChar>
#include <Qt>

/// The QSO screen's entry fields and CW message boxes, as the entry model knows them.
enum class EntryField {
    Callsign,
    RstReceived,
    CodeReceived,
    CountyReceived,
    RstSent,
    CodeSent,
    CountySent,
    Date,
    Time,
    Message1, // the CW messages F1..F7 follow in order
    Message7 = Message1 + 6,
    PauseCw,
    PauseSsb,
};

/// How many fields there are, for a table of them.
inline constexpr int kEntryFieldCount = static_cast<int>(EntryField::PauseSsb) + 1;

constexpr bool isMessageField(EntryField f) {
    return f >= EntryField::Message1 && f <= EntryField::Message7;
}

/// The box of CW message F1..F7 (`index` 0..6).
constexpr EntryField messageField(int index) {
    return static_cast<EntryField>(static_cast<int>(EntryField::Message1) + index);
}

/// The index 0..6 of a CW message box.
constexpr int messageIndex(EntryField f) {
    return static_cast<int>(f) - static_cast<int>(EntryField::Message1);
}

/// How a field takes the focus.
enum class Caret {
    Keep,      // where the field had it
    At,        // at `position`
    AtEnd,     // after the field's trimmed text
    SelectAll, // the trimmed text selected
    Middle,    // the middle digit of a report selected
};

/// Where the model wants the focus; `serial` grows with every request.
struct FocusRequest {
    EntryField field = EntryField::Callsign;
    Caret caret = Caret::Keep;
    int position = 0;
    int serial = 0;
};

/// One key as the model reads it.
struct EntryKey {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QChar typed; // what it types, null for none
    bool alt() const { return modifiers & Qt::AltModifier; }
};

/// The character a field receives for Enter.
inline constexpr QChar kEnterChar = QChar(u'\r');
