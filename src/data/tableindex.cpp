#include "data/tableindex.h"

#include "data/collation.h"
#include "data/tablecolumn.h"

#include <algorithm>
#include <numeric>

namespace lumolex {

void SortKeyColumn::extend(const TableColumn &column)
{
    const int rows = column.size();
    m_ends.reserve(size_t(rows));
    for (int row = size(); row < rows; ++row) {
        KeyCollation::appendSortKey(column.text(row), m_bytes);
        m_ends.push_back(m_bytes.size());
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
    if (part.keys)
        return KeyCollation::compareKeys(part.keys->key(row), value.key);
    const qint64 number = part.column->integer(row);
    return number < value.number ? -1 : (number > value.number ? 1 : 0);
}

int TableIndex::compareRows(int a, int b) const
{
    for (const IndexPart &part : m_parts) {
        const bool nullA = part.column->isNull(a);
        const bool nullB = part.column->isNull(b);
        int c = 0;
        if (nullA || nullB) {
            c = int(nullB) - int(nullA);
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

void TableIndex::build(int rowCount)
{
    m_order.resize(size_t(rowCount));
    std::iota(m_order.begin(), m_order.end(), 0);
    std::sort(m_order.begin(), m_order.end(), [this](int a, int b) { return compareRows(a, b) < 0; });
    m_positionOfRow.resize(size_t(rowCount));
    for (int position = 0; position < rowCount; ++position)
        m_positionOfRow[size_t(m_order[size_t(position)])] = position;
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
        if (m_parts[size_t(i)].keys) {
            target.key = KeyCollation::sortKey(value.toString());
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
    return part.keys && !part.column->isNull(row) && KeyCollation::keyHasPrefix(part.keys->key(row), prefix);
}

bool TableIndex::firstFieldIsText() const
{
    return m_parts.front().keys != nullptr;
}

} // namespace lumolex
