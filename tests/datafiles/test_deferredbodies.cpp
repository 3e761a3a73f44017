// The start-up reading hands the article and example rows over before their
// bodies: the current record's body is read from the file by itself, any
// other read waits for the bodies, which then match a full reading.

#include "datafixtures.h"

#include "data/files/backgroundload.h"
#include "data/files/datafiles.h"
#include "data/files/dataloader.h"
#include "data/files/deferredbodies.h"

#include <QFile>

#include <map>

#include <sqlite3.h>

namespace lumolex::testing {
namespace {

class DeferredBodiesTest : public FolderTest
{
protected:
    // A data set of three articles, one of them without a body, and two
    // examples.
    QString buildDataSet()
    {
        mkdata::BuildInput input;
        input.articleFiles = {file("articles.tsv", "1\tаббьр\t\t<b>аббьр</b> дождь\n"
                                                   "1\tдождь\t\t<b>дождь</b> аббьр\n"
                                                   "2\tкуэдт\tаббьр\t\n")};
        input.exampleFiles = {file("examples.tsv", "<b>аббьр</b> — дождь\n<b>куэдт</b> — ветер\n")};
        input.creditFiles = {file("credits.tsv", "1\tКуруч Р. Д.\tсловарь 1985 года\n")};
        QStringList problems;
        const QString data = path("DATA");
        EXPECT_TRUE(buildData(input, data, &problems)) << problems.join(u'\n').toStdString();
        return data;
    }

    static void change(const QString &file, const char *sql)
    {
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    // The bodies of every row by ID, null ones as a null QByteArray.
    static std::map<qint64, QByteArray> bodiesById(Table &table, const char *bodyField)
    {
        std::map<qint64, QByteArray> bodies;
        const int id = table.fieldIndex(u"ID");
        const int body = table.fieldIndex(QString::fromLatin1(bodyField));
        for (int row = 0; row < table.rowCount(); ++row) {
            const QVariant value = table.valueOfRow(row, body);
            bodies[table.valueOfRow(row, id).toLongLong()] = value.isValid() ? value.toByteArray() : QByteArray();
        }
        return bodies;
    }
};

TEST_F(DeferredBodiesTest, TheRowsComeFirstAndTheBodiesMatchAFullReading)
{
    const QString data = buildDataSet();
    LoadedTables full;
    DataFileLoader loader(data);
    ASSERT_TRUE(loader.readIndexed(DataFile::Articles, full.articles));
    ASSERT_TRUE(loader.readIndexed(DataFile::Examples, full.examples));

    std::unique_ptr<BackgroundLoad> load = startReadingStartupTables(data);
    ASSERT_TRUE(load->succeeded()) << load->errorString().toStdString();
    LoadedTables tables;
    tables.articles.takeRows(*load->takeTable(DataFile::Articles));
    tables.examples.takeRows(*load->takeTable(DataFile::Examples));
    // The bodies wait until they are asked for.
    EXPECT_FALSE(load->isFinished());
    DeferredBodies bodies(std::move(load), {{DataFile::Articles, &tables.articles}, {DataFile::Examples, &tables.examples}});
    ASSERT_TRUE(tables.articles.hasDeferredBlobs());

    // Each current record's body, read alone, as the full reading has it.
    const int body = tables.articles.fieldIndex(u"TRANSL");
    const int fullBody = full.articles.fieldIndex(u"TRANSL");
    int records = 0;
    for (tables.articles.first(), full.articles.first(); !tables.articles.atEnd(); tables.articles.next(), full.articles.next()) {
        ++records;
        EXPECT_EQ(tables.articles.value(u"ID"), full.articles.value(u"ID"));
        EXPECT_EQ(tables.articles.isNull(body), full.articles.isNull(fullBody));
        EXPECT_EQ(tables.articles.blob(body), full.articles.blob(fullBody));
        EXPECT_TRUE(tables.articles.hasDeferredBlobs());
    }
    EXPECT_EQ(records, 3);

    // A read by view position brings every body of both tables.
    bool isNull = false;
    bool fullIsNull = false;
    EXPECT_EQ(tables.articles.blobAt(0, body, &isNull).toByteArray(), full.articles.blobAt(0, fullBody, &fullIsNull).toByteArray());
    EXPECT_EQ(isNull, fullIsNull);
    EXPECT_FALSE(tables.articles.hasDeferredBlobs());
    EXPECT_FALSE(tables.examples.hasDeferredBlobs());
    EXPECT_EQ(bodiesById(tables.articles, "TRANSL"), bodiesById(full.articles, "TRANSL"));
    EXPECT_EQ(bodiesById(tables.examples, "PHRASE"), bodiesById(full.examples, "PHRASE"));
}

TEST_F(DeferredBodiesTest, AFileChangedBeforeItsBodiesAreReadIsReported)
{
    const struct {
        const char *name;
        const char *sql;
        const char *cause;
    } cases[] = {
        {"a body turned into text", "UPDATE articles SET TRANSL = 'текст' WHERE ID = 2", "поле TRANSL не двоичное"},
        {"a record gone", "DELETE FROM articles WHERE ID = 2", "ошибка чтения (articles)"},
        {"the file gone", nullptr, "Файл базы данных 1 не удаётся прочитать"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString data = buildDataSet();
        std::unique_ptr<BackgroundLoad> load = startReadingStartupTables(data);
        ASSERT_TRUE(load->succeeded());
        LoadedTables tables;
        tables.articles.takeRows(*load->takeTable(DataFile::Articles));
        tables.examples.takeRows(*load->takeTable(DataFile::Examples));
        if (c.sql)
            change(dataFilePath(data, DataFile::Articles), c.sql);
        else
            QFile::remove(dataFilePath(data, DataFile::Articles));

        DeferredBodies bodies(std::move(load), {{DataFile::Articles, &tables.articles}, {DataFile::Examples, &tables.examples}});
        QStringList messages;
        QObject::connect(&bodies, &DeferredBodies::failed, [&](const QString &message) { messages << message; });
        bodies.complete();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.first().contains(QString::fromUtf8(c.cause))) << messages.first().toStdString();
        // No body half read: the table answers null, and waits no more.
        EXPECT_FALSE(tables.articles.hasDeferredBlobs());
        tables.articles.first();
        EXPECT_TRUE(tables.articles.isNull(tables.articles.fieldIndex(u"TRANSL")));
        bodies.complete();
        EXPECT_EQ(messages.size(), 1);
    }
}

TEST_F(DeferredBodiesTest, ALoadDroppedBeforeItsBodiesEndsAtOnce)
{
    const QString data = buildDataSet();
    std::unique_ptr<BackgroundLoad> load = startReadingStartupTables(data);
    ASSERT_TRUE(load->succeeded());
    LoadedTables tables;
    tables.articles.takeRows(*load->takeTable(DataFile::Articles));
    {
        DeferredBodies bodies(std::move(load), {{DataFile::Articles, &tables.articles}});
        EXPECT_TRUE(tables.articles.hasDeferredBlobs());
    }
    // The reading thread, waiting for the bodies to be wanted, was stopped;
    // the table no longer refers to the reader that is gone.
    EXPECT_FALSE(tables.articles.hasDeferredBlobs());
    EXPECT_EQ(tables.articles.rowCount(), 3);
}

} // namespace
} // namespace lumolex::testing
