#pragma once

// Folder data/wordlist: the word list over the article table: its item model,
// navigation, the dictionary selection rules and the starting dictionary. It
// may use data/table and data/files; it has no widgets.

// The word list as an item model: one row per record of the article table's
// view, in view order. Nothing is copied: every cell is read from the table
// when it is drawn, so the model costs nothing per row, whatever the size of
// the view. The model resets when the table announces a rebuilt view
// (filter, index, range); plain cursor moves do not touch it.

#include <QAbstractListModel>

namespace lumolex {

class Table;

class WordListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        DictRole = Qt::UserRole + 1, // DICT of the row's record (int)
        RecordNumberRole,            // 1-based position in the view (int)
    };

    explicit WordListModel(Table *articles, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Row of the table's current record, -1 when the view is empty.
    int currentRow() const;

private:
    void reload();

    Table *m_articles;
    int m_rows = 0;
    int m_wordField = -1;
    int m_dictField = -1;
};

} // namespace lumolex
