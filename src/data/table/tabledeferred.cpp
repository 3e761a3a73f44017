// Blob values of Table read after the rest of the rows (Table::deferBlobs).

#include "data/table/table.h"
#include "data/table/tableprivate.h"

#include <QThread>

namespace lumolex {

bool Table::deferBlobs(DeferredBlobs deferred)
{
    const auto typeOf = [this](int field) {
        return field >= 0 && field < d->fields.size() ? std::optional(d->fields.at(field).type) : std::nullopt;
    };
    if (typeOf(deferred.field) != FieldType::Blob || typeOf(deferred.keyField) != FieldType::Integer
        || !deferred.readOne || !deferred.complete) {
        d->warn(QStringLiteral("deferred bytes need a Blob field, an Integer key and both readers"));
        return false;
    }
    d->endDeferral();
    d->deferred = std::move(deferred);
    return true;
}

bool Table::hasDeferredBlobs() const
{
    return d->deferred.has_value();
}

void Table::completeDeferred()
{
    d->completeDeferred();
}

void Table::cancelDeferred()
{
    d->giveUpDeferral();
}

bool Table::fillDeferred(Table &source)
{
    if (!d->deferred)
        return false;
    TablePrivate &from = *source.d;
    if (from.fields.size() != 2 || from.fields.at(0).type != FieldType::Integer
        || from.fields.at(1).type != FieldType::Blob || from.rows != d->rows) {
        d->warn(QStringLiteral("the deferred bytes of %1 do not fit its rows").arg(from.name));
        return false;
    }
    const TableColumn &keys = d->columns[size_t(d->deferred->keyField)];
    const TableColumn &givenKeys = from.columns[0];
    for (int row = 0; row < d->rows; ++row) {
        if (keys.isNull(row) != givenKeys.isNull(row) || keys.integer(row) != givenKeys.integer(row)) {
            d->warn(QStringLiteral("the deferred bytes of %1 belong to other rows").arg(from.name));
            return false;
        }
    }
    d->columns[size_t(d->deferred->field)] = std::move(from.columns[1]);
    from.columns[1] = TableColumn(FieldType::Blob);
    source.clear();
    d->endDeferral();
    return true;
}

std::optional<QByteArray> TablePrivate::deferredValueOf(int row) const
{
    if (row < 0)
        return std::nullopt;
    if (row != deferredRow) {
        const TableColumn &keys = columns[size_t(deferred->keyField)];
        deferredBytes = keys.isNull(row) ? std::nullopt : deferred->readOne(keys.integer(row));
        deferredRow = row;
    }
    return deferredBytes;
}

void TablePrivate::completeDeferred()
{
    if (!deferred)
        return;
    // Other threads only read a table whose bytes are all there.
    if (QThread::currentThread() != q->thread()) {
        warn(QStringLiteral("deferred bytes read from another thread before they were completed"));
        return;
    }
    // complete() ends the deferral through fillDeferred(): the hook is kept
    // apart from it meanwhile.
    const std::function<void()> complete = deferred->complete;
    complete();
    giveUpDeferral();
}

void TablePrivate::giveUpDeferral()
{
    if (!deferred)
        return;
    TableColumn nulls(FieldType::Blob);
    nulls.reserve(rows);
    for (int row = 0; row < rows; ++row)
        nulls.appendNull();
    columns[size_t(deferred->field)] = std::move(nulls);
    endDeferral();
}

void TablePrivate::endDeferral()
{
    deferred.reset();
    deferredRow = -1;
    deferredBytes.reset();
}

} // namespace lumolex
