// The fragment search on small tables: fragments across blanks, inside words,
// with case and folded letters; articles without a body; the dictionary
// scope; stopping part-way; the plain-text cache.

#include "searchfixture.h"

#include "article/bodydecoder.h"
#include "search/fragmentsearch.h"
#include "search/plaintextcache.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// A body as RTF, every letter written as a \uN? escape, so the reader's own
// text path is used.
QByteArray rtfBody(const QString &text)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251 {\\b ";
    for (QChar c : text)
        rtf += c.unicode() < 128 ? QByteArray(1, char(c.unicode())) : "\\u" + QByteArray::number(c.unicode()) + "?";
    rtf += "}\\par}";
    return deflateBody(rtf);
}

QVariant plainBody(const QString &text)
{
    return deflateBody(text.toUtf8());
}

// Visiting order (key, then dictionary): агат 4, бег 3, вода 1, гора 2, дом 5,
// дом 6, жук 7, зал 8.
std::vector<SearchArticle> sample()
{
    return {
        {1, 1, QStringLiteral("вода"), rtfBody(QStringLiteral("Тут была связь с водой."))},
        {2, 2, QStringLiteral("гора"), plainBody(QStringLiteral("высокая ГОРА, крутая"))},
        {3, 3, QStringLiteral("бег"), plainBody(QStringLiteral("бег по кругу, быстрая"))},
        {4, 4, QStringLiteral("агат"), rtfBody(QStringLiteral("Ӧлла ӈурр — камень"))},
        {5, 1, QStringLiteral("дом"), QVariant()},                       // no body
        {6, 2, QStringLiteral("дом"), QVariant(QByteArray())},           // empty body
        {7, 9, QStringLiteral("жук"), plainBody(QStringLiteral("жук-олень, ла с нами"))},
        {8, 1, QStringLiteral("зал"), QVariant(QByteArray("not a zlib stream"))},   // damaged
    };
}

TEST(FragmentSearch, FindsTheConvertedFragmentAnywhereInTheText)
{
    struct Case {
        const char *query;
        std::vector<int> ids;
    } cases[] = {
        {"ла с", {1, 7}},          // across the blank: "была связь", "ла с нами"
        {"лас", {}},               // the blank is part of the query
        {"ДОМ", {}},               // headwords are not searched, and no body says it
        {"гора, к", {2}},          // case of the text
        {"ВОДОЙ", {1}},            // case of the query
        {"олла нурр", {4}},        // folded letters (Ӧ, ӈ) equal their Russian ones
        {"ӧЛЛА", {4}},
        {"руг", {3}},              // inside a longer word
        {"уг", {3}},
        {"к-о", {7}},
        {"повреждена", {}},        // a damaged body is not its notice
        {"\u0304\u0304", {}},      // nothing left of the query: matches nothing
    };
    SearchTables tables(sample());
    for (const Case &c : cases) {
        const QString query = QString::fromUtf8(c.query);
        EXPECT_EQ(idsOf(FragmentSearch::run(tables.articles, query, DictionaryScope::all())), c.ids) << c.query;
    }
}

TEST(FragmentSearch, ArticlesWithoutABodyNeverMatch)
{
    // A body-less article's text is empty, whatever the query.
    for (const SearchArticle &a : sample()) {
        const QVariant body = a.body;
        const QString text = fragmentSearchText(body.toByteArray(), !body.isValid());
        if (a.id == 5 || a.id == 6 || a.id == 8)
            EXPECT_TRUE(text.isEmpty()) << a.id;
        else
            EXPECT_FALSE(text.isEmpty()) << a.id;
    }
}

TEST(FragmentSearch, VisitsEveryArticleButListsOnlyThoseInScope)
{
    // "а" is in the text of 4, 3, 1, 2 and 7 (codes 4, 3, 1, 2, 9).
    struct Case {
        QList<int> dicts;
        std::vector<int> ids;
    } cases[] = {
        {{1}, {1}},
        {{2, 9}, {2, 7}},
        {{}, {}},
        {{1, 2, 3, 4, 9}, {4, 3, 1, 2, 7}},
    };
    SearchTables tables(sample());
    for (const Case &c : cases) {
        // One letter is enough for the search itself; the length rule is the caller's.
        FragmentSearch search(tables.articles, QStringLiteral("а"), DictionaryScope::ofCodes(c.dicts));
        search.runToEnd();
        EXPECT_EQ(search.visited(), 8);
        EXPECT_EQ(search.total(), 8);
        EXPECT_EQ(idsOf(search.results()), c.ids) << c.dicts.size();
    }
}

