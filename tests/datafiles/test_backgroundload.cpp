// Reading one data file on a thread of its own, and the checks a tool that
// needs only some files makes.

#include "datafixtures.h"

#include "data/files/backgroundload.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"

#include <QFile>

#include <atomic>
#include <thread>

namespace lumolex::testing {
namespace {

class BackgroundLoadTest : public FolderTest
{
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        makeEmptyDataFiles(m_dir.path());
    }

    void writeForms(int rows, const QString &badRow = QString())
    {
        QStringList statements{dataFileLayout(DataFile::WordForms).createSql};
        for (int i = 0; i < rows; ++i)
            statements << QStringLiteral("INSERT INTO wordforms VALUES ('к%1', '|%2|')").arg(rows - i).arg(i + 1);
        if (!badRow.isEmpty())
            statements << badRow;
        makeDatabase(dataFilePath(m_dir.path(), DataFile::WordForms), statements);
    }

    std::unique_ptr<Table> wordFormTable() const
    {
        return std::make_unique<Table>(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
    }
};

TEST_F(BackgroundLoadTest, ReadsAndIndexesOnAThreadOfItsOwn)
{
    const struct {
        const char *name;
        int rows;
        QString badRow;
        bool ok;
        int loaded;
    } cases[] = {
        {"good rows", 5000, QString(), true, 5000},
        {"no rows", 0, QString(), true, 0},
        {"a bad row at the end", 5000, QStringLiteral("INSERT INTO wordforms VALUES ('кот', X'00')"), false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeForms(c.rows, c.badRow);
        std::atomic<bool> called{false};
        std::thread::id callbackThread;
        BackgroundLoad load(m_dir.path(), DataFile::WordForms, wordFormTable(), [&] {
            callbackThread = std::this_thread::get_id();
            called = true;
        });
        EXPECT_EQ(load.succeeded(), c.ok);
        EXPECT_TRUE(load.isFinished());
        EXPECT_TRUE(called);
        EXPECT_NE(callbackThread, std::this_thread::get_id());
        if (!c.ok) {
            EXPECT_TRUE(load.errorString().startsWith(QStringLiteral("Файл базы данных 2 не удаётся прочитать")))
                << load.errorString().toStdString();
            EXPECT_TRUE(load.errorString().contains(QStringLiteral("поле ARRID не текст")));
        }
        const std::unique_ptr<Table> table = load.takeTable();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), c.loaded);
        EXPECT_EQ(table->activeIndex(), c.ok ? QStringLiteral("cds2i1") : QString());
        if (c.loaded > 0) {
            table->first();
            EXPECT_EQ(table->value(u"TRANSC").toString(), QStringLiteral("к1"));   // key order, not file order
        }
        EXPECT_EQ(load.takeTable(), nullptr);
    }
}

TEST_F(BackgroundLoadTest, ARaisedStopFlagEndsTheReadingEmpty)
{
    writeForms(10000);
    for (const bool stop : {false, true}) {
        SCOPED_TRACE(stop);
        const std::atomic<bool> flag{stop};
        DataFileLoader loader(m_dir.path());
        loader.setStopFlag(&flag);
        Table table(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
        EXPECT_EQ(loader.readIndexed(DataFile::WordForms, table), !stop);
        EXPECT_EQ(table.rowCount(), stop ? 0 : 10000);
    }
}

TEST_F(BackgroundLoadTest, ALoadDroppedWhileItReadsStopsWithoutReadingEveryRow)
{
    // The table is looked at when the reading ends, on the reading thread,
    // while the dropped load still waits for it.
    writeForms(100000);
    std::unique_ptr<Table> table = wordFormTable();
    const Table *reading = table.get();
    std::atomic<int> rowsAtEnd{-1};
    {
        BackgroundLoad dropped(m_dir.path(), DataFile::WordForms, std::move(table),
                               [&] { rowsAtEnd = reading->rowCount(); });
    }
    EXPECT_EQ(rowsAtEnd, 0);
}

// The window's start-up pair: the article and example files on one thread,
// with the credits; a file that fails leaves both tables empty.
TEST_F(BackgroundLoadTest, ReadsTheStartUpTablesTogether)
{
    const struct {
        const char *name;
        QString examplesSource;     // empty: the examples file is damaged after the build
        bool ok;
    } cases[] = {
        {"both files good", QStringLiteral("<b>аббьр</b> — дождь\n"), true},
        {"the examples file damaged", QString(), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        mkdata::BuildInput input;
        input.articleFiles = {file("articles.tsv", "1\tаббьр\t\t<b>аббьр</b> дождь\n3\tдождь\t\t<b>дождь</b>\n")};
        input.exampleFiles = {file("examples.tsv", c.examplesSource.isEmpty() ? QByteArray("пример\n")
                                                                               : c.examplesSource.toUtf8())};
        input.creditFiles = {file("credits.tsv", "1\tКуруч Р. Д.\tсловарь 1985 года\n")};
        QStringList problems;
        const QString data = path("DATA");
        ASSERT_TRUE(buildData(input, data, &problems)) << problems.join(u'\n').toStdString();
        if (c.examplesSource.isEmpty())
            writeFile(dataFilePath(data, DataFile::Examples), QByteArray(4096, 'x'));

        const std::unique_ptr<BackgroundLoad> load = startReadingStartupTables(data);
        EXPECT_EQ(load->succeeded(), c.ok) << load->errorString().toStdString();
        EXPECT_EQ(load->dataFolder(), data);
        const std::unique_ptr<Table> articles = load->takeTable(DataFile::Articles);
        const std::unique_ptr<Table> examples = load->takeTable(DataFile::Examples);
        ASSERT_TRUE(articles && examples);
        EXPECT_EQ(load->takeTable(DataFile::WordForms), nullptr);
        EXPECT_EQ(articles->rowCount(), c.ok ? 2 : 0);
        EXPECT_EQ(examples->rowCount(), c.ok ? 1 : 0);
        if (c.ok) {
            EXPECT_EQ(articles->activeIndex(), QStringLiteral("cds1i1"));
            EXPECT_EQ(load->credits().person(1), QStringLiteral("Куруч Р. Д."));
        } else {
            EXPECT_TRUE(load->errorString().startsWith(QStringLiteral("Файл базы данных 3"))) << load->errorString().toStdString();
        }
    }
}

TEST_F(BackgroundLoadTest, ChecksOnlyTheFilesAsked)
{
    writeFile(dataFilePath(m_dir.path(), DataFile::WordForms), QByteArray(4096, 'x'));
    QFile::remove(dataFilePath(m_dir.path(), DataFile::Examples));
    const struct {
        QList<DataFile> files;
        QStringList startsOfMessages;
    } cases[] = {
        {{DataFile::Articles}, {}},
        {{DataFile::Articles, DataFile::WordForms}, {"Файл базы данных 2 не удаётся прочитать"}},
        {{DataFile::WordForms, DataFile::Examples}, {"Файл базы данных 3 не найден"}},
    };
    for (const auto &c : cases) {
        const QStringList messages = checkDataFiles(m_dir.path(), c.files);
        ASSERT_EQ(messages.size(), c.startsOfMessages.size()) << messages.join(u'\n').toStdString();
        for (int i = 0; i < messages.size(); ++i)
            EXPECT_TRUE(messages.at(i).startsWith(c.startsOfMessages.at(i))) << messages.at(i).toStdString();
    }
}

} // namespace
} // namespace lumolex::testing
