#include "data/files/deferredbodies.h"

#include "data/files/backgroundload.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "data/files/sqlitedb.h"
#include "data/table/table.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <sqlite3.h>

namespace lumolex {

DeferredBodies::DeferredBodies(std::unique_ptr<BackgroundLoad> load,
                               const std::vector<std::pair<DataFile, Table *>> &tables, QObject *parent)
    : QObject(parent)
    , m_load(std::move(load))
    , m_dataFolder(m_load->dataFolder())
{
    for (const auto &[file, table] : tables) {
        const int field = DataFileLoader::deferredField(file);
        Table::DeferredBlobs deferred;
        deferred.field = field;
        deferred.keyField = table->fieldIndex(QString::fromLatin1(field::ID));
        deferred.readOne = [this, file = file, field](qint64 id) { return readOne(file, field, id); };
        deferred.complete = [this] { complete(); };
        if (table->deferBlobs(std::move(deferred)))
            m_tables.push_back({file, table});
    }
    m_load->whenFinished([this] { QMetaObject::invokeMethod(this, &DeferredBodies::complete, Qt::QueuedConnection); });
}

DeferredBodies::~DeferredBodies()
{
    // The reading is stopped and waited for before the tables let go of
    // this object's readers.
    m_load.reset();
    for (const Deferred &deferred : m_tables) {
        if (deferred.table)
            deferred.table->cancelDeferred();
    }
}

void DeferredBodies::beginReading()
{
    if (m_load)
        m_load->readBodiesNow();
}

void DeferredBodies::complete()
{
    if (!m_load)
        return;
    QString problem = m_load->bodiesError();
    for (const Deferred &deferred : m_tables) {
        std::unique_ptr<Table> bodies = m_load->takeBodies(deferred.file);
        if (!deferred.table || !deferred.table->hasDeferredBlobs())
            continue;
        if (bodies && deferred.table->fillDeferred(*bodies))
            continue;
        // The file changed between the reading of its rows and of its bodies.
        if (problem.isEmpty()) {
            const QString path = dataFilePath(m_dataFolder, deferred.file);
            problem = unreadableFileMessage(deferred.file, path,
                                            QCoreApplication::translate("DataFiles", "ошибка чтения (%1)")
                                                .arg(dataFileLayout(deferred.file).tableName));
        }
        deferred.table->cancelDeferred();
    }
    m_load.reset();
    m_files.clear();
    if (!problem.isEmpty())
        emit failed(problem);
}

std::optional<QByteArray> DeferredBodies::readOne(DataFile file, int field, qint64 id)
{
    sqlite::Database *db = nullptr;
    for (const auto &[openFile, open] : m_files) {
        if (openFile == file)
            db = open.get();
    }
    if (!db) {
        // The reading thread has checked the file already.
        auto opened = std::make_unique<sqlite::Database>();
        if (!opened->openReadOnly(dataFilePath(m_dataFolder, file)))
            return std::nullopt;
        db = opened.get();
        m_files.emplace_back(file, std::move(opened));
    }
    const DataFileLayout &layout = dataFileLayout(file);
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?1")
                               .arg(sqlite::quoteIdentifier(layout.columns.at(field).name),
                                    sqlite::quoteIdentifier(layout.tableName))
                               .toUtf8();
    sqlite::Statement select(*db, sql.constData());
    select.bindInt(1, id);
    if (!select.next() || select.columnType(0) != SQLITE_BLOB)
        return std::nullopt;
    return select.columnBlob(0);
}

} // namespace lumolex
