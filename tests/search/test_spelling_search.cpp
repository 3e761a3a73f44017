// How the searches compare letters: the word typed opens first, е finds ё
// (not the reverse), and lengths count letters as a reader sees them.

#include "searchfixture.h"

#include "article/bodydecoder.h"
#include "search/dictionaryscope.h"
#include "search/fastwordsearch.h"
#include "search/fragmentsearch.h"
#include "search/querytext.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

const QString Macron = QStringLiteral("\u0304");

QVariant body(const QString &text)
{
    return deflateBody(text.toUtf8());
}

// Key order of the headwords: аа, аввьл, аввьль, берег, берёза, ёлка,
// маннь = маӈӈь, шэннт, шэннтэ, шэннтэсь.
std::vector<SearchArticle> articles()
{
    return {
        {1, 1, QStringLiteral("шэ̄ннтэсь"), body(QStringLiteral("шэ̄ннт"))},
        {2, 1, QStringLiteral("шэ̄ннтэ"), body(QStringLiteral("шэ̄ннт"))},
        {3, 1, QStringLiteral("шэ̄ннт"), body(QStringLiteral("иной"))},
        {9, 1, QStringLiteral("аа"), body(QStringLiteral("шэ̄ннтэсь"))},
        {4, 1, QStringLiteral("маӈӈь"), body(QStringLiteral("зять"))},
        {5, 1, QStringLiteral("маннь"), body(QStringLiteral("луна"))},
        {6, 3, QStringLiteral("берёза"), body(QStringLiteral("белая берёза"))},
        {7, 3, QStringLiteral("берег"), body(QStringLiteral("крутой берег"))},
        {8, 3, QStringLiteral("ёлка"), body(QStringLiteral("ёлка, ель"))},
        {10, 1, QStringLiteral("а̄ввьл"), body(QStringLiteral("а̄вьл чиннэ"))},
        {11, 1, QStringLiteral("а̄ввьль"), body(QStringLiteral("крюк"))},
        {12, 1, QStringLiteral("ма̄ннэ"), body(QStringLiteral("яйцо"))},
    };
}

std::vector<WordForm> forms()
{
    return {
        {QStringLiteral("шэ̄ннтэсь"), QStringLiteral("|1|9|")},
        {QStringLiteral("шэ̄ннтэ"), QStringLiteral("|2|1|")},
        {QStringLiteral("шэ̄ннт"), QStringLiteral("|2|3|1|")},
        {QStringLiteral("маӈӈь"), QStringLiteral("|4|5|")},
        {QStringLiteral("манньэ"), QStringLiteral("|5|")},
        {QStringLiteral("берёза"), QStringLiteral("|6|")},
        {QStringLiteral("берег"), QStringLiteral("|7|")},
        {QStringLiteral("ёлка"), QStringLiteral("|8|")},
        {QStringLiteral("ель"), QStringLiteral("|8|")},
        {QStringLiteral("а̄вьл"), QStringLiteral("|10|11|")},
        {QStringLiteral("а̄ввьль"), QStringLiteral("|11|")},
        {QStringLiteral("маннэ"), QStringLiteral("|5|4|12|")},
    };
}

// The paradigms' exact spellings: а̄вьл is a form of а̄ввьль (а̄ввьл only
// writes it in its text), маннэ of маннь, маӈӈэ of маӈӈь.
FormSpellingRows spellings()
{
    return FormSpellingRows({{QStringLiteral("а̄вьл"), {11}}, {QStringLiteral("маннэ"), {5}}, {QStringLiteral("маӈӈэ"), {4}}});
}

TEST(SpellingSearch, FastSearchListsTheTypedWordFirstAndReadsEAsYo)
{
    // unspelt: the order without the forms' spellings (a data set built
    // without them), where it differs.
    const struct {
        const char *what;
        QString query;
        std::vector<int> ids;
        std::vector<int> unspelt = {};
    } cases[] = {
        {"the headword spelt so, then whole forms, then longer ones", QStringLiteral("шэ̄ннт"), {3, 2, 1, 9}},
        {"spelt without the macron: whole forms by key", QStringLiteral("шэннт"), {3, 2, 1, 9}},
        {"a whole form before a longer one of a smaller key", QStringLiteral("шэннтэ"), {2, 1, 9}},
        {"a special letter finds only itself", QStringLiteral("маӈӈь"), {4}},
        {"the plain spelling first among equal keys", QStringLiteral("маннь"), {5, 4}},
        {"a form of one headword only", QStringLiteral("манньэ"), {5}},
        {"е finds ё", QStringLiteral("береза"), {6}},
        {"е finds е and ё, е first", QStringLiteral("бере"), {7, 6}},
        {"е finds ё at the start", QStringLiteral("елка"), {8}},
        {"ё finds only ё", QStringLiteral("берёг"), {}},
        {"ё finds ё", QStringLiteral("берё"), {6}},
        {"е and ё in two words", QStringLiteral("ел ёл"), {8}},
        {"a form of one paradigm before the same key in another text", QStringLiteral("а̄вьл"), {11, 10}, {10, 11}},
        {"spelt without the macron: no paradigm holds it so", QStringLiteral("авьл"), {10, 11}},
        {"a paradigm's form before a smaller key", QStringLiteral("маннэ"), {5, 4, 12}, {4, 5, 12}},
    };
    SearchTables tables(articles(), forms());
    FormSpellingRows spelt = spellings();
    FastWordSearch search(tables.articles, tables.wordForms, &spelt);
    FastWordSearch unspelt(tables.articles, tables.wordForms);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(idsOf(search.run(c.query, DictionaryScope::all())), c.ids);
        EXPECT_EQ(idsOf(unspelt.run(c.query, DictionaryScope::all())), c.unspelt.empty() ? c.ids : c.unspelt);
    }
}

