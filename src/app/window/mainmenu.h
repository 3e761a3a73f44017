#pragma once

// The main menu of the main window: "Словарь", "Правка", "Вид", "Сервис",
// "Помощь". Every item is a QAction whose member name is its object name.
// The builder only creates the items, with texts, shortcuts and pictures;
// the window and its parts connect the commands.

#include "ui/controltag.h"

#include <QCoreApplication>
#include <QList>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QObject;

namespace lumolex {

struct MainMenu
{
    Q_DECLARE_TR_FUNCTIONS(lumolex::MainMenu)
public:

    // Builds the whole menu into `bar`.
    explicit MainMenu(QMenuBar *bar);

    // "Словарь"
    QMenu *MenuDictionary;
    QAction *MainMenuDict1;
    QAction *MainMenuDict2;
    QAction *MainMenuDict4;
    QAction *MainMenuDict3;
    QAction *MainMenuRazg1;
    QAction *MainMenuExit;

    // "Правка"
    QMenu *N1;
    QAction *MainMenuCut;
    QAction *MainMenuCopy;
    QAction *MainMenuPaste;

    // "Вид"
    QMenu *N5;
    QAction *MainMenuCascade;
    QAction *MainMenuCloseAll;
    QMenu *N9;                       // transparency of the main window
    QActionGroup *TransparencyGroup;
    QList<QAction *> TransparencyItems; // N01, N101 ... N901, tag = percentage
    QAction *MainMenuAlwaysTop;
    QMenu *N12;                      // panels
    QAction *MainMenuPanelToolBar;
    QAction *MainMenuPanelStatus;
    QAction *MainMenuPanelCaption;
    QAction *MainMenuPanelPhrase;
    QAction *MainMenuVisiblePanel;
    QAction *MainMenuNotVisiblePanel;
    QAction *MainMenuPanelLetters;      // the letter palette under the word box

    // "Сервис"
    QMenu *MenuService;
    QAction *N19;                    // open a card
    QAction *MainMenuFind;
    QAction *MainMenuLink;
    QAction *N27;                    // print
    QAction *MainMenuBack;
    QAction *MainMenuForward;
    QAction *MainMenuBookmark;
    QAction *N28;                    // search panel
    QAction *MainMenuClearHist;
    QAction *MainMenuExportCards;
    QAction *MainMenuSetup;
    QMenu *MenuAdministration;
    QAction *MainMenuIndexWord;
    QAction *MainMenuAddDict;
    QAction *MainMenuEditor;

    // "Помощь"
    QMenu *N6;
    QAction *MainMenuHelp;
    QAction *MainMenuAbout;

    // The five dictionary items in screen order (slots of the selection).
    QList<QAction *> dictionaryItems() const;
};

} // namespace lumolex
