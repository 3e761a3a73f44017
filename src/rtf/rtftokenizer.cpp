#include "rtf/rtftokenizer.h"

#include <array>
#include <limits>

namespace lumolex::rtf {

namespace {

constexpr int kMaxKeywordLength = 32;

inline bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes that end a text run: group braces, backslash, CR and LF.
constexpr std::array<bool, 256> makeStopTable()
{
    std::array<bool, 256> table {};
    table['{'] = table['}'] = table['\\'] = table['\r'] = table['\n'] = true;
    return table;
}
constexpr std::array<bool, 256> kStop = makeStopTable();

// Reads an optional "-digits" parameter, saturating to int32 but consuming
// every digit. Returns false when there is none.
inline bool readParam(const char *&pos, const char *end, std::int32_t &value)
{
    const char *p = pos;
    bool negative = false;
    if (p < end && *p == '-' && p + 1 < end && isDigit(p[1])) {
        negative = true;
        ++p;
    }
    if (p >= end || !isDigit(*p))
        return false;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    while (p < end && isDigit(*p)) {
        if (magnitude < kLimit)
            magnitude = magnitude * 10 + (*p - '0');
        ++p;
    }
    if (magnitude > kLimit)
        magnitude = kLimit;
    if (negative)
        value = std::int32_t(-magnitude);
    else
        value = magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max() : std::int32_t(magnitude);
    pos = p;
    return true;
}

} // namespace

bool RtfTokenizer::seekGroupStart()
{
    while (m_pos < m_end && *m_pos != '{')
        ++m_pos;
    return m_pos < m_end;
}

Token RtfTokenizer::next()
{
    Token token;
    for (;;) {
        if (m_pos >= m_end)
            return token;
        const char c = *m_pos;
        switch (c) {
        case '{':
            ++m_pos;
            token.type = TokenType::GroupOpen;
            return token;
        case '}':
            ++m_pos;
            token.type = TokenType::GroupClose;
            return token;
        case '\\':
            return readControl();
        case '\r':
        case '\n':
            ++m_pos; // raw line ends carry no meaning in RTF
            continue;
        default: {
            const char *start = m_pos;
            while (m_pos < m_end && !kStop[static_cast<unsigned char>(*m_pos)])
                ++m_pos;
            token.type = TokenType::Text;
            token.data = start;
            token.size = m_pos - start;
            return token;
        }
        }
    }
}

Token RtfTokenizer::readControl()
{
    Token token;
    ++m_pos; // backslash
    if (m_pos >= m_end) {
        m_truncated = true;
        return token;
    }
    const char c = *m_pos;
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            const int high = m_pos < m_end ? hexValue(m_pos[0]) : -1;
            const int low = m_pos + 1 < m_end ? hexValue(m_pos[1]) : -1;
            if (high < 0 || low < 0) {
                // A broken escape: drop it together with the hex digits it has.
                if (m_pos >= m_end || (high >= 0 && m_pos + 1 >= m_end))
                    m_truncated = true;
                if (high >= 0)
                    ++m_pos;
                token.type = TokenType::ControlSymbol;
                token.symbol = '\'';
                return token;
            }
            m_pos += 2;
            token.type = TokenType::HexByte;
            token.byte = static_cast<unsigned char>(high * 16 + low);
            return token;
        }
        if (c == '\r' || c == '\n') {
            // "\" followed by a line end is a paragraph mark.
            token.type = TokenType::ControlWord;
            token.keyword = Keyword::Par;
            return token;
        }
        token.type = TokenType::ControlSymbol;
        token.symbol = c;
        return token;
    }

    const char *nameStart = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    const qsizetype nameLength = m_pos - nameStart;
    token.type = TokenType::ControlWord;
    token.keyword = nameLength <= kMaxKeywordLength
        ? lookupKeyword(std::string_view(nameStart, size_t(nameLength)))
        : Keyword::Unknown;
    token.hasParam = readParam(m_pos, m_end, token.param);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos; // the delimiting space belongs to the control word

    if (token.keyword == Keyword::Bin) {
        const qsizetype wanted = token.hasParam && token.param > 0 ? token.param : 0;
        const qsizetype available = m_end - m_pos;
        const qsizetype length = wanted < available ? wanted : available;
        if (wanted > available)
            m_truncated = true;
        token.type = TokenType::Binary;
        token.data = m_pos;
        token.size = length;
        m_pos += length;
    }
    return token;
}

