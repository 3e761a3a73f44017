#include "app/store/historyfile.h"

#include "platform/leftoverfiles.h"
#include "platform/safefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumolex {

namespace {

QString joinPath(const QString &folder, const QString &relative)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + relative);
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// How many entries this run put on top of the list it read: the shortest
// head of `current` after which it goes on as the list read did, without
// the entries of that head.
qsizetype entriesAddedOnTop(const QStringList &current, const QStringList &readAtStart)
{
    for (qsizetype added = 0; added < current.size(); ++added) {
        QStringList rest = readAtStart;
        for (qsizetype i = 0; i < added; ++i)
            rest.removeOne(current.at(i));
        if (current.sliced(added) == rest.mid(0, current.size() - added))
            return added;
    }
    return current.size();
}

} // namespace

QStringList mergeHistory(const QStringList &current, const QStringList &readAtStart, const QStringList &onDisk)
{
    QStringList merged = current.mid(0, entriesAddedOnTop(current, readAtStart));
    for (const QString &entry : onDisk)
        if (!merged.contains(entry))
            merged.append(entry);
    return merged.mid(0, HistoryLimits::entries);
}

HistoryFile::HistoryFile(const QString &programFolder, const QString &relativePath,
                         const QString &userFolder, ProgramFolderUse use)
    : m_programPath(joinPath(programFolder, relativePath))
    , m_use(use)
{
    const QString folder = userFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
            : userFolder;
    if (!folder.isEmpty())
        m_userPath = joinPath(folder, installationKey(programFolder) + QLatin1Char('/')
                                              + QFileInfo(relativePath).fileName());
}

