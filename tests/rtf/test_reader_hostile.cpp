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

// Each case: the text both sinks give, and whether the input counts as
// damaged (repaired: groups left open, input ending inside a control
// sequence or a payload, groups nested too deeply).
TEST(ReaderHostile, BrokenInputKeepsWhatCouldBeRead)
{
    const int beyondLimit = Limits::kMaxGroupDepth + 500;
    const QByteArray payload = "}{\\par\\'41{\\*\\x}}text";
    const QByteArray bin = "\\bin" + QByteArray::number(payload.size()) + ' ';
    const struct
    {
        const char *name;
        QByteArray rtf;
        QString text;
        bool damaged;
    } cases[] = {
        {"missing closing braces", "{\\rtf1 {\\b one\\par two", "one\ntwo", true},
        {"extra closing braces stop at the root", "{\\rtf1 a}}}b", "a", false},
        {"100000 opening braces", "{\\rtf1 start" + QByteArray(100000, '{') + "\\b deep", "startdeep", true},
        {"beyond the depth limit braces still balance",
         "{\\rtf1 " + QByteArray(beyondLimit, '{') + "in" + QByteArray(beyondLimit, '}') + "out}", "inout", true},
        {"binary payload past the end", "{\\rtf1 a\\bin999999999 {}\\\\bc", "a", true},
        {"negative binary length is zero", "{\\rtf1 a\\bin-5 b}", "ab", false},
        {"binary payload never becomes text", "{\\rtf1 a{\\pict" + bin + payload + "}b" + bin + payload + "c}", "abc", false},
        {"long control words are ignored whole",
         "{\\rtf1 a\\" + QByteArray(100000, 'b') + "123 c\\" + QByteArray(33, 'p') + " d}", "acd", false},
        {"huge unicode skip count", "{\\rtf1 \\uc2147483647\\u1235?abcdefghij}", "ӓhij", false},
        {"negative unicode skip count", "{\\rtf1 \\uc-5\\u1235?}", "ӓ?", false},
        {"NUL bytes are dropped", QByteArray("{\\rtf1 a\0b\\'00c\\u0?d}", 21), "abc\uFFFDd", false},
        // \uN for paragraph separators are paragraph breaks; the document's
        // own frame markers are replaced, so both sinks agree on every position
        {"control characters never split paragraphs", "{\\rtf1 a\\u8233?b\\u64976?c\\u65533?d\\u13?e\\u10?f\\u12?g}",
         "a\nb\uFFFDc\uFFFDd\ne\nf\uFFFDg", false},
        {"truncated hex escape", "{\\rtf1 a\\'", "a", true},
        {"truncated hex digit", "{\\rtf1 a\\'4", "a", true},
        {"truncated backslash", "{\\rtf1 a\\", "a", true},
        {"truncated control word", "{\\rtf1 a\\pa", "a", true},
        {"truncated unicode", "{\\rtf1 a\\u1235", "aӓ", true},
        {"truncated unicode sign", "{\\rtf1 a\\u-", "a-", true},
        {"truncated payload", "{\\rtf1 a\\bin5 xy", "a", true},
        {"truncated destination", "{\\rtf1 a{\\*\\unknown b", "a", true},
        {"truncated font table", "{\\rtf1 a{\\fonttbl{\\f0 Ari", "a", true},
        {"truncated double-byte character", "{\\rtf1\\ansicpg932 {\\fonttbl{\\f0\\fcharset128 M;}}\\f0 a\\'94",
         "a\uFFFD", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const HostileResult result = readHostile(c.rtf);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.damaged, c.damaged);
    }
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

// A reference past the capped table gives the default; one inside it works.
TEST(ReaderHostile, LargeColourAndFontTablesAreCapped)
{
    QByteArray colours = "{\\rtf1{\\colortbl;";
    for (int i = 0; i < 200000; ++i)
        colours += "\\red1\\green2\\blue3;";
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 40000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
    for (const auto &[rtf, inside] : {std::pair{colours + "}\\cf40000 a\\cf30000 b}", "size=12 color=#010203"},
                                      std::pair{fonts + "}\\f39999 a\\f100 b}", "size=12 family=F100"}}) {
        const auto doc = readRtf(rtf);
        EXPECT_EQ(doc->toPlainText(), QStringLiteral("ab"));
        EXPECT_EQ(describeChar(charFormatOf(*doc, QStringLiteral("a"))), QStringLiteral("size=12"));
        EXPECT_EQ(describeChar(charFormatOf(*doc, QStringLiteral("b"))), QString::fromLatin1(inside));
    }
}

TEST(ReaderHostile, EmptyAndHeaderlessInput)
{
    for (const QByteArray &input : {QByteArray(), QByteArray("plain text"), QByteArray("   "), QByteArray("{\\rt")}) {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("old content"));
        readDocument(input, &doc);
        EXPECT_TRUE(doc.isEmpty()) << "the old content must not stay";
        ReadResult result;
        EXPECT_TRUE(plainText(input, &result).isEmpty());
        EXPECT_FALSE(result.isRtf);
    }
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
