#pragma once

// Runs a program as a separate process and measures it as a user would see
// it: wall time from the launch, peak memory (the kernel's figure for the
// process), its CPU time, and what it wrote to stderr.

#include <QString>
#include <QStringList>

#include <functional>

namespace lumolex::bench {

struct RunFigures {
    bool ok = false;              // started, and ended with exit code 0
    double launchToLineMs = -1;   // launch to the awaited stderr line (-1: never seen)
    double launchToEndMs = 0;     // launch to the process's end
    qint64 peakKiB = 0;           // peak resident memory of the process
    double cpuMs = 0;             // user and system CPU time of the process, all threads
    QString stderrText;
    QString stdoutText;           // what it printed, when asked to keep it
};

struct RunRequest {
    QString program;
    QStringList arguments;
    QStringList environment;      // NAME=value added to this process's environment
    // When set: waited for on stderr (polled), then the process is asked to
    // end with SIGTERM, as a user closing the window.
    QString awaitedLine;
    // A second line waited for after the first, before the SIGTERM (optional).
    QString thenLine;
    double thenLineMs = -1;       // out: launch to that second line
    int timeoutMs = 60000;
    bool captureStdout = false;   // keep standard output (else it goes to /dev/null)
};

RunFigures runMeasured(RunRequest &request);

// The load averages of the last 1, 5 and 15 minutes (/proc/loadavg), or
// "unknown": printed beside timings so that a busy machine shows.
QString loadAverage();

} // namespace lumolex::bench
