// Dictionary selection through the real buttons, menu items and shortcuts of
// the started window, and FindWord.

#include "appfixture.h"

#include "app/window/mainmenu.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "data/wordlist/dictionaryselection.h"
#include "data/table/table.h"
#include "ui/imagelist16.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace lumolex {
namespace {

class WindowDictionaries : public test::StartedWindow
{
protected:
    void started() override
    {
        top = window->PanelTop;
        menu = window->menu;
        articles = window->ClientDataSet1;
    }

    QList<bool> buttons() const
    {
        return {top->SpeedButtonDict1->isChecked(), top->SpeedButtonDict2->isChecked(),
                top->SpeedButtonDict4->isChecked(), top->SpeedButtonDict3->isChecked(),
                top->SpeedButtonRazg1->isChecked()};
    }
    QList<bool> items() const
    {
        return {menu->MainMenuDict1->isChecked(), menu->MainMenuDict2->isChecked(), menu->MainMenuDict4->isChecked(),
                menu->MainMenuDict3->isChecked(), menu->MainMenuRazg1->isChecked()};
    }
    QString captions() const
    {
        return window->PanelWord->LabelCaptionWord->text() + u'/' + window->PanelTransl->LabelCaptionTransl->text();
    }
    // Every menu item shows the picture of its check state.
    void expectMenuIcons() const
    {
        const QAction *items[] = {menu->MainMenuDict1, menu->MainMenuDict2, menu->MainMenuDict4, menu->MainMenuDict3,
                                  menu->MainMenuRazg1};
        for (int slot = 0; slot < kDictionaryCount; ++slot)
            EXPECT_EQ(items[slot]->icon().cacheKey(),
                      ImageList16::shared().icon(dictionaryMenuIcon(slot, items[slot]->isChecked())).cacheKey())
                << qPrintable(items[slot]->objectName());
    }

    ToolBarPanel *top = nullptr;
    MainMenu *menu = nullptr;
    Table *articles = nullptr;
};

TEST_F(WindowDictionaries, ButtonsMenuItemsAndShortcutsStayInStep)
{
    window->activateWindow();
    QApplication::processEvents();
    const auto shortcut = [this](Qt::Key key) { QTest::keyClick(window, key, Qt::ControlModifier); };
    const QString words = QStringLiteral("Слово/Перевод"), phrases = QStringLiteral("Тема/Фразы");
    const struct { const char *what; std::function<void()> act; QList<bool> buttons; QString filter; QString captions; }
        walk[] = {
            {"button 2", [&] { top->SpeedButtonDict2->click(); }, {true, true, false, false, false},
             QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=2)"), words},
            {"button 1", [&] { top->SpeedButtonDict1->click(); }, {false, true, false, false, false},
             QStringLiteral("(DICT=0) OR (DICT=2)"), words},
            {"button 2, the last released", [&] { top->SpeedButtonDict2->click(); }, {true, false, false, false, false},
             QStringLiteral("(DICT=0) OR (DICT=1)"), words},
            {"button 3", [&] { top->SpeedButtonDict3->click(); }, {false, false, false, true, false},
             QStringLiteral("(DICT=0) OR (DICT=3)"), words},
            {"phrasebook button", [&] { top->SpeedButtonRazg1->click(); }, {false, false, false, false, true},
             QStringLiteral("(DICT=0) OR (DICT=9)"), phrases},
            {"phrasebook shortcut", [&] { shortcut(Qt::Key_5); }, {false, false, false, false, true},
             QStringLiteral("(DICT=0) OR (DICT=9)"), phrases},
            {"shortcut 3 is dictionary 4", [&] { shortcut(Qt::Key_3); }, {false, false, true, false, false},
             QStringLiteral("(DICT=0) OR (DICT=4)"), words},
            {"menu item 1", [&] { menu->MainMenuDict1->trigger(); }, {true, false, true, false, false},
             QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=4)"), words},
            {"shortcut 4 is dictionary 3", [&] { shortcut(Qt::Key_4); }, {false, false, false, true, false},
             QStringLiteral("(DICT=0) OR (DICT=3)"), words},
        };
    for (const auto &step : walk) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(buttons(), step.buttons);
        EXPECT_EQ(items(), buttons());
        EXPECT_EQ(articles->filterText(), step.filter);
        EXPECT_EQ(captions(), step.captions);
        expectMenuIcons();
    }
}

