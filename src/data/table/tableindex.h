#pragma once

// A sort index of a table: the rows in key order, and the position of each
// row in that order. Text fields compare through their precomputed collation
// keys, integers numerically, nulls before every value; rows with equal keys
// keep their table order.

#include "data/table/table.h"

#include <QString>
#include <QVariant>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumolex {

class TableColumn;

// How an index field of text compares: by the key collation, or by the
// exact spelling (the second level of order that settles equal keys).
enum class TextOrder { Key, Spelling };

// The key-collation keys of one text column, one per row, in one byte pool.
class SortKeyColumn
{
public:
    void extend(const TableColumn &column);         // computes keys for rows not yet keyed
    void clear();
    int size() const { return int(m_ends.size()); }
    std::string_view key(int row) const;

private:
    std::string m_bytes;
    std::vector<quint32> m_ends;                    // 32-bit offsets: keys beyond 4 GB are cut empty
};

// One field of an index, with what comparing it needs. A text field in key
// order compares its column's precomputed keys. One in spelling order makes
// its two keys when a comparison comes to it: the spelling only settles
// rows whose earlier fields are equal, so most rows never need one.
struct IndexPart {
    int field = -1;
    const TableColumn *column = nullptr;
    const SortKeyColumn *keys = nullptr;            // text fields in key order only
    TextOrder order = TextOrder::Key;               // text fields only

    bool isText() const { return keys || order == TextOrder::Spelling; }
};

// A value to compare with one index field.
struct ProbeValue {
    bool null = false;
    std::string key;                                // text fields: collation key
    qint64 number = 0;                              // integer fields
};
using KeyProbe = std::vector<ProbeValue>;

class TableIndex
{
public:
    TableIndex(const QString &name, std::vector<IndexPart> parts);

    const QString &name() const { return m_name; }
    const std::vector<IndexPart> &parts() const { return m_parts; }
    bool isBuilt() const { return m_built; }
    void invalidate() { m_built = false; }
    void build(int rowCount);                       // sorts the rows; columns and keys must be complete

    int size() const { return int(m_order.size()); }
    int rowAt(int position) const { return m_order[size_t(position)]; }
    const int *order() const { return m_order.data(); }   // rows by position
    int positionOf(int row) const { return m_positionOfRow[size_t(row)]; }

    // Probe for the leading fields from caller values; nullopt (with a
    // message in *error) when a value cannot be read as its field's type.
    std::optional<KeyProbe> probe(const QVariantList &values, QString *error) const;
    // Probe for the first field from a text (numbers parsed for an integer field).
    std::optional<KeyProbe> probeFirst(const QString &text, QString *error) const;

    // Compares the row's leading probe.size() fields with the probe.
    int compare(int row, const KeyProbe &probe) const;
    // true when the first field of the row is a text beginning with prefix (a collation key).
    bool firstFieldHasPrefix(int row, std::string_view prefix) const;
    bool firstFieldIsText() const;

private:
    int comparePart(const IndexPart &part, int row, const ProbeValue &value) const;
    struct SortEntry {
        quint64 high = 0;
        quint64 low = 0;
        int row = 0;
        bool settled = false;
    };
    SortEntry sortEntry(int row) const;
    bool before(const SortEntry &a, const SortEntry &b) const;
    bool rowsInOrder(int rowCount) const;
    void sortRun(size_t begin, size_t end, std::vector<SortEntry> &entries);
    void sortByBuckets(int rowCount);
    // Compares two rows on the index fields from firstPart on, then by row.
    int compareRowsFrom(size_t firstPart, int a, int b) const;

    QString m_name;
    std::vector<IndexPart> m_parts;
    std::vector<int> m_order;
    std::vector<int> m_positionOfRow;
    bool m_built = false;
};

// First position p in [begin, end) for which before(p) is false, when
// before is true for a leading run of positions and false after it.
template <typename Before>
int partitionPoint(int begin, int end, Before before)
{
    while (begin < end) {
        const int mid = begin + (end - begin) / 2;
        if (before(mid))
            begin = mid + 1;
        else
            end = mid;
    }
    return begin;
}

} // namespace lumolex
