// History files on disk: each encoding read and written back, the switch to
// UTF-8 for letters Windows-1251 lacks, where the list is kept, and files
// that cannot be read or written.
#include "app/store/historyfile.h"

#include "isolation.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using lumolex::HistoryEncoding;
using lumolex::HistoryFile;

namespace {

const QString kRelative = QStringLiteral("DATA/LumoCard.hst");

// "Привет" and "мир" in Windows-1251.
const QByteArray kPrivet1251("\xCF\xF0\xE8\xE2\xE5\xF2", 6);
const QByteArray kMir1251("\xEC\xE8\xF0", 3);

// Kildin Saami letters Windows-1251 does not have: ӓ, ӈ, ҋ, ӣ.
const QString kKildin = QStringLiteral("кӓлль ӈӣҋ");

class HistoryFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        useFoldersIn(m_dir.path());
    }

    // A program folder with its DATA and a user folder below root; a table
    // row gives each case a root of its own.
    void useFoldersIn(const QString &root)
    {
        m_program = root + QStringLiteral("/program");
        m_user = root + QStringLiteral("/user");
        ASSERT_TRUE(QDir().mkpath(m_program + QStringLiteral("/DATA")));
    }

    HistoryFile history() const { return HistoryFile(m_program, kRelative, m_user); }

    QString programFile() const { return m_program + QLatin1Char('/') + kRelative; }

    static void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    // The program folder's DATA becomes a plain file: nothing can be
    // written below it, whoever runs the test.
    void blockProgramFolder()
    {
        ASSERT_TRUE(QDir(m_program + QStringLiteral("/DATA")).removeRecursively());
        writeBytes(m_program + QStringLiteral("/DATA"), "not a folder");
    }

    QTemporaryDir m_dir;
    QString m_program;
    QString m_user;
};

} // namespace

TEST_F(HistoryFileTest, EachEncodingIsReadAndWrittenBackTheSame)
{
    const auto utf16 = [](const QString &text, bool little) {
        QByteArray bytes = little ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
        for (QChar c : text) {
            const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
            bytes += little ? low : high;
            bytes += little ? high : low;
        }
        return bytes;
    };
    const QString kildinLines = kKildin + QStringLiteral("\r\nабв\r\n");
    const struct { const char *what; QByteArray bytes; QStringList entries; HistoryEncoding encoding; } cases[] = {
        {"no mark: Windows-1251", kPrivet1251 + "\r\n" + kMir1251 + "\r\n",
         {QStringLiteral("Привет"), QStringLiteral("мир")}, HistoryEncoding::Windows1251},
        {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + kildinLines.toUtf8(), {kKildin, QStringLiteral("абв")},
         HistoryEncoding::Utf8Bom},
        {"UTF-16LE", utf16(kildinLines, true), {kKildin, QStringLiteral("абв")}, HistoryEncoding::Utf16LeBom},
        {"UTF-16BE", utf16(kildinLines, false), {kKildin, QStringLiteral("абв")}, HistoryEncoding::Utf16BeBom},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(programFile(), c.bytes);
        HistoryFile file = history();
        QStringList entries;
        ASSERT_EQ(file.load(&entries), QString());
        EXPECT_EQ(entries, c.entries);
        EXPECT_EQ(file.encoding(), c.encoding);
        ASSERT_EQ(file.save(entries), QString());
        EXPECT_EQ(readBytes(programFile()), c.bytes);
    }
}

TEST_F(HistoryFileTest, SavingWithoutLoadingKeepsTheMarkOfTheFileItReplaces)
{
    // At shutdown the list may be saved by an object that never loaded it.
    writeBytes(programFile(), QByteArray("\xFE\xFF\x00\x61\x00\x0D\x00\x0A", 8));
    HistoryFile file = history();
    ASSERT_EQ(file.save({"b"}), QString());
    EXPECT_EQ(file.encoding(), HistoryEncoding::Utf16BeBom);
    EXPECT_EQ(readBytes(programFile()), QByteArray("\xFE\xFF\x00\x62\x00\x0D\x00\x0A", 8));

    writeBytes(programFile(), kMir1251 + "\r\n");
    HistoryFile plain = history();
    ASSERT_EQ(plain.save({QStringLiteral("Привет")}), QString());
    EXPECT_EQ(readBytes(programFile()), kPrivet1251 + "\r\n");
}

