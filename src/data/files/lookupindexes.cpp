#include "data/files/lookupindexes.h"

#include "data/files/sqlitedb.h"
#include "data/table/collation.h"

namespace lumolex {

QStringList lookupIndexStatements(DataFile file)
{
    switch (file) {
    case DataFile::Articles:
        return {QStringLiteral("CREATE TABLE %1 (SORTKEY BLOB NOT NULL, DICT INTEGER NOT NULL, ID INTEGER NOT NULL, "
                               "PRIMARY KEY (SORTKEY, DICT, ID)) WITHOUT ROWID")
                    .arg(QLatin1String(kArticleKeyOrderTable))};
    case DataFile::WordForms:
        return {QStringLiteral("CREATE INDEX %1 ON wordforms (TRANSC)").arg(QLatin1String(kWordFormKeyIndex))};
    case DataFile::Examples:
        break;
    }
    return {};
}

QByteArray articleOrderKey(const QString &transcriptionKey)
{
    const std::string key = KeyCollation::sortKey(transcriptionKey);
    return QByteArray(key.data(), qsizetype(key.size()));
}

bool hasLookupIndexes(sqlite::Database &db, DataFile file)
{
    const char *type = file == DataFile::Articles ? "table" : "index";
    const char *name = file == DataFile::Articles ? kArticleKeyOrderTable : kWordFormKeyIndex;
    if (file == DataFile::Examples)
        return false;
    sqlite::Statement find(db, "SELECT count(*) FROM sqlite_master WHERE type = ? AND name = ?");
    find.bindText(1, QString::fromLatin1(type));
    find.bindText(2, QString::fromLatin1(name));
    return find.next() && find.columnInt(0) > 0;
}

} // namespace lumolex
