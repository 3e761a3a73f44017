#include "search/querytext.h"

#include <algorithm>

namespace lumolex {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

bool isNoBreakSpace(char16_t c)
{
    return c == 0x00A0 || c == 0x2007 || c == 0x202F;
}

bool isInvisible(char16_t c)
{
    switch (c) {
    case 0x00AD:   // soft hyphen
    case 0x0301:   // combining acute accent: the stress mark of teaching texts
    case 0x061C:   // Arabic letter mark
    case 0x2060:   // word joiner
    case 0xFEFF:   // zero-width no-break space, byte-order mark
        return true;
    default:
        return (c >= 0x200B && c <= 0x200F)     // zero-width space, joiners, LRM, RLM
                || (c >= 0x202A && c <= 0x202E) // embeddings and overrides
                || (c >= 0x2066 && c <= 0x2069); // isolates
    }
}

} // namespace

int TokenCount(QStringView text, QChar separator)
{
    if (text.isEmpty())
        return 0;
    return 1 + int(text.count(separator));
}

QString GetToken(QStringView text, QChar separator, int n)
{
    if (n < 1)
        return {};
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype next = text.indexOf(separator, start);
        if (next < 0)
            return {};
        start = next + 1;
    }
    if (start > text.size())
        return {};
    const qsizetype end = text.indexOf(separator, start);
    return text.mid(start, end < 0 ? text.size() - start : end - start).toString();
}

QString withoutInvisibles(const QString &text)
{
    const auto changed = [](QChar c) { return isInvisible(c.unicode()) || isNoBreakSpace(c.unicode()); };
    if (std::none_of(text.cbegin(), text.cend(), changed))
        return text;
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (isNoBreakSpace(c.unicode()))
            kept.append(QChar(u' '));
        else if (!isInvisible(c.unicode()))
            kept.append(c);
    }
    return kept;
}

QString trimQuery(QStringView view)
{
    const QString visible = withoutInvisibles(view.toString());
    const QStringView text(visible);
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

int readerLength(QStringView text)
{
    int length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), text[i + 1].unicode());
            ++i;
        }
        // A mark after another character belongs to it; one that starts the text is read on its own.
        if (length > 0 && QChar::isMark(c))
            continue;
        ++length;
    }
    return length;
}

QueryCheck checkQuery(QStringView trimmed)
{
    if (trimmed.isEmpty())
        return QueryCheck::Empty;
    if (readerLength(trimmed) < kMinQueryLength)
        return QueryCheck::TooShort;
    return QueryCheck::Ok;
}

QString prefixEnd(const QString &prefix)
{
    QList<uint> codePoints = prefix.toUcs4();
    while (!codePoints.isEmpty()) {
        uint last = codePoints.takeLast();
        if (last >= 0x10FFFF)
            continue;
        ++last;
        if (last >= 0xD800 && last <= 0xDFFF)
            last = 0xE000;
        codePoints.append(last);
        return QString::fromUcs4(reinterpret_cast<const char32_t *>(codePoints.constData()), codePoints.size());
    }
    return {};
}

QStringList yoPrefixSpellings(const QString &key)
{
    constexpr int kMostSpellings = 64;
    QStringList spellings{QString()};
    for (const QChar c : key) {
        if (c == u'е') {
            if (spellings.size() * 2 > kMostSpellings)
                break;
            QStringList both;
            for (const QString &spelling : std::as_const(spellings))
                both << spelling + u'е' << spelling + u'ё';
            spellings = both;
        } else {
            for (QString &spelling : spellings)
                spelling += c;
        }
    }
    return spellings;
}

} // namespace lumolex
