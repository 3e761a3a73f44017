#pragma once

// Reading and replacing the small files the program keeps, in folders that
// others may also be able to write.
//
// Reading opens regular files only: a FIFO planted in place of a file would
// block the program, a device or a folder never ends. Writing goes to a new
// file beside the old one; every write, the flush to the disk and the close
// are checked, and only a file written whole is renamed over the old one. A
// full disk or any other failure leaves the old file as it was.
//
// Links: with NoFollow a symbolic link at the path is neither read through
// nor written through (the rename replaces a name, it never follows it);
// with Follow the link's target is read and replaced and the link stays.

#include <QString>

class QByteArray;
class QFile;

namespace lumolex {

enum class LinkPolicy { Follow, NoFollow };

enum class OpenOutcome {
    Opened,
    Missing,      // nothing at the path
    IsLink,       // a symbolic link, with NoFollow
    NotRegular,   // a folder, FIFO, device or socket
    Failed,       // exists but could not be opened (cause in *error)
};

// Opens `path` read-only into `file` (which must not be open).
OpenOutcome openRegularFile(QFile *file, const QString &path, LinkPolicy links, QString *error);

// True when a symbolic link stands at `path` (its target is not looked at).
bool isSymbolicLink(const QString &path);

// Replaces the file at `path` with `bytes` as described above. Returns an
// empty string on success, otherwise the cause in words.
QString replaceFile(const QString &path, const QByteArray &bytes, LinkPolicy links);

// The words for a system error number: the common causes in Russian,
// others as the system says them.
QString systemErrorText(int error);

} // namespace lumolex
