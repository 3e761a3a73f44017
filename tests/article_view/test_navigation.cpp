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

    ArticleWindow w{articleTable(rows())};
    std::unique_ptr<LinkFollower> links;
    QString sharedSearchText;
};

} // namespace

TEST_F(NavigationTest, BackTwiceThenAnotherArticleKeepsTheLaterSlot)
{
    // A fresh start: both step commands disabled; the first article is step 1.
    for (const bool enabled : {w.stepBack->isEnabled(), w.menuBack.isEnabled(), w.stepForward->isEnabled(),
                               w.menuForward.isEnabled()})
        EXPECT_FALSE(enabled);
    gotoId(*w.articles, 1);
    EXPECT_EQ(w.steps->steps().currentStep(), 1);
    EXPECT_FALSE(w.stepBack->isEnabled());
    gotoId(*w.articles, 2);
    EXPECT_TRUE(w.stepBack->isEnabled());
    EXPECT_TRUE(w.menuBack.isEnabled());

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

TEST_F(NavigationTest, AnArticleReachedByTypingIsRecordedWhenAStepLeavesIt)
{
    enum Leave { ByLink, BySearchResult, Stay };
    const struct {
        const char *name;
        int start;                 // reached through the list: step 1
        QStringList typed;         // typed one after another into the word box
        Leave leave;
        QList<qint32> recorded;
        int afterBack;             // 0: step back stays disabled
    } cases[] = {
        {"a link from the typed word", 1, {QStringLiteral("вуэййм")}, ByLink, {1, 2, 1}, 2},
        {"a link back to the start", 4, {QStringLiteral("нёххч")}, ByLink, {4, 5, 4}, 5},
        {"a search result", 1, {QStringLiteral("мир")}, BySearchResult, {1, 4, 7}, 4},
        {"typing alone", 1, {QStringLiteral("мир"), QStringLiteral("кӣллт")}, Stay, {1}, 0},
        {"typed back to the current step", 2, {QStringLiteral("мир"), QStringLiteral("вуэййм")}, ByLink, {2, 1}, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ArticleWindow fresh{articleTable(rows())};
        LinkFollower follower(fresh.articles.get(), &fresh.boxes, [](const QString &) {});
        gotoId(*fresh.articles, c.start);
        for (const QString &text : c.typed)
            fresh.wordBox->setEditText(text);
        ASSERT_EQ(fresh.articles->value(u"WORD").toString(), c.typed.last());
        if (c.leave == ByLink)
            ASSERT_TRUE(follower.ToolButtonLinkClick());
        else if (c.leave == BySearchResult)
            fresh.findWord(7);

        QList<qint32> recorded;
        for (int n = 1; fresh.steps->steps().slot(n) != 0; ++n)
            recorded << fresh.steps->steps().slot(n);
        EXPECT_EQ(recorded, c.recorded);
        EXPECT_EQ(fresh.stepBack->isEnabled(), c.afterBack != 0);
        if (c.afterBack) {
            fresh.steps->SpeedButtonBackClick();
            EXPECT_EQ(currentId(*fresh.articles), c.afterBack);
        }
    }
}

TEST_F(NavigationTest, StepIntoAnotherDictionarySelectsIt)
{
    gotoId(*w.articles, 2);
    w.findWord(7);            // a search result in dictionary 3
    EXPECT_EQ(stepSlots(), (QList<qint32>{2, 7}));
    w.steps->SpeedButtonBackClick();
    EXPECT_EQ(currentId(*w.articles), 2);
    EXPECT_EQ(w.articles->filterText(), QStringLiteral("(DICT=0) OR (DICT=1)"));
}

TEST_F(NavigationTest, LinkGoesToItsTargetInTheSameDictionaryOrSaysWhyNot)
{
    const QString both = QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=3)");
    // The shared search text offers find in article the word the user came from, once there is a link.
    const struct { int from; QString filter; int to; const char *error; const char *shared; } cases[] = {
        {2, {}, 1, nullptr, "вуэййм"},                                           // "Ӓкка" -> key "акка"
        {5, both, 4, nullptr, "нёххч"},                                          // "Мир" of dictionary 1, not 3
        {8, both, 6, nullptr, "язык"},                                           // "мир" of dictionary 3
        {3, both, 3, "Не найдено слово в текущем словаре!", "кӣллт"},         // "сердце": dictionary 3 only
        {1, {}, 1, "Нет ссылки на слово!", "before"},
        {0, QStringLiteral("(DICT=0) OR (DICT=7)"), 0, "Нет ссылки на слово!", "before"}, // empty view
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.from);
        if (c.from)
            w.findWord(c.from);
        if (!c.filter.isEmpty())
            w.articles->setFilterText(c.filter);
        w.boxes.errors.clear();
        sharedSearchText = QStringLiteral("before");
        const QList<qint32> steps = stepSlots();

        EXPECT_EQ(links->ToolButtonLinkClick(), c.error == nullptr);
        EXPECT_EQ(currentId(*w.articles), c.to);
        if (c.error) {
            EXPECT_EQ(w.boxes.errors, QStringList{QStringLiteral("Идти на ссылку|") + QString::fromUtf8(c.error)});
            EXPECT_EQ(stepSlots(), steps);
        } else {
            EXPECT_TRUE(w.boxes.errors.isEmpty());
            EXPECT_EQ(stepSlots(), steps + QList<qint32>{c.to}); // a link is a step
            EXPECT_EQ(w.wordBox->currentText(), w.articles->value(u"WORD").toString());
        }
        EXPECT_EQ(sharedSearchText, QString::fromUtf8(c.shared));
    }
}

class BookmarkTest : public NavigationTest
{
protected:
    BookmarkTest()
        : bookmark(w.articles.get(), [this](qint32 id) { w.findWord(id); }, w.steps)
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

TEST_F(BookmarkTest, ReturnsToTheBookmarkAcrossDictionariesAsAStep)
{
    // Nothing remembered at start-up.
    EXPECT_FALSE(button.isChecked());
    EXPECT_FALSE(menuItem.isChecked());
    EXPECT_TRUE(menuItem.isCheckable());
    EXPECT_EQ(bookmark.remembered(), 0);
    gotoId(*w.articles, 3);
    EXPECT_EQ(bookmark.bookMarkSetting(), 0);

    button.click();
    EXPECT_TRUE(button.isChecked());
    EXPECT_TRUE(menuItem.isChecked());
    EXPECT_EQ(bookmark.remembered(), 3);

    w.findWord(7);                  // now in dictionary 3 only
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

TEST_F(BookmarkTest, MenuItemDrivesTheButtonAndTheReturnRecordsAStepEvenWithRecordingLeftOff)
{
    gotoId(*w.articles, 2);
    menuItem.trigger();
    EXPECT_TRUE(menuItem.isChecked());
    EXPECT_TRUE(button.isChecked());
    EXPECT_EQ(bookmark.remembered(), 2);

    gotoId(*w.articles, 4);
    w.steps->setRecording(false);                      // as if left off by a failed jump
    menuItem.trigger();
    EXPECT_FALSE(button.isChecked());
    EXPECT_EQ(currentId(*w.articles), 2);
    EXPECT_TRUE(w.steps->isRecording());
    EXPECT_EQ(w.steps->steps().currentId(), 2);
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
