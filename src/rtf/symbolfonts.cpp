#include "rtf/symbolfonts.h"

#include <algorithm>
#include <iterator>

namespace lumolex::rtf {

namespace {

struct Mapping
{
    unsigned char code;
    char32_t codePoint;
};

// The Symbol font: its printable ASCII half is punctuation, digits and the
// Greek alphabet; the upper half, mathematical signs. Codes missing here
// (glyph pieces such as the radical extender) stay private use.
constexpr Mapping kSymbol[] = {
    {0x22, 0x2200}, {0x24, 0x2203}, {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245},
    {0x41, 0x0391}, {0x42, 0x0392}, {0x43, 0x03A7}, {0x44, 0x0394}, {0x45, 0x0395}, {0x46, 0x03A6},
    {0x47, 0x0393}, {0x48, 0x0397}, {0x49, 0x0399}, {0x4A, 0x03D1}, {0x4B, 0x039A}, {0x4C, 0x039B},
    {0x4D, 0x039C}, {0x4E, 0x039D}, {0x4F, 0x039F}, {0x50, 0x03A0}, {0x51, 0x0398}, {0x52, 0x03A1},
    {0x53, 0x03A3}, {0x54, 0x03A4}, {0x55, 0x03A5}, {0x56, 0x03C2}, {0x57, 0x03A9}, {0x58, 0x039E},
    {0x59, 0x03A8}, {0x5A, 0x0396}, {0x5C, 0x2234}, {0x5E, 0x22A5},
    {0x61, 0x03B1}, {0x62, 0x03B2}, {0x63, 0x03C7}, {0x64, 0x03B4}, {0x65, 0x03B5}, {0x66, 0x03C6},
    {0x67, 0x03B3}, {0x68, 0x03B7}, {0x69, 0x03B9}, {0x6A, 0x03D5}, {0x6B, 0x03BA}, {0x6C, 0x03BB},
    {0x6D, 0x03BC}, {0x6E, 0x03BD}, {0x6F, 0x03BF}, {0x70, 0x03C0}, {0x71, 0x03B8}, {0x72, 0x03C1},
    {0x73, 0x03C3}, {0x74, 0x03C4}, {0x75, 0x03C5}, {0x76, 0x03D6}, {0x77, 0x03C9}, {0x78, 0x03BE},
    {0x79, 0x03C8}, {0x7A, 0x03B6}, {0x7E, 0x223C},
    {0xA1, 0x03D2}, {0xA2, 0x2032}, {0xA3, 0x2264}, {0xA4, 0x2044}, {0xA5, 0x221E}, {0xA6, 0x0192},
    {0xA7, 0x2663}, {0xA8, 0x2666}, {0xA9, 0x2665}, {0xAA, 0x2660}, {0xAB, 0x2194}, {0xAC, 0x2190},
    {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193}, {0xB0, 0x00B0}, {0xB1, 0x00B1}, {0xB2, 0x2033},
    {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB5, 0x221D}, {0xB6, 0x2202}, {0xB7, 0x2022}, {0xB8, 0x00F7},
    {0xB9, 0x2260}, {0xBA, 0x2261}, {0xBB, 0x2248}, {0xBC, 0x2026}, {0xC0, 0x2135}, {0xC1, 0x2111},
    {0xC2, 0x211C}, {0xC3, 0x2118}, {0xC4, 0x2297}, {0xC5, 0x2295}, {0xC6, 0x2205}, {0xC7, 0x2229},
    {0xC8, 0x222A}, {0xC9, 0x2283}, {0xCA, 0x2287}, {0xCB, 0x2284}, {0xCC, 0x2282}, {0xCD, 0x2286},
    {0xCE, 0x2208}, {0xCF, 0x2209}, {0xD0, 0x2220}, {0xD1, 0x2207}, {0xD5, 0x220F}, {0xD6, 0x221A},
    {0xD7, 0x22C5}, {0xD8, 0x00AC}, {0xD9, 0x2227}, {0xDA, 0x2228}, {0xDB, 0x21D4}, {0xDC, 0x21D0},
    {0xDD, 0x21D1}, {0xDE, 0x21D2}, {0xDF, 0x21D3}, {0xE0, 0x25CA}, {0xE1, 0x2329}, {0xE5, 0x2211},
    {0xF1, 0x232A}, {0xF2, 0x222B},
};

// The Wingdings glyphs documents use most: faces, scissors, bullets and
// check boxes.
constexpr Mapping kWingdings[] = {
    {0x21, 0x270F}, {0x22, 0x2702}, {0x23, 0x2701}, {0x4A, 0x263A}, {0x4B, 0x1F610}, {0x4C, 0x2639},
    {0x6C, 0x25CF}, {0x6E, 0x25A0}, {0xA7, 0x25AA}, {0xA8, 0x25FB}, {0xFD, 0x2612}, {0xFE, 0x2611},
};

template<std::size_t N>
char32_t lookUp(const Mapping (&table)[N], int code)
{
    const auto it = std::lower_bound(std::begin(table), std::end(table), code,
                                     [](const Mapping &m, int c) { return m.code < c; });
    return it != std::end(table) && it->code == code ? it->codePoint : 0;
}

bool sameName(QStringView name, QLatin1StringView wanted)
{
    return name.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
}

// The switch word after a backslash, or the quoted or bare argument.
QStringView nextWord(QStringView &rest)
{
    rest = rest.trimmed();
    if (rest.isEmpty())
        return {};
    if (rest.front() == u'"') {
        const qsizetype close = rest.indexOf(u'"', 1);
        const QStringView word = close < 0 ? rest.mid(1) : rest.mid(1, close - 1);
        rest = close < 0 ? QStringView() : rest.mid(close + 1);
        return word;
    }
    qsizetype end = rest.front() == u'\\' ? 2 : 0;
    while (end < rest.size() && !rest.at(end).isSpace() && rest.at(end) != u'\\' && rest.at(end) != u'"')
        ++end;
    const QStringView word = rest.left(std::min(end, rest.size()));
    rest = rest.mid(word.size());
    return word;
}

} // namespace

bool isSymbolFont(QStringView fontName)
{
    return sameName(fontName, QLatin1StringView("Symbol")) || fontName.trimmed().startsWith(u"Wingdings", Qt::CaseInsensitive)
        || sameName(fontName, QLatin1StringView("Webdings"));
}

SymbolCharacter symbolFontCharacter(QStringView fontName, int code)
{
    if (!isSymbolFont(fontName) || code < 0x20 || code > 0xFF)
        return {};
    char32_t known = 0;
    if (sameName(fontName, QLatin1StringView("Symbol"))) {
        known = lookUp(kSymbol, code);
        if (!known && code < 0x7F && code != 0x60)
            known = char32_t(code); // digits and punctuation are themselves
    } else if (sameName(fontName, QLatin1StringView("Wingdings"))) {
        known = lookUp(kWingdings, code);
    }
    if (known)
        return {known, false};
    return {char32_t(0xF000 + code), true};
}

SymbolInstruction parseSymbolInstruction(QStringView instruction)
{
    SymbolInstruction result;
    QStringView rest = instruction;
    if (nextWord(rest).compare(u"SYMBOL", Qt::CaseInsensitive) != 0)
        return result;
    const QStringView number = nextWord(rest);
    bool ok = false;
    const int code = number.startsWith(u"0x", Qt::CaseInsensitive) ? number.mid(2).toInt(&ok, 16) : number.toInt(&ok);
    if (!ok || code <= 0 || code > 0x10FFFF)
        return result;
    result.valid = true;
    result.code = code;
    while (!rest.trimmed().isEmpty()) {
        const QStringView word = nextWord(rest);
        if (word.compare(u"\\f", Qt::CaseInsensitive) == 0)
            result.font = nextWord(rest).trimmed().toString();
        else if (word.compare(u"\\u", Qt::CaseInsensitive) == 0)
            result.unicode = true;
        else if (word.compare(u"\\s", Qt::CaseInsensitive) == 0)
            nextWord(rest); // the size in points: the field's own size is kept
        else if (word.isEmpty())
            break;
    }
    return result;
}

} // namespace lumolex::rtf
