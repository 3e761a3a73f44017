#pragma once

// Screen areas and free memory, with neutral answers where the platform has
// none.

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

namespace lumolex {

// The work area (the screen minus task bars and docks) of the screen under
// the point, in global coordinates; the primary screen's when no screen holds
// the point; an empty rectangle when there is no screen at all.
QRect workAreaAt(const QPoint &globalPos);
// The full geometry of that same screen.
QRect screenGeometryAt(const QPoint &globalPos);

// The physical memory available to programs, in bytes, or nothing when the
// platform does not tell (Linux: MemAvailable of /proc/meminfo; Windows:
// GlobalMemoryStatusEx).
std::optional<quint64> availablePhysicalMemory();

// The reading of /proc/meminfo: MemAvailable, or on old kernels without it
// MemFree + Buffers + Cached; nothing when the text holds neither.
std::optional<quint64> availableMemoryFromMeminfo(const QByteArray &meminfo);

// The largest resident size this process has had so far, in bytes, or
// nothing when the platform does not tell (POSIX: getrusage; Windows: the
// peak working set).
std::optional<quint64> peakResidentBytes();

} // namespace lumolex
