#include "rtf/documentsink.h"

#include "rtf/rtfunits.h"

#include <QTextDocument>

#include <limits>

namespace lumolex::rtf {

namespace {
constexpr std::size_t kCharFormatCache = 32;
}

DocumentSink::DocumentSink(QTextDocument *document, qsizetype maxCharacters)
    : m_document(document)
    , m_undoWasEnabled(document->isUndoRedoEnabled())
    , m_room(maxCharacters < 0 ? std::numeric_limits<qsizetype>::max() : maxCharacters)
{
    m_document->setUndoRedoEnabled(false);
    m_document->clear();
    m_cursor = QTextCursor(m_document);
    // One edit for the whole document: outside an edit block every insertion
    // lays out its paragraph again to place the cursor, which made a
    // paragraph of many format runs take time in the square of their number.
    m_cursor.beginEditBlock();
}

DocumentSink::~DocumentSink()
{
    if (m_editing)
        m_cursor.endEditBlock();
    m_document->setUndoRedoEnabled(m_undoWasEnabled);
}

void DocumentSink::begin(const DocumentTables &tables)
{
    m_tables = &tables;
}

QTextCharFormat DocumentSink::toCharFormat(const CharState &state, const DocumentTables &tables)
{
    QTextCharFormat format;
    const auto font = tables.fonts.constFind(state.font);
    if (font != tables.fonts.constEnd() && !font->name.isEmpty())
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(state.sizeHalfPoints / 2.0);
    if (state.has(CharState::Bold))
        format.setFontWeight(QFont::Bold);
    if (state.has(CharState::Italic))
        format.setFontItalic(true);
    if (state.has(CharState::Underline))
        format.setFontUnderline(true);
    if (state.has(CharState::Strike))
        format.setFontStrikeOut(true);
    if (state.has(CharState::AllCaps))
        format.setFontCapitalization(QFont::AllUppercase);
    else if (state.has(CharState::SmallCaps))
        format.setFontCapitalization(QFont::SmallCaps);
    if (state.vertical == CharState::Superscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (state.vertical == CharState::Subscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (state.foreground > 0 && state.foreground < tables.colors.size() && tables.colors[state.foreground].isValid())
        format.setForeground(tables.colors[state.foreground]);
    if (state.background > 0 && state.background < tables.colors.size() && tables.colors[state.background].isValid())
        format.setBackground(tables.colors[state.background]);
    if (state.link >= 0 && state.link < tables.links.size()) {
        format.setAnchor(true);
        format.setAnchorHref(tables.links[state.link]);
    }
    return format;
}

QTextBlockFormat DocumentSink::toBlockFormat(const ParaState &state)
{
    QTextBlockFormat format;
    if (state.leftTwips)
        format.setLeftMargin(twipsToPixels(state.leftTwips));
    if (state.rightTwips)
        format.setRightMargin(twipsToPixels(state.rightTwips));
    if (state.firstLineTwips)
        format.setTextIndent(twipsToPixels(state.firstLineTwips));
    if (state.spaceBeforeTwips)
        format.setTopMargin(twipsToPixels(state.spaceBeforeTwips));
    if (state.spaceAfterTwips)
        format.setBottomMargin(twipsToPixels(state.spaceAfterTwips));
    switch (state.align) {
    case ParaState::Left: break;
    case ParaState::Center: format.setAlignment(Qt::AlignHCenter); break;
    case ParaState::Right: format.setAlignment(Qt::AlignRight); break;
    case ParaState::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    if (state.rightToLeft)
        format.setLayoutDirection(Qt::RightToLeft);
    if (state.lineSpacing != 0) {
        if (state.lineMultiple)
            format.setLineHeight(state.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (state.lineSpacing > 0)
            format.setLineHeight(twipsToPixels(state.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(twipsToPixels(-state.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    if (state.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        tabs.reserve(state.tabCount);
        for (int i = 0; i < state.tabCount; ++i) {
            const TabStop stop = state.tab(i);
            QTextOption::TabType type = QTextOption::LeftTab;
            QChar delimiter;
            switch (stop.kind) {
            case TabStop::Left: break;
            case TabStop::Right: type = QTextOption::RightTab; break;
            case TabStop::Center: type = QTextOption::CenterTab; break;
            case TabStop::Decimal:
                type = QTextOption::DelimiterTab;
                delimiter = u'.';
                break;
            }
            tabs.append(QTextOption::Tab(twipsToPixels(stop.positionTwips), type, delimiter));
        }
        format.setTabPositions(tabs);
    }
    return format;
}

const QTextCharFormat &DocumentSink::charFormat(const CharState &state)
{
    for (auto &entry : m_charFormats) {
        if (entry.first == state)
            return entry.second;
    }
    if (m_charFormats.size() >= kCharFormatCache)
        m_charFormats.erase(m_charFormats.begin());
    m_charFormats.emplace_back(state, toCharFormat(state, *m_tables));
    return m_charFormats.back().second;
}

void DocumentSink::text(QStringView text, const CharState &format)
{
    if (m_full)
        return;
    if (text.size() > m_room) {
        text = text.left(m_room);
        // Never end on the first half of a surrogate pair.
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        m_full = true;
    }
    m_room -= text.size();
    if (text.isEmpty())
        return;
    m_cursor.insertText(text.toString(), charFormat(format));
    m_blockEmpty = false;
}

void DocumentSink::closeBlock(const ParaState &paragraph, const CharState &mark)
{
    if (!(paragraph == m_blockState)) {
        m_cursor.setBlockFormat(toBlockFormat(paragraph));
        m_blockState = paragraph;
    }
    if (m_blockEmpty)
        m_cursor.setBlockCharFormat(charFormat(mark));
}

void DocumentSink::paragraphBreak(const ParaState &paragraph, const CharState &mark)
{
    if (m_full)
        return;
    if (m_room == 0) {
        m_full = true; // more follows than the document may take
        return;
    }
    --m_room;
    closeBlock(paragraph, mark);
    m_cursor.insertBlock(); // the new block starts with this block's format
    m_blockEmpty = true;
}

void DocumentSink::finish(const ParaState &paragraph, const CharState &mark)
{
    closeBlock(paragraph, mark);
    m_cursor.endEditBlock();
    m_editing = false;
    m_document->setModified(false); // freshly loaded, as after opening a file
}

} // namespace lumolex::rtf
