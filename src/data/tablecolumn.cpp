#include "data/tablecolumn.h"

#include <QStringDecoder>

#include <algorithm>

namespace lumolex {

namespace {
// Text offsets are 32 bits: a column holds at most 4G characters in all.
constexpr size_t MaxPoolSize = 0xFFFFFFFFu;
// Rows read before the pool is sized from their average length.
constexpr size_t PoolSampleRows = 1024;
}

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
    case FieldType::Blob: m_blobs.reserve(n); break;
    }
}

void TableColumn::clear()
{
    m_null = {};
    m_integers = {};
    m_chars = {};
    m_textEnds = {};
    m_blobs = {};
    m_expectedRows = 0;
}

// Once a sample of rows is in, reserves the characters the expected rows
// will need at that average length (and a little more), so that a large load
// does not copy the pool over and over while it doubles; a longer tail still
// grows the pool as usual.
void TableColumn::sizePool()
{
    const size_t rows = m_textEnds.size();
    if (rows != PoolSampleRows || m_expectedRows <= rows)
        return;
    const double perRow = double(m_chars.size()) / double(rows);
    const double wanted = perRow * double(m_expectedRows) * 1.1 + 64.0;
    if (wanted < double(MaxPoolSize) && size_t(wanted) > m_chars.capacity())
        m_chars.reserve(size_t(wanted));
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
            if (m_chars.size() + size_t(text.size()) > MaxPoolSize) {
                null = true;            // no room left in the pool
                readable = false;
            } else {
                m_chars.insert(m_chars.end(), text.utf16(), text.utf16() + text.size());
            }
        }
        m_textEnds.push_back(quint32(m_chars.size()));
        break;
    }
    case FieldType::Blob:
        m_blobs.push_back(null ? QByteArray() : value.toByteArray());
        break;
    }
    m_null.push_back(null);
    return readable;
}

void TableColumn::appendNull()
{
    switch (m_type) {
    case FieldType::Integer: m_integers.push_back(0); break;
    case FieldType::Text: m_textEnds.push_back(quint32(m_chars.size())); break;
    case FieldType::Blob: m_blobs.emplace_back(); break;
    }
    m_null.push_back(true);
}

void TableColumn::appendInteger(qint64 value)
{
    m_integers.push_back(value);
    m_null.push_back(false);
}

qsizetype TableColumn::appendUtf8(QByteArrayView utf8)
{
    sizePool();
    // Stateless, dropping a leading byte order mark: every text decodes on
    // its own, exactly like QString::fromUtf8.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const size_t begin = m_chars.size();
    const size_t room = size_t(decoder.requiredSpace(utf8.size()));
    if (begin + room > MaxPoolSize) {
        appendNull();                               // no room left in the pool
        return -1;
    }
    const auto *bytes = reinterpret_cast<const uchar *>(utf8.data());
    const qsizetype count = utf8.size();
    qsizetype ascii = 0;
    while (ascii < count && bytes[ascii] < 0x80)
        ++ascii;
    size_t length = 0;
    if (ascii == count) {                           // plain ASCII widens unit by unit
        m_chars.insert(m_chars.end(), bytes, bytes + count);
        length = size_t(count);
    } else {
        m_chars.resize(begin + room);
        QChar *out = reinterpret_cast<QChar *>(m_chars.data() + begin);
        const QChar *end = decoder.appendToBuffer(out, utf8);
        length = size_t(end - out);
        m_chars.resize(begin + length);
    }
    m_textEnds.push_back(quint32(m_chars.size()));
    m_null.push_back(false);
    return qsizetype(length);
}

void TableColumn::appendBlob(QByteArrayView bytes)
{
    // QByteArray("", 0): empty but not null, distinct from a null field.
    m_blobs.push_back(bytes.data() ? bytes.toByteArray() : QByteArray("", 0));
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
        m_chars.resize(n > 0 ? m_textEnds[n - 1] : 0);
        break;
    case FieldType::Blob: m_blobs.resize(n); break;
    }
}

QVariant TableColumn::value(int row) const
{
    if (isNull(row))
        return {};
    switch (m_type) {
    case FieldType::Integer: return QVariant(qlonglong(m_integers[size_t(row)]));
    case FieldType::Text: return QVariant(text(row).toString());
    case FieldType::Blob: return QVariant(m_blobs[size_t(row)]);
    }
    return {};
}

QByteArray TableColumn::blob(int row) const
{
    if (isNull(row))
        return {};
    if (m_type == FieldType::Blob)
        return m_blobs[size_t(row)];
    if (m_type == FieldType::Text)
        return text(row).toUtf8();
    return {};
}

} // namespace lumolex
