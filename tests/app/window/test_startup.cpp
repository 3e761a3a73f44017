// Start-up of the real main window over a small program folder: the window
// without settings, its menus, splitter, size, panels, fonts and placement;
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

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QToolBar>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

// receivers() is protected; the test only counts connections. The member
// pointer taken through a subclass is called on the object itself, so no
// object is cast to a type it does not have.
struct ConnectionCount : QObject {
    static int of(const QObject *object, const char *signal)
    {
        return (object->*(&ConnectionCount::receivers))(signal);
    }
};

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

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
}

TEST(StartUp, MenusHoldEveryItemInOrder)
{
    AppFixture app;
    TFormLumoLex *w = app.create();
    QStringList titles;
    for (const QAction *a : w->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"Словарь", "Правка", "Вид", "Сервис", "Помощь"}));
    EXPECT_EQ(menuTexts(w->menu->N1), (QStringList{"Вырезать", "Копировать", "Вставить"}));
    EXPECT_EQ(menuTexts(w->menu->MenuService),
              (QStringList{"Открыть карточку слова из списка", "Найти в тексте перевода", "Идти на ссылку",
                           "Печать карточки", "-", "Шаг назад", "Шаг вперед", "Закладка", "-", "Поиск в словарях",
                           "-", "Очистить историю", "-", "Настройки", "-", "Администрирование"}));
    EXPECT_EQ(menuTexts(w->menu->N9).size(), 10);
    EXPECT_EQ(menuTexts(w->menu->N12), (QStringList{"Панель инструментов", "Панель статуса", "Заголовки",
                                                    "Примеры речи", "-", "Включить все", "Выключить все"}));
    EXPECT_EQ(menuTexts(w->menu->N6), (QStringList{"Справка", "О программе"}));
    const QStringList dictionary = menuTexts(w->menu->MenuDictionary);
    ASSERT_EQ(dictionary.size(), 9);
    EXPECT_EQ(dictionary[3], QStringLiteral("-"));
    EXPECT_EQ(dictionary[8], QStringLiteral("Выход"));

    // The dictionary shortcuts are pressed in the window dictionaries test.
    EXPECT_EQ(w->menu->MainMenuExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    EXPECT_EQ(w->menu->MainMenuLink->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    // Every item is found by its name.
    for (const char *name : {"MainMenuDict1", "MainMenuCascade", "MainMenuCloseAll", "N01", "N901",
                             "MainMenuAlwaysTop", "N19", "N27", "N28", "MainMenuEditor", "MainMenuAbout"})
        EXPECT_NE(w->findChild<QAction *>(QString::fromLatin1(name)), nullptr) << name;
}

TEST(StartUp, EveryEnabledMenuItemHasACommand)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    for (QAction *action : w->findChildren<QAction *>()) {
        if (action->isSeparator() || action->menu() || !action->isEnabled() || action->objectName().isEmpty())
            continue;
        // Its menu listens to every item; a command is one more listener.
        EXPECT_GT(ConnectionCount::of(action, SIGNAL(triggered(bool))), 1) << qPrintable(action->objectName());
    }
    // The same for buttons that run a command when clicked.
    for (QAbstractButton *button : w->findChildren<QAbstractButton *>()) {
        if (!button->isEnabled() || qobject_cast<QCheckBox *>(button) || button->objectName().isEmpty()
            || (qobject_cast<QToolButton *>(button) && static_cast<QToolButton *>(button)->menu()))
            continue;
        EXPECT_GT(ConnectionCount::of(button, SIGNAL(clicked(bool))), 0) << qPrintable(button->objectName());
    }
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
        // Far off every screen, up to the largest integer: back to the middle.
        {{{"FormMainLeft", "2147483000"}, {"FormMainTop", "2147483000"}}, {700, 550}},
        {{{"FormMainLeft", "2147483647"}, {"FormMainTop", "2147483647"}}, {700, 550}},
        {{{"FormMainLeft", "-2147483648"}, {"FormMainTop", "-2147483648"}}, {700, 550}},
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
    const QList<QRect> screens = {primary};
    // A second monitor at the right was unplugged.
    EXPECT_EQ(placeMainWindow(QSize(700, 550), 2500, 100, primary, screens), QRect(610, 265, 700, 550));
    // Partly visible windows stay where they are.
    EXPECT_EQ(placeMainWindow(QSize(700, 550), 1800, 100, primary, screens).topLeft(), QPoint(1800, 100));
    EXPECT_EQ(placeMainWindow(QSize(700, 550), -600, 20, primary, screens).topLeft(), QPoint(-600, 20));
    // Above the screen: the title bar cannot be reached.
    EXPECT_EQ(placeMainWindow(QSize(700, 550), 100, -540, primary, screens).topLeft(), QPoint(610, 265));
    // With two screens, a place on the second one is kept.
    EXPECT_EQ(placeMainWindow(QSize(700, 550), 2500, 100, primary, {primary, QRect(1920, 0, 1280, 1024)}).topLeft(),
              QPoint(2500, 100));
    // Edges where the window's far side is past the largest integer.
    EXPECT_EQ(placeMainWindow(QSize(700, 550), 2147483647, 2147483647, primary, screens).topLeft(), QPoint(610, 265));
    EXPECT_EQ(placeMainWindow(QSize(700, 550), -2147483647 - 1, 100, primary, screens).topLeft(), QPoint(610, 265));
    // -1 in either edge centres.
    EXPECT_EQ(placeMainWindow(QSize(700, 551), 10, -1, primary, screens).topLeft(), QPoint(610, 265));
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
