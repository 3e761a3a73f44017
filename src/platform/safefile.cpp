#include "platform/safefile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#  include <fcntl.h>
#  include <stdlib.h>
#  include <sys/stat.h>
#  include <unistd.h>
#else
#  include <QSaveFile>
#endif

namespace lumolex {

namespace {

// The file a chain of links ends at; the path itself when it is no link.
QString linkTarget(QString path)
{
    for (int depth = 0; depth < 40 && QFileInfo(path).isSymbolicLink(); ++depth)
        path = QFileInfo(path).symLinkTarget();
    return path;
}

#ifdef Q_OS_UNIX

// Writes all of `bytes`; false with errno set when the system refuses.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The permissions the new file gets: those of the regular file it replaces,
// otherwise readable by all and writable by its owner.
mode_t permissionsFor(const QByteArray &nativePath)
{
    struct stat old {};
    if (::lstat(nativePath.constData(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    return 0644;
}

#endif

} // namespace

bool isSymbolicLink(const QString &path)
{
    return QFileInfo(path).isSymbolicLink();
}

QString systemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return QCoreApplication::translate("SafeFile", "на диске нет места");
#ifdef EDQUOT
    case EDQUOT:
        return QCoreApplication::translate("SafeFile", "исчерпана дисковая квота");
#endif
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SafeFile", "нет прав доступа");
    case EROFS:
        return QCoreApplication::translate("SafeFile", "диск доступен только для чтения");
    case ENOENT:
        return QCoreApplication::translate("SafeFile", "папка или файл не существует");
    case ENOTDIR:
        return QCoreApplication::translate("SafeFile", "в пути стоит файл, а не папка");
    case EISDIR:
        return QCoreApplication::translate("SafeFile", "это папка");
    case EIO:
        return QCoreApplication::translate("SafeFile", "ошибка ввода-вывода");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

#ifdef Q_OS_UNIX

OpenOutcome openRegularFile(QFile *file, const QString &path, LinkPolicy links, QString *error)
{
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking, so that opening a FIFO returns at once; fstat then tells
    // what was opened.
    int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (links == LinkPolicy::NoFollow)
        flags |= O_NOFOLLOW;
    const int fd = ::open(native.constData(), flags);
    if (fd < 0) {
        const int cause = errno;
        if (cause == ENOENT || cause == ENOTDIR)   // nothing there, or no folder to hold it
            return OpenOutcome::Missing;
        if (links == LinkPolicy::NoFollow && cause == ELOOP && isSymbolicLink(path))
            return OpenOutcome::IsLink;
        if (cause == ENXIO)   // a socket
            return OpenOutcome::NotRegular;
        *error = systemErrorText(cause);
        return OpenOutcome::Failed;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return OpenOutcome::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *error = file->errorString();
        ::close(fd);
        return OpenOutcome::Failed;
    }
    return OpenOutcome::Opened;
}

QString replaceFile(const QString &path, const QByteArray &bytes, LinkPolicy links)
{
    const QString target = links == LinkPolicy::Follow ? linkTarget(path) : path;
    const QFileInfo info(target);
    const QByteArray native = QFile::encodeName(info.absoluteFilePath());
    QByteArray temporary = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                                             + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return systemErrorText(errno);
    ::fchmod(fd, permissionsFor(native));

    int cause = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        cause = errno;
    if (::close(fd) != 0 && cause == 0)
        cause = errno;
    if (cause == 0 && ::rename(temporary.constData(), native.constData()) != 0)
        cause = errno;
    if (cause != 0) {
        ::unlink(temporary.constData());
        return systemErrorText(cause);
    }
    return QString();
}

#else

OpenOutcome openRegularFile(QFile *file, const QString &path, LinkPolicy links, QString *error)
{
    const QFileInfo info(path);
    if (links == LinkPolicy::NoFollow && info.isSymbolicLink())
        return OpenOutcome::IsLink;
    if (!info.exists())
        return OpenOutcome::Missing;
    if (!info.isFile())
        return OpenOutcome::NotRegular;
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly)) {
        *error = file->errorString();
        return OpenOutcome::Failed;
    }
    return OpenOutcome::Opened;
}

QString replaceFile(const QString &path, const QByteArray &bytes, LinkPolicy links)
{
    if (links == LinkPolicy::NoFollow && isSymbolicLink(path))
        return QCoreApplication::translate("SafeFile", "на этом месте стоит символическая ссылка");
    // Unbuffered, so that each write reports its own failure and a failed
    // write stops the commit.
    QSaveFile file(linkTarget(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString cause = file.errorString();
        file.cancelWriting();
        return cause;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

#endif

} // namespace lumolex
