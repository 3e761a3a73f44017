#pragma once

// Reading data files with their indexes on a thread of their own, each into
// a table of its own, so that a window can get on with showing itself while
// the files are read. The tables are touched by that thread only until the
// reading has ended; then each is handed over whole (takeTable) to the
// thread that asked.

#include "data/files/credits.h"
#include "data/files/datafileschema.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace lumolex {

class Table;

class BackgroundLoad
{
public:
    // One file to read, and the table it goes into (made with the file's
    // fieldDefs()).
    struct Reading {
        DataFile file;
        std::unique_ptr<Table> table;
    };

    // Starts reading the files of `dataFolder` one after another, each into
    // its table with its index; the first that fails ends the reading, and
    // every table is then left empty. `finished` runs on the reading thread
    // once the reading has ended, successfully or not (the owner posts
    // itself a message there).
    BackgroundLoad(const QString &dataFolder, std::vector<Reading> readings, std::function<void()> finished = {});
    BackgroundLoad(const QString &dataFolder, DataFile file, std::unique_ptr<Table> table,
                   std::function<void()> finished = {});
    // A reading still going on is told to stop and waited for.
    ~BackgroundLoad();
    BackgroundLoad(const BackgroundLoad &) = delete;
    BackgroundLoad &operator=(const BackgroundLoad &) = delete;

    const QString &dataFolder() const { return m_dataFolder; }
    bool isFinished() const { return m_finished.load(std::memory_order_acquire); }
    // Blocks until the reading has ended.
    void wait();
    // After the reading: whether it succeeded, and the loader's message
    // naming the file when it did not.
    bool succeeded();
    QString errorString();
    // After the reading: the credited persons of the article file, when it
    // was read.
    DictionaryCredits credits();
    // After the reading: the table of `file` (of the first file without
    // one), read and indexed (empty after a failure); null once taken or
    // when the file was not asked for.
    std::unique_ptr<Table> takeTable();
    std::unique_ptr<Table> takeTable(DataFile file);

private:
    void run();

    QString m_dataFolder;
    std::vector<Reading> m_readings;
    std::function<void()> m_finishedCallback;
    bool m_ok = false;
    QString m_error;
    DictionaryCredits m_credits;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};

// Starts reading the article and example files of `dataFolder`, the tables
// a window needs before it can show its first article.
std::unique_ptr<BackgroundLoad> startReadingStartupTables(const QString &dataFolder);

} // namespace lumolex
