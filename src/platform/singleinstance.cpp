#include "platform/singleinstance.h"

#include "platform/localchannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <QWidget>

namespace lumolex {

namespace {

const QByteArray kActivateMessage = QByteArrayLiteral("activate\n");

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_serverName(serverNameFor(key, currentUserName()))
{
}

SingleInstance::~SingleInstance()
{
    // The socket file goes before the lock: it is never left without it.
    delete m_server;
}

QString SingleInstance::defaultKey()
{
    return QStringLiteral("Лумолекс Тарвен");
}

QString SingleInstance::serverNameFor(const QString &key, const QString &userName)
{
    // Socket file names and pipe names must be plain ASCII and short, so
    // the key and the user go in as a hash.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(key.toUtf8());
    hash.addData(QByteArrayView("\n"));
    hash.addData(userName.toUtf8());
    return QStringLiteral("LumoLex-") + QString::fromLatin1(hash.result().toHex().left(20));
}

QString SingleInstance::currentUserName()
{
    for (const char *variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QDir::homePath();
}

QString SingleInstance::lockFileName() const
{
    // Beside the channel's socket file, per user by the name.
    return QDir(QDir::tempPath()).filePath(m_serverName + QStringLiteral(".lock"));
}

bool SingleInstance::isPrimary() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::tryBecomePrimary(OnSecondary onSecondary)
{
    m_errorString.clear();
    if (isPrimary() || (m_lock && m_lock->isLocked()))
        return true;
    const QByteArray message = onSecondary == OnSecondary::Activate ? kActivateMessage : QByteArray();

    m_lock = std::make_unique<QLockFile>(lockFileName());
    // Held for the whole run: stale only when its process is gone, never by age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen(/*replaceStaleSocket*/ true);
        return true;   // when listening failed, errorString() tells why nobody will be told
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        // A running copy holds the lock; it may not be listening yet.
        if (!message.isEmpty())
            sendToPrimary(message);
        return false;
    }
    // No lock file can be made here: the socket alone decides.
    const QString lockError = QStringLiteral("Cannot create %1").arg(QDir::toNativeSeparators(lockFileName()));
    m_lock.reset();
    const bool primary = tryBecomePrimaryWithoutLock(message);
    if (primary && m_errorString.isEmpty())
        m_errorString = lockError;
    return primary;
}

bool SingleInstance::tryBecomePrimaryWithoutLock(const QByteArray &message)
{
    if (connectAndSend(message, ConnectTimeoutMs))
        return false;
    // Without the lock a socket file under the name may belong to a copy
    // that is just starting, so it is never removed here.
    if (listen(/*replaceStaleSocket*/ false))
        return true;
    if (connectAndSend(message, ConnectTimeoutMs))
        return false;
    return true;   // run alone; errorString() tells why nobody will be told
}

bool SingleInstance::activatePrimary()
{
    if (isPrimary())
        return false;
    return sendToPrimary(kActivateMessage);
}

bool SingleInstance::sendToPrimary(const QByteArray &message)
{
    // The first copy takes the lock and then starts listening: a copy that
    // comes in between tries again for a while.
    QDeadlineTimer deadline(ConnectTimeoutMs);
    while (true) {
        if (connectAndSend(message, int(qMax<qint64>(1, deadline.remainingTime()))))
            return true;
        if (deadline.hasExpired() || !QFileInfo::exists(lockFileName()))
            return false;   // no copy holds the lock: nobody will listen
        QThread::msleep(10);
    }
}

bool SingleInstance::connectAndSend(const QByteArray &message, int timeoutMs)
{
    return sendToLocalChannel(m_serverName, message, timeoutMs);
}

bool SingleInstance::listen(bool replaceStaleSocket)
{
    if (!m_server) {
        m_server = new LocalChannelServer(this);
        connect(m_server, &LocalChannelServer::lineReceived, this, [this](const QByteArray &line) {
            if (line == kActivateMessage)
                emit activationRequested();
        });
    }
    // Only the holder of the lock listens, so with the lock a socket file
    // under the name is what a copy that ended without closing it left.
    if (m_server->listen(m_serverName, replaceStaleSocket))
        return true;
    m_errorString = m_server->errorString();
    return false;
}

void bringToFront(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
}

} // namespace lumolex
