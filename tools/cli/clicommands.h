#pragma once

// The commands of lumolex-cli. Each writes its records to `out` (UTF-8,
// one record a line, fields separated by tabs), its problems to `err`, and
// returns the exit code.

#include "data/files/datafileschema.h"
#include "data/files/programfolder.h"
#include "search/fastwordsearch.h"

#include <QStringList>

class QTextStream;

namespace lumolex {
class IndexedLookup;
}

namespace lumolex::cli {

enum ExitCode { Success = 0, NotFound = 1, Failure = 2 };

struct ListOptions {
    QList<int> dicts;       // empty: every dictionary
    QString from;           // empty: from the first record
    int count = -1;         // -1: all
};

struct FindOptions {
    QList<int> dicts;       // the selected dictionaries (and code 0)
    bool all = true;        // every dictionary; off when --dict is given
    bool exactLetters = true; // the setting "Точное совпадение букв"; off with --folded
};

class Commands
{
public:
    Commands(QTextStream &out, QTextStream &err, const QString &dataFolder);

    // list, show and find read only the rows they need through the files'
    // look-up indexes when the files have them; with loadAll (or files
    // without them) they load whole tables, as the program does.
    void setLoadAll(bool loadAll) { m_loadAll = loadAll; }

    int key(const QString &text);
    int list(const ListOptions &options);
    int show(int id);
    // The fast word search (find) or the fragment search (fragment).
    enum class SearchKind { Words, Fragment };
    int search(const QString &query, const FindOptions &options, SearchKind kind);
    int stats();
    int rtfToText(const QString &path);
    // The card history as a flash-card deck on standard output; words no
    // article holds are left out and counted on standard error. Without a
    // history file, the one the program uses (see HistoryFile).
    int exportCards(const QString &historyPath, const ProgramFolder &programFolder);

private:
    struct Tables;
    // Reads the files a command uses (and only those) into their tables.
    bool loadTables(Tables *tables, const QList<DataFile> &files);
    // Whether a command may read through the look-up indexes of `files`.
    bool looksUp(IndexedLookup &lookup, const QList<DataFile> &files) const;
    bool acceptQuery(const QString &query, QString *text);
    int printFound(const QVector<FoundArticle> &found);

    QTextStream &m_out;
    QTextStream &m_err;
    QString m_dataFolder;
    bool m_loadAll = false;
};

} // namespace lumolex::cli
