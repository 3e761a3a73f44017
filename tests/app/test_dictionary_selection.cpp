// The rules of a dictionary choice on plain control states, and the filter
// operations on a real article table.

#include "appfixture.h"

#include "article/transcription.h"
#include "data/dataloader.h"
#include "data/datafileschema.h"
#include "data/dictionaryselection.h"
#include "data/table.h"

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

// Clicks a button or menu item: its own state toggles first, as a click does.
PanelCaptions click(DictionaryControlStates &states, DictSenderKind kind, int slot)
{
    auto &own = kind == DictSenderKind::Button ? states.buttons : states.menuItems;
    own[slot] = !own[slot];
    return applyDictionaryChoice(states, kind, slot);
}

TEST(DictionaryChoice, ReleasingOneOfTwoSaamiDictionariesLeavesTheOther)
{
    auto states = both({kDict1, kDict2});
    EXPECT_EQ(click(states, DictSenderKind::Button, kDict1), PanelCaptions::Dictionary);
    EXPECT_EQ(states, both({kDict2}));
    EXPECT_EQ(dictionaryFilterText(states.buttons), QStringLiteral("(DICT=0) OR (DICT=2)"));
}

TEST(DictionaryChoice, ReleasingTheLastSaamiDictionarySelectsDictionaryOne)
{
    auto states = both({kDict2});
    click(states, DictSenderKind::Button, kDict2);
    EXPECT_EQ(states, both({kDict1}));

    states = both({kDict4});
    click(states, DictSenderKind::MenuItem, kDict4);
    EXPECT_EQ(states, both({kDict1}));
}

TEST(DictionaryChoice, RussianSaamiStandsAlone)
{
    auto states = both({kDict1, kDict4});
    EXPECT_EQ(click(states, DictSenderKind::Button, kDict3), PanelCaptions::Dictionary);
    EXPECT_EQ(states, both({kDict3}));
    EXPECT_EQ(dictionaryFilterText(states.buttons), QStringLiteral("(DICT=0) OR (DICT=3)"));

    // Adding a Saami dictionary to it drops it again.
    click(states, DictSenderKind::Button, kDict2);
    EXPECT_EQ(states, both({kDict2}));
}

TEST(DictionaryChoice, PhrasebookCaptionsAndBack)
{
    auto states = both({kDict1, kDict2});
    EXPECT_EQ(click(states, DictSenderKind::Button, kRazg1), PanelCaptions::Phrasebook);
    EXPECT_EQ(states, both({kRazg1}));
    EXPECT_EQ(click(states, DictSenderKind::Button, kDict4), PanelCaptions::Dictionary);
    EXPECT_EQ(states, both({kDict4}));
}

TEST(DictionaryChoice, ChoosingThePhrasebookItemTwiceKeepsThePhrasebook)
{
    auto states = both({kDict1});
    click(states, DictSenderKind::MenuItem, kRazg1);
    EXPECT_EQ(states, both({kRazg1}));
    EXPECT_EQ(click(states, DictSenderKind::MenuItem, kRazg1), PanelCaptions::Phrasebook);
    EXPECT_EQ(states, both({kRazg1}));
}

TEST(DictionaryChoice, MenuItemStartsFromTheMenuMarksAfterFindWord)
{
    // FindWord moved the buttons to dictionary 3 alone; the menu still shows 1 and 2.
    DictionaryControlStates states{only({kDict3}), only({kDict1, kDict2})};
    click(states, DictSenderKind::MenuItem, kDict4);
    EXPECT_EQ(states, both({kDict1, kDict2, kDict4}));

    // Through a button, the buttons are the starting point.
    states = {only({kDict3}), only({kDict1, kDict2})};
    click(states, DictSenderKind::Button, kDict4);
    EXPECT_EQ(states, both({kDict4}));
}

TEST(DictionaryChoice, OtherSendersChangeNothing)
{
    DictionaryControlStates states{only({kDict3}), only({kDict1})};
    const DictionaryControlStates before = states;
    EXPECT_EQ(applyDictionaryChoice(states, DictSenderKind::Other, -1), PanelCaptions::Unchanged);
    EXPECT_EQ(states, before);
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
        table = std::make_unique<Table>(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles));
        for (const auto &a : test::sampleArticles())
            table->appendRow({a.id, a.dict, a.word, QVariant(), RetTransc(a.word), QVariant()});
        Table words(QStringLiteral("w"), fieldDefs(DataFile::WordForms));
        DataFileLoader::buildIndexes(*table, words);
        connect();
    }
    void connect()
    {
        QObject::connect(table.get(), &Table::recordChanged, [this] { ++notifications; });
    }

    std::unique_ptr<Table> table;
    int notifications = 0;
};

