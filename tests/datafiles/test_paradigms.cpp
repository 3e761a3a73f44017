// The forms dictionary: the labels of the generated paradigms' tags, the
// grammar-book layout of a lemma's forms, the RTF article with its tables
// as the program's reader shows them, and the conversion of a whole file
// with its summary.

#include "articlelayout.h"
#include "paradigmarticle.h"
#include "paradigmdictionary.h"
#include "paradigmtable.h"
#include "paradigmtags.h"

#include "rtf/rtfreader.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::mkdata;

namespace {

QVector<ParadigmForm> formsOf(std::initializer_list<std::pair<const char *, const char *>> rows)
{
    QVector<ParadigmForm> forms;
    for (const auto &[tags, form] : rows)
        forms.append(ParadigmForm{QString::fromUtf8(tags), QString::fromUtf8(form)});
    return forms;
}

KildinParadigmForm row(const char *headword, const char *tags, const char *form, bool isDefault = false)
{
    return KildinParadigmForm{SourceLocation{QStringLiteral("p.tsv"), 2}, QString::fromUtf8(headword),
                              QString::fromUtf8(tags), QString::fromUtf8(form), isDefault};
}

const QVector<ParadigmForm> kNoun = formsOf({
    {"N+Sg+Nom", "аббьр"}, {"N+Sg+Gen", "аббьр"}, {"N+Pl+Gen", "аббьрэ"}, {"N+Pl+Gen", "аббьрэтҍ"},
    {"N+Sg+Ill", "аббьре"}, {"N+Pl+Nom", "аббьр"}, {"N+Ess", "аббьрэнҍ"},
});

const QVector<ParadigmForm> kVerb = formsOf({
    {"V+Ind+Prs+Sg1", "аббра"}, {"V+Ind+Prs+Sg2", "аббрак"}, {"V+Ind+Prs+Sg2", "аббрах"}, {"V+Ind+Prs+Pl3", "аббрэв"},
    {"V+Imprt+Sg", "аббр"}, {"V+Cond+Cond+Sg3", "аббраһч"}, {"V+Inf", "аббрэ"}, {"V+Ind+Prs+ConNeg", "аббр"},
    {"V+Ger", "аббрмэнҍ"},
});

} // namespace

