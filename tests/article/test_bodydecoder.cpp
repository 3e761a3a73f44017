// Article bodies: zlib streams holding RTF or plain text, decoded into a
// document or straight to text; damaged and oversized streams.
#include "article/bodydecoder.h"

#include "rtf/rtfreader.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

const QString kNotice = QString::fromUtf16(u"Статья повреждена и не может быть показана.");

QByteArray corpusFile(const char *name)
{
    QFile file(QStringLiteral(LUMOLEX_TEST_DATA_DIR "/rtf/corpus/") + QLatin1StringView(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A document with content, formatting and an undo history, as a caller's
// view holds before the next article comes in.
void fillWithOldArticle(QTextDocument *doc)
{
    QTextCursor cursor(doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("old article"), bold);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second paragraph"));
}

TEST(BodyDecoder, DeflateWritesAZlibStreamWithoutLengthPrefix)
{
    const QByteArray stored = deflateBody("{\\rtf1 x}");
    ASSERT_GE(stored.size(), 2);
    EXPECT_EQ(static_cast<unsigned char>(stored[0]), 0x78); // RFC 1950 header: deflate, 32 KB window
    EXPECT_EQ(((static_cast<unsigned char>(stored[0]) << 8) | static_cast<unsigned char>(stored[1])) % 31, 0);
    QByteArray inflated;
    ASSERT_TRUE(inflateBody(stored, &inflated));
    EXPECT_EQ(inflated, QByteArray("{\\rtf1 x}"));
}

TEST(BodyDecoder, NullAndEmptyBodiesLeaveTheDocumentEmpty)
{
    QTextDocument doc;
    fillWithOldArticle(&doc);
    EXPECT_EQ(decodeBody(QByteArray(), true, &doc), BodyKind::Null);
    EXPECT_TRUE(doc.isEmpty());
    fillWithOldArticle(&doc);
    EXPECT_EQ(decodeBody(QByteArray(""), false, &doc), BodyKind::Empty);
    EXPECT_TRUE(doc.isEmpty());

    BodyKind kind = BodyKind::RichText;
    EXPECT_TRUE(bodyPlainText(QByteArray(), true, &kind).isEmpty());
    EXPECT_EQ(kind, BodyKind::Null);
    EXPECT_TRUE(bodyPlainText(QByteArray(""), false, &kind).isEmpty());
    EXPECT_EQ(kind, BodyKind::Empty);
}

TEST(BodyDecoder, RichTextBodyReplacesTheDocument)
{
    QTextDocument doc;
    fillWithOldArticle(&doc);
    const QByteArray rtf = corpusFile("wordpad_cp1251_kildin.rtf");
    ASSERT_FALSE(rtf.isEmpty());
    EXPECT_EQ(decodeBody(deflateBody(rtf), false, &doc), BodyKind::RichText);

    QTextDocument direct;
    rtf::readDocument(rtf, &direct);
    EXPECT_EQ(doc.toPlainText(), direct.toPlainText());
    EXPECT_FALSE(doc.toPlainText().contains(QStringLiteral("old article")));
    const QTextBlock first = doc.begin();
    EXPECT_EQ(first.blockFormat().leftMargin(), 567 / 15.0);
    EXPECT_EQ(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(first.begin().fragment().text(), QString::fromUtf16(u"канд"));
}

TEST(BodyDecoder, DecodedDocumentEqualsTheReadersDocument)
{
    // The body is decoded into a fresh document and then moved into the
    // caller's: every paragraph and character format must arrive.
    for (const char *name : {"wordpad_cp1251_kildin.rtf", "rtfjs__sample.rtf", "tika__testRTFListMicrosoftWord.rtf",
                             "rtfjs__paragraph-properties.rtf", "tika__testRTFHyperlink.rtf"}) {
        const QByteArray rtf = corpusFile(name);
        ASSERT_FALSE(rtf.isEmpty()) << name;
        QTextDocument direct;
        rtf::readDocument(rtf, &direct);
        QTextDocument decoded;
        fillWithOldArticle(&decoded);
        decodeBody(deflateBody(rtf), false, &decoded);
        EXPECT_EQ(decoded.toHtml(), direct.toHtml()) << name;
    }
}

TEST(BodyDecoder, LeadingWhitespaceBeforeTheRtfHeader)
{
    QTextDocument doc;
    EXPECT_EQ(decodeBody(deflateBody("\r\n  {\\rtf1 \\b x}"), false, &doc), BodyKind::RichText);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("x"));
}

TEST(BodyDecoder, PlainTextBodies)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"utf8", QString::fromUtf16(u"кӯлл — рыба").toUtf8(), QString::fromUtf16(u"кӯлл — рыба")},
        {"utf8 with bom", "\xEF\xBB\xBF" + QByteArray("abc"), QStringLiteral("abc")},
        {"windows-1251", "\xea\xe0\xed\xe4 \xb8\xeb\xea\xe0", QString::fromUtf16(u"канд ёлка")},
        {"utf16 with bom", QByteArray("\xFF\xFE" "a\0b\0", 6), QStringLiteral("ab")},
        {"line ends", "a\r\nb\rc\nd", QStringLiteral("a\nb\nc\nd")},
        {"controls dropped", QByteArray("a\0b\x01" "c\td", 7), QStringLiteral("abc\td")},
    };
    for (const auto &c : cases) {
        QTextDocument doc;
        BodyKind kind = BodyKind::Null;
        EXPECT_EQ(decodeBody(deflateBody(c.bytes), false, &doc), BodyKind::PlainText) << c.name;
        EXPECT_EQ(doc.toPlainText(), c.text) << c.name;
        EXPECT_EQ(bodyPlainText(deflateBody(c.bytes), false, &kind), c.text) << c.name;
        EXPECT_EQ(kind, BodyKind::PlainText) << c.name;
    }
}

