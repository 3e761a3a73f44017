#pragma once

// Indexes written into the data files for programs that look up a few rows
// instead of loading whole tables (lumolex-cli). The window never reads them;
// files built without them still load and search as before.
//
// The word-form file gets a plain SQL index on its keys: keys are lower-case,
// so the forms whose key begins with a text are one range of the binary order.
// The article file gets a key-order table: the key collation is the
// program's own, which SQLite does not know, so its order is stored as the
// collation's sort key (a byte string whose byte order is the key order),
// beside the dictionary code and the ID. A file may be inspected with the
// sqlite3 shell as before: nothing in it needs a collation of ours.

#include "data/files/datafileschema.h"

#include <QString>
#include <QStringList>

namespace lumolex {

namespace sqlite {
class Database;
}

inline constexpr char kArticleKeyOrderTable[] = "articles_by_key";
inline constexpr char kWordFormKeyIndex[] = "wordforms_by_key";

// The statements that add the look-up indexes to a file holding its table
// (none for the examples file).
QStringList lookupIndexStatements(DataFile file);

// The key-order row of one article, as written into kArticleKeyOrderTable.
QByteArray articleOrderKey(const QString &transcriptionKey);

// true when the file's look-up indexes are present (a file built by an older
// tool has none).
bool hasLookupIndexes(sqlite::Database &db, DataFile file);

} // namespace lumolex
