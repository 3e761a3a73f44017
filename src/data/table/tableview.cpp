#include "data/table/tableview.h"

#include "data/table/tablefilter.h"
#include "data/table/tableindex.h"

#include <QtGlobal>

#include <algorithm>

namespace lumolex {

void TableView::reset(const TableIndex *index, int rowCount, int low, int high,
                      const FilterExpression *filter, const std::vector<TableColumn> &columns)
{
    m_index = index;
    m_rowCount = rowCount;
    m_low = std::clamp(low, 0, rowCount);
    m_high = std::clamp(high, m_low, rowCount);
    m_filtered = filter && !filter->admitsEverything();
    m_positions.clear();
    if (!m_filtered)
        return;
    if (qint64(m_high - m_low) * 8 < rowCount) {
        // a narrow key range: test its rows alone
        for (int position = m_low; position < m_high; ++position) {
            if (filter->admits(columns, baseRowAt(position)))
                m_positions.push_back(position);
        }
    } else {
        const std::vector<char> admitted = filter->admittedRows(columns, rowCount);
        const int *order = m_index ? m_index->order() : nullptr;
        m_positions.reserve(size_t(m_high - m_low));
        for (int position = m_low; position < m_high; ++position) {
            if (admitted[size_t(order ? order[position] : position)])
                m_positions.push_back(position);
        }
    }
    m_positions.shrink_to_fit();
}

int TableView::positionOfRow(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return -1;
    const int base = basePositionOf(row);
    if (base < m_low || base >= m_high)
        return -1;
    if (!m_filtered)
        return base - m_low;
    const auto it = std::lower_bound(m_positions.begin(), m_positions.end(), base);
    if (it == m_positions.end() || *it != base)
        return -1;
    return int(it - m_positions.begin());
}

int TableView::basePositionOf(int row) const
{
    return m_index ? m_index->positionOf(row) : row;
}

} // namespace lumolex
