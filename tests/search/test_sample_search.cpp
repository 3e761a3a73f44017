// The fast word search over the whole sample as the build made it: every
// headword of the dictionaries 1, 2 and 3 finds its own article, and precise
// letters leave out the same articles whether the words kept in the data set
// or the articles' texts are read.

#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "data/table/table.h"
#include "search/fastwordsearch.h"
#include "search/preciseletters.h"
#include "search/querytext.h"
#include "search/wordspellings.h"

#include <gtest/gtest.h>

#include <random>

using namespace lumolex;

namespace {

// The found articles' IDs, sorted: the order is not the question here.
std::vector<int> idsOfFound(const QVector<FoundArticle> &found)
{
    std::vector<int> ids;
    for (const FoundArticle &f : found)
        ids.push_back(f.id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

// The sample, loaded once for the whole suite.
class SampleSearch : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        DataFileLoader loader(QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR));
        loaded = loader.load(articles, wordForms, examples);
        error = loader.errorString();
    }

    static inline Table articles{QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)};
    static inline Table wordForms{QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms)};
    static inline Table examples{QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples)};
    static inline bool loaded = false;
    static inline QString error;
};

TEST_F(SampleSearch, EveryHeadwordFindsItsOwnArticle)
{
    ASSERT_TRUE(loaded) << error.toStdString();

    struct Headword {
        int id;
        QString query;
    };
    std::vector<Headword> headwords;
    int tooShort = 0;
    for (int p = 0; p < articles.recordCount(); ++p) {
        const int dict = articles.valueAt(p, u"DICT").toInt();
        if (dict < 1 || dict > 3)
            continue;
        const QString query = trimQuery(articles.valueAt(p, u"WORD").toString());
        if (checkQuery(query) != QueryCheck::Ok) {
            ++tooShort;   // the panel does not search a single letter
            continue;
        }
        headwords.push_back({int(articles.valueAt(p, u"ID").toLongLong()), query});
    }
    ASSERT_GT(headwords.size(), 1000u);
    EXPECT_LT(tooShort, 20);   // the single letters of the alphabet

    FastWordSearch search(articles, wordForms);
    QStringList missed;
    for (const Headword &h : headwords) {
        const QVector<FoundArticle> found = search.run(h.query, DictionaryScope::all());
        const bool listed = std::any_of(found.begin(), found.end(), [&](const FoundArticle &f) { return f.id == h.id; });
        if (!listed)
            missed << QStringLiteral("%1 %2").arg(h.id).arg(h.query);
    }
    EXPECT_TRUE(missed.isEmpty()) << missed.size() << " of " << headwords.size() << " headwords not found, first: "
                                  << missed.mid(0, 20).join(u", ").toStdString();
}

TEST_F(SampleSearch, RussianWordsFindTheirSaamiArticlesAndGrammarLabelsFindNothing)
{
    ASSERT_TRUE(loaded) << error.toStdString();

    const QVector<FoundArticle> rain =
        FastWordSearch(articles, wordForms).run(QStringLiteral("дождь"), DictionaryScope::ofCodes({1}));
    EXPECT_TRUE(std::any_of(rain.begin(), rain.end(), [](const FoundArticle &f) {
        return f.dict == 1 && f.word == QStringLiteral("аббьр");
    }));
    // The labels of the grammar notes are no word forms (as whole keys).
    // ("мн" stays once: one source writes it without its full stop.)
    for (const char *label : {"кл", "сущ", "глаг", "осн", "прил", "iii", "iv"})
        EXPECT_FALSE(wordForms.findKey({QString::fromUtf8(label)})) << label;
}

TEST_F(SampleSearch, PreciseLettersLeaveOutTheSameArticlesByTheKeptWordsAsByTheTexts)
{
    ASSERT_TRUE(loaded) << error.toStdString();
    // Queries cut from the headwords that hold a macron or a special letter,
    // at random lengths of at least two letters, some of two words; the
    // precise ones among them.
    QStringList words;
    for (int p = 0; p < articles.recordCount(); ++p) {
        const QString word = articles.valueAt(p, u"WORD").toString();
        if (PreciseLetters(word).isPrecise() && !word.contains(u' '))
            words.append(word);
    }
    ASSERT_GT(words.size(), 500);
    std::mt19937 random(20261210);
    const auto pick = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };
    WordSpellingFile kept(QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR));
    ASSERT_TRUE(kept.knowsTextWords());
    int precise = 0;
    int narrowed = 0;
    for (int i = 0; i < 600; ++i) {
        QStringList query;
        for (int w = pick(5) == 0 ? 2 : 1; w > 0; --w) {
            const QString word = words.at(pick(int(words.size())));
            query.append(word.left(2 + pick(int(word.size()) - 1)));
        }
        const QString text = trimQuery(query.join(u' '));
        if (checkQuery(text) != QueryCheck::Ok || !PreciseLetters(text).isPrecise())
            continue;
        ++precise;
        const QVector<FoundArticle> byTexts = FastWordSearch(articles, wordForms).run(text, DictionaryScope::all());
        const QVector<FoundArticle> byWords = FastWordSearch(articles, wordForms, &kept).run(text, DictionaryScope::all());
        EXPECT_EQ(idsOfFound(byWords), idsOfFound(byTexts)) << text.toStdString();
        const QVector<FoundArticle> folded = FastWordSearch(articles, wordForms).run(text, DictionaryScope::all(), false);
        narrowed += folded.size() > byTexts.size() ? 1 : 0;
    }
    EXPECT_GT(precise, 400);
    EXPECT_GT(narrowed, 50); // the precise letters do leave articles out
}

} // namespace
