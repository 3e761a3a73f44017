#include "rtf/rtfinterpreter.h"

#include "rtf/codepage.h"
#include "rtf/rtfunits.h"

#include <algorithm>

namespace lumolex::rtf {

RtfInterpreter::RtfInterpreter(QByteArrayView input, RtfSink *sink)
    : m_tokenizer(input), m_sink(sink), m_wantsFormatting(sink->wantsFormatting())
{
    m_stack.reserve(16);
}

void RtfInterpreter::markDamaged(const QString &warning)
{
    if (!m_result.damaged)
        m_result.warning = warning;
    m_result.damaged = true;
}

InterpretResult RtfInterpreter::run()
{
    m_sink->begin(m_tables);
    if (!m_tokenizer.seekGroupStart()) {
        markDamaged(QStringLiteral("no RTF group"));
        m_sink->finish(m_state.para, m_state.chars);
        return m_result;
    }

    bool rootClosed = false;
    while (!rootClosed && !m_sinkFull) {
        const Token token = m_tokenizer.next();
        if (!m_pendingBytes.isEmpty() && token.type != TokenType::Text && token.type != TokenType::HexByte)
            flushPendingBytes();
        const bool groupStart = m_atGroupStart;
        m_atGroupStart = false;
        if (token.type == TokenType::End)
            break;
        switch (token.type) {
        case TokenType::End:
            break;
        case TokenType::GroupOpen:
            openGroup();
            m_atGroupStart = true;
            break;
        case TokenType::GroupClose:
            rootClosed = !closeGroup();
            break;
        case TokenType::Text:
            handleText(token.data, token.size);
            break;
        case TokenType::HexByte:
            handleByte(token.byte);
            break;
        case TokenType::ControlWord:
            handleControlWord(token);
            break;
        case TokenType::ControlSymbol:
            // \* marks a destination only as the first thing in its group.
            if (token.symbol == '*' && m_skipUnits == 0) {
                m_ignorableNext = groupStart;
                m_atGroupStart = groupStart;
            } else {
                handleControlSymbol(token.symbol);
            }
            break;
        case TokenType::Binary:
            // Binary data (pictures, objects) is never text.
            if (m_skipUnits > 0)
                --m_skipUnits;
            break;
        }
    }
    if (!rootClosed && !m_sinkFull)
        markDamaged(QStringLiteral("unclosed groups at the end of the input"));
    if (m_tokenizer.truncated())
        markDamaged(QStringLiteral("input ends inside a control sequence"));
    flushHighSurrogate();
    if (!m_listText.isEmpty() && m_state.destination != Destination::ListText)
        beginContent(); // a label with nothing after it is still shown
    flushRun();
    if (m_pendingBreak) {
        // The mark of the last paragraph: as in a rich-edit control it closes
        // the last paragraph instead of opening an empty one.
        m_sink->finish(m_pendingPara, m_pendingMark);
    } else {
        m_sink->finish(m_state.para, m_state.chars);
    }
    return m_result;
}

// --- Groups -----------------------------------------------------------------

void RtfInterpreter::openGroup()
{
    m_skipUnits = 0;
    m_ignorableNext = false;
    flushHighSurrogate();
    if (!m_rootOpen) {
        m_rootOpen = true;
        m_stack.push_back(m_state);
        return;
    }
    if (int(m_stack.size()) >= Limits::kMaxGroupDepth) {
        if (m_overflowDepth == 0)
            markDamaged(QStringLiteral("groups nested too deeply"));
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_state);
    if (m_state.destination == Destination::UprContainer)
        m_state.destination = Destination::Dropped;
}

bool RtfInterpreter::closeGroup()
{
    m_skipUnits = 0;
    m_ignorableNext = false;
    flushHighSurrogate();
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return true;
    }
    if (m_stack.size() == 1) {
        // The root group closes: what follows (a rich-edit control's
        // trailing NUL, stray braces) is not part of the document.
        return false;
    }
    if (!m_fields.empty() && m_fields.back().depth == m_stack.size())
        endField();
    const Destination leaving = m_state.destination;
    const Destination parent = m_stack.back().destination;
    if (leaving == Destination::FontTable && parent != Destination::FontTable)
        finishFontName();
    if (leaving == Destination::LevelText && parent != Destination::LevelText)
        finishLevelText();
    m_state = m_stack.back();
    m_stack.pop_back();
    return true;
}

void RtfInterpreter::skipGroup()
{
    if (m_stack.size() <= 1 && m_overflowDepth == 0)
        return; // never skip the root group: ignore the word instead
    if (!m_tokenizer.skipGroup()) {
        markDamaged(QStringLiteral("unclosed groups at the end of the input"));
        return;
    }
    closeGroup();
}

// --- Control words ----------------------------------------------------------

bool RtfInterpreter::isReadDestination(Keyword keyword) const
{
    // Destinations marked \* that this reader understands; every other one
    // is skipped whole.
    switch (keyword) {
    case Keyword::Ud:
    case Keyword::Nesttableprops:
    case Keyword::Fldinst:
    case Keyword::Fldrslt:
    case Keyword::Fonttbl:
    case Keyword::Colortbl:
    case Keyword::Upr:
    case Keyword::Listtable:
    case Keyword::Listoverridetable:
    case Keyword::Listtext:
    case Keyword::Pntext:
        return true;
    default:
        return false;
    }
}

