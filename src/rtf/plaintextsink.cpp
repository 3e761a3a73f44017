#include "rtf/plaintextsink.h"

namespace lumolex::rtf {

void PlainTextSink::text(QStringView text, const CharState &)
{
    m_text.append(text);
}

void PlainTextSink::paragraphBreak(const ParaState &, const CharState &)
{
    m_text.append(u'\n');
}

void PlainTextSink::finish(const ParaState &, const CharState &)
{
    // The same substitutions QTextDocument::toPlainText() makes.
    char16_t *it = reinterpret_cast<char16_t *>(m_text.data());
    char16_t *const end = it + m_text.size();
    for (; it != end; ++it) {
        if (*it == 0x2028)
            *it = u'\n';
        else if (*it == 0x00A0)
            *it = u' ';
    }
}

} // namespace lumolex::rtf
