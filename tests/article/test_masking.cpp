// Masking of the offensive stems: list order, letter case, stems inside
// words, occurrences that overlap masked letters, kept formatting.
#include "article/masking.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}

TEST(Masking, StemsBecomeAsManyX)
{
    const struct {
        const char16_t *text;
        const char16_t *masked;
    } cases[] = {
        {u"хуй", u"xxx"}, {u"пизд", u"xxxx"}, {u"трахат", u"xxxxxx"}, {u"потрах", u"xxxxxx"},
        {u"трахал", u"xxxxxx"}, {u"трахает", u"xxxxxxx"},
        // an earlier stem hides a later one it overlaps: "потрах" + "ал", not "трахал"
        {u"потрахал", u"xxxxxxал"}, {u"потрахает", u"xxxxxxает"}, {u"трахать", u"xxxxxxь"},
        {u"Хуй ПИЗД Трахал хуй", u"Хуй ПИЗД Трахал xxx"},   // case matters
        {u"распиздяй", u"расxxxxяй"}, {u"пиздпизд", u"xxxxxxxx"},   // inside words
        {u"а хуй б\nтрахал хуй\n\nпизд", u"а xxx б\nxxxxxx xxx\n\nxxxx"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(u(c.text).toStdString());
        QTextDocument doc;
        doc.setPlainText(u(c.text));
        ReplaceBadWord(&doc);
        EXPECT_EQ(doc.toPlainText(), u(c.masked));
    }
}

TEST(Masking, TextWithoutStemsIsLeftAlone)
{
    QTextDocument doc;
    doc.setPlainText(u(u"кӯлл — рыба, хую нет"));
    doc.setModified(false);
    ReplaceBadWord(&doc);
    EXPECT_EQ(doc.toPlainText(), u(u"кӯлл — рыба, хую нет"));
    EXPECT_FALSE(doc.isModified());
    ReplaceBadWord(nullptr);
}

TEST(Masking, EachMaskedLetterKeepsItsFormatting)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontItalic(true);
    cursor.insertText(QStringLiteral("first\n"), plain);
    cursor.insertText(u(u"а п"), plain);
    cursor.insertText(u(u"из"), bold);
    cursor.insertText(u(u"д б"), red);

    ReplaceBadWord(&doc);
    const QTextBlock block = doc.findBlockByNumber(1);
    ASSERT_EQ(block.text(), u(u"а xxxx б"));
    QStringList runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        runs << it.fragment().text() + (format.fontWeight() == QFont::Bold ? QStringLiteral("[b]") : QString())
                + (format.fontItalic() ? QStringLiteral("[i]") : QString())
                + (format.hasProperty(QTextFormat::ForegroundBrush) ? QStringLiteral("[red]") : QString());
    }
    EXPECT_EQ(runs, QStringList({u(u"а x"), QStringLiteral("xx[b]"), u(u"x б[i][red]")}));
}

} // namespace
} // namespace lumolex
