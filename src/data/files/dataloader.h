#pragma once

// Folder data/files: the three data files: their schema, where they live and
// the checks made before reading, their reading into tables (also on a thread
// of its own), the dictionary credits and the SQLite layer. It may use
// data/table only.

// Opening of the three data files: each is read once into its in-memory
// table, then the sort indexes are added. The files are never written.

#include "data/files/credits.h"
#include "data/files/datafileschema.h"

#include <QString>

#include <atomic>
#include <memory>

namespace lumolex {

class Table;

namespace sqlite {
class Database;
}

// Index names of the loaded tables.
inline constexpr char kIndexArticleKey[] = "cds1i1";    // article table, TRANSC;DICT
// Its fields: the key and the dictionary as the word list orders them; among
// equal ones the exact spelling of the headword, then the ID, so that the
// order never depends on the order of the source file.
inline constexpr char kArticleKeyFields[] = "TRANSC;DICT;WORD:spelling;ID";
inline constexpr char kIndexArticleId[] = "cds1i2";     // article table, ID
inline constexpr char kIndexWordFormKey[] = "cds2i1";   // word-form table, TRANSC

class DataFileLoader
{
public:
    explicit DataFileLoader(const QString &dataFolder);

    // Reads the article, word-form and examples files into the tables (each
    // created with fieldDefs() of its file), adds the indexes and makes
    // "cds1i1" and "cds2i1" active. On failure every table is left empty
    // and errorString() names the file and the cause.
    bool load(Table &articles, Table &wordForms, Table &examples);

    // The two halves of load().
    bool readAll(Table &articles, Table &wordForms, Table &examples);
    static void buildIndexes(Table &articles, Table &wordForms);
    // The indexes of one table: "cds1i1" and "cds1i2" with "cds1i1" active,
    // or "cds2i1" active.
    static void buildArticleIndexes(Table &articles);
    static void buildWordFormIndex(Table &wordForms);

    // Whether a reading stores the blob fields (the article bodies, the
    // examples' phrases), leaves them null for a look-up that shows none, or
    // checks their types as a reading that stores them would (so a file
    // fails or passes as before) and leaves them null for readBodies().
    enum class Bodies { Read, Skip, Defer };
    // Reads one file into its table (left empty on failure).
    bool readFile(DataFile file, Table &table, Bodies bodies = Bodies::Read);
    // Reads only the rows of one file that satisfy `condition`, an SQL
    // expression over the file's own columns (written by the program, never
    // taken from input), with the same checks and in the same order as
    // readFile, from `db`: the file, opened and checked by openDataFile().
    // For programs that look up a few rows through the files' look-up
    // indexes instead of loading whole tables; the credits are not read.
    bool readRows(DataFile file, sqlite::Database &db, Table &table, const QString &condition,
                  Bodies bodies = Bodies::Read);
    // Reads a file with its indexes: readFile, then buildArticleIndexes or
    // buildWordFormIndex as the file needs.
    bool readIndexed(DataFile file, Table &table, Bodies bodies = Bodies::Read);

    // The blob field a reading with Bodies::Defer leaves for later (-1 for a
    // file without one), and the table readBodies() fills: the ID and that
    // field, one row per record in ID order, as Table::fillDeferred takes.
    static int deferredField(DataFile file);
    static std::unique_ptr<Table> newBodyTable(DataFile file);
    // Reads the deferred field of every record from `db` (the file, opened
    // and checked by openDataFile()) into an empty table made by
    // newBodyTable() (reserved for the rows, best), with the checks of a
    // full reading; the table is left empty on failure.
    bool readBodies(DataFile file, sqlite::Database &db, Table &bodies);

    // A reading that sees `*stop` raised gives up (the table is left empty,
    // the cause says so). For a reading on another thread that the program
    // no longer waits for.
    void setStopFlag(const std::atomic<bool> *stop) { m_stop = stop; }

    QString errorString() const { return m_error; }
    // The credited persons found in the article file.
    const DictionaryCredits &credits() const { return m_credits; }

private:
    bool prepareTable(DataFile file, Table &table);   // empties it; false when its fields are not the file's
    // Reads the rows into a prepared table from the open file.
    bool readFrom(DataFile file, sqlite::Database &db, Table &table, const QString &condition, Bodies bodies);
    bool fail(DataFile file, const QString &cause);

    QString m_dataFolder;
    QString m_error;
    const std::atomic<bool> *m_stop = nullptr;
    DictionaryCredits m_credits;
};

} // namespace lumolex
