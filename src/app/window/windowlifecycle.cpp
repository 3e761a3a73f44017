// Creation, start-up and shutdown of the main window, in the order the
// program depends on: the settings store is open before anything is read,
// the data files are checked before any is opened, the tables are open
// before the settings and the first dictionary selection are applied, and
// at shutdown the settings are written before the history files.

#include "app/window/formlumolex.h"

#include "app/window/appearancecommands.h"
#include "platform/windowsystem.h"
#include "app/shell/appmessages.h"
#include "app/window/articlelink.h"
#include "app/window/cardlink.h"
#include "app/window/dictionarycontrols.h"
#include "app/search/findpanel.h"
#include "ui/firstpaint.h"
#include "app/store/historyfile.h"
#include "app/lists/letterpalette.h"
#include "app/window/mainmenu.h"
#include "app/window/panelvisibility.h"
#include "app/store/settingsstore.h"
#include "app/window/shelllink.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/window/windowplacement.h"
#include "app/window/wordformloading.h"
#include "app/lists/wordpanel.h"
#include "app/lists/wordlistview.h"
#include "article/view/articlepanel.h"
#include "article/view/bookmark.h"
#include "article/view/examplespanel.h"
#include "article/view/historykeeper.h"
#include "article/view/richtextview.h"
#include "article/view/stepnavigator.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "data/files/deferredbodies.h"
#include "data/wordlist/startingdictionary.h"
#include "data/table/table.h"
#include "platform/singleinstance.h"
#include "ui/imagelist16.h"
#include "ui/traymode.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace lumolex {

namespace {

// Translated at each use: statics are made before the translation is installed.
QString title()
{
    return QCoreApplication::translate("lumolex::TFormLumoLex", "Лумолекс");
}

constexpr char kCardHistoryFile[] = "DATA/LumoCard.hst";

// The latest the word forms begin to load after the start-up sequence, when
// the window has not been painted by then.
constexpr int kWordFormsLatestStartMs = 1000;
constexpr char kFindHistoryFile[] = "DATA/LumoFind.hst";

struct HistoryList {
    const char *file;   // under the program folder
    QComboBox *box;     // whose drop-down list it holds
};

QString withTrailingSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// The shared folder of an install is only read; DATA beside the executable
// keeps the lists while it can be written.
HistoryFile::ProgramFolderUse historyFolderUse(const LaunchOptions &options)
{
    return options.sharedProgramFolder ? HistoryFile::ProgramFolderUse::ReadOnly
                                       : HistoryFile::ProgramFolderUse::WriteWhileWritable;
}

} // namespace

void TFormLumoLex::FormCreate()
{
    // The splash box first, then the settings store: the single-instance
    // rule is the one setting read at creation.
    shell->showSplash();
    m_timeline.mark("splash");
    m_store = m_options.store ? std::move(m_options.store) : std::make_unique<SettingsStore>();
    settings.noDoubleProgramm = m_store->readNoDoubleProgramm();
    if (settings.noDoubleProgramm)
        StartDoubleProgramm();
    m_timeline.mark("settings store");
}

void TFormLumoLex::StartDoubleProgramm()
{
    const QString key = m_options.singleInstanceKey.isEmpty() ? SingleInstance::defaultKey()
                                                              : m_options.singleInstanceKey;
    m_singleInstance = new SingleInstance(key, this);
    if (m_singleInstance->tryBecomePrimary(SingleInstance::OnSecondary::Wait)) {
        connect(m_singleInstance, &SingleInstance::activationRequested, this, [this] { bringToFront(this); });
        return;
    }
    // Another copy runs: tell the user, call that copy forward, and end
    // without showing this window and without writing anything.
    m_messages->show(QMessageBox::Warning, title(),
                     QCoreApplication::translate("lumolex::TFormLumoLex", "Программа уже запущена !"));
    shell->closeSplash();
    m_singleInstance->activatePrimary();
    m_endRequested = true;
    m_exitCode = 0;
}

