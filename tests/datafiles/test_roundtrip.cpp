// A tiny source set built by the tool's classes and loaded back through the
// program's loader: fields, keys, bodies, indexes, word forms and credits.

#include "datafixtures.h"

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/dataloader.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::testing;

namespace {

const QByteArray kRtfBody = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Tahoma;}}\\f0 \\'e4\\'ee\\'e6\\'e4\\'fc\\par}";

class RoundTrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QDir dir(m_dir.path());
        writeFile(dir.filePath(QStringLiteral("articles.tsv")),
                  "# code\theadword\tcross-reference\tbody\n"
                  "1\tаббьр\t\t<b>аббьр</b> <i>сущ.</i> дождь\n"
                  "1\t\xd3\x92\xcc\x84ввьл\tаббьр\t<div><b>а̄ввьл</b> перекладина</div>\n"
                  "2\tаббьр\t\t" + kRtfBody + "\r\n"
                  "\n"
                  "3\tдождь\t\t<b>дождь</b> аббьр, кто-то\n"
                  "1\tпусто\t\n");
        writeFile(dir.filePath(QStringLiteral("examples.tsv")),
                  "<b>аббьр аббр</b> — дождь идёт\n" + kRtfBody + "\n");
        writeFile(dir.filePath(QStringLiteral("forms.tsv")), "аббьр\tаббра\tN+Sg+Gen\tkert1986\n");
        writeFile(dir.filePath(QStringLiteral("credits.tsv")), "1\tКуруч Р. Д.\tсловарь 1985 года\n");

        mkdata::BuildInput input;
        input.articleFiles = {dir.filePath(QStringLiteral("articles.tsv"))};
        input.exampleFiles = {dir.filePath(QStringLiteral("examples.tsv"))};
        input.formFiles = {dir.filePath(QStringLiteral("forms.tsv"))};
        input.creditFiles = {dir.filePath(QStringLiteral("credits.tsv"))};
        QStringList problems;
        ASSERT_TRUE(buildData(input, dir.filePath(QStringLiteral("DATA")), &problems)) << problems.join(u'\n').toStdString();

        DataFileLoader loader(dir.filePath(QStringLiteral("DATA")));
        ASSERT_TRUE(loader.load(t.articles, t.wordForms, t.examples)) << loader.errorString().toStdString();
        credits = loader.credits();
    }

    // Makes the article with that ID current (through the ID index) and
    // returns to the key index.
    void gotoId(int id)
    {
        t.articles.setActiveIndex(QStringLiteral("cds1i2"));
        ASSERT_TRUE(t.articles.findKey({id})) << id;
        t.articles.setActiveIndex(QStringLiteral("cds1i1"));
    }

    QVariant field(const char *name) { return t.articles.value(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    LoadedTables t;
    DictionaryCredits credits;
};

TEST_F(RoundTrip, FieldsAndKeysInSourceOrder)
{
    EXPECT_EQ(t.articles.rowCount(), 5);
    gotoId(2);
    EXPECT_EQ(field("DICT").toInt(), 1);
    EXPECT_EQ(field("WORD").toString(), QStringLiteral("\u04D2\u0304ввьл"));
    EXPECT_EQ(field("TRANSC").toString(), QStringLiteral("аввьл"));
    EXPECT_EQ(field("GOTO").toString(), QStringLiteral("аббьр"));
    gotoId(4);
    EXPECT_EQ(field("DICT").toInt(), 3);
    EXPECT_EQ(field("TRANSC").toString(), RetTransc(field("WORD").toString()));
    EXPECT_FALSE(field("GOTO").isValid());
    gotoId(5);
    EXPECT_TRUE(t.articles.isNull(t.articles.fieldIndex(u"TRANSL")));
}

TEST_F(RoundTrip, KeyIndexOrdersByKeyThenDictionary)
{
    QStringList order;
    t.articles.first();
    while (true) {
        order.append(QStringLiteral("%1/%2").arg(field("ID").toInt()).arg(field("DICT").toInt()));
        t.articles.next();
        if (t.articles.atEnd())
            break;
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("1/1"), QStringLiteral("3/2"), QStringLiteral("2/1"), QStringLiteral("4/3"),
                                  QStringLiteral("5/1")}));
    ASSERT_TRUE(t.articles.findKey({QStringLiteral("АББЬР")}));
    EXPECT_EQ(field("ID").toInt(), 1);
}

