#include "ui/displaytext.h"

#include <algorithm>

namespace lumolex {

namespace {

bool isDirectionControl(char16_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// The visible stand-in of a control character.
QChar placeholder(char16_t c)
{
    if (c < 0x20)
        return QChar(char16_t(0x2400 + c));   // ␀ .. ␟, e.g. ␍ and ␊
    if (c == 0x7F)
        return QChar(char16_t(0x2421));       // ␡
    return QChar(char16_t(0xFFFD));
}

} // namespace

QString displayText(const QString &value)
{
    const auto unsafe = [](QChar c) { return isControl(c.unicode()) || isDirectionControl(c.unicode()); };
    if (std::none_of(value.cbegin(), value.cend(), unsafe))
        return value;
    QString shown;
    shown.reserve(value.size());
    for (const QChar c : value) {
        if (isControl(c.unicode()))
            shown.append(placeholder(c.unicode()));
        else if (!isDirectionControl(c.unicode()))
            shown.append(c);
    }
    return shown;
}

} // namespace lumolex
