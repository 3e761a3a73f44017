#pragma once

// The look of a generated article, as simple HTML in one line: the
// headword in bold (with its homonym number raised), grammar notes in grey
// italics, the translation with its clarifying remarks in italics, then the
// variants, the explanation, the examples (phrase in bold, " — ", its
// translation) and the references to other headwords, each on a line of
// its own. Every article of the sample dictionaries uses this layout.

#include <QString>
#include <QStringList>
#include <QVector>

namespace lumolex::mkdata {

struct ExamplePair {
    QString phrase;         // in the language of the headword
    QString translation;    // empty when the source could not be split
};

struct ArticleLayout {
    QString headword;
    int homonym = 0;                // 0: none
    QStringList grammar;            // part of speech, class, stem, plural, forms...
    QString translation;
    QStringList variants;
    QString explanation;
    QVector<ExamplePair> examples;
    QStringList references;         // "ср. X", "см. X"
};

QString escapeHtml(QStringView text);
// Escapes text and sets every parenthesised remark in italics.
QString withItalicRemarks(QStringView text);

QString renderArticle(const ArticleLayout &article);
// The texts of the grammar notes (part of speech, class, stem, plural...) of
// an article body written by renderArticle, unescaped, or the grey italic
// runs of an RTF body (the labels of a forms table); none for any other
// body. The word-form index leaves their words out.
QStringList grammarNoteTexts(QStringView html);
// One example line: phrase in bold, a dash, the translation.
QString renderExample(const ExamplePair &example);

} // namespace lumolex::mkdata
