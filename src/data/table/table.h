#pragma once

// Folder data/table: the in-memory table engine: typed columns, sort indexes
// with their collation keys, the dictionary filter, the view and its cursor,
// position marks, notifications, and the write guard of the build tool. It
// uses QtCore only; data/files and data/wordlist build on it.

// In-memory table with dataset-cursor semantics.
//
// One Table holds the rows of one data file. It keeps any number of named
// sort indexes, one of them active; the *view* is the active index order
// (the table order while no index is active), restricted by the dictionary
// filter (when switched on) and by a key range. A cursor walks the view with
// the at-beginning / at-end flags of a classic dataset: reaching the last
// record by steps does not raise the at-end flag, only a further step does.
// Every move that is taken announces itself through recordChanged(), unless
// notifications are suspended; the outermost resume announces once.
//
// Flags after each kind of move (on an empty view both are always up):
//   first             at-beginning up, at-end down
//   last              at-end up, at-beginning down
//   next / prior      taken only when the flag of its direction is down; both
//                     flags cleared, then the direction's flag raised when
//                     there was no record to move to (the record stays)
//   key search, record number, mark, view rebuild keeping the record
//                     both down
// When the view is rebuilt (index, filter or range change) the current record
// stays current if the new view shows it; otherwise the first record becomes
// current, as by first().
//
// Keys compare with KeyCollation (data/collation.h), the only collation of
// the engine. Bad input (unknown names, malformed filters, out-of-range
// numbers) is refused with a qWarning and a false answer; nothing crashes.

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace lumolex {

enum class FieldType { Integer, Text, Blob };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int maxLength = 0;   // characters for Text; 0 means unbounded (informative: values are never cut)
};

// A remembered record (a row of the table, not a view position), valid across
// filter, index and range changes; a mark taken before clear() never matches.
// Marks need no release: drop the value.
struct TableMark {
    int row = -1;
    quint64 generation = 0;
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
    int fieldIndex(QStringView fieldName) const;   // case-insensitive; -1 when unknown

    // Loading. Values are given in field order; a null or invalid QVariant is a
    // null field (so is a value that cannot be read as an Integer field's
    // number); missing trailing values are null. Loading fires no notification.
    // appendRow does not check the article invariant: that is the write guard's job.
    void reserve(int rows);
    void appendRow(const QVariantList &values);
    // Typed loading, for bulk loads: give the fields of one row (in any
    // order, each at most once) with the append calls of their types, then
    // endRow(); fields not given are null. A value of the wrong type, or a
    // field given twice or unknown, is refused with a warning (the field
    // stays as it was). cancelRow() drops a row begun but not ended.
    void appendNull(int field);
    void appendInteger(int field, qint64 value);
    // Text from UTF-8 bytes, decoded once into the table's own storage.
    // Answers the stored length in UTF-16 units, -1 when refused or when the
    // column is full (then null is stored, with a warning).
    qsizetype appendUtf8Text(int field, QByteArrayView utf8);
    void appendBlob(int field, QByteArrayView bytes);
    void endRow();
    void cancelRow();
    void clear();                                  // drops all rows (indexes stay defined); notifies
    // Takes the rows of `other`, a table of the same fields read elsewhere
    // (on another thread, say), in place of its own, with the collation keys
    // and indexes made for them and the index active there; the filter, the
    // key range and a suspension of notifications stay this table's. The
    // view is rebuilt and notifies; the record current in `other` stays
    // current when the view shows it, else the first record is.
    // `other` is left empty, without indexes. False (nothing changes) when
    // the fields differ.
    bool takeRows(Table &other);
    int rowCount() const;                          // all rows, ignoring the view

    // Indexes. `fields` is a ';'-separated list ("TRANSC;DICT") of Text or
    // Integer fields. Text fields compare with the key collation
    // (case-insensitive), or by their exact spelling when the name ends in
    // ":spelling" ("TRANSC;DICT;WORD:spelling;ID": see SpellingCollation);
    // integers numerically; nulls first; equal keys keep table order. addIndex sorts at once (replacing an index of that name);
    // false for unknown fields. Names are case-insensitive.
    bool addIndex(const QString &indexName, const QString &fields);
    bool hasIndex(const QString &indexName) const;
    // Rebuilds the view in the index's order (an empty name: table order),
    // keeping the current row when visible; cancels a key range. No-op when
    // already active; false (nothing changes) for an unknown name.
    bool setActiveIndex(const QString &indexName);
    QString activeIndex() const;                   // empty while the table order is in use

    // Cursor over the view.
    void first();                                  // always notifies
    void last();                                   // always notifies
    void next();                                   // notifies when taken (not at end)
    void prior();                                  // notifies when taken (not at beginning)
    bool atBeginning() const;
    bool atEnd() const;
    bool isEmpty() const;                          // the view holds no record

