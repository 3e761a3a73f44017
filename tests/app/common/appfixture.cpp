#include "appfixture.h"

#include "app/window/wordformloading.h"

#include "app/store/settingsstore.h"
#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "data/files/dataloader.h"
#include "data/files/datafileschema.h"
#include "data/files/sqlitedb.h"
#include "data/table/table.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace lumolex::test {

std::vector<ArticleRow> sampleArticles()
{
    // Keys in index order: абба, вода, дом(1), дом(2), дом(4), кот, кофе,
    // лес(3), мир(9), ёж(1), ӱнн, ... see the tests for what each checks.
    return {
        {1, 1, QStringLiteral("дом")},
        {2, 2, QStringLiteral("дом")},
        {3, 4, QStringLiteral("дом")},
        {4, 1, QStringLiteral("кот")},
        {5, 1, QStringLiteral("Кофе")},
        {6, 1, QStringLiteral("абба")},
        {7, 2, QStringLiteral("вода")},
        {8, 3, QStringLiteral("лес")},
        {9, 3, QStringLiteral("берёза")},
        {10, 9, QStringLiteral("Приветствие")},
        {11, 9, QStringLiteral("Знакомство")},
        {12, 0, QStringLiteral("общее")},
        {13, 1, QStringLiteral("ёлка")},
        {14, 1, QStringLiteral("ягель"), QStringLiteral("кот")},
        {15, 4, QStringLiteral("вуэнн")},
        {16, 1, QStringLiteral("очень-очень-длинное-слово-которое-не-помещается")},
    };
}

void writeDataFiles(const QString &folder, const std::vector<ArticleRow> &articles, QList<int> omit)
{
    QDir(folder).mkpath(QStringLiteral("DATA"));
    const auto create = [&](sqlite::Database &db, DataFile file) {
        const DataFileLayout &layout = dataFileLayout(file);
        ASSERT_TRUE(db.create(folder + QStringLiteral("/DATA/") + layout.fileName)) << qPrintable(db.errorMessage());
        ASSERT_TRUE(db.exec("PRAGMA synchronous=OFF"));
        ASSERT_TRUE(db.exec(layout.createSql.toUtf8().constData()));
    };

    if (!omit.contains(1)) {
        sqlite::Database db;
        create(db, DataFile::Articles);
        ASSERT_TRUE(db.exec(kCreditsCreateSql));
        ASSERT_TRUE(db.exec("BEGIN"));
        {
            sqlite::Statement insert(db, "INSERT INTO articles VALUES (?, ?, ?, ?, ?, ?)");
            for (const ArticleRow &a : articles) {
                insert.reset();
                insert.bindInt(1, a.id);
                insert.bindInt(2, a.dict);
                insert.bindText(3, a.word);
                insert.bindBlob(4, deflateBody("{\\rtf1\\ansi " + a.word.toUtf8() + "}"));
                insert.bindText(5, RetTransc(a.word));
                if (a.gotoWord.isNull())
                    insert.bindNull(6);
                else
                    insert.bindText(6, a.gotoWord);
                ASSERT_TRUE(insert.run()) << qPrintable(db.errorMessage());
            }
            sqlite::Statement credit(db, "INSERT INTO credits VALUES (?, ?, NULL)");
            for (const auto &[dict, person] : {std::pair{1, "Иванов И. И."}, std::pair{2, "Петров П. П."},
                                               std::pair{3, "Петров П. П."}, std::pair{4, "Сидоров С. С."},
                                               std::pair{9, "Смирнова А. А."}}) {
                credit.reset();
                credit.bindInt(1, dict);
                credit.bindText(2, QString::fromUtf8(person));
                ASSERT_TRUE(credit.run());
            }
        }
        ASSERT_TRUE(db.exec("COMMIT"));
    }
    if (!omit.contains(2)) {
        sqlite::Database db;
        create(db, DataFile::WordForms);
        ASSERT_TRUE(db.exec("INSERT INTO wordforms VALUES ('дом', '|1|2|3|')"));
    }
    if (!omit.contains(3)) {
        sqlite::Database db;
        create(db, DataFile::Examples);
        sqlite::Statement insert(db, "INSERT INTO examples VALUES (1, ?)");
        insert.bindBlob(1, deflateBody("{\\rtf1\\ansi example}"));
        ASSERT_TRUE(insert.run());
    }
}

