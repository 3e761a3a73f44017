// Font, colour and list tables of the interpreter: the destinations that
// declare what body text refers to.
#include "rtf/rtfinterpreter.h"

#include "rtf/codepage.h"

namespace lumolex::rtf {

namespace {

bool hasCodec(int codePage)
{
    return codePage > 0 && CodePageCache::codec(codePage) != nullptr;
}

} // namespace

int RtfInterpreter::ansiCodePage() const
{
    return hasCodec(m_ansiCodePage) ? m_ansiCodePage : CodePage::Windows1252;
}

int RtfInterpreter::codePageForFont(int number) const
{
    const auto it = m_tables.fonts.constFind(number);
    if (it != m_tables.fonts.constEnd()) {
        if (hasCodec(it->codePage))
            return it->codePage;
        const int fromCharset = codePageForCharset(it->charset);
        if (fromCharset == CodePage::Symbol || hasCodec(fromCharset))
            return fromCharset;
    }
    return ansiCodePage();
}

void RtfInterpreter::selectFont(int number)
{
    m_state.chars.font = number;
}

const CodePageCodec *RtfInterpreter::currentCodec()
{
    if (m_codecFont != m_state.chars.font) {
        m_codecFont = m_state.chars.font;
        m_codec = CodePageCache::codec(codePageForFont(m_codecFont));
    }
    return m_codec;
}

void RtfInterpreter::fontTableWord(const Token &token)
{
    switch (token.keyword) {
    case Keyword::F: {
        finishFontName();
        m_fontNumber = -1;
        if (!token.hasParam)
            return;
        if (!m_tables.fonts.contains(token.param) && m_tables.fonts.size() >= Limits::kMaxTableEntries)
            return;
        m_fontNumber = token.param;
        m_tables.fonts[m_fontNumber] = FontEntry();
        m_fontNameDone = false;
        invalidateCodec();
        return;
    }
    case Keyword::Fcharset:
        if (m_fontNumber >= 0)
            m_tables.fonts[m_fontNumber].charset = token.param;
        return;
    case Keyword::Cpg:
        if (m_fontNumber >= 0)
            m_tables.fonts[m_fontNumber].codePage = token.param;
        return;
    case Keyword::SkipDestination:
        skipGroup();
        return;
    case Keyword::U:
    case Keyword::Uc:
        unicodeWord(token);
        return;
    default:
        return;
    }
}

void RtfInterpreter::fontNameBytes(const char *data, qsizetype size)
{
    if (m_fontNumber < 0 || m_fontNameDone)
        return;
    const qsizetype semicolon = QByteArrayView(data, size).indexOf(';');
    const qsizetype length = semicolon < 0 ? size : semicolon;
    const qsizetype room = Limits::kMaxFontName - m_fontNameBytes.size() - m_fontName.size();
    if (room > 0)
        m_fontNameBytes.append(data, std::min(length, room));
    if (semicolon >= 0)
        finishFontName();
}

void RtfInterpreter::fontNameChar(QStringView text)
{
    if (m_fontNumber < 0 || m_fontNameDone)
        return;
    if (!m_fontNameBytes.isEmpty())
        m_fontName += decodeCodePage(std::exchange(m_fontNameBytes, QByteArray()), codePageForFont(m_fontNumber));
    if (m_fontName.size() < Limits::kMaxFontName)
        m_fontName += text;
}

void RtfInterpreter::finishFontName()
{
    if (m_fontNumber < 0 || m_fontNameDone)
        return;
    m_fontNameDone = true;
    int codePage = codePageForFont(m_fontNumber);
    if (codePage == CodePage::Symbol)
        codePage = ansiCodePage();
    m_fontName += decodeCodePage(m_fontNameBytes, codePage);
    m_tables.fonts[m_fontNumber].name = m_fontName.trimmed();
    m_fontName.clear();
    m_fontNameBytes.clear();
}

void RtfInterpreter::colorTableText(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != ';')
            continue;
        if (m_tables.colors.size() < Limits::kMaxTableEntries)
            m_tables.colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
    }
}

void RtfInterpreter::listTableWord(const Token &token)
{
    const std::int32_t value = token.hasParam ? token.param : 0;
    switch (token.keyword) {
    case Keyword::SkipDestination:
        skipGroup();
        return;
    case Keyword::List:
        if (m_state.destination == Destination::ListTable)
            m_lists.beginList();
        return;
    case Keyword::Listlevel:
        m_lists.beginLevel();
        return;
    case Keyword::Levelnfc:
        m_lists.setLevelFormat(value);
        return;
    case Keyword::Levelstartat:
        m_lists.setLevelStart(value);
        return;
    case Keyword::Levelfollow:
        m_lists.setLevelFollow(value);
        return;
    case Keyword::Leveltext:
        m_state.destination = Destination::LevelText;
        m_levelText.clear();
        m_levelTextOpen = true;
        return;
    case Keyword::Listid:
        if (m_state.destination == Destination::ListOverrideTable)
            m_lists.setOverrideListId(value);
        else
            m_lists.setListId(value);
        return;
    case Keyword::Listoverride:
        m_lists.beginOverride();
        return;
    case Keyword::Ls:
        if (m_state.destination == Destination::ListOverrideTable)
            m_lists.setOverrideNumber(value);
        return;
    case Keyword::U:
    case Keyword::Uc:
        unicodeWord(token);
        return;
    case Keyword::F:
        selectFont(value); // the font of a level text's bytes
        return;
    default:
        return;
    }
}

void RtfInterpreter::levelTextByte(unsigned char byte)
{
    if (m_levelText.size() >= Limits::kMaxListText)
        return;
    if (byte < 0x20) {
        m_levelText += QChar(char16_t(byte)); // the length, or a level number placeholder
        return;
    }
    const char c = char(byte);
    m_levelText += decodeCodePage(QByteArrayView(&c, 1), codePageForFont(m_state.chars.font));
}

void RtfInterpreter::finishLevelText()
{
    if (!m_levelTextOpen)
        return;
    m_levelTextOpen = false;
    m_lists.setLevelText(m_levelText);
    m_levelText.clear();
}

} // namespace lumolex::rtf
