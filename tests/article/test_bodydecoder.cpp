// Article bodies: zlib streams holding RTF or plain text, decoded into a
// document or straight to text; damaged and oversized streams.
#include "article/bodydecoder.h"

#include "rtf/rtfreader.h"

#include <QFile>
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

TEST(BodyDecoder, StreamsAreZlibWithoutLengthPrefixAndBounded)
{
    const QByteArray payload(5000, 'a');
    const QByteArray stored = deflateBody(payload);
    ASSERT_GE(stored.size(), 2);
    EXPECT_EQ(static_cast<unsigned char>(stored[0]), 0x78); // RFC 1950 header: deflate, 32 KB window
    EXPECT_EQ(((static_cast<unsigned char>(stored[0]) << 8) | static_cast<unsigned char>(stored[1])) % 31, 0);
    QByteArray out;
    EXPECT_TRUE(inflateBody(stored, &out, 5000));
    EXPECT_EQ(out, payload);
    EXPECT_FALSE(inflateBody(stored, &out, 4999));
    EXPECT_TRUE(out.isEmpty());
}

TEST(BodyDecoder, NullAndEmptyBodiesLeaveTheDocumentEmpty)
{
    for (const bool isNull : {true, false}) {
        SCOPED_TRACE(isNull ? "null" : "empty");
        const BodyKind expected = isNull ? BodyKind::Null : BodyKind::Empty;
        QTextDocument doc;
        fillWithOldArticle(&doc);
        EXPECT_EQ(decodeBody(isNull ? QByteArray() : QByteArray(""), isNull, &doc), expected);
        EXPECT_TRUE(doc.isEmpty());
        BodyKind kind = BodyKind::RichText;
        EXPECT_TRUE(bodyPlainText(isNull ? QByteArray() : QByteArray(""), isNull, &kind).isEmpty());
        EXPECT_EQ(kind, expected);
    }
}

// The body is decoded into a fresh document with the caller's defaults and
// then moved into the caller's: every paragraph and character format must
// arrive, the caller's default font and undo setting stay, and the fast
// path gives the document's text.
TEST(BodyDecoder, RichTextBodiesArriveAsTheReaderReadsThem)
{
    const QByteArray bodies[] = {
        corpusFile("wordpad_cp1251_kildin.rtf"), corpusFile("rtfjs__sample.rtf"),
        corpusFile("tika__testRTFListMicrosoftWord.rtf"), corpusFile("rtfjs__paragraph-properties.rtf"),
        corpusFile("tika__testRTFHyperlink.rtf"), corpusFile("tika__testRTFVarious.rtf"),
        "\r\n  {\\rtf1 \\b x\\par y}", // white space before the header
        "{\\rtf1 truncated {\\b bold",
    };
    const QFont font(QStringLiteral("DejaVu Sans"), 13);
    for (const QByteArray &rtf : bodies) {
        ASSERT_FALSE(rtf.isEmpty());
        SCOPED_TRACE(rtf.left(60).constData());
        QTextDocument direct;
        direct.setDefaultFont(font);
        rtf::readDocument(rtf, &direct);
        QTextDocument decoded;
        decoded.setDefaultFont(font);
        decoded.setUndoRedoEnabled(true);
        fillWithOldArticle(&decoded);
        const QByteArray stored = deflateBody(rtf);
        EXPECT_EQ(decodeBody(stored, false, &decoded), BodyKind::RichText);
        EXPECT_EQ(decoded.toHtml(), direct.toHtml());
        EXPECT_EQ(decoded.defaultFont(), font);
        EXPECT_TRUE(decoded.isUndoRedoEnabled());
        BodyKind kind = BodyKind::Null;
        EXPECT_EQ(bodyPlainText(stored, false, &kind), decoded.toPlainText());
        EXPECT_EQ(kind, BodyKind::RichText);
    }
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
        {"separators and no-break space", QString::fromUtf16(u"a\u00a0b\u2028c\u2029d\ufdd0e").toUtf8(),
         QStringLiteral("a b\nc\nd\ne")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        BodyKind kind = BodyKind::Null;
        EXPECT_EQ(decodeBody(deflateBody(c.bytes), false, &doc), BodyKind::PlainText);
        EXPECT_EQ(doc.toPlainText(), c.text);
        EXPECT_EQ(bodyPlainText(deflateBody(c.bytes), false, &kind), c.text);
        EXPECT_EQ(kind, BodyKind::PlainText);
    }
}

TEST(BodyDecoder, DamagedBodiesShowANoticeInsteadOfTheArticle)
{
    const QByteArray good = deflateBody(corpusFile("wordpad_cp1251_kildin.rtf"));
    QByteArray badChecksum = good;
    badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 0x55);
    // 64 MB of spaces compress to about 64 KB; the limit is 16 MB.
    const QByteArray bomb = deflateBody(QByteArray(4 * kMaxInflatedBody, ' '));
    ASSERT_LT(bomb.size(), 200 * 1024);
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
        {"zlib bomb", bomb},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        fillWithOldArticle(&doc);
        EXPECT_EQ(decodeBody(c.stored, false, &doc), BodyKind::Damaged);
        EXPECT_EQ(doc.toPlainText(), kNotice);
        BodyKind kind = BodyKind::RichText;
        EXPECT_TRUE(bodyPlainText(c.stored, false, &kind).isEmpty());
        EXPECT_EQ(kind, BodyKind::Damaged);
    }
}

} // namespace
} // namespace lumolex
