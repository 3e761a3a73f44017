#include "data/files/backgroundload.h"

#include "data/files/dataloader.h"
#include "data/table/table.h"

namespace lumolex {

BackgroundLoad::BackgroundLoad(const QString &dataFolder, DataFile file, std::unique_ptr<Table> table,
                               std::function<void()> finished)
    : m_dataFolder(dataFolder)
    , m_file(file)
    , m_table(std::move(table))
    , m_finishedCallback(std::move(finished))
{
    m_thread = std::thread([this] { run(); });
}

BackgroundLoad::~BackgroundLoad()
{
    m_stop.store(true, std::memory_order_relaxed);
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundLoad::run()
{
    DataFileLoader loader(m_dataFolder);
    loader.setStopFlag(&m_stop);
    m_ok = loader.readIndexed(m_file, *m_table);
    m_error = loader.errorString();
    m_finished.store(true, std::memory_order_release);
    if (m_finishedCallback)
        m_finishedCallback();
}

void BackgroundLoad::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool BackgroundLoad::succeeded()
{
    wait();
    return m_ok;
}

QString BackgroundLoad::errorString()
{
    wait();
    return m_error;
}

std::unique_ptr<Table> BackgroundLoad::takeTable()
{
    wait();
    return std::move(m_table);
}

} // namespace lumolex