TEST(BodyDecoder, DamagedBodiesShowANoticeInsteadOfTheArticle)
{
    const QByteArray good = deflateBody(corpusFile("wordpad_cp1251_kildin.rtf"));
    QByteArray badChecksum = good;
    badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 0x55);
    const struct
    {
        const char *name;
        QByteArray stored;
    } cases[] = {
        {"not zlib", "{\\rtf1 stored without compression}"},
        {"truncated stream", good.left(good.size() / 2)},
        {"bad checksum", badChecksum},
        {"length-prefixed qCompress format", qCompress(QByteArray("{\\rtf1 x}"))},
        {"header only", QByteArray("\x78\x9c", 2)},
    };
    for (const auto &c : cases) {
        QTextDocument doc;
        fillWithOldArticle(&doc);
        EXPECT_EQ(decodeBody(c.stored, false, &doc), BodyKind::Damaged) << c.name;
        EXPECT_EQ(doc.toPlainText(), kNotice) << c.name;
        BodyKind kind = BodyKind::RichText;
        EXPECT_TRUE(bodyPlainText(c.stored, false, &kind).isEmpty()) << c.name;
        EXPECT_EQ(kind, BodyKind::Damaged) << c.name;
    }
}

TEST(BodyDecoder, InflatedSizeIsBounded)
{
    const QByteArray payload(5000, 'a');
    const QByteArray stored = deflateBody(payload);
    QByteArray out;
    EXPECT_TRUE(inflateBody(stored, &out, 5000));
    EXPECT_EQ(out, payload);
    EXPECT_FALSE(inflateBody(stored, &out, 4999));
    EXPECT_TRUE(out.isEmpty());
}

TEST(BodyDecoder, ZlibBombGetsTheNotice)
{
    // 64 MB of spaces compress to about 64 KB; the limit is 16 MB.
    const QByteArray bomb = deflateBody(QByteArray(4 * kMaxInflatedBody, ' '));
    ASSERT_LT(bomb.size(), 200 * 1024);
    QTextDocument doc;
    EXPECT_EQ(decodeBody(bomb, false, &doc), BodyKind::Damaged);
    EXPECT_EQ(doc.toPlainText(), kNotice);
}

TEST(BodyDecoder, KeepsTheCallersDefaultsAndUndoSetting)
{
    QTextDocument doc;
    const QFont font(QStringLiteral("DejaVu Sans"), 13);
    doc.setDefaultFont(font);
    doc.setUndoRedoEnabled(true);
    fillWithOldArticle(&doc);
    decodeBody(deflateBody("{\\rtf1 x\\par y}"), false, &doc);
    EXPECT_EQ(doc.defaultFont(), font);
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("x\ny"));
    EXPECT_EQ(doc.blockCount(), 2);
}

TEST(BodyDecoder, FastPathTextEqualsTheDocumentsText)
{
    const QByteArray bodies[] = {
        corpusFile("wordpad_cp1251_kildin.rtf"),
        corpusFile("tika__testRTFVarious.rtf"),
        corpusFile("rtfjs__sample.rtf"),
        QString::fromUtf16(u"plain\u00a0text\u2028with\u2029separators\r\nend").toUtf8(),
        "{\\rtf1 truncated {\\b bold",
    };
    for (const QByteArray &body : bodies) {
        ASSERT_FALSE(body.isEmpty());
        const QByteArray stored = deflateBody(body);
        QTextDocument doc;
        const BodyKind documentKind = decodeBody(stored, false, &doc);
        BodyKind textKind = BodyKind::Null;
        EXPECT_EQ(bodyPlainText(stored, false, &textKind), doc.toPlainText()) << body.left(60).constData();
        EXPECT_EQ(textKind, documentKind);
    }
}

} // namespace
} // namespace lumolex
