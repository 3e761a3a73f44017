// The control words that set character and paragraph formatting, and those
// that stand for a break or for one character.
#include "rtf/rtfinterpreter.h"

#include "rtf/rtfunits.h"

#include <algorithm>

namespace lumolex::rtf {

namespace {

// \b, \i and the other switches: on without a parameter or with any but 0.
bool toggleValue(const Token &token)
{
    return !token.hasParam || token.param != 0;
}

} // namespace

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

} // namespace lumolex::rtf
