#pragma once

// In-memory table with dataset-cursor semantics.
//
// One Table holds the rows of one data file. It keeps any number of named
// sort indexes, one of them active; the *view* is the active index order,
// restricted by the dictionary filter (when switched on) and by a key range.
// A cursor walks the view with the at-beginning / at-end flags of a classic
// dataset: reaching the last record by steps does not raise the at-end flag,
// only a further step does. Every move that is taken announces itself through
// recordChanged(), unless notifications are suspended; the outermost resume
// announces once.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

namespace lumolex {

enum class FieldType { Integer, Text, Blob };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int maxLength = 0;   // characters for Text; 0 means unbounded
};

// A remembered record (a row of the table, not a view position), valid across
// filter, index and range changes.
struct TableMark {
    int row = -1;
    bool isValid() const { return row >= 0; }
};

class TablePrivate;

class Table : public QObject
{
    Q_OBJECT
public:
    Table(const QString &name, const QVector<FieldDef> &fields, QObject *parent = nullptr);
    ~Table() override;

    const QString &name() const;
    const QVector<FieldDef> &fields() const;
    int fieldIndex(QStringView fieldName) const;   // -1 when unknown

    // Loading. Values are given in field order; a null QVariant is a null field.
    // appendRow does not check the article invariant: that is the write guard's job.
    void reserve(int rows);
    void appendRow(const QVariantList &values);
    void clear();
    int rowCount() const;                          // all rows, ignoring the view

    // Indexes. `fields` is a ';'-separated list ("TRANSC;DICT"). Text fields
    // compare with the key collation (case-insensitive); integers numerically.
    void addIndex(const QString &indexName, const QString &fields);
    void setActiveIndex(const QString &indexName);  // rebuilds the view, keeps the current row when visible
    QString activeIndex() const;

    // Cursor over the view.
    void first();
    void last();
    void next();
    void prior();
    bool atBeginning() const;
    bool atEnd() const;
    bool isEmpty() const;                          // the view holds no record

    // Field reads of the current record (null QVariant when empty or null).
    QVariant value(int field) const;
    QVariant value(QStringView fieldName) const;
    bool isNull(int field) const;
    QByteArray blob(int field) const;              // raw bytes of a Blob field
    // Field read of any row, for drawing rows that are not current.
    QVariant valueAt(int viewPosition, int field) const;

    // Key searches on the active index. findKey compares the given leading
    // fields exactly (text case-insensitively); findNearest takes the first
    // key >= text in index order, or the last record when all are smaller.
    bool findKey(const QVariantList &leadingValues);
    void findNearest(const QString &text);

    // Dictionary filter: an expression "(DICT=0) OR (DICT=1) ..." over the
    // integer field DICT. setFiltered(false) shows every row.
    void setFilterText(const QString &expression);
    QString filterText() const;
    void setFiltered(bool on);
    bool isFiltered() const;

    // Key range on the first field of the active index, both ends inclusive.
    void setRange(const QString &low, const QString &high);
    void setPrefixRange(const QString &prefix);    // keys that begin with prefix
    void cancelRange();

    int recordCount() const;                       // records in the view
    int recordNumber() const;                      // 1-based view position of the current record, 0 when empty
    void setRecordNumber(int number);              // 1..recordCount()
    int currentRow() const;                        // table row of the current record, -1 when empty

    TableMark mark() const;
    bool gotoMark(const TableMark &mark);          // false (and no move) when the row is not in the view

    void suspendNotifications();
    void resumeNotifications();
    bool notificationsSuspended() const;

signals:
    void recordChanged();

private:
    std::unique_ptr<TablePrivate> d;
};

// true when the table's view holds no record (at beginning and at end at once).
bool EmptyTable(const Table &table);

} // namespace lumolex
