// Hostile and broken input: the reader always ends, keeps what it could
// read, flags the damage, and stays within bounded time and memory. The
// same cases run under AddressSanitizer and UndefinedBehaviorSanitizer
// (configure with -DLUMOLEX_SANITIZE=ON).
#include "rtftesthelpers.h"

#include "rtf/rtfinterpreter.h"

#include <QRandomGenerator>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace lumolex::rtf::test {
namespace {

struct HostileResult
{
    QString text;
    bool damaged = false;
};

HostileResult readHostile(QByteArrayView rtf)
{
    ReadResult result;
    const auto doc = readRtf(rtf, &result);
    const QString plain = plainText(rtf);
    EXPECT_EQ(plain, doc->toPlainText());
    EXPECT_FALSE(plain.contains(QChar(0))) << "a NUL reached the text";
    return {plain, result.damaged};
}

TEST(ReaderHostile, MissingClosingBracesKeepTheText)
{
    const HostileResult result = readHostile("{\\rtf1 {\\b one\\par two");
    EXPECT_EQ(result.text, QStringLiteral("one\ntwo"));
    EXPECT_TRUE(result.damaged);
}

TEST(ReaderHostile, ExtraClosingBracesStopAtTheRoot)
{
    const HostileResult result = readHostile("{\\rtf1 a}}}b");
    EXPECT_EQ(result.text, QStringLiteral("a"));
}

TEST(ReaderHostile, HundredThousandOpeningBraces)
{
    QByteArray rtf = "{\\rtf1 start";
    rtf += QByteArray(100000, '{');
    rtf += "\\b deep";
    const HostileResult result = readHostile(rtf);
    EXPECT_EQ(result.text, QStringLiteral("startdeep"));
    EXPECT_TRUE(result.damaged);
}

TEST(ReaderHostile, DeepButLegalNestingRestoresEveryLevel)
{
    // Real documents reach a depth of a few thousand.
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 3000; ++i)
        rtf += "{\\b";
    rtf += " x";
    rtf += QByteArray(3000, '}');
    rtf += "y}";
    const auto doc = readRtf(rtf);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("xy"));
    EXPECT_EQ(describeChar(charFormatOf(*doc, QStringLiteral("y"))), QStringLiteral("size=12"));
}

TEST(ReaderHostile, BeyondTheDepthLimitBracesStillBalance)
{
    QByteArray rtf = "{\\rtf1 ";
    const int depth = Limits::kMaxGroupDepth + 500;
    rtf += QByteArray(depth, '{') + "in" + QByteArray(depth, '}') + "out}";
    const HostileResult result = readHostile(rtf);
    EXPECT_EQ(result.text, QStringLiteral("inout"));
}

TEST(ReaderHostile, BinaryPayloadPastTheEnd)
{
    const HostileResult result = readHostile("{\\rtf1 a\\bin999999999 {}\\\\bc");
    EXPECT_EQ(result.text, QStringLiteral("a"));
    EXPECT_TRUE(result.damaged);
}

TEST(ReaderHostile, NegativeBinaryLengthIsZero)
{
    EXPECT_EQ(readHostile("{\\rtf1 a\\bin-5 b}").text, QStringLiteral("ab"));
}

TEST(ReaderHostile, BinaryPayloadNeverBecomesText)
{
    const QByteArray payload = "}{\\par\\'41{\\*\\x}}text";
    const QByteArray bin = "\\bin" + QByteArray::number(payload.size()) + ' ';
    const QByteArray rtf = "{\\rtf1 a{\\pict" + bin + payload + "}b" + bin + payload + "c}";
    EXPECT_EQ(readHostile(rtf).text, QStringLiteral("abc"));
}

TEST(ReaderHostile, HugeNumbersSaturate)
{
    QByteArray rtf = "{\\rtf1 \\li" + QByteArray(100000, '9') + "\\fs" + QByteArray(50, '9') + "\\sb-"
        + QByteArray(30, '9') + " x}";
    const auto doc = readRtf(rtf);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("x"));
    const QTextBlockFormat block = doc->begin().blockFormat();
    EXPECT_EQ(block.leftMargin(), Limits::kMaxTwips / 15.0);
    EXPECT_EQ(block.topMargin(), 0);
    EXPECT_EQ(charFormatOf(*doc, QStringLiteral("x")).fontPointSize(), Limits::kMaxHalfPoints / 2.0);
}

TEST(ReaderHostile, LongControlWordsAreIgnoredWhole)
{
    const QByteArray rtf = "{\\rtf1 a\\" + QByteArray(100000, 'b') + "123 c\\" + QByteArray(33, 'p') + " d}";
    EXPECT_EQ(readHostile(rtf).text, QStringLiteral("acd"));
}

TEST(ReaderHostile, UnicodeSkipCountIsClamped)
{
    EXPECT_EQ(readHostile("{\\rtf1 \\uc2147483647\\u1235?abcdefghij}").text, QString::fromUtf16(u"ӓhij"));
    EXPECT_EQ(readHostile("{\\rtf1 \\uc-5\\u1235?}").text, QString::fromUtf16(u"ӓ?"));
}

