#include "app/window/searchlink.h"

#include "app/window/wordformloading.h"

#include "app/window/articlelink.h"
#include "app/window/commandstate.h"
#include "app/window/dictionarycontrols.h"
#include "app/search/findpanel.h"
#include "app/search/formfind.h"
#include "app/window/formlumolex.h"
#include "app/window/mainmenu.h"
#include "app/lists/resultlistbox.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "app/lists/wordformline.h"
#include "article/view/articlepanel.h"
#include "article/view/historykeeper.h"
#include "data/files/dataloader.h"
#include "data/table/table.h"
#include "search/querytext.h"
#include "search/wordformlookup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>

namespace lumolex {

SearchLink::SearchLink(TFormLumoLex *window)
    : QObject(window)
    , m_window(window)
{
    FindPanel *panel = window->PanelFind;
    ToolBarPanel *top = window->PanelTop;
    panel->ListBoxFind->setSettings(&window->settings);

    connect(top->SpeedButtonFind, &QToolButton::clicked, this, &SearchLink::SpeedButtonFindClick);
    connect(panel->ToolButtonCloseFind, &QToolButton::clicked, this, &SearchLink::ToolButtonCloseFindClick);
    connect(window->menu->N28, &QAction::triggered, this, &SearchLink::N28Click);
    connect(panel->ToolButtonGoFind1, &QToolButton::clicked, this, &SearchLink::ToolButtonGoFind1Click);

    // The word box names the headwords of an inflected form once the word
    // forms are in; while they load it says nothing and waits for nothing.
    window->PanelWord->setWordFormFinder([window](const QString &typed) -> QVector<FoundArticle> {
        const WordFormLoading *forms = WordFormLoading::of(window);
        if (!forms || !forms->isReady())
            return {};
        return WordFormLookup::articlesHolding(*window->ClientDataSet1, *window->ClientDataSet2, typed);
    });
    connect(window->PanelWord, &WordPanel::wordFormChosen, this, &SearchLink::openWordForm);

    // The selection changes by keyboard or by a click; a click on the row
    // already selected makes its article current again.
    ResultListBox *list = panel->ListBoxFind;
    connect(list, &QListWidget::currentRowChanged, this, [this] {
        if (QApplication::mouseButtons() == Qt::NoButton)
            ListBoxFindClick();
    });
    connect(list, &QListWidget::itemClicked, this, &SearchLink::ListBoxFindClick);
    connect(list, &QListWidget::itemDoubleClicked, this, &SearchLink::ListBoxFindDblClick);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint &pos) {
        if (list->isEnabled())
            m_window->PMenuList->popup(list->viewport()->mapToGlobal(pos));
    });

    panel->installEventFilter(this);
    panel->EditFind->installEventFilter(this);
    if (panel->EditFind->lineEdit())
        panel->EditFind->lineEdit()->installEventFilter(this);

    FindDialogContext find;
    find.mainWindow = window;
    find.editor = window->PanelTransl->Editor;
    find.sharedSearchText = &window->sharedSearchText;
    find.flag = &window->findDialogFlag;
    find.messages = window->messages();
    findDialog = new FindDialogOpener(find, this);
    connect(window->PanelTransl->ToolButtonFind, &QToolButton::clicked, this, &SearchLink::ToolButtonFindClick);
    connect(window->menu->MainMenuFind, &QAction::triggered, this, &SearchLink::ToolButtonFindClick);

    const QList<QObject *> ready = {top->SpeedButtonFind, panel->ToolButtonCloseFind, window->menu->N28,
                                    panel->ToolButtonGoFind1, window->PanelTransl->ToolButtonFind,
                                    window->menu->MainMenuFind};
    for (QObject *control : ready)
        setCommandReady(control);
}

DictionaryScope SearchLink::scope() const
{
    DictionaryScope scope;
    scope.allDictionaries = m_window->PanelFind->CheckBoxFindInAllDict->isChecked();
    scope.selected = m_window->dictionaries->states().buttons;
    return scope;
}

