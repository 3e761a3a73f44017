// Masking of the offensive stems: list order, letter case, stems inside
// words, occurrences that overlap masked letters, kept formatting.
#include "article/masking.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

QString masked(const QString &text)
{
    QTextDocument doc;
    doc.setPlainText(text);
    ReplaceBadWord(&doc);
    return doc.toPlainText();
}

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}

TEST(Masking, EveryStemIsReplacedByAsManyX)
{
    EXPECT_EQ(masked(u(u"хуй")), QStringLiteral("xxx"));
    EXPECT_EQ(masked(u(u"пизд")), QStringLiteral("xxxx"));
    EXPECT_EQ(masked(u(u"трахат")), QStringLiteral("xxxxxx"));
    EXPECT_EQ(masked(u(u"потрах")), QStringLiteral("xxxxxx"));
    EXPECT_EQ(masked(u(u"трахал")), QStringLiteral("xxxxxx"));
    EXPECT_EQ(masked(u(u"трахает")), QStringLiteral("xxxxxxx"));
}

TEST(Masking, AnEarlierStemHidesAnOverlappingLaterOne)
{
    // "потрах" + "ал": stem 4 is masked first, so stem 5 ("трахал") is gone.
    EXPECT_EQ(masked(u(u"потрахал")), u(u"xxxxxxал"));
    EXPECT_EQ(masked(u(u"потрахает")), u(u"xxxxxxает"));
    EXPECT_EQ(masked(u(u"трахать")), u(u"xxxxxxь"));
}

TEST(Masking, CaseMatters)
{
    EXPECT_EQ(masked(u(u"Хуй ПИЗД Трахал")), u(u"Хуй ПИЗД Трахал"));
}

TEST(Masking, StemsInsideWordsAreMasked)
{
    EXPECT_EQ(masked(u(u"распиздяй")), u(u"расxxxxяй"));
    EXPECT_EQ(masked(u(u"пиздпизд")), QStringLiteral("xxxxxxxx"));
}

TEST(Masking, EveryOccurrenceInEveryParagraph)
{
    EXPECT_EQ(masked(u(u"а хуй б\nтрахал хуй\n\nпизд")), u(u"а xxx б\nxxxxxx xxx\n\nxxxx"));
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
