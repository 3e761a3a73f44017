#include "data/table/tablecolumn.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace lumolex {

namespace {
// Text offsets are 32 bits: a column holds at most 4G characters in all.
constexpr size_t MaxPoolSize = 0xFFFFFFFFu;
// Blob offsets are 64 bits; the pool stays below what a QByteArray can hold
// per value anyway.
constexpr size_t MaxBytePoolSize = size_t(1) << 40;

// The pool's allocator constructs element by element, so insert() would copy
// a byte at a time; the room is made first and the block copied at once.
template <typename T>
void appendCopy(Pool<T> &pool, const T *data, size_t count)
{
    if (count == 0)
        return;
    const size_t begin = pool.size();
    pool.resize(begin + count);
    std::memcpy(pool.data() + begin, data, count * sizeof(T));
}
} // namespace

TableColumn::TableColumn(FieldType type)
    : m_type(type)
{
}

void TableColumn::reserve(int rows)
{
    const size_t n = size_t(std::max(rows, 0));
    m_expectedRows = n;
    m_null.reserve(n);
    switch (m_type) {
    case FieldType::Integer: m_integers.reserve(n); break;
    case FieldType::Text: m_textEnds.reserve(n); break;
    case FieldType::Blob: m_blobEnds.reserve(n); break;
    }
}

void TableColumn::clear()
{
    m_null = {};
    m_integers = {};
    m_chars = {};
    m_textEnds = {};
    m_bytes = {};
    m_blobEnds = {};
    m_expectedRows = 0;
    m_codes.clear();
    m_wide = false;
}

// A pool that would overflow is grown to what the expected rows need at the
// average length of the rows so far (and a tenth more), not merely doubled:
// a large load then moves the pool a few times at most, whatever its rows'
// lengths. Beyond the expected rows it grows by half. False when the limit
// would be passed.
template <typename T>
bool TableColumn::makeRoom(Pool<T> &pool, size_t extra, size_t limit)
{
    const size_t needed = pool.size() + extra;
    if (needed > limit)
        return false;
    if (needed <= pool.capacity())
        return true;
    const size_t rows = m_null.size();
    double wanted = double(pool.capacity()) * 1.5;
    if (rows > 0 && m_expectedRows > rows) {
        const double perRow = double(needed) / double(rows + 1);
        wanted = std::max(wanted, perRow * double(m_expectedRows) * 1.1);
    }
    wanted = std::max(wanted, double(needed) + 64.0);
    pool.reserve(size_t(std::min(wanted, double(limit))));
    return true;
}

bool TableColumn::append(const QVariant &value)
{
    bool null = !value.isValid() || value.isNull();
    bool readable = true;
    switch (m_type) {
    case FieldType::Integer: {
        qint64 number = 0;
        if (!null) {
            number = value.toLongLong(&readable);
            null = !readable;
            if (null)
                number = 0;
        }
        m_integers.push_back(number);
        break;
    }
    case FieldType::Text: {
        if (!null) {
            const QString text = value.toString();
            if (!m_wide && !appendNarrow(text))
                widen();
            if (m_wide) {
                if (!makeRoom(m_chars, size_t(text.size()), MaxPoolSize)) {
                    null = true;        // no room left in the pool
                    readable = false;
                } else {
                    appendCopy(m_chars, reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size()));
                }
            }
        }
        m_textEnds.push_back(quint32(textPoolSize()));
        break;
    }
    case FieldType::Blob: {
        const QByteArray bytes = null ? QByteArray() : value.toByteArray();
        if (!makeRoom(m_bytes, size_t(bytes.size()), MaxBytePoolSize)) {
            null = true;
            readable = false;
        } else {
            appendCopy(m_bytes, bytes.constData(), size_t(bytes.size()));
        }
        m_blobEnds.push_back(m_bytes.size());
        break;
    }
    }
    m_null.push_back(null);
    return readable;
}

