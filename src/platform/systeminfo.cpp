#include "platform/systeminfo.h"

#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <QScreen>

#ifdef Q_OS_WIN
#  include <windows.h>
#  include <psapi.h>
#elif defined(Q_OS_UNIX)
#  include <sys/resource.h>
#endif

namespace lumolex {

namespace {

QScreen *screenAt(const QPoint &globalPos)
{
    if (QScreen *screen = QGuiApplication::screenAt(globalPos))
        return screen;
    return QGuiApplication::primaryScreen();
}

// The value in kB of one "Name:   1234 kB" line of /proc/meminfo.
std::optional<quint64> meminfoField(const QByteArray &meminfo, const QByteArray &name)
{
    for (const QByteArray &line : meminfo.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon).trimmed() != name)
            continue;
        QByteArray value = line.mid(colon + 1).trimmed();
        if (value.endsWith("kB"))
            value = value.chopped(2).trimmed();
        bool ok = false;
        const quint64 kilobytes = value.toULongLong(&ok);
        if (ok)
            return kilobytes * 1024;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QRect workAreaAt(const QPoint &globalPos)
{
    QScreen *screen = screenAt(globalPos);
    return screen ? screen->availableGeometry() : QRect();
}

QRect screenGeometryAt(const QPoint &globalPos)
{
    QScreen *screen = screenAt(globalPos);
    return screen ? screen->geometry() : QRect();
}

std::optional<quint64> availableMemoryFromMeminfo(const QByteArray &meminfo)
{
    if (const auto available = meminfoField(meminfo, "MemAvailable"))
        return available;
    const auto free = meminfoField(meminfo, "MemFree");
    if (!free)
        return std::nullopt;
    return *free + meminfoField(meminfo, "Buffers").value_or(0)
            + meminfoField(meminfo, "Cached").value_or(0);
}

std::optional<quint64> availablePhysicalMemory()
{
#if defined(Q_OS_WIN)
    MEMORYSTATUSEX status;
    status.dwLength = sizeof(status);
    if (GlobalMemoryStatusEx(&status))
        return quint64(status.ullAvailPhys);
    return std::nullopt;
#elif defined(Q_OS_LINUX)
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // /proc files report size 0: read until the end.
    return availableMemoryFromMeminfo(file.readAll());
#else
    return std::nullopt;
#endif
}

std::optional<quint64> peakResidentBytes()
{
#if defined(Q_OS_WIN)
    PROCESS_MEMORY_COUNTERS counters{};
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return std::nullopt;
    return quint64(counters.PeakWorkingSetSize);
#elif defined(Q_OS_UNIX)
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return std::nullopt;
#  ifdef Q_OS_MACOS
    return quint64(usage.ru_maxrss);          // bytes there
#  else
    return quint64(usage.ru_maxrss) * 1024;   // kilobytes elsewhere
#  endif
#else
    return std::nullopt;
#endif
}

} // namespace lumolex
