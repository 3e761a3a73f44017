#include "app/window/fragmentlink.h"

#include "app/window/articlelink.h"
#include "app/window/commandstate.h"
#include "app/search/findpanel.h"
#include "app/window/formlumolex.h"
#include "app/lists/resultlistbox.h"
#include "app/window/searchlink.h"
#include "app/shell/statuspanel.h"
#include "article/view/historykeeper.h"
#include "data/table/table.h"
#include "search/fragmentsearch.h"
#include "ui/imagelist16.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace lumolex {

FragmentLink::FragmentLink(TFormLumoLex *window)
    : QObject(window)
    , m_window(window)
{
    QToolButton *button = window->PanelFind->ToolButtonGoFind2;
    connect(button, &QToolButton::clicked, this, &FragmentLink::ToolButtonGoFind2Click);
    setCommandReady(button);
}

void FragmentLink::ToolButtonGoFind2Click()
{
    QString query;
    if (!m_window->search->takeQuery(&query))
        return;
    // Pressed during a scan (entered again from the scan's event
    // processing): a stop request, noticed before the next step.
    if (m_scanFlag) {
        m_scanFlag = false;
        return;
    }
    scan(query);
}

bool FragmentLink::deferClose()
{
    if (!m_scanFlag)
        return false;
    m_scanFlag = false;
    m_closeAfterScan = true;
    return true;
}

void FragmentLink::setScanning(bool on)
{
    QToolButton *button = m_window->PanelFind->ToolButtonGoFind2;
    QProgressBar *progress = m_window->PanelStatus->ProgressBar1;
    if (on) {
        button->setIcon(ImageList16::shared().icon(ImageList16::Stop));
        m_scanFlag = true;
        m_window->EnabledComp(false);
        button->setEnabled(true);   // the stop button
        progress->show();
        return;
    }
    m_scanFlag = false;
    progress->setValue(0);
    m_window->PanelStatus->StaticTextMode->setText(tr("Работа"));
    progress->hide();
    m_window->EnabledComp(true);
    button->setIcon(ImageList16::shared().icon(ImageList16::FragmentSearch));
}

void FragmentLink::scan(const QString &query)
{
    FindPanel *panel = m_window->PanelFind;
    ResultListBox *list = panel->ListBoxFind;
    QProgressBar *progress = m_window->PanelStatus->ProgressBar1;
    Table *articles = m_window->ClientDataSet1;

    setScanning(true);
    const TableMark mark = articles->mark();
    articles->suspendNotifications();
    m_window->SetFilterDict(false);
    m_window->search->clearResults();

    FragmentSearch search(*articles, query, m_window->search->scope(), &m_cache, m_blockSize);
    search.setExactLetters(m_window->settings.ExactLetters);
    progress->setRange(0, search.total());
    progress->setValue(0);
    m_window->PanelStatus->StaticTextMode->setText(tr("Поиск"));

    QVector<FoundArticle> found;
    while (!search.atEnd()) {
        QCoreApplication::processEvents();
        if (!m_scanFlag)
            break;
        found.clear();
        search.step(m_stepBudget, &found);
        {
            // The list must not make a result current while the scan reads the table.
            const QSignalBlocker quiet(list);
            list->appendResults(found);
        }
        progress->setValue(search.visited());
    }

    setScanning(false);
    m_window->article->histories->AddHistory(HistoryKeeper::FindHistory);

    // The same end as the fast word search's: the first result, or the
    // article that was current before and the message. A window closing
    // does not wait for a message.
    const bool closing = m_closeAfterScan;
    m_window->search->finishSearch(mark, !closing);

    if (closing) {
        m_closeAfterScan = false;
        QMetaObject::invokeMethod(m_window, [window = m_window] { window->close(); }, Qt::QueuedConnection);
    }
}

} // namespace lumolex
