#include "app/window/mainmenu.h"

#include "app/window/commandstate.h"
#include "ui/imagelist16.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>

namespace lumolex {

namespace {

QMenu *addMenu(QWidget *parent, const char *name, const QString &title)
{
    QMenu *menu = nullptr;
    if (auto *bar = qobject_cast<QMenuBar *>(parent))
        menu = bar->addMenu(title);
    else
        menu = static_cast<QMenu *>(parent)->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
    return menu;
}

QAction *addItem(QMenu *menu, const char *name, const QString &text, const QKeySequence &shortcut = {},
                 int image = -1)
{
    auto *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Menu shortcuts act from anywhere in the main window.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (image >= 0)
        action->setIcon(ImageList16::shared().icon(image));
    action->setIconVisibleInMenu(true);
    return action;
}

QAction *addCheckItem(QMenu *menu, const char *name, const QString &text, const QKeySequence &shortcut = {},
                      int image = -1)
{
    auto *action = addItem(menu, name, text, shortcut, image);
    action->setCheckable(true);
    return action;
}

void setMenuImage(QMenu *menu, int image)
{
    menu->setIcon(ImageList16::shared().icon(image));
}

} // namespace

MainMenu::MainMenu(QMenuBar *bar)
{
    bar->setObjectName(QStringLiteral("MainMenu1"));

    // "Словарь": the dictionaries, captions completed with their credits later.
    MenuDictionary = addMenu(bar, "MenuDictionary", QCoreApplication::translate("MainMenu", "Словарь"));
    MainMenuDict1 = addCheckItem(MenuDictionary, "MainMenuDict1",
                                 QCoreApplication::translate("MainMenu", "Саамско-русский словарь. Под редакцией "),
                                 QKeySequence(Qt::CTRL | Qt::Key_1), ImageList16::Dictionary1);
    MainMenuDict2 = addCheckItem(MenuDictionary, "MainMenuDict2",
                                 QCoreApplication::translate("MainMenu", "Саамско-русский словарь. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_2), ImageList16::DictionaryOff);
    MainMenuDict4 = addCheckItem(MenuDictionary, "MainMenuDict4",
                                 QCoreApplication::translate("MainMenu", "Саамско-русский словарь. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_3), ImageList16::DictionaryOff);
    MenuDictionary->addSeparator();
    MainMenuDict3 = addCheckItem(MenuDictionary, "MainMenuDict3",
                                 QCoreApplication::translate("MainMenu", "Русско-саамский словарь. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_4), ImageList16::DictionaryOff);
    MenuDictionary->addSeparator();
    MainMenuRazg1 = addCheckItem(MenuDictionary, "MainMenuRazg1",
                                 QCoreApplication::translate("MainMenu", "Саамско-русский разговорник. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_5), ImageList16::PhrasebookOff);
    MenuDictionary->addSeparator();
    MainMenuExit = addItem(MenuDictionary, "MainMenuExit", QCoreApplication::translate("MainMenu", "Выход"),
                           QKeySequence(Qt::ALT | Qt::Key_F4), ImageList16::Exit);
    setTag(MainMenuDict1, 81);
    setTag(MainMenuDict2, 82);
    setTag(MainMenuDict4, 83);
    setTag(MainMenuDict3, 91);
    setTag(MainMenuRazg1, 101);
    MainMenuDict1->setChecked(true);

    // "Правка"
    N1 = addMenu(bar, "N1", QCoreApplication::translate("MainMenu", "Правка"));
    MainMenuCut = addItem(N1, "MainMenuCut", QCoreApplication::translate("MainMenu", "Вырезать"),
                          QKeySequence(Qt::CTRL | Qt::Key_X), ImageList16::Cut);
    MainMenuCopy = addItem(N1, "MainMenuCopy", QCoreApplication::translate("MainMenu", "Копировать"),
                           QKeySequence(Qt::CTRL | Qt::Key_C), ImageList16::Copy);
    MainMenuPaste = addItem(N1, "MainMenuPaste", QCoreApplication::translate("MainMenu", "Вставить"),
                            QKeySequence(Qt::CTRL | Qt::Key_V), ImageList16::Paste);

    // "Вид"
    N5 = addMenu(bar, "N5", QCoreApplication::translate("MainMenu", "Вид"));
    MainMenuCascade
        = addItem(N5, "MainMenuCascade", QCoreApplication::translate("MainMenu", "Расположить карточки каскадом"),
                  QKeySequence(Qt::CTRL | Qt::Key_N), ImageList16::CascadeCards);
    MainMenuCloseAll = addItem(N5, "MainMenuCloseAll", QCoreApplication::translate("MainMenu", "Закрыть все карточки"),
                               QKeySequence(Qt::SHIFT | Qt::Key_Delete), ImageList16::CloseAllCards);
    N5->addSeparator();
    N9 = addMenu(N5, "N9", QCoreApplication::translate("MainMenu", "Прозрачность главного окна (%)"));
    setMenuImage(N9, ImageList16::Transparency);
    TransparencyGroup = new QActionGroup(N9);
    TransparencyGroup->setObjectName(QStringLiteral("TransparencyGroup"));
    for (int percent = 0; percent <= 90; percent += 10) {
        const QByteArray name = percent == 0 ? QByteArray("N01") : "N" + QByteArray::number(percent) + "1";
        QAction *item = addCheckItem(N9, name.constData(), QString::number(percent));
        setTag(item, percent);
        TransparencyGroup->addAction(item);
        TransparencyItems.append(item);
    }
    TransparencyItems.first()->setChecked(true);
    MainMenuAlwaysTop = addCheckItem(N5, "MainMenuAlwaysTop",
                                     QCoreApplication::translate("MainMenu", "Разместить поверх других окон"),
                                     QKeySequence(Qt::CTRL | Qt::Key_U), ImageList16::AlwaysOnTop);
    N12 = addMenu(N5, "N12", QCoreApplication::translate("MainMenu", "Отображение панелей"));
    setMenuImage(N12, ImageList16::Panels);
    MainMenuPanelToolBar
        = addCheckItem(N12, "MainMenuPanelToolBar", QCoreApplication::translate("MainMenu", "Панель инструментов"));
    MainMenuPanelStatus
        = addCheckItem(N12, "MainMenuPanelStatus", QCoreApplication::translate("MainMenu", "Панель статуса"));
    MainMenuPanelCaption
        = addCheckItem(N12, "MainMenuPanelCaption", QCoreApplication::translate("MainMenu", "Заголовки"));
    MainMenuPanelPhrase
        = addCheckItem(N12, "MainMenuPanelPhrase", QCoreApplication::translate("MainMenu", "Примеры речи"));
    for (QAction *item : {MainMenuPanelToolBar, MainMenuPanelStatus, MainMenuPanelCaption, MainMenuPanelPhrase})
        item->setChecked(true);
    N12->addSeparator();
    MainMenuVisiblePanel = addItem(N12, "MainMenuVisiblePanel", QCoreApplication::translate("MainMenu", "Включить все"),
                                   {}, ImageList16::ShowAllPanels);
    MainMenuNotVisiblePanel
        = addItem(N12, "MainMenuNotVisiblePanel", QCoreApplication::translate("MainMenu", "Выключить все"), {},
                  ImageList16::HideAllPanels);
    MainMenuPanelLetters
        = addCheckItem(N5, "MainMenuPanelLetters", QCoreApplication::translate("MainMenu", "Панель саамских букв"));
    MainMenuPanelLetters->setChecked(true);

    // "Сервис"
    MenuService = addMenu(bar, "MenuService", QCoreApplication::translate("MainMenu", "Сервис"));
    N19 = addItem(MenuService, "N19", QCoreApplication::translate("MainMenu", "Открыть карточку слова из списка"),
                  QKeySequence(Qt::CTRL | Qt::Key_O), ImageList16::OpenCard);
    MainMenuFind
        = addItem(MenuService, "MainMenuFind", QCoreApplication::translate("MainMenu", "Найти в тексте перевода"),
                  QKeySequence(Qt::CTRL | Qt::Key_F), ImageList16::FindInArticle);
    MainMenuLink = addItem(MenuService, "MainMenuLink", QCoreApplication::translate("MainMenu", "Идти на ссылку"),
                           QKeySequence(Qt::CTRL | Qt::Key_L), ImageList16::Link);
    N27 = addItem(MenuService, "N27", QCoreApplication::translate("MainMenu", "Печать карточки"),
                  QKeySequence(Qt::CTRL | Qt::Key_P), ImageList16::Print);
    MenuService->addSeparator();
    MainMenuBack = addItem(MenuService, "MainMenuBack", QCoreApplication::translate("MainMenu", "Шаг назад"),
                           QKeySequence(Qt::CTRL | Qt::Key_Z), ImageList16::StepBack);
    MainMenuForward = addItem(MenuService, "MainMenuForward", QCoreApplication::translate("MainMenu", "Шаг вперед"),
                              QKeySequence(Qt::CTRL | Qt::Key_Y), ImageList16::StepForward);
    MainMenuBookmark
        = addCheckItem(MenuService, "MainMenuBookmark", QCoreApplication::translate("MainMenu", "Закладка"),
                       QKeySequence(Qt::CTRL | Qt::Key_M), ImageList16::Bookmark);
    MenuService->addSeparator();
    N28 = addItem(MenuService, "N28", QCoreApplication::translate("MainMenu", "Поиск в словарях"),
                  QKeySequence(Qt::CTRL | Qt::Key_S), ImageList16::Search);
    MenuService->addSeparator();
    MainMenuClearHist
        = addItem(MenuService, "MainMenuClearHist", QCoreApplication::translate("MainMenu", "Очистить историю"), {},
                  ImageList16::ClearHistory);
    MainMenuExportCards = addItem(MenuService, "MainMenuExportCards",
                                  QCoreApplication::translate("MainMenu", "Экспорт карточек…"), {}, ImageList16::Card);
    MainMenuExportCards->setStatusTip(
        QCoreApplication::translate("MainMenu", "Сохранить слова истории карточек как набор карточек для повторения"));
    MenuService->addSeparator();
    MainMenuSetup = addItem(MenuService, "MainMenuSetup", QCoreApplication::translate("MainMenu", "Настройки"), {},
                            ImageList16::Settings);
    MenuService->addSeparator();
    MenuAdministration
        = addMenu(MenuService, "MenuAdministration", QCoreApplication::translate("MainMenu", "Администрирование"));
    MainMenuIndexWord = addItem(MenuAdministration, "MainMenuIndexWord",
                                QCoreApplication::translate("MainMenu", "Индексировать слова"));
    MainMenuAddDict
        = addItem(MenuAdministration, "MainMenuAddDict", QCoreApplication::translate("MainMenu", "Добавить словарь"));
    MainMenuEditor
        = addItem(MenuAdministration, "MainMenuEditor", QCoreApplication::translate("MainMenu", "Добавить/изменить"));
    for (QAction *item : {MainMenuIndexWord, MainMenuAddDict, MainMenuEditor})
        markAlwaysDisabled(item);

    // "Помощь"
    N6 = addMenu(bar, "N6", QCoreApplication::translate("MainMenu", "Помощь"));
    MainMenuHelp = addItem(N6, "MainMenuHelp", QCoreApplication::translate("MainMenu", "Справка"),
                           QKeySequence(Qt::Key_F1), ImageList16::Help);
    MainMenuAbout
        = addItem(N6, "MainMenuAbout", QCoreApplication::translate("MainMenu", "О программе"), {}, ImageList16::About);
}

QList<QAction *> MainMenu::dictionaryItems() const
{
    return {MainMenuDict1, MainMenuDict2, MainMenuDict4, MainMenuDict3, MainMenuRazg1};
}

} // namespace lumolex
