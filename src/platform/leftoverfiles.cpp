#include "platform/leftoverfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace lumolex {

namespace {

// How long a temporary file must have been left alone to count as left over.
constexpr qint64 kLeftAloneMs = 60 * 1000;

// The six letters and digits a temporary file name ends with.
bool isTemporarySuffix(QStringView suffix)
{
    if (suffix.size() != 6)
        return false;
    for (const QChar c : suffix)
        if (!(c.isDigit() || (c.unicode() < 128 && c.isLetter())))
            return false;
    return true;
}

bool isOwnTemporaryName(const QString &name, const QString &fileName)
{
    for (const QString &stem : {QLatin1Char('.') + fileName + QLatin1Char('.'), fileName + QLatin1Char('.')}) {
        if (name.size() == stem.size() + 6 && name.startsWith(stem) && isTemporarySuffix(QStringView(name).sliced(stem.size())))
            return true;
    }
    return false;
}

} // namespace

int removeLeftoverTemporaries(const QString &path)
{
    const QFileInfo file(path);
    const QDir folder = file.absoluteDir();
    const QString fileName = file.fileName();
    const QDateTime leftAloneSince = QDateTime::currentDateTimeUtc().addMSecs(-kLeftAloneMs);
    int removed = 0;
    const QStringList candidates = folder.entryList({QLatin1Char('*') + fileName + QStringLiteral(".*")},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : candidates) {
        const QFileInfo candidate(folder.filePath(name));
        if (candidate.isSymLink() || !candidate.isFile() || !isOwnTemporaryName(name, fileName))
            continue;
        if (candidate.lastModified().toUTC() < leftAloneSince && QFile::remove(candidate.filePath()))
            ++removed;
    }
    // A lock whose owner has ended is taken over and let go, which removes
    // it; a lock held by a living copy is left alone.
    const QString lockPath = file.absoluteFilePath() + QStringLiteral(".lock");
    if (QFileInfo(lockPath).isFile() && !QFileInfo(lockPath).isSymLink()) {
        QLockFile lock(lockPath);
        if (lock.tryLock(0)) {
            lock.unlock();
            ++removed;
        }
    }
    return removed;
}

} // namespace lumolex