bool TFormLumoLex::FormShow()
{
    // The caption, the program folder every path starts from, the help file.
    setWindowTitle(caption());
    programFolder = programFolderToUse();
    // The manual in the interface's language: its file name is translated.
    helpFile = programFolder
            + QCoreApplication::translate("lumolex::TFormLumoLex", "LumoLex.html", "the manual in this language");

    // Every missing data file is reported, then the program ends; so does a
    // file that is present but cannot be read.
    const QString dataFolder = dataFolderOf(programFolder);
    const QStringList problems = checkDataFiles(dataFolder);
    if (!problems.isEmpty()) {
        const bool missing = !missingDataFileMessages(dataFolder).isEmpty();
        for (const QString &problem : problems)
            m_messages->show(missing ? QMessageBox::NoIcon : QMessageBox::Critical, title(), problem);
        return false;
    }

    // The run-time state starts afresh: card cascade, find dialog flag,
    // card count and the word list's stepping accelerator.
    cards->reset();
    findDialogFlag = false;
    PanelWord->navigator().release();

    // The three tables with their indexes. The record changes while the
    // tables are opened and set up are not visits of the user: the step list
    // begins with the first article shown.
    //
    // The word-form table, by far the largest, is read on a thread of its
    // own while this one reads the others and shows the first article; it
    // becomes ClientDataSet2 when complete, and a search waits for it.
    article->steps->setRecording(false);
    // Nothing is on screen before the first article is chosen: the record
    // changes of the opening and of the settings are held back, so that the
    // article and the word list are made once, for the article shown.
    ClientDataSet1->suspendNotifications();
    WordFormLoading *wordForms = WordFormLoading::of(this);
    if (!wordForms)
        wordForms = new WordFormLoading(this);
    wordForms->start(dataFolder, m_timeline);
    if (QString error; !openTables(dataFolder, &error)) {
        wordForms->cancel();
        ClientDataSet1->resumeNotifications();
        m_messages->show(QMessageBox::Critical, title(), error);
        return false;
    }
    dictionaries->applyCredits(credits, dictionariesWithArticles(*ClientDataSet1));
    m_timeline.mark("data files");

    if (!m_store->refusal().isEmpty())
        m_messages->show(QMessageBox::Warning, title(), m_store->refusal());
    m_store->removeLeftovers();
    readSettings();
    PanelWord->AddPMenuLetter();
    loadHistories();
    // The word list has a vertical scroll bar only (WordListView).
    PanelWord->clearRowWords();
    EnabledComp(true);
    SetFonts();
    m_timeline.mark("settings and fonts");

    // The first article: the stored bookmark's, with its dictionary, or
    // the first of dictionary 1 (of the first dictionary with articles when
    // the data set has none of dictionary 1).
    article->steps->setRecording(true);
    if (startupBookmark != 0) {
        FindWord(startupBookmark);
    } else {
        // Choosing the dictionary and moving to its first article are one
        // move: only that article is shown and recorded as a step.
        ClientDataSet1->suspendNotifications();
        const DictionaryControlStates start = startingDictionary(*ClientDataSet1);
        dictionaries->setStates(start);
        SetButtonDict(this);
        if (start.buttons[size_t(dictionarySlotOfCode(9))])
            setPanelCaptions(true);
        ClientDataSet1->first();
        ClientDataSet1->resumeNotifications();
    }
    ClientDataSet1->resumeNotifications();
    // Transparency, the panel commands and the tray hint; then the first
    // speech example, and the splash box closes after.
    appearance->SetTransparency();
    panels->SetMenuVisiblePanel();
    shell->trayMode->setToolTip(caption());
    PanelPhrase->setExamples(ClientDataSet3);
    PanelPhrase->UpdateEditorPhrase();
    // Typing goes to the word box from the start.
    PanelWord->EditWord->setFocus(Qt::OtherFocusReason);

    m_timeline.mark("first article");

    // The start-up time is taken when the article view has been painted
    // and the window put on screen with it, and only when there is an
    // article to show. The window's layout is done when its painting
    // begins.
    if (!EmptyTable(*ClientDataSet1)) {
        new FirstPaintWatch(PanelTransl->Editor->viewport(), [this] {
            m_timeline.mark("first paint");
            m_startupMs = m_timeline.report("start-up to first article");
        });
        new FirstPaintWatch(this, {}, [this] { m_timeline.mark("first layout"); });
    }
    // The word forms are read once the window is on screen; a window that
    // is not painted soon (hidden at once, say) has them read all the same.
    new FirstPaintWatch(this, [wordForms] { wordForms->beginReading(); });
    // So are the bodies of the articles and examples, past the one shown.
    if (m_bodies) {
        new FirstPaintWatch(this, [bodies = QPointer<DeferredBodies>(m_bodies.get())] {
            if (bodies)
                bodies->beginReading();
        });
        QTimer::singleShot(kWordFormsLatestStartMs, m_bodies.get(), &DeferredBodies::beginReading);
    }
    // So is the program's icon at the sizes task switchers show: one turn of
    // the event loop later, after what the first paint has set going (the
    // report of the start-up's time among it), as drawing and sending the
    // large pictures takes a few milliseconds.
    new FirstPaintWatch(this, [this] {
        QTimer::singleShot(0, this, [this] {
            QApplication::setWindowIcon(ImageList16::applicationIcon());
            setWindowIcon(ImageList16::applicationIcon());
        });
    });
    QTimer::singleShot(kWordFormsLatestStartMs, wordForms, &WordFormLoading::beginReading);
    return true;
}