void TableColumn::appendNull()
{
    switch (m_type) {
    case FieldType::Integer: m_integers.push_back(0); break;
    case FieldType::Text: m_textEnds.push_back(quint32(textPoolSize())); break;
    case FieldType::Blob: m_blobEnds.push_back(m_bytes.size()); break;
    }
    m_null.push_back(true);
}

void TableColumn::appendInteger(qint64 value)
{
    m_integers.push_back(value);
    m_null.push_back(false);
}

// Stores the text one byte per character when each character has a code:
// plain ASCII and two-byte sequences decode here, exactly as
// QString::fromUtf8 decodes them; anything else is left to the wide path.
bool TableColumn::appendNarrow(QByteArrayView utf8)
{
    const size_t begin = m_bytes.size();
    const qsizetype count = utf8.size();
    if (!makeRoom(m_bytes, size_t(count), MaxPoolSize))
        return false;
    m_bytes.resize(begin + size_t(count));
    const auto *bytes = reinterpret_cast<const uchar *>(utf8.data());
    char *next = m_bytes.data() + begin;
    qsizetype i = 0;
    while (i < count) {
        const uchar lead = bytes[i];
        int code = -1;
        if (lead < 0x80) {
            code = lead;
            ++i;
        } else if (lead >= 0xC2 && lead <= 0xDF && i + 1 < count && (bytes[i + 1] & 0xC0) == 0x80) {
            code = m_codes.encode(char16_t(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F)));
            i += 2;
        }
        if (code < 0) {
            m_bytes.resize(begin);
            return false;
        }
        *next++ = char(code);
    }
    m_bytes.resize(size_t(next - m_bytes.data()));
    return true;
}

bool TableColumn::appendNarrow(QStringView text)
{
    const size_t begin = m_bytes.size();
    if (!makeRoom(m_bytes, size_t(text.size()), MaxPoolSize))
        return false;
    for (const QChar c : text) {
        const int code = m_codes.encode(c.unicode());
        if (code < 0) {
            m_bytes.resize(begin);
            return false;
        }
        m_bytes.push_back(char(code));
    }
    return true;
}

void TableColumn::widen()
{
    if (m_wide)
        return;
    m_chars.reserve(std::max(m_bytes.capacity(), m_bytes.size() + 64));
    for (const char c : m_bytes)
        m_chars.push_back(m_codes.decode(c));
    m_bytes = {};
    m_codes.clear();
    m_wide = true;
}

qsizetype TableColumn::appendUtf8(QByteArrayView utf8)
{
    if (!m_wide) {
        const size_t before = m_bytes.size();
        if (appendNarrow(utf8)) {
            m_textEnds.push_back(quint32(m_bytes.size()));
            m_null.push_back(false);
            return qsizetype(m_bytes.size() - before);
        }
        widen();
    }
    // UTF-8 never needs more UTF-16 units than it has bytes.
    const size_t begin = m_chars.size();
    const qsizetype count = utf8.size();
    if (!makeRoom(m_chars, size_t(count), MaxPoolSize)) {
        appendNull();                               // no room left in the pool
        return -1;
    }
    m_chars.resize(begin + size_t(count));
    char16_t *out = m_chars.data() + begin;
    // Plain ASCII and two-byte sequences (Latin, Cyrillic...) decode here;
    // anything else, valid or not, goes to Qt's decoder so that it comes
    // out exactly as QString::fromUtf8 makes it.
    const auto *bytes = reinterpret_cast<const uchar *>(utf8.data());
    char16_t *next = out;
    qsizetype i = 0;
    while (i < count) {
        const uchar lead = bytes[i];
        if (lead < 0x80) {
            *next++ = lead;
            ++i;
        } else if (lead >= 0xC2 && lead <= 0xDF && i + 1 < count && (bytes[i + 1] & 0xC0) == 0x80) {
            *next++ = char16_t(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F));
            i += 2;
        } else {
            break;
        }
    }
    if (i < count) {
        // Stateless, dropping a leading byte order mark: every text decodes
        // on its own, as in QString::fromUtf8.
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        m_chars.resize(begin);                      // decoded again from the start
        if (!makeRoom(m_chars, size_t(decoder.requiredSpace(count)), MaxPoolSize)) {
            m_chars.resize(begin);
            appendNull();
            return -1;
        }
        m_chars.resize(begin + size_t(decoder.requiredSpace(count)));
        out = m_chars.data() + begin;               // the resize may have moved the pool
        next = reinterpret_cast<char16_t *>(decoder.appendToBuffer(reinterpret_cast<QChar *>(out), utf8));
    }
    const size_t length = size_t(next - out);
    m_chars.resize(begin + length);
    m_textEnds.push_back(quint32(m_chars.size()));
    m_null.push_back(false);
    return qsizetype(length);
}

