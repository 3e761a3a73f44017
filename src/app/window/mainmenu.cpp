#include "app/window/mainmenu.h"

#include "app/window/commandstate.h"
#include "ui/imagelist16.h"

#include <QActionGroup>
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
    MenuDictionary = addMenu(bar, "MenuDictionary", tr("Словарь"));
    MainMenuDict1 = addCheckItem(MenuDictionary, "MainMenuDict1",
                                 tr("Саамско-русский словарь. Под редакцией "),
                                 QKeySequence(Qt::CTRL | Qt::Key_1), ImageList16::Dictionary1);
    MainMenuDict2 = addCheckItem(MenuDictionary, "MainMenuDict2",
                                 tr("Саамско-русский словарь. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_2), ImageList16::DictionaryOff);
    MainMenuDict4 = addCheckItem(MenuDictionary, "MainMenuDict4",
                                 tr("Саамско-русский словарь. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_3), ImageList16::DictionaryOff);
    MenuDictionary->addSeparator();
    MainMenuDict3 = addCheckItem(MenuDictionary, "MainMenuDict3",
                                 tr("Русско-саамский словарь. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_4), ImageList16::DictionaryOff);
    MenuDictionary->addSeparator();
    MainMenuRazg1 = addCheckItem(MenuDictionary, "MainMenuRazg1",
                                 tr("Саамско-русский разговорник. Автор: "),
                                 QKeySequence(Qt::CTRL | Qt::Key_5), ImageList16::PhrasebookOff);
    MenuDictionary->addSeparator();
    MainMenuExit = addItem(MenuDictionary, "MainMenuExit", tr("Выход"),
                           QKeySequence(Qt::ALT | Qt::Key_F4), ImageList16::Exit);
    setTag(MainMenuDict1, 81);
    setTag(MainMenuDict2, 82);
    setTag(MainMenuDict4, 83);
    setTag(MainMenuDict3, 91);
    setTag(MainMenuRazg1, 101);
    MainMenuDict1->setChecked(true);

    // "Правка"
    N1 = addMenu(bar, "N1", tr("Правка"));
    MainMenuCut = addItem(N1, "MainMenuCut", tr("Вырезать"),
                          QKeySequence(Qt::CTRL | Qt::Key_X), ImageList16::Cut);
    MainMenuCopy = addItem(N1, "MainMenuCopy", tr("Копировать"),
                           QKeySequence(Qt::CTRL | Qt::Key_C), ImageList16::Copy);
    MainMenuPaste = addItem(N1, "MainMenuPaste", tr("Вставить"),
                            QKeySequence(Qt::CTRL | Qt::Key_V), ImageList16::Paste);

    // "Вид"
    N5 = addMenu(bar, "N5", tr("Вид"));
    MainMenuCascade = addItem(N5, "MainMenuCascade", tr("Расположить карточки каскадом"),
                              QKeySequence(Qt::CTRL | Qt::Key_N), ImageList16::CascadeCards);
    MainMenuCloseAll = addItem(N5, "MainMenuCloseAll", tr("Закрыть все карточки"),
                               QKeySequence(Qt::SHIFT | Qt::Key_Delete), ImageList16::CloseAllCards);
    N5->addSeparator();
    N9 = addMenu(N5, "N9", tr("Прозрачность главного окна (%)"));
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
                                     tr("Разместить поверх других окон"),
                                     QKeySequence(Qt::CTRL | Qt::Key_U), ImageList16::AlwaysOnTop);
    N12 = addMenu(N5, "N12", tr("Отображение панелей"));
    setMenuImage(N12, ImageList16::Panels);
    MainMenuPanelToolBar = addCheckItem(N12, "MainMenuPanelToolBar", tr("Панель инструментов"));
    MainMenuPanelStatus = addCheckItem(N12, "MainMenuPanelStatus", tr("Панель статуса"));
    MainMenuPanelCaption = addCheckItem(N12, "MainMenuPanelCaption", tr("Заголовки"));
    MainMenuPanelPhrase = addCheckItem(N12, "MainMenuPanelPhrase", tr("Примеры речи"));
    for (QAction *item : {MainMenuPanelToolBar, MainMenuPanelStatus, MainMenuPanelCaption, MainMenuPanelPhrase})
        item->setChecked(true);
    N12->addSeparator();
    MainMenuVisiblePanel = addItem(N12, "MainMenuVisiblePanel", tr("Включить все"),
                                   {}, ImageList16::ShowAllPanels);
    MainMenuNotVisiblePanel = addItem(N12, "MainMenuNotVisiblePanel", tr("Выключить все"), {},
                                      ImageList16::HideAllPanels);
    MainMenuPanelLetters = addCheckItem(N5, "MainMenuPanelLetters", tr("Панель саамских букв"));
    MainMenuPanelLetters->setChecked(true);

    // "Сервис"
    MenuService = addMenu(bar, "MenuService", tr("Сервис"));
    N19 = addItem(MenuService, "N19", tr("Открыть карточку слова из списка"),
                  QKeySequence(Qt::CTRL | Qt::Key_O), ImageList16::OpenCard);
    MainMenuFind = addItem(MenuService, "MainMenuFind", tr("Найти в тексте перевода"),
                           QKeySequence(Qt::CTRL | Qt::Key_F), ImageList16::FindInArticle);
    MainMenuLink = addItem(MenuService, "MainMenuLink", tr("Идти на ссылку"),
                           QKeySequence(Qt::CTRL | Qt::Key_L), ImageList16::Link);
    N27 = addItem(MenuService, "N27", tr("Печать карточки"),
                  QKeySequence(Qt::CTRL | Qt::Key_P), ImageList16::Print);
    MenuService->addSeparator();
    MainMenuBack = addItem(MenuService, "MainMenuBack", tr("Шаг назад"),
                           QKeySequence(Qt::CTRL | Qt::Key_Z), ImageList16::StepBack);
    MainMenuForward = addItem(MenuService, "MainMenuForward", tr("Шаг вперед"),
                              QKeySequence(Qt::CTRL | Qt::Key_Y), ImageList16::StepForward);
    MainMenuBookmark = addCheckItem(MenuService, "MainMenuBookmark", tr("Закладка"), QKeySequence(Qt::CTRL | Qt::Key_M),
                                    ImageList16::Bookmark);
    MenuService->addSeparator();
    N28 = addItem(MenuService, "N28", tr("Поиск в словарях"),
                  QKeySequence(Qt::CTRL | Qt::Key_S), ImageList16::Search);
    MenuService->addSeparator();
    MainMenuClearHist = addItem(MenuService, "MainMenuClearHist", tr("Очистить историю"), {},
                                ImageList16::ClearHistory);
    MainMenuExportCards = addItem(MenuService, "MainMenuExportCards",
                                  tr("Экспорт карточек…"), {}, ImageList16::Card);
    MainMenuExportCards->setStatusTip(
        tr("Сохранить слова истории карточек как набор карточек для повторения"));
    MenuService->addSeparator();
    MainMenuSetup = addItem(MenuService, "MainMenuSetup", tr("Настройки"), {},
                            ImageList16::Settings);
    MenuService->addSeparator();
    MenuAdministration = addMenu(MenuService, "MenuAdministration", tr("Администрирование"));
    MainMenuIndexWord = addItem(MenuAdministration, "MainMenuIndexWord",
                                tr("Индексировать слова"));
    MainMenuAddDict = addItem(MenuAdministration, "MainMenuAddDict", tr("Добавить словарь"));
    MainMenuEditor = addItem(MenuAdministration, "MainMenuEditor", tr("Добавить/изменить"));
    for (QAction *item : {MainMenuIndexWord, MainMenuAddDict, MainMenuEditor})
        markAlwaysDisabled(item);

    // "Помощь"
    N6 = addMenu(bar, "N6", tr("Помощь"));
    MainMenuHelp = addItem(N6, "MainMenuHelp", tr("Справка"),
                           QKeySequence(Qt::Key_F1), ImageList16::Help);
    MainMenuAbout = addItem(N6, "MainMenuAbout", tr("О программе"), {}, ImageList16::About);
}

QList<QAction *> MainMenu::dictionaryItems() const
{
    return {MainMenuDict1, MainMenuDict2, MainMenuDict4, MainMenuDict3, MainMenuRazg1};
}

} // namespace lumolex
