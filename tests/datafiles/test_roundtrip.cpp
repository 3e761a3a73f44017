// A tiny source set built by the tool's classes and loaded back through the
// program's loader: fields, keys, bodies, indexes, word forms and credits.

#include "datafixtures.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/files/dataloader.h"

#include <QDir>
#include <QList>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::testing;

namespace {

const QByteArray kRtfBody = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Tahoma;}}\\f0 \\'e4\\'ee\\'e6\\'e4\\'fc\\par}";

class RoundTrip : public FolderTest
{
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        mkdata::BuildInput input;
        input.articleFiles = {file("articles.tsv", "# code\theadword\tcross-reference\tbody\n"
                                                   "1\tаббьр\t\t<b>аббьр</b> <i>сущ.</i> дождь\n"
                                                   "1\t\xd3\x92\xcc\x84ввьл\tаббьр\t<div><b>а̄ввьл</b> перекладина</div>\n"
                                                   "2\tаббьр\t\t" + kRtfBody + "\r\n"
                                                   "\n"
                                                   "3\tдождь\t\t<b>дождь</b> аббьр, кто-то\n"
                                                   "1\tпусто\t\n")};
        input.exampleFiles = {file("examples.tsv", "<b>аббьр аббр</b> — дождь идёт\n" + kRtfBody + "\n")};
        input.formFiles = {file("forms.tsv", "аббьр\tаббра\tN+Sg+Gen\tkert1986\n")};
        input.creditFiles = {file("credits.tsv", "1\tКуруч Р. Д.\tсловарь 1985 года\n")};
        QStringList problems;
        ASSERT_TRUE(buildData(input, dataFolder(), &problems)) << problems.join(u'\n').toStdString();
        DataFileLoader loader(dataFolder());
        ASSERT_TRUE(loader.load(t.articles, t.wordForms, t.examples)) << loader.errorString().toStdString();
        credits = loader.credits();
    }

    // A folder name outside ASCII: the files are written and replaced there too.
    QString dataFolder() const { return path("Словари №1/DATA"); }

    // Makes the article with that ID current (through the ID index) and
    // returns to the key index.
    void gotoId(int id)
    {
        t.articles.setActiveIndex("cds1i2");
        ASSERT_TRUE(t.articles.findKey({id})) << id;
        t.articles.setActiveIndex("cds1i1");
    }

    QVariant field(const char *name) { return t.articles.value(QString::fromLatin1(name)); }

    LoadedTables t;
    DictionaryCredits credits;
};

TEST_F(RoundTrip, FieldsKeysAndOrder)
{
    EXPECT_EQ(t.articles.rowCount(), 5);
    gotoId(2);
    EXPECT_EQ(field("DICT").toInt(), 1);
    EXPECT_EQ(field("WORD").toString(), "\u04D2\u0304ввьл");
    EXPECT_EQ(field("TRANSC").toString(), "аввьл");
    EXPECT_EQ(field("GOTO").toString(), "аббьр");
    gotoId(4);
    EXPECT_EQ(field("DICT").toInt(), 3);
    EXPECT_EQ(field("TRANSC").toString(), RetTransc(field("WORD").toString()));
    EXPECT_FALSE(field("GOTO").isValid());
    gotoId(5);
    EXPECT_TRUE(t.articles.isNull(t.articles.fieldIndex(u"TRANSL")));
    // the key index: by key, then by dictionary
    QList<int> order;
    for (int p = 0; p < t.articles.recordCount(); ++p)
        order << t.articles.valueAt(p, u"ID").toInt();
    EXPECT_EQ(order, (QList<int>{1, 3, 2, 4, 5}));
}

// HTML bodies are stored as RTF (their formatting is checked on the sample),
// RTF bodies as given.
TEST_F(RoundTrip, BodiesExamplesAndCredits)
{
    gotoId(1);
    QTextDocument doc;
    EXPECT_EQ(decodeBody(t.articles.blob(u"TRANSL"), false, &doc), BodyKind::RichText);
    EXPECT_EQ(doc.toPlainText(), "аббьр сущ. дождь");
    gotoId(3);
    QByteArray inflated;
    ASSERT_TRUE(inflateBody(t.articles.blob(u"TRANSL"), &inflated));
    EXPECT_EQ(inflated, kRtfBody);

    ASSERT_EQ(t.examples.recordCount(), 2);
    t.examples.setRecordNumber(1);
    EXPECT_EQ(bodyPlainText(t.examples.blob(u"PHRASE"), false), "аббьр аббр — дождь идёт");
    t.examples.setRecordNumber(2);
    EXPECT_EQ(bodyPlainText(t.examples.blob(u"PHRASE"), false).trimmed(), "дождь");

    EXPECT_EQ(credits.person(1), "Куруч Р. Д.");
    EXPECT_EQ(credits.source(1), "словарь 1985 года");
    EXPECT_TRUE(credits.person(4).isEmpty());
}

TEST_F(RoundTrip, WordFormIndex)
{
    const QRegularExpression arridFormat("^[1-9][0-9]*(\\|[1-9][0-9]*)*$");
    for (int p = 0; p < t.wordForms.recordCount(); ++p) {
        const QString arrid = t.wordForms.valueAt(p, u"ARRID").toString();
        ASSERT_TRUE(arridFormat.match(arrid).hasMatch()) << arrid.toStdString();
        int previous = 0;
        for (const QString &id : arrid.split(u'|')) {
            EXPECT_LT(previous, id.toInt()) << arrid.toStdString();
            previous = id.toInt();
        }
    }
    // Headwords, words of HTML and RTF texts, compounds and their parts; an
    // inflected form leads to every article holding its headword.
    for (const auto &[key, ids] : {std::pair{"дождь", "1|3|4"}, {"аввьл", "2"}, {"пусто", "5"}, {"кто-то", "4"},
                                   {"то", "4"}, {"аббра", "1|3|4"}})
        EXPECT_EQ(arridOf(t.wordForms, key), ids) << key;
    // No key for punctuation or the grammar mark's dot.
    EXPECT_TRUE(arridOf(t.wordForms, "сущ.").isNull());
}

TEST_F(RoundTrip, RebuildReplacesTheFilesWhole)
{
    mkdata::BuildInput input;
    input.articleFiles = {file("more.tsv", "9\tПогода\t\t<b>Погода</b>\n")};
    QStringList problems;
    ASSERT_TRUE(buildData(input, dataFolder(), &problems)) << problems.join(u'\n').toStdString();
    EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Files), (QStringList{"lumolex.db", "lumophra.db", "lumoword.db"}));
    LoadedTables reloaded;
    DataFileLoader loader(dataFolder());
    ASSERT_TRUE(loader.load(reloaded.articles, reloaded.wordForms, reloaded.examples));
    EXPECT_EQ(reloaded.articles.rowCount(), 1);
    EXPECT_EQ(reloaded.examples.rowCount(), 0);
    EXPECT_TRUE(loader.credits().isEmpty());
}

} // namespace
