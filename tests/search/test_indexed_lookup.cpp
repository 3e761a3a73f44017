// Look-ups through the data files' look-up indexes give exactly what the
// whole tables give, over the whole sample as the build made it: the same
// article for every ID, the same word list from the first letters of every
// headword, and the same found articles, in the same order, for random
// queries of one to three words in every dictionary scope. Either way an
// inflected form lists its own headword first, by the spellings the
// word-form file keeps; a file without them gives the order of before.

#include "article/transcription.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "data/table/table.h"
#include "data/wordlist/wordlistwalk.h"
#include "search/fastwordsearch.h"
#include "search/indexedlookup.h"
#include "search/preciseletters.h"
#include "search/querytext.h"
#include "search/wordspellings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <random>

using namespace lumolex;

namespace {

const QString kSample = QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR);

Table articleTable()
{
    return Table(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles));
}

class IndexedLookupSample : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        DataFileLoader loader(kSample);
        loaded = loader.readIndexed(DataFile::Articles, articles) && loader.readIndexed(DataFile::WordForms, wordForms);
        error = loader.errorString();
    }

    void SetUp() override
    {
        ASSERT_TRUE(loaded) << error.toStdString();
        ASSERT_TRUE(IndexedLookup(kSample).available({DataFile::Articles, DataFile::WordForms}))
            << "the sample was built without look-up indexes";
    }

    // The whole table's word list, left unfiltered on its key index again.
    static QVector<ListedRecord> wholeList(const QString &from, const QList<int> &dicts, int count)
    {
        articles.setActiveIndex(QString::fromLatin1(kIndexArticleKey));
        const QVector<ListedRecord> records = wordListRecords(articles, from.isEmpty() ? from : RetTransc(from), dicts, count);
        articles.setFiltered(false);
        return records;
    }

    static QVector<ListedRecord> lookedUpList(const QString &from, const QList<int> &dicts, int count)
    {
        Table part = articleTable();
        EXPECT_TRUE(IndexedLookup(kSample).readListArticles(from, dicts, count, part));
        return wordListRecords(part, from.isEmpty() ? from : RetTransc(from), dicts, count);
    }

    static inline Table articles{QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)};
    static inline Table wordForms{QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms)};
    static inline bool loaded = false;
    static inline QString error;
};

const QList<QList<int>> kScopes{{}, {1}, {2, 3}, {4}, {5}};

TEST_F(IndexedLookupSample, EveryArticleIsReadWholeByItsIdAndAMissingIdReadsNothing)
{
    articles.setActiveIndex(QString::fromLatin1(kIndexArticleId));
    const int fields = int(articles.fields().size());
    int checked = 0;
    for (int p = 0; p < articles.recordCount(); p += 3, ++checked) {
        const int id = int(articles.valueAt(p, u"ID").toLongLong());
        Table one = articleTable();
        ASSERT_TRUE(IndexedLookup(kSample).readArticle(id, one));
        ASSERT_EQ(one.recordCount(), 1) << id;
        for (int f = 0; f < fields; ++f) {
            bool wholeNull = false;
            bool oneNull = false;
            EXPECT_EQ(one.valueAt(0, f), articles.valueAt(p, f)) << id << " field " << f;
            EXPECT_EQ(one.blobAt(0, f, &oneNull).toByteArray(), articles.blobAt(p, f, &wholeNull).toByteArray()) << id << " field " << f;
            EXPECT_EQ(oneNull, wholeNull);
        }
    }
    EXPECT_GT(checked, 1000);
    const int last = int(articles.valueAt(articles.recordCount() - 1, u"ID").toLongLong());
    for (const int missing : {0, -1, last + 1}) {
        Table none = articleTable();
        ASSERT_TRUE(IndexedLookup(kSample).readArticle(missing, none));
        EXPECT_EQ(none.recordCount(), 0) << missing;
    }
}

TEST_F(IndexedLookupSample, WordListFromTheFirstLettersOfEveryHeadwordIsTheWholeTablesList)
{
    QSet<QString> starts{QString(), QStringLiteral("яяя"), QStringLiteral("ӿӿ"), QStringLiteral("0"), QStringLiteral("Ё")};
    for (int p = 0; p < articles.recordCount(); ++p) {
        const QString word = articles.valueAt(p, u"WORD").toString();
        starts.insert(word.left(1));
        starts.insert(word.left(2));
    }
    ASSERT_GT(starts.size(), 300);
    int compared = 0;
    for (const QString &from : std::as_const(starts)) {
        // Every start in two scopes and counts; the whole rest of the list for a few.
        const QList<int> &dicts = kScopes.at(compared % kScopes.size());
        for (const int count : {1, 10, 0}) {
            EXPECT_EQ(lookedUpList(from, dicts, count), wholeList(from, dicts, count))
                << from.toStdString() << " count " << count << " scope " << compared % kScopes.size();
        }
        if (compared % 40 == 0) {
            EXPECT_EQ(lookedUpList(from, dicts, -1), wholeList(from, dicts, -1)) << from.toStdString();
        }
        ++compared;
    }
}

