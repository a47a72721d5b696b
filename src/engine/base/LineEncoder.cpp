#include "base/LineEncoder.h"

#include "base/Cp1250.h"

namespace {
constexpr qsizetype kBlockChars = 32 * 1024;
} // namespace

bool LineEncoder::add(const QString& line) {
    ++m_lines;
    const QString refused = Cp1250::unwritable(line);
    if (!refused.isEmpty()) {
        m_error = Cp1250::refusal(
            QStringLiteral("Linia %1 (\"%2\")").arg(m_lines).arg(line.trimmed()), refused);
        return false;
    }
    m_block += line;
    m_block += QLatin1String("\r\n");
    return m_block.size() < kBlockChars || finish();
}

bool LineEncoder::finish() {
    if (m_block.isEmpty())
        return true;
    const bool written = m_out(Cp1250::encode(m_block));
    m_block.resize(0); // keeps its room for the next block
    return written;
}
