#pragma once

// One history list on disk: "DATA/LumoCard.hst" (card history) or
// "DATA/LumoFind.hst" (find history) under the program folder, in the text
// form of historycodec.h. A list is written back in the encoding it was read
// in, mark included.
//
// Location: while the program folder's DATA folder can be written, its own
// file is read and written, whatever the user's folder holds. While it
// cannot, or when the program folder is the shared folder of an install
// (which the program never writes, even as root), the list lives in the user's data folder
// (QStandardPaths::AppLocalDataLocation), in a folder named after the
// installation's path, so two installations never share a list; the first
// time, it is read from the program folder's file.
//
// Only regular files are read, and only the entries a list can hold; a
// file that cannot be read is never replaced. In the program folder, which
// others may be able to write, a symbolic link is neither read nor written
// through; in the user's folder links are followed.
//
// A file is replaced atomically (replaceFile): the new content is written
// whole and flushed to the disk before it takes the file's name, so a full
// disk, a failed or an interrupted write leaves the old file as it was.

#include "app/store/historycodec.h"
#include "platform/safefile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace lumolex {

// The list a save writes when the file may have changed since it was read:
// the entries this run put on top of `readAtStart` (new ones, and old ones
// used again), newest first, then the entries of `onDisk` in their order,
// each entry once, cut to the length of a list.
QStringList mergeHistory(const QStringList &current, const QStringList &readAtStart, const QStringList &onDisk);

class HistoryFile
{
    Q_DECLARE_TR_FUNCTIONS(lumolex::HistoryFile)

public:
    // What the program folder is to the lists: DATA beside the executable
    // is written while it can be; an installed shared folder only read.
    enum class ProgramFolderUse { WriteWhileWritable, ReadOnly };

    // relativePath is the file's path under the program folder, e.g.
    // "DATA/LumoCard.hst"; programFolder may end with a separator or not.
    // userFolder defaults to the user's data folder of the application; the
    // copies of this installation go into a folder of their own below it.
    HistoryFile(const QString &programFolder, const QString &relativePath,
                const QString &userFolder = QString(),
                ProgramFolderUse use = ProgramFolderUse::WriteWhileWritable);

    // Reads the list. A missing file gives an empty list and no message.
    // Returns an empty string when the whole file was read; otherwise what
    // the user should know: the file could not be read (the list is empty),
    // or it held more than a list holds (the list has its first entries).
    QString load(QStringList *entries);

    // Writes the list, replacing the file, in the encoding load() found;
    // without a load() on this object, in the encoding of the file about to
    // be replaced. Returns an empty string on success, otherwise the reason
    // (the old file, if any, is unchanged).
    //
    // With `readAtStart`, the list as this run read it, the list written is
    // merged with the file as it is now (mergeHistory), so that another copy
    // of the program that saved the same file meanwhile keeps its entries.
    QString save(const QStringList &entries, const QStringList *readAtStart = nullptr);

    // Removes what writes killed midway left beside both files
    // (removeLeftoverTemporaries).
    void removeLeftovers() const;

    // The file in the program folder, and the one in the user's folder.
    QString programPath() const { return m_programPath; }
    QString userPath() const { return m_userPath; }
    // The file the last load read or the last save wrote (empty before).
    QString lastPath() const { return m_lastPath; }
    // The encoding of the last load or save; a new file is Windows-1251.
    HistoryEncoding encoding() const { return m_encoding; }

private:
    // The file written: the program folder's while it may be written,
    // otherwise the user's copy; and the file read, which is the program
    // folder's until the user's copy exists.
    QString currentPath() const;
    QString sourcePath() const;
    bool programFolderWritable() const;
    static QString installationKey(const QString &programFolder);
    QString writeFile(const QString &path, const QByteArray &bytes) const;
    LinkPolicy linkPolicy(const QString &path) const;
    static QString notReadMessage(const QString &path, OpenOutcome outcome, const QString &cause);
    static QString notSavedMessage(const QString &path, OpenOutcome outcome, const QString &cause);

    QString m_programPath;
    QString m_userPath;
    ProgramFolderUse m_use;
    QString m_lastPath;
    HistoryEncoding m_encoding = HistoryEncoding::Windows1251;
    bool m_encodingKnown = false;
};

} // namespace lumolex
