#include "isolation.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <unistd.h>

namespace lumolex::test {

namespace {
const char kFolderVariable[] = "LUMOLEX_ISOLATED_FOLDER";
}

QString isolatedFolder()
{
    return qEnvironmentVariable(kFolderVariable);
}

bool rerunIsolated(const QString &folder, const QString &mountScript, QString *output)
{
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter = QStringLiteral("--gtest_filter=%1.%2")
                               .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()));
    QStringList arguments;
    // An ordinary user gets the right to mount through a user namespace of
    // its own, in which it is root.
    if (::geteuid() != 0)
        arguments << QStringLiteral("--map-root-user");
    arguments << QStringLiteral("--mount") << QStringLiteral("--") << QStringLiteral("sh") << QStringLiteral("-c")
              << QStringLiteral("set -e; %1; exec \"$0\" \"$1\"").arg(mountScript)
              << QCoreApplication::applicationFilePath() << filter;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kFolderVariable), folder);
    environment.insert(QStringLiteral("FOLDER"), folder);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("unshare"), arguments);
    const bool finished = child.waitForFinished(120000);
    *output = QString::fromLocal8Bit(child.readAll());
    if (!finished)
        child.kill();
    // A filter that matched nothing would pass as well: the test must have run.
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
           && output->contains(QStringLiteral("[  PASSED  ] 1 test"));
}

QString smallTmpfsScript(int kilobytes)
{
    return QStringLiteral("mount -t tmpfs -o size=%1k lumolex-test \"$FOLDER\"").arg(kilobytes);
}

QString readOnlyScript(const QString &subfolder)
{
    const QString path = QStringLiteral("\"$FOLDER/%1\"").arg(subfolder);
    return QStringLiteral("mount --bind %1 %1; mount -o remount,bind,ro %1 %1").arg(path);
}

} // namespace lumolex::test
