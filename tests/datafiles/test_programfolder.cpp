// Where the program looks for its files: beside the executable (build
// folder, Windows) before the shared folder of an install into a prefix.

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
    };
    const Case cases[] = {
        {"build folder or Windows install", {"bin/DATA", "share/lumolex/DATA"}, false, "bin/"},
        {"install into a prefix", {"bin", "share/lumolex/DATA"}, false, "share/lumolex/"},
        {"nothing found: the executable's folder", {"bin", "share/lumolex"}, false, "bin/"},
        {"a file named DATA is no data folder", {"bin", "share/lumolex/DATA"}, true, "share/lumolex/"},
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
    }
}

} // namespace
