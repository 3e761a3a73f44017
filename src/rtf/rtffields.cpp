// Fields of the interpreter: a field shows its result; a HYPERLINK field
// makes its result a link, and a SYMBOL field whose result is empty shows
// the character its instruction names.
#include "rtf/rtfinterpreter.h"

#include "rtf/codepage.h"
#include "rtf/symbolfonts.h"

#include <limits>

namespace lumolex::rtf {

namespace {

// The target of a HYPERLINK field instruction: HYPERLINK "url" \l "anchor"
// \o "tooltip"... Empty when the instruction is something else.
QString hyperlinkTarget(QStringView instruction)
{
    instruction = instruction.trimmed();
    static constexpr QLatin1StringView kHyperlink("HYPERLINK");
    if (!instruction.startsWith(kHyperlink, Qt::CaseInsensitive))
        return {};
    QStringView rest = instruction.mid(kHyperlink.size());
    QString url;
    QString anchor;
    enum { Url, Anchor, SwitchArgument } next = Url;
    while (!rest.isEmpty()) {
        rest = rest.trimmed();
        if (rest.isEmpty())
            break;
        if (rest.front() == u'\\' && rest.size() > 1) {
            const QChar option = rest.at(1);
            next = option == u'l' ? Anchor : (option == u'o' || option == u't') ? SwitchArgument : next;
            rest = rest.mid(2);
            continue;
        }
        QStringView word;
        if (rest.front() == u'"') {
            const qsizetype close = rest.indexOf(u'"', 1);
            word = close < 0 ? rest.mid(1) : rest.mid(1, close - 1);
            rest = close < 0 ? QStringView() : rest.mid(close + 1);
        } else {
            qsizetype end = 0;
            while (end < rest.size() && !rest.at(end).isSpace())
                ++end;
            word = rest.left(end);
            rest = rest.mid(end);
        }
        if (next == Anchor)
            anchor = word.toString();
        else if (next == Url && url.isEmpty())
            url = word.toString();
        next = Url;
    }
    if (!anchor.isEmpty())
        url += u'#' + anchor;
    return url;
}

} // namespace

void RtfInterpreter::beginField()
{
    m_fieldInstruction.clear();
    if (m_fields.size() < std::size_t(Limits::kMaxOpenFields))
        m_fields.push_back({m_stack.size(), visibleTextCount(), QString()});
}

void RtfInterpreter::beginFieldResult()
{
    m_state.destination = Destination::Text;
    if (!m_fields.empty())
        m_fields.back().instruction = m_fieldInstruction;
    const QString target = hyperlinkTarget(m_fieldInstruction);
    m_fieldInstruction.clear();
    if (target.isEmpty() || m_tables.links.size() >= Limits::kMaxTableEntries)
        return;
    m_tables.links.append(target);
    m_state.chars.link = int(m_tables.links.size() - 1);
}

// The field's group is closing, its state still current.
void RtfInterpreter::endField()
{
    const OpenField field = std::move(m_fields.back());
    m_fields.pop_back();
    if (visibleTextCount() > field.textBefore || m_state.destination != Destination::Text)
        return; // the result showed something: that is what the field looks like
    const SymbolInstruction symbol =
        parseSymbolInstruction(field.instruction.isEmpty() ? QStringView(m_fieldInstruction) : QStringView(field.instruction));
    if (symbol.valid)
        showSymbol(symbol);
}

// The character of a SYMBOL field: its code in the named font (or the
// field's own font), mapped to Unicode as symbolFontCharacter describes.
void RtfInterpreter::showSymbol(const SymbolInstruction &symbol)
{
    char32_t codePoint = 0;
    if (symbol.unicode) {
        codePoint = char32_t(symbol.code);
    } else {
        const auto current = m_tables.fonts.constFind(m_state.chars.font);
        const QString fontName = !symbol.font.isEmpty() ? symbol.font
            : current != m_tables.fonts.constEnd()      ? current->name
                                                        : QString();
        const SymbolCharacter mapped = symbolFontCharacter(fontName, symbol.code);
        if (mapped.inNamedFont)
            selectFont(fontNumberFor(fontName, true));
        codePoint = mapped.codePoint;
        if (!codePoint && symbol.code < 0x100) {
            const char byte = char(symbol.code);
            const int font = symbol.font.isEmpty() ? m_state.chars.font : fontNumberFor(symbol.font, false);
            const QString decoded = decodeCodePage(QByteArrayView(&byte, 1), codePageForFont(font));
            codePoint = decoded.size() == 1 ? decoded.front().unicode() : 0;
        } else if (!codePoint) {
            codePoint = char32_t(symbol.code);
        }
    }
    if (codePoint < 0x20 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return;
    appendCodePoint(codePoint);
}

// The number of the font table entry with this name. A missing one is
// added when asked (for a symbol font the document does not declare), else
// -1 (no font: the document's code page); the current font when the table
// is full.
int RtfInterpreter::fontNumberFor(const QString &name, bool addMissing)
{
    int highest = -1;
    for (auto it = m_tables.fonts.cbegin(); it != m_tables.fonts.cend(); ++it) {
        if (it->name.compare(name, Qt::CaseInsensitive) == 0)
            return it.key();
        highest = std::max(highest, it.key());
    }
    if (!addMissing)
        return -1;
    if (m_tables.fonts.size() >= Limits::kMaxTableEntries || highest == std::numeric_limits<int>::max())
        return m_state.chars.font;
    FontEntry entry;
    entry.name = name;
    entry.charset = isSymbolFont(name) ? 2 : -1;
    m_tables.fonts.insert(highest + 1, entry);
    return highest + 1;
}

} // namespace lumolex::rtf
