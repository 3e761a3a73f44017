// The pieces of the sample conversion: words of a text, the layout of an
// article, the reading of the dictionaries' notes, the split of the 1986
// examples, the phrasebook topics and the synthetic growth for benchmarks.

#include "articlelayout.h"
#include "examplesplitter.h"
#include "kildinconverter.h"
#include "phrasebook.h"
#include "scaler.h"
#include "wordformindex.h"

#include "article/transcription.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::mkdata;

namespace {

KildinEntry entry(const char *headword, const char *pos, const char *translation, const char *notes)
{
    return KildinEntry{SourceLocation{}, QString::fromUtf8(headword), QString::fromUtf8(pos), QString::fromUtf8(translation),
                       QString::fromUtf8(notes)};
}

KildinExample example(const char *headword, const char *saami, const char *russian)
{
    return KildinExample{SourceLocation{}, QString::fromUtf8(headword), QString::fromUtf8(saami), QString::fromUtf8(russian)};
}

const ConvertedArticle *find(const KildinOutput &output, int dict, const QString &word, int nth = 0)
{
    for (const ConvertedArticle &article : output.articles) {
        if (article.dict == dict && article.word == word && nth-- == 0)
            return &article;
    }
    return nullptr;
}

// Each piece is in the HTML, each absent piece is not.
void expectHtml(const QString &html, std::initializer_list<const char *> pieces, std::initializer_list<const char *> absent = {})
{
    for (const char *piece : pieces)
        EXPECT_TRUE(html.contains(QString::fromUtf8(piece))) << piece << "\n in " << html.toStdString();
    for (const char *piece : absent)
        EXPECT_FALSE(html.contains(QString::fromUtf8(piece))) << piece << "\n in " << html.toStdString();
}

TEST(SplitWords, LettersMarksAndCompounds)
{
    EXPECT_EQ(splitWords(u"1) кто-то, а̄ввьл (вар.) don't"),
              (QStringList{"кто", "то", "кто-то", "а̄ввьл", "вар", "don", "t", "don't"}));
    EXPECT_EQ(splitWords(u"-да- \u0304x 42"), (QStringList{"да", "x"}));
    EXPECT_TRUE(splitWords(u"").isEmpty());
}

TEST(ArticleLayoutHtml, RemarksAndEscaping)
{
    EXPECT_EQ(withItalicRemarks(u"(бойкий, шустрый) сӯрвэсь; (о реке (горной)) выррьт-"),
              "<i>(бойкий, шустрый)</i> сӯрвэсь; <i>(о реке (горной))</i> выррьт-");
    EXPECT_EQ(withItalicRemarks(u"a < b (c & d"), "a &lt; b <i>(c &amp; d</i>");

    ArticleLayout layout;
    layout.headword = "<x>";
    layout.homonym = 2;
    layout.examples = {ExamplePair{"фраза", QString()}};
    const QString html = renderArticle(layout);
    EXPECT_TRUE(html.startsWith("<div><b>&lt;x&gt;</b><sup>2</sup></div>")) << html.toStdString();
    EXPECT_TRUE(html.contains(">фраза</div>")) << html.toStdString();
}

TEST(KildinConversion, NotesOfThe1985Dictionary)
{
    KildinSources sources;
    sources.saamiRussian1985 = {
        entry("аббьр", "сущ.", "дождь м.", "кл. II,1; осн. абьр; pos: gtdict"),
        entry("вырнэ", "", "ловить", "омоним 1; кл. III"),
        entry("вырнэ", "", "тереть", "омоним 2; кл. III"),
        entry("бакалл", "", "чага", "пояснение: гриб; растёт на берёзе; кл. I; вар.: бакал, бакаль"),
        entry("кӯсс", "", "гость", "буква восстановлена; ср. нигде; ср. аббьр-2"),
        entry("ла̄гк", "", "закон", "ср. ла̄гк"),
    };
    sources.examples = {example("аббьр", "аббьр аббр", "дождь идёт"), example("вырнэ", "вырнэ кӯль", "ловить рыбу")};
    const KildinOutput output = convertKildin(sources);

    const ConvertedArticle *rain = find(output, 1, "аббьр");
    ASSERT_TRUE(rain);
    EXPECT_TRUE(rain->html.startsWith(
        "<div><b>аббьр</b> <i style=\"color:#5a5a5a\">сущ.; кл. II,1; осн. абьр</i> дождь м.</div>"))
        << rain->html.toStdString();
    expectHtml(rain->html, {"<b>аббьр аббр</b> \u2014 дождь идёт"}, {"gtdict"});
    // Homonyms: numbered; the examples go to the first only.
    expectHtml(find(output, 1, "вырнэ", 0)->html, {"<sup>1</sup>", "вырнэ кӯль"});
    expectHtml(find(output, 1, "вырнэ", 1)->html, {"<sup>2</sup>"}, {"вырнэ кӯль"});
    // An explanation keeps its own semicolons; the labels after it are notes again.
    expectHtml(find(output, 1, "бакалл")->html, {"Пояснение:</i> гриб; растёт на берёзе</div>", ">кл. I</i>",
                                                 "вар.</i> <b>бакал</b>, <b>бакаль</b>"});
    // The cross-reference is the first reference that names an existing
    // other headword; a homonym number is dropped from it.
    const ConvertedArticle *guest = find(output, 1, "кӯсс");
    EXPECT_EQ(guest->gotoWord, "аббьр");
    expectHtml(guest->html, {"ср.</i> нигде"}, {"восстановлена"});
    EXPECT_TRUE(find(output, 1, "ла̄гк")->gotoWord.isEmpty());   // never to itself
    EXPECT_TRUE(rain->gotoWord.isEmpty());

    EXPECT_EQ(output.examples, (QStringList{"<div><b>аббьр аббр</b> \u2014 дождь идёт</div>",
                                            "<div><b>вырнэ кӯль</b> \u2014 ловить рыбу</div>"}));
}

TEST(KildinConversion, The1986DictionariesAndTheirExamples)
{
    KildinSources sources;
    sources.saamiRussian1986 = {entry("а̄бпь", "", "горизонт", "мн. а̄бь; формы: а̄бя, а̄бп; примеры: ва̄ллт па̄ррнэ свобода детям")};
    sources.russianSaami1986 = {entry("близкий", "прил.", "альтэсь; (родной) ро̄дэнҍ", "(-ая, -ое); примеры: близкий путь альтэсь ва̄рр")};
    sources.examples = {example("ва̄ллт", "ва̄ллт", "свобода"), example("па̄ррнэ", "па̄ррнэ", "детям путь")};
    const KildinOutput output = convertKildin(sources);
    expectHtml(find(output, 2, "а̄бпь")->html,
               {"<i style=\"color:#5a5a5a\">мн. а̄бь; формы: а̄бя, а̄бп</i> горизонт", "<b>ва̄ллт па̄ррнэ</b> \u2014 свобода детям"});
    expectHtml(find(output, 3, "близкий")->html,
               {"прил. (-ая, -ое)</i> альтэсь; <i>(родной)</i> ро̄дэнҍ", "<b>близкий путь</b> \u2014 альтэсь ва̄рр"});
}

TEST(ExampleSplit, FindsTheBoundaryOrLeavesTheTextWhole)
{
    ExampleSplitter splitter;
    splitter.addSaamiText(u"пуаз ва̄рр");
    splitter.addRussianText(u"быстроногий олень путь");
    EXPECT_EQ(splitter.languageOf(u"кулл"), 0);           // unknown
    EXPECT_GT(splitter.languageOf(u"ӣӈӈ"), 0);            // Kildin letter
    EXPECT_GT(splitter.languageOf(u"ваййшэсь"), 0);       // э inside the word
    EXPECT_LT(splitter.languageOf(u"олень"), 0);
    EXPECT_LT(splitter.languageOf(u"быстрая"), 0);        // same beginning as a known word
    EXPECT_EQ(splitter.languageOf(u"это"), 0);

    const struct {
        const char *text;
        bool saamiFirst;
        const char *phrase;
        const char *translation;
    } cases[] = {
        {"ваййшэсь пуаз быстроногий олень", true, "ваййшэсь пуаз", "быстроногий олень"},
        {"близкий путь альтэсь ва̄рр", false, "близкий путь", "альтэсь ва̄рр"},
        {"путь кулл ва̄рр", false, "путь кулл", "ва̄рр"},   // an unclaimed word goes with the phrase
        {"пуаз ва̄рр", true, "пуаз ва̄рр", ""},              // no evidence for the second language: kept whole
    };
    for (const auto &c : cases) {
        const ExamplePair pair = splitter.split(QString::fromUtf8(c.text), c.saamiFirst);
        EXPECT_EQ(pair.phrase, c.phrase) << c.text;
        EXPECT_EQ(pair.translation, c.translation) << c.text;
    }
}

TEST(Phrasebook, TopicsGatherShortTranslatedPhrases)
{
    const QVector<KildinExample> examples = {
        example("аббьр", "аббьр аббр", "дождь идёт"),
        example("пуаз", "пуаз ля̄ннч", "олень будет"),
        example("пуаз", "пӯдзэ ля̄ннч", "олени будут в стаде"),
        example("аббьр", "аббьр", ""),   // no translation
        example("аббьр", QString(80, u'а').toUtf8().constData(), "дождь"),
        example("ке̄дт", "ке̄дт", "камень"),
    };
    const QVector<PhrasebookArticle> book = buildPhrasebook(examples);
    ASSERT_EQ(book.size(), 2);
    EXPECT_EQ(book.at(0).title, "Погода");
    EXPECT_EQ(book.at(0).phrases.size(), 1);
    EXPECT_EQ(book.at(1).title, "Оленеводство");
    ASSERT_EQ(book.at(1).phrases.size(), 2);
    EXPECT_EQ(book.at(1).phrases.at(0).phrase, "пуаз ля̄ннч");   // shorter first
    const QString html = renderPhrasebookArticle(book.at(0));
    EXPECT_TRUE(html.startsWith("<div><b>Погода</b></div>"));
}

TEST(Scaling, CopiesHaveTheirOwnHeadwordsAndForms)
{
    BuiltData data;
    for (int id : {1, 2}) {
        ArticleRow row;
        row.id = id;
        row.dict = id;
        row.word = id == 1 ? "Слово" : QString(50, u'ы');
        row.key = RetTransc(row.word);
        row.bodyNull = false;
        row.body = "body";
        row.gotoWord = id == 2 ? "Слово" : QString();
        data.articles.append(row);
        data.wordForms.addArticle(id, row.word, "общий");
    }
    data.wordForms.normalise();
    scaleData(&data, 3);

    ASSERT_EQ(data.articles.size(), 6);
    EXPECT_EQ(copySuffix(1), "ъб");
    const ArticleRow &copy = data.articles.at(2);
    EXPECT_EQ(copy.id, 3);
    EXPECT_EQ(copy.word, "Словоъб");
    EXPECT_EQ(copy.key, "словоъб");
    EXPECT_EQ(copy.body, QByteArray("body"));
    const ArticleRow &longCopy = data.articles.at(5);
    EXPECT_EQ(longCopy.id, 6);
    EXPECT_EQ(longCopy.word.size(), 50);
    EXPECT_TRUE(longCopy.word.endsWith(copySuffix(2)));
    EXPECT_EQ(longCopy.gotoWord, "Словоъв");

    ASSERT_TRUE(data.wordForms.idsOf("общийъбом"));
    EXPECT_EQ(*data.wordForms.idsOf("общийъбом"), (std::vector<int>{3, 4}));
    EXPECT_EQ(*data.wordForms.idsOf("общий"), (std::vector<int>{1, 2}));
    EXPECT_EQ(*data.wordForms.idsOf("словоъва"), (std::vector<int>{5}));
}

} // namespace

