#include "measuredrun.h"

#include "benchsupport.h"

#include <QFile>
#include <QTemporaryFile>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace lumolex::bench {

namespace {

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

RunFigures runMeasured(RunRequest &request)
{
    RunFigures figures;
    QTemporaryFile errFile;
    if (!errFile.open())
        return figures;
    const QByteArray errPath = errFile.fileName().toLocal8Bit();
    QTemporaryFile outFile;
    if (request.captureStdout && !outFile.open())
        return figures;
    const QByteArray outPath = request.captureStdout ? outFile.fileName().toLocal8Bit() : QByteArray("/dev/null");

    std::vector<QByteArray> args{request.program.toLocal8Bit()};
    for (const QString &a : request.arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> env;
    for (const QString &e : request.environment)
        env.push_back(e.toLocal8Bit());

    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid < 0)
        return figures;
    if (pid == 0) {
        for (QByteArray &e : env)
            putenv(e.data());
        const int fd = open(errPath.constData(), O_WRONLY | O_TRUNC);
        if (fd >= 0) {
            dup2(fd, 2);
            close(fd);
        }
        const int output = open(outPath.constData(), O_WRONLY | O_TRUNC);
        if (output >= 0)
            dup2(output, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }

    int status = 0;
    rusage usage{};
    bool ended = false;
    if (!request.awaitedLine.isEmpty()) {
        bool askedToEnd = false;
        while (!ended && clock.elapsed() < request.timeoutMs) {
            const pid_t done = wait4(pid, &status, WNOHANG, &usage);
            if (done == pid) {
                ended = true;
                break;
            }
            const QString text = readAll(errFile.fileName());
            if (figures.launchToLineMs < 0 && text.contains(request.awaitedLine))
                figures.launchToLineMs = msSince(clock);
            if (request.thenLineMs < 0 && !request.thenLine.isEmpty() && text.contains(request.thenLine))
                request.thenLineMs = msSince(clock);
            const bool allSeen = figures.launchToLineMs >= 0 && (request.thenLine.isEmpty() || request.thenLineMs >= 0);
            if (allSeen && !askedToEnd) {
                kill(pid, SIGTERM);
                askedToEnd = true;
            }
            QThread::usleep(2000);
        }
        if (!ended) {
            if (!askedToEnd)
                kill(pid, SIGTERM);
            QElapsedTimer grace;
            grace.start();
            while (!ended && grace.elapsed() < 10000) {
                ended = wait4(pid, &status, WNOHANG, &usage) == pid;
                if (!ended)
                    QThread::usleep(5000);
            }
            if (!ended) {
                kill(pid, SIGKILL);
                wait4(pid, &status, 0, &usage);
            }
        }
    } else {
        wait4(pid, &status, 0, &usage);
        ended = true;
    }
    figures.launchToEndMs = msSince(clock);
    figures.peakKiB = usage.ru_maxrss;
    figures.cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    figures.stderrText = readAll(errFile.fileName());
    if (request.captureStdout)
        figures.stdoutText = readAll(outFile.fileName());
    figures.ok = ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return figures;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

} // namespace lumolex::bench
