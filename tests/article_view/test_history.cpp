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

} // namespace

TEST(HistoryList, NewestOnTopOnceCaseCountsAndAtMostAHundredAndOne)
{
    const QString top = QStringLiteral("new");
    const struct { QStringList list; QString entry; QStringList after; } cases[] = {
        // An equal entry moves to the top; letter case makes entries different.
        {{QStringLiteral("Дом"), QStringLiteral("дом")}, QStringLiteral("дом"), {QStringLiteral("дом"), QStringLiteral("Дом")}},
        // A hundred kept plus the new one; beyond that the oldest go first.
        {numbered(100), top, QStringList{top} + numbered(100)},
        {numbered(101), top, QStringList{top} + numbered(100)},
        // An entry beyond the kept ones is dropped before the search: on top once, not twice.
        {numbered(101), QStringLiteral("w100"), QStringList{QStringLiteral("w100")} + numbered(100)},
        // An empty entry changes nothing.
        {{QStringLiteral("a")}, QString(), {QStringLiteral("a")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry.toStdString() + " into " + std::to_string(c.list.size()));
        QStringList list = c.list;
        EXPECT_EQ(recordHistoryEntry(list, c.entry), c.after != c.list);
        EXPECT_EQ(list, c.after);
    }
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
    RecordingBoxes boxes;
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

TEST_F(HistoryKeeperTest, CardHistoryWithoutACurrentArticleRecordsNothing)
{
    auto empty = articleTable({{1, 2, QStringLiteral("дом"), nullBody()}}); // dictionary 2, not shown
    HistoryKeeper onEmpty(&wordBox, &findBox, empty.get(), &boxes);
    onEmpty.AddHistory(HistoryKeeper::CardHistory);
    EXPECT_EQ(wordBox.count(), 0);
}

TEST_F(HistoryKeeperTest, FindHistoryRecordsTheTrimmedTextAndIgnoresBlankTextAndOtherModes)
{
    findBox.addItems({QStringLiteral("кот"), QStringLiteral("пёс")});
    findBox.setEditText(QStringLiteral(" \t "));
    for (const int mode : {int(HistoryKeeper::FindHistory), 2, -1})
        keeper->AddHistory(mode);
    EXPECT_EQ(HistoryKeeper::entries(&findBox), (QStringList{QStringLiteral("кот"), QStringLiteral("пёс")}));
    EXPECT_EQ(wordBox.count(), 0);

    findBox.setEditText(QStringLiteral("  пёс\t"));
    keeper->AddHistory(HistoryKeeper::FindHistory);
    EXPECT_EQ(HistoryKeeper::entries(&findBox), (QStringList{QStringLiteral("пёс"), QStringLiteral("кот")}));
    EXPECT_EQ(findBox.currentText(), QStringLiteral("пёс"));
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
