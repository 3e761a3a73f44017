// The card and find histories: the list rule on its own, then through the
// drop-down lists of the word box and the search box.
#include "article/history.h"
#include "article/view/historykeeper.h"
#include "article/view/messageboxes.h"

#include "articlefixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

QStringList numbered(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("w%1").arg(i);
    return list;
}

class AnsweringBoxes : public MessageBoxes
{
public:
    explicit AnsweringBoxes(bool yes) : answer(yes) {}
    void error(const QString &title, const QString &text) override { errors << title + u'|' + text; }
    bool askYesNo(const QString &title, const QString &text) override
    {
        questions << title + u'|' + text;
        return answer;
    }
    bool answer;
    QStringList errors;
    QStringList questions;
};

} // namespace

TEST(HistoryList, EqualEntryMovesToTopAndCaseMakesEntriesDifferent)
{
    QStringList list;
    recordHistoryEntry(list, QStringLiteral("дом"));
    recordHistoryEntry(list, QStringLiteral("Дом"));
    recordHistoryEntry(list, QStringLiteral("дом"));
    EXPECT_EQ(list, (QStringList{QStringLiteral("дом"), QStringLiteral("Дом")}));
}

TEST(HistoryList, HundredEntriesPlusOneGiveHundredAndOneThenTheOldestGoes)
{
    QStringList list = numbered(100);
    recordHistoryEntry(list, QStringLiteral("new1"));
    ASSERT_EQ(list.size(), 101);
    EXPECT_EQ(list.first(), QStringLiteral("new1"));
    EXPECT_EQ(list.last(), QStringLiteral("w99"));

    recordHistoryEntry(list, QStringLiteral("new2"));
    ASSERT_EQ(list.size(), 101);
    EXPECT_EQ(list.first(), QStringLiteral("new2"));
    EXPECT_EQ(list.last(), QStringLiteral("w98"));
    EXPECT_FALSE(list.contains(QStringLiteral("w99")));
}

TEST(HistoryList, AnEntryBeyondTheKeptOnesIsDroppedBeforeTheSearch)
{
    // 101 entries: the oldest goes first, so recording it again puts it on
    // top once, not twice.
    QStringList list = numbered(101);
    recordHistoryEntry(list, QStringLiteral("w100"));
    EXPECT_EQ(list.size(), 101);
    EXPECT_EQ(list.count(QStringLiteral("w100")), 1);
    EXPECT_EQ(list.first(), QStringLiteral("w100"));
}

TEST(HistoryList, EmptyEntryChangesNothing)
{
    QStringList list{QStringLiteral("a")};
    EXPECT_FALSE(recordHistoryEntry(list, QString()));
    EXPECT_EQ(list, QStringList{QStringLiteral("a")});
}

TEST(HistoryList, TrimRemovesControlsAndSpacesOnly)
{
    EXPECT_EQ(trimHistoryText(u" \t\r\n кот  \x01"), QStringLiteral("кот"));
    EXPECT_EQ(trimHistoryText(u"  два слова "), QStringLiteral("два слова"));
    EXPECT_EQ(trimHistoryText(u"\u00A0кот\u00A0"), QStringLiteral("\u00A0кот\u00A0"));
    EXPECT_EQ(trimHistoryText(u"   "), QString());
}

class HistoryKeeperTest : public testing::Test
{
protected:
    void SetUp() override
    {
        articles = articleTable({{1, 1, QStringLiteral("дом"), nullBody()},
                                 {2, 1, QStringLiteral("Дом"), nullBody()},
                                 {3, 1, QStringLiteral("кот"), nullBody()}});
        wordBox.setEditable(true);
        findBox.setEditable(true);
        keeper = std::make_unique<HistoryKeeper>(&wordBox, &findBox, articles.get(), &boxes);
    }

    void openCardFor(int id)
    {
        ASSERT_TRUE(gotoId(*articles, id));
        keeper->AddHistory(HistoryKeeper::CardHistory);
    }

    std::unique_ptr<Table> articles;
    QComboBox wordBox;
    QComboBox findBox;
    AnsweringBoxes boxes{true};
    std::unique_ptr<HistoryKeeper> keeper;
};