TEST_F(HistoryFileTest, KildinLettersTurnA1251FileIntoUtf8WithMark)
{
    writeBytes(programFile(), kPrivet1251 + "\r\n");
    HistoryFile file = history();
    QStringList entries;
    ASSERT_EQ(file.load(&entries), QString());
    entries.prepend(kKildin);
    ASSERT_EQ(file.save(entries), QString());
    EXPECT_EQ(file.encoding(), HistoryEncoding::Utf8Bom);
    const QByteArray bytes = readBytes(programFile());
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    HistoryFile again = history();
    QStringList reread;
    ASSERT_EQ(again.load(&reread), QString());
    EXPECT_EQ(reread, QStringList({kKildin, QStringLiteral("Привет")}));
    // A character outside Windows-1251 of any script forces UTF-8 too.
    HistoryEncoding used;
    lumolex::encodeHistory({QStringLiteral("日本")}, HistoryEncoding::Windows1251, &used);
    EXPECT_EQ(used, HistoryEncoding::Utf8Bom);
}

TEST_F(HistoryFileTest, NewFileIsWindows1251AndEachSaveReplacesTheWholeFile)
{
    HistoryFile file = history();
    QStringList entries;
    ASSERT_EQ(file.load(&entries), QString());   // no file: empty, no error
    EXPECT_TRUE(entries.isEmpty());
    ASSERT_EQ(file.save({QStringLiteral("Привет"), QStringLiteral("мир")}), QString());
    EXPECT_EQ(readBytes(programFile()), kPrivet1251 + "\r\n" + kMir1251 + "\r\n");
    ASSERT_EQ(file.save({"x"}), QString());
    EXPECT_EQ(readBytes(programFile()), QByteArray("x\r\n"));
    EXPECT_EQ(QDir(m_program + QStringLiteral("/DATA")).entryList(QDir::Files),
              QStringList({QStringLiteral("LumoCard.hst")}));   // no temporary files left
    EXPECT_EQ(file.lastPath(), programFile());
    // The program folder may come with or without a trailing separator.
    EXPECT_EQ(HistoryFile(m_program + QLatin1Char('/'), kRelative, m_user).programPath(), programFile());
}

TEST_F(HistoryFileTest, ProgramFolderKeepsTheListWhileWritableElseTheInstallationsOwnCopyInTheUserFolder)
{
    // Copies in the user's folder, left by this installation while its
    // folder was read-only or by another one, are not the list of a
    // program folder that can be written; another installation's copy is
    // never this one's.
    const struct {
        const char *what;
        bool programWritable;
        QByteArray programBefore;   // empty: no file
        QByteArray copyBefore;      // this installation's copy in the user folder
        QStringList loaded;
        QString saved;
        QByteArray savedBytes;
    } cases[] = {
        {"writable", true, "own\r\n", "stale copy\r\n", {"own"}, "newer", "newer\r\n"},
        {"not writable, no copy yet", false, "", "", {}, QStringLiteral("Привет"), kPrivet1251 + "\r\n"},
        {"not writable, a copy", false, "", "earlier\r\n", {"earlier"}, "later", "later\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString root = m_dir.filePath(QString::fromUtf8(c.what));
        useFoldersIn(root);
        if (!c.programWritable)
            blockProgramFolder();
        if (!c.programBefore.isEmpty())
            writeBytes(programFile(), c.programBefore);
        HistoryFile file = history();
        EXPECT_TRUE(file.userPath().startsWith(m_user + QLatin1Char('/')));
        if (!c.copyBefore.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(file.userPath()).absolutePath()));
            writeBytes(file.userPath(), c.copyBefore);
        }
        // Another installation whose folder cannot be written either.
        const QString other = root + QStringLiteral("/other");
        ASSERT_TRUE(QDir().mkpath(other));
        writeBytes(other + QStringLiteral("/DATA"), "not a folder");
        HistoryFile another(other, kRelative, m_user);
        EXPECT_NE(another.userPath(), file.userPath());
        ASSERT_EQ(another.save({"another installation"}), QString());
        writeBytes(m_user + QStringLiteral("/LumoCard.hst"), "another installation\r\n");

        QStringList entries;
        ASSERT_EQ(file.load(&entries), QString());
        EXPECT_EQ(entries, c.loaded);
        ASSERT_EQ(file.save({c.saved}), QString());
        const QString kept = c.programWritable ? programFile() : file.userPath();
        EXPECT_EQ(file.lastPath(), kept);
        EXPECT_EQ(readBytes(kept), c.savedBytes);
        if (c.programWritable) {
            EXPECT_EQ(readBytes(file.userPath()), c.copyBefore);
        }

        // The next run reads it from there.
        HistoryFile next = history();
        ASSERT_EQ(next.load(&entries), QString());
        EXPECT_EQ(entries, QStringList{c.saved});
        EXPECT_EQ(next.lastPath(), kept);
        ASSERT_EQ(another.load(&entries), QString());
        EXPECT_EQ(entries, QStringList{"another installation"});
    }
}

