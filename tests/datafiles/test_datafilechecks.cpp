// The checks made before the data files are read, and the loader's answer
// to files that are present but wrong: every problem names its file and
// its cause, and nothing is half loaded.

#include "datafixtures.h"

#include "data/datafiles.h"
#include "data/dataloader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::testing;

namespace {

class DataFileChecks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        folder = m_dir.path();
        makeEmptyDataFiles(folder);
    }

    QString path(DataFile file) const { return dataFilePath(folder, file); }

    // The one message of checkDataFiles, which must name file number n.
    QString onlyProblem(int n) const
    {
        const QStringList problems = checkDataFiles(folder);
        EXPECT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
        const QString message = problems.value(0);
        EXPECT_TRUE(message.startsWith(QStringLiteral("Файл базы данных %1 ").arg(n))) << message.toStdString();
        return message;
    }

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

    QTemporaryDir m_dir;
    QString folder;
};

TEST_F(DataFileChecks, ValidFilesPassAndLoadEmpty)
{
    EXPECT_TRUE(checkDataFiles(folder).isEmpty());
    LoadedTables tables;
    DataFileLoader loader(folder);
    ASSERT_TRUE(loader.load(tables.articles, tables.wordForms, tables.examples)) << loader.errorString().toStdString();
    EXPECT_TRUE(EmptyTable(tables.articles));
    EXPECT_EQ(tables.articles.activeIndex(), QStringLiteral("cds1i1"));
    EXPECT_EQ(tables.wordForms.activeIndex(), QStringLiteral("cds2i1"));
    EXPECT_TRUE(tables.articles.hasIndex(QStringLiteral("cds1i2")));
    EXPECT_TRUE(loader.credits().isEmpty());
}

TEST_F(DataFileChecks, EveryMissingFileHasItsMessageInFileOrder)
{
    QFile::remove(path(DataFile::Examples));
    QFile::remove(path(DataFile::Articles));
    EXPECT_EQ(checkDataFiles(folder),
              (QStringList{QStringLiteral("Файл базы данных 1 не найден"), QStringLiteral("Файл базы данных 3 не найден")}));

    QFile::remove(path(DataFile::WordForms));
    EXPECT_EQ(missingDataFileMessages(folder),
              (QStringList{QStringLiteral("Файл базы данных 1 не найден"), QStringLiteral("Файл базы данных 2 не найден"),
                           QStringLiteral("Файл базы данных 3 не найден")}));
}

TEST_F(DataFileChecks, MissingFilesHideOtherProblems)
{
    // A missing file ends start-up before any file is opened.
    writeFile(path(DataFile::Articles), "not a database");
    QFile::remove(path(DataFile::WordForms));
    EXPECT_EQ(checkDataFiles(folder), QStringList{QStringLiteral("Файл базы данных 2 не найден")});
}

TEST_F(DataFileChecks, FileThatIsNotADatabase)
{
    writeFile(path(DataFile::WordForms), QByteArray("TRANSC\tARRID\nдом\t1\n").repeated(50));
    const QString message = onlyProblem(2);
    EXPECT_TRUE(message.contains(QStringLiteral("это не база данных SQLite"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path(DataFile::WordForms))));
    EXPECT_TRUE(loadProblem().contains(QStringLiteral("Файл базы данных 2")));
}

TEST_F(DataFileChecks, EmptyFileAndFolderInPlaceOfFile)
{
    writeFile(path(DataFile::Examples), QByteArray());
    EXPECT_TRUE(onlyProblem(3).contains(QStringLiteral("файл пуст")));

    QFile::remove(path(DataFile::Examples));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("lumophra.db")));
    EXPECT_TRUE(onlyProblem(3).contains(QStringLiteral("папка")));
}