QString TFormLumoLex::programFolderToUse() const
{
    return withTrailingSeparator(m_options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                                    : m_options.programFolder);
}

bool TFormLumoLex::openTables(const QString &dataFolder, QString *error)
{
    // The tables read on their own thread meanwhile, when they are of this
    // folder and complete. A reading that failed there is made again here:
    // its message then speaks the interface's language (installed after the
    // reading began) and tells what is wrong with the files now.
    m_bodies.reset();
    std::unique_ptr<BackgroundLoad> early = std::move(m_options.startupTables);
    if (early && early->dataFolder() == dataFolder && early->succeeded()) {
        ClientDataSet1->takeRows(*early->takeTable(DataFile::Articles));
        ClientDataSet3->takeRows(*early->takeTable(DataFile::Examples));
        credits = early->credits();
        // Their bodies are read on after the rows; the first article's
        // body is read by itself meanwhile.
        m_bodies = std::make_unique<DeferredBodies>(
            std::move(early), std::vector<std::pair<DataFile, Table *>>{{DataFile::Articles, ClientDataSet1},
                                                                         {DataFile::Examples, ClientDataSet3}});
        connect(m_bodies.get(), &DeferredBodies::failed, this,
                [this](const QString &message) { m_messages->show(QMessageBox::Critical, title(), message); });
        return true;
    }
    early.reset();
    DataFileLoader loader(dataFolder);
    if (loader.readIndexed(DataFile::Articles, *ClientDataSet1) && loader.readIndexed(DataFile::Examples, *ClientDataSet3)) {
        credits = loader.credits();
        return true;
    }
    ClientDataSet1->clear();
    ClientDataSet3->clear();
    *error = loader.errorString();
    return false;
}

void TFormLumoLex::readSettings()
{
    const Settings stored = m_store->readAll();
    const bool noDouble = settings.noDoubleProgramm;
    settings = stored;
    settings.noDoubleProgramm = noDouble; // read once, at creation

    applyPlacement();
    QList<int> widths = SplitterMain->sizes();
    widths[0] = qMax(50, settings.PanelWordWidth);
    widths[2] = qMax(50, settings.PanelFindWidth);
    widths[1] = qMax(50, SplitterMain->width() - widths[0] - (PanelFind->isVisible() ? widths[2] : 0));
    SplitterMain->setSizes(widths);
    PanelFind->resize(widths[2], PanelFind->height());

    panels->applySettings(settings);
    menu->MainMenuPanelLetters->setChecked(settings.PanelLetters);
    PanelWord->PanelLetters->setVisible(settings.PanelLetters);

    startupBookmark = settings.BookMark;
}

