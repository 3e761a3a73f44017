#pragma once

// Single look-ups that read only the rows they need. Through the look-up
// indexes of the data files (data/files/lookupindexes.h), the rows a look-up
// needs are read into small tables of the loaded layout; the program's own
// code (the word list's order, the fast word search) then runs on them
// unchanged, so that every answer is exactly the one the whole tables give.
// Files built without the indexes are not looked up (available() is false);
// the caller loads the whole tables instead.

#include "data/files/dataloader.h"

#include <QList>
#include <QString>

namespace lumolex {

class Table;

class IndexedLookup
{
public:
    explicit IndexedLookup(const QString &dataFolder);

    // true when every file of `files` carries its look-up indexes.
    bool available(const QList<DataFile> &files);

    // Each reader fills tables made with fieldDefs() of their files and
    // indexes them as DataFileLoader::readIndexed does; false (and
    // errorString()) when a file cannot be read.

    // The article with this ID, if any.
    bool readArticle(int id, Table &articles);
    // The articles a word list needs to show `count` records (-1: all) from
    // the nearest key of `from` (empty: from the first record), in the view
    // of `dicts` (empty: every dictionary; else those and code 0): those
    // records and every article of an equal key, so that ties keep the
    // table's own order.
    bool readListArticles(const QString &from, const QList<int> &dicts, int count, Table &articles);
    // The word forms the fast word search of `query` reaches and the
    // articles they name.
    bool readSearchRows(const QString &query, Table &articles, Table &wordForms);

    QString errorString() const { return m_error; }

private:
    bool readArticles(const QString &condition, Table &articles);

    QString m_dataFolder;
    DataFileLoader m_loader;
    QString m_error;
};

} // namespace lumolex
