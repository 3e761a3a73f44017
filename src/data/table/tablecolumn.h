#pragma once

// Storage of one field of a table, column-wise: integers in a plain array,
// texts in one shared character pool, blobs in one shared byte pool, and a
// null flag per row. A column of two million short texts thus costs a few
// bytes per row beyond the characters themselves, and appending a row
// allocates nothing once the column is reserved. A text column holds one
// byte per character while its texts use few enough characters (see
// CharacterCodes): lists of numbers such as the article IDs of a word form,
// or words of one alphabet; it widens to UTF-16 at the first text that does
// not fit.

#include "data/table/charactercodes.h"
#include "data/table/table.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <QVariant>

#include <memory>
#include <vector>

namespace lumolex {

// An allocator that leaves new elements uninitialised: a pool grown by
// resize() is written at once, so zero-filling it first is wasted work.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U>
    UninitialisedAllocator(const UninitialisedAllocator<U> &) noexcept {}
    template <typename U>
    void construct(U *p) noexcept { ::new (static_cast<void *>(p)) U; }
    template <typename U, typename... Args>
    void construct(U *p, Args &&...args) { ::new (static_cast<void *>(p)) U(std::forward<Args>(args)...); }
};

template <typename T>
using Pool = std::vector<T, UninitialisedAllocator<T>>;

class TableColumn
{
public:
    explicit TableColumn(FieldType type);

    FieldType type() const { return m_type; }
    int size() const { return int(m_null.size()); }
    size_t textUnits() const { return m_wide ? m_chars.size() : m_bytes.size(); }   // characters of all texts

    void reserve(int rows);
    void clear();
    // Appends one value; an invalid or null QVariant (or one that cannot be
    // read as the column's type) stores null. Answers false for the latter.
    bool append(const QVariant &value);
    // Typed appends for bulk loading, no QVariant in between. Each one is
    // meant for a column of its type only (the caller checks).
    void appendNull();
    void appendInteger(qint64 value);
    // Decodes UTF-8 straight into the character pool, as QString::fromUtf8
    // would. Answers the length of the stored text in UTF-16 units, or -1
    // when the pool has no room (null stored).
    qsizetype appendUtf8(QByteArrayView utf8);
    void appendBlob(QByteArrayView bytes);          // a null data pointer still stores an empty, non-null blob
    void truncate(int rows);                        // drops the rows from `rows` on

    bool isNull(int row) const { return m_null[size_t(row)]; }
    QVariant value(int row) const;                  // invalid QVariant for null
    qint64 integer(int row) const                   // 0 unless an Integer column
    {
        return m_type == FieldType::Integer ? m_integers[size_t(row)] : 0;
    }
    const qint64 *integers() const { return m_integers.data(); }   // row-indexed values of an Integer column
    // The text of a row (empty unless a Text column). Texts kept one byte
    // per character are decoded into `buffer`, so a caller reading many
    // rows allocates once.
    QStringView text(int row, QString &buffer) const;
    QByteArray blob(int row) const;                 // raw bytes of a Blob or Text column
    QByteArrayView blobView(int row) const;         // of a Blob column, valid until the next append

private:
    // Makes room for `extra` more units in a pool before a row is added.
    template <typename T>
    bool makeRoom(Pool<T> &pool, size_t extra, size_t limit);
    bool appendNarrow(QByteArrayView utf8);         // false (nothing stored) when a character has no code
    bool appendNarrow(QStringView text);
    void widen();                                   // moves the one-byte texts to the UTF-16 pool
    size_t textPoolSize() const { return m_wide ? m_chars.size() : m_bytes.size(); }
    QString string(int row) const;

    FieldType m_type;
    std::vector<bool> m_null;
    std::vector<qint64> m_integers;
    Pool<char16_t> m_chars;                         // all texts of a wide column, one after the other
    std::vector<quint32> m_textEnds;                // end of row i's text in m_chars or m_bytes
    Pool<char> m_bytes;                             // all blobs, or all texts of a narrow column
    CharacterCodes m_codes;                         // of the texts in m_bytes
    bool m_wide = false;                            // a Text column's texts are in m_chars
    std::vector<quint64> m_blobEnds;                // end of row i's blob in m_bytes
    size_t m_expectedRows = 0;                      // from reserve(), to size the pools
};

} // namespace lumolex