TEST_F(WindowDictionaries, AddingADictionaryKeepsTheCurrentArticleChoosingThePhrasebookShowsItsFirst)
{
    ASSERT_TRUE(articles->findKey({QStringLiteral("кот")}));
    top->SpeedButtonDict2->click();
    EXPECT_EQ(test::currentId(*articles), 4);
    top->SpeedButtonRazg1->click();
    EXPECT_EQ(test::currentWord(*articles), QStringLiteral("Знакомство"));
}

TEST_F(WindowDictionaries, FindWordMovesTheButtonsOnly)
{
    top->SpeedButtonDict2->click(); // 1 and 2
    window->FindWord(8);             // "лес", Russian-Saami
    EXPECT_EQ(test::currentId(*articles), 8);
    EXPECT_EQ(buttons(), (QList<bool>{false, false, false, true, false}));
    EXPECT_EQ(items(), (QList<bool>{true, true, false, false, false}));
    expectMenuIcons();
    EXPECT_EQ(window->PanelWord->EditWord->currentText(), QStringLiteral("лес"));

    // A later choice through the menu starts from the menu's marks.
    menu->MainMenuDict4->trigger();
    EXPECT_EQ(buttons(), (QList<bool>{true, true, true, false, false}));
    EXPECT_EQ(items(), buttons());

    // Which dictionaries an article joins, and unknown IDs, are the filter tests' matter.
}

TEST_F(WindowDictionaries, CaptionsAndHintsCreditTheirPersons)
{
    EXPECT_EQ(menu->MainMenuDict1->text(), QStringLiteral("Саамско-русский словарь. Под редакцией Иванов И. И."));
    EXPECT_EQ(menu->MainMenuDict3->text(), QStringLiteral("Русско-саамский словарь. Автор: Петров П. П."));
    EXPECT_EQ(top->SpeedButtonRazg1->toolTip(), QStringLiteral("Саамско-русский разговорник @Автор: Смирнова А. А."));
    EXPECT_EQ(top->SpeedButtonDict4->toolTip(),
              QStringLiteral("Саамско-русский словарь (кильдинский диалект) @Автор: Сидоров С. С."));
}

TEST_F(WindowDictionaries, EmptyViewClearsTheWordBox)
{
    // A view without records: a table of dictionary 2 only (the window
    // opens on it); releasing its button falls back to dictionary 1, which
    // has no articles.
    test::AppFixture lonely({{1, 2, QStringLiteral("вода")}});
    TFormLumoLex *other = lonely.start();
    ASSERT_TRUE(other->started());
    EXPECT_EQ(test::currentWord(*other->ClientDataSet1), QStringLiteral("вода"));
    EXPECT_EQ(other->PanelWord->EditWord->currentText(), QStringLiteral("вода"));
    other->PanelTop->SpeedButtonDict2->click();
    EXPECT_TRUE(EmptyTable(*other->ClientDataSet1));
    EXPECT_TRUE(other->PanelWord->EditWord->currentText().isEmpty());
}

// The article commands as the window wires them.
TEST_F(WindowDictionaries, LinkStepsAndBookmarkThroughTheWindowsControls)
{
    window->FindWord(14); // "ягель", which refers to "кот"
    EXPECT_TRUE(menu->MainMenuLink->isEnabled());
    menu->MainMenuLink->trigger();
    EXPECT_EQ(test::currentWord(*articles), QStringLiteral("кот"));
    EXPECT_EQ(window->sharedSearchText, QStringLiteral("ягель"));
    EXPECT_FALSE(menu->MainMenuLink->isEnabled()); // "кот" refers nowhere

    ASSERT_TRUE(top->SpeedButtonBack->isEnabled());
    top->SpeedButtonBack->click();
    EXPECT_EQ(test::currentWord(*articles), QStringLiteral("ягель"));
    EXPECT_TRUE(menu->MainMenuForward->isEnabled());
    menu->MainMenuForward->trigger();
    EXPECT_EQ(test::currentWord(*articles), QStringLiteral("кот"));

    // The bookmark button down at shutdown: the article then current is stored.
    top->SpeedButtonBookmark->click();
    EXPECT_TRUE(menu->MainMenuBookmark->isChecked());
    window->PanelWord->ToolButtonNext->click();
    const int current = test::currentId(*articles);
    fixture.close();
    EXPECT_EQ(fixture.readSetting("BookMark"), QString::number(current));
}

} // namespace
} // namespace lumolex
