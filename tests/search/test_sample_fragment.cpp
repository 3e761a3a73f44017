// The fragment search reads each body as plain text without building a
// document. Over every article of the sample, that text, converted, must be
// the converted plain text of the document the article view renders.

#include "article/articledocument.h"
#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/files/datafileschema.h"
#include "data/files/dataloader.h"
#include "data/table/table.h"
#include "search/fragmentsearch.h"
#include "search/plaintextcache.h"

#include <QTextDocument>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

// Where two texts first differ, with a little context, for the message.
std::string firstDifference(const QString &a, const QString &b)
{
    qsizetype at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at])
        ++at;
    const auto around = [at](const QString &s) { return s.mid(qMax<qsizetype>(0, at - 20), 40).toStdString(); };
    return "at " + std::to_string(at) + ": [" + around(a) + "] vs [" + around(b) + "]";
}

// The sample's three tables, loaded.
struct SampleTables {
    Table articles{QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)};
    Table wordForms{QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms)};
    Table examples{QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples)};
    QString error;   // empty when loaded

    SampleTables()
    {
        DataFileLoader loader(QStringLiteral(LUMOLEX_SAMPLE_DATA_DIR));
        if (!loader.load(articles, wordForms, examples))
            error = loader.errorString();
    }
};

TEST(SampleFragment, ThePlainTextOfEveryBodyIsTheRenderedDocumentsText)
{
    SampleTables sample;
    ASSERT_TRUE(sample.error.isEmpty()) << sample.error.toStdString();
    Table &articles = sample.articles;
    articles.setFiltered(false);

    const int body = articles.fieldIndex(QString::fromLatin1(field::TRANSL));
    const int id = articles.fieldIndex(QString::fromLatin1(field::ID));
    QTextDocument doc;
    int compared = 0;
    int withText = 0;
    std::vector<std::string> differing;
    for (int number = 1; articles.setRecordNumber(number); ++number) {
        // A damaged body shows a notice in the view; the search reads no text from it.
        const BodyKind kind = UpdateEditor(articles, &doc);
        const QString fromSink = fragmentSearchText(articles.blob(body), articles.isNull(body));
        const QString fromDocument = kind == BodyKind::Damaged ? QString() : RetTransc(doc.toPlainText());
        ++compared;
        withText += fromSink.isEmpty() ? 0 : 1;
        if (fromSink != fromDocument && differing.size() < 10)
            differing.push_back(std::to_string(articles.value(id).toLongLong()) + " "
                                + firstDifference(fromSink, fromDocument));
    }
    EXPECT_EQ(compared, articles.recordCount());
    EXPECT_GT(withText, compared / 2);
    EXPECT_TRUE(differing.empty()) << differing.size() << " differ, first: " << differing.front();
}

TEST(SampleFragment, BlocksReadSideBySideFindWhatAnArticleByArticleScanFinds)
{
    SampleTables sample;
    ASSERT_TRUE(sample.error.isEmpty()) << sample.error.toStdString();
    Table &articles = sample.articles;

    PlainTextCache cache;
    const DictionaryScope all = DictionaryScope::all();
    for (const char *query : {"ла с", "ост", "а в", "ӣ"}) {
        const QString text = QString::fromUtf8(query);
        FragmentSearch oneByOne(articles, text, all, nullptr, 1);
        oneByOne.runToEnd();
        ASSERT_FALSE(oneByOne.results().isEmpty()) << query;
        // Read on the thread pool, then again from the texts kept.
        EXPECT_EQ(FragmentSearch::run(articles, text, all, &cache), oneByOne.results()) << query;
        EXPECT_EQ(FragmentSearch::run(articles, text, all, &cache), oneByOne.results()) << query;
    }
    EXPECT_EQ(cache.count(), articles.recordCount());
}

} // namespace