QString HistoryFile::installationKey(const QString &programFolder)
{
    // The same installation reached through another path keeps one copy.
    const QFileInfo folder(programFolder);
    QString path = folder.canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(folder.absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("installation-") + QString::fromLatin1(hash.toHex().left(16));
}

bool HistoryFile::programFolderWritable() const
{
    if (m_use == ProgramFolderUse::ReadOnly)
        return false;
    const QFileInfo folder(QFileInfo(m_programPath).absolutePath());
    return folder.isDir() && folder.isWritable();
}

QString HistoryFile::sourcePath() const
{
    // The user's copy starts as the program folder's file.
    const QString current = currentPath();
    return current == m_userPath && !QFileInfo::exists(m_userPath) && !isSymbolicLink(m_userPath) ? m_programPath
                                                                                                   : current;
}

QString HistoryFile::currentPath() const
{
    if (programFolderWritable())
        return m_programPath;
    // Without a user's folder only DATA beside the executable is left; a
    // shared folder is never written (the list is then not saved).
    return m_userPath.isEmpty() && m_use == ProgramFolderUse::WriteWhileWritable ? m_programPath : m_userPath;
}

QString HistoryFile::load(QStringList *entries)
{
    entries->clear();
    m_encoding = HistoryEncoding::Windows1251;
    m_encodingKnown = true;
    const QString path = sourcePath();
    m_lastPath = path;
    QFile file;
    QString cause;
    const OpenOutcome outcome = openRegularFile(&file, path, linkPolicy(path), &cause);
    if (outcome == OpenOutcome::Missing)
        return QString();
    if (outcome != OpenOutcome::Opened)
        return notReadMessage(path, outcome, cause);
    const HistoryText text = readHistory(&file);
    if (file.error() != QFileDevice::NoError)
        return notReadMessage(path, OpenOutcome::Failed, file.errorString());
    *entries = text.entries;
    m_encoding = text.encoding;
    if (text.cut)
        return tr("Файл истории «%1» больше, чем вмещает список: прочитаны только первые записи, "
                  "сколько вмещает список (%2). При выходе файл будет записан заново только с ними.")
                .arg(nativePath(path)).arg(HistoryLimits::entries);
    if (text.longEntriesCut)
        return tr("В файле истории «%1» есть записи длиннее %2 знаков: они прочитаны укороченными до "
                  "%2 знаков и такими будут записаны при выходе.")
                .arg(nativePath(path)).arg(HistoryLimits::entryLength);
    return QString();
}

void HistoryFile::removeLeftovers() const
{
    removeLeftoverTemporaries(m_programPath);
    if (!m_userPath.isEmpty())
        removeLeftoverTemporaries(m_userPath);
}

LinkPolicy HistoryFile::linkPolicy(const QString &path) const
{
    // Others may be able to write the program folder: a link there could
    // point at any file of the user's. The user's own folder may hold links
    // of the user's making.
    return path == m_programPath ? LinkPolicy::NoFollow : LinkPolicy::Follow;
}

QString HistoryFile::notReadMessage(const QString &path, OpenOutcome outcome, const QString &cause)
{
    switch (outcome) {
    case OpenOutcome::NotRegular:
        return tr("Файл истории «%1» не прочитан: это не обычный файл. Он не будет перезаписан.").arg(nativePath(path));
    case OpenOutcome::IsLink:
        return tr("Файл истории «%1» не прочитан: это символическая ссылка, а в папке программы история "
                  "по ссылкам не читается и не пишется. Ссылка оставлена как есть.").arg(nativePath(path));
    default:
        return tr("Не удалось прочитать файл истории «%1»: %2. Он не будет перезаписан.").arg(nativePath(path), cause);
    }
}

QString HistoryFile::notSavedMessage(const QString &path, OpenOutcome outcome, const QString &cause)
{
    switch (outcome) {
    case OpenOutcome::NotRegular:
        return tr("Файл истории «%1» не сохранён: на его месте не обычный файл, он оставлен как есть.")
                .arg(nativePath(path));
    case OpenOutcome::IsLink:
        return tr("Файл истории «%1» не сохранён: это символическая ссылка, а в папке программы история "
                  "по ссылкам не пишется. Ссылка оставлена как есть.").arg(nativePath(path));
    default:
        return tr("Файл истории «%1» не сохранён: его не удалось прочитать (%2), он оставлен как есть.")
                .arg(nativePath(path), cause);
    }
}

QString HistoryFile::writeFile(const QString &path, const QByteArray &bytes) const
{
    return replaceFile(path, bytes, linkPolicy(path));
}

QString HistoryFile::save(const QStringList &entries, const QStringList *readAtStart)
{
    // A file that cannot be read was not read at start-up either: it is
    // left as it is, never replaced by a list that does not hold it.
    const QString target = currentPath();
    if (target.isEmpty())
        return tr("Файл истории «%1» не сохранён: в папку установленной программы история не пишется, "
                  "а папка данных пользователя неизвестна.").arg(nativePath(m_programPath));
    const QString source = sourcePath();
    QFile existing;
    QString cause;
    const OpenOutcome outcome = openRegularFile(&existing, source, linkPolicy(source), &cause);
    if (source == target && outcome != OpenOutcome::Opened && outcome != OpenOutcome::Missing)
        return notSavedMessage(target, outcome, cause);
    if (!m_encodingKnown && outcome == OpenOutcome::Opened)
        m_encoding = historyEncodingOf(existing.peek(3));
    m_encodingKnown = true;
    // Another copy of the program may have saved the file since this one
    // read it; the file as it is now is what this run's entries go onto.
    // A file removed meanwhile was removed on purpose: the list is written whole.
    QStringList written = entries;
    if (readAtStart && outcome == OpenOutcome::Opened)
        written = mergeHistory(entries, *readAtStart, readHistory(&existing).entries);
    existing.close();
    HistoryEncoding used = m_encoding;
    const QByteArray bytes = encodeHistory(written, m_encoding, &used);

    if (target == m_userPath)
        QDir().mkpath(QFileInfo(m_userPath).absolutePath());
    const QString error = writeFile(target, bytes);
    if (!error.isEmpty() && target == m_programPath)
        return tr("Не удалось сохранить файл истории «%1»: %2. Прежний файл оставлен как был.")
                .arg(nativePath(target), error);
    if (!error.isEmpty())
        return tr("Не удалось сохранить файл истории «%1»: в папку программы писать нельзя, а в «%2» "
                  "записать не удалось (%3).").arg(nativePath(m_programPath), nativePath(m_userPath), error);
    m_lastPath = target;
    m_encoding = used;
    return QString();
}

} // namespace lumolex
