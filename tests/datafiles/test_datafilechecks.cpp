// The checks made before the data files are read, and the loader's answer
// to files that are present but wrong: every problem names its file and
// its cause, and nothing is half loaded.

#include "datafixtures.h"

#include "data/files/datafiles.h"
#include "data/files/dataloader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::testing;

namespace {

// Every test runs in a data folder whose name holds spaces and URI
// characters, filled with valid empty files.
class DataFileChecks : public FolderTest
{
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        folder = FolderTest::path("Мои данные #1 ?x=100%");
        ASSERT_TRUE(QDir().mkpath(folder));
        makeEmptyDataFiles(folder);
    }

    QString path(DataFile file) const { return dataFilePath(folder, file); }

    // Loads the folder; on failure the tables must be empty.
    QString loadProblem()
    {
        LoadedTables tables;
        DataFileLoader loader(folder);
        const bool ok = loader.load(tables.articles, tables.wordForms, tables.examples);
        EXPECT_FALSE(ok);
        EXPECT_EQ(tables.articles.rowCount(), 0);
        EXPECT_EQ(tables.wordForms.rowCount(), 0);
        EXPECT_EQ(tables.examples.rowCount(), 0);
        return loader.errorString();
    }

    QString folder;
};

// Extra columns after the known ones are not read, and an empty
// cross-reference is none.
TEST_F(DataFileChecks, ValidFilesPassAndLoad)
{
    makeDatabase(path(DataFile::WordForms), {"CREATE TABLE wordforms (TRANSC TEXT, ARRID TEXT, NOTE TEXT)",
                                             "INSERT INTO wordforms VALUES ('дом', '1|2', 'x')"});
    makeDatabase(path(DataFile::Articles),
                 {QString(dataFileLayout(DataFile::Articles).createSql)
                      .replace("CHECK (GOTO IS NULL OR length(GOTO) BETWEEN 1 AND 50)", QString()),
                  "INSERT INTO articles VALUES (7, 1, 'а', NULL, 'а', '')"});
    EXPECT_TRUE(checkDataFiles(folder).isEmpty());
    LoadedTables tables;
    DataFileLoader loader(folder);
    ASSERT_TRUE(loader.load(tables.articles, tables.wordForms, tables.examples)) << loader.errorString().toStdString();
    EXPECT_EQ(tables.articles.activeIndex(), "cds1i1");
    EXPECT_EQ(tables.wordForms.activeIndex(), "cds2i1");
    EXPECT_TRUE(tables.articles.hasIndex("cds1i2"));
    EXPECT_TRUE(loader.credits().isEmpty());
    EXPECT_EQ(arridOf(tables.wordForms, "ДОМ"), "1|2");
    EXPECT_EQ(tables.articles.rowCount(), 1);
    EXPECT_TRUE(tables.articles.isNull(tables.articles.fieldIndex(u"GOTO")));
    EXPECT_TRUE(EmptyTable(tables.examples));

    EXPECT_EQ(dataFolderOf("/opt/lumolex"), "/opt/lumolex/DATA/");
    EXPECT_EQ(dataFolderOf("C:\\LumoLex\\"), "C:\\LumoLex\\DATA/");
}

// A missing file ends start-up before any file is opened: only the missing
// ones are reported, in file order.
TEST_F(DataFileChecks, MissingFilesInFileOrderHideOtherProblems)
{
    writeFile(path(DataFile::WordForms), "not a database");
    QFile::remove(path(DataFile::Examples));
    QFile::remove(path(DataFile::Articles));
    EXPECT_EQ(checkDataFiles(folder), (QStringList{"Файл базы данных 1 не найден", "Файл базы данных 3 не найден"}));

    QFile::remove(path(DataFile::WordForms));
    EXPECT_EQ(missingDataFileMessages(folder),
              (QStringList{"Файл базы данных 1 не найден", "Файл базы данных 2 не найден", "Файл базы данных 3 не найден"}));
}

