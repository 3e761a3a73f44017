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

#include <memory>
#include <vector>

namespace lumolex {

class Table;

class IndexedLookup
{
public:
    explicit IndexedLookup(const QString &dataFolder);
    ~IndexedLookup();

    // true when every file of `files` carries its look-up indexes. Each file
    // is opened and checked once, at its first use, and kept open for the
    // readers.
    bool available(const QList<DataFile> &files);

    // Each reader fills tables made with fieldDefs() of their files; false
    // (and errorString()) when a file cannot be read. Each indexes its
    // tables for what reads them, as said of it.

    // The article with this ID, if any, on its ID index (kIndexArticleId).
    bool readArticle(int id, Table &articles);
    // The articles a word list needs to show `count` records (-1: all) from
    // the nearest key of `from` (empty: from the first record), in the view
    // of `dicts` (empty: every dictionary; else those and code 0): those
    // records and every article of an equal key, so that ties keep the
    // table's own order. Indexed as DataFileLoader::readIndexed does; the
    // bodies are left null (a word list shows none).
    bool readListArticles(const QString &from, const QList<int> &dicts, int count, Table &articles);
    // The word forms the fast word search of `query` reaches, on their key
    // index, and the articles they name, on their ID index: what
    // FastWordSearch::run needs. The bodies are read only with
    // Bodies::Read, for a search that reads the texts
    // (FastWordSearch::readsArticleTexts).
    bool readSearchRows(const QString &query, Table &articles, Table &wordForms,
                        DataFileLoader::Bodies bodies = DataFileLoader::Bodies::Read);

    QString errorString() const { return m_error; }

    // The file as the readers have it open and checked, for other readers of
    // the same look-up (WordSpellingFile); null (and errorString()) when it
    // cannot be read. It stays open as long as this object.
    sqlite::Database *database(DataFile file);

private:
    struct OpenFile;
    OpenFile &openFile(DataFile file);
    bool readArticles(const QString &condition, Table &articles, DataFileLoader::Bodies bodies);
    // The articles of a word list, with the indexes it reads.
    bool readListed(const QString &condition, Table &articles);

    QString m_dataFolder;
    DataFileLoader m_loader;
    std::vector<std::unique_ptr<OpenFile>> m_files;
    QString m_error;
};

} // namespace lumolex
