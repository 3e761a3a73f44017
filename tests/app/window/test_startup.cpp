// Start-up of the real main window over a small program folder: the window
// without settings, its splitter, size, panels, fonts and placement;
// the pending commands and Qt's own texts in Russian. (The help is in the
// shell tests.)

#include "appfixture.h"

#include "app/window/commandstate.h"
#include "app/window/dictionarycontrols.h"
#include "app/search/findpanel.h"
#include "app/window/mainmenu.h"
#include "app/shell/qttranslation.h"
#include "app/store/settingsstore.h"
#include "app/window/toolbarpanel.h"
#include "app/window/windowplacement.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "data/wordlist/wordlistmodel.h"
#include "article/view/articlepanel.h"
#include "article/view/examplespanel.h"
#include "app/shell/statuspanel.h"
#include "data/table/table.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QToolBar>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

TEST(StartUp, WithoutSettingsOpensCentredOnDictionaryOne)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    ASSERT_FALSE(w->endRequested());
    EXPECT_TRUE(app.messages().empty());

    EXPECT_EQ(w->objectName(), QStringLiteral("FormLumoLex"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Лумолекс 3.1"));
    EXPECT_EQ(w->size(), QSize(700, 550));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->pos(), QPoint(screen.width() / 2 - 350, screen.height() / 2 - 275));

    EXPECT_TRUE(w->PanelTop->isVisibleTo(w));
    EXPECT_TRUE(w->PanelStatus->isVisibleTo(w));
    EXPECT_TRUE(w->PanelPhrase->isVisibleTo(w));
    EXPECT_TRUE(w->PanelWord->ToolBarWord->isVisibleTo(w));
    EXPECT_FALSE(w->PanelFind->isVisibleTo(w));
    EXPECT_FALSE(w->SplitterRight->isVisibleTo(w));
    EXPECT_EQ(w->PanelWord->width(), 200);

    EXPECT_TRUE(w->PanelTop->SpeedButtonDict1->isChecked());
    EXPECT_TRUE(w->menu->MainMenuDict1->isChecked());
    for (QToolButton *b : {w->PanelTop->SpeedButtonDict2, w->PanelTop->SpeedButtonDict3,
                           w->PanelTop->SpeedButtonDict4, w->PanelTop->SpeedButtonRazg1})
        EXPECT_FALSE(b->isChecked()) << qPrintable(b->objectName());
    EXPECT_EQ(w->ClientDataSet1->filterText(), QStringLiteral("(DICT=0) OR (DICT=1)"));
    EXPECT_TRUE(w->ClientDataSet1->isFiltered());
    EXPECT_EQ(w->ClientDataSet1->recordNumber(), 1);
    EXPECT_EQ(test::currentWord(*w->ClientDataSet1), QStringLiteral("абба"));
    EXPECT_EQ(w->PanelWord->LabelCaptionWord->text(), QStringLiteral("Слово"));
    EXPECT_EQ(w->PanelWord->PMenuLetter->actions().size(), 31);
    // The start-up time is taken once the article has been painted.
    EXPECT_TRUE(QTest::qWaitFor([w] { return w->startupMilliseconds() >= 0; }, 5000));
    // The article's beginning, with the caret at line 1, column 1.
    EXPECT_EQ(w->PanelStatus->StaticTextCurPos->text(), QStringLiteral("  1 :   1"));
    EXPECT_EQ(w->PanelWord->EditWord->currentText(), QStringLiteral("абба"));
    // The administration items stay off for the whole run.
    EXPECT_FALSE(w->menu->MainMenuIndexWord->isEnabled());
    EXPECT_FALSE(w->menu->MainMenuAddDict->isEnabled());
    EXPECT_FALSE(w->menu->MainMenuEditor->isEnabled());
}

TEST(StartUp, SplitterKeepsFiftyPixelsOnEachSide)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    QSplitterHandle *handle = w->SplitterLeft;
    EXPECT_EQ(handle->width(), 5);
    const auto drag = [handle](int dx) {
        const QPoint grip(2, handle->height() / 2);
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(handle, grip + QPoint(dx, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(dx, 0));
    };
    drag(-400);
    EXPECT_EQ(w->PanelWord->width(), 50);
    drag(1000);
    EXPECT_EQ(w->PanelTransl->width(), 50);
    EXPECT_GT(w->PanelWord->width(), 500);
}

