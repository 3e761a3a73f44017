// Long bodies: the shown document is cut after a fixed number of characters
// with a note saying so, and endless words get places to break the line.
#include "article/bodydecoder.h"
#include "article/bodylimits.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

constexpr int kCap = 100000; // the documented number of characters shown

QByteArray rtfOf(const QByteArray &content)
{
    return "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 " + content + "}";
}

// The same length of text, kCap characters or one more, stored as plain
// text and as RTF; the RTF ones in paragraphs of 1000 characters and in one
// paragraph with changes of format.
struct LengthCase
{
    const char *name;
    QByteArray body;   // before compression
    int length;        // characters of its text
};

std::vector<LengthCase> lengthCases()
{
    std::vector<LengthCase> cases;
    for (const int length : {kCap, kCap + 1}) {
        const QByteArray words = QByteArray("abc def ").repeated(length / 8) + QByteArray(length % 8, 'x');
        cases.push_back({"plain", words, length});
        // Paragraphs of 999 characters and a break, then the rest (at least one).
        const int full = (length - 1) / 1000;
        const QByteArray paragraphs = (QByteArray(999, 'p') + "\\par ").repeated(full) + QByteArray(length - full * 1000, 'q');
        cases.push_back({"rtf paragraphs", rtfOf(paragraphs), length});
        QByteArray formatted;
        for (int i = 0; i < length / 10; ++i)
            formatted += (i % 2 ? "\\b " : "\\b0 ") + QByteArray(10, 'f');
        formatted += QByteArray(length % 10, 'g');
        cases.push_back({"rtf formats", rtfOf(formatted), length});
    }
    return cases;
}

TEST(BodyLimits, LongBodiesAreCutWithANote)
{
    const QString note = QString::fromUtf16(u"Статья слишком длинна: показаны первые 100000 знаков");
    for (const LengthCase &c : lengthCases()) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.length));
        QTextDocument doc;
        decodeBody(deflateBody(c.body), false, &doc);
        QString text = doc.toPlainText();
        text.remove(QChar(0x200B)); // the places to break long runs count for nothing
        if (c.length <= kCap) {
            EXPECT_EQ(text.size(), c.length);
            EXPECT_FALSE(text.contains(note));
        } else {
            EXPECT_EQ(text.size(), kCap + 1 + note.size()) << text.right(80).toStdString();
            EXPECT_EQ(doc.lastBlock().text().toStdString(), note.toStdString());
            EXPECT_TRUE(doc.lastBlock().begin().fragment().charFormat().fontItalic());
        }
    }
}

TEST(BodyLimits, TableOfTwoHundredThousandCellsIsCut)
{
    QByteArray table = "\\trowd\\cellx1000\\cellx2000 ";
    for (int i = 0; i < 200000; ++i)
        table += "\\pard\\intbl " + QByteArray::number(i) + (i % 2 ? "\\cell\\row " : "\\cell ");
    QTextDocument doc;
    decodeBody(deflateBody(rtfOf(table)), false, &doc);
    const QString note = QString::fromUtf16(u"Статья слишком длинна: показаны первые 100000 знаков");
    EXPECT_EQ(doc.lastBlock().text().toStdString(), note.toStdString());
    EXPECT_EQ(doc.characterCount(), kCap + 1 + note.size() + 1);
}

// No run of more than 200 characters without a place to break the line;
// shorter runs and ordinary text stay as they are.
TEST(BodyLimits, EndlessWordsGetPlacesToBreak)
{
    struct Case
    {
        const char *name;
        QString text;
        int breaks;
    };
    const QString letter = QString::fromUtf16(u"ж");
    const QString emoji = QString::fromUtf16(u"\U0001F600");
    const Case cases[] = {
        {"two hundred letters", letter.repeated(200), 0},
        {"one more", letter.repeated(201), 1},
        {"a thousand", letter.repeated(1000), 4},
        {"words", QStringLiteral("word ").repeated(400), 0},
        {"hyphenated", (letter.repeated(150) + u'-').repeated(10), 0},
        {"after a space", QStringLiteral("a ") + letter.repeated(201), 1},
        {"surrogate pairs kept whole", emoji.repeated(150), 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        doc.setPlainText(c.text);
        EXPECT_EQ(breakOverlongRuns(&doc), c.breaks);
        QString shown = doc.toPlainText();
        int run = 0;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QChar ch = shown.at(i);
            run = (ch == QChar(0x200B) || ch.isSpace() || ch == u'-') ? 0 : run + 1;
            ASSERT_LE(run, 201) << "at " << i; // a surrogate pair may take the place one later
            ASSERT_FALSE(ch.isLowSurrogate() && i > 0 && !shown.at(i - 1).isHighSurrogate()) << "pair split at " << i;
        }
        shown.remove(QChar(0x200B));
        EXPECT_EQ(shown, c.text);
    }
}

TEST(BodyLimits, DecodedBodiesGetPlacesToBreak)
{
    for (const QByteArray &body : {QByteArray(1000, 'w'), rtfOf(QByteArray(1000, 'w'))}) {
        QTextDocument doc;
        decodeBody(deflateBody(body), false, &doc);
        EXPECT_EQ(doc.toPlainText().count(QChar(0x200B)), 4) << body.left(20).constData();
    }
}

} // namespace
} // namespace lumolex
