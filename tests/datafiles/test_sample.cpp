// The real sample dictionaries as the build made them beside the program:
// their counts, keys, cross-references and bodies, and a word-form index
// that leads from every headword and every inflected form to its articles.

#include "datafixtures.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/table/spelling.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "sourcefile.h"

#include <QDir>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::testing;

namespace {

QSet<int> idsOf(const QString &arrid)
{
    QSet<int> ids;
    for (const QString &id : arrid.split(u'|', Qt::SkipEmptyParts))
        ids.insert(id.toInt());
    return ids;
}

// Data rows of a sample source file (its header line left out).
QVector<mkdata::SourceLine> sourceRows(const char *name)
{
    QVector<mkdata::SourceLine> lines;
    mkdata::ProblemList problems;
    mkdata::readSourceLines(QDir(QStringLiteral(LUMOLEX_SAMPLE_SOURCE_DIR)).filePath(QString::fromLatin1(name)), &lines,
                            &problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.messages().join(u'\n').toStdString();
    if (!lines.isEmpty())
        lines.removeFirst();
    return lines;
}

class Sample : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_tables = new LoadedTables;
        DataFileLoader loader(QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR));
        s_loaded = loader.load(s_tables->articles, s_tables->wordForms, s_tables->examples);
        s_error = loader.errorString();
        s_credits = loader.credits();
    }
    static void TearDownTestSuite() { delete s_tables; }

    void SetUp() override { ASSERT_TRUE(s_loaded) << s_error.toStdString(); }

    // Calls f for every article, in key order.
    template<typename F>
    void forEachArticle(F f)
    {
        Table &articles = s_tables->articles;
        for (int i = 0; i < articles.recordCount(); ++i) {
            ASSERT_TRUE(articles.setRecordNumber(i + 1));
            f(articles);
        }
    }

    static inline LoadedTables *s_tables = nullptr;
    static inline bool s_loaded = false;
    static inline QString s_error;
    static inline DictionaryCredits s_credits;
};

TEST_F(Sample, ChecksPassAndEveryDictionaryIsCredited)
{
    EXPECT_TRUE(checkDataFiles(QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR)).isEmpty());
    EXPECT_EQ(s_credits.person(1), "Куруч Р. Д.");
    EXPECT_EQ(s_credits.person(2), "Керт Г. М.");
    EXPECT_EQ(s_credits.person(3), s_credits.person(2));
    EXPECT_FALSE(s_credits.person(9).isEmpty());
    EXPECT_FALSE(s_credits.contains(4));
}

// Every source line is an article; every article's key is the key of its
// headword, the word-form index leads from the key to it, its body is an
// intact document starting with the headword, and its cross-reference names
// a headword of its own dictionary. Every example is an intact document.
TEST_F(Sample, EveryArticle)
{
    Table &articles = s_tables->articles;
    QVector<std::pair<QString, int>> links;
    QMap<int, int> perDict;
    int damaged = 0;
    forEachArticle([&](Table &a) {
        ++perDict[a.value(u"DICT").toInt()];
        const QString word = a.value(u"WORD").toString();
        SCOPED_TRACE(word.toStdString());
        const QString key = a.value(u"TRANSC").toString();
        EXPECT_EQ(key, RetTransc(word));
        EXPECT_TRUE(idsOf(arridOf(s_tables->wordForms, key)).contains(a.value(u"ID").toInt()));
        BodyKind kind = BodyKind::Null;
        const QString text = bodyPlainText(a.blob(u"TRANSL"), a.isNull(a.fieldIndex(u"TRANSL")), &kind);
        damaged += kind != BodyKind::RichText;
        EXPECT_TRUE(kind != BodyKind::RichText || text.startsWith(word)) << text.left(60).toStdString();
        if (!a.isNull(a.fieldIndex(u"GOTO")))
            links.append({a.value(u"GOTO").toString(), a.value(u"DICT").toInt()});
    });
    EXPECT_EQ(perDict.value(1), sourceRows("sjd_rus.tsv").size());
    EXPECT_EQ(perDict.value(2), sourceRows("sjd_rus_kert1986.tsv").size());
    EXPECT_EQ(perDict.value(3), sourceRows("rus_sjd.tsv").size());
    EXPECT_GE(perDict.value(9), 8);
    EXPECT_EQ(perDict.keys(), (QList<int>{1, 2, 3, 9}));
    EXPECT_EQ(damaged, 0);
    EXPECT_GT(links.size(), 10);
    for (const auto &[target, dict] : links)
        EXPECT_TRUE(articles.findKey({RetTransc(target), dict})) << target.toStdString();

    Table &examples = s_tables->examples;
    EXPECT_EQ(examples.recordCount(), sourceRows("examples.tsv").size());
    int withDash = 0;
    for (int i = 1; i <= examples.recordCount(); ++i) {
        examples.setRecordNumber(i);
        BodyKind kind = BodyKind::Null;
        withDash += bodyPlainText(examples.blob(u"PHRASE"), false, &kind).contains(" — ") ? 1 : 0;
        EXPECT_EQ(kind, BodyKind::RichText) << i;
    }
    EXPECT_GT(withDash, examples.recordCount() - 10);
}

