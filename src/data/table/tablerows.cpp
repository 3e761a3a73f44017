// Row reads of Table that leave the view and the cursor alone.

#include "data/table/table.h"
#include "data/table/tableprivate.h"

namespace lumolex {

QVector<int> Table::rowsOfKey(const QString &indexName, const QVariantList &leadingValues) const
{
    d->ensureFresh();
    const TableIndex *index = d->findIndex(indexName);
    if (!index)
        return {};
    QString error;
    const std::optional<KeyProbe> probe = index->probe(leadingValues, &error);
    if (!probe)
        return {};
    int low = 0;
    int high = index->size();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (index->compare(index->rowAt(middle), *probe) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    QVector<int> rows;
    for (int position = low; position < index->size() && index->compare(index->rowAt(position), *probe) == 0; ++position)
        rows.append(index->rowAt(position));
    return rows;
}

QVariant Table::valueOfRow(int row, int field) const
{
    d->ensureFresh();
    if (row < 0 || row >= rowCount())
        return {};
    if (d->isDeferred(field))
        d->completeDeferred();
    return d->valueOfRow(row, field);
}

bool Table::rowIsShown(int row) const
{
    d->ensureFresh();
    return row >= 0 && row < rowCount() && d->view.positionOfRow(row) >= 0;
}

} // namespace lumolex