namespace {

TEST(WordFormIndexLabels, GrammarLabelsAreNoWordsButHeadwordPiecesAre)
{
    const QString html = QStringLiteral("<div><b>аббьр</b> <i style=\"color:#5a5a5a\">сущ.; кл. II,1 &amp; мн.</i>"
                                        " дождь ж.</div>");
    EXPECT_EQ(mkdata::grammarNoteTexts(html), QStringList{QStringLiteral("сущ.; кл. II,1 & мн.")});
    EXPECT_TRUE(mkdata::grammarNoteTexts(u"<i>сущ.</i>").isEmpty());
    EXPECT_EQ(mkdata::abbreviationsIn(u"сущ.; кл. II,1 о.ч. конец"), (QStringList{"сущ", "кл", "о", "ч"}));

    mkdata::WordFormIndex index;
    index.setLabelKeys({QStringLiteral("сущ"), QStringLiteral("кл"), QStringLiteral("мн"), QStringLiteral("ж")});
    index.addArticle(1, QStringLiteral("аббьр"),
                     QStringLiteral("аббьр сущ.; кл. II,1 & мн. дождь ж. (мн. дожди) кл кл"),
                     mkdata::grammarNoteTexts(html));
    index.addArticle(2, QStringLiteral("элл-ла, элл-ла!"), QString());
    index.normalise();
    const struct {
        const char *key;
        std::vector<int> ids;   // empty: no such key
    } cases[] = {
        {"аббьр", {1}}, {"дождь", {1}}, {"дожди", {1}},
        {"сущ", {}}, {"ii", {}}, {"мн", {}}, {"ж", {}},    // labels in the notes and abbreviated in the text
        {"кл", {1}},                                      // written out twice besides the note's label
        {"элл-ла,", {2}}, {"элл-ла!", {2}}, {"элл-ла", {2}}, {"элл-ла, элл-ла!", {2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        const std::vector<int> *ids = index.idsOf(QString::fromUtf8(c.key));
        EXPECT_EQ(ids ? *ids : std::vector<int>{}, c.ids);
    }
}

} // namespace
