#include "data/table/table.h"

#include "data/table/tableprivate.h"

#include <algorithm>
#include <utility>

namespace lumolex {

Table::Table(const QString &name, const QVector<FieldDef> &fields, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<TablePrivate>(this, name, fields))
{
}

Table::~Table() = default;

const QString &Table::name() const { return d->name; }
const QVector<FieldDef> &Table::fields() const { return d->fields; }
int Table::fieldIndex(QStringView fieldName) const { return d->fieldOf(fieldName); }

void Table::reserve(int rows)
{
    for (TableColumn &column : d->columns)
        column.reserve(rows);
}

void Table::appendRow(const QVariantList &values)
{
    if (values.size() > d->fields.size())
        d->warn(QStringLiteral("row %1 has %2 values for %3 fields; the rest is ignored")
                    .arg(d->rows + 1).arg(values.size()).arg(d->fields.size()));
    for (int i = 0; i < d->fields.size(); ++i) {
        const QVariant value = i < values.size() ? values[i] : QVariant();
        if (!d->columns[size_t(i)].append(value))
            d->warn(QStringLiteral("row %1: \"%2\" does not fit field %3 (not a number, or the column is full); stored as null")
                        .arg(d->rows + 1).arg(value.toString(), d->fields[i].name));
    }
    ++d->rows;
    d->rowsChanged = true;
}

bool TablePrivate::acceptsTyped(int field, FieldType type) const
{
    if (field < 0 || field >= fields.size()) {
        warn(QStringLiteral("row %1: there is no field %2").arg(rows + 1).arg(field));
        return false;
    }
    if (columns[size_t(field)].size() != rows) {
        warn(QStringLiteral("row %1: field %2 is given twice").arg(rows + 1).arg(fields[field].name));
        return false;
    }
    if (fields[field].type != type) {
        warn(QStringLiteral("row %1: field %2 does not take a value of that type").arg(rows + 1).arg(fields[field].name));
        return false;
    }
    return true;
}

void Table::appendNull(int field)
{
    if (field >= 0 && field < d->fields.size() && d->columns[size_t(field)].size() == d->rows)
        d->columns[size_t(field)].appendNull();
    else
        d->acceptsTyped(field, d->fields.value(field).type);   // says what is wrong
}

void Table::appendInteger(int field, qint64 value)
{
    if (d->acceptsTyped(field, FieldType::Integer))
        d->columns[size_t(field)].appendInteger(value);
}

qsizetype Table::appendUtf8Text(int field, QByteArrayView utf8)
{
    if (!d->acceptsTyped(field, FieldType::Text))
        return -1;
    const qsizetype length = d->columns[size_t(field)].appendUtf8(utf8);
    if (length < 0)
        d->warn(QStringLiteral("row %1: field %2 does not fit (the column is full); stored as null")
                    .arg(d->rows + 1).arg(d->fields[field].name));
    return length;
}

void Table::appendBlob(int field, QByteArrayView bytes)
{
    if (d->acceptsTyped(field, FieldType::Blob))
        d->columns[size_t(field)].appendBlob(bytes);
}

void Table::endRow()
{
    for (TableColumn &column : d->columns) {
        if (column.size() == d->rows)
            column.appendNull();
    }
    ++d->rows;
    d->rowsChanged = true;
}

void Table::cancelRow()
{
    for (TableColumn &column : d->columns)
        column.truncate(d->rows);
}

void Table::clear()
{
    d->endDeferral();
    for (TableColumn &column : d->columns)
        column.clear();
    for (auto &[field, keys] : d->sortKeys)
        keys.clear();
    for (auto &index : d->indexes)
        index->invalidate();
    d->rows = 0;
    d->rowsChanged = false;
    ++d->generation;
    d->placeNowhere();
    d->rebuildView(true);
}

bool Table::takeRows(Table &other)
{
    if (&other == this)
        return true;
    const auto sameType = [](const FieldDef &a, const FieldDef &b) { return a.name == b.name && a.type == b.type; };
    if (!std::equal(d->fields.begin(), d->fields.end(), other.d->fields.begin(), other.d->fields.end(), sameType)) {
        d->warn(QStringLiteral("cannot take the rows of %1: its fields differ").arg(other.d->name));
        return false;
    }
    TablePrivate &from = *other.d;
    const int keptRow = from.currentRow();
    d->endDeferral();
    // The indexes refer to the columns and keys they sort by; those move
    // with their containers, so the references stay good.
    d->columns = std::move(from.columns);
    d->sortKeys = std::move(from.sortKeys);
    d->indexes = std::move(from.indexes);
    d->active = from.active;
    d->rows = from.rows;
    d->rowsChanged = false;
    ++d->generation;

    from.columns.clear();
    for (const FieldDef &field : from.fields)
        from.columns.emplace_back(field.type);
    from.sortKeys.clear();
    from.indexes.clear();
    from.active = nullptr;
    from.rows = 0;
    from.rowsChanged = false;
    ++from.generation;
    from.rangeKind = TablePrivate::RangeKind::None;
    from.placeNowhere();
    from.rebuildView(false);

    d->placeNowhere();
    d->rebuildViewKeeping(keptRow, true);
    return true;
}

int Table::rowCount() const { return d->rows; }

bool Table::addIndex(const QString &indexName, const QString &fieldList)
{
    std::vector<IndexPart> parts;
    static const QString spellingSuffix = QStringLiteral(":spelling");
    for (const QString &item : fieldList.split(u';', Qt::SkipEmptyParts)) {
        QString fieldName = item.trimmed();
        const bool bySpelling = fieldName.endsWith(spellingSuffix, Qt::CaseInsensitive);
        if (bySpelling)
            fieldName.chop(spellingSuffix.size());
        const int field = d->fieldOf(fieldName);
        if (field < 0 || d->fields[field].type == FieldType::Blob
            || (bySpelling && d->fields[field].type != FieldType::Text)) {
            d->warn(QStringLiteral("index %1: no text or integer field \"%2\"").arg(indexName, item.trimmed()));
            return false;
        }
        IndexPart part;
        part.field = field;
        part.column = &d->columns[size_t(field)];
        if (d->fields[field].type == FieldType::Text) {
            part.order = bySpelling ? TextOrder::Spelling : TextOrder::Key;
            if (!bySpelling)
                part.keys = &d->sortKeys[field];
        }
        parts.push_back(part);
    }
    if (parts.empty() || indexName.isEmpty()) {
        d->warn(QStringLiteral("index \"%1\" needs a name and at least one field").arg(indexName));
        return false;
    }

    d->ensureFresh();
    auto index = std::make_unique<TableIndex>(indexName, std::move(parts));
    d->ensureBuilt(*index);
    if (TableIndex *old = d->findIndex(indexName)) {
        const bool wasActive = d->active == old;
        const int keptRow = d->currentRow();
        d->indexes.push_back(std::move(index));
        if (wasActive)
            d->active = d->indexes.back().get();
        std::erase_if(d->indexes, [old](const auto &i) { return i.get() == old; });
        if (wasActive) {
            // the old order is gone: the view must not be read before it is rebuilt
            d->view.reset(nullptr, 0, 0, 0, nullptr, d->columns);
            d->position = -1;
            d->rebuildViewKeeping(keptRow, true);
        }
        return true;
    }
    d->indexes.push_back(std::move(index));
    return true;
}

bool Table::hasIndex(const QString &indexName) const
{
    return d->findIndex(indexName) != nullptr;
}

bool Table::setActiveIndex(const QString &indexName)
{
    d->ensureFresh();
    TableIndex *index = nullptr;
    if (!indexName.isEmpty()) {
        index = d->findIndex(indexName);
        if (!index) {
            d->warn(QStringLiteral("no index \"%1\"").arg(indexName));
            return false;
        }
    }
    if (index == d->active)
        return true;
    d->active = index;
    d->rangeKind = TablePrivate::RangeKind::None;
    d->rebuildView(true);
    return true;
}

QString Table::activeIndex() const
{
    return d->active ? d->active->name() : QString();
}

void Table::first()
{
    d->ensureFresh();
    d->placeFirst();
    d->announceMove();
}

void Table::last()
{
    d->ensureFresh();
    d->placeLast();
    d->announceMove();
}

void Table::next()
{
    d->ensureFresh();
    if (d->atEnd)
        return;
    d->atBeginning = false;
    if (d->position + 1 < d->view.count())
        ++d->position;
    else
        d->atEnd = true;
    d->announceMove();
}

void Table::prior()
{
    d->ensureFresh();
    if (d->atBeginning)
        return;
    d->atEnd = false;
    if (d->position > 0)
        --d->position;
    else
        d->atBeginning = true;
    d->announceMove();
}

bool Table::atBeginning() const
{
    d->ensureFresh();
    return d->atBeginning;
}

bool Table::atEnd() const
{
    d->ensureFresh();
    return d->atEnd;
}

bool Table::isEmpty() const
{
    d->ensureFresh();
    return d->view.count() == 0;
}

QVariant Table::value(int field) const
{
    d->ensureFresh();
    if (d->isDeferred(field)) {
        const std::optional<QByteArray> bytes = d->deferredValueOf(d->currentRow());
        return bytes ? QVariant(*bytes) : QVariant();
    }
    return d->valueOfRow(d->currentRow(), field);
}

QVariant Table::value(QStringView fieldName) const
{
    return value(d->fieldOf(fieldName));
}

bool Table::isNull(int field) const
{
    d->ensureFresh();
    const int row = d->currentRow();
    if (row < 0 || field < 0 || field >= d->fields.size())
        return true;
    if (d->isDeferred(field))
        return !d->deferredValueOf(row);
    return d->columns[size_t(field)].isNull(row);
}

QByteArray Table::blob(int field) const
{
    d->ensureFresh();
    const int row = d->currentRow();
    if (row < 0 || field < 0 || field >= d->fields.size())
        return {};
    if (d->isDeferred(field))
        return d->deferredValueOf(row).value_or(QByteArray());
    return d->columns[size_t(field)].blob(row);
}

QByteArray Table::blob(QStringView fieldName) const
{
    return blob(d->fieldOf(fieldName));
}

QVariant Table::valueAt(int viewPosition, int field) const
{
    const std::optional<int> row = d->filledRowAt(viewPosition, field);
    return row ? d->columns[size_t(field)].value(*row) : QVariant();
}

QVariant Table::valueAt(int viewPosition, QStringView fieldName) const
{
    return valueAt(viewPosition, d->fieldOf(fieldName));
}

QStringView Table::textAt(int viewPosition, int field, QString &buffer) const
{
    const std::optional<int> row = d->filledRowAt(viewPosition, field);
    return row ? d->columns[size_t(field)].text(*row, buffer) : QStringView();
}

QByteArrayView Table::blobAt(int viewPosition, int field, bool *isNull) const
{
    const std::optional<int> row = d->filledRowAt(viewPosition, field);
    if (isNull)
        *isNull = !row;
    return row ? d->columns[size_t(field)].blobView(*row) : QByteArrayView();
}

qint64 Table::integerAt(int viewPosition, int field, qint64 fallback) const
{
    const std::optional<int> row = d->filledRowAt(viewPosition, field);
    if (!row)
        return fallback;
    const TableColumn &column = d->columns[size_t(field)];
    return column.type() == FieldType::Integer ? column.integer(*row) : fallback;
}

std::string_view Table::sortKeyAt(int viewPosition, int field) const
{
    const std::optional<int> row = d->filledRowAt(viewPosition, field);
    if (!row)
        return {};
    const auto keys = d->sortKeys.find(field);
    if (keys == d->sortKeys.end() || *row >= keys->second.size())
        return {};
    return keys->second.key(*row);
}

bool Table::findKey(const QVariantList &leadingValues)
{
    d->ensureFresh();
    if (!d->active) {
        d->warn(QStringLiteral("key search without an active index"));
        return false;
    }
    QString error;
    const std::optional<KeyProbe> probe = d->active->probe(leadingValues, &error);
    if (!probe) {
        d->warn(QStringLiteral("key search: %1").arg(error));
        return false;
    }
    const TableIndex &index = *d->active;
    const int found = d->viewPartitionPoint([&](int row) { return index.compare(row, *probe) < 0; });
    if (found >= d->view.count() || index.compare(d->view.rowAt(found), *probe) != 0)
        return false;
    d->placeAt(found);
    d->announceMove();
    return true;
}

bool Table::findNearest(const QString &text)
{
    d->ensureFresh();
    if (!d->active) {
        d->warn(QStringLiteral("key search without an active index"));
        return false;
    }
    if (d->view.count() == 0)
        return false;
    QString error;
    const std::optional<KeyProbe> probe = d->active->probeFirst(text, &error);
    if (!probe) {
        d->warn(QStringLiteral("key search: %1").arg(error));
        return false;
    }
    const TableIndex &index = *d->active;
    const int found = d->viewPartitionPoint([&](int row) { return index.compare(row, *probe) < 0; });
    d->placeAt(std::min(found, d->view.count() - 1));
    d->announceMove();
    return true;
}

bool Table::setFilterText(const QString &expression)
{
    QString error;
    std::optional<FilterExpression> parsed = FilterExpression::parse(expression, d->fields, &error);
    if (!parsed) {
        d->warn(QStringLiteral("filter refused: %1").arg(error));
        return false;
    }
    if (expression == d->filterText)
        return true;
    d->ensureFresh();
    d->filterText = expression;
    d->filter = std::move(*parsed);
    if (d->filtered)
        d->rebuildView(true);
    return true;
}

QString Table::filterText() const { return d->filterText; }

void Table::setFiltered(bool on)
{
    if (on == d->filtered)
        return;
    d->ensureFresh();
    d->filtered = on;
    d->rebuildView(true);
}

bool Table::isFiltered() const { return d->filtered; }

void Table::setRange(const QString &low, const QString &high)
{
    d->ensureFresh();
    if (!d->active)
        d->warn(QStringLiteral("key range without an active index: the view is empty"));
    d->rangeKind = TablePrivate::RangeKind::Between;
    d->rangeLow = low;
    d->rangeHigh = high;
    d->rebuildView(true);
}

void Table::setPrefixRange(const QString &prefix)
{
    d->ensureFresh();
    if (!d->active)
        d->warn(QStringLiteral("key range without an active index: the view is empty"));
    d->rangeKind = TablePrivate::RangeKind::Prefix;
    d->rangeLow = prefix;
    d->rangeHigh.clear();
    d->rebuildView(true);
}

void Table::cancelRange()
{
    if (d->rangeKind == TablePrivate::RangeKind::None)
        return;
    d->ensureFresh();
    d->rangeKind = TablePrivate::RangeKind::None;
    d->rebuildView(true);
}

bool Table::hasRange() const
{
    return d->rangeKind != TablePrivate::RangeKind::None;
}

int Table::recordCount() const
{
    d->ensureFresh();
    return d->view.count();
}

int Table::recordNumber() const
{
    d->ensureFresh();
    return d->position + 1;
}

bool Table::setRecordNumber(int number)
{
    d->ensureFresh();
    if (number < 1 || number > d->view.count()) {
        d->warn(QStringLiteral("record number %1 outside 1..%2").arg(number).arg(d->view.count()));
        return false;
    }
    d->placeAt(number - 1);
    d->announceMove();
    return true;
}

int Table::currentRow() const
{
    d->ensureFresh();
    return d->currentRow();
}

TableMark Table::mark() const
{
    d->ensureFresh();
    return TableMark{d->currentRow(), d->generation};
}

bool Table::gotoMark(const TableMark &mark)
{
    d->ensureFresh();
    if (!mark.isValid() || mark.generation != d->generation)
        return false;
    const int found = d->view.positionOfRow(mark.row);
    if (found < 0)
        return false;
    d->placeAt(found);
    d->announceMove();
    return true;
}

void Table::suspendNotifications()
{
    ++d->suspendDepth;
}

void Table::resumeNotifications()
{
    if (d->suspendDepth == 0) {
        d->warn(QStringLiteral("notifications resumed without a suspension"));
        return;
    }
    if (--d->suspendDepth > 0)
        return;
    d->ensureFresh();
    if (std::exchange(d->rebuildPending, false))
        emit viewRebuilt();
    emit recordChanged();
}

bool Table::notificationsSuspended() const
{
    return d->suspendDepth > 0;
}

bool EmptyTable(const Table &table)
{
    return table.atBeginning() && table.atEnd();
}

} // namespace lumolex
