#pragma once

// The state behind a Table: columns, collation keys, indexes, filter, key
// range, the view and the cursor, and the bookkeeping of notifications.
// Only table.cpp uses it.

#include "data/table/table.h"
#include "data/table/tablecolumn.h"
#include "data/table/tablefilter.h"
#include "data/table/tableindex.h"
#include "data/table/tableview.h"

#include <QDebug>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace lumolex {

class TablePrivate
{
public:
    enum class RangeKind { None, Between, Prefix };

    TablePrivate(Table *table, const QString &tableName, const QVector<FieldDef> &fieldDefs)
        : q(table), name(tableName), fields(fieldDefs)
    {
        columns.reserve(size_t(fields.size()));
        for (const FieldDef &field : fields)
            columns.emplace_back(field.type);
    }

    void warn(const QString &message) const
    {
        qWarning().noquote() << QStringLiteral("Table %1: %2").arg(name, message);
    }

    // Whether a typed value may go into the row being appended.
    bool acceptsTyped(int field, FieldType type) const;

    TableIndex *findIndex(const QString &indexName) const
    {
        for (const auto &index : indexes) {
            if (index->name().compare(indexName, Qt::CaseInsensitive) == 0)
                return index.get();
        }
        return nullptr;
    }

    // Makes the index match the rows: keys of its text fields, then the order.
    void ensureBuilt(TableIndex &index)
    {
        if (index.isBuilt() && index.size() == rows)
            return;
        for (const IndexPart &part : index.parts()) {
            if (part.keys)
                sortKeys[part.field].extend(columns[size_t(part.field)]);
        }
        index.build(rows);
    }

    // Brings indexes and view up to date after rows were loaded.
    void ensureFresh()
    {
        if (!rowsChanged)
            return;
        rowsChanged = false;
        rebuildView(false);
    }

    // The key range in positions of the active index.
    std::pair<int, int> rangeBounds() const
    {
        if (rangeKind == RangeKind::None)
            return {0, rows};
        if (!active)
            return {0, 0};                          // a range needs keys: refused as empty
        QString error;
        const int size = active->size();
        if (rangeKind == RangeKind::Prefix) {
            if (!active->firstFieldIsText()) {
                warn(QStringLiteral("a prefix range needs a text field first in index %1").arg(active->name()));
                return {0, 0};
            }
            const std::optional<KeyProbe> probe = active->probeFirst(rangeLow, &error);
            const int low = partitionPoint(0, size, [&](int p) { return active->compare(active->rowAt(p), *probe) < 0; });
            const std::string_view prefix = probe->front().key;
            const int high = partitionPoint(low, size, [&](int p) { return active->firstFieldHasPrefix(active->rowAt(p), prefix); });
            return {low, high};
        }
        const std::optional<KeyProbe> lowProbe = active->probeFirst(rangeLow, &error);
        const std::optional<KeyProbe> highProbe = active->probeFirst(rangeHigh, &error);
        if (!lowProbe || !highProbe) {
            warn(QStringLiteral("key range: %1").arg(error));
            return {0, 0};
        }
        const int low = partitionPoint(0, size, [&](int p) { return active->compare(active->rowAt(p), *lowProbe) < 0; });
        const int high = partitionPoint(low, size, [&](int p) { return active->compare(active->rowAt(p), *highProbe) <= 0; });
        return {low, high};
    }

    // Recomputes the view; the current row stays current when still visible,
    // otherwise the view starts at its first record.
    void rebuildView(bool announce)
    {
        rebuildViewKeeping(currentRow(), announce);
    }

    void rebuildViewKeeping(int keptRow, bool announce)
    {
        if (active)
            ensureBuilt(*active);
        const auto [low, high] = rangeBounds();
        view.reset(active, rows, low, high, filtered ? &filter : nullptr, columns);

        const int kept = view.positionOfRow(keptRow);
        if (kept >= 0)
            placeAt(kept);
        else
            placeFirst();
        if (announce)
            announceRebuild();
    }

    int currentRow() const { return position >= 0 ? view.rowAt(position) : -1; }

    void placeFirst()
    {
        if (view.count() == 0)
            return placeNowhere();
        position = 0;
        atBeginning = true;
        atEnd = false;
    }

    void placeLast()
    {
        if (view.count() == 0)
            return placeNowhere();
        position = view.count() - 1;
        atBeginning = false;
        atEnd = true;
    }

    void placeAt(int viewPosition)
    {
        position = viewPosition;
        atBeginning = false;
        atEnd = false;
    }

    void placeNowhere()
    {
        position = -1;
        atBeginning = true;
        atEnd = true;
    }

    void announceMove()
    {
        if (suspendDepth > 0)
            return;
        emit q->recordChanged();
    }

    void announceRebuild()
    {
        if (suspendDepth > 0) {
            rebuildPending = true;
            return;
        }
        emit q->viewRebuilt();
        emit q->recordChanged();
    }

    // The position of the first view record for which before() is false.
    template <typename Before>
    int viewPartitionPoint(Before before) const
    {
        return partitionPoint(0, view.count(), [&](int p) { return before(view.rowAt(p)); });
    }

    int fieldOf(QStringView fieldName) const
    {
        for (int i = 0; i < fields.size(); ++i) {
            if (fieldName.compare(fields[i].name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    QVariant valueOfRow(int row, int field) const
    {
        if (row < 0 || field < 0 || field >= fields.size())
            return {};
        return columns[size_t(field)].value(row);
    }

    // The row shown at `viewPosition` when it holds a value in `field`; none
    // when the position lies outside the view, there is no such field or the
    // value is null. Every read by view position starts here.
    std::optional<int> filledRowAt(int viewPosition, int field)
    {
        ensureFresh();
        if (isDeferred(field))
            completeDeferred();
        if (viewPosition < 0 || viewPosition >= view.count() || field < 0 || field >= fields.size())
            return std::nullopt;
        const int row = view.rowAt(viewPosition);
        if (columns[size_t(field)].isNull(row))
            return std::nullopt;
        return row;
    }

    // Bytes read later (Table::deferBlobs).
    bool isDeferred(int field) const { return deferred && field == deferred->field; }
    std::optional<QByteArray> deferredValueOf(int row) const;
    void completeDeferred();
    void giveUpDeferral();                         // the field's values become null
    void endDeferral();

    Table *q;
    QString name;
    std::optional<Table::DeferredBlobs> deferred;
    mutable int deferredRow = -1;                  // the row whose bytes readOne gave last
    mutable std::optional<QByteArray> deferredBytes;
    QVector<FieldDef> fields;
    std::vector<TableColumn> columns;
    int rows = 0;
    bool rowsChanged = false;
    quint64 generation = 1;

    std::map<int, SortKeyColumn> sortKeys;          // of the text fields indexes order by key
    std::vector<std::unique_ptr<TableIndex>> indexes;
    TableIndex *active = nullptr;

    QString filterText;
    FilterExpression filter;
    bool filtered = false;

    RangeKind rangeKind = RangeKind::None;
    QString rangeLow;
    QString rangeHigh;

    TableView view;
    int position = -1;
    bool atBeginning = true;
    bool atEnd = true;

    int suspendDepth = 0;
    bool rebuildPending = false;
};

} // namespace lumolex
