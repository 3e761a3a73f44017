// The find dialog over the article view of the real window: opening with the
// shared search text or the selection, forward search with its message, the
// case switch, and closing.

#include "appfixture.h"

#include "app/search/formfind.h"
#include "app/window/mainmenu.h"
#include "app/window/searchlink.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

class FindDialog : public StartedWindow
{
protected:
    void started() override
    {
        editor = window->PanelTransl->Editor;
        editor->setPlainText(QStringLiteral("абабаб Дом"));   // the article shown
    }

    TFormFind *dialog() const { return window->search->findDialog->dialog(); }
    std::pair<int, int> selection() const
    {
        const QTextCursor cursor = editor->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }

    RichTextView *editor = nullptr;
};

TEST_F(FindDialog, FindsForwardUntilNothingIsLeftThenKeepsTheLastMatch)
{
    ASSERT_TRUE(window->PanelTransl->ToolButtonFind->isEnabled());
    window->sharedSearchText = QStringLiteral("АБ");
    window->PanelTransl->ToolButtonFind->click();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(window->findDialogFlag);
    EXPECT_TRUE(dialog()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(dialog()->isModal());
    EXPECT_EQ(dialog()->EditFind->text(), QStringLiteral("АБ"));

    const struct {
        bool caseSensitive;
        std::pair<int, int> selected;
        bool notFound;
    } presses[] = {
        {false, {0, 2}, false},
        {false, {2, 4}, false},
        {false, {4, 6}, false},
        {false, {4, 6}, true},   // no further occurrence: the last match stays selected
        {true, {4, 6}, true},
    };
    for (const auto &p : presses) {
        const size_t shown = fixture.messages().size();
        dialog()->CheckBoxRegister->setChecked(p.caseSensitive);
        QTest::keyClick(dialog()->EditFind, Qt::Key_Return);
        EXPECT_EQ(selection(), p.selected);
        ASSERT_EQ(fixture.messages().size(), shown + (p.notFound ? 1 : 0));
        if (p.notFound) {
            EXPECT_EQ(fixture.messages().back().text, QStringLiteral("Не найдено"));
            EXPECT_EQ(fixture.messages().back().title, QStringLiteral("Поиск в тексте перевода"));
            EXPECT_EQ(fixture.messages().back().icon, QMessageBox::Warning);
        }
    }
    // "дом" finds "Дом" only while the case switch is off.
    for (bool caseSensitive : {true, false}) {
        editor->setTextCursor(QTextCursor(editor->document()));
        dialog()->CheckBoxRegister->setChecked(caseSensitive);
        dialog()->EditFind->setText(QStringLiteral("дом"));
        dialog()->SpeedButtonFind->click();
        EXPECT_EQ(selection(), (caseSensitive ? std::pair<int, int>{0, 0} : std::pair<int, int>{7, 10}));
        EXPECT_EQ(window->sharedSearchText, QStringLiteral("дом"));
    }
}

TEST_F(FindDialog, OpensWithTheSelectionAndClosesForGood)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(7);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    window->menu->MainMenuFind->trigger();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->EditFind->text(), QStringLiteral("Дом"));
    dialog()->CheckBoxRegister->setChecked(true);

    QPointer<TFormFind> first = dialog();
    QTest::keyClick(dialog()->EditFind, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(window->findDialogFlag);

    editor->setTextCursor(QTextCursor(editor->document()));
    window->PanelTransl->ToolButtonFind->click();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_FALSE(dialog()->CheckBoxRegister->isChecked());
    EXPECT_EQ(dialog()->EditFind->text(), QStringLiteral("Дом"));   // the shared search text
    dialog()->SpeedButtonCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // An article without a body opens nothing.
    window->search->findDialog->ToolButtonFindClick(false);
    EXPECT_EQ(dialog(), nullptr);
}

} // namespace