TEST(ParadigmTags, EveryPartLabelledOrListed)
{
    const struct {
        const char *tag;
        const char *partOfSpeech;
        const char *grammar;     // every other part, in the table's order
        const char *unknown;
    } cases[] = {
        // parts of speech and their subtypes
        {"N+Sg+Gen", "сущ.", "род. ед. ч.", ""},
        {"Prop+N+Pl+Ill", "сущ. собств.", "дат.-напр. (Ill) мн. ч.", ""},
        {"Pron+Pers+Pl1+Pl+Nom", "мест. личн.", "им. мн. ч. 1 л. мн. ч.", ""},
        {"Num+Card+Sg+Com", "числ. колич.", "совм. (Com) ед. ч.", ""},
        // moods, tenses, non-finite forms
        {"V+Ind+Prt+Sg2", "глаг.", "2 л. ед. ч. изъяв. прош.", ""},
        {"V+Imprt+Pl", "глаг.", "мн. ч. повел.", ""},
        {"V+PrfPrc+Attr", "глаг.", "прич. прош. атриб.", ""},
        // the generator's variant spellings and repeats
        {"N+SG+Gen", "сущ.", "род. ед. ч.", ""},
        {"V+INF", "глаг.", "инф.", ""},
        {"V+Conneg+Prs", "глаг.", "наст. отриц. форма", ""},
        {"V+Cond+Cond+Sg1", "глаг.", "1 л. ед. ч. условн.", ""},
        // parts no table row knows
        {"N+Sg+Foo", "сущ.", "ед. ч.", "Foo"},
        {"Xyz", "", "", "Xyz"},
        {"n+sg+gen", "", "", "n,sg,gen"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        const AnalysedTag tag = analyseTag(QString::fromUtf8(c.tag));
        EXPECT_EQ(tag.labelOf({TagKind::PartOfSpeech, TagKind::Subtype}), QString::fromUtf8(c.partOfSpeech));
        EXPECT_EQ(tag.labelOf({TagKind::Case, TagKind::Number, TagKind::PersonNumber, TagKind::Mood, TagKind::Tense,
                               TagKind::Form}),
                  QString::fromUtf8(c.grammar));
        EXPECT_EQ(tag.unknownParts.join(u','), QString::fromUtf8(c.unknown));
        EXPECT_EQ(tag.isLabelled(), QByteArray(c.unknown).isEmpty());
    }
}

TEST(ParadigmLayout, TablesAsAGrammarBook)
{
    const struct {
        const char *what;
        QVector<ParadigmForm> forms;
        QVector<QStringList> tables;    // header (if any) and rows, each table ends with "--"
    } cases[] = {
        {"noun: case down, number across; both spellings; essive in the first column",
         kNoun,
         {{"", "ед. ч.", "мн. ч."}, {"им.", "аббьр", "аббьр"}, {"род.", "аббьр", "аббьрэ, аббьрэтҍ"},
          {"дат.-напр. (Ill)", "аббьре", ""}, {"эссив", "аббьрэнҍ", ""}, {"--"}}},
        {"verb: mood and number down, person across; imperative as second person; then the list",
         kVerb,
         {{"", "", "1 л.", "2 л.", "3 л."},
          {"изъяв. наст.", "ед. ч.", "аббра", "аббрак, аббрах", ""},
          {"", "мн. ч.", "", "", "аббрэв"},
          {"повел.", "ед. ч.", "", "аббр", ""},
          {"условн.", "ед. ч.", "", "", "аббраһч"},
          {"--"},
          {"инф.", "аббрэ"}, {"деепр.", "аббрмэнҍ"}, {"изъяв. наст. отриц. форма", "аббр"}, {"--"}}},
        {"numeral: cases without number, no header",
         formsOf({{"Num+Card+Gen", "ӧхт"}, {"Num+Card+Nom", "ӧхт"}}),
         {{"им.", "ӧхт"}, {"род.", "ӧхт"}, {"--"}}},
        {"uninflected word: its one form is the headword, no table",
         formsOf({{"Adv", "аббьр"}}),
         {}},
        {"a form without label but other than the headword, and an unknown tag, are listed",
         formsOf({{"Adv", "другое"}, {"Adv+Foo", "ещё"}}),
         {{"Foo", "ещё"}, {"осн. форма", "другое"}, {"--"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QVector<PartOfSpeechForms> groups = layOutParadigm(QStringLiteral("аббьр"), c.forms);
        ASSERT_EQ(groups.size(), 1);
        QVector<QStringList> seen;
        for (const FormsTable &table : groups.first().tables) {
            if (!table.header.isEmpty())
                seen.append(table.header);
            seen += table.rows;
            seen.append({"--"});
        }
        EXPECT_EQ(seen, c.tables);
    }
}

TEST(ParadigmLayout, PartsOfSpeechOfOneHeadwordInOrder)
{
    const QVector<PartOfSpeechForms> groups =
        layOutParadigm(QStringLiteral("роавв"), formsOf({{"N+Sg+Nom", "роавв"}, {"Adj+Attr", "роавв"}, {"N+Sg+Gen", "роав"}}));
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups.at(0).label, "сущ.");
    EXPECT_EQ(groups.at(1).label, "прил.");
    EXPECT_EQ(groups.at(1).tables.value(0).rows, (QVector<QStringList>{{"атриб.", "роавв"}}));
}

TEST(ParadigmArticle, RtfTablesAsTheReaderShowsThem)
{
    const struct {
        const char *what;
        ParadigmLemma lemma;
        QStringList lines;          // lines of the plain text, in order (not every line)
        bool note;
    } cases[] = {
        {"noun with its own class and two translations",
         ParadigmLemma{"аббьр", false, {"дождь м.", "ливень (сильный)"}, kNoun},
         {"аббьр сущ. 1) дождь м. 2) ливень (сильный)", "\tед. ч.\tмн. ч.", "род.\tаббьр\tаббьрэ, аббьрэтҍ",
          "эссив\tаббьрэнҍ"},
         false},
        {"verb by a default model, without translation",
         ParadigmLemma{"аббрэ", true, {}, kVerb},
         {"аббрэ глаг.", QString::fromUtf8(kDefaultParadigmNote), "\t\t1 л.\t2 л.\t3 л.",
          "изъяв. наст.\tед. ч.\tаббра\tаббрак, аббрах", "\tмн. ч.\t\t\tаббрэв", "инф.\tаббрэ"},
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString rtf = renderParadigmArticle(c.lemma);
        for (const QChar ch : rtf)
            ASSERT_LT(ch.unicode(), 0x7f) << "RTF is 7-bit text";
        QTextDocument document;
        const rtf::ReadResult read = rtf::readDocument(rtf.toLatin1(), &document);
        ASSERT_TRUE(read.isRtf);
        EXPECT_FALSE(read.damaged) << read.warning.toStdString();
        const QStringList lines = document.toPlainText().split(u'\n');
        qsizetype at = 0;
        for (const QString &expected : c.lines) {
            const qsizetype found = lines.indexOf(expected, at);
            EXPECT_GE(found, at) << expected.toStdString() << "\n in:\n" << document.toPlainText().toStdString();
            at = std::max(at, found + 1);
        }
        EXPECT_EQ(document.toPlainText().contains(QString::fromUtf8(kDefaultParadigmNote)), c.note);

        // Each table row has tab stops at its cell borders, growing, so the columns line up.
        int rowsWithStops = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (!block.text().contains(u'\t'))
                continue;
            const QList<QTextOption::Tab> tabs = block.blockFormat().tabPositions();
            EXPECT_GE(tabs.size(), block.text().count(u'\t')) << block.text().toStdString();
            for (qsizetype i = 1; i < tabs.size(); ++i)
                EXPECT_GT(tabs.at(i).position, tabs.at(i - 1).position);
            ++rowsWithStops;
        }
        EXPECT_GE(rowsWithStops, 4);

        // Labels are grammar notes (the word-form index leaves them out); forms, headword and translation are not.
        const QStringList notes = grammarNoteTexts(rtf);
        EXPECT_TRUE(notes.contains(c.lemma.forms.first().tags.startsWith(u'N') ? "род." : "изъяв. наст."));
        EXPECT_EQ(notes.contains(QString::fromUtf8(kDefaultParadigmNote)), c.note);
        for (const QString &note : notes) {
            EXPECT_FALSE(note.contains(c.lemma.headword.left(4))) << note.toStdString();
            EXPECT_FALSE(note.contains(QStringLiteral("дождь"))) << note.toStdString();
        }
    }
}

TEST(ParadigmDictionary, OneArticlePerLemmaWithItsFormsAndSummary)
{
    const QVector<KildinEntry> dictionary1985 = {
        KildinEntry{{}, "аббьр", "сущ.", "дождь м.", ""},
        KildinEntry{{}, "Ёак", "", "не тот регистр", ""},
    };
    const QVector<KildinParadigmForm> rows = {
        row("аббьр", "N+Sg+Nom", "аббьр"),
        row("аббьр", "N+Sg+Gen", "аббьр"),          // the same pair again: one form pair
        row("аббьр", "N+Pl+Gen", "аббьрэтҍ"),
        row("ёак", "Prop+N+Sg+Nom", "ёак", true),
        row("выдзэ", "V", "выдз+V"),                // what the generator left unfinished
        row("выдзэ", "V+Foo", "выдзэ"),
    };
    const ParadigmDictionary dictionary = convertParadigms(rows, dictionary1985);

    ASSERT_EQ(dictionary.articles.size(), 3);
    EXPECT_EQ(dictionary.articles.at(0).headword, "аббьр");
    EXPECT_EQ(dictionary.articles.at(2).headword, "выдзэ");
    auto plainText = [&](int i) { return rtf::plainText(dictionary.articles.at(i).rtf.toLatin1()); };
    EXPECT_TRUE(plainText(0).startsWith("аббьр сущ. дождь м.\n")) << plainText(0).toStdString();
    // The translation goes only to the headword spelt the same.
    EXPECT_FALSE(plainText(1).contains("регистр"));
    EXPECT_TRUE(plainText(1).contains(QString::fromUtf8(kDefaultParadigmNote)));
    EXPECT_FALSE(plainText(2).contains("+V"));
    EXPECT_TRUE(plainText(2).contains("Foo\tвыдзэ")) << plainText(2).toStdString();

    EXPECT_EQ(dictionary.forms, (QVector<std::pair<QString, QString>>{
                                    {"аббьр", "аббьр"}, {"аббьр", "аббьрэтҍ"}, {"ёак", "ёак"}, {"выдзэ", "выдзэ"}}));
    const QString summary = dictionary.summary.join(u'\n');
    EXPECT_TRUE(summary.contains("3 articles (1 with the translation of the 1985 dictionary, 1 by a default model), 4 forms"))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains("1 of 6 tags have no label and are shown as spelt: V+Foo (1 forms)")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("1 forms are no words and are left out: p.tsv:2 (выдзэ V выдз+V)")) << summary.toStdString();
}

TEST(ParadigmDictionary, WordForms)
{
    const struct {
        const char *form;
        bool word;
    } cases[] = {
        {"аббьрэтҍ", true}, {"а̄ввьл", true}, {"кто-то", true}, {"Ёак", true},
        {"выдз+V", false}, {"вуэ^EAABLя", false}, {"аб1", false}, {"-аб", false}, {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isWordForm(QString::fromUtf8(c.form)), c.word) << c.form;
}
