#pragma once

// The words met in cards as a flash-card deck: plain UTF-8 text, one card a
// line (headword, tab, the article's plain text as HTML, tab, the
// dictionary as a tag), opened by the header lines that spaced-repetition
// programs read when they import plain text, so that it imports without any
// settings. The window's «Экспорт карточек…» and `lumolex-cli export-cards`
// both make it here.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumolex {

class Table;

struct CardDeck {
    QByteArray text;          // the whole deck, header included
    int cards = 0;            // lines after the header
    QStringList missing;      // words of the history no article holds
};

// The deck of `words` (the card history, newest first, kept in that order)
// from the article table (all indexes defined; its cursor and view are left
// alone). A word finds the article whose headword is spelt exactly so, else
// the first of its key in the list's order.
CardDeck makeCardDeck(const Table &articles, const QStringList &words);

// The tag of a dictionary code: its short name, without blanks.
QString dictionaryTag(int dict);

} // namespace lumolex
