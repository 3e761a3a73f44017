// Work areas and free memory.
#include "platform/systeminfo.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

using namespace lumolex;

TEST(AvailableMemory, MeminfoMemAvailableIsUsed)
{
    const QByteArray meminfo = "MemTotal:       16318008 kB\n"
                               "MemFree:          512000 kB\n"
                               "MemAvailable:    8000000 kB\n"
                               "Buffers:          100000 kB\n"
                               "Cached:          4000000 kB\n";
    EXPECT_EQ(availableMemoryFromMeminfo(meminfo), std::optional<quint64>(8000000ull * 1024));
}

TEST(AvailableMemory, OldKernelsAddFreeBuffersAndCache)
{
    const QByteArray meminfo = "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 20 kB\nCached: 300 kB\n";
    EXPECT_EQ(availableMemoryFromMeminfo(meminfo), std::optional<quint64>(420ull * 1024));
}

TEST(AvailableMemory, UnreadableTextGivesNothing)
{
    EXPECT_FALSE(availableMemoryFromMeminfo(QByteArray()).has_value());
    EXPECT_FALSE(availableMemoryFromMeminfo("garbage\n:\n").has_value());
    EXPECT_FALSE(availableMemoryFromMeminfo("MemAvailable: lots kB\n").has_value());
    // A name that only begins like the one looked for does not count.
    EXPECT_FALSE(availableMemoryFromMeminfo("MemAvailableX: 5 kB\n").has_value());
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
