#pragma once

// The bodies of tables whose rows came from a BackgroundLoad that reads them
// last (the article bodies and the examples' phrases at start-up): the
// window shows its first article as soon as the rows are there, and the
// bodies follow. Until they are in the tables, the current record's body is
// read from its file by itself, and any other read of the bodies waits for
// the reading to end (Table::deferBlobs).

#include "data/files/datafileschema.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace lumolex {

class BackgroundLoad;
class Table;

namespace sqlite {
class Database;
}

class DeferredBodies : public QObject
{
    Q_OBJECT
public:
    // `tables`: the tables that took the load's rows of each file.
    DeferredBodies(std::unique_ptr<BackgroundLoad> load, const std::vector<std::pair<DataFile, Table *>> &tables,
                   QObject *parent = nullptr);
    // Bodies still on their way are given up: their tables read them as null.
    ~DeferredBodies() override;

    // Lets the reading go on to the bodies (once the window is on screen).
    void beginReading();
    // Waits for the reading and puts the bodies into the tables, once; comes
    // by itself when the reading ends.
    void complete();

signals:
    // The bodies could not be read (the message names the file).
    void failed(const QString &message);

private:
    std::optional<QByteArray> readOne(DataFile file, int field, qint64 id);

    struct Deferred {
        DataFile file;
        QPointer<Table> table;
    };
    std::unique_ptr<BackgroundLoad> m_load;
    QString m_dataFolder;
    std::vector<Deferred> m_tables;
    // The files of single reads, opened at the first.
    std::vector<std::pair<DataFile, std::unique_ptr<sqlite::Database>>> m_files;
};

} // namespace lumolex
