// The window over data sets people build themselves: one without
// dictionary 1 or without any article of a dictionary, and headwords with
// Kildin letters typed into the word box.

#include "appfixture.h"

#include "app/window/mainmenu.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "data/table/table.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>

namespace lumolex {
namespace {

std::array<bool, 5> checkedButtons(const TFormLumoLex &w)
{
    const ToolBarPanel *top = w.PanelTop;
    return {top->SpeedButtonDict1->isChecked(), top->SpeedButtonDict2->isChecked(),
            top->SpeedButtonDict4->isChecked(), top->SpeedButtonDict3->isChecked(),
            top->SpeedButtonRazg1->isChecked()};
}

TEST(OwnDictionaries, OpensOnADictionaryThatHasArticles)
{
    const struct {
        const char *name;
        std::vector<test::ArticleRow> articles;
        std::array<bool, 5> buttons;       // slots: 1, 2, 4, 3, 9
        const char *firstWord;
        const char *wordCaption;
    } cases[] = {
        {"only the Russian-Saami dictionary", {{1, 3, "лес"}, {2, 3, "берёза"}}, {false, false, false, true, false},
         "берёза", "Слово"},
        {"only the phrasebook", {{1, 9, "Погода"}, {2, 9, "Знакомство"}}, {false, false, false, false, true},
         "Знакомство", "Тема"},
        {"dictionaries 4 and 2: the first button that has articles", {{1, 4, "вуэнн"}, {2, 2, "вода"}},
         {false, true, false, false, false}, "вода", "Слово"},
        {"code 0 and dictionary 3", {{1, 0, "общее"}, {2, 3, "лес"}}, {false, false, false, true, false}, "лес",
         "Слово"},
        {"dictionary 1 among others stays the first choice", {{1, 3, "аа"}, {2, 2, "аб"}, {3, 1, "яя"}},
         {true, false, false, false, false}, "яя", "Слово"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        test::AppFixture app(c.articles);
        TFormLumoLex *w = app.start();
        ASSERT_TRUE(w->started());
        EXPECT_EQ(checkedButtons(*w), c.buttons);
        EXPECT_EQ(test::currentWord(*w->ClientDataSet1), QString::fromUtf8(c.firstWord));
        EXPECT_EQ(w->PanelWord->LabelCaptionWord->text(), QString::fromUtf8(c.wordCaption));
        EXPECT_TRUE(app.messages().empty());
        app.close();
    }
}

TEST(OwnDictionaries, ADictionaryWithoutArticlesIsNotOffered)
{
    const QString noArticles = QStringLiteral("Нет статей этого словаря в данных");
    const struct {
        const char *name;
        std::vector<test::ArticleRow> articles;
        bool dict4Offered;
        bool dict3Offered;
    } cases[] = {
        {"no article of dictionary 4", {{1, 1, "дом"}, {2, 2, "вода"}, {3, 3, "лес"}, {4, 9, "Погода"}}, false, true},
        {"one article of dictionary 4", {{1, 1, "дом"}, {2, 4, "вуэнн"}, {3, 3, "лес"}}, true, true},
        {"no Russian-Saami article", {{1, 1, "дом"}, {2, 4, "вуэнн"}}, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        test::AppFixture app(c.articles);
        TFormLumoLex *w = app.start();
        ASSERT_TRUE(w->started());
        w->activateWindow();
        QApplication::processEvents();
        const struct { QToolButton *button; QAction *item; bool offered; const char *caption; const char *hint; } controls[] = {
            {w->PanelTop->SpeedButtonDict4, w->menu->MainMenuDict4, c.dict4Offered, "Саамско-русский словарь",
             "Саамско-русский словарь (кильдинский диалект) @"},
            {w->PanelTop->SpeedButtonDict3, w->menu->MainMenuDict3, c.dict3Offered, "Русско-саамский словарь",
             "Русско-саамский словарь (кильдинский диалект) @"},
        };
        // The end of a fragment search enables every control again.
        for (const bool afterEnabledComp : {false, true}) {
            if (afterEnabledComp)
                w->EnabledComp(true);
            for (const auto &control : controls) {
                SCOPED_TRACE(control.caption);
                EXPECT_EQ(control.button->isEnabled(), control.offered);
                EXPECT_EQ(control.item->isEnabled(), control.offered);
                EXPECT_EQ(control.item->text().contains(QStringLiteral("Автор: ")), control.offered);
                EXPECT_TRUE(control.button->toolTip().startsWith(QString::fromUtf8(control.hint)));
                EXPECT_EQ(control.button->toolTip().endsWith(noArticles), !control.offered);
                if (!control.offered) {
                    EXPECT_EQ(control.item->text(), QString::fromUtf8(control.caption));
                }
            }
        }
        // Ctrl+3 chooses dictionary 4 only when it has articles.
        QTest::keyClick(w, Qt::Key_3, Qt::ControlModifier);
        EXPECT_EQ(w->PanelTop->SpeedButtonDict4->isChecked(), c.dict4Offered);
        EXPECT_EQ(w->menu->MainMenuDict4->isChecked(), c.dict4Offered);
        app.close();
    }
}

TEST(OwnDictionaries, TypeAheadLandsOnAHeadwordTypedAsPrinted)
{
    // Keys: ка, кунньтэ, куос, кэдт, лыннк, мунн.
    test::AppFixture app({{1, 1, QStringLiteral("ка")},
                          {2, 1, QStringLiteral("кӯннҍтэ")},
                          {3, 1, QStringLiteral("куос")},
                          {4, 1, QStringLiteral("кэдт")},
                          {5, 1, QStringLiteral("Лыӈӈк")},
                          {6, 1, QStringLiteral("мӯнн")}});
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    QLineEdit *edit = w->PanelWord->EditWord->lineEdit();
    edit->setFocus();
    const struct {
        const char *name;
        QString typed;
        const char *word;
    } cases[] = {
        {"Kildin letters as printed", QStringLiteral("кӯннҍтэ"), "кӯннҍтэ"},
        {"the beginning of it", QStringLiteral("кӯнн"), "кӯннҍтэ"},
        {"with a capital", QStringLiteral("ЛЫӇӇ"), "Лыӈӈк"},
        {"u and a combining macron", QStringLiteral("му\u0304нн"), "мӯнн"},
        {"the folded letters typed in Russian", QStringLiteral("куннь"), "кӯннҍтэ"},
        {"Russian letters between two keys", QStringLiteral("кун"), "кӯннҍтэ"},
        {"Russian letters, the next key", QStringLiteral("куо"), "куос"},
        {"Russian capitals", QStringLiteral("КЭ"), "кэдт"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        edit->selectAll();
        test::typeKeys(edit, c.typed);
        EXPECT_EQ(test::currentWord(*w->ClientDataSet1), QString::fromUtf8(c.word));
        // The box keeps the text as typed.
        EXPECT_EQ(w->PanelWord->EditWord->currentText(), c.typed);
    }
    app.close();
}

} // namespace
} // namespace lumolex
