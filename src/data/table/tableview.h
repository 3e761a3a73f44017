#pragma once

// The view of a table: the rows of the active index order (or the table
// order when no index is active) inside the key range, restricted by the
// filter when one is on. Unfiltered, the view is a window on the index order
// and costs nothing; filtered, it is a vector of index positions.

#include <vector>

namespace lumolex {

class FilterExpression;
class TableColumn;
class TableIndex;

class TableView
{
public:
    // index may be null (table order over rowCount rows); [low, high) is the
    // key range in index positions; filter may be null (no filtering).
    void reset(const TableIndex *index, int rowCount, int low, int high,
               const FilterExpression *filter, const std::vector<TableColumn> &columns);

    int count() const;
    int rowAt(int viewPosition) const;              // viewPosition in [0, count())
    int positionOfRow(int row) const;               // -1 when the row is not in the view

private:
    int baseRowAt(int basePosition) const;
    int basePositionOf(int row) const;

    const TableIndex *m_index = nullptr;
    int m_rowCount = 0;
    int m_low = 0;
    int m_high = 0;
    bool m_filtered = false;
    std::vector<int> m_positions;                   // base positions, ascending, when filtered
};

} // namespace lumolex
