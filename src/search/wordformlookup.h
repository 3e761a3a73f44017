#pragma once

// The word box's look-up of an inflected word: when the typed text begins
// no headword of the list, the articles that hold it as a whole word form
// (its transcription key equals a key of the word-form table, not just
// begins one) tell the learner which dictionary word it is a form of.
//
// Both tables are read by row: the article table's cursor and view stay as
// the user left them, so the look-up can run on every keystroke beside the
// type-ahead.

#include "search/fastwordsearch.h"

#include <QString>
#include <QVector>

namespace lumolex {

class Table;

class WordFormLookup
{
public:
    // The articles shown in the view of `articles` (the dictionaries chosen)
    // that hold `typed` as a whole word form, in the fast search's order
    // (key, then ID written in decimal and compared as text); empty for a
    // text without a key.
    static QVector<FoundArticle> articlesHolding(const Table &articles, const Table &wordForms, const QString &typed);

    // true when some headword of the view begins with `typed` (in the key
    // collation), as the type-ahead found it: `articles` stands on the record
    // findNearest(RetTransc(typed)) chose.
    static bool beginsAHeadword(const Table &articles, const QString &typed);
};

} // namespace lumolex