bool SearchLink::eventFilter(QObject *watched, QEvent *event)
{
    // Other events reach here while the window is being destroyed (its
    // children are removed), when its panels may be gone: only a resize or
    // a key press, which come while it lives, looks at them.
    if (event->type() != QEvent::Resize && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    FindPanel *panel = m_window->PanelFind;
    if (watched == panel && event->type() == QEvent::Resize) {
        PanelFindResize();
    } else if (event->type() == QEvent::KeyPress && (watched == panel->EditFind || watched == panel->EditFind->lineEdit())) {
        // EditFindKeyDown: Enter starts the fast word search, never the
        // fragment search; a disabled box acts on nothing.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && panel->EditFind->isEnabled()
            && panel->ToolButtonGoFind1->isEnabled()) {
            ToolButtonGoFind1Click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SearchLink::SpeedButtonFindClick()
{
    FindPanel *panel = m_window->PanelFind;
    const bool down = m_window->PanelTop->SpeedButtonFind->isChecked();
    QList<int> widths = m_window->SplitterMain->sizes();
    if (!down && panel->isVisible())
        m_window->settings.PanelFindWidth = widths.value(2, m_window->settings.PanelFindWidth);
    panel->setVisible(down);   // SplitterRight shows and hides with it
    m_window->PanelStatus->StaticTextPosFind->setVisible(down);
    if (down) {
        // The panel comes back at its kept width, taken from the article.
        widths = m_window->SplitterMain->sizes();
        const int width = qMax(50, m_window->settings.PanelFindWidth);
        widths[1] = qMax(50, widths[1] + widths[2] - width);
        widths[2] = width;
        m_window->SplitterMain->setSizes(widths);
        panel->EditFind->setFocus();
        return;
    }
    if (panel->ListBoxFind->count() > 0
        && m_window->messages()->askYesNo(tr("Поиск по словарям"), tr("Очистить результаты поиска?")))
        clearResults();
    m_window->PanelWord->EditWord->setFocus();
}

void SearchLink::ToolButtonCloseFindClick()
{
    QToolButton *button = m_window->PanelTop->SpeedButtonFind;
    button->setChecked(!button->isChecked());
    SpeedButtonFindClick();
}

void SearchLink::PanelFindResize()
{
    FindPanel *panel = m_window->PanelFind;
    const int height = panel->EditFind->height();
    panel->PanelEditFind->setFixedHeight(height + 3);
    panel->ToolButtonGoFind1->setFixedHeight(height);
    panel->ToolButtonGoFind2->setFixedHeight(height);
}

void SearchLink::setMode(const QString &text)
{
    m_window->PanelStatus->StaticTextMode->setText(text);
}

void SearchLink::clearResults()
{
    m_window->PanelFind->ListBoxFind->clear();
    m_window->PanelStatus->StaticTextPosFind->setText(QStringLiteral("0 / 0"));
}

void SearchLink::updateCounter()
{
    const ResultListBox *list = m_window->PanelFind->ListBoxFind;
    m_window->PanelStatus->StaticTextPosFind->setText(
        QStringLiteral("%1 / %2").arg(list->currentRow() + 1).arg(list->count()));
}

bool SearchLink::takeQuery(QString *query)
{
    *query = trimQuery(m_window->PanelFind->EditFind->currentText());
    m_window->sharedSearchText = *query;
    switch (checkQuery(*query)) {
    case QueryCheck::Empty:
        return false;
    case QueryCheck::TooShort:
        m_window->messages()->show(QMessageBox::Critical, tr("Лумолекс"), tr("Поиск не меньше 2-х символов!"));
        m_window->PanelFind->EditFind->setFocus(Qt::OtherFocusReason);   // to type the rest
        return false;
    case QueryCheck::Ok:
        break;
    }
    return true;
}

void SearchLink::ToolButtonGoFind1Click()
{
    FindPanel *panel = m_window->PanelFind;
    QString query;
    if (!takeQuery(&query))
        return;

    setMode(tr("Поиск..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Table *articles = m_window->ClientDataSet1;
    const TableMark mark = articles->mark();
    articles->suspendNotifications();
    m_window->SetFilterDict(false);
    articles->setActiveIndex(QString::fromLatin1(kIndexArticleId));
    clearResults();
    // The new mode text and the emptied list are drawn; no input is taken
    // until the search has finished.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The word forms may still be on their way: the search waits for them,
    // under the busy cursor and the mode text already shown. Forms that
    // could not be read give no answer at all (their message is shown).
    WordFormLoading *wordForms = WordFormLoading::of(m_window);
    if (!wordForms || !wordForms->waitUntilReady()) {
        setMode(tr("Работа"));
        QApplication::restoreOverrideCursor();
        m_window->SetFilterDict(true);
        articles->gotoMark(mark);
        articles->resumeNotifications();
        updateCounter();
        return;
    }
    const QVector<FoundArticle> results = FastWordSearch(*articles, *m_window->ClientDataSet2, wordForms->wordSpellings())
                                                  .run(query, scope(), m_window->settings.ExactLetters);
    panel->ListBoxFind->setResults(results);

    setMode(tr("Работа"));
    m_window->article->histories->AddHistory(HistoryKeeper::FindHistory);
    QApplication::restoreOverrideCursor();
    finishSearch(mark);
}

void SearchLink::finishSearch(const TableMark &before, bool sayNotFound)
{
    FindPanel *panel = m_window->PanelFind;
    ResultListBox *list = panel->ListBoxFind;
    Table *articles = m_window->ClientDataSet1;
    const bool found = list->count() > 0;
    if (found) {
        {
            const QSignalBlocker quiet(list);
            list->setCurrentRow(0);
        }
        ListBoxFindClick();
    } else {
        m_window->SetFilterDict(true);
        articles->gotoMark(before);
    }
    articles->resumeNotifications();
    updateCounter();
    if (!found && sayNotFound)
        m_window->messages()->show(QMessageBox::Warning, tr("Поиск в словарях"), tr("Не найдено!"));
    QWidget *next = found ? static_cast<QWidget *>(list) : panel->EditFind;
    if (next->isEnabled())
        next->setFocus(Qt::OtherFocusReason);
}

void SearchLink::ListBoxFindClick()
{
    const ResultListBox *list = m_window->PanelFind->ListBoxFind;
    if (list->count() == 0)
        return;
    if (list->currentRow() >= 0)
        m_window->FindWord(list->idAt(list->currentRow()));
    updateCounter();
}

void SearchLink::openWordForm(int id, const QString &form)
{
    m_window->PanelWord->LabelWordForm->clear();
    m_window->PanelFind->EditFind->setEditText(trimQuery(form));
    m_window->article->histories->AddHistory(HistoryKeeper::FindHistory);
    m_window->FindWord(id);
}

void SearchLink::ToolButtonFindClick()
{
    const Table *articles = m_window->ClientDataSet1;
    findDialog->ToolButtonFindClick(!articles->isEmpty() && !articles->isNull(articles->fieldIndex(u"TRANSL")));
}

void SearchLink::ListBoxFindDblClick()
{
    // The card command opens the article the first click made current.
    m_window->PanelTop->SpeedButtonOpenCard->click();
}

} // namespace lumolex
