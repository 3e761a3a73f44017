#pragma once

// The records of the editable source lists, parsed from their lines:
//
//   articles:  dictionary code <TAB> headword <TAB> cross-reference <TAB> body
//   examples:  body
//   forms:     headword <TAB> inflected form [<TAB> anything further]
//   credits:   dictionary code <TAB> person [<TAB> source]
//
// A body is RTF when it starts with "{\rtf", else simple HTML; an empty
// body (or a missing body field) means the article has none.

#include "sourcefile.h"

#include <QString>
#include <QVector>

namespace lumolex::mkdata {

struct ArticleSource {
    SourceLocation where;
    int dict = 0;
    QString word;
    QString gotoWord;
    QString body;
};

struct ExampleSource {
    SourceLocation where;
    QString body;
};

struct FormSource {
    SourceLocation where;
    QString lemma;
    QString form;
};

struct CreditSource {
    SourceLocation where;
    int dict = 0;
    QString person;
    QString source;
};

// Each appends the good records and reports every bad line.
void parseArticles(const QVector<SourceLine> &lines, QVector<ArticleSource> *out, ProblemList *problems);
void parseExamples(const QVector<SourceLine> &lines, QVector<ExampleSource> *out, ProblemList *problems);
void parseForms(const QVector<SourceLine> &lines, QVector<FormSource> *out, ProblemList *problems);
void parseCredits(const QVector<SourceLine> &lines, QVector<CreditSource> *out, ProblemList *problems);

// Reads a dictionary code: a decimal integer from 0 to 2147483647.
bool parseDictCode(const QString &text, int *code);

} // namespace lumolex::mkdata
