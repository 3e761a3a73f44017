// Inflected forms find the articles of their lemma by its exact spelling
// first, and through its transcription key only when no headword is spelt so.
#include "wordformindex.h"

#include "article/transcription.h"

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
    const struct {
        const char *what;
        QString lemma;
        QString form;
        mkdata::FormMatch match;
        std::vector<int> ids; // the articles the form leads to
    } cases[] = {
        {"exact headword, also held in a text", "маннь", "манньэ", mkdata::FormMatch::Exact, {1, 3}},
        {"exact headword with a special letter", "маӈӈь", "маӈӈест", mkdata::FormMatch::Exact, {2}},
        {"macron typed apart matches the composed headword", QStringLiteral("ни") + Macron + "знэ", "нӣзнэсь",
         mkdata::FormMatch::Exact, {4}},
        {"macron without a composed letter", QStringLiteral("ма") + Macron + "нн", "ма̄ннэ", mkdata::FormMatch::Exact, {5}},
        {"capitals aside", "ујјтэ", "ујјтэм", mkdata::FormMatch::Exact, {6}},
        {"no headword spelt so: every holder of the key", "манӈь", "манӈьэсь", mkdata::FormMatch::Folded, {1, 2, 3}},
        {"no article holds the lemma", "пуррь", "пуррьэ", mkdata::FormMatch::None, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(index.addForm(c.lemma, c.form), c.match);
    }
    index.normalise();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<int> *ids = index.idsOf(RetTransc(c.form));
        EXPECT_EQ(ids ? *ids : std::vector<int>{}, c.ids);
    }
}

} // namespace
