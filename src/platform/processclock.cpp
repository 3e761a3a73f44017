#include "platform/processclock.h"

#include <charconv>
#include <cstdio>
#include <ctime>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace lumolex {

namespace {

// Field 22 is the 20th after the name's closing parenthesis (field 2).
constexpr int kFieldsAfterName = 20;

#if defined(__linux__)
// The clock the kernel's start times are kept on: time since boot,
// suspended time included.
std::chrono::nanoseconds now()
{
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

std::optional<std::chrono::nanoseconds> processStart()
{
    std::FILE *file = std::fopen("/proc/self/stat", "re");
    if (!file)
        return std::nullopt;
    char text[1024];
    const size_t length = std::fread(text, 1, sizeof text, file);
    std::fclose(file);
    const std::optional<std::uint64_t> ticks = startTicksFromStat(std::string_view(text, length));
    const long perSecond = sysconf(_SC_CLK_TCK);
    if (!ticks || perSecond <= 0)
        return std::nullopt;
    const auto start = std::chrono::nanoseconds(std::int64_t(*ticks) * (1'000'000'000 / perSecond));
    // A start in the future is no start this clock can use.
    if (start > now())
        return std::nullopt;
    return start;
}
#else
std::chrono::nanoseconds now()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

std::optional<std::chrono::nanoseconds> processStart()
{
    return std::nullopt;
}
#endif

} // namespace

ProcessClock ProcessClock::sinceProcessStart()
{
    if (const std::optional<std::chrono::nanoseconds> start = processStart())
        return ProcessClock(Origin::ProcessStart, *start);
    return sinceNow();
}

ProcessClock ProcessClock::sinceNow()
{
    return ProcessClock(Origin::ClockCreation, now());
}

const char *ProcessClock::originName() const
{
    return m_origin == Origin::ProcessStart ? "the process start" : "main()";
}

double ProcessClock::elapsedMs() const
{
    return std::chrono::duration<double, std::milli>(now() - m_start).count();
}

std::optional<std::uint64_t> startTicksFromStat(std::string_view stat)
{
    const size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = stat.substr(nameEnd + 1);
    for (int field = 0; field < kFieldsAfterName; ++field) {
        const size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(start);
        const size_t end = rest.find(' ');
        if (field == kFieldsAfterName - 1) {
            const std::string_view value = rest.substr(0, end == std::string_view::npos ? rest.size() : end);
            std::uint64_t ticks = 0;
            const auto [last, error] = std::from_chars(value.data(), value.data() + value.size(), ticks);
            if (error != std::errc() || last != value.data() + value.size())
                return std::nullopt;
            return ticks;
        }
        if (end == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(end);
    }
    return std::nullopt;
}

} // namespace lumolex
