// With the focus in the word box, the step commands on Ctrl+Z and Ctrl+Y
// run instead of the box's own undo and redo.
#include "appfixture.h"

#include "app/window/mainmenu.h"
#include "app/lists/wordpanel.h"
#include "article/view/stepnavigator.h"
#include "data/table/table.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

TEST(MenuShortcuts, StepKeysWinOverTheWordBoxUndo)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    w->activateWindow();
    QApplication::processEvents();
    QLineEdit *box = w->PanelWord->EditWord->lineEdit();
    box->setFocus();
    const int first = currentId(*w->ClientDataSet1);
    w->ClientDataSet1->next();
    const int second = currentId(*w->ClientDataSet1);
    ASSERT_NE(first, second);
    ASSERT_TRUE(w->menu->MainMenuBack->isEnabled());

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(currentId(*w->ClientDataSet1), first);
    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(currentId(*w->ClientDataSet1), second);

    // Keys no menu item uses keep their meaning in the box.
    box->setText(QStringLiteral("дом"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->selectedText(), QStringLiteral("дом"));
}
