#include "data/files/backgroundload.h"

#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "data/files/sqlitedb.h"
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
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop.store(true, std::memory_order_relaxed);
    }
    m_bodiesWanted.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundLoad::run()
{
    DataFileLoader loader(m_dataFolder);
    loader.setStopFlag(&m_stop);
    bool ok = true;
    DictionaryCredits credits;
    for (Reading &reading : m_readings) {
        const auto bodies = reading.bodiesLater ? DataFileLoader::Bodies::Defer : DataFileLoader::Bodies::Read;
        if (!loader.readIndexed(reading.file, *reading.table, bodies)) {
            ok = false;
            break;
        }
        if (reading.file == DataFile::Articles)
            credits = loader.credits();
    }
    if (!ok) {
        for (Reading &reading : m_readings)
            reading.table->clear();
    }
    // What the readings were, for the tables handed over from now on.
    std::vector<std::pair<DataFile, int>> bodiesToRead;   // with the rows read
    for (const Reading &reading : m_readings) {
        if (reading.bodiesLater)
            bodiesToRead.emplace_back(reading.file, reading.table->rowCount());
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_ok = ok;
        m_error = loader.errorString();
        m_credits = credits;
    }
    // Without bodies to read on, the rows are announced at the end, after
    // the callbacks, as the reading's end.
    if (!bodiesToRead.empty())
        announceRows();

    if (ok && !bodiesToRead.empty()) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_bodiesWanted.wait(lock, [this] { return m_bodiesReleased || m_stop.load(std::memory_order_relaxed); });
    }
    if (ok && !m_stop.load(std::memory_order_relaxed))
        readBodies(loader, bodiesToRead);

    std::function<void()> whenFinished;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_finished.store(true, std::memory_order_release);
        whenFinished = std::move(m_whenFinished);
    }
    if (m_finishedCallback)
        m_finishedCallback();
    if (whenFinished)
        whenFinished();
    announceRows();
}

void BackgroundLoad::readBodies(DataFileLoader &loader, const std::vector<std::pair<DataFile, int>> &files)
{
    for (const auto &[file, rows] : files) {
        const QString path = dataFilePath(m_dataFolder, file);
        sqlite::Database db;
        const QString problem = openDataFile(file, path, db);
        if (!problem.isEmpty()) {
            m_bodiesError = unreadableFileMessage(file, path, problem);
            break;
        }
        std::unique_ptr<Table> bodies = DataFileLoader::newBodyTable(file);
        bodies->reserve(rows);
        if (!loader.readBodies(file, db, *bodies)) {
            m_bodiesError = loader.errorString();
            break;
        }
        m_bodies.emplace_back(file, std::move(bodies));
    }
    if (!m_bodiesError.isEmpty())
        m_bodies.clear();
}

void BackgroundLoad::announceRows()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_rowsDone = true;
    }
    m_rowsRead.notify_all();
}

void BackgroundLoad::wait()
{
    // Waiting for the end is wanting the bodies too.
    readBodiesNow();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundLoad::whenFinished(std::function<void()> callback)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_finished.load(std::memory_order_acquire)) {
            m_whenFinished = std::move(callback);
            return;
        }
    }
    callback();
}

void BackgroundLoad::waitForRows()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_rowsRead.wait(lock, [this] { return m_rowsDone; });
}

bool BackgroundLoad::succeeded()
{
    waitForRows();
    return m_ok;
}

QString BackgroundLoad::errorString()
{
    waitForRows();
    return m_error;
}

DictionaryCredits BackgroundLoad::credits()
{
    waitForRows();
    return m_credits;
}

std::unique_ptr<Table> BackgroundLoad::takeTable()
{
    waitForRows();
    return m_readings.empty() ? nullptr : std::move(m_readings.front().table);
}

std::unique_ptr<Table> BackgroundLoad::takeTable(DataFile file)
{
    waitForRows();
    for (Reading &reading : m_readings) {
        if (reading.file == file)
            return std::move(reading.table);
    }
    return nullptr;
}

void BackgroundLoad::readBodiesNow()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bodiesReleased = true;
    }
    m_bodiesWanted.notify_all();
}

std::unique_ptr<Table> BackgroundLoad::takeBodies(DataFile file)
{
    wait();
    for (auto &[bodiesFile, bodies] : m_bodies) {
        if (bodiesFile == file)
            return std::move(bodies);
    }
    return nullptr;
}

QString BackgroundLoad::bodiesError()
{
    wait();
    return m_bodiesError;
}

std::unique_ptr<BackgroundLoad> startReadingStartupTables(const QString &dataFolder)
{
    std::vector<BackgroundLoad::Reading> readings;
    readings.push_back({DataFile::Articles,
                        std::make_unique<Table>(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)), true});
    readings.push_back({DataFile::Examples,
                        std::make_unique<Table>(QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples)), true});
    return std::make_unique<BackgroundLoad>(dataFolder, std::move(readings));
}

} // namespace lumolex