// Each case spoils one file of a fresh folder: the checks report that file
// alone, by number, cause and path, and the loader refuses the folder with
// the same message.
TEST_F(DataFileChecks, FilePresentButWrong)
{
    QStringList examples{dataFileLayout(DataFile::Examples).createSql};
    for (int i = 1; i <= 400; ++i)
        examples.append(QStringLiteral("INSERT INTO examples VALUES (%1, randomblob(300))").arg(i));
    const QString whole = FolderTest::path("examples.db");
    makeDatabase(whole, examples);
    const QByteArray bytes = readFile(whole);
    ASSERT_GT(bytes.size(), 8 * 4096);

    const struct {
        const char *name;
        DataFile file;
        QByteArray bytes;   // the file's content, or
        QStringList sql;    // the statements of a database in its place; neither: a folder
        const char *cause;
    } cases[] = {
        {"not a database", DataFile::WordForms, QByteArray("TRANSC\tARRID\nдом\t1\n").repeated(50), {},
         "это не база данных SQLite"},
        {"empty file", DataFile::Examples, "", {}, "файл пуст"},
        {"folder in place of the file", DataFile::Examples, {}, {}, "это папка"},
        {"no table", DataFile::Articles, {}, {"CREATE TABLE other (ID INTEGER)"}, "нет таблицы «articles»"},
        {"fields out of order", DataFile::Articles, {},
         {"CREATE TABLE articles (ID INTEGER, DICT INTEGER, TRANSC TEXT, TRANSL BLOB, WORD TEXT, GOTO TEXT)"},
         "столбец 3 называется «TRANSC», а должен называться «WORD»"},
        {"wrong type", DataFile::Articles, {},
         {"CREATE TABLE articles (ID INTEGER, DICT TEXT, WORD TEXT, TRANSL BLOB, TRANSC TEXT, GOTO TEXT)"},
         "«DICT» имеет тип «TEXT» вместо «INTEGER»"},
        {"missing column", DataFile::WordForms, {}, {"CREATE TABLE wordforms (TRANSC TEXT)"}, "нет столбца «ARRID»"},
        // only the size recorded in the header tells
        {"cut at a page boundary", DataFile::Examples, bytes.left(bytes.size() / 2 / 4096 * 4096), {}, "файл обрезан"},
        {"cut inside a page", DataFile::Examples, bytes.left(bytes.size() - 1000), {}, "файл обрезан"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseDir;
        folder = caseDir.path();
        makeEmptyDataFiles(folder);
        if (!c.sql.isEmpty()) {
            makeDatabase(path(c.file), c.sql);
        } else if (!c.bytes.isNull()) {
            writeFile(path(c.file), c.bytes);
        } else {
            QFile::remove(path(c.file));
            QDir().mkdir(path(c.file));
        }
        const QStringList problems = checkDataFiles(folder);
        ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
        const QString message = problems.first();
        EXPECT_TRUE(message.startsWith(QStringLiteral("Файл базы данных %1 не удаётся прочитать: ")
                                           .arg(dataFileLayout(c.file).number))) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.cause))) << message.toStdString();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path(c.file)))) << message.toStdString();
        EXPECT_EQ(loadProblem(), message);
    }
}

