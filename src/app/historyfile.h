#pragma once

// One history list on disk: "DATA/LumoCard.hst" (card history) or
// "DATA/LumoFind.hst" (find history) under the program folder, one entry per
// line, every line ended by CR LF.
//
// Encoding: a file without a byte-order mark holds Windows-1251 text; one
// with a mark is UTF-8, UTF-16LE or UTF-16BE as the mark says. A list is
// written back in the encoding it was read in, mark included. A list read as
// Windows-1251 (or a new file) that holds a character Windows-1251 cannot
// represent - the Kildin Saami letters, for instance - is written as UTF-8
// with a mark instead, so no entry is damaged.
//
// Location: the file in the program folder's DATA folder. When that cannot
// be written, the list goes to the same file name in the user's data folder
// (QStandardPaths::AppLocalDataLocation). Once a copy exists there it is the
// one read and written, so the newest list is always the one found.
//
// A file is replaced atomically (replaceFile): the new content is written
// whole and flushed to the disk before it takes the file's name, so a full
// disk, a failed or an interrupted write leaves the old file as it was.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumolex {

enum class HistoryEncoding {
    Windows1251,   // no byte-order mark
    Utf8Bom,
    Utf16LeBom,
    Utf16BeBom,
};

class HistoryFile
{
public:
    // relativePath is the file's path under the program folder, e.g.
    // "DATA/LumoCard.hst"; programFolder may end with a separator or not.
    // userFolder defaults to the user's data folder of the application.
    HistoryFile(const QString &programFolder, const QString &relativePath,
                const QString &userFolder = QString());

    // Reads the list. A missing file gives an empty list and no error.
    // Returns an empty string on success, otherwise the reason; the list is
    // then empty.
    QString load(QStringList *entries);

    // Writes the list, replacing the file, in the encoding load() found;
    // without a load() on this object, in the encoding of the file about to
    // be replaced. Returns an empty string on success, otherwise the reason
    // (the old file, if any, is unchanged).
    QString save(const QStringList &entries);

    // The file in the program folder, and the one in the user's folder.
    QString programPath() const { return m_programPath; }
    QString userPath() const { return m_userPath; }
    // The file the last load read or the last save wrote (empty before).
    QString lastPath() const { return m_lastPath; }
    // The encoding of the last load or save; a new file is Windows-1251.
    HistoryEncoding encoding() const { return m_encoding; }

    // The pure conversions, for reuse and tests.
    static QStringList decode(const QByteArray &bytes, HistoryEncoding *encoding);
    // Encodes in the wished encoding; Windows-1251 becomes UTF-8 with a mark
    // when an entry cannot be represented (*used tells what was used).
    static QByteArray encode(const QStringList &entries, HistoryEncoding wished,
                             HistoryEncoding *used);
    // The encoding a file's first bytes announce.
    static HistoryEncoding encodingOf(const QByteArray &start);

private:
    QString currentPath() const;
    QString writeFile(const QString &path, const QByteArray &bytes) const;

    QString m_programPath;
    QString m_userPath;
    QString m_lastPath;
    HistoryEncoding m_encoding = HistoryEncoding::Windows1251;
    bool m_encodingKnown = false;
};

} // namespace lumolex
