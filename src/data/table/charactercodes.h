#pragma once

// The one-byte codes of a text column kept narrow: ASCII characters code as
// themselves, and up to 128 others below U+0800 (the letters of one
// language: Cyrillic with the Kildin Saami letters, or Latin-1) take the
// codes 128 to 255 in the order they first appear. A column whose texts
// need more widens to UTF-16.

#include <QtGlobal>

#include <vector>

namespace lumolex {

class CharacterCodes
{
public:
    // The code of c, given it now if it has none; -1 when c cannot have one.
    int encode(char16_t c)
    {
        if (c < 0x80)
            return c;
        if (c < CodedBelow && !m_codeOf.empty() && m_codeOf[c] != 0)
            return m_codeOf[c];
        return assign(c);
    }

    char16_t decode(char byte) const
    {
        const auto code = static_cast<unsigned char>(byte);
        return code < 0x80 ? char16_t(code) : m_chars[code - 0x80];
    }

    void clear()
    {
        m_codeOf = {};
        m_chars = {};
    }

private:
    Q_NEVER_INLINE int assign(char16_t c)
    {
        if (c >= CodedBelow || m_chars.size() >= 0x80)
            return -1;
        if (m_codeOf.empty())
            m_codeOf.assign(CodedBelow, 0);
        m_chars.push_back(c);
        const auto code = quint8(0x7F + m_chars.size());
        m_codeOf[c] = code;
        return code;
    }

    static constexpr char16_t CodedBelow = 0x800;   // the characters of two-byte UTF-8
    std::vector<quint8> m_codeOf;                   // by character; 0: no code yet
    std::vector<char16_t> m_chars;                  // the characters of codes 128 and up
};

} // namespace lumolex
