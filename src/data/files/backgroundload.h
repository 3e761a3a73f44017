#pragma once

// Reading data files with their indexes on a thread of their own, each into
// a table of its own, so that a window can get on with showing itself while
// the files are read. The tables are touched by that thread only until their
// rows have been read; then each is handed over whole (takeTable) to the
// thread that asked. A reading may leave the blob field of its file (the
// article bodies) for after all the rows: those come in a table of their
// own (takeBodies) once the reading has ended.

#include "data/files/credits.h"
#include "data/files/datafileschema.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace lumolex {

class DataFileLoader;
class Table;

class BackgroundLoad
{
public:
    // One file to read, and the table it goes into (made with the file's
    // fieldDefs()).
    struct Reading {
        DataFile file;
        std::unique_ptr<Table> table;
        bool bodiesLater = false;   // the blob field read after every file's rows
    };

    // Starts reading the files of `dataFolder` one after another, each into
    // its table with its index; the first that fails ends the reading, and
    // every table is then left empty. `finished` runs on the reading thread
    // once the reading has ended, successfully or not (the owner posts
    // itself a message there); so does a callback given to whenFinished().
    BackgroundLoad(const QString &dataFolder, std::vector<Reading> readings, std::function<void()> finished = {});
    BackgroundLoad(const QString &dataFolder, DataFile file, std::unique_ptr<Table> table,
                   std::function<void()> finished = {});
    // A reading still going on is told to stop and waited for.
    ~BackgroundLoad();
    BackgroundLoad(const BackgroundLoad &) = delete;
    BackgroundLoad &operator=(const BackgroundLoad &) = delete;

    const QString &dataFolder() const { return m_dataFolder; }
    bool isFinished() const { return m_finished.load(std::memory_order_acquire); }
    // Blocks until the reading has ended, bodies and all.
    void wait();
    // Runs `callback` once the reading has ended: on the reading thread, or
    // at once when it has already ended.
    void whenFinished(std::function<void()> callback);
    // Once the rows are read: whether they were, and the loader's message
    // naming the file when they were not.
    bool succeeded();
    QString errorString();
    // Once the rows are read: the credited persons of the article file,
    // when it was read.
    DictionaryCredits credits();
    // Once the rows are read: the table of `file` (of the first file
    // without one), read and indexed (empty after a failure); null once
    // taken or when the file was not asked for.
    std::unique_ptr<Table> takeTable();
    std::unique_ptr<Table> takeTable(DataFile file);
    // The bodies of readings with bodiesLater are read once this is called
    // (the window is on screen, say), after all the rows; waiting for the
    // end calls it too.
    void readBodiesNow();
    // After the reading: the bodies of a file read with bodiesLater, in a
    // table made by DataFileLoader::newBodyTable(); null once taken, when
    // they could not be read (bodiesError() says why) or were not asked for.
    std::unique_ptr<Table> takeBodies(DataFile file);
    QString bodiesError();

private:
    void run();
    // The bodies of `files` (each with the rows its first pass read).
    void readBodies(DataFileLoader &loader, const std::vector<std::pair<DataFile, int>> &files);
    void announceRows();
    void waitForRows();

    QString m_dataFolder;
    std::vector<Reading> m_readings;
    std::function<void()> m_finishedCallback;
    // Written by the thread before the rows are announced (m_rowsRead).
    bool m_ok = false;
    QString m_error;
    DictionaryCredits m_credits;
    // Written by the thread before it ends.
    std::vector<std::pair<DataFile, std::unique_ptr<Table>>> m_bodies;
    QString m_bodiesError;

    std::mutex m_mutex;
    std::condition_variable m_rowsRead;
    bool m_rowsDone = false;
    std::condition_variable m_bodiesWanted;
    bool m_bodiesReleased = false;
    std::function<void()> m_whenFinished;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};

// Starts reading the article and example files of `dataFolder`, the tables
// a window needs before it can show its first article; their bodies are read
// after both files' rows.
std::unique_ptr<BackgroundLoad> startReadingStartupTables(const QString &dataFolder);

} // namespace lumolex
