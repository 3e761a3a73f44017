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
    // UTF-8 never needs more UTF-16 units than it has bytes.
    const size_t begin = m_chars.size();
    const qsizetype count = utf8.size();
    if (begin + size_t(count) > MaxPoolSize) {
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
