#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
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
    if (m_server)
        m_server->close();   // removes the socket file on Unix
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

bool SingleInstance::isPrimary() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::tryBecomePrimary(OnSecondary onSecondary)
{
    m_errorString.clear();
    if (isPrimary())
        return true;
    const QByteArray message = onSecondary == OnSecondary::Activate ? kActivateMessage : QByteArray();
    if (sendToPrimary(message))
        return false;
    if (listen())
        return true;
    // Another copy may have started listening between the two steps.
    if (sendToPrimary(message))
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
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::WriteOnly);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;   // nobody listens, or only a stale socket file is left
    bool sent = true;
    if (!message.isEmpty()) {
        socket.write(message);
        sent = socket.waitForBytesWritten(ConnectTimeoutMs) || socket.bytesToWrite() == 0;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(ConnectTimeoutMs);
    return sent;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    }
    if (m_server->listen(m_serverName))
        return true;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Nobody answered on the name, so what is left is the socket file of
        // a copy that ended without closing it.
        QLocalServer::removeServer(m_serverName);
        if (m_server->listen(m_serverName))
            return true;
    }
    m_errorString = m_server->errorString();
    return false;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessages(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            readMessages(socket);
            socket->deleteLater();
        });
        readMessages(socket);
    }
}

void SingleInstance::readMessages(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(256);
        if (line == kActivateMessage)
            emit activationRequested();
    }
    // Anything else than short lines is not from us: drop it.
    if (socket->bytesAvailable() > 256) {
        socket->readAll();
        socket->abort();
    }
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
