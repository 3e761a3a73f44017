// The local channel between copies: what a listener receives of what a
// client sends, the line limit on both sides, and the socket file.

#include "platform/localchannel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

using lumolex::LocalChannelServer;
using lumolex::sendToLocalChannel;

namespace {

QString uniqueName()
{
    return QStringLiteral("LumoLex-test-") + QUuid::createUuid().toString(QUuid::Id128).left(16);
}

QByteArray lineOf(qsizetype length)
{
    return QByteArray(length - 1, 'x') + '\n';
}

} // namespace

TEST(LocalChannel, DeliversWholeLinesUpToTheLimit)
{
    const int limit = LocalChannelServer::MaxLineLength;
    const struct {
        const char *name;
        QByteArray sent;
        QList<QByteArray> received;
    } cases[] = {
        {"one line", "activate\n", {"activate\n"}},
        {"two lines in one write", "one\ntwo\n", {"one\n", "two\n"}},
        {"a line exactly at the limit", lineOf(limit), {lineOf(limit)}},
        {"a line one past the limit", lineOf(limit + 1), {}},
        {"an unfinished line", "activate", {}},
        {"nothing: a connection only", "", {}},
    };
    const QString name = uniqueName();
    LocalChannelServer server;
    ASSERT_TRUE(server.listen(name, false)) << server.errorString().toStdString();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QSignalSpy received(&server, &LocalChannelServer::lineReceived);
        EXPECT_TRUE(sendToLocalChannel(name, c.sent, 1000));
        // A marker line on a connection of its own says the case is over.
        EXPECT_TRUE(sendToLocalChannel(name, "end\n", 1000));
        QTRY_VERIFY_WITH_TIMEOUT(!received.isEmpty() && received.last().at(0).toByteArray() == "end\n", 3000);
        QList<QByteArray> lines;
        for (qsizetype i = 0; i + 1 < received.size(); ++i)
            lines << received.at(i).at(0).toByteArray();
        EXPECT_EQ(lines, c.received);
    }
}

TEST(LocalChannel, ListensForTheUserAloneAndLeavesNoFileBehind)
{
    const QString name = uniqueName();
    const QString path = QDir(QDir::tempPath()).filePath(name);
    EXPECT_FALSE(sendToLocalChannel(name, "activate\n", 200));   // nobody listens
    {
        LocalChannelServer server;
        ASSERT_TRUE(server.listen(name, false));
        EXPECT_TRUE(server.isListening());
        EXPECT_EQ(QFile::permissions(path) & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                  QFile::Permissions());
        // Where QLocalSocket looks for the name: its clients reach it too.
        QSignalSpy received(&server, &LocalChannelServer::lineReceived);
        QLocalSocket socket;
        socket.connectToServer(name);
        ASSERT_TRUE(socket.waitForConnected(1000));
        socket.write("activate\n");
        socket.waitForBytesWritten(1000);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 3000);

        // A second listener under a name in use is refused unless told the
        // file is stale.
        LocalChannelServer second;
        EXPECT_FALSE(second.listen(name, false));
        EXPECT_FALSE(second.errorString().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path));
}
