#pragma once

// The folder the program's files are found in: the DATA folder, the help
// file and the history files are all paths under it.
//
// A program started from its build folder or from a Windows install has DATA
// beside its executable. An install into a prefix (/usr, /usr/local, a
// package's root) has the executables in <prefix>/bin and the rest in
// <prefix>/share/lumolex.

#include <QString>

namespace lumolex {

struct ProgramFolder {
    QString path;          // ends with a separator
    bool shared = false;   // found through ../share/lumolex: never written
};

// Where the program's files are: see programFolderFor.
ProgramFolder locateProgramFolder(const QString &executableFolder);

// The executable's folder when it holds a DATA folder; otherwise its
// ../share/lumolex when that holds one; otherwise the executable's folder,
// so that the messages about missing data files name where they were first
// looked for. The result ends with a separator.
QString programFolderFor(const QString &executableFolder);

} // namespace lumolex
