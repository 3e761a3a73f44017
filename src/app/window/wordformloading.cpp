#include "app/window/wordformloading.h"

#include "app/shell/appmessages.h"
#include "app/window/commandstate.h"
#include "app/search/findpanel.h"
#include "app/window/formlumolex.h"
#include "data/files/backgroundload.h"
#include "data/files/datafiles.h"
#include "data/table/table.h"
#include "search/wordspellings.h"

#include <QToolButton>

namespace lumolex {

WordFormLoading::WordFormLoading(TFormLumoLex *window)
    : QObject(window)
    , m_window(window)
{
}

WordFormLoading *WordFormLoading::of(const TFormLumoLex *window)
{
    return window ? window->findChild<WordFormLoading *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// A reading still going on is stopped and waited for (BackgroundLoad).
WordFormLoading::~WordFormLoading() = default;

void WordFormLoading::start(const QString &dataFolder, const StartupTimeline &timeline)
{
    m_timeline = timeline;
    m_dataFolder = dataFolder;
    m_spellings = std::make_unique<WordSpellingFile>(dataFolder);
    m_load.reset();
    m_state = State::Loading;
}

void WordFormLoading::beginReading()
{
    if (m_state != State::Loading || m_load)
        return;
    auto table = std::make_unique<Table>(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
    // The reading thread only posts the hand-over; it runs on this thread.
    m_load = std::make_unique<BackgroundLoad>(m_dataFolder, DataFile::WordForms, std::move(table), [this] {
        QMetaObject::invokeMethod(this, &WordFormLoading::handOver, Qt::QueuedConnection);
    });
}

WordSpellings *WordFormLoading::wordSpellings() const
{
    return m_spellings.get();
}

bool WordFormLoading::waitUntilReady()
{
    beginReading();
    handOver();
    return m_state == State::Ready;
}

void WordFormLoading::cancel()
{
    m_load.reset();
    m_state = State::Idle;
}

void WordFormLoading::handOver()
{
    if (m_state != State::Loading || !m_load)
        return;
    if (m_load->succeeded()) {
        m_table = m_load->takeTable();
        m_window->ClientDataSet2 = m_table.get();
        m_state = State::Ready;
        m_load.reset();
        if (m_timeline)
            m_timeline->report("word forms loaded");
        emit handedOver();
        return;
    }
    m_state = State::Failed;
    const QString error = m_load->errorString();
    m_load.reset();
    QToolButton *search = m_window->PanelFind->ToolButtonGoFind1;
    markAlwaysDisabled(search);
    search->setEnabled(false);
    emit handedOver();
    m_window->messages()->show(QMessageBox::Critical, tr("Лумолекс"), error);
}

} // namespace lumolex
