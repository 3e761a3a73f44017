// A start-up that fails (a data file missing or damaged) reports why and
// ends the program with exit code 1, writing nothing, even when the window is
// asked to close while the failure is being reported. A close asked for
// while a start-up that succeeds is still running waits for it to finish.

#include "appfixture.h"

#include "app/search/findpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/historykeeper.h"
#include "data/table/table.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// What a user has after some runs: stored settings and both history files.
struct UserFiles {
    explicit UserFiles(AppFixture &app)
        : paths{app.settingsPath(), app.folder() + "/DATA/LumoCard.hst", app.folder() + "/DATA/LumoFind.hst"}
    {
        app.writeSetting(QStringLiteral("FormMainWidth"), QStringLiteral("640"));
        app.writeSetting(QStringLiteral("BookMark"), QStringLiteral("8"));
        writeBytes(paths[1], "\xe4\xee\xec\r\n\xea\xee\xf2\r\n"); // "дом", "кот" in Windows-1251
        writeBytes(paths[2], "\xEF\xBB\xBF" + QStringLiteral("лес\r\n").toUtf8());
        for (const QString &path : paths)
            before << bytesOf(path);
    }
    void expectUnchanged() const
    {
        for (int i = 0; i < paths.size(); ++i)
            EXPECT_TRUE(bytesOf(paths[i]) == before[i]) << qPrintable(paths[i]) << " now holds "
                                                        << bytesOf(paths[i]).size() << " bytes";
    }
    QStringList paths;
    QList<QByteArray> before;
};

TEST(FailedStart, EachProblemIsReportedAndNothingIsWrittenEvenWhenClosedFromTheMessage)
{
    const QString missing = QStringLiteral("Файл базы данных %1 не найден");
    const struct {
        const char *name;
        QList<int> omit;              // data files not written
        bool damagedExamples;         // lumophra.db holds text, not a database
        QStringList texts;            // the messages; empty: one naming lumophra.db
        QMessageBox::Icon icon;
    } cases[] = {
        {"all missing", {1, 2, 3}, false, {missing.arg(1), missing.arg(2), missing.arg(3)}, QMessageBox::NoIcon},
        {"word forms missing", {2}, false, {missing.arg(2)}, QMessageBox::NoIcon},
        {"examples damaged", {}, true, {}, QMessageBox::Critical},
    };
    for (const auto &c : cases) {
        for (const bool closeFromMessage : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (closeFromMessage ? ", closed from the message" : ""));
            AppFixture app(test::sampleArticles(), c.omit);
            if (c.damagedExamples)
                writeBytes(app.folder() + "/DATA/lumophra.db",
                           "this is not a database at all, just text that is long enough to have a header......");
            const UserFiles files(app);
            TFormLumoLex *w = app.create();
            // A termination request at logout, or the window's close box.
            if (closeFromMessage)
                app.whileMessageShown([w] { w->close(); });
            w->show();

            EXPECT_TRUE(w->endRequested());
            EXPECT_EQ(w->exitCode(), 1);
            EXPECT_FALSE(w->started());
            const size_t expectedCount = c.texts.isEmpty() ? 1 : size_t(c.texts.size());
            ASSERT_EQ(app.messages().size(), expectedCount);
            for (size_t i = 0; i < expectedCount; ++i) {
                const auto &shown = app.messages()[i];
                EXPECT_EQ(shown.title, QStringLiteral("Лумолекс"));
                EXPECT_EQ(shown.icon, c.icon);
                if (c.texts.isEmpty())
                    EXPECT_TRUE(shown.text.contains(QStringLiteral("lumophra.db"))) << qPrintable(shown.text);
                else
                    EXPECT_EQ(shown.text, c.texts[int(i)]);
            }
            app.close();
            QCoreApplication::processEvents();
            files.expectUnchanged();
        }
    }
}

TEST(FailedStart, CloseDuringASuccessfulStartRunsTheShutdownOnceEverythingIsLoaded)
{
    AppFixture app;
    const UserFiles files(app);
    TFormLumoLex *w = app.create();
    // The first record change comes with the first article, while the
    // start-up still runs.
    bool asked = false;
    QObject::connect(w->ClientDataSet1, &Table::recordChanged, w, [w, &asked] {
        if (!asked) {
            asked = true;
            w->close();
        }
    });
    w->show();
    ASSERT_TRUE(asked);
    EXPECT_TRUE(w->started());
    EXPECT_EQ(HistoryKeeper::entries(w->PanelWord->EditWord), (QStringList{QStringLiteral("дом"), QStringLiteral("кот")}));
    QElapsedTimer waited;
    waited.start();
    while (w->isVisible() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->endRequested());

    // The shutdown wrote the window as it was started, and both lists back.
    EXPECT_EQ(app.readSetting(QStringLiteral("FormMainWidth")), QStringLiteral("640"));
    EXPECT_EQ(app.readSetting(QStringLiteral("SaveParam")), QStringLiteral("1"));
    EXPECT_TRUE(bytesOf(files.paths[1]) == files.before[1]);
    EXPECT_TRUE(bytesOf(files.paths[2]) == files.before[2]);
}

} // namespace
} // namespace lumolex
