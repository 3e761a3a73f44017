#pragma once

#include "rtf/listnumbering.h"
#include "rtf/rtfsink.h"
#include "rtf/rtfstate.h"
#include "rtf/rtftokenizer.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace lumolex::rtf {

class CodePageCodec;
struct SymbolInstruction;

// Limits that keep hostile input linear in time and bounded in memory.
namespace Limits {
inline constexpr int kMaxGroupDepth = 10000;   // deeper groups share their parent's state
inline constexpr int kMaxTableEntries = 32768; // fonts, colours, links
inline constexpr int kMaxUnicodeSkip = 8;      // \ucN
inline constexpr int kMaxTwips = 31680;        // 22 inches, the largest length Word accepts
inline constexpr int kMaxHalfPoints = 3276;    // 1638 pt
inline constexpr int kMaxFieldInstruction = 4096;
inline constexpr int kMaxFontName = 256;
inline constexpr int kMaxListText = 256;
inline constexpr int kMaxOpenFields = 64;      // fields inside fields beyond this are read as plain groups
}

struct InterpretResult
{
    bool damaged = false;
    QString warning;
};

// Runs the tokenizer over a whole RTF document and keeps the state RTF
// defines (group stack, fonts, colours, code pages, \uc skipping,
// destinations), handing text, paragraph breaks and formatting to a sink.
// The input must start with "{\rtf" (leading whitespace allowed).
class RtfInterpreter
{
public:
    RtfInterpreter(QByteArrayView input, RtfSink *sink);
    InterpretResult run();

private:
    enum class Destination : unsigned char {
        Text,              // body text
        ListText,          // a paragraph's list label as written (\listtext, \pntext)
        FontTable,
        ColorTable,
        ListTable,
        LevelText,         // \leveltext of a list level
        ListOverrideTable,
        FieldInstruction,  // collected for hyperlink targets, never shown
        UprContainer,      // \upr: only its \ud branch is read
        Dropped,           // text ignored (the ANSI branch of \upr)
        RowProperties,     // \nesttableprops: no text, but its \nestrow ends a nested row
    };

    struct GroupState
    {
        CharState chars;
        ParaState para;
        Destination destination = Destination::Text;
        unsigned char unicodeSkip = 1;
    };

    void openGroup();
    bool closeGroup(); // false when the root group closed
    void skipGroup();

    void handleControlWord(const Token &token);
    bool tableWord(const Token &token);
    bool breakOrCharacterWord(const Token &token);
    void handleControlSymbol(char symbol);
    void handleText(const char *data, qsizetype size);
    void handleByte(unsigned char byte);
    void handleUnicode(std::int32_t param);
    void unicodeWord(const Token &token);
    bool isReadDestination(Keyword keyword) const;
    void characterFormat(const Token &token);
    void paragraphFormat(const Token &token);

    // Body text
    void appendBytes(const char *data, qsizetype size);
    void appendChar(char16_t ch);
    void appendCodePoint(char32_t codePoint);
    void appendDecoded(QStringView text);
    void flushPendingBytes();
    void flushRun();
    // Body text is about to be appended: the pending breaks and cells come
    // first, and a change of character format starts a new run. Inline: it
    // runs for every character the text decodes one by one.
    void prepareRun()
    {
        if (m_pendingBreak || m_pendingCells || !m_paragraphStarted)
            beginContent();
        if (m_wantsFormatting && !(m_runFormat == m_state.chars)) {
            flushRun();
            m_runFormat = m_state.chars;
        }
    }
    void beginContent();
    void startParagraph();
    void appendListText(char16_t ch);
    void paragraphMark();
    void emitPendingBreak();
    void flushHighSurrogate();
    bool textVisible() const
    {
        return (m_state.destination == Destination::Text || m_state.destination == Destination::ListText)
            && !m_state.chars.has(CharState::Hidden);
    }

    // Tables
    void selectFont(int number);
    void invalidateCodec() { m_codecFont = kNoCodecFont; }
    int codePageForFont(int number) const;
    int ansiCodePage() const;
    const CodePageCodec *currentCodec();
    void fontTableWord(const Token &token);
    void fontNameBytes(const char *data, qsizetype size);
    void fontNameChar(QStringView text);
    void finishFontName();
    void colorTableText(const char *data, qsizetype size);
    void beginField();
    void beginFieldResult();
    void endField();
    void showSymbol(const SymbolInstruction &symbol);
    int fontNumberFor(const QString &name, bool addMissing);
    qsizetype visibleTextCount() const { return m_textEmitted + m_run.size(); }
    void listTableWord(const Token &token);
    void levelTextByte(unsigned char byte);
    void finishLevelText();

    void markDamaged(const QString &warning);

    RtfTokenizer m_tokenizer;
    RtfSink *m_sink;
    bool m_wantsFormatting;
    DocumentTables m_tables;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0;
    bool m_rootOpen = false;

    int m_ansiCodePage = 0;
    int m_skipUnits = 0;
    bool m_ignorableNext = false;
    char16_t m_highSurrogate = 0;

    // The run being collected and its format.
    QString m_run;
    CharState m_runFormat;
    QByteArray m_pendingBytes; // multi-byte code page bytes not yet decoded
    int m_codecFont = kNoCodecFont;
    static constexpr int kNoCodecFont = -0x7fffffff;
    const CodePageCodec *m_codec = nullptr;

    bool m_pendingBreak = false;
    ParaState m_pendingPara;
    CharState m_pendingMark;
    int m_pendingCells = 0;

    // Font table parsing
    int m_fontNumber = -1;
    bool m_fontNameDone = false;
    QByteArray m_fontNameBytes;
    QString m_fontName;

    // Colour table parsing
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    QString m_fieldInstruction;
    // The fields being read: the depth of each one's group and how much text
    // had been shown when it began, to tell whether its result showed any.
    struct OpenField
    {
        std::size_t depth = 0;
        qsizetype textBefore = 0;
        QString instruction;
    };
    std::vector<OpenField> m_fields;
    qsizetype m_textEmitted = 0;
    bool m_sinkFull = false;
    int m_footnotes = 0;

    // Lists: definitions, the label text written for the next paragraph
    // (used when the paragraph names no list), and the level text being read.
    ListNumbering m_lists;
    QString m_listText;
    CharState m_listTextFormat;
    bool m_paragraphStarted = false;
    QString m_levelText;
    bool m_levelTextOpen = false;
    bool m_atGroupStart = false;

    InterpretResult m_result;
};

} // namespace lumolex::rtf
