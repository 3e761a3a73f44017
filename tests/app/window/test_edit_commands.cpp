// Cut, copy and paste on the focused control, and the state of the context
// menu PMenuEdit for each kind of focused control.

#include "appfixture.h"

#include "app/window/editcommands.h"
#include "app/search/findpanel.h"
#include "app/window/mainmenu.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/examplespanel.h"
#include "article/view/richtextview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTextCursor>
#include <QTextEdit>

#include <functional>
#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

void selectText(QTextEdit *view, int from, int to)
{
    QTextCursor cursor(view->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    view->setTextCursor(cursor);
}

TEST(EditMenuState, EachKindOfFocusedControl)
{
    QWidget window;
    auto *edit = new QLineEdit(QStringLiteral("слово"), &window);
    auto *combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->lineEdit()->setText(QStringLiteral("дом"));
    auto *article = new QTextEdit(&window);
    article->setReadOnly(true);
    article->setPlainText(QStringLiteral("статья"));
    auto *memo = new QTextEdit(&window);
    memo->setPlainText(QStringLiteral("заметка"));
    auto *list = new QListView(&window);
    const QList<const QWidget *> readOnly = {article};

    const struct {
        const char *what;
        std::function<const QWidget *()> focus;
        bool clipboard;
        EditMenuState state;
    } cases[] = {
        {"edit, no selection", [&] { edit->deselect(); return edit; }, true, {false, false, true}},
        {"edit, one character", [&] { edit->setSelection(0, 1); return edit; }, false, {true, true, false}},
        {"edit, selection and clipboard", [&] { edit->selectAll(); return edit; }, true, {true, true, true}},
        {"combo box, selection", [&] { combo->lineEdit()->selectAll(); return combo; }, false, {true, true, false}},
        {"combo box, none", [&] { combo->lineEdit()->deselect(); return combo; }, true, {false, false, true}},
        {"combo box's edit field", [&] { combo->lineEdit()->setSelection(1, 1); return combo->lineEdit(); }, true, {true, true, true}},
        {"article view, selection", [&] { selectText(article, 0, 1); return article; }, true, {false, true, false}},
        {"article view, none", [&] { selectText(article, 2, 2); return article; }, true, {false, false, false}},
        {"memo, selection", [&] { selectText(memo, 0, 3); return memo; }, true, {true, true, true}},
        {"memo, none", [&] { selectText(memo, 0, 0); return memo; }, false, {false, false, false}},
        {"list", [&] { return list; }, true, {false, false, false}},
        {"no focused control", [&] { return nullptr; }, true, {false, false, false}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(editMenuState(c.focus(), c.clipboard, readOnly), c.state);
    }
}

TEST(EditCommands, MenuItemsWorkOnTheFocusedControlOfTheWindow)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    w->activateWindow();
    QApplication::processEvents();
    QClipboard *clipboard = QApplication::clipboard();
    QLineEdit *box = w->PanelWord->EditWord->lineEdit();
    RichTextView *view = w->PanelTransl->Editor;

    for (QAction *item : {w->menu->MainMenuCut, w->menu->MainMenuCopy, w->menu->MainMenuPaste})
        EXPECT_TRUE(item->isEnabled()) << qPrintable(item->objectName());

    // Cut from the word box, paste back after its end.
    box->setFocus();
    box->setText(QStringLiteral("word"));
    box->setSelection(0, 2);
    w->menu->MainMenuCut->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("wo"));
    EXPECT_EQ(box->text(), QStringLiteral("rd"));
    box->end(false);
    w->edit->PMenuEditPasteClick();
    EXPECT_EQ(box->text(), QStringLiteral("rdwo"));

    // The read-only article view copies but neither cuts nor pastes.
    view->setPlainText(QStringLiteral("article text"));
    view->setFocus();
    selectText(view, 0, 5);
    w->menu->MainMenuCopy->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("artic"));
    w->menu->MainMenuCut->trigger();
    w->menu->MainMenuPaste->trigger();
    EXPECT_EQ(view->toPlainText(), QStringLiteral("article text"));

    // The context menu's state follows the focused control.
    w->edit->PMenuEditPopup();
    EXPECT_FALSE(w->edit->PMenuEditCut->isEnabled());
    EXPECT_TRUE(w->edit->PMenuEditCopy->isEnabled());
    EXPECT_FALSE(w->edit->PMenuEditPaste->isEnabled());
    w->PanelFind->show();
    w->PanelFind->EditFind->setFocus();
    w->PanelFind->EditFind->lineEdit()->setText(QStringLiteral("лес"));
    w->PanelFind->EditFind->lineEdit()->selectAll();
    w->edit->PMenuEditPopup();
    EXPECT_TRUE(w->edit->PMenuEditCut->isEnabled());
    EXPECT_TRUE(w->edit->PMenuEditCopy->isEnabled());
    EXPECT_TRUE(w->edit->PMenuEditPaste->isEnabled());
}

} // namespace
} // namespace lumolex
