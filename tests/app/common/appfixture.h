#pragma once

// A small program folder for window tests: DATA/ with the three data files
// made here through SQLite, a settings file of its own, and helpers to build
// the real main window over them without modal message boxes.

#include "app/shell/appmessages.h"
#include "app/window/formlumolex.h"
#include "app/lists/resultlistbox.h"
#include "data/wordlist/wordlistnavigator.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace lumolex::test {

struct ArticleRow {
    int id;
    int dict;
    QString word;
    QString gotoWord = QString(); // null: no cross-reference
};

// The articles most window tests use: dictionaries 1, 2, 3, 4, 9 and 0.
std::vector<ArticleRow> sampleArticles();

// Writes DATA/lumolex.db, lumoword.db and lumophra.db under `folder`.
// `omit` names files (1, 2, 3) not to write.
void writeDataFiles(const QString &folder, const std::vector<ArticleRow> &articles, QList<int> omit = {});

// Message boxes that only record what they would show.
class RecordedMessages : public AppMessageBoxes
{
public:
    struct Shown {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };
    void show(QMessageBox::Icon icon, const QString &title, const QString &text) override
    {
        shown->push_back({icon, title, text});
        if (whileShown)
            whileShown();
    }
    bool askYesNo(const QString &title, const QString &text) override
    {
        shown->push_back({QMessageBox::Question, title, text});
        return answerYes;
    }
    std::shared_ptr<std::vector<Shown>> shown = std::make_shared<std::vector<Shown>>();
    bool answerYes = true;
    std::function<void()> whileShown; // runs as if from inside the open box
};

// A TimerNav that ticks only when the test says so.
class ManualStepTimer : public StepTimer
{
public:
    void start(int intervalMs) override
    {
        m_active = true;
        m_interval = intervalMs;
        starts.push_back(intervalMs);
    }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    int interval() const override { return m_interval; }
    void tick()
    {
        if (m_active && onTimeout)
            onTimeout();
    }
    std::vector<int> starts; // every (re)start with its interval

private:
    bool m_active = false;
    int m_interval = 500;
};

// A program folder with data and a settings file, and the window over it.
class AppFixture
{
public:
    explicit AppFixture(const std::vector<ArticleRow> &articles = sampleArticles(), QList<int> omit = {});

    QString folder() const { return m_dir.path(); }
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    void writeSetting(const QString &name, const QString &value);
    QString readSetting(const QString &name) const;

    // Creates the window (FormCreate runs) without showing it.
    // `startupTables`: the data files being read already, as the program
    // entry gives them; null: the window starts reading them itself.
    TFormLumoLex *create(const QString &singleInstanceKey = QString(),
                         std::unique_ptr<BackgroundLoad> startupTables = nullptr);
    // Creates and shows it: the start-up sequence runs.
    TFormLumoLex *start(const QString &singleInstanceKey = QString());
    // Closes it: the shutdown sequence runs.
    void close();

    TFormLumoLex *window() const { return m_window.get(); }
    const std::vector<RecordedMessages::Shown> &messages() const { return *m_shown; }
    // Makes every later box run `action` while it is open; call after create().
    void whileMessageShown(std::function<void()> action) { m_messages->whileShown = std::move(action); }
    ManualStepTimer *navTimer() const { return m_navTimer; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFormLumoLex> m_window;
    std::shared_ptr<std::vector<RecordedMessages::Shown>> m_shown;
    RecordedMessages *m_messages = nullptr;
    ManualStepTimer *m_navTimer = nullptr;
};

// A test over the window started on `articles`. SetUp starts it, stops the
// test when the start-up failed, and then runs started() for the test's own
// set-up; beforeStart() may change the program folder first.
class StartedWindow : public ::testing::Test
{
protected:
    explicit StartedWindow(const std::vector<ArticleRow> &articles = sampleArticles())
        : fixture(articles)
    {
    }
    void SetUp() override;
    virtual void beforeStart() {}
    virtual void started() {}

    AppFixture fixture;
    TFormLumoLex *window = nullptr;
};

// Types text key by key, a press and a release for each character
// (QTest::keyClicks knows Latin letters only).
void typeKeys(QWidget *target, const QString &text);

// The rows of a result list as lumolex-cli prints them: ID, DICT and the
// headword, separated by tabs.
QStringList resultRows(const ResultListBox &list);
// Runs `lumolex-cli command query scope --data folder/DATA` and expects it
// to print exactly `rows`, ending with 0, or with 1 when `rows` is empty.
void expectCommandLineLists(const QString &folder, const QString &command, const QString &query,
                            const QStringList &scope, const QStringList &rows);

// The article table of `articles` as the program loads it (both indexes,
// the key index active), without a filter and without bodies.
std::unique_ptr<Table> articleTable(const std::vector<ArticleRow> &articles);

// The WORD values of the article table's whole view.
QStringList viewWords(const Table &table);
QString currentWord(const Table &table);
int currentId(const Table &table);

} // namespace lumolex::test
