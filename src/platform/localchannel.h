#pragma once

// A named local channel for short text lines between copies of the program
// run by one user: a Unix domain socket in the temporary folder (the same
// file QLocalServer would make for the name), or a named pipe on Windows.
// On Unix it is plain sockets under the event loop, so that the program
// does not load a network library at every start for a message it rarely
// gets.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

namespace lumolex {

class LocalChannelServer : public QObject
{
    Q_OBJECT
public:
    explicit LocalChannelServer(QObject *parent = nullptr);
    // Stops listening; on Unix the socket file goes with it.
    ~LocalChannelServer() override;

    // Listens under `name`, for the current user only. When the name is
    // taken by a socket file and `replaceStale` is set, the file is taken
    // to be left behind by a copy that ended without closing it, and is
    // replaced. False with errorString() when nothing listens.
    bool listen(const QString &name, bool replaceStale);
    bool isListening() const;
    QString errorString() const;

    // Lines longer than this are not ours: the connection that sends one is
    // dropped.
    static constexpr int MaxLineLength = 256;

signals:
    // One line a client sent, with its newline.
    void lineReceived(const QByteArray &line);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Connects to the channel `name` and sends `message` (only connects when it
// is empty). False when nobody listens there, or when connecting or
// writing takes longer than `timeoutMs`.
bool sendToLocalChannel(const QString &name, const QByteArray &message, int timeoutMs);

} // namespace lumolex
