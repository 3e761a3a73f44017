#pragma once

// Folder app/window: the main window and what only it needs: its menus and
// tool bar panel, the commands and their enabled state, the dictionary
// buttons, panel visibility, start-up and shutdown, and the links that wire
// each feature (article view, cards, searches, settings, shell) into the
// window. It is the top of the program: it may use every other folder of
// src/, and only the program entry (app/main.cpp) uses it.

// The main window FormLumoLex. It owns the shared state of the program (the
// three tables, the settings held in memory, the flags and counters) and is
// composed of parts that own their controls and handlers: the menu, the tool
// bar panel, the word panel, the article panel, the search panel, the
// examples panel and the status bar. Start-up and shutdown are in
// windowlifecycle.cpp.

#include "app/shell/appmessages.h"
#include "app/shell/startuptimeline.h"
#include "app/store/settings.h"
#include "app/store/settingsstore.h"
#include "data/wordlist/wordlistnavigator.h"
#include "data/files/backgroundload.h"
#include "data/files/credits.h"
#include "platform/keyboardstate.h"
#include "ui/traymode.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QMenu;
class QSplitter;
class QSplitterHandle;

namespace lumolex {

class AppearanceCommands;
class ArticleLink;
class ArticlePanel;
class CardLink;
class DeferredBodies;
class DictionaryControls;
class EditCommands;
class ExamplesPanel;
class FindPanel;
class FragmentLink;
class PanelVisibility;
class SearchLink;
class SetupLink;
class ShellLink;
class SingleInstance;
class StatusPanel;
class Table;
class ToolBarPanel;
class WordPanel;
struct MainMenu;

// What the program entry (or a test) gives the window.
struct LaunchOptions {
    QString programFolder;                        // empty: the executable's folder
    bool sharedProgramFolder = false;             // an install's shared folder: never written
    std::unique_ptr<SettingsStore> store;         // null: the program's own store
    QString singleInstanceKey;                    // empty: the program's own key
    std::unique_ptr<AppMessageBoxes> messages;    // null: real message boxes
    std::unique_ptr<StepTimer> navTimer;          // null: a QTimer drives TimerNav
    std::optional<StartupTimeline> timeline;      // the program's, from its start; none: from window creation
    std::unique_ptr<KeyboardState> keyboard;      // null: the system's keyboard
    std::unique_ptr<TrayPort> tray;               // null: the system's tray icon
    // The article and example files of the program folder's DATA, being
    // read already (startReadingStartupTables); null: the window starts
    // reading them when it is created.
    std::unique_ptr<BackgroundLoad> startupTables;
};

class TFormLumoLex : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFormLumoLex(LaunchOptions options = {}, QWidget *parent = nullptr);
    ~TFormLumoLex() override;

    static QString caption() { return tr("Лумолекс 3.1"); }

    // Creation, start-up and shutdown (windowlifecycle.cpp).
    void FormCreate();                 // settings store, single-instance rule
    bool FormShow();                   // the start-up; false when the program must end
    void FormCloseQuery();             // the shutdown: settings and history files written
    void StartDoubleProgramm();
    // True when creation or start-up decided that the program ends; the
    // program entry then returns exitCode().
    bool endRequested() const { return m_endRequested; }
    int exitCode() const { return m_exitCode; }
    // True once the start-up sequence has completed.
    bool started() const { return m_stage == Stage::Running || m_stage == Stage::ShutDown; }

    // Operations other parts call.
    void SetButtonDict(QObject *sender);
    void SetFilterDict(bool on);
    void EnabledComp(bool on);
    void FindWord(int id);
    void SetFonts();
    void MainMenuExitClick();
    void MainMenuHelpClick();

    // Shared state.
    Table *ClientDataSet1 = nullptr;   // articles
    Table *ClientDataSet2 = nullptr;   // word forms
    Table *ClientDataSet3 = nullptr;   // speech examples
    Settings settings;
    DictionaryCredits credits;
    QString programFolder;             // with a trailing separator
    QString helpFile;
    bool wordBoxGuard = false;
    bool findDialogFlag = false;
    int startupBookmark = 0;
    QString sharedSearchText;          // the text last searched for

    // Parts and controls.
    MainMenu *menu = nullptr;
    ToolBarPanel *PanelTop = nullptr;
    QSplitter *SplitterMain = nullptr;
    QSplitterHandle *SplitterLeft = nullptr;
    QSplitterHandle *SplitterRight = nullptr;
    WordPanel *PanelWord = nullptr;
    ArticlePanel *PanelTransl = nullptr;
    FindPanel *PanelFind = nullptr;
    ExamplesPanel *PanelPhrase = nullptr;
    StatusPanel *PanelStatus = nullptr;
    QMenu *PMenuList = nullptr;
    QAction *PMenuListOpenCard = nullptr;
    DictionaryControls *dictionaries = nullptr;
    ArticleLink *article = nullptr;    // record change, link, steps, bookmark, histories
    SearchLink *search = nullptr;      // search panel, fast word search, result list
    FragmentLink *fragment = nullptr;  // fragment search
    CardLink *cards = nullptr;         // word cards and printing
    AppearanceCommands *appearance = nullptr; // transparency, always on top
    PanelVisibility *panels = nullptr; // the four optional parts
    EditCommands *edit = nullptr;      // cut, copy, paste and PMenuEdit
    SetupLink *setup = nullptr;        // the settings dialog
    ShellLink *shell = nullptr;        // status fields, tray, About, splash, hints, help

    SettingsStore *settingsStore() const { return m_store.get(); }
    AppMessageBoxes *messages() const { return m_messages.get(); }
    // Milliseconds from the program's start (or the window's creation) to
    // the first article shown.
    qint64 startupMilliseconds() const { return m_startupMs; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void buildPopupMenus();
    void connectCommands();
    void connectWindowCommands();  // windowcommands.cpp
    void markPendingCommands();
    void setPanelCaptions(bool phrasebook);
    void readSettings();          // reads every setting and applies it to the window
    void applyPlacement();        // the stored size and place, or centred
    void loadHistories();         // the two history files into the drop-down lists
    QString programFolderToUse() const;   // the given program folder, else the executable's
    // The article and example tables with the credits; false (tables empty,
    // the cause in *error) when a file cannot be read.
    bool openTables(const QString &dataFolder, QString *error);
    void requestEnd(int code);

    LaunchOptions m_options;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<AppMessageBoxes> m_messages;
    std::unique_ptr<Table> m_articles;
    std::unique_ptr<Table> m_wordForms;
    std::unique_ptr<Table> m_examples;
    // The article bodies and example phrases while they are read after the
    // rows; destroyed before the tables.
    std::unique_ptr<DeferredBodies> m_bodies;
    std::unique_ptr<MainMenu> m_menu;   // the item pointers; the bar owns the items
    SingleInstance *m_singleInstance = nullptr;
    // The card and find histories as read at start-up: a save puts this
    // run's entries on top of what the files hold by then.
    QStringList m_historiesRead[2];
    StartupTimeline m_timeline{ProcessClock::sinceNow()};
    qint64 m_startupMs = -1;
    // Created until the first showing; Ended after a failed start-up.
    enum class Stage { Created, Starting, Running, ShutDown, Ended };
    Stage m_stage = Stage::Created;
    bool m_closeAskedWhileStarting = false;
    bool m_endRequested = false;
    int m_exitCode = 0;
};

} // namespace lumolex
