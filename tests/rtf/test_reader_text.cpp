// The reader on small snippets, one table per section of its requirements:
// the text (tokeniser, characters and encodings, destinations, breaks and
// tables), checked on both sinks, then the character and paragraph
// formatting (toggles, sizes, fonts, colours, group scope, indents,
// alignment, spacing and tabs).
#include "rtftesthelpers.h"

#include "rtf/rtfwriter.h"

#include <gtest/gtest.h>

namespace lumolex::rtf::test {
namespace {

struct TextCase
{
    const char *name;
    QByteArray rtf;
    QString text;
};

struct FormatCase
{
    const char *name;
    QByteArray rtf;
    QString probe;           // text whose first character is looked at
    const char *character;   // expected describeChar(), nullptr = not checked
    const char *paragraph;   // expected describeBlock(), nullptr = not checked
};

void PrintTo(const TextCase &c, std::ostream *out) { *out << c.name; }
void PrintTo(const FormatCase &c, std::ostream *out) { *out << c.name; }

template<typename Case>
std::string caseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}

class ReaderText : public testing::TestWithParam<TextCase>
{
};

TEST_P(ReaderText, GivesTheExpectedText)
{
    EXPECT_EQ(textOf(GetParam().rtf), GetParam().text) << GetParam().rtf.constData();
}

INSTANTIATE_TEST_SUITE_P(Tokeniser, ReaderText, testing::Values(
    TextCase{"OneDelimitingSpaceIsConsumed", "{\\rtf1 \\b0  x}", " x"},
    TextCase{"OtherCharacterEndsWordAndStays", "{\\rtf1 \\b0,x\\b;y}", ",x;y"},
    TextCase{"DigitsAndSignBelongToTheWord", "{\\rtf1 \\fi-283x\\li0 y}", "xy"},
    TextCase{"HexEscapeTakesNoDelimiter", "{\\rtf1\\ansi\\ansicpg1251 \\'e0 x}", u(u"а x")},
    TextCase{"EscapedBracesAndBackslash", "{\\rtf1 a\\{b\\}c\\\\d}", "a{b}c\\d"},
    TextCase{"RawLineEndsAreIgnored", "{\\rtf1 a\r\nb\rc\nd}", "abcd"},
    TextCase{"BackslashLineEndIsAParagraph", "{\\rtf1 a\\\nb\\\r\nc}", "a\nb\nc"},
    TextCase{"RawTabIsATab", "{\\rtf1 a\tb}", "a\tb"},
    TextCase{"TextAfterTheRootIsIgnored", QByteArray("{\\rtf1 a}b\r\n\0", 12), "a"},
    TextCase{"UnknownSymbolsCarryNoText", "{\\rtf1 a\\|b\\:c}", "abc"},
    TextCase{"DeepNesting", "{\\rtf1 " + QByteArray("{\\b").repeated(3000) + " x" + QByteArray(3000, '}') + "y}", "xy"}),
    caseName<TextCase>);

INSTANTIATE_TEST_SUITE_P(Encodings, ReaderText, testing::Values(
    TextCase{"AnsiCodePageForHexEscapes", "{\\rtf1\\ansi\\ansicpg1251 \\'ea\\'e0\\'ed\\'e4}", u(u"канд")},
    TextCase{"AnsiCodePageForRawBytes", "{\\rtf1\\ansi\\ansicpg1251 \xea\xe0\xed\xe4}", u(u"канд")},
    TextCase{"FontCharsetOverridesAnsiCodePage",
             "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial;}}"
             "\\f0 \\'e0\\f1 \\'d3\\'e2}", u(u"àУв")},
    TextCase{"CentralEuropeanGreekTurkishBaltic",
             "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset238 A;}{\\f2\\fcharset161 B;}{\\f3\\fcharset162 C;}"
             "{\\f4\\fcharset186 D;}}\\f1\\'9a\\f2\\'e1\\f3\\'fd\\f4\\'e0}", u(u"šαıą")},
    TextCase{"CodePageWordOverridesCharset",
             "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset0\\cpg1251 A;}}\\f1\\'e0}", u(u"а")},
    TextCase{"FontWithoutCharsetUsesAnsiCodePage",
             "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f1 A;}}\\f1\\'e0}", u(u"а")},
    TextCase{"UndefinedFontUsesAnsiCodePage", "{\\rtf1\\ansi\\ansicpg1251\\f7\\'e0}", u(u"а")},
    TextCase{"UnknownCharsetUsesAnsiCodePage",
             "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f1\\fcharset99 A;}}\\f1\\'e0}", u(u"а")},
    TextCase{"NoCodePageAtAllMeansWindows1252", "{\\rtf1 \\'e0\\'80}", u(u"à€")},
    TextCase{"DoubleByteEscapesAreOneString",
             "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\uc2\\u24180\\'94\\'4e"
             " abc \\'94\\'4f}", u(u"年 abc 念")},
    TextCase{"Utf8CodePage", "{\\rtf1\\ansi\\ansicpg65001 \\'d0\\'b0\xd0\xb1}", u(u"аб")},
    TextCase{"NegativeUnicode", "{\\rtf1 \\u-1000?}", u(u"\xfc18")},
    TextCase{"LargePositiveUnicode", "{\\rtf1 \\u64536\\'3f}", u(u"\xfc18")},
    TextCase{"FallbackCharacterSkipped", "{\\rtf1 \\u1235?ab}", u(u"ӓab")},
    TextCase{"FallbackHexEscapeSkipped", "{\\rtf1\\ansi\\ansicpg1251 \\u1235\\'e0b}", u(u"ӓb")},
    TextCase{"FallbackControlWordSkipped", "{\\rtf1 \\u1235\\par b}", u(u"ӓb")},
    TextCase{"NoFallbackWithUc0", "{\\rtf1\\uc0 \\u1235ab}", u(u"ӓab")},
    TextCase{"FallbackStopsAtBrace", "{\\rtf1\\uc3 {\\u1235?}x}", u(u"ӓx")},
    TextCase{"UcIsRestoredAtGroupEnd", "{\\rtf1 {\\uc2\\u1235 ab c}\\u1235?x}", u(u"ӓ cӓx")},
    TextCase{"SurrogatePairCombines", "{\\rtf1 \\u-10179?\\u-9047?}", u(u"\U0001F4A9")},
    TextCase{"UnpairedHighSurrogate", "{\\rtf1 \\u-10179?x}", u(u"\xfffdx")},
    TextCase{"UnpairedLowSurrogate", "{\\rtf1 \\u-9047?x}", u(u"\xfffdx")},
    TextCase{"ZeroAndOutOfRangeUnicode", "{\\rtf1 \\u0?\\u70000?\\u-40000?}", u(u"\xfffd\xfffd\xfffd")},
    TextCase{"CombiningMacronKept", "{\\rtf1\\ansi\\ansicpg1251 \\'e0\\u772?}", u(u"а\x0304")},
    TextCase{"KildinLetters", "{\\rtf1 \\u1235?\\u1211?\\u1221?\\u1223?\\u1229?\\u1163?}", u(u"ӓһӅӇӍҋ")},
    TextCase{"SpecialCharacterWords",
             "{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\-\\_}",
             u(u"—–‘’“”•\xad\x2011")},
    TextCase{"OnlyTheUnicodeBranchOfUpr", "{\\rtf1 {\\upr{ansi text}{\\*\\ud{unicode text}}}}", "unicode text"}),
    caseName<TextCase>);

INSTANTIATE_TEST_SUITE_P(Destinations, ReaderText, testing::Values(
    TextCase{"TablesAndPropertiesLeakNothing",
             "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 Normal;}}"
             "{\\info{\\title T}{\\author A}}{\\*\\generator G;}{\\*\\themedata 00}{\\*\\colorschememapping 0}"
             "{\\*\\latentstyles\\lsdstimax1{\\lsdlockedexcept N;}}{\\*\\datastore 00}{\\*\\listtable}"
             "{\\*\\listoverridetable}{\\*\\rsidtbl \\rsid1}{\\*\\xmlnstbl x}x}", "x"},
    TextCase{"IgnorableUnknownSkippedWithNestedGroups", "{\\rtf1 {\\*\\unknowndest a{b}c}x}", "x"},
    TextCase{"UnknownWordWithoutStarKeepsText", "{\\rtf1 {\\foo ok}}", "ok"},
    TextCase{"StarInsideAGroupIsNoDestination", "{\\rtf1 {\\b\\*\\cs7 kept}}", "kept"},
    TextCase{"FieldShowsResultNotInstruction",
             "{\\rtf1 {\\field{\\*\\fldinst{HYPERLINK \"http://x/\"}}{\\fldrslt{link}}} after}", "link after"},
    TextCase{"HeadersFootersNotesAndPicturesSkipped",
             "{\\rtf1 {\\header h}{\\footer f}a{\\footnote n}b{\\*\\annotation c}{\\pict\\pngblip 0a0b}c}", "abc"},
    TextCase{"FootnoteMarkIsNumbered", "{\\rtf1 a\\chftn{\\footnote\\chftn note}b\\chftn{\\footnote x}}", "a1b2"},
    TextCase{"PntextShownOnce",
             "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1"
             "{\\pntxtb\\'b7}}item\\par}", u(u"•\titem")},
    TextCase{"ListParagraphGetsItsLabelFromTheListTable",
             "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0\\levelstartat3{\\leveltext\\'02\\'00.;}}"
             "\\listid7}}{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}"
             "{\\listtext 9.\\tab}\\pard\\ls1 one\\par{\\listtext 9.\\tab}\\pard\\ls1 two\\par}",
             "3.\tone\n4.\ttwo"},
    TextCase{"NestedListLevelsAndBullets",
             "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc4{\\leveltext\\'02\\'00);}}"
             "{\\listlevel\\levelnfc23\\levelfollow1{\\leveltext\\'01\\u-3913 ?;}}\\listid1}}"
             "{\\*\\listoverridetable{\\listoverride\\listid1\\ls2}}"
             "\\pard\\ls2 a\\par\\pard\\ls2\\ilvl1 b\\par\\pard\\ls2 c\\par}",
             u(u"a)\ta\n◦ b\nb)\tc")},
    // Control bytes of a level text that are no level placeholder show nothing.
    TextCase{"ListLabelDropsControlCharacters",
             "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'04\\'0c\\'00\\'1f.;}}"
             "\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}\\pard\\ls1 a\\par}",
             "1.\ta"},
    TextCase{"UndefinedListShowsNoLabel", "{\\rtf1 {\\listtext 10.\\tab}\\pard\\ls23 text}", "text"},
    TextCase{"HiddenTextIsNotShown", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", "abd"},
    // A SYMBOL field with an empty result shows its character: symbol fonts
    // through their Unicode equivalents, else as private use U+F000 + code;
    // other fonts through their code page; \\u gives the code point itself.
    TextCase{"SymbolFieldInWingdings",
             "{\\rtf1 a{\\field{\\*\\fldinst SYMBOL 74 \\\\f \"Wingdings\" \\\\s 12}{\\fldrslt }}b}", u(u"a\u263Ab")},
    TextCase{"SymbolFieldInSymbol", "{\\rtf1 {\\field{\\*\\fldinst SYMBOL 97 \\\\f \"Symbol\"}{\\fldrslt }}}", u(u"\u03B1")},
    TextCase{"SymbolFieldWithoutKnownEquivalent",
             "{\\rtf1 {\\field{\\*\\fldinst {SYMBOL 0xFC \\\\f \"Wingdings\"}}{\\fldrslt }}}", u(u"\uF0FC")},
    TextCase{"SymbolFieldInATextFont",
             "{\\rtf1\\ansi\\ansicpg1251 {\\field{\\*\\fldinst SYMBOL 192 \\\\f \"Arial\"}{\\fldrslt}}}", u(u"А")},
    TextCase{"SymbolFieldUnicodeWithoutResultGroup", "{\\rtf1 {\\field{\\*\\fldinst SYMBOL 1231 \\\\u}}}", u(u"\u04CF")},
    TextCase{"SymbolFieldResultWins",
             "{\\rtf1 {\\field{\\*\\fldinst SYMBOL 74 \\\\f \"Wingdings\"}{\\fldrslt x}}}", "x"}),
    caseName<TextCase>);

INSTANTIATE_TEST_SUITE_P(BreaksAndTables, ReaderText, testing::Values(
    TextCase{"ParagraphLineAndTab", "{\\rtf1 a\\par b\\line c\\tab d}", "a\nb\nc\td"},
    TextCase{"LastParagraphWithoutPar", "{\\rtf1 a\\par b}", "a\nb"},
    TextCase{"FinalParClosesTheLastParagraph", "{\\rtf1 a\\par}", "a"},
    TextCase{"EmptyParagraphsKept", "{\\rtf1 a\\par\\par\\par b\\par}", "a\n\n\nb"},
    TextCase{"PictureHexWithWhitespace", "{\\rtf1 a{\\pict\\wmetafile8 01 02\r\n0a{0b}}b}", "ab"},
    TextCase{"PictureBinaryPayload", "{\\rtf1 a{\\pict\\bin6 }{\\x\\}}b}", "ab"},
    TextCase{"OneOfShapePictureAndFallback",
             "{\\rtf1 a{\\*\\shppict{\\pict 00}}{\\nonshppict{\\pict 00}}b}", "ab"},
    TextCase{"TableCellsInOrderWithSeparators",
             "{\\rtf1 \\trowd\\cellx100\\cellx200 \\pard\\intbl a\\cell b\\cell\\row"
             "\\trowd\\cellx100\\cellx200 \\pard\\intbl c\\cell\\cell\\row after\\par}", "a\tb\nc\nafter"},
    TextCase{"EmptyCellsKeepTheirPlace", "{\\rtf1 \\pard\\intbl a\\cell\\cell b\\cell\\row}", "a\t\tb"},
    TextCase{"NestedTableCells",
             "{\\rtf1 \\pard\\intbl x\\cell \\pard\\intbl\\itap2 n1\\nestcell n2\\nestcell"
             "{\\*\\nesttableprops\\trowd\\nestrow} y\\cell\\row}", "x\tn1\tn2\n y"},
    // As a word processor writes a signature block: each nested row ends
    // inside its properties group, and a fallback for readers without nested
    // tables follows.
    TextCase{"NestedRowsAreParagraphs",
             "{\\rtf1 \\trowd\\cellx100\\cellx200\\pard\\intbl\\itap1 Given:\\cell\\pard\\intbl\\itap1 Taken:\\par"
             "\\pard\\intbl\\itap2 {\\b Director}\\nestcell{\\nonesttables\\par}Anna\\nestcell"
             "{\\*\\nesttableprops\\trowd\\cellx50\\cellx100\\nestrow}{\\nonesttables\\par}"
             "\\pard\\intbl\\itap2 Clerk\\nestcell Petr\\nestcell"
             "{\\*\\nesttableprops\\trowd\\cellx50\\cellx100 text\\nestrow}{\\nonesttables\\par}"
             "\\pard\\intbl\\itap1 signed\\cell{\\trowd\\cellx100\\cellx200\\row}after\\par}",
             "Given:\tTaken:\nDirector\tAnna\nClerk\tPetr\nsigned\nafter"}),
    caseName<TextCase>);

const QByteArray kColors = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
const QByteArray kFonts = "{\\fonttbl{\\f0 Alpha;}{\\f1 Beta;}}";

class ReaderFormat : public testing::TestWithParam<FormatCase>
{
};

// Each document is read, then written and read again: the writer keeps
// every property the reader sets (the default font's family written out),
// and writes the same bytes again for the document it reads back.
TEST_P(ReaderFormat, GivesTheExpectedFormatAlsoAfterAWrite)
{
    const FormatCase &c = GetParam();
    const auto read = readRtf(c.rtf);
    ASSERT_TRUE(blockOf(*read, c.probe).isValid()) << "no " << c.probe.toStdString() << " in "
                                                   << read->toPlainText().toStdString();
    const QTextCharFormat character = charFormatOf(*read, c.probe);
    const QTextBlockFormat paragraph = blockOf(*read, c.probe).blockFormat();
    if (c.character) {
        EXPECT_EQ(describeChar(character), QString::fromUtf8(c.character));
    }
    if (c.paragraph) {
        EXPECT_EQ(describeBlock(paragraph), QString::fromUtf8(c.paragraph));
    }

    const QByteArray written = writeDocument(*read);
    ReadResult result;
    const auto back = readRtf(written, &result);
    EXPECT_FALSE(result.damaged) << written.constData();
    EXPECT_EQ(writeDocument(*back), written);
    const QString family = read->defaultFont().family();
    EXPECT_EQ(describeChar(charFormatOf(*back, c.probe), family), describeChar(character, family)) << written.constData();
    EXPECT_EQ(describeBlock(blockOf(*back, c.probe).blockFormat()), describeBlock(paragraph)) << written.constData();
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
    FormatCase{"Capitals", "{\\rtf1 \\caps x}", "x", "caps size=12", nullptr},
    FormatCase{"SmallCapitals", "{\\rtf1 \\caps a\\caps0\\scaps x}", "x", "smallcaps size=12", nullptr},
    FormatCase{"HyperlinkBecomesAnAnchor",
               "{\\rtf1 {\\field{\\*\\fldinst{HYPERLINK \"http://example.org/a b\" \\\\o \"tip\"}}{\\fldrslt{x}}}}", "x",
               "size=12 link=http://example.org/a b", nullptr},
    FormatCase{"SymbolWithoutEquivalentInItsFont",
               "{\\rtf1" + kFonts + "\\f0 {\\field{\\*\\fldinst SYMBOL 252 \\\\f \"Wingdings\"}{\\fldrslt }}}",
               u(u"\uF0FC"), "size=12 family=Wingdings", nullptr},
    FormatCase{"PlainResetsToTheDefaultFont",
               "{\\rtf1\\deff0" + kFonts + kColors + "\\f1\\fs40\\b\\i\\ul\\cf1 a\\plain x}", "x", "size=12 family=Alpha",
               nullptr},
    FormatCase{"GroupRestoresCharacterState", "{\\rtf1" + kFonts + "\\f0 {\\f1\\b\\fs40 a}x}", "x",
               "size=12 family=Alpha", nullptr},
    // real documents reach a depth of a few thousand
    FormatCase{"DeepNestingRestoresEveryLevel",
               "{\\rtf1 " + QByteArray("{\\b").repeated(3000) + " x" + QByteArray(3000, '}') + "y}", "y", "size=12", nullptr},
    FormatCase{"GroupRestoresCodePage",
               "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f1\\fcharset204 C;}}{\\f1 \\'e0}\\'e0x}", "àx", "size=12",
               nullptr}),
    caseName<FormatCase>);

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
    caseName<FormatCase>);

// Runs of equal format share one fragment, an empty paragraph keeps the
// height of its mark, a no-break space and a line break stay inside the text
// of their paragraph (the plain text shows them as a space and a line end).
TEST(ReaderFormat, DocumentStructure)
{
    const QByteArray rtf = "{\\rtf1 a{\\b0 b}\\plain c\\b d\\b0 e\\par\\fs48\\par f\\~g\\line h}";
    const auto doc = readRtf(rtf);
    ASSERT_EQ(doc->blockCount(), 3);
    QStringList fragments;
    for (auto it = doc->begin().begin(); !it.atEnd(); ++it)
        fragments << it.fragment().text();
    EXPECT_EQ(fragments, QStringList({"abc", "d", "e"}));
    EXPECT_EQ(describeChar(doc->findBlockByNumber(1).charFormat()), "size=24");
    EXPECT_EQ(doc->findBlockByNumber(2).text(), QString::fromUtf16(u"f\u00a0g\u2028h"));
    EXPECT_EQ(textOf(rtf), "abcde\n\nf g\nh");
}

} // namespace
} // namespace lumolex::rtf::test
