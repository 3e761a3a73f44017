// Feeds arbitrary history files to the history-file reader, then writes the
// list back and reads it again, as a start and a close of the program do.
//
// Promises checked besides crashes, leaks and undefined behaviour: writing
// back keeps the number of entries, and after one round (line breaks inside
// an entry become blanks) the list reads back unchanged.
#include "app/store/historyfile.h"

#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QDir>

using namespace lumolex;

namespace {

const QString kRelativePath = QStringLiteral("DATA/LumoCard.hst");

HistoryFile historyFile()
{
    const QString folder = fuzz::scratchFolder();
    return HistoryFile(folder, kRelativePath, folder + QStringLiteral("/user"));
}

QStringList loadOrFail(HistoryFile &file)
{
    QStringList entries;
    if (!file.load(&entries).isEmpty())
        fuzz::broken("a list just written cannot be read");
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    QDir().mkpath(fuzz::scratchFolder() + QStringLiteral("/DATA"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    HistoryFile file = historyFile();
    fuzz::writeInput(file.programPath(), data, size);

    QStringList read;
    if (!file.load(&read).isEmpty())
        return 0;   // refused with a reason: nothing to write back
    if (!file.save(read).isEmpty())
        fuzz::broken("a list read cannot be written back");
    const QStringList once = loadOrFail(file);
    if (once.size() != read.size())
        fuzz::broken("writing a list back changes its number of entries");
    if (!file.save(once).isEmpty())
        fuzz::broken("a list read cannot be written back");
    if (loadOrFail(file) != once)
        fuzz::broken("a list written back twice reads differently");
    return 0;
}
