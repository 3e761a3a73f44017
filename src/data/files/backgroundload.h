#pragma once

// Reading one data file with its index on a thread of its own, into a table
// of its own, so that a window can show itself while a large file is read.
// The table is touched by that thread only until the reading has ended;
// then it is handed over whole (takeTable) to the thread that asked.

#include "data/files/datafileschema.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace lumolex {

class Table;

class BackgroundLoad
{
public:
    // Starts reading `file` of `dataFolder` into `table` (with its index).
    // `finished` runs on the reading thread once the reading has ended,
    // successfully or not (the owner posts itself a message there).
    BackgroundLoad(const QString &dataFolder, DataFile file, std::unique_ptr<Table> table,
                   std::function<void()> finished = {});
    // A reading still going on is told to stop and waited for.
    ~BackgroundLoad();
    BackgroundLoad(const BackgroundLoad &) = delete;
    BackgroundLoad &operator=(const BackgroundLoad &) = delete;

    bool isFinished() const { return m_finished.load(std::memory_order_acquire); }
    // Blocks until the reading has ended.
    void wait();
    // After the reading: whether it succeeded, and the loader's message
    // naming the file when it did not.
    bool succeeded();
    QString errorString();
    // After the reading: the table, read and indexed (empty after a
    // failure); null once taken.
    std::unique_ptr<Table> takeTable();

private:
    void run();

    QString m_dataFolder;
    DataFile m_file;
    std::unique_ptr<Table> m_table;
    std::function<void()> m_finishedCallback;
    bool m_ok = false;
    QString m_error;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};

} // namespace lumolex
