// The rules of a dictionary choice on plain control states, and the filter
// operations on a real article table.

#include "appfixture.h"

#include "data/files/dataloader.h"
#include "data/wordlist/dictionaryselection.h"
#include "data/table/table.h"

#include <gtest/gtest.h>

namespace lumolex {
namespace {

// Slots: 0 = code 1, 1 = code 2, 2 = code 4, 3 = code 3, 4 = code 9.
constexpr int kDict1 = 0, kDict2 = 1, kDict4 = 2, kDict3 = 3, kRazg1 = 4;

using Flags = std::array<bool, kDictionaryCount>;

Flags only(std::initializer_list<int> picked)
{
    Flags flags{};
    for (int slot : picked)
        flags[slot] = true;
    return flags;
}

DictionaryControlStates both(std::initializer_list<int> picked)
{
    return {only(picked), only(picked)};
}

TEST(DictionaryChoice, ClicksOnButtonsAndMenuItems)
{
    using enum DictSenderKind;
    using enum PanelCaptions;
    const struct { const char *what; DictionaryControlStates before; DictSenderKind kind; int slot;
                   DictionaryControlStates after; PanelCaptions captions; } cases[] = {
        {"releasing one of two Saami dictionaries leaves the other", both({kDict1, kDict2}), Button, kDict1,
         both({kDict2}), Dictionary},
        {"releasing the last Saami dictionary selects dictionary 1", both({kDict2}), Button, kDict2,
         both({kDict1}), Dictionary},
        {"... also through the menu", both({kDict4}), MenuItem, kDict4, both({kDict1}), Dictionary},
        {"Russian-Saami stands alone", both({kDict1, kDict4}), Button, kDict3, both({kDict3}), Dictionary},
        {"a Saami dictionary drops Russian-Saami", both({kDict3}), Button, kDict2, both({kDict2}), Dictionary},
        {"the phrasebook stands alone", both({kDict1, kDict2}), Button, kRazg1, both({kRazg1}), Phrasebook},
        {"and back to a dictionary", both({kRazg1}), Button, kDict4, both({kDict4}), Dictionary},
        {"the phrasebook item", both({kDict1}), MenuItem, kRazg1, both({kRazg1}), Phrasebook},
        {"the phrasebook item twice keeps the phrasebook", both({kRazg1}), MenuItem, kRazg1, both({kRazg1}),
         Phrasebook},
        // FindWord moved the buttons to dictionary 3 alone; the menu still shows 1 and 2.
        {"a menu item starts from the menu marks", {only({kDict3}), only({kDict1, kDict2})}, MenuItem, kDict4,
         both({kDict1, kDict2, kDict4}), Dictionary},
        {"a button starts from the buttons", {only({kDict3}), only({kDict1, kDict2})}, Button, kDict4,
         both({kDict4}), Dictionary},
        {"other senders change nothing", {only({kDict3}), only({kDict1})}, Other, -1,
         {only({kDict3}), only({kDict1})}, Unchanged},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DictionaryControlStates states = c.before;
        if (c.kind != Other) { // a click toggles its own control first
            auto &own = c.kind == Button ? states.buttons : states.menuItems;
            own[c.slot] = !own[c.slot];
        }
        EXPECT_EQ(applyDictionaryChoice(states, c.kind, c.slot), c.captions);
        EXPECT_EQ(states, c.after);
    }
}

TEST(DictionaryChoice, GroupsFollowTagRanges)
{
    EXPECT_EQ(dictGroupOfTag(81), DictGroup::SaamiRussian);
    EXPECT_EQ(dictGroupOfTag(89), DictGroup::SaamiRussian);
    EXPECT_EQ(dictGroupOfTag(91), DictGroup::RussianSaami);
    EXPECT_EQ(dictGroupOfTag(109), DictGroup::Phrasebook);
    EXPECT_EQ(dictGroupOfTag(90), DictGroup::None);
    EXPECT_EQ(dictGroupOfTag(0), DictGroup::None);
}

TEST(DictionaryChoice, FilterNamesCodesInCodeOrderAndMenuIcons)
{
    EXPECT_EQ(dictionaryFilterText(only({kRazg1, kDict4, kDict3, kDict2, kDict1})),
              QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=2) OR (DICT=3) OR (DICT=4) OR (DICT=9)"));
    EXPECT_EQ(dictionaryFilterText(Flags{}), QStringLiteral("(DICT=0)"));
    EXPECT_EQ(dictionaryMenuIcon(kDict1, true), 30);
    EXPECT_EQ(dictionaryMenuIcon(kDict2, true), 31);
    EXPECT_EQ(dictionaryMenuIcon(kDict3, true), 32);
    EXPECT_EQ(dictionaryMenuIcon(kDict4, true), 33);
    EXPECT_EQ(dictionaryMenuIcon(kDict4, false), 17);
    EXPECT_EQ(dictionaryMenuIcon(kRazg1, true), 49);
    EXPECT_EQ(dictionaryMenuIcon(kRazg1, false), 50);
}

TEST(DictionaryChoice, FindWordButtons)
{
    Flags buttons = only({kDict1, kDict2});
    selectButtonsForArticle(buttons, 3);
    EXPECT_EQ(buttons, only({kDict3}));
    selectButtonsForArticle(buttons, 4);
    EXPECT_EQ(buttons, only({kDict4}));
    selectButtonsForArticle(buttons, 1);
    EXPECT_EQ(buttons, only({kDict1, kDict4}));
    selectButtonsForArticle(buttons, 9);
    EXPECT_EQ(buttons, only({kRazg1}));
    selectButtonsForArticle(buttons, 0);
    EXPECT_EQ(buttons, only({kRazg1}));
}

// The filter operations on an article table loaded like the program does.
class FilterOnTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QObject::connect(table.get(), &Table::recordChanged, [this] { ++notifications; });
    }
    void filter(Flags buttons) { SetFilterDict(*table, true, dictionaryFilterText(buttons)); }

