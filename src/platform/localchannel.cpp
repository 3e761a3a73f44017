#include "platform/localchannel.h"

#include <QDeadlineTimer>

#if defined(Q_OS_WIN)
#  include <QLocalServer>
#  include <QLocalSocket>
#else
#  include <QDir>
#  include <QFile>
#  include <QScopeGuard>
#  include <QSocketNotifier>

#  include <cerrno>
#  include <cstring>
#  include <set>

#  include <poll.h>
#  include <sys/socket.h>
#  include <sys/stat.h>
#  include <sys/un.h>
#  include <unistd.h>
#endif

namespace lumolex {

#if defined(Q_OS_WIN)

struct LocalChannelServer::Private {
    QLocalServer *server = nullptr;
    QString error;
};

LocalChannelServer::LocalChannelServer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
}

LocalChannelServer::~LocalChannelServer()
{
    if (d->server)
        d->server->close();
}

bool LocalChannelServer::listen(const QString &name, bool replaceStale)
{
    if (!d->server) {
        d->server = new QLocalServer(this);
        d->server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(d->server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = d->server->nextPendingConnection()) {
                const auto read = [this, socket] {
                    while (socket->canReadLine())
                        emit lineReceived(socket->readLine(MaxLineLength));
                    if (socket->bytesAvailable() > MaxLineLength) {
                        socket->readAll();
                        socket->abort();
                    }
                };
                connect(socket, &QLocalSocket::readyRead, this, read);
                connect(socket, &QLocalSocket::disconnected, this, [read, socket] {
                    read();
                    socket->deleteLater();
                });
                read();
            }
        });
    }
    if (d->server->listen(name))
        return true;
    if (replaceStale && d->server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);
        if (d->server->listen(name))
            return true;
    }
    d->error = d->server->errorString();
    return false;
}

bool LocalChannelServer::isListening() const
{
    return d->server && d->server->isListening();
}

QString LocalChannelServer::errorString() const
{
    return d->error;
}

bool sendToLocalChannel(const QString &name, const QByteArray &message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::WriteOnly);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    bool sent = true;
    if (!message.isEmpty()) {
        socket.write(message);
        sent = socket.waitForBytesWritten(timeoutMs) || socket.bytesToWrite() == 0;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return sent;
}

#else

namespace {

// The socket file of a name: in the temporary folder, as QLocalServer puts it.
QByteArray socketPath(const QString &name)
{
    return QFile::encodeName(QDir::isAbsolutePath(name) ? name : QDir(QDir::tempPath()).filePath(name));
}

bool fillAddress(const QByteArray &path, sockaddr_un *address)
{
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

QString systemError(const QByteArray &path, int error)
{
    return QStringLiteral("%1: %2").arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(error)));
}

// Waits until the socket is ready for `events` or the deadline passes.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    while (true) {
        const int result = ::poll(&entry, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

struct LocalChannelServer::Private {
    int fd = -1;
    QByteArray path;
    QSocketNotifier *notifier = nullptr;
    std::set<int> clients;
    QString error;
};

LocalChannelServer::LocalChannelServer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
}

LocalChannelServer::~LocalChannelServer()
{
    for (const int client : d->clients)
        ::close(client);
    if (d->fd >= 0) {
        ::close(d->fd);
        ::unlink(d->path.constData());
    }
}

bool LocalChannelServer::listen(const QString &name, bool replaceStale)
{
    if (d->fd >= 0)
        return true;
    const QByteArray path = socketPath(name);
    sockaddr_un address;
    if (!fillAddress(path, &address)) {
        d->error = systemError(path, ENAMETOOLONG);
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        d->error = systemError(path, errno);
        return false;
    }
    auto closeOnFailure = qScopeGuard([fd] { ::close(fd); });
    const auto bindToPath = [&] { return ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0; };
    bool bound = bindToPath();
    if (!bound && errno == EADDRINUSE && replaceStale) {
        ::unlink(path.constData());
        bound = bindToPath();
    }
    if (!bound) {
        d->error = systemError(path, errno);
        return false;
    }
    // Only this user may send.
    ::chmod(path.constData(), S_IRUSR | S_IWUSR);
    if (::listen(fd, 16) != 0) {
        d->error = systemError(path, errno);
        ::unlink(path.constData());
        return false;
    }
    closeOnFailure.dismiss();
    d->fd = fd;
    d->path = path;
    d->notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        while (true) {
            const int client = ::accept4(d->fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (client < 0) {
                if (errno == EINTR)
                    continue;
                return;   // none left waiting
            }
            d->clients.insert(client);
            auto *readable = new QSocketNotifier(qintptr(client), QSocketNotifier::Read, this);
            auto pending = std::make_shared<QByteArray>();
            connect(readable, &QSocketNotifier::activated, this, [this, client, readable, pending] {
                const auto drop = [&] {
                    readable->setEnabled(false);
                    readable->deleteLater();
                    d->clients.erase(client);
                    ::close(client);
                };
                char chunk[512];
                while (true) {
                    const ssize_t count = ::read(client, chunk, sizeof chunk);
                    if (count < 0 && errno == EINTR)
                        continue;
                    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                        return;   // more may come
                    if (count <= 0)
                        return drop();   // the client is done
                    pending->append(chunk, count);
                    for (qsizetype end = pending->indexOf('\n'); end >= 0; end = pending->indexOf('\n')) {
                        const QByteArray line = pending->left(end + 1);
                        pending->remove(0, end + 1);
                        if (line.size() <= MaxLineLength)
                            emit lineReceived(line);
                    }
                    if (pending->size() > MaxLineLength)
                        return drop();   // not a line of ours
                }
            });
        }
    });
    return true;
}

bool LocalChannelServer::isListening() const
{
    return d->fd >= 0;
}

QString LocalChannelServer::errorString() const
{
    return d->error;
}

bool sendToLocalChannel(const QString &name, const QByteArray &message, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    sockaddr_un address;
    if (!fillAddress(socketPath(name), &address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    while (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN && !deadline.hasExpired()) {
            ::poll(nullptr, 0, 5);   // the listener's queue is full: try again shortly
            continue;
        }
        if (errno != EINPROGRESS || !waitFor(fd, POLLOUT, deadline))
            return false;   // nobody listens, or only a stale socket file is left
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
            return false;
        break;
    }
    qsizetype written = 0;
    while (written < message.size()) {
        const ssize_t count = ::send(fd, message.constData() + written, size_t(message.size() - written), MSG_NOSIGNAL);
        if (count > 0) {
            written += count;
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd, POLLOUT, deadline))
            continue;
        return false;
    }
    return true;
}

#endif

} // namespace lumolex
