#include "base/LineEncoder.h"

#include "base/Cp1250.h"

namespace {
constexpr qsizetype kBlockChars = qsizetype{32} * 1024;
} // namespace

Outcome<void> LineEncoder::add(const QString& line) {
    ++m_lines;
    const QString refused = Cp1250::unwritable(line);
    if (!refused.isEmpty())
        return Failure{Cp1250::refusal(
            QStringLiteral("Linia %1 (\"%2\")").arg(m_lines).arg(line.trimmed()), refused)};
    m_block += line;
    m_block += QLatin1String("\r\n");
    if (m_block.size() < kBlockChars)
        return {};
    return finish();
}

Outcome<void> LineEncoder::finish() {
    if (m_block.isEmpty())
        return {};
    Outcome<void> written = m_out(Cp1250::encode(m_block));
    m_block.resize(0); // keeps its room for the next block
    return written;
}
