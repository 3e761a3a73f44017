// The real sample dictionaries as the build made them beside the program:
// their counts, keys, cross-references and bodies, and a word-form index
// that leads from every headword and every inflected form to its articles.

#include "datafixtures.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/table/spelling.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "paradigmdictionary.h"
#include "paradigmtags.h"
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
    EXPECT_EQ(s_credits.person(4), "GiellaLT (морфология кильдинского саамского языка)");
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
    EXPECT_EQ(perDict.keys(), (QList<int>{1, 2, 3, 4, 9}));
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

// Dictionary 4 holds one article per lemma of paradigms.tsv; where the 1985
// dictionary has the same headword, the article carries its translation;
// every tag of the file has a label; and every form leads to its lemma's
// article in dictionary 4 and to the 1985 articles of the same headword.
TEST_F(Sample, FormsDictionary)
{
    QHash<QString, int> formsArticle;         // headword -> ID
    QHash<QString, QString> formsText;        // headword -> the article's first line
    QHash<QString, QList<int>> articles1985;  // headword -> IDs
    forEachArticle([&](Table &a) {
        const QString word = a.value(u"WORD").toString();
        const int id = a.value(u"ID").toInt();
        if (a.value(u"DICT").toInt() == 1)
            articles1985[word].append(id);
        if (a.value(u"DICT").toInt() != 4)
            return;
        EXPECT_FALSE(formsArticle.contains(word)) << word.toStdString();
        formsArticle.insert(word, id);
        formsText.insert(word, bodyPlainText(a.blob(u"TRANSL"), false).section(u'\n', 0, 0));
    });
    QHash<QString, QStringList> translations;
    for (const mkdata::SourceLine &row : sourceRows("sjd_rus.tsv"))
        translations[mkdata::cleanText(row.fields.value(0))].append(mkdata::cleanText(row.fields.value(2)));

    QSet<QString> lemmas;
    QSet<QString> unlabelled;
    int forms = 0;
    for (const mkdata::SourceLine &row : sourceRows("paradigms.tsv")) {
        const QString lemma = mkdata::cleanText(row.fields.value(0));
        const QString form = mkdata::cleanText(row.fields.value(2));
        lemmas.insert(lemma);
        if (!mkdata::analyseTag(row.fields.value(1)).isLabelled())
            unlabelled.insert(row.fields.value(1));
        if (!mkdata::isWordForm(form))
            continue;
        ++forms;
        const QSet<int> ids = idsOf(arridOf(s_tables->wordForms, RetTransc(form)));
        ASSERT_TRUE(ids.contains(formsArticle.value(lemma))) << form.toStdString() << " of " << lemma.toStdString();
        for (int id : articles1985.value(lemma))
            ASSERT_TRUE(ids.contains(id)) << form.toStdString() << " of " << lemma.toStdString() << " in dictionary 1";
    }
    EXPECT_GT(forms, 29000);
    EXPECT_TRUE(unlabelled.isEmpty()) << QStringList(unlabelled.values()).join(u' ').toStdString();
    EXPECT_EQ(formsArticle.size(), lemmas.size());
    EXPECT_EQ(QSet<QString>(formsArticle.keyBegin(), formsArticle.keyEnd()), lemmas);

    // The translation of the 1985 dictionary, for the headwords spelt the same.
    int translated = 0;
    int checked = 0;
    for (const QString &lemma : lemmas) {
        const QStringList expected = translations.value(lemma);
        const QString line = formsText.value(lemma);
        SCOPED_TRACE(line.toStdString());
        // A lemma whose forms the generator left unfinished has its headword alone.
        EXPECT_TRUE(line.startsWith(lemma + u' ') || line == lemma);
        translated += !expected.isEmpty();
        if (expected.isEmpty() || (checked >= 10 && expected.size() == 1))
            continue;
        ++checked;
        for (const QString &translation : expected)
            EXPECT_TRUE(line.contains(translation)) << translation.toStdString();
    }
    EXPECT_GE(checked, 10);
    EXPECT_EQ(translated, 689);
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
