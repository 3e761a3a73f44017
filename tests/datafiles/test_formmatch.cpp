// Inflected forms find the articles of their lemma by its exact spelling
// first, and through its transcription key only when no headword is spelt so;
// each form's exact spelling keeps the articles it was added under, where its
// key also names other paradigms' forms.
#include "wordformindex.h"

#include "article/transcription.h"
#include "data/table/spelling.h"

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

const QString Macron = QStringLiteral("\u0304");

TEST(FormMatch, ExactHeadwordFirstFoldedOnlyWithout)
{
    mkdata::WordFormIndex index;
    index.addArticle(1, QStringLiteral("маннь"), QStringLiteral("луна"));
    index.addArticle(2, QStringLiteral("маӈӈь"), QStringLiteral("зять"));
    index.addArticle(3, QStringLiteral("луна"), QStringLiteral("маннь"));                // holds маннь in its text
    index.addArticle(4, QStringLiteral("нӣзнэ"), QStringLiteral("женщина"));
    index.addArticle(5, QStringLiteral("ма̄нн"), QStringLiteral("яйцо"));
    index.addArticle(6, QStringLiteral("Ујјтэ"), QStringLiteral("уйти"));
    index.addArticle(7, QStringLiteral("а̄ввьл"), QStringLiteral("а̄вьл чиннэ"));
    index.addArticle(8, QStringLiteral("а̄ввьль"), QStringLiteral("крюк"));
    const struct {
        const char *what;
        QString lemma;
        QString form;
        mkdata::FormMatch match;
        std::vector<int> ids;   // the articles the form's key leads to
        std::vector<int> spelt; // the articles under the form's exact spelling: its headword's
    } cases[] = {
        {"exact headword, also held in a text", "маннь", "манньэ", mkdata::FormMatch::Exact, {1, 3}, {1}},
        {"exact headword with a special letter", "маӈӈь", "маӈӈест", mkdata::FormMatch::Exact, {2}, {2}},
        {"a form whose key another article's word shares", "а̄ввьль", "а̄вьл", mkdata::FormMatch::Exact, {7, 8}, {8}},
        {"macron typed apart matches the composed headword", QStringLiteral("ни") + Macron + "знэ", "нӣзнэсь",
         mkdata::FormMatch::Exact, {4}, {4}},
        {"macron without a composed letter", QStringLiteral("ма") + Macron + "нн", "ма̄ннэ", mkdata::FormMatch::Exact, {5}, {5}},
        {"capitals aside", "ујјтэ", "Ујјтэм", mkdata::FormMatch::Exact, {6}, {6}},
        {"no headword spelt so: every holder of the key", "манӈь", "манӈьэсь", mkdata::FormMatch::Folded, {1, 2, 3},
         {1, 2}},
        {"no article holds the lemma", "пуррь", "пуррьэ", mkdata::FormMatch::None, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(index.addForm(c.lemma, c.form), c.match);
    }
    index.normalise();
    QHash<QString, QString> spellings;
    for (const mkdata::SpellingRow &row : index.spellingRows())
        spellings.insert(row.spelling, row.formIds);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<int> *ids = index.idsOf(RetTransc(c.form));
        EXPECT_EQ(ids ? *ids : std::vector<int>{}, c.ids);
        QStringList spelt;
        for (const int id : c.spelt)
            spelt.append(QString::number(id));
        EXPECT_EQ(spellings.value(SpellingCollation::typedForm(c.form)), spelt.join(u'|'));
    }
}

// The words of the texts are kept as PreciseLetters reads them: as written,
// composed, split at every character that is no letter, digit or mark.
TEST(FormMatch, TextWordsAsWritten)
{
    mkdata::WordFormIndex index;
    index.addTextWords(1, QStringLiteral("Маӈӈь"), QStringLiteral("и") + Macron + QStringLiteral("д ма-нн, 2ӈа"));
    index.addTextWords(2, QStringLiteral("ма"), QStringLiteral("а") + Macron + QStringLiteral("д. Маӈӈь"));
    index.normalise();
    QHash<QString, QString> textIds;
    for (const mkdata::SpellingRow &row : index.spellingRows())
        textIds.insert(row.spelling, row.textIds);
    const QHash<QString, QString> expected{
        {QStringLiteral("Маӈӈь"), QStringLiteral("1|2")}, {QStringLiteral("ӣд"), QStringLiteral("1")},
        {QStringLiteral("ма"), QStringLiteral("1|2")},     {QStringLiteral("нн"), QStringLiteral("1")},
        {QStringLiteral("2ӈа"), QStringLiteral("1")},      {QStringLiteral("а") + Macron + QStringLiteral("д"), QStringLiteral("2")},
    };
    EXPECT_EQ(textIds, expected);
}

} // namespace
