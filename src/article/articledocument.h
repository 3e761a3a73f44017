#pragma once

// Preparing the document of an article for display, without widgets.
//
// The stored body of the current article is decoded into a document, the
// offensive stems are masked, and the user's font family and size are put on
// every character. The markup itself is shown as stored.

#include "article/bodydecoder.h"

#include <QString>

class QTextDocument;

namespace lumolex {

class Table;

// The font the user chose for article text (FontNameLumo, FontSizeText).
struct ArticleFont {
    QString family = QStringLiteral("Tahoma");
    int pointSize = 11;
    bool operator==(const ArticleFont &) const = default;
};

// Replaces doc by the decoded TRANSL body of the table's current record.
// An empty view or a table without TRANSL counts as a null body.
BodyKind UpdateEditor(const Table &articles, QTextDocument *doc);

// Puts the family and the point size on every character of doc, paragraph
// marks included, and drops pixel sizes that would override the point size.
// Every other property stays. Qt fonts carry no character set: the Cyrillic
// charset is written by the RTF writer for every font, so nothing is set for it.
void imposeFont(QTextDocument *doc, const ArticleFont &font);

// Puts the point size on every character of doc, paragraph marks included,
// and drops pixel sizes that would override it. Families, styles and colours
// stay.
void imposePointSize(QTextDocument *doc, int pointSize);

// UpdateEditor, then masking (for bodies that were decoded), then imposeFont.
BodyKind prepareArticle(const Table &articles, QTextDocument *doc, const ArticleFont &font);

} // namespace lumolex
