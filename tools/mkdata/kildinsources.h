#pragma once

// The Kildin Saami sample sources: tab-separated UTF-8 files with one
// header line (see data/kildin/SOURCES.md).

#include "sourcefile.h"

#include <QString>
#include <QVector>

namespace lumolex::mkdata {

struct KildinEntry {
    SourceLocation where;
    QString headword;
    QString pos;
    QString translation;
    QString notes;
};

struct KildinExample {
    SourceLocation where;
    QString headword;
    QString saami;
    QString russian;
};

struct KildinForm {
    SourceLocation where;
    QString headword;
    QString form;
};

// One generated form of paradigms.tsv.
struct KildinParadigmForm {
    SourceLocation where;
    QString headword;
    QString tags;
    QString form;
    bool isDefault = false;     // "default": made by a default model, not the word's own class
};

struct KildinSources {
    QVector<KildinEntry> saamiRussian1985;    // sjd_rus.tsv
    QVector<KildinEntry> saamiRussian1986;    // sjd_rus_kert1986.tsv
    QVector<KildinEntry> russianSaami1986;    // rus_sjd.tsv
    QVector<KildinExample> examples;          // examples.tsv
    QVector<KildinForm> forms;                // forms.tsv
    QVector<KildinParadigmForm> paradigms;    // paradigms.tsv
};

// Reads the six files of a source folder. Text is brought to Unicode
// composed form, so that a letter written as base letter plus diacritic
// (э + diaeresis) becomes the single letter (ӭ) and keys agree; runs of
// blanks become one space.
bool readKildinSources(const QString &folder, KildinSources *sources, ProblemList *problems);

QString cleanText(const QString &text);

} // namespace lumolex::mkdata