void RtfTokenizer::skipControlWordAndPayload()
{
    // m_pos is on the first letter of a control word.
    const char *nameStart = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    const bool isBin = m_pos - nameStart == 3 && nameStart[0] == 'b' && nameStart[1] == 'i' && nameStart[2] == 'n';
    std::int32_t param = 0;
    const bool hasParam = readParam(m_pos, m_end, param);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    if (isBin && hasParam && param > 0) {
        const qsizetype available = m_end - m_pos;
        if (param > available)
            m_truncated = true;
        m_pos += param < available ? qsizetype(param) : available;
    }
}

namespace {

// Reads "\uN" at pos followed by its fallback units when all of it is
// simple; returns the character and moves pos past it, or returns 0.
char16_t readSimpleUnicode(const char *&pos, const char *end, int unicodeSkip)
{
    const char *p = pos + 2; // past "\u"
    bool negative = false;
    if (p < end && *p == '-') {
        negative = true;
        ++p;
    }
    if (p >= end || !isDigit(*p))
        return 0;
    int value = 0;
    for (int digits = 0; p < end && isDigit(*p); ++p, ++digits) {
        if (digits == 5)
            return 0;
        value = value * 10 + (*p - '0');
    }
    if (negative)
        value = value <= 32768 ? 65536 - value : -1;
    // Controls, surrogates, separators and the reader's own markers take the
    // general path.
    if (value < 0x20 || value > 0xFFFE || (value >= 0xD800 && value <= 0xDFFF) || value == 0x2028
        || value == 0x2029 || value == 0xFDD0 || value == 0xFDD1)
        return 0;
    if (p < end && *p == ' ')
        ++p;
    for (int unit = 0; unit < unicodeSkip;) {
        if (p >= end)
            return 0;
        const char c = *p;
        if (c == '\r' || c == '\n') {
            ++p;
        } else if (c == '\\') {
            if (end - p < 4 || p[1] != '\'' || hexValue(p[2]) < 0 || hexValue(p[3]) < 0)
                return 0;
            p += 4;
            ++unit;
        } else if (c == '{' || c == '}') {
            return 0;
        } else {
            ++p;
            ++unit;
        }
    }
    pos = p;
    return char16_t(value);
}

} // namespace

void RtfTokenizer::decodeTextRun(QByteArrayView first, const std::array<char16_t, 256> &table, char16_t dropped,
                                 int unicodeSkip, QString &out)
{
    char16_t buffer[512];
    int used = 0;
    auto put = [&](char16_t ch) {
        buffer[used] = ch;
        used += ch != dropped;
        if (used == int(std::size(buffer))) {
            out.append(reinterpret_cast<const QChar *>(buffer), used);
            used = 0;
        }
    };
    for (char byte : first)
        put(table[static_cast<unsigned char>(byte)]);

    const char *pos = m_pos;
    while (pos < m_end) {
        unsigned char byte = static_cast<unsigned char>(*pos);
        if (byte == '\\') {
            if (m_end - pos < 4)
                break;
            if (pos[1] == '\'') {
                const int high = hexValue(pos[2]);
                const int low = hexValue(pos[3]);
                if (high < 0 || low < 0)
                    break;
                byte = static_cast<unsigned char>(high * 16 + low);
                pos += 4;
            } else if (pos[1] == 'u') {
                const char16_t ch = readSimpleUnicode(pos, m_end, unicodeSkip);
                if (!ch)
                    break;
                put(ch);
                continue;
            } else {
                break;
            }
        } else if (byte == '{' || byte == '}') {
            break;
        } else {
            ++pos;
            if (byte == '\r' || byte == '\n')
                continue;
        }
        put(table[byte]);
    }
    if (used)
        out.append(reinterpret_cast<const QChar *>(buffer), used);
    m_pos = pos;
}

bool RtfTokenizer::skipGroup()
{
    qsizetype depth = 1;
    while (m_pos < m_end) {
        const char c = *m_pos;
        if (c == '{') {
            ++depth;
            ++m_pos;
        } else if (c == '}') {
            ++m_pos;
            if (--depth == 0)
                return true;
        } else if (c == '\\') {
            ++m_pos;
            if (m_pos >= m_end)
                break;
            if (isLetter(*m_pos))
                skipControlWordAndPayload();
            else
                ++m_pos; // control symbol, \' included (its digits are harmless)
        } else {
            ++m_pos;
        }
    }
    m_truncated = true;
    return false;
}

} // namespace lumolex::rtf
