#pragma once

// Tests that need a full disk or a folder nobody may write run their checks
// in a child process with a mount namespace of its own: there a small tmpfs
// or a read-only bind mount is put over a temporary folder, whoever runs the
// tests (as root, read-only mounts refuse writes that permissions would
// not). The machine's own mounts are never touched.
//
// The child is this test executable again, running only the current test;
// the test tells the two roles apart with isolatedFolder().

#include <QString>

namespace lumolex::test {

// In the child: the folder the parent handed over; in the parent: empty.
QString isolatedFolder();

// Runs the current test again in a child process. In the child's mount
// namespace `mountScript` runs first (a shell command; "$FOLDER" is
// `folder`). Returns true when the child's test passed; *output receives
// what it printed.
bool rerunIsolated(const QString &folder, const QString &mountScript, QString *output);

// Mount scripts: a tmpfs of `kilobytes` over the folder; the folder bound
// read-only onto itself.
QString smallTmpfsScript(int kilobytes);
QString readOnlyScript(const QString &subfolder);

} // namespace lumolex::test