TEST_F(RoundTrip, HtmlBodyKeepsItsFormatting)
{
    gotoId(1);
    const int body = t.articles.fieldIndex(u"TRANSL");
    QTextDocument doc;
    EXPECT_EQ(decodeBody(t.articles.blob(body), false, &doc), BodyKind::RichText);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("аббьр сущ. дождь"));
    QTextCursor cursor(&doc);
    cursor.setPosition(2);
    EXPECT_TRUE(cursor.charFormat().font().bold());
    cursor.setPosition(8);
    EXPECT_TRUE(cursor.charFormat().font().italic());
    EXPECT_FALSE(cursor.charFormat().font().bold());
    cursor.setPosition(14);
    EXPECT_FALSE(cursor.charFormat().font().italic());
}

TEST_F(RoundTrip, RtfBodyIsStoredAsGiven)
{
    gotoId(3);
    QByteArray inflated;
    ASSERT_TRUE(inflateBody(t.articles.blob(t.articles.fieldIndex(u"TRANSL")), &inflated));
    EXPECT_EQ(inflated, kRtfBody);
}

TEST_F(RoundTrip, WordFormIndex)
{
    const QRegularExpression arridFormat(QStringLiteral("^[1-9][0-9]*(\\|[1-9][0-9]*)*$"));
    t.wordForms.first();
    for (int i = 0; i < t.wordForms.recordCount(); ++i) {
        const QString arrid = t.wordForms.value(u"ARRID").toString();
        ASSERT_TRUE(arridFormat.match(arrid).hasMatch()) << arrid.toStdString();
        int previous = 0;
        for (const QString &id : arrid.split(u'|')) {
            EXPECT_LT(previous, id.toInt()) << arrid.toStdString();
            previous = id.toInt();
        }
        t.wordForms.next();
    }
    // Headwords, words of HTML and RTF texts, compounds and their parts.
    EXPECT_EQ(arridOf(t.wordForms, QStringLiteral("дождь")), QStringLiteral("1|3|4"));
    EXPECT_EQ(arridOf(t.wordForms, QStringLiteral("аввьл")), QStringLiteral("2"));
    EXPECT_EQ(arridOf(t.wordForms, QStringLiteral("пусто")), QStringLiteral("5"));
    EXPECT_EQ(arridOf(t.wordForms, QStringLiteral("кто-то")), QStringLiteral("4"));
    EXPECT_EQ(arridOf(t.wordForms, QStringLiteral("то")), QStringLiteral("4"));
    // The inflected form leads to every article holding its headword.
    EXPECT_EQ(arridOf(t.wordForms, QStringLiteral("аббра")), QStringLiteral("1|3|4"));
    // No key for punctuation or the grammar mark's dot.
    EXPECT_TRUE(arridOf(t.wordForms, QStringLiteral("сущ.")).isNull());
}

TEST_F(RoundTrip, ExamplesAndCredits)
{
    ASSERT_EQ(t.examples.recordCount(), 2);
    t.examples.setRecordNumber(1);
    const int phrase = t.examples.fieldIndex(u"PHRASE");
    EXPECT_EQ(bodyPlainText(t.examples.blob(phrase), false), QStringLiteral("аббьр аббр — дождь идёт"));
    t.examples.setRecordNumber(2);
    EXPECT_EQ(bodyPlainText(t.examples.blob(phrase), false).trimmed(), QStringLiteral("дождь"));

    EXPECT_EQ(credits.person(1), QStringLiteral("Куруч Р. Д."));
    EXPECT_EQ(credits.source(1), QStringLiteral("словарь 1985 года"));
    EXPECT_TRUE(credits.person(4).isEmpty());
}

TEST_F(RoundTrip, RebuildReplacesTheFilesWhole)
{
    const QDir dir(m_dir.path());
    const QString data = dir.filePath(QStringLiteral("DATA"));
    writeFile(dir.filePath(QStringLiteral("more.tsv")), "9\tПогода\t\t<b>Погода</b>\n");
    mkdata::BuildInput input;
    input.articleFiles = {dir.filePath(QStringLiteral("more.tsv"))};
    QStringList problems;
    ASSERT_TRUE(buildData(input, data, &problems)) << problems.join(u'\n').toStdString();
    EXPECT_EQ(QDir(data).entryList(QDir::Files), (QStringList{QStringLiteral("lumolex.db"), QStringLiteral("lumophra.db"),
                                                            QStringLiteral("lumoword.db")}));
    LoadedTables reloaded;
    DataFileLoader loader(data);
    ASSERT_TRUE(loader.load(reloaded.articles, reloaded.wordForms, reloaded.examples));
    EXPECT_EQ(reloaded.articles.rowCount(), 1);
    EXPECT_EQ(reloaded.examples.rowCount(), 0);
    EXPECT_TRUE(loader.credits().isEmpty());
}

} // namespace
