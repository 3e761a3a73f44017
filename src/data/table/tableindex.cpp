#include "data/table/tableindex.h"

#include "data/table/collation.h"
#include "data/table/spelling.h"
#include "data/table/tablecolumn.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace lumolex {

void SortKeyColumn::extend(const TableColumn &column)
{
    const int rows = column.size();
    if (rows <= size())
        return;
    m_ends.reserve(size_t(rows));
    // A letter of the alphabet keys as one byte, other characters as one to
    // three: the characters and an eighth more hold nearly every column's
    // keys without the pool moving while it fills.
    const size_t units = column.textUnits();
    m_bytes.reserve(m_bytes.size() + units + units / 8 + 64);
    QString buffer;
    for (int row = size(); row < rows; ++row) {
        const size_t before = m_bytes.size();
        KeyCollation::appendSortKey(column.text(row, buffer), m_bytes);
        if (m_bytes.size() > 0xFFFFFFFFu)
            m_bytes.resize(before);
        m_ends.push_back(quint32(m_bytes.size()));
    }
}

void SortKeyColumn::clear()
{
    m_bytes = {};
    m_ends = {};
}

std::string_view SortKeyColumn::key(int row) const
{
    const size_t begin = row > 0 ? m_ends[size_t(row) - 1] : 0;
    return std::string_view(m_bytes).substr(begin, m_ends[size_t(row)] - begin);
}

namespace {

std::string spellingKey(const TableColumn &column, int row)
{
    QString buffer;
    return SpellingCollation::sortKey(column.text(row, buffer));
}

} // namespace

TableIndex::TableIndex(const QString &name, std::vector<IndexPart> parts)
    : m_name(name)
    , m_parts(std::move(parts))
{
}

int TableIndex::comparePart(const IndexPart &part, int row, const ProbeValue &value) const
{
    const bool null = part.column->isNull(row);
    if (null || value.null)
        return int(value.null) - int(null);         // nulls first
    if (part.order == TextOrder::Spelling)
        return KeyCollation::compareKeys(spellingKey(*part.column, row), value.key);
    if (part.keys)
        return KeyCollation::compareKeys(part.keys->key(row), value.key);
    const qint64 number = part.column->integer(row);
    return number < value.number ? -1 : (number > value.number ? 1 : 0);
}

TableIndex::SortEntry TableIndex::sortEntry(int row) const
{
    // The first field packed into 128 bits whose order agrees with the full
    // comparison wherever the bits differ: texts as their first 16 key bytes
    // (big-endian, zero-padded: a key that ends sorts before any byte that
    // could follow it), integers offset to unsigned. `settled` says equal
    // bits mean equal first fields: a text key of 1 to 16 bytes, or an
    // integer; nulls and longer keys need the full comparison.
    SortEntry entry;
    entry.row = row;
    const IndexPart &part = m_parts.front();
    if (part.column->isNull(row))
        return entry;
    if (part.isText()) {
        const std::string spelled = part.keys ? std::string() : spellingKey(*part.column, row);
        const std::string_view key = part.keys ? part.keys->key(row) : std::string_view(spelled);
        unsigned char bytes[16] = {};
        if (!key.empty())
            std::memcpy(bytes, key.data(), std::min<size_t>(key.size(), 16));
        entry.high = qFromBigEndian<quint64>(bytes);
        entry.low = qFromBigEndian<quint64>(bytes + 8);
        entry.settled = !key.empty() && key.size() <= 16;
        return entry;
    }
    entry.high = quint64(part.column->integer(row)) ^ (quint64(1) << 63);
    entry.low = 1;                                  // above a null of the same high bits
    entry.settled = true;
    return entry;
}

int TableIndex::compareRowsFrom(size_t firstPart, int a, int b) const
{
    for (size_t i = firstPart; i < m_parts.size(); ++i) {
        const IndexPart &part = m_parts[i];
        const bool nullA = part.column->isNull(a);
        const bool nullB = part.column->isNull(b);
        int c = 0;
        if (nullA || nullB) {
            c = int(nullB) - int(nullA);
        } else if (part.order == TextOrder::Spelling) {
            c = KeyCollation::compareKeys(spellingKey(*part.column, a), spellingKey(*part.column, b));
        } else if (part.keys) {
            c = KeyCollation::compareKeys(part.keys->key(a), part.keys->key(b));
        } else {
            const qint64 x = part.column->integer(a);
            const qint64 y = part.column->integer(b);
            c = x < y ? -1 : (x > y ? 1 : 0);
        }
        if (c != 0)
            return c;
    }
    return a < b ? -1 : (a > b ? 1 : 0);
}

namespace {
constexpr size_t BucketSortRows = size_t(1) << 16;
constexpr size_t Buckets = size_t(1) << 16;
} // namespace

bool TableIndex::rowsInOrder(int rowCount) const
{
    for (int row = 1; row < rowCount; ++row) {
        if (compareRowsFrom(0, row - 1, row) > 0)
            return false;
    }
    return true;
}