TEST_F(HistoryFileTest, SharedProgramFolderIsNeverWrittenEvenWhenItCouldBe)
{
    // An installed program's folder (/usr/share/lumolex) can be written by
    // root; its DATA is still the installation's, not a place for lists.
    // Only DATA beside the executable is written while it can be.
    const struct {
        const char *what;
        HistoryFile::ProgramFolderUse use;
        bool keptInProgramFolder;
    } cases[] = {
        {"DATA beside the executable", HistoryFile::ProgramFolderUse::WriteWhileWritable, true},
        {"shared folder of an install", HistoryFile::ProgramFolderUse::ReadOnly, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        useFoldersIn(m_dir.filePath(QString::fromUtf8(c.what)));
        HistoryFile file(m_program, kRelative, m_user, c.use);
        ASSERT_EQ(file.save({"saved"}), QString());
        EXPECT_EQ(QFileInfo::exists(programFile()), c.keptInProgramFolder);
        EXPECT_EQ(QFileInfo::exists(file.userPath()), !c.keptInProgramFolder);
        EXPECT_EQ(file.lastPath(), c.keptInProgramFolder ? programFile() : file.userPath());
        EXPECT_EQ(QDir(m_program + QStringLiteral("/DATA")).isEmpty(), !c.keptInProgramFolder);
        HistoryFile next(m_program, kRelative, m_user, c.use);
        QStringList entries;
        ASSERT_EQ(next.load(&entries), QString());
        EXPECT_EQ(entries, QStringList{"saved"});
    }
}

TEST_F(HistoryFileTest, ReadOnlyDataFolderKeepsTheOldFileAndUsesTheUserFolder)
{
    // Root may write any folder whatever its permissions, but not one on a
    // read-only mount: the saves run in a child where DATA is one. The
    // card history there is a file, the find history a FIFO that cannot be
    // read: each list goes to its copy in the user's folder.
    const QString findRelative = QStringLiteral("DATA/LumoFind.hst");
    const QString folder = lumolex::test::isolatedFolder();
    if (folder.isEmpty()) {
        writeBytes(programFile(), "old\r\n");
        const QString fifo = m_program + QLatin1Char('/') + findRelative;
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QString output;
        const QString readOnly = lumolex::test::readOnlyScript(QStringLiteral("program/DATA"));
        ASSERT_TRUE(lumolex::test::rerunIsolated(m_dir.path(), readOnly, &output)) << output.toStdString();
        EXPECT_EQ(readBytes(programFile()), QByteArray("old\r\n"));
        EXPECT_EQ(readBytes(history().userPath()), QByteArray("new\r\n"));
        EXPECT_FALSE(QFileInfo(fifo).isFile());
        EXPECT_EQ(readBytes(HistoryFile(m_program, findRelative, m_user).userPath()), QByteArray("new\r\n"));
        return;
    }
    m_program = folder + QStringLiteral("/program");
    m_user = folder + QStringLiteral("/user");
    const struct {
        QString relative;
        QStringList loaded;   // the first time, from the program folder
        bool readable;
    } cases[] = {{kRelative, {"old"}, true}, {findRelative, {}, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.relative.toStdString());
        HistoryFile file(m_program, c.relative, m_user);
        QStringList entries;
        EXPECT_EQ(file.load(&entries).isEmpty(), c.readable);
        EXPECT_EQ(entries, c.loaded);
        EXPECT_EQ(file.save({"new"}), QString());
        EXPECT_EQ(file.lastPath(), file.userPath());
        HistoryFile next(m_program, c.relative, m_user);
        ASSERT_EQ(next.load(&entries), QString());   // from then on, the user's copy
        EXPECT_EQ(entries, QStringList({"new"}));
    }
}

TEST_F(HistoryFileTest, NoWritableFolderAtAllIsReported)
{
    blockProgramFolder();
    writeBytes(m_user, "user folder is a file too");
    HistoryFile file = history();
    const QString error = file.save({"a"});
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(programFile()))) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(file.userPath()))) << error.toStdString();
}

