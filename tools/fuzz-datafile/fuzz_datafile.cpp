// Feeds arbitrary SQLite files to the data-file loader: the input's bytes
// are written to a file that is opened as each of the three data files in
// turn, then as all three at once (the whole load, indexes included).
//
// Promises checked besides crashes, leaks and undefined behaviour: a file
// that is refused comes with a message, and a failed load leaves every
// table empty.
#include "data/files/dataloader.h"
#include "data/files/datafiles.h"
#include "data/table/table.h"

#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace lumolex;

namespace {

QString dataFolder()
{
    return fuzz::scratchFolder() + QStringLiteral("/DATA/");
}

QString inputPath()
{
    return dataFilePath(dataFolder(), DataFile::Articles);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    QDir().mkpath(dataFolder());
    // The three file names lead to the one input file.
    for (DataFile file : {DataFile::WordForms, DataFile::Examples})
        QFile::link(inputPath(), dataFilePath(dataFolder(), file));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::writeInput(inputPath(), data, size);

    for (DataFile file : {DataFile::Articles, DataFile::WordForms, DataFile::Examples}) {
        Table table(QStringLiteral("fuzz"), fieldDefs(file));
        DataFileLoader loader(dataFolder());
        if (!loader.readFile(file, table) && loader.errorString().isEmpty())
            fuzz::broken("a refused data file has no message");
    }

    Table articles(QStringLiteral("articles"), fieldDefs(DataFile::Articles));
    Table wordForms(QStringLiteral("wordforms"), fieldDefs(DataFile::WordForms));
    Table examples(QStringLiteral("examples"), fieldDefs(DataFile::Examples));
    DataFileLoader loader(dataFolder());
    if (!loader.load(articles, wordForms, examples)) {
        if (loader.errorString().isEmpty())
            fuzz::broken("a failed load has no message");
        if (articles.rowCount() != 0 || wordForms.rowCount() != 0 || examples.rowCount() != 0)
            fuzz::broken("a failed load leaves rows in a table");
    }
    return 0;
}