AppFixture::AppFixture(const std::vector<ArticleRow> &articles, QList<int> omit)
{
    writeDataFiles(m_dir.path(), articles, omit);
}

void AppFixture::writeSetting(const QString &name, const QString &value)
{
    QSettings ini(settingsPath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Setup/") + name, value);
}

QString AppFixture::readSetting(const QString &name) const
{
    QSettings ini(settingsPath(), QSettings::IniFormat);
    return ini.value(QStringLiteral("Setup/") + name).toString();
}

TFormLumoLex *AppFixture::create(const QString &singleInstanceKey, std::unique_ptr<BackgroundLoad> startupTables)
{
    LaunchOptions options;
    options.startupTables = std::move(startupTables);
    options.programFolder = m_dir.path();
    options.store = std::make_unique<SettingsStore>(settingsPath());
    options.singleInstanceKey = singleInstanceKey;
    auto messages = std::make_unique<RecordedMessages>();
    m_shown = messages->shown;
    m_messages = messages.get();
    options.messages = std::move(messages);
    auto timer = std::make_unique<ManualStepTimer>();
    m_navTimer = timer.get();
    options.navTimer = std::move(timer);
    m_window = std::make_unique<TFormLumoLex>(std::move(options));
    return m_window.get();
}

TFormLumoLex *AppFixture::start(const QString &singleInstanceKey)
{
    create(singleInstanceKey);
    m_window->show();
    // The word forms, read after the window appears, are in place for the
    // tests as they were before it appeared.
    if (WordFormLoading *wordForms = WordFormLoading::of(m_window.get()); m_window->started() && wordForms)
        wordForms->waitUntilReady();
    return m_window.get();
}

void AppFixture::close()
{
    if (m_window)
        m_window->close();
}

void StartedWindow::SetUp()
{
    beforeStart();
    if (HasFatalFailure())
        return;
    window = fixture.start();
    ASSERT_TRUE(window->started());
    started();
}

void typeKeys(QWidget *target, const QString &text)
{
    for (const QChar ch : text) {
        const auto key = Qt::Key(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, target, key, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, QString(ch), Qt::NoModifier);
    }
    QApplication::processEvents();
}

QStringList resultRows(const ResultListBox &list)
{
    QStringList rows;
    for (int row = 0; row < list.count(); ++row)
        rows << QStringLiteral("%1\t%2\t%3").arg(list.idAt(row)).arg(list.dictAt(row)).arg(list.item(row)->text());
    return rows;
}

void expectCommandLineLists(const QString &folder, const QString &command, const QString &query,
                            const QStringList &scope, const QStringList &rows)
{
    QProcess cli;
    cli.start(QDir(QStringLiteral(LUMOLEX_BIN_DIR)).filePath(QStringLiteral("lumolex-cli")),
              QStringList{command, query} + scope + QStringList{QStringLiteral("--data"), folder + QStringLiteral("/DATA")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), rows);
    EXPECT_EQ(cli.exitCode(), rows.isEmpty() ? 1 : 0);
}

std::unique_ptr<Table> articleTable(const std::vector<ArticleRow> &articles)
{
    auto table = std::make_unique<Table>(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles));
    for (const ArticleRow &a : articles)
        table->appendRow({a.id, a.dict, a.word, QVariant(), RetTransc(a.word), a.gotoWord.isNull() ? QVariant() : a.gotoWord});
    Table wordForms(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
    DataFileLoader::buildIndexes(*table, wordForms);
    return table;
}

QStringList viewWords(const Table &table)
{
    QStringList words;
    for (int p = 0; p < table.recordCount(); ++p)
        words << table.valueAt(p, u"WORD").toString();
    return words;
}

QString currentWord(const Table &table)
{
    return table.value(u"WORD").toString();
}

int currentId(const Table &table)
{
    return table.value(u"ID").toInt();
}

} // namespace lumolex::test