TEST(FragmentSearch, StoppingBetweenStepsKeepsTheResultsOfAnInOrderScan)
{
    SearchTables tables(sample());
    const QVector<FoundArticle> whole = FragmentSearch::run(tables.articles, QStringLiteral("а"), DictionaryScope::all());
    ASSERT_EQ(idsOf(whole), (std::vector<int>{4, 3, 1, 2, 7}));
    // How many of the first n articles in visiting order hold "а".
    const std::vector<size_t> foundInFirst = {0, 1, 2, 3, 4, 4, 4, 5, 5};
    // A zero budget visits one block a step: after n steps the results are
    // those of the first n blocks in visiting order.
    for (const int blockSize : {1, 3, 8}) {
        for (int stopAfter = 0; stopAfter * blockSize <= 8 + blockSize - 1; ++stopAfter) {
            FragmentSearch search(tables.articles, QStringLiteral("а"), DictionaryScope::all(), nullptr, blockSize);
            QVector<FoundArticle> reported;
            for (int i = 0; i < stopAfter; ++i)
                search.step(std::chrono::nanoseconds(0), &reported);
            const int visited = qMin(8, stopAfter * blockSize);
            SCOPED_TRACE(testing::Message() << "block " << blockSize << ", steps " << stopAfter);
            EXPECT_EQ(search.visited(), visited);
            EXPECT_EQ(search.atEnd(), visited == 8);
            EXPECT_EQ(reported, whole.mid(0, qsizetype(foundInFirst[size_t(visited)])));
            EXPECT_EQ(search.results(), reported);
        }
    }
}

TEST(FragmentSearch, ASecondSearchReadsTheTextsKeptByTheFirst)
{
    SearchTables tables(sample());
    PlainTextCache cache;
    const QString query = QStringLiteral("ла с");
    const QVector<FoundArticle> uncached = FragmentSearch::run(tables.articles, query, DictionaryScope::all());
    EXPECT_EQ(FragmentSearch::run(tables.articles, query, DictionaryScope::all(), &cache), uncached);
    EXPECT_EQ(cache.count(), 8);
    // The second search takes the kept text, not the body: a text planted
    // for article 3 is what it searches.
    PlainTextCache planted;
    planted.insert(3, QStringLiteral("zz ла сzz"));
    EXPECT_EQ(idsOf(FragmentSearch::run(tables.articles, query, DictionaryScope::all(), &planted)),
              (std::vector<int>{3, 1, 7}));
    EXPECT_EQ(FragmentSearch::run(tables.articles, query, DictionaryScope::all(), &cache), uncached);
}

TEST(PlainTextCache, KeepsTextsUpToItsBudget)
{
    // 100 letters take 200 bytes as UTF-16; the cache counts 64 more for
    // the string and its hash node.
    const QString text(100, QChar(u'ж'));
    const qsizetype cost = 200 + 64;
    struct Case {
        qsizetype budget;
        bool kept;
    } cases[] = {
        {cost, true},        // exactly full
        {cost - 1, false},   // one byte short
        {199, false},        // less than the letters themselves
        {0, false},
    };
    for (const Case &c : cases) {
        PlainTextCache cache(c.budget);
        EXPECT_EQ(cache.insert(7, text), c.kept) << c.budget;
        EXPECT_EQ(cache.find(7) != nullptr, c.kept) << c.budget;
        EXPECT_EQ(cache.bytes(), c.kept ? cost : 0) << c.budget;
    }
    // Once full, later texts are refused and the kept ones stay.
    PlainTextCache cache(cost);
    cache.insert(1, text);
    EXPECT_FALSE(cache.insert(2, QStringLiteral("x")));
    ASSERT_NE(cache.find(1), nullptr);
    EXPECT_EQ(*cache.find(1), text);
}

} // namespace