TEST_F(HistoryFileTest, FullDiskKeepsTheOldFileAndSaysSo)
{
    const QString folder = lumolex::test::isolatedFolder();
    if (folder.isEmpty()) {
        QString output;
        const QString fullDisk = lumolex::test::smallTmpfsScript(256);
        EXPECT_TRUE(lumolex::test::rerunIsolated(m_dir.path(), fullDisk, &output)) << output.toStdString();
        return;
    }
    // In the child, on a file system of 256 KB: a list of 100 entries, then
    // the disk filled to the last byte.
    m_program = folder + QStringLiteral("/program");
    m_user = folder + QStringLiteral("/user");
    ASSERT_TRUE(QDir().mkpath(m_program + QStringLiteral("/DATA")));
    QByteArray old;
    for (int i = 0; i < 100; ++i)
        old += "entry " + QByteArray::number(i) + "\r\n";
    writeBytes(programFile(), old);
    QFile filler(folder + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }

    HistoryFile file = history();
    const QString error = file.save({QStringLiteral("новое"), QStringLiteral("слово")});
    EXPECT_TRUE(error.contains(QStringLiteral("на диске нет места"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(programFile()))) << error.toStdString();
    EXPECT_EQ(readBytes(programFile()), old);
    // No half-written file is left beside it.
    EXPECT_EQ(QDir(m_program + QStringLiteral("/DATA")).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("LumoCard.hst")}));
}

TEST_F(HistoryFileTest, FileOverSixteenMegabytesGivesItsFirstEntriesAndSaysSo)
{
    // 150 entries, then far more than any list: the first 101 are read and
    // are what the file holds after the next save.
    QByteArray bytes;
    for (int i = 0; i < 150; ++i)
        bytes += "word" + QByteArray::number(i) + "\r\n";
    const QByteArray filler = QByteArray(1000, 'z') + "\r\n";
    while (bytes.size() <= 17 * 1024 * 1024)
        bytes += filler;
    writeBytes(programFile(), bytes);

    HistoryFile file = history();
    QStringList entries;
    const QString notice = file.load(&entries);
    ASSERT_EQ(entries.size(), 101);
    EXPECT_EQ(entries.first(), QStringLiteral("word0"));
    EXPECT_EQ(entries.last(), QStringLiteral("word100"));
    EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(programFile()))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("101"))) << notice.toStdString();

    ASSERT_EQ(history().save(entries), QString());
    QByteArray kept;
    for (int i = 0; i <= 100; ++i)
        kept += "word" + QByteArray::number(i) + "\r\n";
    EXPECT_EQ(readBytes(programFile()), kept);
}

