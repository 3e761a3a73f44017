#pragma once

// The limits of what the program accepts in its data files, in one list:
// the loader refuses a file holding a row beyond them, the article view
// shows a body beyond them as damaged, and lumolex-mkdata refuses every
// source row beyond them, so that it never builds a file the program then
// calls damaged.

#include <QtGlobal>

#include <limits>

namespace lumolex {

// Longest headword, key and cross-reference, in characters.
inline constexpr int kMaxWordLength = 50;

// Article and example IDs: positive 32-bit integers.
inline constexpr qint64 kMinRowId = 1;
inline constexpr qint64 kMaxRowId = std::numeric_limits<qint32>::max();

// Largest body (article or example) once uncompressed, in bytes of RTF.
inline constexpr qsizetype kMaxBodyBytes = 16 * 1024 * 1024;

} // namespace lumolex
