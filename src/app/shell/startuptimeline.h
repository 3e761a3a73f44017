#pragma once

// The start-up's clock and, with LUMOLEX_TIMING=1 in the environment, its
// timestamps on standard error. The clock counts from the process start
// (ProcessClock), so the time the libraries take to load is in every
// figure; each line says where the count starts.
//
// A phase ends with mark(); its line reads
//   lumolex: phase <name> ends <ms> ms
// with the time since the start, so that a reader takes each phase's length
// from the line before. Figures print as
//   lumolex: <what> <ms> ms (from <origin>)

#include "platform/processclock.h"

#include <QtGlobal>

namespace lumolex {

class StartupTimeline
{
public:
    // Counts on `clock`; prints when LUMOLEX_TIMING is 1.
    explicit StartupTimeline(ProcessClock clock);
    StartupTimeline(ProcessClock clock, bool printing);

    // Whole milliseconds since the start of the count.
    qint64 elapsedMs() const;
    // The phase `name` ends now.
    void mark(const char *name) const;
    // Prints the time up to now under `what`; returns it.
    qint64 report(const char *what) const;

private:
    ProcessClock m_clock;
    bool m_printing;
};

} // namespace lumolex
