#pragma once

#include <QString>

/// One text line built by print positions, as a line printer's tab stops place text.
class TabLine {
public:
    /// Appends `text` starting at 1-based `column`; past that column it follows after one blank.
    TabLine& at(int column, const QString& text);
    QString text() const { return m_text; }

    /// A number as reports print it: a blank in place of the sign of a positive value.
    static QString number(qint64 value);

private:
    QString m_text;
};