TEST(SpellingSearch, FragmentSearchReadsEAsYo)
{
    const struct {
        const char *query;
        std::vector<int> ids; // in the word list's order
    } cases[] = {
        {"берез", {6}}, {"ая берё", {6}}, {"ая берез", {6}}, {"берег", {7}}, {"берёг", {}},
        {"елка", {8}},  {"ёль", {}},      {"ель", {8}},       {"е", {7, 6, 8}}, {"ее", {}},
    };
    SearchTables tables(articles(), forms());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(idsOf(FragmentSearch::run(tables.articles, QString::fromUtf8(c.query), DictionaryScope::all())), c.ids);
    }
}

// A macron or a special letter in the query matches only itself as the text
// writes it (composed or not); a plain letter every variant. The setting off
// gives the folded result.
TEST(SpellingSearch, PreciseLettersAndTheSettingOff)
{
    SearchTables tables({{1, 1, QStringLiteral("аа"), body(QStringLiteral("мы э̄дтэ"))},
                         {2, 1, QStringLiteral("бб"), body(QStringLiteral("эдтэ"))},
                         {3, 1, QStringLiteral("вв"), body(QStringLiteral("ӭдт"))},
                         {4, 1, QStringLiteral("гг"), body(QStringLiteral("другое"))}},
                        {{QStringLiteral("э̄дтэ"), QStringLiteral("|1|2|")},
                         {QStringLiteral("ӭдт"), QStringLiteral("|3|")},
                         {QStringLiteral("маӈӈест"), QStringLiteral("|4|")}});
    FastWordSearch search(tables.articles, tables.wordForms);
    const QString decomposed = QStringLiteral("э") + Macron + QStringLiteral("дт");
    const struct {
        const char *what;
        QString query;
        std::vector<int> fastExact, fastFolded, fragmentExact, fragmentFolded;
    } cases[] = {
        {"a macron", QStringLiteral("э̄дт"), {1}, {3, 1, 2}, {1}, {1, 2, 3}},
        {"a macron typed apart", decomposed, {1}, {3, 1, 2}, {1}, {1, 2, 3}},
        {"a special letter", QStringLiteral("ӭдт"), {3}, {3, 1, 2}, {3}, {1, 2, 3}},
        {"plain letters find every variant", QStringLiteral("эдт"), {3, 1, 2}, {3, 1, 2}, {1, 2, 3}, {1, 2, 3}},
        {"a form its article's text does not hold", QStringLiteral("маӈӈ"), {4}, {4}, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(idsOf(search.run(c.query, DictionaryScope::all(), true)), c.fastExact);
        EXPECT_EQ(idsOf(search.run(c.query, DictionaryScope::all(), false)), c.fastFolded);
        EXPECT_EQ(idsOf(FragmentSearch::run(tables.articles, c.query, DictionaryScope::all(), nullptr, true)),
                  c.fragmentExact);
        EXPECT_EQ(idsOf(FragmentSearch::run(tables.articles, c.query, DictionaryScope::all(), nullptr, false)),
                  c.fragmentFolded);
    }
}

TEST(SpellingSearch, QueryLengthCountsLettersAsAReaderSeesThem)
{
    const struct {
        QString query;
        int letters;
        QueryCheck check;
    } cases[] = {
        {QStringLiteral("а") + Macron, 1, QueryCheck::TooShort},
        {QStringLiteral("ӣ"), 1, QueryCheck::TooShort},
        {QStringLiteral("и") + Macron + Macron, 1, QueryCheck::TooShort},
        {QStringLiteral("а") + Macron + QStringLiteral("б"), 2, QueryCheck::Ok},        // exactly the minimum
        {QStringLiteral("ӣд"), 2, QueryCheck::Ok},
        {Macron + QStringLiteral("а"), 2, QueryCheck::Ok},                                 // a mark on nothing reads alone
        {QString::fromUcs4(U"\U0001F600", 1), 1, QueryCheck::TooShort},                 // a surrogate pair
        {QString::fromUcs4(U"\U0001F600\U0001F600", 2), 2, QueryCheck::Ok},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.query.toStdString());
        EXPECT_EQ(readerLength(c.query), c.letters);
        EXPECT_EQ(checkQuery(c.query), c.check);
    }
}

} // namespace
