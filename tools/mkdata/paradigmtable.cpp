#include "paradigmtable.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <vector>

namespace lumolex::mkdata {

namespace {

using SortKey = std::vector<int>;

const QString kSpellingSeparator = QStringLiteral(", ");

// Collects forms by row and column, each kept in the order of its sort key.
class TableBuilder
{
public:
    explicit TableBuilder(int labelColumns)
        : m_labelColumns(labelColumns)
    {
    }

    void add(const SortKey &rowKey, const QStringList &rowLabels, const SortKey &columnKey, const QString &columnLabel,
             const QString &form)
    {
        m_columns.emplace(columnKey, columnLabel);
        Row &row = m_rows[{rowKey, rowLabels.join(u'\t')}];
        row.labels = rowLabels;
        QStringList &cell = row.cells[columnKey];
        if (!cell.contains(form))
            cell.append(form);
    }

    // Without repeatFirstLabel a row shows its first label only where it
    // changes (a mood heads its two numbers once).
    FormsTable take(bool withHeader, bool repeatFirstLabel)
    {
        mergeUnlabelledColumn();
        FormsTable table;
        table.labelColumns = m_labelColumns;
        // A header of blanks alone (a numeral's cases have no number) says nothing.
        withHeader = withHeader && std::any_of(m_columns.cbegin(), m_columns.cend(),
                                               [](const auto &column) { return !column.second.isEmpty(); });
        if (withHeader) {
            for (int i = 0; i < m_labelColumns; ++i)
                table.header.append(QString());
            for (const auto &[key, label] : m_columns)
                table.header.append(label);
        }
        QString previousFirst;
        for (const auto &[key, row] : m_rows) {
            QStringList cells = row.labels;
            if (!repeatFirstLabel && !cells.isEmpty()) {
                const QString first = cells.first();
                if (first == previousFirst)
                    cells.first().clear();
                previousFirst = first;
            }
            for (const auto &[columnKey, label] : m_columns) {
                const auto cell = row.cells.find(columnKey);
                cells.append(cell == row.cells.end() ? QString() : cell->second.join(kSpellingSeparator));
            }
            table.rows.append(cells);
        }
        return table;
    }

private:
    // Forms without a number (the essive and the partitive of a noun) go
    // into the first column when the others have numbers: a column of their
    // own would stand empty but for two rows.
    void mergeUnlabelledColumn()
    {
        const auto unlabelled = m_columns.find(SortKey{});
        if (unlabelled == m_columns.end() || m_columns.size() < 2)
            return;
        const SortKey first = std::next(unlabelled)->first;
        for (auto &[key, row] : m_rows) {
            const auto cell = row.cells.find(SortKey{});
            if (cell == row.cells.end())
                continue;
            QStringList &target = row.cells[first];
            for (const QString &form : cell->second) {
                if (!target.contains(form))
                    target.append(form);
            }
            row.cells.erase(cell);
        }
        m_columns.erase(unlabelled);
    }

    struct Row {
        QStringList labels;
        std::map<SortKey, QStringList> cells;
    };

    int m_labelColumns;
    std::map<SortKey, QString> m_columns;
    std::map<std::pair<SortKey, QString>, Row> m_rows;   // by key, then labels
};

SortKey orderOf(const AnalysedTag &tag, std::initializer_list<TagKind> kinds)
{
    SortKey key;
    for (const TagPart &part : tag.parts) {
        if (std::find(kinds.begin(), kinds.end(), part.kind) != kinds.end())
            key.push_back(part.order);
    }
    std::sort(key.begin(), key.end());
    return key;
}

// "Sg1" -> 1; a bare number (the imperative's "Sg") is the second person.
int personOf(const AnalysedTag &tag)
{
    if (const TagPart *personNumber = tag.find(TagKind::PersonNumber))
        return personNumber->name.right(1).toInt();
    return 2;
}

QString numberLabelOf(const AnalysedTag &tag)
{
    if (const TagPart *personNumber = tag.find(TagKind::PersonNumber))
        return personNumber->name.startsWith(QLatin1String("Sg")) ? QStringLiteral("ед. ч.") : QStringLiteral("мн. ч.");
    if (const TagPart *number = tag.find(TagKind::Number))
        return number->label;
    return {};
}

bool isFinite(const AnalysedTag &tag)
{
    return tag.has(TagKind::Mood) && !tag.has(TagKind::Form) && !tag.has(TagKind::Case)
        && (tag.has(TagKind::PersonNumber) || tag.has(TagKind::Number));
}

// The label of a listed form: everything but the part of speech, with the
// parts the table does not know as the source spells them.
QString listLabelOf(const AnalysedTag &tag)
{
    QString label = tag.labelOf({TagKind::Case, TagKind::Number, TagKind::PersonNumber, TagKind::Mood, TagKind::Tense,
                                 TagKind::Form},
                                AnalysedTag::Order::Tag);
    if (!tag.isLabelled())
        label = (label + u' ' + tag.unknownParts.join(u'+')).trimmed();
    return label;
}

class GroupLayout
{
public:
    GroupLayout()
        : m_cases(1)
        , m_persons(2)
        , m_list(1)
    {
    }

