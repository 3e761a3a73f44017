// The text of history files: line ends, code pages, and the bounds of what
// is read from a file of any size.
#include "app/store/historycodec.h"

#include <gtest/gtest.h>

using lumolex::decodeHistory;
using lumolex::encodeHistory;
using lumolex::HistoryEncoding;
using lumolex::HistoryLimits;

namespace {

QByteArray lines(int count, const QByteArray &prefix = "entry ")
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += prefix + QByteArray::number(i) + "\r\n";
    return bytes;
}

QStringList entries(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("entry %1").arg(i);
    return list;
}

} // namespace

TEST(HistoryCodec, LineEndsAreCrLfAndOnlyTheFinalEmptyPieceIsDropped)
{
    const struct { QByteArray bytes; QStringList entries; } decoded[] = {
        {"a\r\nb\r\n", {"a", "b"}}, {"a\nb\n", {"a", "b"}}, {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}}, {"\r\n", {""}}, {"", {}}, {"\xEF\xBB\xBF", {}},
        {" a \r\n", {" a "}}, // spaces belong to the entries
        {QByteArray("\xFF\xFE" "a\0\r\0\n\0\n\0b\0", 12), {"a", "", "b"}},
        // In UTF-16 a byte 0x0A is a line end only as the unit 0x000A.
        {QByteArray("\xFE\xFF\0a\x0a\0", 6), {QStringLiteral("a") + QChar(0x0A00)}},
        // After the file's mark, a U+FEFF opening a line belongs to the entry.
        {QByteArray("\xFF\xFE\xFF\xFE\xFF\xFE", 6), {QString(2, QChar(0xFEFF))}},
        {QByteArray("\xFE\xFF\xFE\xFF", 4), {QString(1, QChar(0xFEFF))}},
        {"\xEF\xBB\xBF" "a\r\n\xEF\xBB\xBF" "b", {"a", QChar(0xFEFF) + QStringLiteral("b")}},
    };
    for (const auto &c : decoded)
        EXPECT_EQ(decodeHistory(c.bytes).entries, c.entries) << c.bytes.toHex().toStdString();
    HistoryEncoding used;
    EXPECT_EQ(encodeHistory({"a", "", "b"}, HistoryEncoding::Windows1251, &used), QByteArray("a\r\n\r\nb\r\n"));
    EXPECT_EQ(encodeHistory({}, HistoryEncoding::Windows1251, &used), QByteArray());
    // Line breaks inside an entry do not split it.
    EXPECT_EQ(encodeHistory({"one\r\ntwo", "three\nfour"}, HistoryEncoding::Windows1251, &used),
              QByteArray("one two\r\nthree four\r\n"));
}

TEST(HistoryCodec, EveryByteOfAFileWithoutMarkSurvivesReadAndWrite)
{
    // Even a file that is not Windows-1251 text at all comes back unchanged.
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all += char(b);
    }
    all += "\r\n";
    const lumolex::HistoryText text = decodeHistory(all);
    ASSERT_EQ(text.entries.size(), 1);
    EXPECT_EQ(text.entries[0].at(0xC0 - 1 - 2), QChar(u'А'));   // 0xC0, less the bytes 0, CR, LF
    HistoryEncoding used;
    EXPECT_EQ(encodeHistory(text.entries, text.encoding, &used), all);
    EXPECT_EQ(used, HistoryEncoding::Windows1251);
}

TEST(HistoryCodec, OnlyTheFirstEntriesAListCanHoldAreRead)
{
    const int most = HistoryLimits::entries;
    const struct { const char *what; QByteArray bytes; int kept; bool cut; } cases[] = {
        {"as many as a list holds", lines(most), most, false},
        {"the last one without a line end", lines(most).chopped(2), most, false},
        {"one more", lines(most + 1), most, true},
        {"one more, empty", lines(most) + "\r\n", most, true},
        {"100,000", lines(100000), most, true},
        {"UTF-8, one more", "\xEF\xBB\xBF" + lines(most + 1), most, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const lumolex::HistoryText text = decodeHistory(c.bytes);
        EXPECT_EQ(text.entries, entries(c.kept));   // the newest, at the top of the file
        EXPECT_EQ(text.cut, c.cut);
    }
}

TEST(HistoryCodec, LinesAcrossTheReadingPiecesStayWhole)
{
    // Files are read in pieces of 64 KB: a line end of UTF-16 and a letter of
    // UTF-8 that straddle two pieces are still found and decoded.
    const QByteArray utf16 = QByteArray("\xFF\xFE") + QByteArray(65534, 'a').replace("aa", QByteArray("a\0", 2))
            + QByteArray("\r\0\n\0b\0\r\0\n\0", 10);
    const lumolex::HistoryText wide = decodeHistory(utf16);
    ASSERT_EQ(wide.entries.size(), 2);
    EXPECT_EQ(wide.entries[1], QStringLiteral("b"));

    // The mark and the first line fill the first piece but one byte.
    const QByteArray utf8 = "\xEF\xBB\xBF" + QByteArray(65530, 'a') + QStringLiteral("\r\nӧ\r\n").toUtf8();
    const lumolex::HistoryText narrow = decodeHistory(utf8);
    ASSERT_EQ(narrow.entries.size(), 2);
    EXPECT_EQ(narrow.entries[1], QStringLiteral("ӧ"));
}

TEST(HistoryCodec, EachEntryIsCutToTheLongestAListKeeps)
{
    const int most = HistoryLimits::entryLength;
    const QString kildin = QStringLiteral("ӧ").repeated(most);
    const QString emoji = QString(most - 1, QLatin1Char('a')) + QStringLiteral("😀");   // a pair across the limit
    const struct { const char *what; QByteArray bytes; QString first; bool cut; } cases[] = {
        {"as long as kept", QByteArray(most, 'a') + "\r\nb\r\n", QString(most, QLatin1Char('a')), false},
        {"one longer", QByteArray(most + 1, 'a') + "\r\nb\r\n", QString(most, QLatin1Char('a')), true},
        {"10 MB", QByteArray(10 * 1024 * 1024, 'a') + "\r\nb\r\n", QString(most, QLatin1Char('a')), true},
        {"two-byte letters", "\xEF\xBB\xBF" + (kildin + QStringLiteral("\r\nb\r\n")).toUtf8(), kildin, false},
        {"no half of a pair", "\xEF\xBB\xBF" + (emoji + QStringLiteral("\r\nb\r\n")).toUtf8(),
         QString(most - 1, QLatin1Char('a')), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const lumolex::HistoryText text = decodeHistory(c.bytes);
        ASSERT_EQ(text.entries.size(), 2);
        EXPECT_EQ(text.entries[0], c.first);
        EXPECT_EQ(text.entries[1], QStringLiteral("b"));
        EXPECT_EQ(text.longEntriesCut, c.cut);
        EXPECT_FALSE(text.cut);
    }
}