// A FIFO in place of a data file would block the start-up for ever, a
// device may never end: each is refused at once with the message of a
// damaged file. (Should a check open a FIFO, a helper lets it go after two
// seconds, so that the test fails instead of hanging.)
TEST_F(DataFileChecks, FileThatIsNotARegularFileIsRefusedAtOnce)
{
    const struct {
        const char *name;
        DataFile file;
        const char *device;   // a link to it; null: a FIFO
    } cases[] = {
        {"FIFO as file 1", DataFile::Articles, nullptr},
        {"FIFO as file 2", DataFile::WordForms, nullptr},
        {"FIFO as file 3", DataFile::Examples, nullptr},
        {"link to a device", DataFile::Examples, "/dev/zero"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseDir;
        folder = caseDir.path();
        makeEmptyDataFiles(folder);
        const QByteArray target = QFile::encodeName(path(c.file));
        QFile::remove(path(c.file));
        if (c.device)
            ASSERT_TRUE(QFile::link(QString::fromLatin1(c.device), path(c.file)));
        else
            ASSERT_EQ(::mkfifo(target.constData(), 0600), 0);
        std::atomic<bool> done = false;
        std::thread release([&done, &target] {
            for (int i = 0; i < 200 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        });
        QElapsedTimer clock;
        clock.start();
        const QStringList problems = checkDataFiles(folder);
        const qint64 elapsed = clock.elapsed();
        done = true;
        release.join();
        EXPECT_LT(elapsed, 1000);
        ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
        EXPECT_TRUE(problems.first().startsWith(QStringLiteral("Файл базы данных %1 не удаётся прочитать: ")
                                                    .arg(dataFileLayout(c.file).number)));
        EXPECT_TRUE(problems.first().contains(QStringLiteral("это не обычный файл"))) << problems.first().toStdString();
    }
}

TEST_F(DataFileChecks, DamagedPagesAreFoundWhileReading)
{
    QStringList statements{dataFileLayout(DataFile::Articles).createSql};
    for (int i = 1; i <= 300; ++i)
        statements.append(QStringLiteral("INSERT INTO articles VALUES (%1, 1, 'слово%1', randomblob(200), 'слово%1', NULL)").arg(i));
    makeDatabase(path(DataFile::Articles), statements);
    QByteArray bytes = readFile(path(DataFile::Articles));
    ASSERT_GT(bytes.size(), 6 * 4096);
    // Garbage over the pages after the first: the header stays good.
    for (qsizetype i = 4096; i < bytes.size(); ++i)
        bytes[i] = char(0xA5 ^ (i * 31));
    writeFile(path(DataFile::Articles), bytes);

    const QString problem = loadProblem();
    EXPECT_TRUE(problem.startsWith("Файл базы данных 1 не удаётся прочитать")) << problem.toStdString();
    EXPECT_TRUE(problem.contains("повреждён")) << problem.toStdString();
}

TEST_F(DataFileChecks, RecordsThatBreakTheArticleRules)
{
    // A table without the file's own checks lets such records in; the loader
    // must still refuse them.
    const QString loose = "CREATE TABLE articles (ID INTEGER, DICT INTEGER, WORD TEXT, TRANSL BLOB, TRANSC TEXT, GOTO TEXT)";
    const struct {
        QString insert;
        QString cause;
    } cases[] = {
        {"INSERT INTO articles VALUES (1, 1, '', NULL, 'а', NULL)", "запись с ID 1: поле WORD пустое"},
        {"INSERT INTO articles VALUES (2, 1, 'а', NULL, NULL, NULL)", "запись с ID 2: поле TRANSC пустое"},
        {"INSERT INTO articles VALUES (3, 'один', 'а', NULL, 'а', NULL)", "поле DICT не целое число"},
        {"INSERT INTO articles VALUES (4, 1, 'а', 'текст', 'а', NULL)", "поле TRANSL не двоичное"},
        {QStringLiteral("INSERT INTO articles VALUES (5, 1, '%1', NULL, 'а', NULL)").arg(QString(51, u'я')),
         "поле WORD длиннее 50 символов"},
        {"INSERT INTO articles VALUES (0, 1, 'а', NULL, 'а', NULL)", "вне допустимых пределов"},
        {"INSERT INTO articles VALUES (6, 1, 'а', NULL, 'а', NULL), (6, 2, 'б', NULL, 'б', NULL)",
         "ID 6 встречается дважды"},
    };
    for (const auto &c : cases) {
        makeDatabase(path(DataFile::Articles), {loose, c.insert});
        const QString problem = loadProblem();
        EXPECT_TRUE(problem.contains(c.cause)) << c.insert.toStdString() << " -> " << problem.toStdString();
        // A reading that leaves the bodies for later refuses the same rows
        // with the same words, before any body is read.
        Table articles(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles));
        DataFileLoader deferring(folder);
        EXPECT_FALSE(deferring.readFile(DataFile::Articles, articles, DataFileLoader::Bodies::Defer));
        EXPECT_EQ(deferring.errorString(), problem) << c.insert.toStdString();
    }
}

TEST_F(DataFileChecks, ReadOnlyFilesAreLoadedWithoutBeingTouched)
{
    makeDatabase(path(DataFile::Articles),
                 {dataFileLayout(DataFile::Articles).createSql,
                  "INSERT INTO articles VALUES (1, 1, 'а', NULL, 'а', NULL)"});
    const QByteArray before = readFile(path(DataFile::Articles));
    for (const DataFileLayout &layout : allDataFileLayouts())
        QFile::setPermissions(path(layout.file), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    LoadedTables tables;
    DataFileLoader loader(folder);
    const bool ok = loader.load(tables.articles, tables.wordForms, tables.examples);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(ok) << loader.errorString().toStdString();
    EXPECT_EQ(tables.articles.rowCount(), 1);
    EXPECT_EQ(readFile(path(DataFile::Articles)), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);   // no journal or lock files beside
}

} // namespace