TEST(ReaderHostile, TruncationEndsCleanly)
{
    const struct
    {
        QByteArray rtf;
        QString text;
    } cases[] = {
        {"{\\rtf1 a\\'", QStringLiteral("a")},
        {"{\\rtf1 a\\'4", QStringLiteral("a")},
        {"{\\rtf1 a\\", QStringLiteral("a")},
        {"{\\rtf1 a\\pa", QStringLiteral("a")},
        {"{\\rtf1 a\\u1235", QString::fromUtf16(u"aӓ")},
        {"{\\rtf1 a\\u-", QStringLiteral("a-")},
        {"{\\rtf1 a\\bin5 xy", QStringLiteral("a")},
        {"{\\rtf1 a{\\*\\unknown b", QStringLiteral("a")},
        {"{\\rtf1 a{\\fonttbl{\\f0 Ari", QStringLiteral("a")},
        {"{\\rtf1\\ansicpg932 {\\fonttbl{\\f0\\fcharset128 M;}}\\f0 a\\'94", QString::fromUtf16(u"a\xfffd")},
    };
    for (const auto &c : cases) {
        const HostileResult result = readHostile(c.rtf);
        EXPECT_TRUE(result.damaged) << c.rtf.constData();
        EXPECT_EQ(result.text, c.text) << c.rtf.constData();
    }
}

TEST(ReaderHostile, LargeColourTableParsesAndIsCapped)
{
    QByteArray rtf = "{\\rtf1{\\colortbl;";
    for (int i = 0; i < 200000; ++i)
        rtf += "\\red1\\green2\\blue3;";
    rtf += "}\\cf40000 a\\cf30000 b}";
    const auto doc = readRtf(rtf);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("ab"));
    EXPECT_EQ(describeChar(charFormatOf(*doc, QStringLiteral("a"))), QStringLiteral("size=12"));
    EXPECT_EQ(describeChar(charFormatOf(*doc, QStringLiteral("b"))), QStringLiteral("size=12 color=#010203"));
}

TEST(ReaderHostile, LargeFontTableIsCapped)
{
    QByteArray rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 40000; ++i)
        rtf += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
    rtf += "}\\f39999 a\\f100 b}";
    const auto doc = readRtf(rtf);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("ab"));
    EXPECT_EQ(describeChar(charFormatOf(*doc, QStringLiteral("a"))), QStringLiteral("size=12"));
    EXPECT_EQ(describeChar(charFormatOf(*doc, QStringLiteral("b"))), QStringLiteral("size=12 family=F100"));
}

TEST(ReaderHostile, EmptyAndHeaderlessInput)
{
    for (const QByteArray &input : {QByteArray(), QByteArray("plain text"), QByteArray("   "), QByteArray("{\\rt")}) {
        ReadResult result;
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("old content"));
        readDocument(input, &doc);
        result = ReadResult();
        EXPECT_TRUE(plainText(input, &result).isEmpty());
        EXPECT_FALSE(result.isRtf);
        EXPECT_TRUE(doc.isEmpty()) << "the old content must not stay";
    }
}

TEST(ReaderHostile, NulBytesAreDropped)
{
    const QByteArray rtf("{\\rtf1 a\0b\\'00c\\u0?d}", 21);
    EXPECT_EQ(readHostile(rtf).text, QString::fromUtf16(u"abc\xfffd" "d"));
}

TEST(ReaderHostile, ControlCharactersNeverSplitParagraphs)
{
    // \uN for paragraph separators are paragraph breaks; the document's own
    // frame markers are replaced, so both sinks agree on every position.
    const HostileResult result = readHostile("{\\rtf1 a\\u8233?b\\u64976?c\\u65533?d\\u13?e\\u10?f\\u12?g}");
    EXPECT_EQ(result.text, QString::fromUtf16(u"a\nb\xfffd" "c\xfffd" "d\ne\nf\xfffdg"));
}

// Deterministic mutations of real documents: bytes flipped, cut, duplicated.
// Both sinks must agree and nothing may crash.
TEST(ReaderHostile, MutatedCorpusDocumentsKeepBothSinksInStep)
{
    const QByteArray seeds[] = {readTestFile(QStringLiteral("rtf/corpus/wordpad_cp1251_kildin.rtf")),
                                readTestFile(QStringLiteral("rtf/corpus/rtfjs__sample.rtf")),
                                readTestFile(QStringLiteral("rtf/corpus/tika__testRTF-ms932.rtf")),
                                readTestFile(QStringLiteral("rtf/corpus/tika__testRTFListMicrosoftWord.rtf"))};
    QRandomGenerator random(1234);
    static const char kInteresting[] = "{}\\'*;0123456789-? \r\nuabinparcellrow";
    for (const QByteArray &seed : seeds) {
        ASSERT_FALSE(seed.isEmpty());
        for (int round = 0; round < 150; ++round) {
            QByteArray mutated = seed;
            for (int edits = 1 + random.bounded(8); edits > 0; --edits) {
                const int at = random.bounded(int(mutated.size()));
                switch (random.bounded(4)) {
                case 0: mutated[at] = kInteresting[random.bounded(int(sizeof kInteresting - 1))]; break;
                case 1: mutated[at] = char(random.bounded(256)); break;
                case 2: mutated.truncate(std::max(at, 6)); break;
                case 3: mutated.insert(at, mutated.mid(random.bounded(int(mutated.size())), 40)); break;
                }
            }
            readHostile(mutated);
            if (testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace
} // namespace lumolex::rtf::test
