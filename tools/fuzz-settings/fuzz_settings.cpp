// Feeds arbitrary INI files to the settings store: every value is read as
// at start-up, written to a new file as at shutdown, and read again.
//
// Promises checked besides crashes, leaks and undefined behaviour: what was
// read is written so that it reads back the same.
#include "app/store/settingsstore.h"

#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QFile>

using namespace lumolex;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Fresh names for every input: QSettings caches files by name.
    static int run = 0;
    ++run;
    const QString readPath = fuzz::scratchFolder() + QStringLiteral("/read%1.ini").arg(run);
    const QString writtenPath = fuzz::scratchFolder() + QStringLiteral("/written%1.ini").arg(run);
    fuzz::writeInput(readPath, data, size);

    Settings read;
    {
        SettingsStore store(readPath);
        read = store.readAll();
        store.readNoDoubleProgramm();
    }
    read.SaveParam = true;   // every value is written
    {
        SettingsStore store(writtenPath);
        if (!store.writeAtShutdown(read).isEmpty())
            fuzz::broken("settings cannot be written to a new file");
    }
    {
        SettingsStore store(writtenPath);
        if (!(store.readAll() == read))
            fuzz::broken("settings written do not read back the same");
    }
    QFile::remove(readPath);
    QFile::remove(writtenPath);
    return 0;
}