TEST_F(IndexedLookupSample, RandomQueriesFindTheSameArticlesInTheSameOrder)
{
    // Words drawn from the headwords, cut to a random length of at least two
    // letters, some with е written for ё and some in capitals.
    QStringList words;
    for (int p = 0; p < articles.recordCount(); ++p) {
        const QString word = articles.valueAt(p, u"WORD").toString();
        if (word.size() >= 2 && !word.contains(u' '))
            words.append(word);
    }
    ASSERT_GT(words.size(), 1000);
    std::mt19937 random(20261209);
    const auto pick = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };
    int found = 0;
    int precise = 0;
    for (int i = 0; i < 500; ++i) {
        QStringList query;
        // Mostly one word: several words seldom share an article, and a
        // comparison of two empty lists shows little.
        const int roll = pick(10);
        for (int w = roll < 7 ? 1 : roll < 9 ? 2 : 3; w > 0; --w) {
            QString word = words.at(pick(int(words.size())));
            word = word.left(2 + pick(int(word.size()) - 1));
            if (pick(4) == 0)
                word.replace(u'ё', u'е');
            if (pick(5) == 0)
                word = word.toUpper();
            query.append(word);
        }
        const QString text = trimQuery(query.join(pick(6) == 0 ? QStringLiteral("  ") : QStringLiteral(" ")));
        if (checkQuery(text) != QueryCheck::Ok)
            continue;
        const QList<int> dicts = kScopes.at(i % kScopes.size());
        const DictionaryScope scope = dicts.isEmpty() ? DictionaryScope::all() : DictionaryScope::ofCodes(dicts);

        WordSpellingFile spellings(kSample);
        for (const bool exactLetters : {true, false}) {
            const QVector<FoundArticle> whole = FastWordSearch(articles, wordForms, &spellings).run(text, scope, exactLetters);
            // Read as lumolex-cli reads them: the spellings through the
            // look-up's own open file, the bodies only for a search that
            // reads the texts.
            IndexedLookup lookup(kSample);
            ASSERT_TRUE(lookup.available({DataFile::Articles, DataFile::WordForms}));
            WordSpellingFile lookedUpSpellings(*lookup.database(DataFile::WordForms));
            Table partArticles = articleTable();
            Table partForms(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
            const bool texts = FastWordSearch::readsArticleTexts(text, exactLetters, &lookedUpSpellings);
            EXPECT_EQ(texts, FastWordSearch::readsArticleTexts(text, exactLetters, &spellings));
            ASSERT_TRUE(lookup.readSearchRows(text, partArticles, partForms,
                                              texts ? DataFileLoader::Bodies::Read : DataFileLoader::Bodies::Skip));
            EXPECT_EQ(FastWordSearch(partArticles, partForms, &lookedUpSpellings).run(text, scope, exactLetters), whole)
                << text.toStdString() << (exactLetters ? "" : " folded");
            if (exactLetters) {
                found += whole.isEmpty() ? 0 : 1;
                precise += PreciseLetters(text).isPrecise() ? 1 : 0;
            }
        }
    }
    EXPECT_GT(found, 200);   // most queries find something: the comparison is not between empty lists
    EXPECT_GT(precise, 20);  // and many check precise letters
}

TEST_F(IndexedLookupSample, AFormListsItsOwnHeadwordFirstAndAFileWithoutSpellingsAsBefore)
{
    // The sample's word-form file without its spelt words, as an older
    // build wrote it.
    QTemporaryDir older;
    ASSERT_TRUE(older.isValid());
    const QString olderForms = dataFilePath(older.path(), DataFile::WordForms);
    ASSERT_TRUE(QFile::copy(dataFilePath(kSample, DataFile::WordForms), olderForms));
    QFile::setPermissions(olderForms, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(QFile::copy(dataFilePath(kSample, DataFile::Articles), dataFilePath(older.path(), DataFile::Articles)));
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(olderForms).constData(), &db), SQLITE_OK);
    const QByteArray drop = QByteArray("DROP TABLE ") + kWordSpellingTable;
    EXPECT_EQ(sqlite3_exec(db, drop.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    // Each form's key is held by the words of another headword's article
    // too, which comes first by key.
    const struct {
        const char *form;
        const char *headword;
        const char *firstWithout;
    } cases[] = {
        {"а̄вьл", "а̄ввьль", "а̄ввьл"},
        {"а̄йта", "а̄ййтэ", "а̄ййт"},
        {"а̄йк", "а̄ййк", "а̄ввтэ"},
        {"азь", "ассь", "асснэ"},
    };
    for (const auto &c : cases) {
        const QString form = QString::fromUtf8(c.form);
        SCOPED_TRACE(c.form);
        WordSpellingFile spellings(kSample);
        const QVector<FoundArticle> whole = FastWordSearch(articles, wordForms, &spellings).run(form, DictionaryScope::all());
        ASSERT_FALSE(whole.isEmpty());
        EXPECT_EQ(whole.first().word, QString::fromUtf8(c.headword));
        Table partArticles = articleTable();
        Table partForms(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
        ASSERT_TRUE(IndexedLookup(kSample).readSearchRows(form, partArticles, partForms));
        EXPECT_EQ(FastWordSearch(partArticles, partForms, &spellings).run(form, DictionaryScope::all()), whole);

        WordSpellingFile none(older.path());
        EXPECT_FALSE(none.knowsTextWords());
        const QVector<FoundArticle> before = FastWordSearch(articles, wordForms, &none).run(form, DictionaryScope::all());
        ASSERT_FALSE(before.isEmpty());
        EXPECT_EQ(before.first().word, QString::fromUtf8(c.firstWithout));

        // Without the spelt words the precise letters are checked in the
        // bodies, which a look-up then reads; with them it reads none.
        EXPECT_EQ(FastWordSearch::readsArticleTexts(form, true, &none), PreciseLetters(form).isPrecise());
        EXPECT_FALSE(FastWordSearch::readsArticleTexts(form, true, &spellings));
        EXPECT_FALSE(FastWordSearch::readsArticleTexts(form, false, &none));
        Table olderArticleRows = articleTable();
        Table olderFormRows(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
        ASSERT_TRUE(
            IndexedLookup(older.path()).readSearchRows(form, olderArticleRows, olderFormRows, DataFileLoader::Bodies::Read));
        EXPECT_EQ(FastWordSearch(olderArticleRows, olderFormRows, &none).run(form, DictionaryScope::all()), before);
    }
}

} // namespace
