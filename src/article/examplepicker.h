#pragma once

// Drawing a speech example at random from the examples table.
//
// Every draw is independent: each record, by its position 1..count in stored
// order, is equally likely, and the same example may come twice in a row.
// Examples are shown as stored, in the article font, and are not masked.

#include "article/articledocument.h"

#include <functional>

class QTextDocument;

namespace lumolex {

class Table;

// Answers a record number from 1 to count, both included (count >= 1).
using RandomRecord = std::function<int(int count)>;

// The program's random source: uniform over 1..count.
int uniformRandomRecord(int count);

class ExamplePicker
{
public:
    explicit ExamplePicker(RandomRecord random = uniformRandomRecord);

    void setRandomSource(RandomRecord random);   // tests give a fixed sequence

    // Makes a random record of examples current and shows its PHRASE in doc in
    // the given font; answers the record number drawn. With no table or no
    // record, doc is emptied and 0 is answered.
    int showRandomExample(Table *examples, QTextDocument *doc, const ArticleFont &font) const;

private:
    RandomRecord m_random;
};

} // namespace lumolex
