// Links, steps back and forward through the record change, and the bookmark.
#include "windowfixture.h"

#include "article/view/bookmark.h"
#include "article/view/linkfollower.h"

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// Dictionary 1 and dictionary 3 share no keys except "мир".
std::vector<ArticleRow> rows()
{
    return {{1, 1, QStringLiteral("ӓкка"), rtfBody(QStringLiteral("старуха"))},
            {2, 1, QStringLiteral("вуэййм"), rtfBody(QStringLiteral("сердце")), QStringLiteral("Ӓкка")},
            {3, 1, QStringLiteral("кӣллт"), rtfBody(QStringLiteral("язык")), QStringLiteral("сердце")},
            {4, 1, QStringLiteral("мир"), rtfBody(QStringLiteral("мир 1"))},
            {5, 1, QStringLiteral("нёххч"), rtfBody(QStringLiteral("ссылка")), QStringLiteral("Мир")},
            {6, 3, QStringLiteral("мир"), rtfBody(QStringLiteral("мир 3"))},
            {7, 3, QStringLiteral("сердце"), rtfBody(QStringLiteral("вуэййм"))},
            {8, 3, QStringLiteral("язык"), rtfBody(QStringLiteral("кӣллт")), QStringLiteral("мир")}};
}

class NavigationTest : public testing::Test
{
protected:
    NavigationTest()
    {
        links = std::make_unique<LinkFollower>(w.articles.get(), &w.boxes,
                                               [this](const QString &text) { sharedSearchText = text; });
    }

    QList<qint32> stepSlots() const
    {
        QList<qint32> ids;
        for (int n = 1; w.steps->steps().slot(n) != 0; ++n)
            ids << w.steps->steps().slot(n);
        return ids;
    }

    ArticleWindow w{articleTable(rows(), {1})};
    std::unique_ptr<LinkFollower> links;
    QString sharedSearchText;
};

} // namespace

TEST_F(NavigationTest, FreshStartHasBothStepCommandsDisabled)
{
    EXPECT_FALSE(w.stepBack->isEnabled());
    EXPECT_FALSE(w.menuBack.isEnabled());
    EXPECT_FALSE(w.stepForward->isEnabled());
    EXPECT_FALSE(w.menuForward.isEnabled());
    w.articles->first();
    EXPECT_EQ(w.steps->steps().currentStep(), 1);
    EXPECT_FALSE(w.stepBack->isEnabled());
    w.articles->next();
    EXPECT_TRUE(w.stepBack->isEnabled());
    EXPECT_TRUE(w.menuBack.isEnabled());
}

TEST_F(NavigationTest, BackTwiceThenAnotherArticleKeepsTheLaterSlot)
{
    gotoId(*w.articles, 1);
    gotoId(*w.articles, 2);
    gotoId(*w.articles, 3);
    w.steps->SpeedButtonBackClick();
    EXPECT_EQ(currentId(*w.articles), 2);
    w.steps->SpeedButtonBackClick();
    EXPECT_EQ(currentId(*w.articles), 1);
    EXPECT_FALSE(w.stepBack->isEnabled());
    EXPECT_TRUE(w.stepForward->isEnabled());
    EXPECT_EQ(stepSlots(), (QList<qint32>{1, 2, 3}));   // the jumps recorded nothing

    gotoId(*w.articles, 4);
    EXPECT_EQ(stepSlots(), (QList<qint32>{1, 4, 3}));
    EXPECT_EQ(w.steps->steps().currentStep(), 2);
    EXPECT_TRUE(w.stepForward->isEnabled());
    EXPECT_TRUE(w.menuForward.isEnabled());

    w.steps->SpeedButtonForwardClick();
    EXPECT_EQ(currentId(*w.articles), 3);
    EXPECT_EQ(w.wordBox->currentText(), QStringLiteral("кӣллт"));
    EXPECT_FALSE(w.stepForward->isEnabled());
    EXPECT_EQ(stepSlots(), (QList<qint32>{1, 4, 3}));
    EXPECT_TRUE(w.steps->isRecording());
}

TEST_F(NavigationTest, StepIntoAnotherDictionarySelectsIt)
{
    gotoId(*w.articles, 2);
    findWordInTable(*w.articles, 7);            // a search result in dictionary 3
    EXPECT_EQ(stepSlots(), (QList<qint32>{2, 7}));
    w.steps->SpeedButtonBackClick();
    EXPECT_EQ(currentId(*w.articles), 2);
    EXPECT_EQ(w.articles->filterText(), QStringLiteral("(DICT=0) OR (DICT=1)"));
}

TEST_F(NavigationTest, LinkInTheSameDictionaryMovesAndRecordsAStep)
{
    gotoId(*w.articles, 2);
    EXPECT_TRUE(links->ToolButtonLinkClick());
    EXPECT_EQ(currentId(*w.articles), 1);                    // "Ӓкка" -> key "акка"
    EXPECT_EQ(sharedSearchText, QStringLiteral("вуэййм"));
    EXPECT_EQ(w.article(), QStringLiteral("старуха"));
    EXPECT_EQ(stepSlots(), (QList<qint32>{2, 1}));
    EXPECT_TRUE(w.boxes.errors.isEmpty());
}

TEST_F(NavigationTest, LinkPicksTheTargetOfTheCurrentDictionary)
{
    findWordInTable(*w.articles, 5);
    w.articles->setFilterText(QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=3)"));
    ASSERT_EQ(currentId(*w.articles), 5);
    EXPECT_TRUE(links->ToolButtonLinkClick());
    EXPECT_EQ(currentId(*w.articles), 4);                     // "мир" of dictionary 1, not 3

    findWordInTable(*w.articles, 8);
    w.articles->setFilterText(QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=3)"));
    EXPECT_TRUE(links->ToolButtonLinkClick());
    EXPECT_EQ(currentId(*w.articles), 6);
}