TEST_F(HistoryFileTest, FileThatCannotBeReadIsNeverReplaced)
{
    // A FIFO would block a plain open for ever; a folder is no file either.
    const QString fifo = programFile();
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString folderPath = m_program + QStringLiteral("/DATA/LumoFind.hst");
    ASSERT_TRUE(QDir().mkpath(folderPath));
    for (const QString &relative : {kRelative, QStringLiteral("DATA/LumoFind.hst")}) {
        SCOPED_TRACE(relative.toStdString());
        HistoryFile file(m_program, relative, m_user);
        QStringList entries = {"stale"};
        const QString notice = file.load(&entries);
        EXPECT_TRUE(entries.isEmpty());
        EXPECT_TRUE(notice.contains(QStringLiteral("не прочитан"))) << notice.toStdString();
        const QString error = HistoryFile(m_program, relative, m_user).save({"new"});
        EXPECT_TRUE(error.contains(QStringLiteral("не сохранён"))) << error.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(fifo));
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_TRUE(QFileInfo(folderPath).isDir());
    EXPECT_FALSE(QFileInfo::exists(m_user));   // nothing went elsewhere instead
}

TEST_F(HistoryFileTest, ASaveKeepsTheModeAndALinkedUserCopyStaysALink)
{
    // A list the user made private stays private; a copy in the user's
    // folder linked into a synced folder stays a link, and the file it
    // links to gets the list.
    const struct {
        const char *what;
        bool inUserFolder;
        QByteArray link;   // what the user's copy links to; empty: no link
        mode_t mode;       // of the file written
    } cases[] = {
        {"program folder, private", false, "", 0600},
        {"program folder, group may read", false, "", 0640},
        {"user folder, private", true, "", 0600},
        {"user copy linked by full path", true, "<synced>", 0600},
        {"user copy linked relatively", true, "../../synced/LumoCard.hst", 0640},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString root = m_dir.filePath(QString::fromUtf8(c.what));
        m_program = root + QStringLiteral("/program");
        m_user = root + QStringLiteral("/user");
        ASSERT_TRUE(QDir().mkpath(m_program + QStringLiteral("/DATA")));
        if (c.inUserFolder)
            blockProgramFolder();
        HistoryFile file = history();
        const QString path = c.inUserFolder ? file.userPath() : programFile();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QString written = path;
        if (!c.link.isEmpty()) {
            written = root + QStringLiteral("/synced/LumoCard.hst");
            ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/synced")));
            const QByteArray to = c.link == "<synced>" ? QFile::encodeName(written) : c.link;
            ASSERT_EQ(::symlink(to.constData(), QFile::encodeName(path).constData()), 0);
        }
        writeBytes(written, "old\r\n");
        ASSERT_EQ(::chmod(QFile::encodeName(written).constData(), c.mode), 0);
        ASSERT_EQ(file.save({"new"}), QString());
        EXPECT_EQ(readBytes(written), QByteArray("new\r\n"));
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(written).constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.mode);
        EXPECT_EQ(QFileInfo(path).isSymLink(), !c.link.isEmpty());
    }
}

TEST_F(HistoryFileTest, LinkInTheProgramFolderIsNeitherReadNorWritten)
{
    // Anyone who may write the program folder could point the history at
    // another file of the user's: it must not be read into the list, nor
    // be overwritten at close.
    const QString target = m_dir.filePath(QStringLiteral("private.txt"));
    writeBytes(target, "secret\r\n");
    ASSERT_TRUE(QFile::link(target, programFile()));
    HistoryFile file = history();
    QStringList entries;
    const QString notice = file.load(&entries);
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_TRUE(notice.contains(QStringLiteral("ссылка"))) << notice.toStdString();
    const QString error = history().save({"new"});
    EXPECT_TRUE(error.contains(QStringLiteral("ссылка"))) << error.toStdString();
    EXPECT_EQ(readBytes(target), QByteArray("secret\r\n"));
    EXPECT_EQ(QFileInfo(programFile()).symLinkTarget(), target);
    EXPECT_FALSE(QFileInfo::exists(m_user));
}

namespace {

QStringList numbered(const QString &prefix, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << prefix + QString::number(i);
    return list;
}

} // namespace

