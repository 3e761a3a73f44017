// Body text of the interpreter: decoding bytes and \u escapes, format runs,
// paragraph breaks and list labels.
#include "rtf/rtfinterpreter.h"

#include "rtf/codepage.h"

namespace lumolex::rtf {

namespace {
constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kLineSeparator = 0x2028;
}

void RtfInterpreter::handleText(const char *data, qsizetype size)
{
    if (m_skipUnits > 0) {
        const qsizetype skipped = std::min<qsizetype>(size, m_skipUnits);
        m_skipUnits -= int(skipped);
        data += skipped;
        size -= skipped;
        if (size == 0)
            return;
    }
    flushHighSurrogate();
    switch (m_state.destination) {
    case Destination::Text:
    case Destination::ListText:
        appendBytes(data, size);
        break;
    case Destination::FontTable:
        fontNameBytes(data, size);
        break;
    case Destination::ColorTable:
        colorTableText(data, size);
        break;
    case Destination::FieldInstruction:
        if (m_fieldInstruction.size() + size <= Limits::kMaxFieldInstruction)
            m_fieldInstruction.append(decodeCodePage(QByteArrayView(data, size), codePageForFont(m_state.chars.font)));
        break;
    case Destination::LevelText:
        for (qsizetype i = 0; i < size; ++i)
            levelTextByte(static_cast<unsigned char>(data[i]));
        break;
    case Destination::ListTable:
    case Destination::ListOverrideTable:
    case Destination::UprContainer:
    case Destination::Dropped:
    case Destination::RowProperties:
        break;
    }
}

void RtfInterpreter::handleByte(unsigned char byte)
{
    if (m_skipUnits > 0) {
        --m_skipUnits;
        return;
    }
    flushHighSurrogate();
    const char c = char(byte);
    switch (m_state.destination) {
    case Destination::Text:
    case Destination::ListText:
        appendBytes(&c, 1);
        break;
    case Destination::FontTable:
        fontNameBytes(&c, 1);
        break;
    case Destination::FieldInstruction:
        handleText(&c, 1);
        break;
    case Destination::LevelText:
        levelTextByte(byte);
        break;
    default:
        break;
    }
}

void RtfInterpreter::handleUnicode(std::int32_t param)
{
    char32_t value;
    if (param < -32768 || param > 65535 || param == 0)
        value = kReplacement;
    else
        value = char32_t(param < 0 ? param + 65536 : param);
    m_skipUnits = m_state.unicodeSkip;

    if (value >= 0xD800 && value <= 0xDBFF) {
        flushHighSurrogate();
        m_highSurrogate = char16_t(value);
        return;
    }
    if (value >= 0xDC00 && value <= 0xDFFF) {
        if (m_highSurrogate) {
            const char32_t combined = 0x10000 + ((char32_t(m_highSurrogate) - 0xD800) << 10) + (value - 0xDC00);
            m_highSurrogate = 0;
            appendCodePoint(combined);
        } else {
            appendCodePoint(kReplacement);
        }
        return;
    }
    flushHighSurrogate();
    const char16_t ch = char16_t(value);
    switch (m_state.destination) {
    case Destination::FontTable:
        if (ch >= 0x20)
            fontNameChar(QStringView(&ch, 1));
        return;
    case Destination::FieldInstruction:
        if (m_fieldInstruction.size() < Limits::kMaxFieldInstruction)
            m_fieldInstruction += QChar(ch);
        return;
    case Destination::LevelText:
        if (m_levelText.size() < Limits::kMaxListText)
            m_levelText += QChar(ch);
        return;
    default:
        break;
    }
    switch (value) {
    case 9: appendChar(u'\t'); break;
    case 10:
    case 13:
    case 0x2029:
        if (m_state.destination == Destination::Text)
            paragraphMark();
        break;
    case 11: appendChar(kLineSeparator); break;
    default:
        appendCodePoint(value < 0x20 ? kReplacement : value);
        break;
    }
}

void RtfInterpreter::flushHighSurrogate()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        appendChar(kReplacement);
    }
}