TEST_F(Sample, EveryFormLeadsToTheArticlesOfItsHeadword)
{
    QHash<QString, QSet<int>> articlesByKey;
    QHash<QString, QSet<int>> articlesBySpelling;
    forEachArticle([&](Table &a) {
        articlesByKey[a.value(u"TRANSC").toString()].insert(a.value(u"ID").toInt());
        articlesBySpelling[SpellingCollation::typedForm(a.value(u"WORD").toString())].insert(a.value(u"ID").toInt());
    });

    Table &forms = s_tables->wordForms;
    int withArticles = 0;
    QSet<QString> headwordsWithout;
    for (const mkdata::SourceLine &row : sourceRows("forms.tsv")) {
        const QString headword = row.fields.value(0).normalized(QString::NormalizationForm_C);
        const QString form = row.fields.value(1).normalized(QString::NormalizationForm_C);
        const QString headwordIds = arridOf(forms, RetTransc(headword));
        if (headwordIds.isNull()) {
            headwordsWithout.insert(headword);
            continue;
        }
        ++withArticles;
        const QString formIds = arridOf(forms, RetTransc(form));
        ASSERT_FALSE(formIds.isNull()) << form.toStdString() << " of " << headword.toStdString();
        // At least the articles of the headword spelt exactly so, or, when
        // none is, those of its key; the headword may also occur in other
        // articles' texts, which the form then leads to as well.
        const QSet<int> exact = articlesBySpelling.value(SpellingCollation::typedForm(headword));
        EXPECT_TRUE(idsOf(formIds).contains(exact.isEmpty() ? articlesByKey.value(RetTransc(headword)) : exact))
            << form.toStdString();
    }
    // Forms of headwords that no article holds (names, words only the
    // morphology knows) lead nowhere and are left out; they are few.
    EXPECT_GT(withArticles, 4000);
    EXPECT_LT(headwordsWithout.size(), 300);
    EXPECT_FALSE(headwordsWithout.contains("аббьр"));
}

TEST_F(Sample, ArticleLayout)
{
    Table &articles = s_tables->articles;
    ASSERT_TRUE(articles.findKey({"аббьр", 1}));
    QTextDocument doc;
    ASSERT_EQ(decodeBody(articles.blob(articles.fieldIndex(u"TRANSL")), false, &doc), BodyKind::RichText);
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.startsWith("аббьр сущ.; кл. II,1; осн. абьр дождь м.")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nаббьр аббр — дождь идёт\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("gtdict"));

    QTextCursor cursor(&doc);
    cursor.setPosition(1);
    EXPECT_TRUE(cursor.charFormat().font().bold());          // headword
    cursor.setPosition(8);
    EXPECT_TRUE(cursor.charFormat().font().italic());        // grammar
    cursor.setPosition(int(text.indexOf("дождь м.")) + 2);
    EXPECT_FALSE(cursor.charFormat().font().italic());       // translation
    EXPECT_FALSE(cursor.charFormat().font().bold());

    // The phrasebook's topics are Russian headwords with phrases under them.
    ASSERT_TRUE(articles.findKey({"погода", 9}));
    const QString weather = bodyPlainText(articles.blob(articles.fieldIndex(u"TRANSL")), false);
    EXPECT_TRUE(weather.startsWith("Погода\n"));
    EXPECT_GE(weather.count(" — "), 10);
}

} // namespace
