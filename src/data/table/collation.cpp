#include "data/table/collation.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace lumolex {

namespace {

// Sort key bytes. Characters outside the alphabet take 1 to 3 bytes whose
// first byte tells the length, so byte order follows code point order and
// no character's bytes are a prefix of another's:
//   code points 0x0000..0x007E      -> 0x01..0x7F
//   code points 0x007F..0x207E      -> 0x80..0x9F, low byte
//   code points 0x207F..0x10FFFF    -> 0xA0..0xB0, two bytes
// The alphabet letters take one byte 0xC0 + rank, above all of them.
constexpr char32_t TwoByteStart = 0x7F;
constexpr char32_t ThreeByteStart = TwoByteStart + 0x2000;
constexpr unsigned char LetterBase = 0xC0;

void appendOther(char32_t cp, std::string &out)
{
    if (cp < TwoByteStart) {
        out.push_back(char(cp + 1));
    } else if (cp < ThreeByteStart) {
        const char32_t v = cp - TwoByteStart;
        out.push_back(char(0x80 + (v >> 8)));
        out.push_back(char(v & 0xFF));
    } else {
        const char32_t v = std::min<char32_t>(cp, 0x10FFFF) - ThreeByteStart;
        out.push_back(char(0xA0 + (v >> 16)));
        out.push_back(char((v >> 8) & 0xFF));
        out.push_back(char(v & 0xFF));
    }
}

void appendCharacter(char32_t c, std::string &out)
{
    const int rank = KeyCollation::alphabetRank(c);
    if (rank >= 0)
        out.push_back(char(LetterBase + rank));
    else
        appendOther(QChar::toLower(c), out);
}

// The key bytes of the units of Latin and Cyrillic text, worked out once:
// one or two bytes each (letters one, other characters below 0x207F two).
constexpr char16_t kTableEnd = 0x0530;

struct UnitKey {
    unsigned char length = 0;
    char bytes[2] = {};
};

const std::array<UnitKey, kTableEnd> &unitKeys()
{
    static const std::array<UnitKey, kTableEnd> table = [] {
        std::array<UnitKey, kTableEnd> all {};
        std::string key;
        for (char16_t c = 0; c < kTableEnd; ++c) {
            key.clear();
            appendCharacter(c, key);
            all[c].length = static_cast<unsigned char>(key.size());
            std::memcpy(all[c].bytes, key.data(), key.size());
        }
        return all;
    }();
    return table;
}

} // namespace

int KeyCollation::alphabetRank(char32_t c)
{
    // а..е (0..5), ё (6), ж..у (7..20), ӱ (21), ф..я (22..33)
    if (c >= 0x0410 && c <= 0x042F)
        c += 0x20;
    if (c >= 0x0430 && c <= 0x0435)
        return int(c - 0x0430);
    if (c == 0x0451 || c == 0x0401)
        return 6;
    if (c >= 0x0436 && c <= 0x0443)
        return int(c - 0x0436) + 7;
    if (c == 0x04F1 || c == 0x04F0)
        return 21;
    if (c >= 0x0444 && c <= 0x044F)
        return int(c - 0x0444) + 22;
    return -1;
}

void KeyCollation::appendSortKey(QStringView text, std::string &out)
{
    const auto &table = unitKeys();
    const qsizetype size = text.size();
    // At most three bytes a unit; written in place, then cut to length.
    const size_t start = out.size();
    out.resize(start + 3 * size_t(size));
    char *next = out.data() + start;
    std::string other;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c < kTableEnd) {
            const UnitKey &key = table[c];
            next[0] = key.bytes[0];
            next[1] = key.bytes[1];
            next += key.length;
            continue;
        }
        other.clear();
        if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate()) {
            appendCharacter(QChar::surrogateToUcs4(c, text[i + 1].unicode()), other);
            ++i;
        } else {
            appendCharacter(c, other);
        }
        std::memcpy(next, other.data(), other.size());
        next += other.size();
    }
    out.resize(size_t(next - out.data()));
}

std::string KeyCollation::sortKey(QStringView text)
{
    std::string key;
    key.reserve(size_t(text.size()));
    appendSortKey(text, key);
    return key;
}

int KeyCollation::compare(QStringView a, QStringView b)
{
    return compareKeys(sortKey(a), sortKey(b));
}

int KeyCollation::compareKeys(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    if (common > 0) {
        const int c = std::memcmp(a.data(), b.data(), common);
        if (c != 0)
            return c;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool KeyCollation::keyHasPrefix(std::string_view key, std::string_view prefix)
{
    return key.size() >= prefix.size() && std::memcmp(key.data(), prefix.data(), prefix.size()) == 0;
}

} // namespace lumolex
