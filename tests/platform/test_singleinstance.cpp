// Single instance: a second copy finds the first, which is asked to come to
// the front; of two copies started at the same moment exactly one runs; a
// lock or socket file left by a crashed copy does not block the next.
// That the first copy's minimised window comes back is checked on the real
// window in the app tests.
#include "platform/singleinstance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#ifdef Q_OS_UNIX
#  include <sys/socket.h>
#  include <sys/un.h>
#  include <unistd.h>
#endif

using lumolex::SingleInstance;

namespace {

// Each test its own key, so tests never meet each other or the program.
QString uniqueKey()
{
    return QStringLiteral("Лумолекс тест ") + QUuid::createUuid().toString();
}

// A copy of the rule in its own process (instancehelper/main.cpp), waiting
// for the word to start.
void startCopy(QProcess &copy, const QString &key, int lifetimeMs)
{
    copy.start(QStringLiteral(LUMOLEX_INSTANCE_HELPER), {key, QString::number(lifetimeMs)});
    ASSERT_TRUE(copy.waitForStarted(5000)) << copy.errorString().toStdString();
}

QStringList saidBy(QProcess &copy)
{
    return QString::fromLatin1(copy.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(SingleInstance, ServerNameIsAsciiAndDependsOnKeyAndUser)
{
    const QString name = SingleInstance::serverNameFor(SingleInstance::defaultKey(), QStringLiteral("анна"));
    for (QChar c : name)
        EXPECT_LT(c.unicode(), 128) << "non-ASCII character in " << name.toStdString();
    EXPECT_LE(name.size(), 40);
    EXPECT_EQ(name, SingleInstance::serverNameFor(SingleInstance::defaultKey(), QStringLiteral("анна")));
    EXPECT_NE(name, SingleInstance::serverNameFor(SingleInstance::defaultKey(), QStringLiteral("борис")));
    EXPECT_NE(name, SingleInstance::serverNameFor(QStringLiteral("other"), QStringLiteral("анна")));
    EXPECT_FALSE(SingleInstance::currentUserName().isEmpty());
}

TEST(SingleInstance, SecondCopyActivatesTheFirst)
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    ASSERT_TRUE(first.tryBecomePrimary());
    EXPECT_TRUE(first.isPrimary());
    EXPECT_TRUE(first.errorString().isEmpty());

    {
        SingleInstance second(key);
        EXPECT_FALSE(second.tryBecomePrimary());
        EXPECT_FALSE(second.isPrimary());
    }
    QTRY_COMPARE_WITH_TIMEOUT(activated.count(), 1, 3000);

    // A third copy that tells its user first calls the first copy later.
    SingleInstance third(key);
    EXPECT_FALSE(third.tryBecomePrimary(SingleInstance::OnSecondary::Wait));
    QTest::qWait(100);
    EXPECT_EQ(activated.count(), 1);
    EXPECT_TRUE(third.activatePrimary());
    QTRY_COMPARE_WITH_TIMEOUT(activated.count(), 2, 3000);
    // Asking again of the first copy itself changes nothing.
    EXPECT_TRUE(first.tryBecomePrimary());
    EXPECT_FALSE(first.activatePrimary());
    QTest::qWait(50);
    EXPECT_EQ(activated.count(), 2);
}

TEST(SingleInstance, OfTwoCopiesStartedTogetherExactlyOneRuns)
{
    // Released at the same moment, again and again: never two first copies.
    for (int round = 0; round < 40 && !::testing::Test::HasFailure(); ++round) {
        SCOPED_TRACE(round);
        const QString key = uniqueKey();
        QProcess copies[2];
        for (QProcess &copy : copies)
            startCopy(copy, key, 3000);
        for (QProcess &copy : copies)
            copy.write("go\n");
        for (QProcess &copy : copies)
            copy.waitForBytesWritten(1000);
        QList<QStringList> said;
        for (QProcess &copy : copies) {
            EXPECT_TRUE(copy.waitForFinished(10000));
            said.append(saidBy(copy));
        }
        if (said[1].value(0) == QLatin1String("primary"))
            std::swap(said[0], said[1]);
        // The first copy runs and is asked to come forward; the second one
        // takes the "Программа уже запущена !" path.
        EXPECT_EQ(said[0], (QStringList{"primary", "activated"}));
        EXPECT_EQ(said[1], (QStringList{"secondary", "asked"}));
    }
}

TEST(SingleInstance, NextCopyIsPrimaryAfterTheFirstEndsOrIsKilled)
{
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "killed" : "ended");
        const QString key = uniqueKey();
        if (killed) {
            QProcess crashed;
            startCopy(crashed, key, 30000);
            crashed.write("go\n");
            ASSERT_TRUE(crashed.waitForReadyRead(5000));
            ASSERT_EQ(saidBy(crashed), QStringList{"primary"});
            crashed.kill();   // no clean-up: its lock file and socket file stay
            ASSERT_TRUE(crashed.waitForFinished(5000));
        } else {
            SingleInstance first(key);
            ASSERT_TRUE(first.tryBecomePrimary());
        }

        SingleInstance next(key);
        EXPECT_EQ(QFile::exists(next.lockFileName()), killed);
        EXPECT_FALSE(next.activatePrimary());   // no running copy to activate
        EXPECT_TRUE(next.tryBecomePrimary());
        EXPECT_TRUE(next.isPrimary()) << next.errorString().toStdString();
        SingleInstance later(key);
        EXPECT_FALSE(later.tryBecomePrimary());
    }
}

TEST(SingleInstance, UnrelatedMessagesDoNotActivate)
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    ASSERT_TRUE(first.tryBecomePrimary());
    QLocalSocket socket;
    socket.connectToServer(first.serverName());
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write("hello\nactivate now\n");
    socket.write(QByteArray(1000, 'x'));
    socket.waitForBytesWritten(1000);
    QTest::qWait(200);
    EXPECT_EQ(activated.count(), 0);
}

#ifdef Q_OS_UNIX
TEST(SingleInstance, StaleSocketFileOfACrashedCopyIsReplaced)
{
    const QString key = uniqueKey();
    SingleInstance probe(key);
    // Where the socket of this name lives.
    QLocalServer server;
    ASSERT_TRUE(server.listen(probe.serverName()));
    const QByteArray path = QFile::encodeName(server.fullServerName());
    server.close();
    ASSERT_FALSE(QFile::exists(QString::fromLocal8Bit(path)));

    // A socket file that nobody listens on, as a crash leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(path.size()), sizeof(address.sun_path));
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(path)));

    SingleInstance first(key);
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    EXPECT_TRUE(first.tryBecomePrimary());
    EXPECT_TRUE(first.isPrimary()) << first.errorString().toStdString();

    SingleInstance second(key);
    EXPECT_FALSE(second.tryBecomePrimary());
    QTRY_COMPARE_WITH_TIMEOUT(activated.count(), 1, 3000);
}
#endif
