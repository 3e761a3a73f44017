#pragma once

// The forms dictionary (code 4): one article per lemma of the generated
// paradigms, with the translation of the 1985 dictionary where that has
// the same headword, and every form as an inflected form of its lemma for
// the word-form index.

#include "kildinsources.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>

namespace lumolex::mkdata {

struct ParadigmArticle {
    QString headword;
    QString rtf;
};

struct ParadigmDictionary {
    QVector<ParadigmArticle> articles;          // in the order the lemmas first appear
    QVector<std::pair<QString, QString>> forms; // lemma, form; each pair once
    // What the build summary reports: counts, tags without a label, forms
    // left out. Nothing of the source is dropped without a line here.
    QStringList summary;
};

// A generated form is a word: letters, combining marks, and a hyphen,
// apostrophe or blank between them. Anything else ("выдз+V") is what the
// generator left of a path it could not finish.
bool isWordForm(const QString &form);

ParadigmDictionary convertParadigms(const QVector<KildinParadigmForm> &rows,
                                    const QVector<KildinEntry> &saamiRussian1985);

} // namespace lumolex::mkdata
