// Characters that do not show, brought along by a pasted text: both searches
// find with them what they find without them, the fragment search also when
// the article text holds them, and the stored keys stay as they are.

#include "searchfixture.h"

#include "article/bodydecoder.h"
#include "search/fragmentsearch.h"
#include "search/querytext.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

QVariant plainBody(const QString &text)
{
    return deflateBody(text.toUtf8());
}

std::vector<SearchArticle> articles()
{
    return {
        {1, 1, QStringLiteral("олень"), plainBody(QStringLiteral("северный оле\u0301нь"))},    // stress mark
        {2, 1, QStringLiteral("лес"), plainBody(QStringLiteral("густой\u00A0лес, оле\u00ADнь"))}, // NBSP, soft hyphen
        {3, 1, QStringLiteral("дом"), plainBody(QStringLiteral("дом у дороги"))},
    };
}

std::vector<WordForm> forms()
{
    return {{QStringLiteral("олень"), QStringLiteral("|1|")},
            {QStringLiteral("лес"), QStringLiteral("|2|")},
            {QStringLiteral("дом"), QStringLiteral("|3|")}};
}

TEST(InvisibleCharacters, QueriesFindWhatTheyFindWithoutThemInBothSearches)
{
    struct Case {
        const char *name;
        QString typed;
        QString query;                // what the search is given
        std::vector<int> fastIds;     // fast word search
        std::vector<int> fragmentIds; // fragment search, in key order: лес, олень
    };
    const Case cases[] = {
        // the plain query, for comparison
        {"plain", QStringLiteral("олень"), QStringLiteral("олень"), {1}, {2, 1}},
        // at either end of a pasted query
        {"no-break space before", QStringLiteral("\u00A0олень"), QStringLiteral("олень"), {1}, {2, 1}},
        {"no-break space after", QStringLiteral("олень\u00A0"), QStringLiteral("олень"), {1}, {2, 1}},
        {"narrow no-break space", QStringLiteral("\u202Fолень"), QStringLiteral("олень"), {1}, {2, 1}},
        {"left-to-right mark", QStringLiteral("\u200Eолень"), QStringLiteral("олень"), {1}, {2, 1}},
        {"right-to-left mark", QStringLiteral("олень\u200F"), QStringLiteral("олень"), {1}, {2, 1}},
        {"byte-order mark", QStringLiteral("\uFEFFолень"), QStringLiteral("олень"), {1}, {2, 1}},
        // inside a word
        {"soft hyphen", QStringLiteral("оле\u00ADнь"), QStringLiteral("олень"), {1}, {2, 1}},
        {"zero-width space", QStringLiteral("оле\u200Bнь"), QStringLiteral("олень"), {1}, {2, 1}},
        {"zero-width joiner", QStringLiteral("оле\u200Dнь"), QStringLiteral("олень"), {1}, {2, 1}},
        {"stress mark", QStringLiteral("оле\u0301нь"), QStringLiteral("олень"), {1}, {2, 1}},
        {"isolate", QStringLiteral("\u2068олень\u2069"), QStringLiteral("олень"), {1}, {2, 1}},
        // a no-break space between words is a blank
        {"no-break space between words", QStringLiteral("густой\u00A0лес"), QStringLiteral("густой лес"), {}, {2}},
        // what shows is kept
        {"visible hyphen", QStringLiteral("оле-нь"), QStringLiteral("оле-нь"), {}, {}},
    };
    SearchTables tables(articles(), forms());
    FastWordSearch fast(tables.articles, tables.wordForms);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString query = trimQuery(c.typed);
        EXPECT_EQ(query, c.query);
        EXPECT_EQ(idsOf(fast.run(query, DictionaryScope::all())), c.fastIds);
        EXPECT_EQ(idsOf(FragmentSearch::run(tables.articles, query, DictionaryScope::all())), c.fragmentIds);
    }
}

} // namespace
