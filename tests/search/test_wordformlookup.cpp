// The word box's look-up of an inflected form: whole forms only, the
// articles the list shows only, in the fast search's order, and the cursor
// of the article table left where the user put it.

#include "searchfixture.h"

#include "search/wordformlookup.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

SearchTables formTables()
{
    return SearchTables(
        {
            {12, 1, QStringLiteral("пуаз")},
            {9, 1, QStringLiteral("пуаз")},    // the same key: ID 12 before 9, as text
            {30, 2, QStringLiteral("олень")},
            {41, 3, QStringLiteral("пӯрт")},
            {50, 1, QStringLiteral("пӯрт")},   // a form of it names no article of this view below
        },
        {
            {QStringLiteral("пуазэ"), QStringLiteral("9|12|30")},
            {QStringLiteral("пӯрта"), QStringLiteral("41|50|77")},   // 77: no such article
            {QStringLiteral("пӯртам"), QStringLiteral("50")},
        });
}

TEST(WordFormLookup, NamesTheShownArticlesHoldingTheWholeFormInSearchOrder)
{
    struct Row {
        const char *typed;
        QString filter;                  // the dictionaries the list shows
        std::vector<int> expected;
    };
    const Row rows[] = {
        {"пуазэ", {}, {30, 12, 9}},                           // олень < пуаз; 12 before 9
        {"ПУАЗЭ", {}, {30, 12, 9}},                           // case folds like every key
        {"пуазэ", QStringLiteral("(DICT=0) OR (DICT=1)"), {12, 9}},
        {"пӯрта", {}, {41, 50}},                              // a missing ID is skipped
        {"пурта", {}, {41, 50}},                              // the key folds the macron
        {"пӯрта", QStringLiteral("(DICT=0) OR (DICT=2)"), {}},
        {"пӯрт", {}, {}},                                     // only the beginning of forms
        {"пуаз", {}, {}},                                     // a headword, no form
        {"", {}, {}},
        {" ", {}, {}},
    };
    for (const Row &row : rows) {
        SearchTables tables = formTables();
        if (!row.filter.isEmpty()) {
            tables.articles.setFilterText(row.filter);
            tables.articles.setFiltered(true);
        }
        tables.articles.setRecordNumber(2);
        const int current = tables.articles.currentRow();
        const QString index = tables.articles.activeIndex();
        EXPECT_EQ(idsOf(WordFormLookup::articlesHolding(tables.articles, tables.wordForms, QString::fromUtf8(row.typed))),
                  row.expected)
            << row.typed << " " << row.filter.toStdString();
        EXPECT_EQ(tables.articles.currentRow(), current) << "the look-up moved the cursor";
        EXPECT_EQ(tables.articles.activeIndex(), index);
    }
}

TEST(WordFormLookup, TellsWhetherTheTypeAheadLandedOnAHeadwordBeginningWithTheText)
{
    struct Row {
        const char *typed;
        bool begins;
    };
    const Row rows[] = {
        {"пу", true}, {"пуаз", true}, {"пуазэ", false}, {"пӯ", true}, {"ол", true}, {"ола", false},
        {"яяя", false},   // past every key: the list stands on the last record
        {"а", false},
    };
    for (const Row &row : rows) {
        SearchTables tables = formTables();
        const QString typed = QString::fromUtf8(row.typed);
        tables.articles.findNearest(RetTransc(typed));
        EXPECT_EQ(WordFormLookup::beginsAHeadword(tables.articles, typed), row.begins) << row.typed;
    }
}

} // namespace