TEST_F(NavigationTest, LinkWhoseTargetIsOnlyInAnotherDictionaryReportsIt)
{
    w.articles->setFilterText(QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=3)"));
    gotoId(*w.articles, 3);
    const QList<qint32> before = stepSlots();
    EXPECT_FALSE(links->ToolButtonLinkClick());
    EXPECT_EQ(currentId(*w.articles), 3);
    EXPECT_EQ(w.boxes.errors, QStringList{QStringLiteral("Идти на ссылку|Не найдено слово в текущем словаре!")});
    EXPECT_EQ(stepSlots(), before);
}

TEST_F(NavigationTest, NoLinkReportsItAndLeavesTheSearchTextAlone)
{
    gotoId(*w.articles, 1);
    sharedSearchText = QStringLiteral("before");
    EXPECT_FALSE(links->ToolButtonLinkClick());
    EXPECT_EQ(w.boxes.errors, QStringList{QStringLiteral("Идти на ссылку|Нет ссылки на слово!")});
    EXPECT_EQ(sharedSearchText, QStringLiteral("before"));
    EXPECT_EQ(currentId(*w.articles), 1);
}

TEST_F(NavigationTest, LinkOnAnEmptyViewIsNoLink)
{
    w.articles->setFilterText(QStringLiteral("(DICT=0) OR (DICT=7)"));
    EXPECT_FALSE(links->ToolButtonLinkClick());
    EXPECT_EQ(w.boxes.errors, QStringList{QStringLiteral("Идти на ссылку|Нет ссылки на слово!")});
}

class BookmarkTest : public NavigationTest
{
protected:
    BookmarkTest()
        : bookmark(w.articles.get(), [this](qint32 id) { findWordInTable(*w.articles, id); }, w.steps)
    {
        button.setCheckable(true);
        bookmark.setControls(&button, &menuItem);
        QObject::connect(&button, &QToolButton::clicked, &bookmark, &Bookmark::SpeedButtonBookmarkClick);
        QObject::connect(&menuItem, &QAction::triggered, &bookmark, &Bookmark::MainMenuBookmarkClick);
    }

    QToolButton button;
    QAction menuItem;
    Bookmark bookmark;
};

TEST_F(BookmarkTest, StartsUpWithNothingRemembered)
{
    EXPECT_FALSE(button.isChecked());
    EXPECT_FALSE(menuItem.isChecked());
    EXPECT_TRUE(menuItem.isCheckable());
    EXPECT_EQ(bookmark.remembered(), 0);
    w.articles->first();
    EXPECT_EQ(bookmark.bookMarkSetting(), 0);
}

TEST_F(BookmarkTest, ReturnsToTheBookmarkAcrossDictionariesAsAStep)
{
    gotoId(*w.articles, 3);
    button.click();
    EXPECT_TRUE(button.isChecked());
    EXPECT_TRUE(menuItem.isChecked());
    EXPECT_EQ(bookmark.remembered(), 3);

    findWordInTable(*w.articles, 7);                  // now in dictionary 3 only
    ASSERT_EQ(w.articles->filterText(), QStringLiteral("(DICT=0) OR (DICT=3)"));
    EXPECT_EQ(bookmark.bookMarkSetting(), 7);          // the article current at shutdown

    button.click();
    EXPECT_FALSE(button.isChecked());
    EXPECT_FALSE(menuItem.isChecked());
    EXPECT_EQ(currentId(*w.articles), 3);
    EXPECT_EQ(w.articles->filterText(), QStringLiteral("(DICT=0) OR (DICT=1)"));
    EXPECT_EQ(stepSlots(), (QList<qint32>{3, 7, 3}));
    EXPECT_EQ(bookmark.bookMarkSetting(), 0);
}

TEST_F(BookmarkTest, MenuItemDrivesTheButtonAndTheSameAction)
{
    gotoId(*w.articles, 2);
    menuItem.trigger();
    EXPECT_TRUE(menuItem.isChecked());
    EXPECT_TRUE(button.isChecked());
    EXPECT_EQ(bookmark.remembered(), 2);

    gotoId(*w.articles, 4);
    menuItem.trigger();
    EXPECT_FALSE(button.isChecked());
    EXPECT_EQ(currentId(*w.articles), 2);
}

TEST_F(BookmarkTest, ReturnRecordsAStepEvenAfterStepping)
{
    gotoId(*w.articles, 1);
    button.click();
    gotoId(*w.articles, 2);
    w.steps->setRecording(false);                      // as if left off by a failed jump
    button.click();
    EXPECT_TRUE(w.steps->isRecording());
    EXPECT_EQ(w.steps->steps().currentId(), 1);
    EXPECT_EQ(w.steps->steps().currentStep(), 3);
}

TEST_F(BookmarkTest, PressedOnAnEmptyViewRemembersNothingAndReleaseGoesNowhere)
{
    w.articles->setFilterText(QStringLiteral("(DICT=0) OR (DICT=7)"));
    button.click();
    EXPECT_EQ(bookmark.remembered(), 0);
    EXPECT_EQ(bookmark.bookMarkSetting(), 0);
    button.click();
    EXPECT_TRUE(EmptyTable(*w.articles));
    EXPECT_FALSE(button.isChecked());
}
