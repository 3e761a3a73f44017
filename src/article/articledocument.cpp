#include "article/articledocument.h"

#include "article/masking.h"
#include "data/table/table.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace lumolex {

namespace {

QTextCharFormat withFont(QTextCharFormat format, const ArticleFont &font)
{
    format.clearProperty(QTextFormat::FontFamily);
    format.clearProperty(QTextFormat::FontPixelSize);
    format.setFontFamilies(QStringList{font.family});
    format.setFontPointSize(font.pointSize);
    return format;
}

} // namespace

BodyKind UpdateEditor(const Table &articles, QTextDocument *doc)
{
    if (!doc)
        return BodyKind::Null;
    const int field = articles.fieldIndex(u"TRANSL");
    if (field < 0 || articles.isEmpty()) {
        doc->clear();
        return BodyKind::Null;
    }
    return decodeBody(articles.blob(field), articles.isNull(field), doc);
}

namespace {

// Runs `change` over the format of every character of doc, paragraph marks
// included, in one edit block.
template <typename Change>
void changeEveryCharacter(QTextDocument *doc, Change change)
{
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        // The paragraph mark's format gives an empty paragraph its height.
        cursor.setPosition(block.position());
        cursor.setBlockCharFormat(change(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(change(fragment.charFormat()));
        }
    }
    cursor.endEditBlock();
}

} // namespace

void imposeFont(QTextDocument *doc, const ArticleFont &font)
{
    if (!doc)
        return;
    changeEveryCharacter(doc, [&font](const QTextCharFormat &format) { return withFont(format, font); });
    QFont defaultFont = doc->defaultFont();
    defaultFont.setFamilies(QStringList{font.family});
    defaultFont.setPointSize(font.pointSize);
    doc->setDefaultFont(defaultFont);
}

void imposePointSize(QTextDocument *doc, int pointSize)
{
    if (!doc)
        return;
    changeEveryCharacter(doc, [pointSize](QTextCharFormat format) {
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(pointSize);
        return format;
    });
    QFont defaultFont = doc->defaultFont();
    defaultFont.setPointSize(pointSize);
    doc->setDefaultFont(defaultFont);
}

BodyKind prepareArticle(const Table &articles, QTextDocument *doc, const ArticleFont &font)
{
    const BodyKind kind = UpdateEditor(articles, doc);
    if (kind == BodyKind::RichText || kind == BodyKind::PlainText)
        ReplaceBadWord(doc);
    imposeFont(doc, font);
    return kind;
}

} // namespace lumolex
