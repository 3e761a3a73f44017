#pragma once

// A record filter read from text such as "(DICT=0) OR (DICT=1) OR (DICT=4)":
// comparisons "FIELD=integer" of integer fields, joined by OR, each
// optionally in parentheses. Field names and OR are case-insensitive. An
// empty text admits every record. Anything else is refused with a message.

#include "data/table/table.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace lumolex {

class TableColumn;

class FilterExpression
{
public:
    // The expression of text over the given fields, or nullopt with the
    // reason in *error.
    static std::optional<FilterExpression> parse(QStringView text, const QVector<FieldDef> &fields,
                                                 QString *error);

    bool admitsEverything() const { return m_admitsEverything; }
    // true when the row satisfies the expression; columns are the table's.
    bool admits(const std::vector<TableColumn> &columns, int row) const;
    // admits() of every row, in table order (one pass over each column).
    std::vector<char> admittedRows(const std::vector<TableColumn> &columns, int rowCount) const;

private:
    struct Comparison {
        int field;
        qint64 value;
    };
    std::vector<Comparison> m_comparisons;
    bool m_admitsEverything = true;

    friend class FilterParser;
};

} // namespace lumolex
