#include "services/reports/TabLine.h"

TabLine& TabLine::at(int column, const QString& text) {
    if (m_text.size() <= column - 1)
        m_text = m_text.leftJustified(column - 1, u' ');
    else
        m_text += u' ';
    m_text += text;
    return *this;
}

QString TabLine::number(qint64 value) {
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}
