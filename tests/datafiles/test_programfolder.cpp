// Where the program looks for its files: beside the executable (build
// folder, Windows) before the shared folder of an install into a prefix,
// and whether the program may write there.

#include "datafixtures.h"

#include "data/files/programfolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::testing;

namespace {

using ProgramFolderTest = FolderTest;

TEST_F(ProgramFolderTest, DataBesideTheExecutableComesFirstThenTheSharedFolder)
{
    struct Case {
        const char *name;
        QStringList folders;   // made under the case's prefix
        bool dataFileBeside;   // a file named DATA beside the executable
        QString expected;      // relative to the prefix
        bool shared;           // an installed folder: never written
    };
    const Case cases[] = {
        {"build folder or Windows install", {"bin/DATA", "share/lumolex/DATA"}, false, "bin/", false},
        {"install into a prefix", {"bin", "share/lumolex/DATA"}, false, "share/lumolex/", true},
        {"nothing found: the executable's folder", {"bin", "share/lumolex"}, false, "bin/", false},
        {"a file named DATA is no data folder", {"bin", "share/lumolex/DATA"}, true, "share/lumolex/", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString prefix = path(QString::fromLatin1(c.name));
        for (const QString &folder : c.folders)
            ASSERT_TRUE(QDir().mkpath(prefix + u'/' + folder));
        if (c.dataFileBeside)
            writeFile(prefix + QStringLiteral("/bin/DATA"), "not a folder");
        EXPECT_EQ(programFolderFor(prefix + QStringLiteral("/bin")), prefix + u'/' + c.expected);
        // The executable's folder may come with a trailing separator.
        EXPECT_EQ(programFolderFor(prefix + QStringLiteral("/bin/")), prefix + u'/' + c.expected);
        const ProgramFolder found = locateProgramFolder(prefix + QStringLiteral("/bin"));
        EXPECT_EQ(found.path, prefix + u'/' + c.expected);
        // The shared folder is the installation's, writable or not (root
        // may write it): the program keeps its own files elsewhere.
        EXPECT_EQ(found.shared, c.shared);
    }
}

} // namespace
