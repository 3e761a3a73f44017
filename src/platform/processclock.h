#pragma once

// A clock that counts from the start of this process, so that a start-up
// figure includes the time the dynamic loader spends on the libraries before
// main() runs. On Linux the kernel's record of the start (field 22 of
// /proc/self/stat, in clock ticks since boot) is read against the boot-time
// clock; elsewhere, or when that record cannot be read, the clock counts from
// its own creation, which the program makes first thing in main().
//
// The kernel keeps the start in whole clock ticks (usually 10 ms) rounded
// down, so a figure from the process start may include up to one tick of
// time before the process existed.
//
// Plain C++ on purpose: the benchmark's empty window compiles this file
// without the rest of the program.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumolex {

class ProcessClock
{
public:
    enum class Origin { ProcessStart, ClockCreation };

    // Counts from the process start where the system tells it, else from now.
    static ProcessClock sinceProcessStart();
    // Counts from now.
    static ProcessClock sinceNow();

    Origin origin() const { return m_origin; }
    // "the process start" or "main()", for the printed figures.
    const char *originName() const;
    double elapsedMs() const;

private:
    ProcessClock(Origin origin, std::chrono::nanoseconds start)
        : m_origin(origin)
        , m_start(start)
    {
    }

    Origin m_origin;
    std::chrono::nanoseconds m_start; // on the clock now() reads
};

// The start time (field 22, in clock ticks since boot) from the text of a
// /proc/<pid>/stat file. The second field, the program's name in
// parentheses, may itself hold spaces and parentheses: the fields are
// counted from its last closing parenthesis. Nothing when the text is cut
// short or the field is not a number.
std::optional<std::uint64_t> startTicksFromStat(std::string_view stat);

} // namespace lumolex