bool TableIndex::before(const SortEntry &a, const SortEntry &b) const
{
    if (a.high != b.high)
        return a.high < b.high;
    if (a.low != b.low)
        return a.low < b.low;
    return compareRowsFrom(a.settled && b.settled ? 1 : 0, a.row, b.row) < 0;
}

// Sorts m_order[begin, end) by the index fields, through packed entries of
// those rows only.
void TableIndex::sortRun(size_t begin, size_t end, std::vector<SortEntry> &entries)
{
    entries.clear();
    for (size_t i = begin; i < end; ++i)
        entries.push_back(sortEntry(m_order[i]));
    std::sort(entries.begin(), entries.end(), [this](const SortEntry &a, const SortEntry &b) { return before(a, b); });
    for (size_t i = begin; i < end; ++i)
        m_order[i] = entries[i - begin].row;
}

// Places the rows by the top 16 bits of their packed first field (a
// counting sort: one pass to count, one to place), then sorts each run of
// equal top bits. The top bits lead the order, so the result is the same as
// one sort of all rows, with far fewer comparisons, and the packed entries
// exist for one run at a time, not for the whole table.
void TableIndex::sortByBuckets(int rowCount)
{
    const auto bucketOf = [this](int row) { return size_t(sortEntry(row).high >> 48); };
    std::vector<quint32> starts(Buckets + 1, 0);
    for (int row = 0; row < rowCount; ++row)
        ++starts[bucketOf(row) + 1];
    size_t largest = 0;
    for (size_t b = 0; b < Buckets; ++b) {
        largest = std::max(largest, size_t(starts[b + 1]));
        starts[b + 1] += starts[b];
    }
    std::vector<quint32> next(starts.begin(), starts.end() - 1);
    for (int row = 0; row < rowCount; ++row)
        m_order[next[bucketOf(row)]++] = row;
    next = {};
    std::vector<SortEntry> entries;
    entries.reserve(largest);
    for (size_t b = 0; b < Buckets; ++b) {
        if (starts[b + 1] - starts[b] > 1)
            sortRun(starts[b], starts[b + 1], entries);
    }
}

void TableIndex::build(int rowCount)
{
    const size_t rows = size_t(std::max(rowCount, 0));
    m_order.resize(rows);
    // Data files usually come in key order (the ID index always does): one
    // pass finds that out and spares the sort.
    if (rowsInOrder(rowCount)) {
        std::iota(m_order.begin(), m_order.end(), 0);
    } else if (rows >= BucketSortRows) {
        sortByBuckets(rowCount);            // buckets pay off only on large tables
    } else {
        std::iota(m_order.begin(), m_order.end(), 0);
        std::vector<SortEntry> entries;
        entries.reserve(rows);
        sortRun(0, rows, entries);
    }
    m_positionOfRow.resize(rows);
    for (size_t position = 0; position < rows; ++position)
        m_positionOfRow[size_t(m_order[position])] = int(position);
    m_built = true;
}

std::optional<KeyProbe> TableIndex::probe(const QVariantList &values, QString *error) const
{
    if (values.isEmpty() || size_t(values.size()) > m_parts.size()) {
        *error = QStringLiteral("index %1 has %2 fields, %3 values given")
                     .arg(m_name).arg(m_parts.size()).arg(values.size());
        return std::nullopt;
    }
    KeyProbe probe(size_t(values.size()));
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QVariant &value = values[i];
        ProbeValue &target = probe[size_t(i)];
        target.null = !value.isValid() || value.isNull();
        if (target.null)
            continue;
        if (const IndexPart &part = m_parts[size_t(i)]; part.isText()) {
            target.key = part.order == TextOrder::Spelling ? SpellingCollation::sortKey(value.toString())
                                                           : KeyCollation::sortKey(value.toString());
        } else {
            bool ok = false;
            target.number = value.toLongLong(&ok);
            if (!ok) {
                *error = QStringLiteral("value %1 of index %2 is not an integer")
                             .arg(value.toString(), m_name);
                return std::nullopt;
            }
        }
    }
    return probe;
}

std::optional<KeyProbe> TableIndex::probeFirst(const QString &text, QString *error) const
{
    return probe(QVariantList{QVariant(text)}, error);
}

int TableIndex::compare(int row, const KeyProbe &probe) const
{
    for (size_t i = 0; i < probe.size(); ++i) {
        const int c = comparePart(m_parts[i], row, probe[i]);
        if (c != 0)
            return c;
    }
    return 0;
}

bool TableIndex::firstFieldHasPrefix(int row, std::string_view prefix) const
{
    const IndexPart &part = m_parts.front();
    if (!part.isText() || part.column->isNull(row))
        return false;
    return KeyCollation::keyHasPrefix(part.keys ? part.keys->key(row) : std::string_view(spellingKey(*part.column, row)),
                                      prefix);
}

bool TableIndex::firstFieldIsText() const
{
    return m_parts.front().isText();
}

} // namespace lumolex
