// Leftover temporary files: the program's own, left alone for a minute, are
// removed at start-up; fresh ones, other programs' files and locks of living
// copies stay.

#include "platform/leftoverfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

void writeFile(const QString &path, const QByteArray &text, qint64 ageSeconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    ASSERT_TRUE(file.flush()); // before the time is set: a later write would change it
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
}

TEST(LeftoverTemporaries, OnlyTheProgramsOwnFilesLeftAloneForAMinuteAndDeadLocksAreRemoved)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char *name;
        qint64 ageSeconds;
        bool removed;
    };
    const Case cases[] = {
        // the history file's and the settings file's temporaries
        {".LumoCard.hst.a1B2c3", 3600, true},
        {".LumoCard.hst.Zz9Yy8", 61, true},
        {"LumoCard.hst.Qw3rTy", 600, true},
        // a write that may still be going on
        {".LumoCard.hst.b4C5d6", 59, false},
        {".LumoCard.hst.e7F8g9", 0, false},
        // names the program never makes
        {"LumoCard.hst", 3600, false},
        {".LumoCard.hst.a1B2c", 3600, false},
        {".LumoCard.hst.a1B2c3d", 3600, false},
        {".LumoCard.hst.a1-2c3", 3600, false},
        {"LumoCard.hst.bak", 3600, false},
        {".LumoFind.hst.a1B2c3", 3600, false},
        {"x.LumoCard.hst.a1B2c3", 3600, false},
        {".LumoCard.hstXa1B2c3", 3600, false},
    };
    for (const Case &c : cases)
        writeFile(dir.filePath(QString::fromLatin1(c.name)), "entry\r\n", c.ageSeconds);
    // A lock of a copy that has ended (no process has that number).
    writeFile(dir.filePath(QStringLiteral("LumoCard.hst.lock")), "999999999\nlumolex\n\n", 0);

    EXPECT_EQ(removeLeftoverTemporaries(dir.filePath(QStringLiteral("LumoCard.hst"))), 4);
    for (const Case &c : cases)
        EXPECT_EQ(QFile::exists(dir.filePath(QString::fromLatin1(c.name))), !c.removed) << c.name;
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("LumoCard.hst.lock"))));
}

TEST(LeftoverTemporaries, LockOfALivingCopyStays)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QLockFile held(dir.filePath(QStringLiteral("LumoLex.ini.lock")));
    ASSERT_TRUE(held.tryLock(0));
    EXPECT_EQ(removeLeftoverTemporaries(dir.filePath(QStringLiteral("LumoLex.ini"))), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("LumoLex.ini.lock"))));
}

} // namespace
} // namespace lumolex
