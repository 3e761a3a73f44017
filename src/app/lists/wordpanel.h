#pragma once

// Folder app/lists: the word panel with the word list, its row drawing and
// word hints, and the search result list. It may use app/store (the settings
// held in memory), data, search, article, platform and ui; never app/window.

// The word panel PanelWord: caption, navigation tool bar, the word list
// DBGrid1 and the word box EditWord, with their handlers. The list shows the
// article table's view; whatever record the panel makes current becomes the
// current article of the program.

#include "search/fastwordsearch.h"

#include <QFrame>
#include <QStringList>

#include <functional>
#include <memory>

class QComboBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace lumolex {

class LetterPalette;
class NavAccelerator;
class StepTimer;
class Table;
class WordFormLine;
class WordHintWindow;
class WordListDelegate;
class WordListModel;
class WordListView;
struct Settings;

class WordPanel : public QFrame
{
    Q_OBJECT
public:
    // `wordBoxGuard` is the window's word box guard, shared with the
    // record-change handler. `timer` drives TimerNav; null gives a QTimer.
    WordPanel(Table *articles, const Settings *settings, bool *wordBoxGuard,
              std::unique_ptr<StepTimer> timer = nullptr, QWidget *parent = nullptr);
    ~WordPanel() override;

    QLabel *LabelCaptionWord;
    QToolBar *ToolBarWord;
    QToolButton *ToolButtonGoLetter;
    QToolButton *ToolButtonFirst;
    QToolButton *ToolButtonPrev;
    QToolButton *ToolButtonNext;
    QToolButton *ToolButtonLast;
    WordListView *DBGrid1;
    QComboBox *EditWord;
    WordFormLine *LabelWordForm;
    LetterPalette *PanelLetters;   // the Kildin letters, under the word box
    QMenu *PMenuLetter;

    // The articles holding a typed text as a whole word form (the window
    // answers none while the word forms are still loading). Without it the
    // word box looks up no forms.
    using WordFormFinder = std::function<QVector<FoundArticle>(const QString &typed)>;
    void setWordFormFinder(WordFormFinder finder) { m_findWordForm = std::move(finder); }

    NavAccelerator &navigator() const { return *m_navigator; }
    WordListModel *model() const { return m_model; }
    const QStringList &rowWords() const { return m_rowWords; }

    // Start-up: the 31 items of the letter menu.
    void AddPMenuLetter();
    // Start-up: forgets the rows drawn so far.
    void clearRowWords() { m_rowWords.clear(); }
    // The list font (SetFonts): name and size for DBGrid1 and EditWord;
    // rows are the font's pixel height plus 8.
    void applyListFont(const QFont &font);

    // Handlers.
    void ToolButtonFirstClick();
    void ToolButtonLastClick();
    void ToolButtonPrevClick();
    void ToolButtonNextClick();
    void FindLetterMenu(const QString &letter);
    void EditWordChange(const QString &text);
    // Both answer true when they consumed the key.
    bool EditWordKeyDown(QKeyEvent *event);
    bool DBGrid1KeyDown(QKeyEvent *event);
    void DBGrid1MouseMove(const QPoint &viewportPos);
    void DBGrid1MouseLeave();

    // The word hint currently shown, if any (tests).
    WordHintWindow *hintWindow() const { return m_hint; }
    int lastHintRow() const { return m_lastHintRow; }

signals:
    // A double click on the list: open a card of the current article.
    void DBGrid1DblClick();
    // A headword of the word-form line was chosen (a click, or Enter in the
    // word box for the first): open its article; `form` is the typed text.
    void wordFormChosen(int id, const QString &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBar();
    void buildList();
    void buildWordBox();

    // The list keys as moves of the table (Up, Down, Page Up/Down, Home, End).
    bool moveByListKey(int virtualKey);
    void followCurrentRecord();
    void listRowChosen(int row);
    // Shows or hides the word-form line for the text just typed.
    void lookUpWordForm(const QString &typed);

    Table *m_articles;
    const Settings *m_settings;
    bool *m_wordBoxGuard;
    std::unique_ptr<StepTimer> m_timer;
    std::unique_ptr<NavAccelerator> m_navigator;
    WordFormFinder m_findWordForm;
    WordListModel *m_model;
    WordListDelegate *m_delegate;
    QStringList m_rowWords;
    WordHintWindow *m_hint = nullptr;
    int m_lastHintRow = -1;
    int m_lastHintX = -1;
    bool m_followingTable = false;
};

} // namespace lumolex
