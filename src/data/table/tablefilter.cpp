#include "data/table/tablefilter.h"

#include "data/table/tablecolumn.h"

#include <algorithm>

namespace lumolex {

// Recursive-descent reader of
//   expression := term { "OR" term }
//   term       := "(" expression ")" | name "=" integer
class FilterParser
{
public:
    FilterParser(QStringView text, const QVector<FieldDef> &fields, FilterExpression &out)
        : m_text(text), m_fields(fields), m_out(out) {}

    bool parse(QString *error)
    {
        skipSpaces();
        if (m_pos == m_text.size())
            return true;
        m_out.m_admitsEverything = false;
        if (!expression(0))
            return fail(error);
        skipSpaces();
        if (m_pos != m_text.size()) {
            m_message = QStringLiteral("unexpected text");
            return fail(error);
        }
        return true;
    }

private:
    static constexpr int MaxDepth = 32;

    bool fail(QString *error) const
    {
        *error = QStringLiteral("%1 at position %2 of the filter \"%3\"")
                     .arg(m_message).arg(m_pos + 1).arg(m_text.toString());
        return false;
    }

    void skipSpaces()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool expression(int depth)
    {
        if (!term(depth))
            return false;
        for (;;) {
            skipSpaces();
            if (!keyword(u"OR"))
                return true;
            if (!term(depth))
                return false;
        }
    }

    bool keyword(QStringView word)
    {
        const QStringView rest = m_text.mid(m_pos);
        if (!rest.startsWith(word, Qt::CaseInsensitive))
            return false;
        const qsizetype after = word.size();
        if (after < rest.size() && (rest[after].isLetterOrNumber() || rest[after] == u'_'))
            return false;
        m_pos += after;
        return true;
    }

    bool term(int depth)
    {
        skipSpaces();
        if (m_pos < m_text.size() && m_text[m_pos] == u'(') {
            if (depth >= MaxDepth) {
                m_message = QStringLiteral("too many nested parentheses");
                return false;
            }
            ++m_pos;
            if (!expression(depth + 1))
                return false;
            skipSpaces();
            if (m_pos >= m_text.size() || m_text[m_pos] != u')') {
                m_message = QStringLiteral("\")\" expected");
                return false;
            }
            ++m_pos;
            return true;
        }
        return comparison();
    }

    bool comparison()
    {
        const qsizetype nameStart = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'_'))
            ++m_pos;
        const QStringView name = m_text.mid(nameStart, m_pos - nameStart);
        if (name.isEmpty()) {
            m_message = QStringLiteral("field name expected");
            return false;
        }
        int field = -1;
        for (int i = 0; i < m_fields.size(); ++i) {
            if (name.compare(m_fields[i].name, Qt::CaseInsensitive) == 0)
                field = i;
        }
        if (field < 0 || m_fields[field].type != FieldType::Integer) {
            m_pos = nameStart;
            m_message = QStringLiteral("unknown integer field \"%1\"").arg(name.toString());
            return false;
        }
        skipSpaces();
        if (m_pos >= m_text.size() || m_text[m_pos] != u'=') {
            m_message = QStringLiteral("\"=\" expected");
            return false;
        }
        ++m_pos;
        skipSpaces();
        const qsizetype numberStart = m_pos;
        if (m_pos < m_text.size() && (m_text[m_pos] == u'-' || m_text[m_pos] == u'+'))
            ++m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] >= u'0' && m_text[m_pos] <= u'9')
            ++m_pos;
        bool ok = false;
        const qint64 value = m_text.mid(numberStart, m_pos - numberStart).toLongLong(&ok);
        if (!ok) {
            m_pos = numberStart;
            m_message = QStringLiteral("integer expected");
            return false;
        }
        m_out.m_comparisons.push_back({field, value});
        return true;
    }

    QStringView m_text;
    const QVector<FieldDef> &m_fields;
    FilterExpression &m_out;
    qsizetype m_pos = 0;
    QString m_message;
};

std::optional<FilterExpression> FilterExpression::parse(QStringView text, const QVector<FieldDef> &fields,
                                                        QString *error)
{
    FilterExpression expression;
    FilterParser parser(text, fields, expression);
    if (!parser.parse(error))
        return std::nullopt;
    return expression;
}

bool FilterExpression::admits(const std::vector<TableColumn> &columns, int row) const
{
    if (m_admitsEverything)
        return true;
    for (const Comparison &c : m_comparisons) {
        const TableColumn &column = columns[size_t(c.field)];
        if (!column.isNull(row) && column.integer(row) == c.value)
            return true;
    }
    return false;
}

std::vector<char> FilterExpression::admittedRows(const std::vector<TableColumn> &columns, int rowCount) const
{
    std::vector<char> admitted(size_t(rowCount), m_admitsEverything ? 1 : 0);
    // One pass per field over its plain integer array; the null flag is read
    // only for rows whose stored value matches (nulls are stored as 0).
    std::vector<int> fieldsDone;
    for (const Comparison &first : m_comparisons) {
        if (std::find(fieldsDone.begin(), fieldsDone.end(), first.field) != fieldsDone.end())
            continue;
        fieldsDone.push_back(first.field);
        std::vector<qint64> values;
        for (const Comparison &c : m_comparisons) {
            if (c.field == first.field)
                values.push_back(c.value);
        }
        const TableColumn &column = columns[size_t(first.field)];
        const qint64 *numbers = column.integers();
        for (int row = 0; row < rowCount; ++row) {
            if (admitted[size_t(row)])
                continue;
            const qint64 number = numbers[row];
            for (const qint64 value : values) {
                if (number == value) {
                    admitted[size_t(row)] = !column.isNull(row);
                    break;
                }
            }
        }
    }
    return admitted;
}

} // namespace lumolex
