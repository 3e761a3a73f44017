#include "data/files/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace lumolex {

namespace {

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

bool holdsData(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(QStringLiteral("DATA"))).isDir();
}

} // namespace

QString programFolderFor(const QString &executableFolder)
{
    const QString beside = QDir::fromNativeSeparators(executableFolder);
    if (holdsData(beside))
        return withSeparator(beside);
    const QString shared = QDir::cleanPath(beside + QStringLiteral("/../share/lumolex"));
    if (holdsData(shared))
        return withSeparator(shared);
    return withSeparator(beside);
}

} // namespace lumolex
