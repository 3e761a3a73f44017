#pragma once

// Turns the Kildin Saami sample sources into the editable source lists of
// the build: one article list for all dictionaries, the speech examples and
// the inflected forms.
//
//   code 1  Saami-Russian dictionary of 1985, with its example sentences
//   code 2  Saami-Russian part of the 1986 dictionary
//   code 3  Russian-Saami part of the 1986 dictionary
//   code 4  the forms of the generated paradigms, one article per lemma
//   code 9  a Saami-Russian phrasebook of topics made of real examples

#include "kildinsources.h"
#include "sourcefile.h"

#include <QString>
#include <QVector>

#include <utility>

namespace lumolex::mkdata {

struct ConvertedArticle {
    int dict = 0;
    QString word;
    QString gotoWord;
    QString html;       // the body: simple HTML, or RTF
};

struct KildinOutput {
    QVector<ConvertedArticle> articles;
    QStringList examples;                       // HTML bodies
    QVector<std::pair<QString, QString>> forms; // headword, form
    QStringList summary;                        // what the conversion reports beside its counts
};

KildinOutput convertKildin(const KildinSources &sources);

// Writes articles.tsv, examples.tsv and forms.tsv into the folder.
// Returns an empty text on success, else what went wrong.
QString writeKildinOutput(const KildinOutput &output, const QString &folder);

} // namespace lumolex::mkdata
