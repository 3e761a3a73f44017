#include "data/files/datafiles.h"

#include "data/files/sqlitedb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace lumolex {

namespace {

constexpr int kHeaderSize = 100;

quint32 bigEndian(const QByteArray &bytes, int offset, int width)
{
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

// The fixed 100-byte header of an SQLite file tells the page size and, when
// it is current, the size of the database in pages: a file shorter than
// that has been cut off.
QString checkHeader(const QString &path)
{
    // A FIFO would block the open and the read for ever, a device may never
    // end: only a regular file is opened.
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("DataFiles", "это папка, а не файл");
    if (!info.isFile())
        return QCoreApplication::translate("DataFiles", "это не обычный файл (канал, устройство или сокет)");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("DataFiles", "файл не открывается для чтения (%1)").arg(file.errorString());
    const qint64 size = file.size();
    if (size == 0)
        return QCoreApplication::translate("DataFiles", "файл пуст");
    const QByteArray header = file.read(kHeaderSize);
    static const QByteArray magic("SQLite format 3\0", 16);
    if (header.size() < kHeaderSize || !header.startsWith(magic))
        return QCoreApplication::translate("DataFiles", "это не база данных SQLite");

    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        return QCoreApplication::translate("DataFiles", "заголовок базы данных повреждён");
    const quint32 changeCounter = bigEndian(header, 24, 4);
    const quint32 pages = bigEndian(header, 28, 4);
    const quint32 validFor = bigEndian(header, 92, 4);
    const qint64 expected = qint64(pages) * pageSize;
    if (pages != 0 && changeCounter == validFor && size < expected)
        return QCoreApplication::translate("DataFiles", "файл обрезан: %1 байт вместо %2").arg(size).arg(expected);
    if (size % pageSize != 0)
        return QCoreApplication::translate(
                   "DataFiles", "файл обрезан или повреждён: его размер (%1 байт) не кратен странице базы (%2 байт)")
            .arg(size)
            .arg(pageSize);
    return {};
}

QString checkLayout(const DataFileLayout &layout, sqlite::Database &db)
{
    {
        sqlite::Statement find(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
        find.bindText(1, layout.tableName);
        if (!find.next())
            return sqliteFailureCause(db);
        if (find.columnInt(0) == 0)
            return QCoreApplication::translate("DataFiles", "в файле нет таблицы «%1»").arg(layout.tableName);
    }

    const QByteArray pragma = "PRAGMA table_info(" + sqlite::quoteIdentifier(layout.tableName).toUtf8() + ")";
    sqlite::Statement info(db, pragma.constData());
    int column = 0;
    while (info.next() && column < layout.columns.size()) {
        const ColumnLayout &expected = layout.columns.at(column);
        const QString name = info.columnText(1);
        const QString type = info.columnText(2);
        if (name != expected.name)
            return QCoreApplication::translate("DataFiles",
                                               "в таблице «%1» столбец %2 называется «%3», а должен называться «%4»")
                .arg(layout.tableName)
                .arg(column + 1)
                .arg(name, expected.name);
        if (type.compare(expected.sqlType, Qt::CaseInsensitive) != 0)
            return QCoreApplication::translate("DataFiles", "в таблице «%1» столбец «%2» имеет тип «%3» вместо «%4»")
                .arg(layout.tableName, name, type, expected.sqlType);
        ++column;
    }
    if (info.failed())
        return sqliteFailureCause(db);
    // Further columns after the known ones are allowed and not read.
    if (column < layout.columns.size())
        return QCoreApplication::translate("DataFiles", "в таблице «%1» нет столбца «%2»")
            .arg(layout.tableName, layout.columns.at(column).name);
    return {};
}

} // namespace

QString dataFolderOf(const QString &programFolder)
{
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder + QStringLiteral("DATA/");
}

QString dataFilePath(const QString &dataFolder, DataFile file)
{
    return QDir(dataFolder).filePath(dataFileLayout(file).fileName);
}

namespace {

QStringList missingMessages(const QString &dataFolder, const QList<DataFile> &files)
{
    QStringList messages;
    for (const DataFile file : files) {
        if (!QFileInfo::exists(dataFilePath(dataFolder, file)))
            messages.append(QCoreApplication::translate("DataFiles", "Файл базы данных %1 не найден")
                                .arg(dataFileLayout(file).number));
    }
    return messages;
}

QList<DataFile> everyDataFile()
{
    QList<DataFile> files;
    for (const DataFileLayout &layout : allDataFileLayouts())
        files.append(layout.file);
    return files;
}

} // namespace

QStringList missingDataFileMessages(const QString &dataFolder)
{
    return missingMessages(dataFolder, everyDataFile());
}

QStringList checkDataFiles(const QString &dataFolder)
{
    return checkDataFiles(dataFolder, everyDataFile());
}

QStringList checkDataFiles(const QString &dataFolder, const QList<DataFile> &files)
{
    QStringList messages = missingMessages(dataFolder, files);
    if (!messages.isEmpty())
        return messages;
    for (const DataFile file : files) {
        const QString path = dataFilePath(dataFolder, file);
        sqlite::Database db;
        const QString cause = openDataFile(file, path, db);
        if (!cause.isEmpty())
            messages.append(unreadableFileMessage(file, path, cause));
    }
    return messages;
}

QString unreadableFileMessage(DataFile file, const QString &path, const QString &cause)
{
    return QCoreApplication::translate("DataFiles", "Файл базы данных %1 не удаётся прочитать: %2.\n%3")
        .arg(dataFileLayout(file).number)
        .arg(cause, QDir::toNativeSeparators(path));
}

QString openDataFile(DataFile file, const QString &path, sqlite::Database &db)
{
    const QString headerProblem = checkHeader(path);
    if (!headerProblem.isEmpty())
        return headerProblem;
    if (!db.openReadOnly(path))
        return QCoreApplication::translate("DataFiles", "файл не открывается (%1)").arg(db.errorMessage());
    // The files are read once from start to end, or a few rows through an
    // index: a small page cache holds the index pages a look-up passes again
    // and again and reuses its buffers for the rest. SQLite's default of
    // 2 MiB per file only took fresh memory page after page for pages that
    // are never read twice, and the page faults of that memory were a fair
    // share of the start-up and of a look-up.
    db.exec("PRAGMA cache_size = -64");
    return checkLayout(dataFileLayout(file), db);
}

QString sqliteFailureCause(const sqlite::Database &db)
{
    switch (db.errorCode()) {
    case SQLITE_NOTADB:
        return QCoreApplication::translate("DataFiles", "это не база данных SQLite");
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
        return QCoreApplication::translate("DataFiles", "файл повреждён (%1)").arg(db.errorMessage());
    case SQLITE_NOMEM:
        return QCoreApplication::translate("DataFiles", "не хватает памяти");
    default:
        return QCoreApplication::translate("DataFiles", "ошибка чтения (%1)").arg(db.errorMessage());
    }
}

} // namespace lumolex