void TFormLumoLex::applyPlacement()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    QList<QRect> screens;
    QRect desktop;
    for (const QScreen *screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
        desktop |= screen->geometry();
    }
    // A hand-edited size larger than every screen together is cut to them:
    // such a window could not be used, and its buffers would be enormous.
    int width = qMax(minimumWidth(), settings.FormMainWidth);
    int height = qMax(minimumHeight(), settings.FormMainHeight);
    if (!desktop.isEmpty()) {
        width = qMin(width, qMax(desktop.width(), minimumWidth()));
        height = qMin(height, qMax(desktop.height(), minimumHeight()));
    }
    resize(width, height);
    // A compositor that places windows itself (Wayland) ignores a position.
    if (!primary || !WindowSystemAbilities::current().placement)
        return;
    const QRect place = placeMainWindow(size(), settings.FormMainLeft, settings.FormMainTop,
                                        primary->geometry(), screens);
    move(place.topLeft());
}

void TFormLumoLex::loadHistories()
{
    const HistoryList lists[] = {{kCardHistoryFile, PanelWord->EditWord}, {kFindHistoryFile, PanelFind->EditFind}};
    for (int i = 0; i < 2; ++i) {
        HistoryFile file(programFolder, QString::fromLatin1(lists[i].file), QString(), historyFolderUse(m_options));
        file.removeLeftovers();
        const QString notice = file.load(&m_historiesRead[i]);
        if (!notice.isEmpty())
            m_messages->show(QMessageBox::Warning, title(), notice);
        HistoryKeeper::setEntries(lists[i].box, m_historiesRead[i]);
    }
}

void TFormLumoLex::FormCloseQuery()
{
    PanelWord->navigator().release();

    // The window's state into the settings, then the settings into the store
    // (all of them when SaveParam is on, the bookmark and SaveParam always).
    Settings toStore = settings;
    toStore.FormMainWidth = width();
    toStore.FormMainHeight = height();
    // Where the window cannot learn its position (Wayland, which reports 0,
    // 0), the stored place stays for the next session on another desktop.
    if (WindowSystemAbilities::current().placement) {
        toStore.FormMainLeft = pos().x();
        toStore.FormMainTop = pos().y();
    }
    const QList<int> widths = SplitterMain->sizes();
    toStore.PanelWordWidth = PanelWord->width();
    // A hidden search panel has no width of its own worth keeping: the
    // splitter squeezes it, so the width last set by the user stands.
    if (PanelFind->isVisible())
        toStore.PanelFindWidth = widths.value(2, settings.PanelFindWidth);
    toStore.PanelToolBar = PanelTop->isVisibleTo(this);
    toStore.PanelStatus = PanelStatus->isVisibleTo(this);
    toStore.PanelPhrase = PanelPhrase->isVisibleTo(this);
    toStore.PanelCaption = PanelWord->ToolBarWord->isVisibleTo(this);
    toStore.BookMark = article->bookmark->bookMarkSetting();
    const QString storeError = m_store->writeAtShutdown(toStore);
    if (!storeError.isEmpty())
        m_messages->show(QMessageBox::Warning, title(), storeError);

    // Both history files, whatever SaveParam says, merged with what another
    // copy sharing the folder saved meanwhile unless the user emptied them.
    const HistoryList lists[] = {{kCardHistoryFile, PanelWord->EditWord}, {kFindHistoryFile, PanelFind->EditFind}};
    const bool cleared = article->histories->clearedThisRun();
    for (int i = 0; i < 2; ++i) {
        HistoryFile file(programFolder, QString::fromLatin1(lists[i].file), QString(), historyFolderUse(m_options));
        const QString error = file.save(HistoryKeeper::entries(lists[i].box), cleared ? nullptr : &m_historiesRead[i]);
        if (!error.isEmpty())
            m_messages->show(QMessageBox::Warning, title(), error);
    }
    // The close goes ahead.
}

} // namespace lumolex
