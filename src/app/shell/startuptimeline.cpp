#include "app/shell/startuptimeline.h"

#include <QString>

#include <cstdio>

namespace lumolex {

StartupTimeline::StartupTimeline(ProcessClock clock)
    : StartupTimeline(clock, qEnvironmentVariable("LUMOLEX_TIMING") == QLatin1String("1"))
{
}

StartupTimeline::StartupTimeline(ProcessClock clock, bool printing)
    : m_clock(clock)
    , m_printing(printing)
{
}

qint64 StartupTimeline::elapsedMs() const
{
    return static_cast<qint64>(m_clock.elapsedMs());
}

void StartupTimeline::mark(const char *name) const
{
    if (m_printing)
        std::fprintf(stderr, "lumolex: phase %s ends %.1f ms\n", name, m_clock.elapsedMs());
}

qint64 StartupTimeline::report(const char *what) const
{
    const qint64 ms = elapsedMs();
    if (m_printing)
        std::fprintf(stderr, "lumolex: %s %lld ms (from %s)\n", what, static_cast<long long>(ms), m_clock.originName());
    return ms;
}

} // namespace lumolex
