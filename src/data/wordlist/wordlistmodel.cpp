#include "data/wordlist/wordlistmodel.h"

#include "data/table/table.h"

namespace lumolex {

WordListModel::WordListModel(Table *articles, QObject *parent)
    : QAbstractListModel(parent)
    , m_articles(articles)
    , m_rows(articles->recordCount())
    , m_wordField(articles->fieldIndex(u"WORD"))
    , m_dictField(articles->fieldIndex(u"DICT"))
{
    connect(m_articles, &Table::viewRebuilt, this, &WordListModel::reload);
}

void WordListModel::reload()
{
    beginResetModel();
    m_rows = m_articles->recordCount();
    endResetModel();
}

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    // While the table's notifications are suspended its view may already be
    // smaller than the rows the list knows; the table answers nothing then.
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_articles->valueAt(index.row(), m_wordField);
    case DictRole:
        return m_articles->valueAt(index.row(), m_dictField);
    case RecordNumberRole:
        return index.row() + 1;
    default:
        return {};
    }
}

Qt::ItemFlags WordListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int WordListModel::currentRow() const
{
    return m_articles->recordNumber() - 1;
}

} // namespace lumolex
