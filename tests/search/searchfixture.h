#pragma once

// Article and word-form tables built in memory, indexed as the data loader
// indexes them, for the search tests.

#include "article/transcription.h"
#include "data/files/datafileschema.h"
#include "data/files/dataloader.h"
#include "data/table/table.h"
#include "search/fastwordsearch.h"
#include "search/wordspellings.h"

#include <map>
#include <memory>
#include <vector>

namespace lumolex::test {

struct SearchArticle {
    int id;
    int dict;
    QString word;
    QVariant body = QVariant();   // invalid: no body
};

struct WordForm {
    QString word;    // stored under its transcription key
    QString arrid;
};

struct SearchTables {
    Table articles{QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)};
    Table wordForms{QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms)};

    explicit SearchTables(const std::vector<SearchArticle> &rows, const std::vector<WordForm> &forms = {})
    {
        for (const SearchArticle &a : rows)
            articles.appendRow({a.id, a.dict, a.word, a.body, RetTransc(a.word), QVariant()});
        for (const WordForm &f : forms)
            wordForms.appendRow({RetTransc(f.word), f.arrid});
        DataFileLoader::buildIndexes(articles, wordForms);
    }
};

// The exact spellings of inflected forms (as typed, composed) with the
// articles whose paradigm holds them, as a built data set keeps them; the
// words of the texts are not kept, so the texts are read.
class FormSpellingRows final : public WordSpellings
{
public:
    explicit FormSpellingRows(std::map<QString, std::vector<int>> rows)
        : m_rows(std::move(rows))
    {
    }
    std::vector<int> formHolders(const QString &spelling) override
    {
        const auto found = m_rows.find(spelling);
        return found == m_rows.end() ? std::vector<int>{} : found->second;
    }
    bool knowsTextWords() override { return false; }
    void textWords(const QString &, const TextWord &) override {}

private:
    std::map<QString, std::vector<int>> m_rows;
};

// The IDs of the articles found, in their order.
inline std::vector<int> idsOf(const QVector<FoundArticle> &found)
{
    std::vector<int> ids;
    for (const FoundArticle &f : found)
        ids.push_back(f.id);
    return ids;
}

} // namespace lumolex::test