TEST_F(DataFileChecks, WrongLayout)
{
    makeDatabase(path(DataFile::Articles), {QStringLiteral("CREATE TABLE other (ID INTEGER)")});
    EXPECT_TRUE(onlyProblem(1).contains(QStringLiteral("нет таблицы «articles»")));

    // Fields out of order.
    makeDatabase(path(DataFile::Articles),
                 {QStringLiteral("CREATE TABLE articles (ID INTEGER, DICT INTEGER, TRANSC TEXT, TRANSL BLOB, WORD TEXT, GOTO TEXT)")});
    EXPECT_TRUE(onlyProblem(1).contains(QStringLiteral("столбец 3 называется «TRANSC», а должен называться «WORD»")));

    makeDatabase(path(DataFile::Articles),
                 {QStringLiteral("CREATE TABLE articles (ID INTEGER, DICT TEXT, WORD TEXT, TRANSL BLOB, TRANSC TEXT, GOTO TEXT)")});
    EXPECT_TRUE(onlyProblem(1).contains(QStringLiteral("«DICT» имеет тип «TEXT» вместо «INTEGER»")));

    makeDatabase(path(DataFile::WordForms), {QStringLiteral("CREATE TABLE wordforms (TRANSC TEXT)")});
    const QStringList problems = checkDataFiles(folder);
    ASSERT_EQ(problems.size(), 2);
    EXPECT_TRUE(problems.at(1).contains(QStringLiteral("нет столбца «ARRID»"))) << problems.at(1).toStdString();
}

TEST_F(DataFileChecks, FurtherColumnsAreIgnored)
{
    makeDatabase(path(DataFile::WordForms),
                 {QStringLiteral("CREATE TABLE wordforms (TRANSC TEXT, ARRID TEXT, NOTE TEXT)"),
                  QStringLiteral("INSERT INTO wordforms VALUES ('дом', '1|2', 'x')")});
    EXPECT_TRUE(checkDataFiles(folder).isEmpty());
    LoadedTables tables;
    DataFileLoader loader(folder);
    ASSERT_TRUE(loader.load(tables.articles, tables.wordForms, tables.examples));
    EXPECT_EQ(arridOf(tables.wordForms, QStringLiteral("ДОМ")), QStringLiteral("1|2"));
}

TEST_F(DataFileChecks, TruncatedFile)
{
    QStringList statements{dataFileLayout(DataFile::Examples).createSql};
    for (int i = 1; i <= 400; ++i)
        statements.append(QStringLiteral("INSERT INTO examples VALUES (%1, randomblob(300))").arg(i));
    makeDatabase(path(DataFile::Examples), statements);
    const QByteArray whole = readFile(path(DataFile::Examples));
    ASSERT_GT(whole.size(), 8 * 4096);

    // Cut at a page boundary: only the size recorded in the header tells.
    writeFile(path(DataFile::Examples), whole.left(whole.size() / 2 / 4096 * 4096));
    EXPECT_TRUE(onlyProblem(3).contains(QStringLiteral("файл обрезан"))) << checkDataFiles(folder).value(0).toStdString();
    // Cut inside a page.
    writeFile(path(DataFile::Examples), whole.left(whole.size() - 1000));
    EXPECT_TRUE(onlyProblem(3).contains(QStringLiteral("обрезан")));
    EXPECT_TRUE(loadProblem().contains(QStringLiteral("обрезан")));
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
    EXPECT_TRUE(problem.startsWith(QStringLiteral("Файл базы данных 1 не удаётся прочитать"))) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QStringLiteral("повреждён"))) << problem.toStdString();
}

