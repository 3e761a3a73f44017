#include "data/files/dataloader.h"

#include "data/files/datafiles.h"
#include "data/files/sqlitedb.h"
#include "data/table/table.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <limits>

namespace lumolex {

namespace {

bool sameFields(const Table &table, DataFile file)
{
    const QVector<FieldDef> expected = fieldDefs(file);
    const QVector<FieldDef> &actual = table.fields();
    if (actual.size() != expected.size())
        return false;
    for (int i = 0; i < actual.size(); ++i) {
        if (actual.at(i).name != expected.at(i).name || actual.at(i).type != expected.at(i).type)
            return false;
    }
    return true;
}

// A blob field left out is selected as NULL: the columns keep their places.
QByteArray selectSql(const DataFileLayout &layout, const QString &condition, DataFileLoader::Bodies bodies)
{
    QStringList names;
    bool hasId = false;
    for (const ColumnLayout &column : layout.columns) {
        const bool later = column.fieldType == FieldType::Blob && !column.required;
        const QString name = sqlite::quoteIdentifier(column.name);
        if (later && bodies == DataFileLoader::Bodies::Skip)
            names.append(QStringLiteral("NULL"));
        else if (later && bodies == DataFileLoader::Bodies::Defer)
            names.append(QStringLiteral("typeof(%1)").arg(name));   // SQLite reads no bytes for it
        else
            names.append(name);
        hasId = hasId || column.name == QLatin1String(field::ID);
    }
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(names.join(u", "), sqlite::quoteIdentifier(layout.tableName));
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    if (hasId)
        sql += QStringLiteral(" ORDER BY ID");
    return sql.toUtf8();
}

// What the loader needs to know of a column, worked out once per file.
struct ColumnReader {
    const ColumnLayout *layout;
    qint64 lowest;          // smallest integer allowed
    bool emptyIsNull;       // an empty cross-reference is no cross-reference
    bool typeOnly;          // a deferred blob: its SQL type name, stored as null
};

QVector<ColumnReader> columnReaders(const DataFileLayout &layout, DataFileLoader::Bodies bodies)
{
    QVector<ColumnReader> readers;
    for (const ColumnLayout &column : layout.columns) {
        const bool isId = column.name == QLatin1String(field::ID);
        const bool deferred =
            bodies == DataFileLoader::Bodies::Defer && column.fieldType == FieldType::Blob && !column.required;
        readers.append(ColumnReader{&column, isId ? kMinRowId : std::numeric_limits<qint32>::min(),
                                    column.name == QLatin1String(field::GOTO), deferred});
    }
    return readers;
}

QString notBinary(const ColumnLayout &layout)
{
    return QCoreApplication::translate("DataLoader", "поле %1 не двоичное").arg(layout.name);
}

// Checks one column of the current row against its column definition and
// stores it in the row being appended to the table, straight from SQLite's
// buffers. Returns an empty text on success, else what is wrong (the row
// may then hold part of the value: the caller drops the row).
QString readValue(const sqlite::Statement &row, int column, const ColumnReader &reader, Table &table)
{
    const ColumnLayout &layout = *reader.layout;
    if (reader.typeOnly) {
        const QByteArrayView type = row.columnUtf8(column);
        if (type != "null" && type != "blob")
            return notBinary(layout);
        table.appendNull(column);
        return {};
    }
    const int type = row.columnType(column);
    if (type == SQLITE_NULL) {
        if (layout.required)
            return QCoreApplication::translate("DataLoader", "поле %1 пустое").arg(layout.name);
        table.appendNull(column);
        return {};
    }
    switch (layout.fieldType) {
    case FieldType::Integer: {
        if (type != SQLITE_INTEGER)
            return QCoreApplication::translate("DataLoader", "поле %1 не целое число").arg(layout.name);
        const qint64 number = row.columnInt(column);
        if (number < reader.lowest || number > kMaxRowId)
            return QCoreApplication::translate("DataLoader", "значение %1 поля %2 вне допустимых пределов")
                .arg(number)
                .arg(layout.name);
        table.appendInteger(column, number);
        return {};
    }
    case FieldType::Text: {
        if (type != SQLITE_TEXT)
            return QCoreApplication::translate("DataLoader", "поле %1 не текст").arg(layout.name);
        const QByteArrayView utf8 = row.columnUtf8(column);
        if (utf8.isEmpty()) {
            if (layout.required)
                return QCoreApplication::translate("DataLoader", "поле %1 пустое").arg(layout.name);
            if (reader.emptyIsNull)
                table.appendNull(column);
            else
                table.appendUtf8Text(column, utf8);
            return {};
        }
        const qsizetype length = table.appendUtf8Text(column, utf8);
        if (layout.maxLength > 0 && length > layout.maxLength)
            return QCoreApplication::translate("DataLoader", "поле %1 длиннее %2 символов")
                .arg(layout.name)
                .arg(layout.maxLength);
        return {};
    }
    case FieldType::Blob:
        if (type != SQLITE_BLOB)
            return notBinary(layout);
        table.appendBlob(column, row.columnBlobView(column));
        return {};
    }
    return {};
}

// The rows a file holds, as room to reserve. Counting them reads every page
// of the table, the article bodies with them; with an ID column (the row
// id) the range of IDs, found at the two ends of the table, gives the count
// of a file without gaps in its IDs and an upper bound otherwise. A range
// wider than the file could hold rows (IDs far apart) is no estimate: the
// rows are counted then. -1 when the file cannot be asked.
qint64 expectedRows(sqlite::Database &db, const DataFileLayout &layout)
{
    const QByteArray table = sqlite::quoteIdentifier(layout.tableName).toUtf8();
    if (layout.columns.first().name == QLatin1String(field::ID)) {
        // One aggregate per query: SQLite looks up a lone min() or max() at
        // an end of the table, but scans it for both together.
        const QByteArray rangeSql = "SELECT (SELECT min(ID) FROM " + table + "), (SELECT max(ID) FROM " + table
            + "), (SELECT page_count * page_size FROM pragma_page_count, pragma_page_size)";
        sqlite::Statement range(db, rangeSql.constData());
        if (!range.next())
            return -1;
        if (range.columnType(0) == SQLITE_NULL)
            return 0;
        const qint64 lowest = range.columnInt(0);
        const qint64 highest = range.columnInt(1);
        // A row takes a few bytes of its page at the least.
        const qint64 mostRows = range.columnInt(2) / 4;
        if (highest >= lowest && highest - lowest < mostRows)
            return highest - lowest + 1;
    }
    const QByteArray countSql = "SELECT count(*) FROM " + table;
    sqlite::Statement count(db, countSql.constData());
    return count.next() ? count.columnInt(0) : -1;
}

} // namespace

DataFileLoader::DataFileLoader(const QString &dataFolder)
    : m_dataFolder(dataFolder)
{
}

bool DataFileLoader::load(Table &articles, Table &wordForms, Table &examples)
{
    if (!readAll(articles, wordForms, examples))
        return false;
    buildIndexes(articles, wordForms);
    return true;
}

bool DataFileLoader::readAll(Table &articles, Table &wordForms, Table &examples)
{
    m_error.clear();
    if (readFile(DataFile::Articles, articles) && readFile(DataFile::WordForms, wordForms)
        && readFile(DataFile::Examples, examples)) {
        return true;
    }
    articles.clear();
    wordForms.clear();
    examples.clear();
    m_credits.clear();
    return false;
}

void DataFileLoader::buildIndexes(Table &articles, Table &wordForms)
{
    buildArticleIndexes(articles);
    buildWordFormIndex(wordForms);
}

void DataFileLoader::buildArticleIndexes(Table &articles)
{
    articles.addIndex(QString::fromLatin1(kIndexArticleKey), QString::fromLatin1(kArticleKeyFields));
    articles.addIndex(QString::fromLatin1(kIndexArticleId), QStringLiteral("ID"));
    articles.setActiveIndex(QString::fromLatin1(kIndexArticleKey));
}

void DataFileLoader::buildWordFormIndex(Table &wordForms)
{
    wordForms.addIndex(QString::fromLatin1(kIndexWordFormKey), QStringLiteral("TRANSC"));
    wordForms.setActiveIndex(QString::fromLatin1(kIndexWordFormKey));
}

bool DataFileLoader::readIndexed(DataFile file, Table &table, Bodies bodies)
{
    m_error.clear();
    if (!readFile(file, table, bodies))
        return false;
    if (file == DataFile::Articles)
        buildArticleIndexes(table);
    else if (file == DataFile::WordForms)
        buildWordFormIndex(table);
    return true;
}

bool DataFileLoader::readRows(DataFile file, sqlite::Database &db, Table &table, const QString &condition, Bodies bodies)
{
    m_error.clear();
    return prepareTable(file, table) && readFrom(file, db, table, condition, bodies);
}

bool DataFileLoader::prepareTable(DataFile file, Table &table)
{
    table.clear();
    if (!sameFields(table, file))
        return fail(file,
                    QCoreApplication::translate("DataLoader", "таблица «%1» программы устроена иначе, чем файл")
                        .arg(table.name()));
    return true;
}

bool DataFileLoader::readFile(DataFile file, Table &table, Bodies bodies)
{
    if (!prepareTable(file, table))
        return false;

    const QString path = dataFilePath(m_dataFolder, file);
    sqlite::Database db;
    const QString problem = openDataFile(file, path, db);
    if (!problem.isEmpty())
        return fail(file, problem);

    if (file == DataFile::Articles) {
        QString cause;
        if (!m_credits.read(db, &cause))
            return fail(file, cause);
    }
    return readFrom(file, db, table, {}, bodies);
}

bool DataFileLoader::readFrom(DataFile file, sqlite::Database &db, Table &table, const QString &condition, Bodies bodies)
{
    const DataFileLayout &layout = dataFileLayout(file);
    if (condition.isEmpty()) {
        const qint64 rows = expectedRows(db, layout);
        if (rows < 0)
            return fail(file, sqliteFailureCause(db));
        table.reserve(int(qMin<qint64>(rows, std::numeric_limits<int>::max())));
    }

    const QByteArray sql = selectSql(layout, condition, bodies);
    sqlite::Statement rows(db, sql.constData());
    const QVector<ColumnReader> readers = columnReaders(layout, bodies);
    const int columns = int(readers.size());
    const bool hasId = layout.columns.first().name == QLatin1String(field::ID);
    qint64 previousId = 0;
    qint64 rowNumber = 0;
    while (rows.next()) {
        ++rowNumber;
        if ((rowNumber & 0xFFF) == 0 && m_stop && m_stop->load(std::memory_order_relaxed)) {
            table.clear();
            return fail(file, QCoreApplication::translate("DataLoader", "чтение прервано"));
        }
        for (int column = 0; column < columns; ++column) {
            const QString wrong = readValue(rows, column, readers.at(column), table);
            if (!wrong.isEmpty()) {
                table.cancelRow();
                const QString where = hasId && rows.columnType(0) == SQLITE_INTEGER
                    ? QCoreApplication::translate("DataLoader", "запись с ID %1").arg(rows.columnInt(0))
                    : QCoreApplication::translate("DataLoader", "запись %1").arg(rowNumber);
                table.clear();
                return fail(file, where + QStringLiteral(": ") + wrong);
            }
        }
        if (hasId) {
            const qint64 id = rows.columnInt(0);
            if (id == previousId) {
                table.cancelRow();
                table.clear();
                return fail(file, QCoreApplication::translate("DataLoader", "ID %1 встречается дважды").arg(id));
            }
            previousId = id;
        }
        table.endRow();
    }
    if (rows.failed()) {
        table.clear();
        return fail(file, sqliteFailureCause(db));
    }
    return true;
}

bool DataFileLoader::fail(DataFile file, const QString &cause)
{
    m_error = unreadableFileMessage(file, dataFilePath(m_dataFolder, file), cause);
    return false;
}

int DataFileLoader::deferredField(DataFile file)
{
    const DataFileLayout &layout = dataFileLayout(file);
    for (int column = 0; column < layout.columns.size(); ++column) {
        const ColumnLayout &candidate = layout.columns.at(column);
        if (candidate.fieldType == FieldType::Blob && !candidate.required)
            return column;
    }
    return -1;
}

std::unique_ptr<Table> DataFileLoader::newBodyTable(DataFile file)
{
    const int field = deferredField(file);
    if (field < 0)
        return nullptr;
    const QVector<FieldDef> fields = fieldDefs(file);
    return std::make_unique<Table>(QStringLiteral("%1 bodies").arg(dataFileLayout(file).tableName),
                                   QVector<FieldDef>{fields.at(0), fields.at(field)});
}

bool DataFileLoader::readBodies(DataFile file, sqlite::Database &db, Table &bodies)
{
    m_error.clear();
    const DataFileLayout &layout = dataFileLayout(file);
    const int field = deferredField(file);
    // Only files with such a field and an ID have their bodies read later.
    Q_ASSERT(field > 0 && layout.columns.first().name == QLatin1String(field::ID));
    if (field <= 0)
        return false;
    const ColumnLayout &column = layout.columns.at(field);
    const QByteArray sql = QStringLiteral("SELECT ID, %1 FROM %2 ORDER BY ID")
                               .arg(sqlite::quoteIdentifier(column.name), sqlite::quoteIdentifier(layout.tableName))
                               .toUtf8();
    sqlite::Statement rows(db, sql.constData());
    qint64 rowNumber = 0;
    while (rows.next()) {
        if ((++rowNumber & 0xFFF) == 0 && m_stop && m_stop->load(std::memory_order_relaxed)) {
            bodies.clear();
            return fail(file, QCoreApplication::translate("DataLoader", "чтение прервано"));
        }
        bodies.appendInteger(0, rows.columnInt(0));
        const int type = rows.columnType(1);
        if (type == SQLITE_NULL) {
            bodies.appendNull(1);
        } else if (type == SQLITE_BLOB) {
            bodies.appendBlob(1, rows.columnBlobView(1));
        } else {
            bodies.cancelRow();
            bodies.clear();
            return fail(file, QCoreApplication::translate("DataLoader", "запись с ID %1").arg(rows.columnInt(0))
                                  + QStringLiteral(": ") + notBinary(column));
        }
        bodies.endRow();
    }
    if (rows.failed()) {
        bodies.clear();
        return fail(file, sqliteFailureCause(db));
    }
    return true;
}

} // namespace lumolex