TEST_F(HistoryKeeperTest, CardHistoryKeepsTheWordBoxTextAndSelection)
{
    wordBox.setEditText(QStringLiteral("набрано"));
    wordBox.lineEdit()->setSelection(1, 3);
    QSignalSpy textChanges(&wordBox, &QComboBox::editTextChanged);

    openCardFor(1);
    openCardFor(2);
    openCardFor(1);

    EXPECT_EQ(HistoryKeeper::entries(&wordBox), (QStringList{QStringLiteral("дом"), QStringLiteral("Дом")}));
    EXPECT_EQ(wordBox.currentText(), QStringLiteral("набрано"));
    EXPECT_EQ(wordBox.lineEdit()->selectedText(), QStringLiteral("абр"));
    EXPECT_EQ(textChanges.count(), 0);
}

TEST_F(HistoryKeeperTest, FirstCardIntoAnEmptyListLeavesTheBoxText)
{
    wordBox.setEditText(QStringLiteral("кот"));
    openCardFor(1);
    EXPECT_EQ(wordBox.count(), 1);
    EXPECT_EQ(wordBox.currentText(), QStringLiteral("кот"));
}

TEST_F(HistoryKeeperTest, CardHistoryWithoutACurrentArticleRecordsNothing)
{
    auto empty = articleTable({{1, 2, QStringLiteral("дом"), nullBody()}}, {1});
    HistoryKeeper onEmpty(&wordBox, &findBox, empty.get(), &boxes);
    onEmpty.AddHistory(HistoryKeeper::CardHistory);
    EXPECT_EQ(wordBox.count(), 0);
}

TEST_F(HistoryKeeperTest, FindHistoryRecordsTheTrimmedTextAndShowsIt)
{
    findBox.addItems({QStringLiteral("кот"), QStringLiteral("пёс")});
    findBox.setEditText(QStringLiteral("  пёс\t"));
    keeper->AddHistory(HistoryKeeper::FindHistory);
    EXPECT_EQ(HistoryKeeper::entries(&findBox), (QStringList{QStringLiteral("пёс"), QStringLiteral("кот")}));
    EXPECT_EQ(findBox.currentText(), QStringLiteral("пёс"));
}

TEST_F(HistoryKeeperTest, FindHistoryIgnoresBlankTextAndUnknownModes)
{
    findBox.addItem(QStringLiteral("кот"));
    findBox.setEditText(QStringLiteral(" \t "));
    keeper->AddHistory(HistoryKeeper::FindHistory);
    keeper->AddHistory(2);
    keeper->AddHistory(-1);
    EXPECT_EQ(HistoryKeeper::entries(&findBox), QStringList{QStringLiteral("кот")});
    EXPECT_EQ(wordBox.count(), 0);
}

TEST_F(HistoryKeeperTest, FindHistoryCapsAtHundredAndOne)
{
    findBox.addItems(numbered(100));
    findBox.setEditText(QStringLiteral("x"));
    keeper->AddHistory(HistoryKeeper::FindHistory);
    EXPECT_EQ(findBox.count(), 101);
    findBox.setEditText(QStringLiteral("y"));
    keeper->AddHistory(HistoryKeeper::FindHistory);
    EXPECT_EQ(findBox.count(), 101);
    EXPECT_EQ(findBox.itemText(0), QStringLiteral("y"));
    EXPECT_EQ(findBox.itemText(100), QStringLiteral("w98"));
}

TEST_F(HistoryKeeperTest, ClearingAsksAndKeepsTheShownTexts)
{
    wordBox.addItems({QStringLiteral("a"), QStringLiteral("b")});
    findBox.addItems({QStringLiteral("c")});
    wordBox.setEditText(QStringLiteral("слово"));
    findBox.setEditText(QStringLiteral("поиск"));

    boxes.answer = false;
    keeper->MainMenuClearHistClick();
    EXPECT_EQ(wordBox.count(), 2);
    EXPECT_EQ(findBox.count(), 1);

    boxes.answer = true;
    keeper->MainMenuClearHistClick();
    EXPECT_EQ(wordBox.count(), 0);
    EXPECT_EQ(findBox.count(), 0);
    EXPECT_EQ(wordBox.currentText(), QStringLiteral("слово"));
    EXPECT_EQ(findBox.currentText(), QStringLiteral("поиск"));
    EXPECT_EQ(boxes.questions,
              QStringList(2, QStringLiteral("Лумолекс|Очистить историю карточек и поиска?")));
}
