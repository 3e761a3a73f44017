#include "rtf/rtfinterpreter.h"

#include "rtf/codepage.h"

#include <algorithm>

namespace lumolex::rtf {

namespace {

template<typename T>
T clamped(std::int32_t value, T low, T high)
{
    return static_cast<T>(std::clamp<std::int32_t>(value, low, high));
}

bool toggleValue(const Token &token)
{
    return !token.hasParam || token.param != 0;
}

} // namespace

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

// Paragraph and cell breaks and the words that stand for one character.
bool RtfInterpreter::breakOrCharacterWord(const Token &token)
{
    char16_t ch = 0;
    switch (token.keyword) {
    case Keyword::Par:
    case Keyword::Sect:
    case Keyword::Page:
    case Keyword::Column:
    case Keyword::Row:
        if (m_state.destination == Destination::Text)
            paragraphMark();
        return true;
    case Keyword::NestRow:
        // Written inside the nested row's properties, which carry no text.
        if (m_state.destination == Destination::Text || m_state.destination == Destination::RowProperties)
            paragraphMark();
        return true;
    case Keyword::Cell:
    case Keyword::NestCell:
        if (m_state.destination == Destination::Text && textVisible())
            ++m_pendingCells; // written as a TAB before the next cell's text
        return true;
    case Keyword::Chftn:
        if (m_state.destination == Destination::Text) {
            for (QChar digit : QString::number(++m_footnotes))
                appendChar(digit.unicode());
        }
        return true;
    case Keyword::Line: ch = 0x2028; break;
    case Keyword::Tab: ch = u'\t'; break;
    case Keyword::Emdash: ch = 0x2014; break;
    case Keyword::Endash: ch = 0x2013; break;
    case Keyword::Emspace: ch = 0x2003; break;
    case Keyword::Enspace: ch = 0x2002; break;
    case Keyword::Qmspace: ch = 0x2005; break;
    case Keyword::Bullet: ch = 0x2022; break;
    case Keyword::Lquote: ch = 0x2018; break;
    case Keyword::Rquote: ch = 0x2019; break;
    case Keyword::Ldblquote: ch = 0x201C; break;
    case Keyword::Rdblquote: ch = 0x201D; break;
    case Keyword::Zwj: ch = 0x200D; break;
    case Keyword::Zwnj: ch = 0x200C; break;
    case Keyword::Ltrmark: ch = 0x200E; break;
    case Keyword::Rtlmark: ch = 0x200F; break;
    case Keyword::Zwbo: ch = 0x200B; break;
    default:
        return false;
    }
    appendChar(ch);
    return true;
}

void RtfInterpreter::characterFormat(const Token &token)
{
    CharState &chars = m_state.chars;
    switch (token.keyword) {
    case Keyword::Plain: {
        const int link = chars.link;
        chars = CharState();
        chars.link = link;
        selectFont(m_tables.defaultFont);
        break;
    }
    case Keyword::F:
        selectFont(token.hasParam ? token.param : m_tables.defaultFont);
        break;
    case Keyword::Fs:
        chars.sizeHalfPoints = token.hasParam && token.param > 0
            ? clamped<std::uint16_t>(token.param, 2, Limits::kMaxHalfPoints) : 24;
        break;
    case Keyword::B: chars.set(CharState::Bold, toggleValue(token)); break;
    case Keyword::I: chars.set(CharState::Italic, toggleValue(token)); break;
    case Keyword::Ul:
    case Keyword::UlStyle: chars.set(CharState::Underline, toggleValue(token)); break;
    case Keyword::Ulnone: chars.set(CharState::Underline, false); break;
    case Keyword::Strike:
    case Keyword::Striked: chars.set(CharState::Strike, toggleValue(token)); break;
    case Keyword::V: chars.set(CharState::Hidden, toggleValue(token)); break;
    case Keyword::Caps: chars.set(CharState::AllCaps, toggleValue(token)); break;
    case Keyword::Scaps: chars.set(CharState::SmallCaps, toggleValue(token)); break;
    case Keyword::Super: chars.vertical = CharState::Superscript; break;
    case Keyword::Sub: chars.vertical = CharState::Subscript; break;
    case Keyword::Nosupersub: chars.vertical = CharState::Baseline; break;
    case Keyword::Cf:
    case Keyword::Cb:
    case Keyword::Highlight:
    case Keyword::Chcbpat: {
        const int index = token.hasParam ? token.param : 0;
        if (index < 0 || index >= std::max<qsizetype>(1, m_tables.colors.size()))
            break; // past the end of the colour table: ignored
        (token.keyword == Keyword::Cf ? chars.foreground : chars.background) = index;
        break;
    }
    default:
        break;
    }
}

void RtfInterpreter::paragraphFormat(const Token &token)
{
    ParaState &para = m_state.para;
    const std::int32_t twips = clamped<std::int32_t>(token.param, -Limits::kMaxTwips, Limits::kMaxTwips);
    switch (token.keyword) {
    case Keyword::Pard: para = ParaState(); break;
    case Keyword::Li: para.leftTwips = twips; break;
    case Keyword::Ri: para.rightTwips = twips; break;
    case Keyword::Fi: para.firstLineTwips = twips; break;
    case Keyword::Sb: para.spaceBeforeTwips = std::max(0, twips); break;
    case Keyword::Sa: para.spaceAfterTwips = std::max(0, twips); break;
    case Keyword::Sl: para.lineSpacing = token.hasParam ? twips : 0; break;
    case Keyword::Slmult: para.lineMultiple = toggleValue(token); break;
    case Keyword::Ql: para.align = ParaState::Left; break;
    case Keyword::Qc: para.align = ParaState::Center; break;
    case Keyword::Qr: para.align = ParaState::Right; break;
    case Keyword::Qj: para.align = ParaState::Justify; break;
    case Keyword::Tqr: para.pendingTabKind = TabStop::Right; break;
    case Keyword::Tqc: para.pendingTabKind = TabStop::Center; break;
    case Keyword::Tqdec: para.pendingTabKind = TabStop::Decimal; break;
    case Keyword::Tb: para.pendingTabKind = TabStop::Left; break;
    case Keyword::Tx:
        para.addTab(std::max(0, twips), para.pendingTabKind);
        para.pendingTabKind = TabStop::Left;
        break;
    case Keyword::Intbl: para.inTable = true; break;
    case Keyword::Rtlpar: para.rightToLeft = true; break;
    case Keyword::Ltrpar: para.rightToLeft = false; break;
    default: break;
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
