// The fast word search on small tables: the worked example, blanks, one-letter
// and repeated words, ARRID entries, the dictionary scope, the order of the
// results and queries of many words.

#include "searchfixture.h"

#include "search/dictionaryscope.h"
#include "search/fastwordsearch.h"

#include <QElapsedTimer>
#include <QStringList>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

const QString kLongKey = QStringLiteral("дом") + QString(31, QChar(u'я'));

std::vector<SearchArticle> articles()
{
    return {
        {5, 1, QStringLiteral("дом")},
        {9, 1, QStringLiteral("лес")},
        {12, 3, QStringLiteral("Лес")},   // the same key as 9
        {20, 2, QStringLiteral("дорога")},
        {30, 4, QStringLiteral("осина")},
        {40, 9, QStringLiteral("дом отдыха")},
        {50, 0, QStringLiteral("до")},
        {60, 1, QStringLiteral("сӱнь")},
        {70, 1, kLongKey},
    };
}

std::vector<WordForm> forms()
{
    return {
        {QStringLiteral("дом"), QStringLiteral("|5|9|")},
        {QStringLiteral("дома"), QStringLiteral("|9|12|")},
        {QStringLiteral("лес"), QStringLiteral("|9|")},
        {QStringLiteral("лесной"), QStringLiteral("|12|")},
        {QStringLiteral("дорога"), QStringLiteral("| 20 ||20|")},
        {QStringLiteral("осина"), QStringLiteral("|30|77|")},   // 77: no such article
        {QStringLiteral("отдых"), QStringLiteral("|40|")},
        {QStringLiteral("дом"), QStringLiteral("|40|")},
        {QStringLiteral("до"), QStringLiteral("|50|")},
        {QStringLiteral("сӱнь"), QStringLiteral("|60|")},
        {kLongKey, QStringLiteral("|70|")},
        {QStringLiteral("xyz"), QStringLiteral("|abc|5|")},
        {QStringLiteral("сад"), QStringLiteral("|2000000000|70|-3|5|70|")},   // IDs far apart, repeated
        {QStringLiteral("тропа"), QStringLiteral("|9|12|")},
    };
}

QString manyWords(const QString &first, const QString &rest, int count, const QString &last)
{
    QStringList words{first};
    while (words.size() < count - 1)
        words << rest;
    words << last;
    return words.join(u' ');
}

TEST(FastWordSearch, ListsArticlesMatchingEveryWordInKeyThenIdTextOrder)
{
    struct Case {
        QString query;
        std::vector<int> ids;
    };
    const Case cases[] = {
        // The worked example: 9 holds both words whole, 12 only longer forms.
        {QStringLiteral("дом лес"), {9, 12}},
        {QStringLiteral("лес дом"), {9, 12}},
        // The headword spelt so, the other whole forms by key, then the
        // longer forms by key (one of 34 letters still begins with "дом").
        {QStringLiteral("дом"), {5, 40, 9, 70, 12}},
        {QStringLiteral("ДоМ"), {5, 40, 9, 70, 12}},
        {QStringLiteral("дом дом"), {5, 40, 9, 70, 12}},
        {QStringLiteral("дом  лес"), {9, 12}},             // an empty word changes nothing
        {QStringLiteral("д о"), {40}},
        {QStringLiteral("до"), {50, 5, 40, 70, 20, 12, 9}},
        {QStringLiteral("дорога"), {20}},                   // blank and repeated entries
        {QStringLiteral("осина"), {30}},                    // an ID without article is skipped
        {QStringLiteral("xyz"), {5}},                       // a non-numeric entry is skipped
        {QStringLiteral("сад"), {5, 70}},
        {QStringLiteral("сад дом"), {5, 70}},
        {QStringLiteral("сӱ"), {60}},
        {QStringLiteral("дом лес осина"), {}},
        {QStringLiteral("дом осина лес"), {}},              // first and third word alone are not enough
        // One form each, taken in key order: 9 lacks the middle word.
        {QStringLiteral("тропа лесн дома"), {12}},
        // 9 holds "лес" whole but "тро" only begun: a longer form, like 12.
        {QStringLiteral("тро лес"), {12, 9}},
        {QStringLiteral("нет"), {}},
        {manyWords(QStringLiteral("дом"), QStringLiteral("лес"), 200, QStringLiteral("лесн")), {12}},
        {manyWords(QStringLiteral("дом"), QStringLiteral("лес"), 200, QStringLiteral("осина")), {}},
        {manyWords(QStringLiteral("дом"), QStringLiteral("дом"), 128, QStringLiteral("лес")), {9, 12}},
    };
    SearchTables tables(articles(), forms());
    FastWordSearch search(tables.articles, tables.wordForms);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query.left(30).toStdString());
        EXPECT_EQ(idsOf(search.run(c.query, DictionaryScope::all())), c.ids);
    }
    EXPECT_FALSE(tables.wordForms.hasRange());
}

