// The process clock: the start time read from /proc/<pid>/stat text whatever
// the program's name holds, refusals of text it cannot trust, and the clock
// of this very process counting from before the test began.
#include "platform/processclock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

using namespace lumolex;

namespace {

// A stat line of a process called `name` that started at `start` ticks; the
// fields after the start time as the kernel writes them.
std::string statLine(const std::string &name, const std::string &start)
{
    return "4242 (" + name + ") S 1 4242 4242 0 -1 4194560 1137 0 0 0 3 1 0 0 20 0 1 0 " + start
        + " 6774784 842 18446744073709551615 1 1 0 0 0 0 0 4096 0 0 0 0 17 1 0 0 0 0 0\n";
}

} // namespace

TEST(StartTicksFromStat, ReadsFieldTwentyTwoWhateverTheNameHolds)
{
    const struct {
        const char *what;
        std::string stat;
        std::optional<std::uint64_t> expected;
    } cases[] = {
        {"plain name", statLine("lumolex", "123456"), 123456},
        {"name with spaces", statLine("my dict viewer", "77"), 77},
        {"name with parentheses", statLine("a) S 1 2 (b", "9001"), 9001},
        {"name ending in a parenthesis", statLine("x)", "31"), 31},
        {"name of only blanks and digits", statLine(" 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 ", "5"), 5},
        {"empty name", statLine("", "64"), 64},
        {"large start", statLine("lumolex", "18446744073709551615"), 18446744073709551615ull},
        {"no name", "4242 S 1 4242 4242 0 -1 4194560 1137 0 0 0 3 1 0 0 20 0 1 0 77 6774784", std::nullopt},
        {"cut before the start", "4242 (lumolex) S 1 4242 4242 0 -1 4194560 1137 0 0 0 3 1 0 0 20 0 1 0",
         std::nullopt},
        {"cut inside the name", "4242 (lumol", std::nullopt},
        {"start not a number", statLine("lumolex", "12x4"), std::nullopt},
        {"start negative", statLine("lumolex", "-12"), std::nullopt},
        {"empty text", "", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(startTicksFromStat(c.stat), c.expected) << c.what;
}

TEST(ProcessClock, CountsFromBeforeItWasMade)
{
    // The test program has been running for a while (loading, gtest's
    // set-up); a clock from the process start counts that time, a clock from
    // now does not. Where the start cannot be read, both count from now.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const ProcessClock fromStart = ProcessClock::sinceProcessStart();
    const ProcessClock fromNow = ProcessClock::sinceNow();
    EXPECT_EQ(fromNow.origin(), ProcessClock::Origin::ClockCreation);
#if defined(__linux__)
    ASSERT_EQ(fromStart.origin(), ProcessClock::Origin::ProcessStart);
    EXPECT_STREQ(fromStart.originName(), "the process start");
    EXPECT_GE(fromStart.elapsedMs(), 30.0);
#endif
    EXPECT_LT(fromNow.elapsedMs(), fromStart.elapsedMs() + 1e-6);
    EXPECT_GE(fromNow.elapsedMs(), 0.0);
}
