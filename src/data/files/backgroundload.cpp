#include "data/files/backgroundload.h"

#include "data/files/dataloader.h"
#include "data/table/table.h"

namespace lumolex {

namespace {

std::vector<BackgroundLoad::Reading> oneReading(DataFile file, std::unique_ptr<Table> table)
{
    std::vector<BackgroundLoad::Reading> readings;
    readings.push_back({file, std::move(table)});
    return readings;
}

} // namespace

BackgroundLoad::BackgroundLoad(const QString &dataFolder, std::vector<Reading> readings,
                               std::function<void()> finished)
    : m_dataFolder(dataFolder)
    , m_readings(std::move(readings))
    , m_finishedCallback(std::move(finished))
{
    m_thread = std::thread([this] { run(); });
}

BackgroundLoad::BackgroundLoad(const QString &dataFolder, DataFile file, std::unique_ptr<Table> table,
                               std::function<void()> finished)
    : BackgroundLoad(dataFolder, oneReading(file, std::move(table)), std::move(finished))
{
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
    m_ok = true;
    for (Reading &reading : m_readings) {
        if (!loader.readIndexed(reading.file, *reading.table)) {
            m_ok = false;
            break;
        }
        if (reading.file == DataFile::Articles)
            m_credits = loader.credits();
    }
    if (!m_ok) {
        for (Reading &reading : m_readings)
            reading.table->clear();
    }
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

DictionaryCredits BackgroundLoad::credits()
{
    wait();
    return m_credits;
}

std::unique_ptr<Table> BackgroundLoad::takeTable()
{
    wait();
    return m_readings.empty() ? nullptr : std::move(m_readings.front().table);
}

std::unique_ptr<Table> BackgroundLoad::takeTable(DataFile file)
{
    wait();
    for (Reading &reading : m_readings) {
        if (reading.file == file)
            return std::move(reading.table);
    }
    return nullptr;
}

std::unique_ptr<BackgroundLoad> startReadingStartupTables(const QString &dataFolder)
{
    std::vector<BackgroundLoad::Reading> readings;
    readings.push_back({DataFile::Articles,
                        std::make_unique<Table>(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles))});
    readings.push_back({DataFile::Examples,
                        std::make_unique<Table>(QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples))});
    return std::make_unique<BackgroundLoad>(dataFolder, std::move(readings));
}

} // namespace lumolex
