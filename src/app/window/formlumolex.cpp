#include "app/window/formlumolex.h"

#include "app/shell/appmessages.h"
#include "app/window/articlelink.h"
#include "app/window/cardlink.h"
#include "app/window/commandstate.h"
#include "app/window/dictionarycontrols.h"
#include "app/search/findpanel.h"
#include "app/window/fontapplication.h"
#include "app/window/fragmentlink.h"
#include "app/lists/letterpalette.h"
#include "app/window/mainmenu.h"
#include "ui/menushortcutsfirst.h"
#include "app/window/panelvisibility.h"
#include "app/lists/resultlistbox.h"
#include "app/window/searchlink.h"
#include "app/store/settingsstore.h"
#include "app/window/shelllink.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/examplespanel.h"
#include "article/view/stepnavigator.h"
#include "data/files/datafiles.h"
#include "data/files/datafileschema.h"
#include "data/files/deferredbodies.h"
#include "data/table/table.h"
#include "data/wordlist/wordlistnavigator.h"
#include "platform/edgesnap.h"
#include "ui/aboutbox.h"
#include "ui/imagelist16.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumolex {

TFormLumoLex::TFormLumoLex(LaunchOptions options, QWidget *parent)
    : QMainWindow(parent)
    , m_options(std::move(options))
{
    if (m_options.timeline)
        m_timeline = *m_options.timeline;
    setObjectName(QStringLiteral("FormLumoLex"));
    setWindowTitle(caption());
    setWindowIcon(ImageList16::smallApplicationIcon());
    // The font before any child: a font set later is sent to every child
    // made so far, and the menu bar lays itself out again for it.
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    // Then the menu bar: making it, Qt asks the desktop's session bus for a
    // global menu and waits for a thread of its own to connect, a wait that
    // grew by several milliseconds when the reading below competed with it.
    m_menu = std::make_unique<MainMenu>(menuBar());
    menu = m_menu.get();
    // The rows of the article and example files are read on a thread of
    // their own while the rest of the window is built and the splash shown.
    // Not earlier: beside Qt's connection to the display, that thread
    // slowed the start too.
    if (!m_options.startupTables)
        m_options.startupTables = startReadingStartupTables(dataFolderOf(programFolderToUse()));
    // So is the splash box's picture.
    beginDrawingAboutPicture();

    m_messages = m_options.messages ? std::move(m_options.messages)
                                    : std::make_unique<DialogAppMessageBoxes>(this);
    m_articles = std::make_unique<Table>(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles));
    m_wordForms = std::make_unique<Table>(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
    m_examples = std::make_unique<Table>(QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples));
    ClientDataSet1 = m_articles.get();
    ClientDataSet2 = m_wordForms.get();
    ClientDataSet3 = m_examples.get();

    buildLayout();
    buildPopupMenus();

    dictionaries = new DictionaryControls(ClientDataSet1, PanelTop->dictionaryButtons(), menu->dictionaryItems(), this);
    dictionaries->onCaptions = [this](PanelCaptions captions) {
        setPanelCaptions(captions == PanelCaptions::Phrasebook);
    };
    article = new ArticleLink(this);
    connectCommands();
    markPendingCommands();
    search = new SearchLink(this);
    fragment = new FragmentLink(this);
    cards = new CardLink(this);
    new EdgeSnapper(this, [this] { return settings.DockWindow; });
    connectWindowCommands();
    shell = new ShellLink(this, std::move(m_options.keyboard), std::move(m_options.tray));
    connect(menu->MainMenuAbout, &QAction::triggered, shell, &ShellLink::MainMenuAboutClick);
    connect(shell, &ShellLink::closeCardsOnSwitch, cards, [this] { cards->CloseAllCards(false); });
    m_timeline.mark("window construction");

    FormCreate();
}

TFormLumoLex::~TFormLumoLex() = default;

