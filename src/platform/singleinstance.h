#pragma once

// Single instance of the program per user.
//
// The first copy listens on a local channel (localchannel.h) whose
// name is derived from "Лумолекс Тарвен" and the user name. A later copy
// finds it, asks it to come forward and ends. To tell the user before the
// first copy comes forward, a later copy can ask separately:
//
//     if (!instance->tryBecomePrimary(SingleInstance::OnSecondary::Wait)) {
//         // "Программа уже запущена !"
//         instance->activatePrimary();
//         // end without showing the window or writing anything
//     }
//
// The first copy then emits activationRequested(), and the main window
// restores or raises itself (bringToFront()). Only a copy that called
// tryBecomePrimary() can be found, so a copy started with the rule off is
// invisible to later ones.
//
// Which copy is the first is decided by a lock file (QLockFile) beside the
// socket: taking it is atomic, so of two copies started at the same moment
// exactly one wins. Only the holder of the lock listens, so a socket file
// found under the name is stale and replaced. A lock file left behind by a
// crashed copy is recognised as stale (its process is gone) and taken over.

#include <QObject>
#include <QString>

#include <memory>

class QLockFile;
class QWidget;

namespace lumolex {

class LocalChannelServer;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // key names the program; tests use their own key so they do not meet a
    // running program.
    explicit SingleInstance(const QString &key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    static QString defaultKey();
    // An ASCII-only server name for a key and a user name.
    static QString serverNameFor(const QString &key, const QString &userName);
    // The name of the user running the program.
    static QString currentUserName();

    QString serverName() const { return m_serverName; }
    // The lock file that makes a copy the first one.
    QString lockFileName() const;

    // What a later copy does at once when it finds the first one.
    enum class OnSecondary {
        Activate,   // ask the first copy to come forward
        Wait,       // nothing yet; activatePrimary() asks later
    };

    // True when this is the first copy: it now listens for later copies.
    // False when another copy answered; this one should end without
    // writing anything. If the server cannot be started for another reason,
    // the result is true (the program runs as if alone) and errorString()
    // says why.
    bool tryBecomePrimary(OnSecondary onSecondary = OnSecondary::Activate);

    // Asks the running first copy to come to the front. False when no copy
    // answered.
    bool activatePrimary();

    bool isPrimary() const;
    QString errorString() const { return m_errorString; }

    // How long a later copy waits for the first one, in milliseconds (the
    // first copy may hold the lock but not listen yet).
    static constexpr int ConnectTimeoutMs = 1000;

signals:
    // A later copy asked this one to come to the front.
    void activationRequested();

private:
    bool sendToPrimary(const QByteArray &message);
    bool connectAndSend(const QByteArray &message, int timeoutMs);
    bool tryBecomePrimaryWithoutLock(const QByteArray &message);
    bool listen(bool replaceStaleSocket);

    QString m_serverName;
    QString m_errorString;
    LocalChannelServer *m_server = nullptr;
    std::unique_ptr<QLockFile> m_lock;
};

// Restores a minimised window, raises it and activates it. A hidden window
// (the program in the tray) is left hidden: leaving the tray is the caller's.
void bringToFront(QWidget *window);

} // namespace lumolex