void TableColumn::appendBlob(QByteArrayView bytes)
{
    // An empty blob is not null, distinct from a null field.
    if (!makeRoom(m_bytes, size_t(bytes.size()), MaxBytePoolSize)) {
        appendNull();
        return;
    }
    appendCopy(m_bytes, bytes.data(), size_t(bytes.size()));
    m_blobEnds.push_back(m_bytes.size());
    m_null.push_back(false);
}

void TableColumn::truncate(int rows)
{
    const size_t n = size_t(std::max(rows, 0));
    if (n >= m_null.size())
        return;
    m_null.resize(n);
    switch (m_type) {
    case FieldType::Integer: m_integers.resize(n); break;
    case FieldType::Text:
        m_textEnds.resize(n);
        if (m_wide)
            m_chars.resize(n > 0 ? m_textEnds[n - 1] : 0);
        else
            m_bytes.resize(n > 0 ? m_textEnds[n - 1] : 0);
        break;
    case FieldType::Blob:
        m_blobEnds.resize(n);
        m_bytes.resize(n > 0 ? m_blobEnds[n - 1] : 0);
        break;
    }
}

QVariant TableColumn::value(int row) const
{
    if (isNull(row))
        return {};
    switch (m_type) {
    case FieldType::Integer: return QVariant(qlonglong(m_integers[size_t(row)]));
    case FieldType::Text: return QVariant(string(row));
    case FieldType::Blob: return QVariant(blob(row));
    }
    return {};
}

QByteArray TableColumn::blob(int row) const
{
    if (isNull(row))
        return {};
    if (m_type == FieldType::Blob) {
        const QByteArrayView bytes = blobView(row);
        return bytes.isEmpty() ? QByteArray("", 0) : bytes.toByteArray();
    }
    if (m_type == FieldType::Text)
        return string(row).toUtf8();
    return {};
}

QStringView TableColumn::text(int row, QString &buffer) const
{
    if (m_type != FieldType::Text)
        return {};
    const size_t begin = row > 0 ? m_textEnds[size_t(row) - 1] : 0;
    const qsizetype length = qsizetype(m_textEnds[size_t(row)] - begin);
    if (m_wide)
        return QStringView(m_chars.data() + begin, length);
    buffer.resize(length);
    char16_t *out = reinterpret_cast<char16_t *>(buffer.data());
    for (qsizetype i = 0; i < length; ++i)
        out[i] = m_codes.decode(m_bytes[begin + size_t(i)]);
    return QStringView(buffer);
}

QString TableColumn::string(int row) const
{
    const size_t begin = row > 0 ? m_textEnds[size_t(row) - 1] : 0;
    const qsizetype length = qsizetype(m_textEnds[size_t(row)] - begin);
    if (m_wide)
        return QStringView(m_chars.data() + begin, length).toString();
    if (length == 0)
        return QString::fromLatin1("", 0);          // empty, not null
    QString buffer;
    text(row, buffer);
    return buffer;
}

QByteArrayView TableColumn::blobView(int row) const
{
    if (m_type != FieldType::Blob || isNull(row))
        return {};
    const size_t begin = row > 0 ? m_blobEnds[size_t(row) - 1] : 0;
    return QByteArrayView(m_bytes.data() + begin, qsizetype(m_blobEnds[size_t(row)] - begin));
}

} // namespace lumolex
