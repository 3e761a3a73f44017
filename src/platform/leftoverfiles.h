#pragma once

// The program's own leftover temporary files beside a file it writes. A
// file is replaced through a temporary file beside it (".Name.XXXXXX" from
// replaceFile, "Name.XXXXXX" from the settings store) and the settings store
// locks its file with "Name.lock". A crash or a kill during a write leaves
// them behind; they are removed at start-up.
//
// Only these names are touched, never another program's files, and only
// when no living process can be writing them: a temporary file not changed
// for a minute (a write takes milliseconds), a lock whose owner has ended.

#include <QString>

namespace lumolex {

// Removes the leftovers of the file at `path` (the file itself stays).
// Returns how many were removed.
int removeLeftoverTemporaries(const QString &path);

} // namespace lumolex