// A query as long as the search box takes, of blanks or repeats, gives what
// its distinct words give, and never hangs: before, each empty word read
// the whole word-form table and the words were found by walking the query
// from its start each time. The bound is hundreds of times what the search
// takes; the speed itself is measured by lumolex-bench-search.
TEST(FastWordSearch, BlanksAndRepeatsInTheLongestQueryChangeNothingAndNeverHang)
{
    constexpr int longest = 32767; // the search box's own limit
    const auto padded = [](const QString &first, const QString &last) {
        return first + QString(longest - first.size() - last.size(), QChar(u' ')) + last;
    };
    const auto repeated = [](const QString &word, const QString &last) {
        QString query;
        while (query.size() + word.size() + 1 + last.size() <= longest)
            query += word + QChar(u' ');
        return query + QString(longest - query.size() - last.size(), QChar(u' ')) + last;
    };
    struct Case {
        QString query;
        QString same;   // the query without its blanks and repeats
    };
    // Each gives what the query gives without the blanks and repeats.
    const Case cases[] = {
        {padded(QStringLiteral("дом"), QStringLiteral("лес")), QStringLiteral("дом лес")},
        {padded(QStringLiteral("дом"), QStringLiteral("осина")), QStringLiteral("дом осина")},
        {padded(QStringLiteral("до"), QString()), QStringLiteral("до")},
        {repeated(QStringLiteral("дом"), QStringLiteral("лес")), QStringLiteral("дом лес")},
        {repeated(QStringLiteral("д"), QStringLiteral("лесн")), QStringLiteral("д лесн")},
        {repeated(QStringLiteral("дом "), QStringLiteral("до")), QStringLiteral("дом до")},
    };
    std::vector<WordForm> many = forms();
    for (int i = 0; i < 4000; ++i)
        many.push_back({QStringLiteral("форма") + QString::number(i), QStringLiteral("|5|9|12|20|30|")});
    SearchTables tables(articles(), many);
    FastWordSearch search(tables.articles, tables.wordForms);
    QElapsedTimer clock;
    clock.start();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query.left(12).toStdString() + "..." + c.query.right(6).toStdString());
        ASSERT_EQ(c.query.size(), longest);
        EXPECT_EQ(idsOf(search.run(c.query, DictionaryScope::all())), idsOf(search.run(c.same, DictionaryScope::all())));
    }
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(FastWordSearch, ResultsCarryDictionaryAndHeadword)
{
    SearchTables tables(articles(), forms());
    const QVector<FoundArticle> found =
        FastWordSearch(tables.articles, tables.wordForms).run(QStringLiteral("дома"), DictionaryScope::all());
    const QVector<FoundArticle> expected = {{12, 3, QStringLiteral("Лес")}, {9, 1, QStringLiteral("лес")}};
    EXPECT_EQ(found, expected);
}

TEST(FastWordSearch, ScopeAdmitsSelectedDictionariesAndCodeZero)
{
    struct Case {
        QList<int> codes;
        QString query;
        std::vector<int> ids;
    };
    const Case cases[] = {
        {{3}, QStringLiteral("до"), {50, 12}},
        {{1}, QStringLiteral("до"), {50, 5, 70, 9}},
        {{9}, QStringLiteral("до"), {50, 40}},
        {{2}, QStringLiteral("до"), {50, 20}},
        {{4}, QStringLiteral("осина"), {30}},
        {{1, 2, 3, 9}, QStringLiteral("осина"), {}},
        {{}, QStringLiteral("до"), {50}},
    };
    SearchTables tables(articles(), forms());
    FastWordSearch search(tables.articles, tables.wordForms);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query.toStdString() + " codes " + QString::number(c.codes.value(0, -1)).toStdString());
        EXPECT_EQ(idsOf(search.run(c.query, DictionaryScope::ofCodes(c.codes))), c.ids);
    }
}

TEST(FastWordSearch, ScopeTestPerDictionaryCode)
{
    const DictionaryScope only3 = DictionaryScope::ofCodes({3});
    const DictionaryScope oneAndNine = DictionaryScope::ofCodes({1, 9});
    DictionaryScope allTicked = DictionaryScope::ofCodes({3});
    allTicked.allDictionaries = true;
    struct Case {
        int dict;
        bool only3, oneAndNine, all;
    };
    const Case cases[] = {
        {0, true, true, true},   {1, false, true, true},  {2, false, false, true}, {3, true, false, true},
        {4, false, false, true}, {9, false, true, true},  {7, true, true, true},   {-1, true, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dict);
        EXPECT_EQ(only3.passes(c.dict), c.only3);
        EXPECT_EQ(oneAndNine.passes(c.dict), c.oneAndNine);
        EXPECT_EQ(allTicked.passes(c.dict), c.all);
    }
}

} // namespace
