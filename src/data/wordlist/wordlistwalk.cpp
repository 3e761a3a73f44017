#include "data/wordlist/wordlistwalk.h"

#include "data/files/datafileschema.h"
#include "data/table/table.h"
#include "data/wordlist/typeahead.h"

namespace lumolex {

QVector<ListedRecord> wordListRecords(Table &articles, const QString &nearestKey, const QList<int> &dicts, int count,
                                      const QString &typed)
{
    if (!dicts.isEmpty()) {
        // The view of the program: code 0 is always visible.
        QString filter = QStringLiteral("(DICT=0)");
        for (const int dict : dicts)
            filter += QStringLiteral(" OR (DICT=%1)").arg(dict);
        articles.setFilterText(filter);
        articles.setFiltered(true);
    }
    QVector<ListedRecord> records;
    if (articles.isEmpty())
        return records;
    if (nearestKey.isEmpty())
        articles.first();
    else
        TypeAhead(articles).land(typed.isEmpty() ? QStringView(nearestKey) : QStringView(typed), nearestKey);

    const int id = articles.fieldIndex(QString::fromLatin1(field::ID));
    const int dict = articles.fieldIndex(QString::fromLatin1(field::DICT));
    const int word = articles.fieldIndex(QString::fromLatin1(field::WORD));
    while (count < 0 || records.size() < count) {
        records.append({articles.value(id).toLongLong(), articles.value(dict).toLongLong(), articles.value(word).toString()});
        articles.next();
        if (articles.atEnd())
            break;
    }
    return records;
}

} // namespace lumolex