TEST_F(DataFileChecks, RecordsThatBreakTheArticleRules)
{
    // A table without the file's own checks lets such records in; the loader
    // must still refuse them.
    const QString loose = QStringLiteral("CREATE TABLE articles (ID INTEGER, DICT INTEGER, WORD TEXT, TRANSL BLOB, TRANSC TEXT, GOTO TEXT)");
    const struct {
        QString insert;
        QString cause;
    } cases[] = {
        {QStringLiteral("INSERT INTO articles VALUES (1, 1, '', NULL, 'а', NULL)"), QStringLiteral("запись с ID 1: поле WORD пустое")},
        {QStringLiteral("INSERT INTO articles VALUES (2, 1, 'а', NULL, NULL, NULL)"), QStringLiteral("запись с ID 2: поле TRANSC пустое")},
        {QStringLiteral("INSERT INTO articles VALUES (3, 'один', 'а', NULL, 'а', NULL)"), QStringLiteral("поле DICT не целое число")},
        {QStringLiteral("INSERT INTO articles VALUES (4, 1, 'а', 'текст', 'а', NULL)"), QStringLiteral("поле TRANSL не двоичное")},
        {QStringLiteral("INSERT INTO articles VALUES (5, 1, '%1', NULL, 'а', NULL)").arg(QString(51, u'я')),
         QStringLiteral("поле WORD длиннее 50 символов")},
        {QStringLiteral("INSERT INTO articles VALUES (0, 1, 'а', NULL, 'а', NULL)"), QStringLiteral("вне допустимых пределов")},
        {QStringLiteral("INSERT INTO articles VALUES (6, 1, 'а', NULL, 'а', NULL), (6, 2, 'б', NULL, 'б', NULL)"),
         QStringLiteral("ID 6 встречается дважды")},
    };
    for (const auto &c : cases) {
        makeDatabase(path(DataFile::Articles), {loose, c.insert});
        const QString problem = loadProblem();
        EXPECT_TRUE(problem.contains(c.cause)) << c.insert.toStdString() << " -> " << problem.toStdString();
    }
}

TEST_F(DataFileChecks, EmptyCrossReferenceIsNone)
{
    makeDatabase(path(DataFile::Articles),
                 {QString(dataFileLayout(DataFile::Articles).createSql)
                      .replace(QStringLiteral("CHECK (GOTO IS NULL OR length(GOTO) BETWEEN 1 AND 50)"), QString()),
                  QStringLiteral("INSERT INTO articles VALUES (7, 1, 'а', NULL, 'а', '')")});
    LoadedTables tables;
    DataFileLoader loader(folder);
    ASSERT_TRUE(loader.load(tables.articles, tables.wordForms, tables.examples)) << loader.errorString().toStdString();
    EXPECT_TRUE(tables.articles.isNull(tables.articles.fieldIndex(u"GOTO")));
}

TEST_F(DataFileChecks, ReadOnlyFilesAreLoadedWithoutBeingTouched)
{
    makeDatabase(path(DataFile::Articles),
                 {dataFileLayout(DataFile::Articles).createSql,
                  QStringLiteral("INSERT INTO articles VALUES (1, 1, 'а', NULL, 'а', NULL)")});
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

namespace {

TEST(DataFileFolder, NamesWithSpacesAndUriCharacters)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("Мои данные #1 ?x=100%"));
    ASSERT_TRUE(QDir().mkpath(folder));
    makeEmptyDataFiles(folder);
    makeDatabase(dataFilePath(folder, DataFile::WordForms),
                 {dataFileLayout(DataFile::WordForms).createSql, QStringLiteral("INSERT INTO wordforms VALUES ('дом', '5')")});
    EXPECT_TRUE(checkDataFiles(folder).isEmpty());
    LoadedTables tables;
    DataFileLoader loader(folder);
    ASSERT_TRUE(loader.load(tables.articles, tables.wordForms, tables.examples)) << loader.errorString().toStdString();
    EXPECT_EQ(tables.wordForms.rowCount(), 1);
    EXPECT_EQ(dataFolderOf(QStringLiteral("/opt/lumolex")), QStringLiteral("/opt/lumolex/DATA/"));
    EXPECT_EQ(dataFolderOf(QStringLiteral("C:\\LumoLex\\")), QStringLiteral("C:\\LumoLex\\DATA/"));
}

} // namespace
