// The character and paragraph formatting the reader gives for small
// snippets: toggles, sizes, fonts, colours, group scope, indents, alignment,
// spacing and tabs.
#include "rtftesthelpers.h"

#include <gtest/gtest.h>

namespace lumolex::rtf::test {
namespace {

struct FormatCase
{
    const char *name;
    QByteArray rtf;
    QString probe;           // text whose first character is looked at
    const char *character;   // expected describeChar(), nullptr = not checked
    const char *paragraph;   // expected describeBlock(), nullptr = not checked
};

void PrintTo(const FormatCase &c, std::ostream *out)
{
    *out << c.name;
}

std::string caseName(const testing::TestParamInfo<FormatCase> &info)
{
    return info.param.name;
}

const QByteArray kColors = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
const QByteArray kFonts = "{\\fonttbl{\\f0 Alpha;}{\\f1 Beta;}}";

class ReaderFormat : public testing::TestWithParam<FormatCase>
{
};

TEST_P(ReaderFormat, GivesTheExpectedFormat)
{
    const FormatCase &c = GetParam();
    const auto doc = readRtf(c.rtf);
    ASSERT_TRUE(blockOf(*doc, c.probe).isValid()) << "no " << c.probe.toStdString() << " in "
                                                  << doc->toPlainText().toStdString();
    if (c.character) {
        EXPECT_EQ(describeChar(charFormatOf(*doc, c.probe)), QString::fromUtf8(c.character));
    }
    if (c.paragraph) {
        EXPECT_EQ(describeBlock(blockOf(*doc, c.probe).blockFormat()), QString::fromUtf8(c.paragraph));
    }
}

INSTANTIATE_TEST_SUITE_P(Character, ReaderFormat, testing::Values(
    FormatCase{"BoldWithoutParameter", "{\\rtf1 \\b x}", "x", "bold size=12", nullptr},
    FormatCase{"BoldZeroIsOff", "{\\rtf1 \\b a\\b0 x}", "x", "size=12", nullptr},
    FormatCase{"BoldOneIsOn", "{\\rtf1 \\b0 a\\b1 x}", "x", "bold size=12", nullptr},
    FormatCase{"ItalicUnderlineStrike", "{\\rtf1 \\i\\ul\\strike x}", "x", "italic underline strike size=12", nullptr},
    FormatCase{"UlnoneEndsUnderline", "{\\rtf1 \\ul a\\ulnone x}", "x", "size=12", nullptr},
    FormatCase{"DottedUnderline", "{\\rtf1 \\uld x}", "x", "underline size=12", nullptr},
    FormatCase{"WordUnderline", "{\\rtf1 \\ulw x}", "x", "underline size=12", nullptr},
    FormatCase{"DoubleUnderline", "{\\rtf1 \\uldb x}", "x", "underline size=12", nullptr},
    FormatCase{"DoubleStrike", "{\\rtf1 \\striked1 x}", "x", "strike size=12", nullptr},
    FormatCase{"HalfPoints", "{\\rtf1 \\fs36 a\\fs23 x}", "x", "size=11.5", nullptr},
    FormatCase{"DefaultSizeIsTwelvePoints", "{\\rtf1 x}", "x", "size=12", nullptr},
    FormatCase{"FontFromTheTable", "{\\rtf1" + kFonts + "\\f1 x}", "x", "size=12 family=Beta", nullptr},
    FormatCase{"FontNameIgnoresPanoseAndAlternate",
               "{\\rtf1{\\fonttbl{\\f3\\froman\\fcharset0{\\*\\panose 0202}Times New Roman{\\*\\falt Tms};}}\\f3 x}",
               "x", "size=12 family=Times New Roman", nullptr},
    FormatCase{"MacStyleFontTable", "{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier;}\\f1 x}", "x",
               "size=12 family=Courier", nullptr},
    FormatCase{"FontNameInItsCharset", "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset204 \\'d2\\'e5\\'ea\\'f1\\'f2;}}\\f1 x}",
               "x", "size=12 family=Текст", nullptr},
    FormatCase{"DefaultFontFromDeff", "{\\rtf1\\deff1" + kFonts + " x}", "x", "size=12 family=Beta", nullptr},
    FormatCase{"ForegroundColour", "{\\rtf1" + kColors + "\\cf1 a\\cf2 x}", "x", "size=12 color=#0000ff", nullptr},
    FormatCase{"Cf0IsTheAutomaticColour", "{\\rtf1" + kColors + "\\cf1 a\\cf0 x}", "x", "size=12", nullptr},
    FormatCase{"ColourPastTheEndIsIgnored", "{\\rtf1" + kColors + "\\cf1 a\\cf9 x}", "x", "size=12 color=#ff0000",
               nullptr},
    FormatCase{"HighlightIsBackground", "{\\rtf1" + kColors + "\\highlight2 x}", "x", "size=12 bg=#0000ff", nullptr},
    FormatCase{"Superscript", "{\\rtf1 a{\\super x}}", "x", "super size=12", nullptr},
    FormatCase{"NosupersubEndsSubscript", "{\\rtf1 \\sub a\\nosupersub x}", "x", "size=12", nullptr},
    FormatCase{"Capitals", "{\\rtf1 \\caps a\\caps0\\scaps x}", "x", "smallcaps size=12", nullptr},
    FormatCase{"HyperlinkBecomesAnAnchor",
               "{\\rtf1 {\\field{\\*\\fldinst{HYPERLINK \"http://example.org/\" \\\\o \"tip\"}}{\\fldrslt{x}}}}", "x",
               "size=12 link=http://example.org/", nullptr},
    FormatCase{"PlainResetsToTheDefaultFont",
               "{\\rtf1\\deff0" + kFonts + kColors + "\\f1\\fs40\\b\\i\\ul\\cf1 a\\plain x}", "x", "size=12 family=Alpha",
               nullptr},
    FormatCase{"GroupRestoresCharacterState", "{\\rtf1" + kFonts + "\\f0 {\\f1\\b\\fs40 a}x}", "x",
               "size=12 family=Alpha", nullptr},
    FormatCase{"GroupRestoresCodePage",
               "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f1\\fcharset204 C;}}{\\f1 \\'e0}\\'e0x}", "àx", "size=12",
               nullptr}),
    caseName);

INSTANTIATE_TEST_SUITE_P(Paragraph, ReaderFormat, testing::Values(
    FormatCase{"IndentsInTwips", "{\\rtf1 \\li1440\\ri720\\fi-360 x}", "x", nullptr, "left=96 right=48 indent=-24"},
    FormatCase{"Centered", "{\\rtf1 \\qc x}", "x", nullptr, "center"},
    FormatCase{"RightAligned", "{\\rtf1 \\qr x}", "x", nullptr, "right"},
    FormatCase{"Justified", "{\\rtf1 \\qj x}", "x", nullptr, "justify"},
    FormatCase{"SpaceBeforeAndAfter", "{\\rtf1 \\sb240\\sa120 x}", "x", nullptr, "top=16 bottom=8"},
    FormatCase{"LineSpacingMultiple", "{\\rtf1 \\sl360\\slmult1 x}", "x", nullptr, "line=150%"},
    FormatCase{"LineSpacingExactly", "{\\rtf1 \\sl-300\\slmult0 x}", "x", nullptr, "line=exactly 20"},
    FormatCase{"LineSpacingAtLeast", "{\\rtf1 \\sl300 x}", "x", nullptr, "line=at least 20"},
    FormatCase{"TabStops", "{\\rtf1 \\tx720\\tqr\\tx2880\\tqc\\tx4320 x}", "x", nullptr,
               "tab=left@48 tab=right@192 tab=center@288"},
    FormatCase{"RightToLeft", "{\\rtf1 \\rtlpar x}", "x", nullptr, "rtl"},
    FormatCase{"PropertiesBeforeParApplyToTheClosedParagraph", "{\\rtf1 x\\qc\\li720\\par\\pard b}", "x", nullptr,
               "left=48 center"},
    FormatCase{"PardStartsTheNextParagraphPlain", "{\\rtf1 a\\qc\\par\\pard x}", "x", nullptr, ""},
    FormatCase{"PardKeepsCharacterFormatting", "{\\rtf1 \\b\\qc a\\par\\pard x}", "x", "bold size=12", ""},
    FormatCase{"GroupRestoresParagraphState", "{\\rtf1 {\\qc a\\par}x}", "x", nullptr, ""}),
    caseName);

TEST(ReaderFormat, EmptyParagraphKeepsTheHeightOfItsMark)
{
    const auto doc = readRtf("{\\rtf1 a\\par\\fs48\\par b}");
    ASSERT_EQ(doc->blockCount(), 3);
    EXPECT_EQ(describeChar(doc->findBlockByNumber(1).charFormat()), QStringLiteral("size=24"));
}

TEST(ReaderFormat, RunsOfEqualFormatShareOneFragment)
{
    const auto doc = readRtf("{\\rtf1 a{\\b0 b}\\plain c\\b d\\b0 e}");
    QStringList fragments;
    for (auto it = doc->begin().begin(); !it.atEnd(); ++it)
        fragments << it.fragment().text();
    EXPECT_EQ(fragments, QStringList({QStringLiteral("abc"), QStringLiteral("d"), QStringLiteral("e")}));
}

TEST(ReaderFormat, HiddenTextIsNotShown)
{
    EXPECT_EQ(textOf("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}"), QStringLiteral("abd"));
}

TEST(ReaderFormat, NonBreakingSpaceStaysInTheDocument)
{
    const QByteArray rtf = "{\\rtf1 a\\~b}";
    EXPECT_EQ(readRtf(rtf)->toRawText(), QString::fromUtf16(u"a\u00a0b"));
    EXPECT_EQ(textOf(rtf), QStringLiteral("a b"));
}

TEST(ReaderFormat, LineBreakStaysInsideTheParagraph)
{
    const auto doc = readRtf("{\\rtf1 a\\line b}");
    EXPECT_EQ(doc->blockCount(), 1);
    EXPECT_EQ(doc->begin().text(), QString::fromUtf16(u"a\u2028b"));
}

} // namespace
} // namespace lumolex::rtf::test