void RtfInterpreter::appendCodePoint(char32_t codePoint)
{
    if (codePoint > 0xFFFF) {
        appendChar(char16_t(0xD800 + ((codePoint - 0x10000) >> 10)));
        appendChar(char16_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
        return;
    }
    if (codePoint == 0xFDD0 || codePoint == 0xFDD1)
        codePoint = kReplacement; // the document's own frame markers
    appendChar(char16_t(codePoint));
}

void RtfInterpreter::appendListText(char16_t ch)
{
    if (m_listText.isEmpty())
        m_listTextFormat = m_state.chars;
    if (m_listText.size() < Limits::kMaxListText)
        m_listText.append(QChar(ch));
}

void RtfInterpreter::startParagraph()
{
    m_paragraphStarted = true;
    // A paragraph that names a list gets its label from the list table (the
    // written \listtext is a fallback for readers without lists); any other
    // paragraph shows the label text as written.
    QString label;
    CharState format = m_state.chars;
    if (m_state.para.listOverride >= 0) {
        label = m_lists.nextLabel(m_state.para.listOverride, m_state.para.listLevel);
    } else if (!m_listText.isEmpty()) {
        label = m_listText;
        format = m_listTextFormat;
    }
    m_listText.clear();
    if (label.isEmpty())
        return;
    if (m_wantsFormatting && !(m_runFormat == format)) {
        flushRun();
        m_runFormat = format;
    }
    m_run.append(label);
}

void RtfInterpreter::beginContent()
{
    if (m_pendingBreak)
        emitPendingBreak();
    if (!m_paragraphStarted)
        startParagraph();
    if (m_pendingCells > 0) {
        const int cells = m_pendingCells;
        m_pendingCells = 0;
        for (int i = 0; i < cells; ++i)
            appendChar(u'\t');
    }
}

void RtfInterpreter::appendChar(char16_t ch)
{
    if (!textVisible())
        return;
    if (m_state.destination == Destination::ListText) {
        appendListText(ch);
        return;
    }
    prepareRun();
    m_run.append(QChar(ch));
}

void RtfInterpreter::appendBytes(const char *data, qsizetype size)
{
    if (!textVisible())
        return;
    const CodePageCodec *codec = currentCodec();
    if (!codec || !codec->isSingleByte()) {
        m_pendingBytes.append(data, size);
        return;
    }
    const auto &table = codec->byteTable();
    if (m_state.destination == Destination::ListText) {
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t ch = table[static_cast<unsigned char>(data[i])];
            if (ch != CodePageCodec::kDropped)
                appendListText(ch);
        }
        return;
    }
    prepareRun();
    // Body text usually goes on in the same way: decode it without tokens.
    m_tokenizer.decodeTextRun(QByteArrayView(data, size), codec->byteTable(), CodePageCodec::kDropped,
                              m_state.unicodeSkip, m_run);
}

void RtfInterpreter::flushPendingBytes()
{
    const QByteArray bytes = std::exchange(m_pendingBytes, QByteArray());
    const CodePageCodec *codec = currentCodec();
    appendDecoded(codec ? codec->decode(bytes) : decodeCodePage(bytes, CodePage::Windows1252));
}

void RtfInterpreter::appendDecoded(QStringView text)
{
    for (QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch == 0x1A)
            appendChar(kReplacement); // ICU's mark for an incomplete sequence
        else if (ch < 0x20 && ch != u'\t')
            continue;
        else if (ch == 0x2029)
            paragraphMark();
        else
            appendCodePoint(ch);
    }
}

void RtfInterpreter::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_sink->text(m_run, m_runFormat);
    m_textEmitted += m_run.size();
    m_run.resize(0);
    m_sinkFull = m_sink->isFull();
}

void RtfInterpreter::paragraphMark()
{
    if (m_pendingBreak)
        emitPendingBreak();
    if (!m_paragraphStarted && !m_state.chars.has(CharState::Hidden))
        startParagraph(); // an empty list item still shows its label
    m_pendingCells = 0;
    flushHighSurrogate();
    m_pendingBreak = true;
    m_pendingPara = m_state.para;
    m_pendingMark = m_state.chars;
}

void RtfInterpreter::emitPendingBreak()
{
    flushRun();
    m_pendingBreak = false;
    m_paragraphStarted = false;
    m_sink->paragraphBreak(m_pendingPara, m_pendingMark);
    m_sinkFull = m_sink->isFull();
}

} // namespace lumolex::rtf