TEST(StartUp, StoredSizeIsKeptOrCutToTheScreensAndMinusOneOrAPlaceOffEveryScreenCentres)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const struct { QList<QPair<QString, QString>> stored; QSize size; } cases[] = {
        {{{"FormMainWidth", "320"}, {"FormMainHeight", "260"}}, {320, 260}}, // small sizes are kept
        {{{"FormMainWidth", "640"}, {"FormMainHeight", "480"}, {"FormMainLeft", "-1"}, {"FormMainTop", "300"}},
         {640, 480}},
        // A hand-edited huge width is cut to the screens; not a number: the default.
        {{{"FormMainWidth", "200000"}, {"FormMainHeight", "abc"}}, {screen.width(), 550}},
        // Off every screen: back to the middle (the placement test has the edges).
        {{{"FormMainLeft", "2147483647"}, {"FormMainTop", "2147483647"}}, {700, 550}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored.first().second.toStdString());
        AppFixture app;
        for (const auto &[name, value] : c.stored)
            app.writeSetting(name, value);
        TFormLumoLex *w = app.start();
        EXPECT_EQ(w->size(), c.size);
        EXPECT_EQ(w->pos(), QPoint(screen.width() / 2 - c.size.width() / 2, screen.height() / 2 - c.size.height() / 2));
    }
}

TEST(StartUp, StoredPanelWidths)
{
    // Which parts are shown is stored too: see the panel visibility tests.
    AppFixture app;
    app.writeSetting("PanelWordWidth", "260");
    app.writeSetting("PanelFindWidth", "260");
    TFormLumoLex *w = app.start();
    EXPECT_EQ(w->PanelWord->width(), 260);

    // The search panel starts hidden: layout passes while it is hidden
    // squeeze the hidden widget, and its stored width must survive them.
    ASSERT_FALSE(w->PanelFind->isVisible());
    w->resize(900, 600);
    w->SplitterMain->setSizes({260, 640, 0});
    w->PanelFind->resize(50, w->PanelFind->height());
    QCoreApplication::processEvents();

    app.writeSetting("PanelFindWidth", "0"); // the store is written at shutdown only
    app.close();
    EXPECT_EQ(app.readSetting("PanelWordWidth"), QStringLiteral("260"));
    EXPECT_EQ(app.readSetting("PanelFindWidth"), QStringLiteral("260"));
}

TEST(StartUp, ListFontAndRowHeightFromTheSettings)
{
    AppFixture app;
    app.writeSetting("FontNameLumo", "DejaVu Sans");
    app.writeSetting("FontSizeList", "20");
    TFormLumoLex *w = app.start();
    const QFont font = w->PanelWord->DBGrid1->font();
    EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font.pointSize(), 20);
    EXPECT_EQ(w->PanelWord->DBGrid1->rowHeight(), QFontInfo(font).pixelSize() + 8);
    EXPECT_EQ(w->PanelWord->EditWord->font().pointSize(), 20);
    EXPECT_EQ(w->PanelFind->EditFind->font().pointSize(), 20);
    EXPECT_EQ(w->PanelWord->DBGrid1->visualRect(w->PanelWord->model()->index(1, 0)).top(),
              w->PanelWord->DBGrid1->rowHeight());
}

TEST(WindowPlacement, OffEveryScreenComesBackToThePrimary)
{
    const QRect primary(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    const QPoint centred(610, 265);
    const struct { const char *what; int left; int top; QList<QRect> screens; QPoint place; } cases[] = {
        {"a second monitor at the right was unplugged", 2500, 100, {primary}, centred},
        {"partly visible at the right stays", 1800, 100, {primary}, {1800, 100}},
        {"partly visible at the left stays", -600, 20, {primary}, {-600, 20}},
        {"above the screen, the title bar out of reach", 100, -540, {primary}, centred},
        {"on the second screen while it is there", 2500, 100, {primary, second}, {2500, 100}},
        // Edges where the window's far side is past the largest integer.
        {"far side just past the integers", 2147483000, 2147483000, {primary}, centred},
        {"the largest integer", 2147483647, 2147483647, {primary}, centred},
        {"the smallest integer", -2147483647 - 1, 100, {primary}, centred},
        {"-1 in either edge centres", 10, -1, {primary}, centred},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(placeMainWindow(QSize(700, 550), c.left, c.top, primary, c.screens), QRect(c.place, QSize(700, 550)));
    }
}

TEST(CommandState, PendingControlsStayDisabledUntilTheirCommandIsReady)
{
    QWidget window;
    auto *button = new QToolButton(&window);
    auto *action = new QAction(QStringLiteral("x"), &window);
    markCommandPending(button);
    markCommandPending(action);
    button->setEnabled(true); // as a part enabling its commands by the article would
    action->setEnabled(true);
    setAllControlsEnabled(&window, true);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(action->isEnabled());

    setCommandReady(button);
    setCommandReady(action);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(action->isEnabled());
    setAllControlsEnabled(&window, false);
    EXPECT_FALSE(button->isEnabled());
    button->setEnabled(true);
    EXPECT_TRUE(button->isEnabled());

    markAlwaysDisabled(action);
    setAllControlsEnabled(&window, true);
    EXPECT_FALSE(action->isEnabled());
}

TEST(QtTexts, DialogButtonsSpeakRussian)
{
    QTranslator *russian = installQtRussian(QCoreApplication::instance());
    ASSERT_NE(russian, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    QCoreApplication::removeTranslator(russian);
    delete russian;
}

} // namespace
} // namespace lumolex