TEST_F(FilterOnTable, KeepsTheCurrentArticleWhenStillShown)
{
    SetFilterDict(*table, true, dictionaryFilterText(only({kDict1})));
    ASSERT_TRUE(table->findKey({QStringLiteral("дом")}));
    EXPECT_EQ(test::currentId(*table), 1);

    notifications = 0;
    SetFilterDict(*table, true, dictionaryFilterText(only({kDict1, kDict2})));
    EXPECT_EQ(test::currentId(*table), 1);
    EXPECT_EQ(notifications, 1);
}

TEST_F(FilterOnTable, FindsTheSameArticleAmongEqualKeys)
{
    // Dictionary 4's "дом" is the third of three equal keys.
    SetFilterDict(*table, true, dictionaryFilterText(only({kDict4})));
    ASSERT_TRUE(table->findKey({QStringLiteral("дом")}));
    ASSERT_EQ(test::currentId(*table), 3);
    SetFilterDict(*table, true, dictionaryFilterText(only({kDict1, kDict2, kDict4})));
    EXPECT_EQ(test::currentId(*table), 3);
}

TEST_F(FilterOnTable, StartsAtTheTopWhenTheArticleIsHidden)
{
    SetFilterDict(*table, true, dictionaryFilterText(only({kDict1})));
    ASSERT_TRUE(table->findKey({QStringLiteral("кот")}));
    SetFilterDict(*table, true, dictionaryFilterText(only({kRazg1})));
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_EQ(test::viewWords(*table),
              (QStringList{QStringLiteral("Знакомство"), QStringLiteral("общее"), QStringLiteral("Приветствие")}));
}

TEST_F(FilterOnTable, OffShowsTheWholeTableFromItsFirstRecord)
{
    SetFilterDict(*table, true, dictionaryFilterText(only({kDict3})));
    SetFilterDict(*table, false, QString());
    EXPECT_FALSE(table->isFiltered());
    EXPECT_EQ(table->recordCount(), int(test::sampleArticles().size()));
    EXPECT_EQ(table->recordNumber(), 1);
}

TEST_F(FilterOnTable, FindByIdSelectsTheArticlesDictionary)
{
    Flags buttons = only({kDict1, kDict2});
    SetFilterDict(*table, true, dictionaryFilterText(buttons));
    notifications = 0;
    EXPECT_TRUE(findArticleById(*table, 8, buttons));
    EXPECT_EQ(buttons, only({kDict3}));
    EXPECT_EQ(test::currentId(*table), 8);
    EXPECT_EQ(table->filterText(), QStringLiteral("(DICT=0) OR (DICT=3)"));
    EXPECT_EQ(table->activeIndex(), QString::fromLatin1(kIndexArticleKey));
    EXPECT_EQ(notifications, 1);

    buttons = only({kDict1});
    SetFilterDict(*table, true, dictionaryFilterText(buttons));
    EXPECT_TRUE(findArticleById(*table, 15, buttons));
    EXPECT_EQ(buttons, only({kDict1, kDict4}));
    EXPECT_EQ(test::currentId(*table), 15);
}

TEST_F(FilterOnTable, FindByUnknownIdKeepsSelectionAndArticle)
{
    Flags buttons = only({kDict1});
    SetFilterDict(*table, true, dictionaryFilterText(buttons));
    ASSERT_TRUE(table->findKey({QStringLiteral("кот")}));
    EXPECT_FALSE(findArticleById(*table, 999, buttons));
    EXPECT_EQ(buttons, only({kDict1}));
    EXPECT_EQ(test::currentId(*table), 4);
}

TEST_F(FilterOnTable, EmptyViewRemembersNothing)
{
    auto empty = std::make_unique<Table>(QStringLiteral("e"), fieldDefs(DataFile::Articles));
    Table words(QStringLiteral("w"), fieldDefs(DataFile::WordForms));
    DataFileLoader::buildIndexes(*empty, words);
    SetFilterDict(*empty, true, dictionaryFilterText(only({kDict1})));
    EXPECT_TRUE(EmptyTable(*empty));
    Flags buttons = only({kDict1});
    EXPECT_FALSE(findArticleById(*empty, 1, buttons));
    EXPECT_TRUE(EmptyTable(*empty));
}

} // namespace
} // namespace lumolex