void TFormLumoLex::buildLayout()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("PanelClient"));
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // The window may be made smaller than its contents: the tool bar and the
    // panels are clipped then, as the stored size asks.
    PanelTop = new ToolBarPanel(central);
    PanelTop->setMinimumWidth(1);
    column->addWidget(PanelTop);

    SplitterMain = new QSplitter(Qt::Horizontal, central);
    SplitterMain->setObjectName(QStringLiteral("SplitterMain"));
    SplitterMain->setHandleWidth(5);
    SplitterMain->setChildrenCollapsible(false);
    SplitterMain->setOpaqueResize(true);
    SplitterMain->setMinimumSize(1, 1);

    PanelWord = new WordPanel(ClientDataSet1, &settings, &wordBoxGuard, std::move(m_options.navTimer), SplitterMain);
    PanelWord->setMinimumWidth(50);
    PanelTransl = new ArticlePanel(SplitterMain);
    PanelTransl->setMinimumWidth(50);
    PanelTransl->setWordBox(PanelWord->EditWord);
    PanelFind = new FindPanel(SplitterMain);
    SplitterMain->addWidget(PanelWord);
    SplitterMain->addWidget(PanelTransl);
    SplitterMain->addWidget(PanelFind);
    SplitterMain->setStretchFactor(0, 0);
    SplitterMain->setStretchFactor(1, 1);
    SplitterMain->setStretchFactor(2, 0);
    SplitterLeft = SplitterMain->handle(1);
    SplitterLeft->setObjectName(QStringLiteral("SplitterLeft"));
    SplitterRight = SplitterMain->handle(2);
    SplitterRight->setObjectName(QStringLiteral("SplitterRight"));
    PanelFind->hide(); // its splitter handle hides with it
    column->addWidget(SplitterMain, 1);

    PanelPhrase = new ExamplesPanel(central);
    PanelPhrase->setFixedHeight(44);
    PanelPhrase->setFontSource([this] { return ArticleFont{settings.FontNameLumo, settings.FontSizeText}; });
    column->addWidget(PanelPhrase);
    PanelStatus = new StatusPanel(central);
    column->addWidget(PanelStatus);

    setCentralWidget(central);
}

void TFormLumoLex::buildPopupMenus()
{
    PMenuList = new QMenu(this);
    PMenuList->setObjectName(QStringLiteral("PMenuList"));
    PMenuListOpenCard = PMenuList->addAction(ImageList16::shared().icon(ImageList16::OpenCard),
                                             tr("Открыть карточку слова из списка"));
    PMenuListOpenCard->setObjectName(QStringLiteral("PMenuListOpenCard"));
    PanelWord->DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PanelWord->DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PMenuList->popup(PanelWord->DBGrid1->viewport()->mapToGlobal(pos));
    });
}

void TFormLumoLex::connectCommands()
{
    connect(menu->MainMenuExit, &QAction::triggered, this, &TFormLumoLex::MainMenuExitClick);
    connect(menu->MainMenuHelp, &QAction::triggered, this, &TFormLumoLex::MainMenuHelpClick);

    // The menu's shortcuts come before the text boxes' own editing keys.
    auto *shortcutsFirst = new MenuShortcutsFirst(menuItemsOf(menuBar()), this);
    shortcutsFirst->watch(PanelWord->EditWord);
    shortcutsFirst->watch(PanelFind->EditFind);

    connect(menu->MainMenuPanelLetters, &QAction::toggled, this, [this](bool shown) {
        settings.PanelLetters = shown;
        PanelWord->PanelLetters->setVisible(shown);
    });
}

void TFormLumoLex::markPendingCommands()
{
    // Commands that come with the card windows, the search, the settings
    // dialog, the window commands and the About box: disabled until their
    // part connects them.
    const QList<QObject *> pending = {
        menu->MainMenuCut, menu->MainMenuCopy, menu->MainMenuPaste,
        menu->MainMenuCascade, menu->MainMenuCloseAll, menu->MainMenuAlwaysTop,
        menu->MainMenuPanelToolBar, menu->MainMenuPanelStatus, menu->MainMenuPanelCaption,
        menu->MainMenuPanelPhrase, menu->MainMenuVisiblePanel, menu->MainMenuNotVisiblePanel,
        menu->N19, menu->MainMenuFind, menu->N27, menu->N28, menu->MainMenuSetup,
        PanelTop->SpeedButtonOpenCard, PanelTop->SpeedButtonFind, PanelTop->SpeedButtonCloseAll,
        PanelTop->SpeedButtonFormTop, PMenuListOpenCard,
        PanelTransl->ToolButtonFind,
        PanelFind->ToolButtonCloseFind, PanelFind->ToolButtonGoFind1, PanelFind->ToolButtonGoFind2,
    };
    for (QObject *control : pending)
        markCommandPending(control);
    for (QAction *item : menu->TransparencyItems)
        markCommandPending(item);
}

