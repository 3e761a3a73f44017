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

ProgramFolder locateProgramFolder(const QString &executableFolder)
{
    const QString beside = QDir::fromNativeSeparators(executableFolder);
    if (holdsData(beside))
        return {withSeparator(beside), false};
    const QString shared = QDir::cleanPath(beside + QStringLiteral("/../share/lumolex"));
    if (holdsData(shared))
        return {withSeparator(shared), true};
    return {withSeparator(beside), false};
}

QString programFolderFor(const QString &executableFolder)
{
    return locateProgramFolder(executableFolder).path;
}

} // namespace lumolex
