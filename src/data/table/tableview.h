#pragma once

// The view of a table: the rows of the active index order (or the table
// order when no index is active) inside the key range, restricted by the
// filter when one is on. Unfiltered, the view is a window on the index order
// and costs nothing; filtered, it is a vector of index positions.

#include "data/table/tableindex.h"

#include <vector>

namespace lumolex {

class FilterExpression;
class TableColumn;

class TableView
{
public:
    // index may be null (table order over rowCount rows); [low, high) is the
    // key range in index positions; filter may be null (no filtering).
    void reset(const TableIndex *index, int rowCount, int low, int high,
               const FilterExpression *filter, const std::vector<TableColumn> &columns);

    // Inline: every read of a field by view position passes through both.
    int count() const { return m_filtered ? int(m_positions.size()) : m_high - m_low; }
    int rowAt(int viewPosition) const               // viewPosition in [0, count())
    {
        return baseRowAt(m_filtered ? m_positions[size_t(viewPosition)] : m_low + viewPosition);
    }
    int positionOfRow(int row) const;               // -1 when the row is not in the view

private:
    int baseRowAt(int basePosition) const { return m_index ? m_index->rowAt(basePosition) : basePosition; }
    int basePositionOf(int row) const;

    const TableIndex *m_index = nullptr;
    int m_rowCount = 0;
    int m_low = 0;
    int m_high = 0;
    bool m_filtered = false;
    std::vector<int> m_positions;                   // base positions, ascending, when filtered
};

} // namespace lumolex
