#pragma once

// The text of a history file: one entry per line, every line ended by CR LF
// (LF alone is accepted), the newest entry first.
//
// Encoding: a file without a byte-order mark holds Windows-1251 text; one
// with a mark is UTF-8, UTF-16LE or UTF-16BE as the mark says. A list read
// as Windows-1251 (or a new one) that holds a character Windows-1251 cannot
// represent - the Kildin Saami letters, for instance - is written as UTF-8
// with a mark instead, so no entry is damaged.
//
// Reading is bounded, whatever the file holds: it stops after the entries a
// list can hold, cuts each to the longest entry kept, and never looks at more
// than the first 16 MB.

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace lumolex {

enum class HistoryEncoding {
    Windows1251,   // no byte-order mark
    Utf8Bom,
    Utf16LeBom,
    Utf16BeBom,
};

struct HistoryLimits {
    // A list keeps 100 entries when a new one is recorded, then adds it.
    static constexpr int entries = 101;
    // The longest entry kept, in characters. A card-history entry is a
    // headword (at most 50 characters in the data files), a find-history
    // entry a text typed into the search box: 1000 holds any text a user
    // searches for, while 101 such entries stay small and quick to lay out
    // in the drop-down list (a 10 MB line took the list 49 s to open).
    static constexpr int entryLength = 1000;
    // The most of a file read in search of those entries.
    static constexpr qint64 scannedBytes = 16 * 1024 * 1024;
};

struct HistoryText {
    QStringList entries;   // newest first
    HistoryEncoding encoding = HistoryEncoding::Windows1251;
    bool cut = false;             // the file holds more entries than were read
    bool longEntriesCut = false;  // some were longer than an entry is kept
};

// Reads the first entries of a history file from `device`, within the limits.
HistoryText readHistory(QIODevice *device);
// The same over the bytes of a file.
HistoryText decodeHistory(const QByteArray &bytes);

// Encodes in the wished encoding; Windows-1251 becomes UTF-8 with a mark when
// an entry cannot be represented (*used tells what was used). Line breaks
// inside an entry become spaces, so that each entry stays one line, and an
// entry longer than kept is cut, so that the file holds what is read back.
QByteArray encodeHistory(const QStringList &entries, HistoryEncoding wished, HistoryEncoding *used);

// The encoding a file's first bytes announce.
HistoryEncoding historyEncodingOf(const QByteArray &start);

} // namespace lumolex