// This run's entries go on top of the list as it is on disk at the save;
// the rest of this run's list is what it read, which the disk may have
// changed. A merged list holds as many entries as a list does, no more.
TEST(MergeHistory, PutsThisRunsEntriesOnTopOfTheFileAsItIsNowEachOnceAndCutToTheListLength)
{
    const QStringList full = numbered(QStringLiteral("d"), 100);
    struct Case {
        const char *name;
        QStringList current, readAtStart, onDisk, merged;
    };
    const Case cases[] = {
        // entries recorded in this run
        {"one new", {"x", "a", "b"}, {"a", "b"}, {"y", "a", "b"}, {"x", "y", "a", "b"}},
        {"two new", {"x2", "x1", "a"}, {"a"}, {"y", "a"}, {"x2", "x1", "y", "a"}},
        {"old one used again", {"b", "a", "c"}, {"a", "b", "c"}, {"y", "a", "b", "c"}, {"b", "y", "a", "c"}},
        {"new one also saved by the other", {"x", "a"}, {"a"}, {"x", "y", "a"}, {"x", "y", "a"}},
        {"list with entries appended", {"a", "b", "x"}, {"a", "b"}, {"y"}, {"a", "b", "x", "y"}},
        // nothing recorded in this run: the file as it is now
        {"nothing new", {"a", "b"}, {"a", "b"}, {"y", "a"}, {"y", "a"}},
        {"nothing read, nothing new", {}, {}, {"y"}, {"y"}},
        {"the read list cut by the recording", QStringList{"x"} + full, full + QStringList{"z"}, full + QStringList{"z"},
         QStringList{"x"} + full},
        // the length of a list: 101 kept, the 102nd cut
        {"exactly a full list", {"x"}, {}, full, QStringList{"x"} + full},
        {"one past a full list", {"x"}, {}, full + QStringList{"z"}, QStringList{"x"} + full},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lumolex::mergeHistory(c.current, c.readAtStart, c.onDisk), c.merged);
    }
}

TEST_F(HistoryFileTest, SaveWithTheListReadAtStartMergesWithTheFileAsItIsNow)
{
    HistoryFile ours = history();
    writeBytes(programFile(), kMir1251 + "\r\n");
    QStringList read;
    ASSERT_TRUE(ours.load(&read).isEmpty());
    writeBytes(programFile(), kPrivet1251 + "\r\n" + kMir1251 + "\r\n"); // another copy saved "Привет"
    const QStringList readAtStart = read;
    ASSERT_TRUE(ours.save({QStringLiteral("лес"), QStringLiteral("мир")}, &readAtStart).isEmpty());
    EXPECT_EQ(readBytes(programFile()), "\xEB\xE5\xF1\r\n" + kPrivet1251 + "\r\n" + kMir1251 + "\r\n");
}

// A long search text is written as it will be read back: the next start
// reads the list it saved without a word; a file holding longer lines from
// elsewhere says that they were shortened, not that the list was too long.
TEST_F(HistoryFileTest, LongEntriesAreWrittenAsTheyAreReadBackAndLongLinesAreReportedAsSuch)
{
    const int longest = lumolex::HistoryLimits::entryLength;
    const QStringList filler = numbered(QStringLiteral("w"), 100);
    struct Case {
        const char *name;
        QString entry;
        QString readBack;
    };
    const Case cases[] = {
        {"as long as kept", QString(longest, QLatin1Char('a')), QString(longest, QLatin1Char('a'))},
        {"one longer", QString(longest + 1, QLatin1Char('a')), QString(longest, QLatin1Char('a'))},
        {"1500 characters", QString(1500, QLatin1Char('b')), QString(longest, QLatin1Char('b'))},
        {"a pair across the limit", QString(longest - 1, QLatin1Char('c')) + QStringLiteral("😀"),
         QString(longest - 1, QLatin1Char('c'))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(history().save(QStringList{c.entry} + filler), QString());
        QStringList read;
        EXPECT_EQ(history().load(&read), QString());
        EXPECT_EQ(read, QStringList{c.readBack} + filler);
    }

    writeBytes(programFile(), QByteArray(longest + 1, 'a') + "\r\nb\r\n");
    QStringList read;
    const QString notice = history().load(&read);
    EXPECT_EQ(read, (QStringList{QString(longest, QLatin1Char('a')), QStringLiteral("b")}));
    EXPECT_TRUE(notice.contains(QStringLiteral("длиннее 1000 знаков"))) << notice.toStdString();
}