    std::unique_ptr<Table> table = test::articleTable(test::sampleArticles());
    int notifications = 0;
};

TEST_F(FilterOnTable, KeepsTheCurrentArticleWhenStillShownElseStartsAtTheTop)
{
    // Dictionary 4's "дом" is the third of three equal keys.
    const struct { Flags before; QString key; int id; Flags after; int idAfter; } cases[] = {
        {only({kDict1}), QStringLiteral("дом"), 1, only({kDict1, kDict2}), 1},
        {only({kDict4}), QStringLiteral("дом"), 3, only({kDict1, kDict2, kDict4}), 3},
        {only({kDict1}), QStringLiteral("кот"), 4, only({kRazg1}), 11}, // hidden: "Знакомство", the first
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        filter(c.before);
        ASSERT_TRUE(table->findKey({c.key}));
        ASSERT_EQ(test::currentId(*table), c.id);
        notifications = 0;
        filter(c.after);
        EXPECT_EQ(test::currentId(*table), c.idAfter);
        EXPECT_EQ(notifications, 1);
    }
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_EQ(test::viewWords(*table),
              (QStringList{QStringLiteral("Знакомство"), QStringLiteral("общее"), QStringLiteral("Приветствие")}));
}

TEST_F(FilterOnTable, OffShowsTheWholeTableFromItsFirstRecord)
{
    filter(only({kDict3}));
    SetFilterDict(*table, false, QString());
    EXPECT_FALSE(table->isFiltered());
    EXPECT_EQ(table->recordCount(), int(test::sampleArticles().size()));
    EXPECT_EQ(table->recordNumber(), 1);
}

TEST_F(FilterOnTable, FindByIdSelectsTheArticlesDictionary)
{
    Flags buttons = only({kDict1, kDict2});
    filter(buttons);
    notifications = 0;
    EXPECT_TRUE(findArticleById(*table, 8, buttons));
    EXPECT_EQ(buttons, only({kDict3}));
    EXPECT_EQ(test::currentId(*table), 8);
    EXPECT_EQ(table->filterText(), QStringLiteral("(DICT=0) OR (DICT=3)"));
    EXPECT_EQ(table->activeIndex(), QString::fromLatin1(kIndexArticleKey));
    EXPECT_EQ(notifications, 1);

    buttons = only({kDict1});
    filter(buttons);
    EXPECT_TRUE(findArticleById(*table, 15, buttons));
    EXPECT_EQ(buttons, only({kDict1, kDict4}));
    EXPECT_EQ(test::currentId(*table), 15);

    // An unknown ID keeps the selection and the article.
    ASSERT_TRUE(table->findKey({QStringLiteral("кот")}));
    EXPECT_FALSE(findArticleById(*table, 999, buttons));
    EXPECT_EQ(buttons, only({kDict1, kDict4}));
    EXPECT_EQ(test::currentId(*table), 4);
}

TEST_F(FilterOnTable, EmptyViewRemembersNothing)
{
    auto empty = test::articleTable({});
    SetFilterDict(*empty, true, dictionaryFilterText(only({kDict1})));
    EXPECT_TRUE(EmptyTable(*empty));
    Flags buttons = only({kDict1});
    EXPECT_FALSE(findArticleById(*empty, 1, buttons));
    EXPECT_TRUE(EmptyTable(*empty));
}

} // namespace
} // namespace lumolex
