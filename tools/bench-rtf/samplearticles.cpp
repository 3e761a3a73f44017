#include "samplearticles.h"

#include <QRandomGenerator>
#include <QString>

namespace lumolex::bench {

namespace {

const char16_t *const kSaamiWords[] = {
    u"ӣмм", u"кӯлл", u"ӯййтэ", u"пӣрре", u"са\u0304мь", u"ёгк", u"вӯнн", u"кӣдт",
    u"ӆа\u0304һпэ", u"ҋуэлльк", u"ӈӯрр", u"ҍа\u0304ссь", u"ӎа\u0304ннэ", u"пуаз", u"ка\u0304рр", u"ваннч",
};
const char16_t *const kRussianWords[] = {
    u"рыба", u"вода", u"озеро", u"олень", u"дом", u"земля", u"идти", u"большой",
    u"маленький", u"зима", u"солнце", u"ветер", u"река", u"лодка", u"сеть", u"снег",
};
const char16_t *const kNotes[] = {u"сущ.", u"гл.", u"прил.", u"нареч.", u"мн.", u"перен."};

// Encodes text as a rich-edit control does for a Cyrillic font: \'hh for
// Windows-1251 letters, \uN? for the rest (the Kildin letters, U+0304).
QByteArray richEditText(const QString &text)
{
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            out += char(u);
        } else if (u >= 0x0410 && u <= 0x044F) {
            out += "\\'" + QByteArray::number(u - 0x0410 + 0xC0, 16);
        } else if (u == 0x0401 || u == 0x0451) {
            out += u == 0x0401 ? "\\'a8" : "\\'b8";
        } else {
            out += "\\u" + QByteArray::number(int(u)) + '?';
        }
    }
    return out;
}

template<size_t N>
QString pick(QRandomGenerator &random, const char16_t *const (&words)[N])
{
    return QString::fromUtf16(words[random.bounded(int(N))]);
}

QByteArray article(QRandomGenerator &random)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}"
                     "{\\f1\\fswiss\\fcharset204 Arial;}}\r\n{\\colortbl ;\\red0\\green0\\blue128;}\r\n"
                     "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs24 ";
    rtf += "\\b " + richEditText(pick(random, kSaamiWords)) + "\\b0  \\i " + richEditText(pick(random, kNotes))
        + "\\i0\\par\r\n";
    const int target = 1024 + random.bounded(1024);
    for (int sense = 1; rtf.size() < target - 120; ++sense) {
        rtf += "\\pard\\li283\\fi-283 " + QByteArray::number(sense) + ") \\cf1 ";
        for (int i = 0, n = 2 + random.bounded(4); i < n; ++i)
            rtf += richEditText(pick(random, kRussianWords)) + (i + 1 < n ? ", " : "");
        rtf += "\\cf0 ; \\i " + richEditText(pick(random, kSaamiWords) + u' ' + pick(random, kSaamiWords))
            + "\\i0  \\endash  " + richEditText(pick(random, kRussianWords) + u' ' + pick(random, kRussianWords))
            + ".\\par\r\n";
    }
    rtf += "}\r\n";
    rtf += '\0'; // rich-edit controls end the stream with a NUL
    return rtf;
}

} // namespace

QList<QByteArray> sampleArticles(int count)
{
    QRandomGenerator random(20240101);
    QList<QByteArray> articles;
    articles.reserve(count);
    for (int i = 0; i < count; ++i)
        articles.append(article(random));
    return articles;
}

} // namespace lumolex::bench
