#pragma once

// The Saami-Russian phrasebook: topics that gather real example sentences
// of the 1985 dictionary, chosen by keywords of their Russian translations.

#include "articlelayout.h"
#include "kildinsources.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace lumolex::mkdata {

struct PhrasebookTopic {
    QString title;          // the topic's headword, in Russian
    QStringList keywords;   // whole words; a trailing '*' matches any ending
};

// The topics in the order of the phrasebook.
const QVector<PhrasebookTopic> &phrasebookTopics();

// Longest phrase taken, in characters, and most phrases per topic.
inline constexpr int kPhraseMaxLength = 70;
inline constexpr int kPhrasesPerTopic = 40;

struct PhrasebookArticle {
    QString title;
    QVector<ExamplePair> phrases;
};

// Picks the phrases of each topic: each example goes to the first topic
// whose keyword its translation holds, shorter phrases first, each phrase
// once. Topics without phrases are left out.
QVector<PhrasebookArticle> buildPhrasebook(const QVector<KildinExample> &examples);

QString renderPhrasebookArticle(const PhrasebookArticle &article);

} // namespace lumolex::mkdata
