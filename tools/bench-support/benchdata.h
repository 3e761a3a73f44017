#pragma once

// Shared by the benchmarks that read a DATA folder without the window: the
// folder named on the command line and the three tables as the program
// holds them.

#include "data/files/datafiles.h"
#include "data/files/datafileschema.h"
#include "data/table/table.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace lumolex::bench {

// The folder given with --data (see dataFolderOption), or DATA beside this
// program.
inline QString dataFolder(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("data")) ? parser.value(QStringLiteral("data"))
                                                : dataFolderOf(QCoreApplication::applicationDirPath());
}

struct DataTables
{
    Table articles{QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles)};
    Table wordForms{QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms)};
    Table examples{QStringLiteral("ClientDataSet3"), fieldDefs(DataFile::Examples)};
};

} // namespace lumolex::bench
