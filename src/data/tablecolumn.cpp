#include "data/tablecolumn.h"

#include <algorithm>

namespace lumolex {

namespace {
// Text offsets are 32 bits: a column holds at most 4G characters in all.
constexpr size_t MaxPoolSize = 0xFFFFFFFFu;
}

TableColumn::TableColumn(FieldType type)
    : m_type(type)
{
}

void TableColumn::reserve(int rows)
{
    const size_t n = size_t(std::max(rows, 0));
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