    // Field reads of the current record (invalid QVariant when the view is
    // empty, the field null or unknown). Integers come as qlonglong.
    QVariant value(int field) const;
    QVariant value(QStringView fieldName) const;
    bool isNull(int field) const;                  // true also when empty or unknown
    QByteArray blob(int field) const;              // raw bytes of a Blob field
    QByteArray blob(QStringView fieldName) const;
    // Field read of any view position, for drawing rows that are not current;
    // invalid QVariant for a position outside the view.
    QVariant valueAt(int viewPosition, int field) const;
    QVariant valueAt(int viewPosition, QStringView fieldName) const;
    // Reads for searches over many rows, without a QVariant: the text of a
    // Text field at a view position (made in `buffer` when the column keeps
    // one byte per character; empty when null or out of the view), and the
    // collation key of a Text field some index sorts by (empty when no index
    // has keyed it).
    QStringView textAt(int viewPosition, int field, QString &buffer) const;
    std::string_view sortKeyAt(int viewPosition, int field) const;
    // The value of an Integer field at a view position; `fallback` when it
    // is null, out of the view or the field holds no integers.
    qint64 integerAt(int viewPosition, int field, qint64 fallback = 0) const;
    // The stored bytes of a Blob field at a view position, without a copy:
    // valid while no row is added (loaded tables are only read, so other
    // threads may read them meanwhile). `isNull` tells a null field from an
    // empty one; out of the view counts as null.
    QByteArrayView blobAt(int viewPosition, int field, bool *isNull) const;

    // Key searches on the active index (false without one). findKey compares
    // the given leading fields exactly (text with the key collation, so
    // case-insensitively) and makes the first match in view order current;
    // false and no move when none matches. findNearest takes the first record
    // whose first index field is >= text in index order, or the last record
    // when all are smaller; false only when the view is empty or the text
    // cannot be compared (not a number for an integer field).
    bool findKey(const QVariantList &leadingValues);
    bool findNearest(const QString &text);

    // Reads by table row, whatever the view shows and without moving the
    // cursor (for look-ups beside the user's browsing): the rows whose
    // leading fields of the named index equal the values, in that index's
    // order (none for an unknown index or unreadable values), and a field of
    // a row (invalid QVariant outside the table or for a null field).
    QVector<int> rowsOfKey(const QString &indexName, const QVariantList &leadingValues) const;
    QVariant valueOfRow(int row, int field) const;
    bool rowIsShown(int row) const;                // the view (filter, range) holds the row

    // Dictionary filter: an expression "(DICT=0) OR (DICT=1) ..." over
    // integer fields; an empty text admits every row. A malformed text is
    // refused (false, the previous filter stays). setFiltered(false) shows
    // every row. Both rebuild the view (and notify) only when the view changes.
    bool setFilterText(const QString &expression);
    QString filterText() const;
    void setFiltered(bool on);
    bool isFiltered() const;

    // Key range on the first field of the active index: low..high both
    // inclusive, or the exact range of keys that begin with prefix (in the
    // key collation). Rebuilds the view and notifies. Without an active index,
    // or with an integer first field and non-numeric bounds, the range is
    // empty and a warning says why.
    void setRange(const QString &low, const QString &high);
    void setPrefixRange(const QString &prefix);
    void cancelRange();                            // no-op without a range
    bool hasRange() const;

    int recordCount() const;                       // records in the view
    int recordNumber() const;                      // 1-based view position of the current record, 0 when empty
    bool setRecordNumber(int number);              // 1..recordCount(); false and no move otherwise
    int currentRow() const;                        // table row of the current record, -1 when empty

    TableMark mark() const;                        // invalid on an empty view
    bool gotoMark(const TableMark &mark);          // false (and no move) when the row is not in the view

    // Bytes read later: a Blob field whose values are read after the rest of
    // the rows (the article bodies, while the window shows its first
    // article). Until fillDeferred() brings them, a read of the current
    // record's value asks `readOne` (given the record's value of the Integer
    // field `keyField`; none stands for null), and every other read of the
    // field on the table's thread first calls `complete`, which is to call
    // fillDeferred(); when it does not, the field reads as null from then on.
    // Threads that read rows by view position start after completeDeferred().
    // clear() and takeRows() end a deferral.
    struct DeferredBlobs {
        int field = -1;
        int keyField = -1;
        std::function<std::optional<QByteArray>(qint64 key)> readOne;
        std::function<void()> complete;
    };
    bool deferBlobs(DeferredBlobs deferred);       // false for fields of the wrong types
    bool hasDeferredBlobs() const;
    void completeDeferred();
    void cancelDeferred();                         // the field reads as null from now on
    // Takes the deferred bytes from `source`, a table of two fields, the
    // key and the bytes, with a row for each row of this table in table
    // order (same keys). False, and the deferral stays, when the keys differ.
    bool fillDeferred(Table &source);

    // While suspended, moves fire nothing; the outermost resume emits
    // viewRebuilt() if the view was rebuilt meanwhile, then recordChanged()
    // once for the record then current. An unmatched resume is ignored.
    void suspendNotifications();
    void resumeNotifications();
    bool notificationsSuspended() const;

signals:
    // The current record moved, or the view was rebuilt, or notifications resumed.
    void recordChanged();
    // The view's rows changed (index, filter, range, clear); comes before recordChanged().
    void viewRebuilt();

private:
    friend class TablePrivate;
    std::unique_ptr<TablePrivate> d;
};

// true when the table's view holds no record (at beginning and at end at once).
bool EmptyTable(const Table &table);

} // namespace lumolex
