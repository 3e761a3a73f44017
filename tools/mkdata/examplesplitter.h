#pragma once

// The 1986 dictionaries print an example as one run of text: the phrase
// and its translation side by side, with nothing between them. The splitter
// finds the boundary from what it knows of each language: letters that
// only Kildin Saami uses, and the vocabularies (words and their beginnings)
// of both languages gathered from the sources. When the evidence is too
// weak the example stays whole.

#include "articlelayout.h"

#include <QSet>
#include <QString>

namespace lumolex::mkdata {

class ExampleSplitter
{
public:
    void addSaamiText(QStringView text);
    void addRussianText(QStringView text);

    // Splits "phrase translation" where the phrase is Saami (saamiFirst) or
    // Russian. The pair's translation is empty when no split is convincing.
    ExamplePair split(const QString &text, bool saamiFirst) const;

    // +1 for a Saami word, -1 for a Russian word, 0 when unknown or both.
    int languageOf(QStringView token) const;

private:
    static QString normalised(QStringView token);
    static QString stemOf(const QString &word);

    QSet<QString> m_saami;
    QSet<QString> m_russian;
    QSet<QString> m_saamiStems;
    QSet<QString> m_russianStems;
};

// True when the text holds a letter or diacritic that only Kildin Saami uses.
bool hasSaamiLetter(QStringView text);

} // namespace lumolex::mkdata