    void add(const QString &headword, const AnalysedTag &tag, const QString &form)
    {
        if (tag.isLabelled() && tag.has(TagKind::Case)) {
            addCaseForm(tag, form);
        } else if (tag.isLabelled() && isFinite(tag)) {
            addPersonForm(tag, form);
        } else {
            const QString label = listLabelOf(tag);
            // A word's only form without a label is its headword: nothing to show.
            if (label.isEmpty() && form == headword)
                return;
            // Non-finite forms first, each with its moods and tenses, then numbers.
            SortKey key = orderOf(tag, {TagKind::Form});
            for (const auto &rest : {orderOf(tag, {TagKind::Mood, TagKind::Tense}),
                                     orderOf(tag, {TagKind::Number, TagKind::PersonNumber})})
                key.insert(key.end(), rest.begin(), rest.end());
            m_list.add(key,
                       {label.isEmpty() ? QStringLiteral("осн. форма") : label}, SortKey{}, QString(), form);
            m_hasList = true;
        }
    }

    QVector<FormsTable> take()
    {
        QVector<FormsTable> tables;
        if (m_hasCases)
            tables.append(m_cases.take(true, true));
        if (m_hasPersons)
            tables.append(m_persons.take(true, false));
        if (m_hasList)
            tables.append(m_list.take(false, true));
        return tables;
    }

private:
    void addPersonForm(const AnalysedTag &tag, const QString &form)
    {
        const SortKey mood = orderOf(tag, {TagKind::Mood, TagKind::Tense});
        const QString number = numberLabelOf(tag);
        const int person = personOf(tag);
        SortKey rowKey = mood;
        rowKey.push_back(number == QStringLiteral("ед. ч.") ? 0 : 1);
        m_persons.add(rowKey, {tag.labelOf({TagKind::Mood, TagKind::Tense}), number}, SortKey{person},
                      QStringLiteral("%1 л.").arg(person), form);
        m_hasPersons = true;
    }

    void addCaseForm(const AnalysedTag &tag, const QString &form)
    {
        // A person-number part ("Pl1") already says the number a following "Pl" repeats.
        const bool hasPerson = tag.has(TagKind::PersonNumber);
        const SortKey columnKey = hasPerson ? orderOf(tag, {TagKind::PersonNumber, TagKind::Form})
                                            : orderOf(tag, {TagKind::Number, TagKind::Form});
        const QString columnLabel = hasPerson ? tag.labelOf({TagKind::PersonNumber, TagKind::Form})
                                              : tag.labelOf({TagKind::Number, TagKind::Form});
        m_cases.add(orderOf(tag, {TagKind::Case}), {tag.labelOf({TagKind::Case})}, columnKey, columnLabel, form);
        m_hasCases = true;
    }

    TableBuilder m_cases;
    TableBuilder m_persons;
    TableBuilder m_list;
    bool m_hasCases = false;
    bool m_hasPersons = false;
    bool m_hasList = false;
};

} // namespace

int FormsTable::columnCount() const
{
    int count = int(header.size());
    for (const QStringList &row : rows)
        count = std::max(count, int(row.size()));
    return count;
}

QVector<PartOfSpeechForms> layOutParadigm(const QString &headword, const QVector<ParadigmForm> &forms)
{
    QStringList order;
    std::map<QString, GroupLayout> groups;
    for (const ParadigmForm &form : forms) {
        const AnalysedTag tag = analyseTag(form.tags);
        const QString label = tag.labelOf({TagKind::PartOfSpeech, TagKind::Subtype});
        if (!order.contains(label))
            order.append(label);
        groups[label].add(headword, tag, form.form);
    }
    QVector<PartOfSpeechForms> result;
    for (const QString &label : order)
        result.append(PartOfSpeechForms{label, groups[label].take()});
    return result;
}

} // namespace lumolex::mkdata
