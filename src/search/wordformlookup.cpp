#include "search/wordformlookup.h"

#include "article/transcription.h"
#include "data/files/dataloader.h"
#include "data/files/datafileschema.h"
#include "data/table/collation.h"
#include "data/table/table.h"
#include "search/arrid.h"

#include <algorithm>
#include <string>
#include <vector>

namespace lumolex {

QVector<FoundArticle> WordFormLookup::articlesHolding(const Table &articles, const Table &wordForms, const QString &typed)
{
    const QString key = RetTransc(typed);
    if (key.isEmpty())
        return {};
    const int arrid = wordForms.fieldIndex(QString::fromLatin1(field::ARRID));
    std::vector<int> ids;
    std::vector<int> formIds;
    for (const int row : wordForms.rowsOfKey(QString::fromLatin1(kIndexWordFormKey), {key})) {
        parseArrId(wordForms.valueOfRow(row, arrid).toString(), formIds);
        ids.insert(ids.end(), formIds.begin(), formIds.end());
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());

    const int dictField = articles.fieldIndex(QString::fromLatin1(field::DICT));
    const int wordField = articles.fieldIndex(QString::fromLatin1(field::WORD));
    const int keyField = articles.fieldIndex(QString::fromLatin1(field::TRANSC));
    struct Ranked {
        std::string key;
        QString id;
        FoundArticle article;
    };
    std::vector<Ranked> ranked;
    for (const int id : ids) {
        const QVector<int> rows = articles.rowsOfKey(QString::fromLatin1(kIndexArticleId), {id});
        if (rows.isEmpty() || !articles.rowIsShown(rows.first()))
            continue;
        const int row = rows.first();
        ranked.push_back({KeyCollation::sortKey(articles.valueOfRow(row, keyField).toString()), QString::number(id),
                          {id, articles.valueOfRow(row, dictField).toInt(), articles.valueOfRow(row, wordField).toString()}});
    }
    std::sort(ranked.begin(), ranked.end(), [](const Ranked &a, const Ranked &b) {
        const int byKey = KeyCollation::compareKeys(a.key, b.key);
        return byKey != 0 ? byKey < 0 : a.id < b.id;
    });
    QVector<FoundArticle> found;
    found.reserve(qsizetype(ranked.size()));
    for (const Ranked &r : ranked)
        found.append(r.article);
    return found;
}

bool WordFormLookup::beginsAHeadword(const Table &articles, const QString &typed)
{
    if (articles.isEmpty())
        return false;
    const QString key = RetTransc(typed);
    const QString current = articles.value(QString::fromLatin1(field::TRANSC)).toString();
    return KeyCollation::keyHasPrefix(KeyCollation::sortKey(current), KeyCollation::sortKey(key));
}

} // namespace lumolex
