#pragma once

// The content of the three data files, ready to be written.

#include "wordformindex.h"

#include "data/files/credits.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace lumolex::mkdata {

struct ArticleRow {
    int id = 0;
    int dict = 0;
    QString word;
    bool bodyNull = true;
    QByteArray body;        // zlib stream
    QString key;            // TRANSC
    QString gotoWord;       // empty: none
};

struct ExampleRow {
    int id = 0;
    bool bodyNull = true;
    QByteArray body;
};

struct BuiltData {
    QVector<ArticleRow> articles;       // ascending ID
    WordFormIndex wordForms;
    QVector<ExampleRow> examples;       // ascending ID
    QVector<DictionaryCredit> credits;
};

} // namespace lumolex::mkdata
