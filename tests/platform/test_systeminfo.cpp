// Work areas and free memory.
#include "platform/systeminfo.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

using namespace lumolex;

TEST(AvailableMemory, FromMeminfo)
{
    const struct { const char *meminfo; std::optional<quint64> bytes; } cases[] = {
        {"MemTotal:       16318008 kB\nMemFree:          512000 kB\nMemAvailable:    8000000 kB\n"
         "Buffers:          100000 kB\nCached:          4000000 kB\n", 8000000ull * 1024},
        // Old kernels: free plus buffers plus cache.
        {"MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 20 kB\nCached: 300 kB\n", 420ull * 1024},
        // Unreadable texts give nothing; a name that only begins like the one looked for does not count.
        {"", std::nullopt},
        {"garbage\n:\n", std::nullopt},
        {"MemAvailable: lots kB\n", std::nullopt},
        {"MemAvailableX: 5 kB\n", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.meminfo);
        EXPECT_EQ(availableMemoryFromMeminfo(c.meminfo), c.bytes);
    }
}

#ifdef Q_OS_LINUX
TEST(AvailableMemory, ThisMachineReportsSome)
{
    const auto bytes = availablePhysicalMemory();
    ASSERT_TRUE(bytes.has_value());
    EXPECT_GT(*bytes, 1024ull * 1024);
}
#endif

TEST(WorkArea, ScreenUnderAPointOrThePrimaryOne)
{
    QScreen *primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    const QRect screen = primary->geometry();
    const QRect inside = workAreaAt(screen.center());
    EXPECT_FALSE(inside.isEmpty());
    EXPECT_TRUE(screen.contains(inside));
    EXPECT_EQ(screenGeometryAt(screen.center()), screen);
    // Far away from every screen: the primary screen's.
    EXPECT_EQ(workAreaAt(QPoint(-100000, -100000)), primary->availableGeometry());
    EXPECT_EQ(screenGeometryAt(QPoint(100000, 100000)), screen);
}
