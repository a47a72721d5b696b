#include "base/LeadingNumber.h"

#include <QRegularExpression>

int leadingNumber(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d+)"));
    const auto m = re.match(text);
    // Nine digits always fit an int; longer runs are cut rather than overflowing to 0.
    return m.hasMatch() ? m.captured(1).left(9).toInt() : 0;
}
