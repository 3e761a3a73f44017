#pragma once

// Helpers for the table engine tests: an article table built from
// (ID, DICT, WORD) triples with TRANSC made by the transcription key, and a
// counter of the table's notifications.

#include "article/transcription.h"
#include "data/files/dataloader.h"
#include "data/files/datafileschema.h"
#include "data/table/table.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

namespace lumolex::test {

struct Article {
    int id;
    int dict;
    QString word;
};

inline QVector<FieldDef> articleFields()
{
    return fieldDefs(DataFile::Articles);
}

// The article table as the program opens it: both indexes, "cds1i1" active.
inline std::unique_ptr<Table> articleTable(const std::vector<Article> &articles)
{
    auto table = std::make_unique<Table>(QStringLiteral("articles"), articleFields());
    for (const Article &a : articles)
        table->appendRow({a.id, a.dict, a.word, QByteArray("body"), RetTransc(a.word), QVariant()});
    table->addIndex(QStringLiteral("cds1i1"), QString::fromLatin1(kArticleKeyFields));
    table->addIndex(QStringLiteral("cds1i2"), QStringLiteral("ID"));
    table->setActiveIndex(QStringLiteral("cds1i1"));
    return table;
}

// The TRANSC or ID values of the whole view, in view order.
inline QStringList viewKeys(const Table &table)
{
    QStringList keys;
    for (int p = 0; p < table.recordCount(); ++p)
        keys << table.valueAt(p, u"TRANSC").toString();
    return keys;
}

inline QList<int> viewIds(const Table &table)
{
    QList<int> ids;
    for (int p = 0; p < table.recordCount(); ++p)
        ids << table.valueAt(p, u"ID").toInt();
    return ids;
}

inline int currentId(const Table &table)
{
    return table.value(u"ID").toInt();
}

// Counts recordChanged() and viewRebuilt() of one table.
class NotificationCounter
{
public:
    explicit NotificationCounter(Table &table)
    {
        QObject::connect(&table, &Table::recordChanged, &m_context, [this] { ++records; });
        QObject::connect(&table, &Table::viewRebuilt, &m_context, [this] { ++rebuilds; });
    }
    void reset() { records = rebuilds = 0; }

    int records = 0;
    int rebuilds = 0;

private:
    QObject m_context;
};

} // namespace lumolex::test
