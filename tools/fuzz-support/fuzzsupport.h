#pragma once

// Shared by the fuzz targets: a scratch folder for inputs that are read
// from files, and the report of a broken promise.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lumolex::fuzz {

// One scratch folder for the whole run, removed at exit.
inline QString scratchFolder()
{
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no scratch folder: %s\n", qPrintable(folder.errorString()));
        std::abort();
    }
    return folder.path();
}

// Replaces the file at path by the input's bytes.
inline void writeInput(const QString &path, const std::uint8_t *data, std::size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

// A promise of the code under test does not hold: the fuzzer reports the
// input as a crash.
[[noreturn]] inline void broken(const char *what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

} // namespace lumolex::fuzz