void RtfInterpreter::handleControlWord(const Token &token)
{
    if (m_skipUnits > 0) {
        --m_skipUnits; // a control word stands for one fallback character
        return;
    }
    const Keyword keyword = token.keyword;
    if (m_ignorableNext) {
        m_ignorableNext = false;
        if (!isReadDestination(keyword)) {
            skipGroup();
            return;
        }
    }
    if (keyword != Keyword::U)
        flushHighSurrogate();

    switch (m_state.destination) {
    case Destination::FontTable:
        fontTableWord(token);
        return;
    case Destination::ListTable:
    case Destination::LevelText:
    case Destination::ListOverrideTable:
        listTableWord(token);
        return;
    default:
        break;
    }
    if (tableWord(token) || breakOrCharacterWord(token))
        return;
    characterFormat(token);
    paragraphFormat(token);
}

// \uN and \ucN mean the same in the text and in every table.
void RtfInterpreter::unicodeWord(const Token &token)
{
    if (token.keyword == Keyword::Uc)
        m_state.unicodeSkip = clamped<unsigned char>(token.hasParam ? token.param : 1, 0, Limits::kMaxUnicodeSkip);
    else if (token.hasParam)
        handleUnicode(token.param);
}

// Header words, destinations and tables. Returns true when the word was one.
bool RtfInterpreter::tableWord(const Token &token)
{
    switch (token.keyword) {
    case Keyword::Unknown:
    case Keyword::Rtf:
    case Keyword::Bin:
    case Keyword::Fcharset:
    case Keyword::Cpg:
        return true;
    case Keyword::SkipDestination:
        skipGroup();
        return true;
    case Keyword::Ansi: m_ansiCodePage = 1252; invalidateCodec(); return true;
    case Keyword::Mac: m_ansiCodePage = 10000; invalidateCodec(); return true;
    case Keyword::Pc: m_ansiCodePage = 437; invalidateCodec(); return true;
    case Keyword::Pca: m_ansiCodePage = 850; invalidateCodec(); return true;
    case Keyword::Ansicpg:
        if (token.hasParam && token.param > 0)
            m_ansiCodePage = token.param;
        invalidateCodec();
        return true;
    case Keyword::Deff:
        if (token.hasParam) {
            m_tables.defaultFont = token.param;
            if (m_state.chars.font < 0)
                m_state.chars.font = token.param;
        }
        return true;
    case Keyword::U:
    case Keyword::Uc:
        unicodeWord(token);
        return true;
    case Keyword::Upr:
        m_state.destination = Destination::UprContainer;
        return true;
    case Keyword::Ud:
        m_state.destination = Destination::Text;
        return true;
    case Keyword::Fonttbl:
        m_state.destination = Destination::FontTable;
        m_fontNumber = -1;
        return true;
    case Keyword::Colortbl:
        m_state.destination = Destination::ColorTable;
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
        return true;
    case Keyword::Red:
    case Keyword::Green:
    case Keyword::Blue:
        if (m_state.destination == Destination::ColorTable) {
            const int value = clamped<int>(token.param, 0, 255);
            (token.keyword == Keyword::Red ? m_red : token.keyword == Keyword::Green ? m_green : m_blue) = value;
            m_colorSet = true;
        }
        return true;
    case Keyword::Listtable:
        m_state.destination = Destination::ListTable;
        return true;
    case Keyword::List:
    case Keyword::Listlevel:
    case Keyword::Leveltext:
    case Keyword::Listoverride:
        skipGroup(); // list definitions outside their tables
        return true;
    case Keyword::Listoverridetable:
        m_state.destination = Destination::ListOverrideTable;
        return true;
    case Keyword::Listtext:
    case Keyword::Pntext:
        if (m_state.destination == Destination::Text) {
            m_state.destination = Destination::ListText;
            m_listText.clear();
        }
        return true;
    case Keyword::Field:
        beginField();
        return true;
    case Keyword::Nesttableprops:
        m_state.destination = Destination::RowProperties;
        return true;
    case Keyword::Fldinst:
        m_state.destination = Destination::FieldInstruction;
        return true;
    case Keyword::Fldrslt:
        beginFieldResult();
        return true;
    case Keyword::Ls:
        m_state.para.listOverride = token.hasParam ? token.param : -1;
        return true;
    case Keyword::Ilvl:
        m_state.para.listLevel = clamped<std::uint8_t>(token.param, 0, ListNumbering::kMaxLevels - 1);
        return true;
    default:
        return false;
    }
}

void RtfInterpreter::handleControlSymbol(char symbol)
{
    if (m_skipUnits > 0) {
        --m_skipUnits;
        return;
    }
    m_ignorableNext = false;
    switch (symbol) {
    case '~': flushHighSurrogate(); appendChar(0x00A0); break;
    case '-': flushHighSurrogate(); appendChar(0x00AD); break;
    case '_': flushHighSurrogate(); appendChar(0x2011); break;
    case '{':
    case '}':
    case '\\': {
        const char literal = symbol;
        handleText(&literal, 1);
        break;
    }
    default: break; // \| \: and unknown symbols carry no text
    }
}

} // namespace lumolex::rtf
