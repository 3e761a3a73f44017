#pragma once

// The records of the word list from a key on, as the list shows them: the
// view of some dictionaries (and code 0), started at the nearest key, walked
// with the cursor. lumolex-cli list prints them.

#include <QList>
#include <QString>
#include <QVector>

namespace lumolex {

class Table;

struct ListedRecord {
    qint64 id = 0;
    qint64 dict = 0;
    QString word;

    bool operator==(const ListedRecord &) const = default;
};

// The article table on its key index. `dicts` empty shows every dictionary;
// `nearestKey` empty starts at the first record, else the list starts where
// the word box lands for `typed` whose key it is (TypeAhead: the nearest
// key, then the exact spelling); count -1 walks to the end. The table is
// left filtered.
QVector<ListedRecord> wordListRecords(Table &articles, const QString &nearestKey, const QList<int> &dicts, int count,
                                      const QString &typed = QString());

} // namespace lumolex
