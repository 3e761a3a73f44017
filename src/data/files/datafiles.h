#pragma once

// Where the data files live and the checks made before they are read.
// Messages are the program's own texts, ready for a message box.

#include "data/files/datafileschema.h"

#include <QString>
#include <QStringList>

namespace lumolex {

namespace sqlite {
class Database;
}

// The "DATA" folder of a program folder, with a trailing separator.
QString dataFolderOf(const QString &programFolder);
// Full path of one data file in a data folder.
QString dataFilePath(const QString &dataFolder, DataFile file);

// "Файл базы данных N не найден" for each missing file, in file order.
QStringList missingDataFileMessages(const QString &dataFolder);

// Every check made before loading: when any file is missing, only the
// messages for the missing files; otherwise one message for each file that
// is present but cannot be read (not a database, truncated, damaged, wrong
// layout). An empty list means the files may be loaded.
QStringList checkDataFiles(const QString &dataFolder);
// The same checks for some of the files only (a tool that needs just them).
QStringList checkDataFiles(const QString &dataFolder, const QList<DataFile> &files);

// The message for a file that is present but cannot be read.
QString unreadableFileMessage(DataFile file, const QString &path, const QString &cause);

// Opens one data file read-only and checks its header and table layout.
// Returns an empty text on success, else the cause (for unreadableFileMessage).
QString openDataFile(DataFile file, const QString &path, sqlite::Database &db);

// The cause text for a failed SQLite call on an opened data file.
QString sqliteFailureCause(const sqlite::Database &db);

} // namespace lumolex
