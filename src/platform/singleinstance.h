#pragma once

// Single instance of the program per user.
//
// The first copy listens on a local socket (a named pipe on Windows) whose
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
// A socket file left behind by a crashed copy is recognised - nobody answers
// on it - and replaced.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace lumolex {

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

    // How long a later copy waits for the first one, in milliseconds.
    static constexpr int ConnectTimeoutMs = 1000;

signals:
    // A later copy asked this one to come to the front.
    void activationRequested();

private:
    bool sendToPrimary(const QByteArray &message);
    bool listen();
    void acceptConnections();
    void readMessages(QLocalSocket *socket);

    QString m_serverName;
    QString m_errorString;
    QLocalServer *m_server = nullptr;
};

// Restores a minimised window, raises it and activates it. A hidden window
// (the program in the tray) is left hidden: leaving the tray is the caller's.
void bringToFront(QWidget *window);

} // namespace lumolex
