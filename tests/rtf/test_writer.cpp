// The writer: rich-edit style output, text (Kildin Saami, syntax characters,
// empty paragraphs) surviving a write and a read, and the data tool's path
// from simple HTML. Every property the reader sets is written and read back
// with the reader's format cases, and every corpus document with the corpus.
#include "rtftesthelpers.h"

#include "rtf/rtfwriter.h"

#include <QTextCursor>
#include <QTextDocument>

#include <functional>

#include <gtest/gtest.h>

namespace lumolex::rtf::test {
namespace {

const QString kKildin = QString::fromUtf16(u"ӓ ӈ ӯ һ ӆ ӎ ҋ ӊ ӧ ҏ ӣ ҍ ӭ ј а\u0304 е\u0304 Ӓ Ӈ Ӯ");

std::unique_ptr<QTextDocument> roundTrip(const QTextDocument &doc)
{
    ReadResult result;
    auto back = readRtf(writeDocument(doc), &result);
    EXPECT_TRUE(result.isRtf);
    EXPECT_FALSE(result.damaged) << result.warning.toStdString();
    return back;
}

TEST(Writer, WritesTheWayARichEditControlDoes)
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma"), 11));
    QTextCursor(&doc).insertText(QString::fromUtf16(u"канд ӓ") + QChar(0x0304) + QStringLiteral(" a\\b{c}d\te"));
    const QByteArray rtf = writeDocument(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\'ea\\'e0\\'ed\\'e4 \\u1235?\\u772? a\\\\b\\{c\\}d\\tab e")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\fs22")) << rtf.constData();
    EXPECT_TRUE(rtf.endsWith("\\par\r\n}\r\n")) << rtf.constData();
}

TEST(Writer, TextSurvives)
{
    const struct
    {
        const char *name;
        std::function<void(QTextCursor &)> fill;
        QString text; // null: the text written
    } cases[] = {
        {"syntax characters", [](QTextCursor &c) { c.insertText(QStringLiteral("a\\b{c}d\te")); }, {}},
        {"Kildin Saami and other letters",
         [](QTextCursor &c) {
             c.insertText(kKildin);
             c.insertBlock();
             c.insertText(QString::fromUtf16(u"ёлка Ё \U0001F4A9 «кавычки» № — ‘x’ \u00a0 \u00ad"));
         }, {}},
        {"empty document", [](QTextCursor &) {}, {}},
        {"empty paragraphs", [](QTextCursor &c) { c.insertText(QStringLiteral("\n\na\n\n")); }, {}},
        {"images are left out",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("a"));
             c.insertImage(QStringLiteral("picture.png"));
             c.insertText(QStringLiteral("b"));
         }, QStringLiteral("ab")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        QTextCursor cursor(&doc);
        c.fill(cursor);
        const auto back = roundTrip(doc);
        EXPECT_EQ(back->toRawText(), c.text.isNull() ? doc.toRawText() : c.text);
        EXPECT_EQ(back->blockCount(), doc.blockCount());
    }
}

// The data tool stores articles written in simple HTML: setHtml, then the
// writer. What the program reads back must be the same text with the same
// emphasis and paragraphs.
TEST(Writer, SimpleHtmlArticlesSurvive)
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma"), 11));
    doc.setHtml(QString::fromUtf16(
        u"<p><b>кӯлл</b> <i>сущ.</i></p>"
        u"<p>1) рыба; <i>кӯлл вӣгкэ</i> — ловить рыбу</p>"
        u"<p>2) <b>перен.</b> добыча, а\u0304 ӓ ӈ</p>"
        u"<h1>Ӓӈӯ</h1><p><small>мелко</small> <big>крупно</big> <u>черта</u> <s>зачёркнуто</s></p>"));
    const auto back = roundTrip(doc);
    EXPECT_EQ(back->toPlainText(), doc.toPlainText());
    ASSERT_EQ(back->blockCount(), doc.blockCount());
    // Same emphasis, and the default font's family written out.
    auto withoutSize = [](QTextCharFormat format) {
        format.clearProperty(QTextFormat::FontPointSize);
        return format;
    };
    for (const char *probe : {"кӯлл", "сущ.", "кӯлл вӣгкэ", "перен.", "добыча", "черта", "зачёркнуто"}) {
        EXPECT_EQ(describeChar(withoutSize(charFormatOf(*back, probe))),
                  describeChar(withoutSize(charFormatOf(doc, probe)), doc.defaultFont().family())) << probe;
    }
    // Sizes the HTML gives relative to the default font become points.
    EXPECT_EQ(charFormatOf(*back, QString::fromUtf16(u"Ӓӈӯ")).fontPointSize(), 22);
    EXPECT_EQ(charFormatOf(*back, QString::fromUtf16(u"мелко")).fontPointSize(), 9); // 8.8 pt, whole half points
    EXPECT_EQ(charFormatOf(*back, QString::fromUtf16(u"рыба")).fontPointSize(), 11);
    for (QTextBlock a = doc.begin(), b = back->begin(); a.isValid(); a = a.next(), b = b.next())
        EXPECT_EQ(describeBlock(b.blockFormat()), describeBlock(a.blockFormat())) << a.text().toStdString();
}

} // namespace
} // namespace lumolex::rtf::test