void TFormLumoLex::setPanelCaptions(bool phrasebook)
{
    PanelWord->LabelCaptionWord->setText(phrasebook ? tr("Тема") : tr("Слово"));
    PanelTransl->LabelCaptionTransl->setText(phrasebook ? tr("Фразы") : tr("Перевод"));
}

void TFormLumoLex::SetButtonDict(QObject *sender)
{
    dictionaries->SetButtonDict(sender);
}

void TFormLumoLex::SetFilterDict(bool on)
{
    dictionaries->SetFilterDict(on);
}

void TFormLumoLex::FindWord(int id)
{
    dictionaries->FindWord(id);
}

void TFormLumoLex::EnabledComp(bool on)
{
    setAllControlsEnabled(this, on);
    if (!on)
        return;
    // Controls whose state depends on something else.
    article->steps->BtnStepEnabled();
    const bool cardsOpen = cards->count() > 0;
    if (!isCommandPending(PanelTop->SpeedButtonCloseAll))
        PanelTop->SpeedButtonCloseAll->setEnabled(cardsOpen);
    if (!isCommandPending(menu->MainMenuCloseAll))
        menu->MainMenuCloseAll->setEnabled(cardsOpen);
    if (!isCommandPending(menu->MainMenuCascade))
        menu->MainMenuCascade->setEnabled(cardsOpen);
    if (panels)
        panels->updateAllItems();
}

void TFormLumoLex::SetFonts()
{
    FontApplication(this).run();
}

void TFormLumoLex::MainMenuExitClick()
{
    close();
}

void TFormLumoLex::MainMenuHelpClick()
{
    shell->openHelp();
}

void TFormLumoLex::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The start-up sequence runs at the first showing only.
    if (m_stage != Stage::Created || m_endRequested)
        return;
    m_stage = Stage::Starting;
    const bool started = FormShow();
    shell->closeSplash();
    if (!started) {
        m_stage = Stage::Ended;
        requestEnd(1);
        return;
    }
    m_stage = Stage::Running;
    // A close asked for while the program was starting is carried out now
    // that the settings and the histories are loaded and can be saved.
    if (m_closeAskedWhileStarting)
        QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
}

void TFormLumoLex::closeEvent(QCloseEvent *event)
{
    // A running fragment search stops first; the close comes again after it.
    if (fragment && fragment->deferClose()) {
        event->ignore();
        return;
    }
    switch (m_stage) {
    case Stage::Starting:
        // Nothing is loaded yet: saving now would overwrite the stored
        // settings and histories with empty ones. The close waits for the
        // start-up, and a start-up that fails ends the program unsaved.
        m_closeAskedWhileStarting = true;
        event->ignore();
        return;
    case Stage::Running:
        m_stage = Stage::ShutDown;
        FormCloseQuery();
        // Closing a window hidden in the tray is no last window closing for
        // Qt, so the program would run on with its shutdown done: it is
        // ended here, as the close of the shown window ends it.
        if (isHidden() && QGuiApplication::quitOnLastWindowClosed())
            QCoreApplication::quit();
        break;
    case Stage::Created:    // never shown (a second copy)
    case Stage::ShutDown:   // saved already
    case Stage::Ended:      // the start-up failed: nothing to save
        break;
    }
    event->accept();
}

void TFormLumoLex::requestEnd(int code)
{
    m_endRequested = true;
    m_exitCode = code;
    QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
}

} // namespace lumolex
