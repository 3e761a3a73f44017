#pragma once

// Shared by the benchmarks: the stream their figures go to, their command
// line, their clocks and the figures of a run of timings.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <vector>

namespace lumolex::bench {

// Where the figures are printed.
inline QTextStream out(stdout);

// The widget platform for a benchmark run without a display, unless the
// caller chose one.
inline void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Reads the command line: the benchmark's description, --help and its own
// options.
inline void parseCommandLine(QCommandLineParser &parser, const QCoreApplication &app, const QString &description,
                             const QList<QCommandLineOption> &options)
{
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addOptions(options);
    parser.process(app);
}

// --program: the program folder holding DATA/, by default this program's own.
inline QCommandLineOption programFolderOption()
{
    return {QStringLiteral("program"), QStringLiteral("Program folder holding DATA/."), QStringLiteral("folder"),
            QCoreApplication::applicationDirPath()};
}

// --data: the DATA folder itself, by default DATA beside this program.
inline QCommandLineOption dataFolderOption()
{
    return {QStringLiteral("data"), QStringLiteral("The DATA folder (default: DATA beside this program)."),
            QStringLiteral("dir")};
}

// The number given with an option, at least 1.
inline int atLeastOne(const QCommandLineParser &parser, const QString &name)
{
    return std::max(1, parser.value(name).toInt());
}

// Wall time since the clock was started.
inline double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// CPU time of this thread (CLOCK_THREAD_CPUTIME_ID) or of every thread of
// the process (CLOCK_PROCESS_CPUTIME_ID). On a machine shared with other
// work, wall time measures the other work too.
inline qint64 cpuNanoseconds(clockid_t which)
{
    timespec now{};
    clock_gettime(which, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// A size line of /proc/self/status ("VmRSS:" resident now, "VmHWM:" the
// peak so far) in bytes, -1 where there is none (not Linux).
inline qint64 processStatusBytes(const char *name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qsizetype(qstrlen(name))).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

// The middle value (the upper one of an even count), -1 when there is none.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The smallest value, -1 when there is none.
inline double best(const std::vector<double> &values)
{
    return values.empty() ? -1 : *std::min_element(values.begin(), values.end());
}

// One line of figures: what was timed (in a column of the given width), the
// median and the largest time, and the number of runs.
inline void reportTimes(const QString &what, int width, const std::vector<double> &times)
{
    const double middle = times.empty() ? 0 : median(times);
    const double worst = times.empty() ? 0 : *std::max_element(times.begin(), times.end());
    out << qSetFieldWidth(width) << Qt::left << what << qSetFieldWidth(0) << " median "
        << QString::number(middle, 'f', 2) << " ms, max " << QString::number(worst, 'f', 2) << " ms ("
        << times.size() << " runs)" << Qt::endl;
}

} // namespace lumolex::bench
