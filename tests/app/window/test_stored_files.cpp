// The main window over stored files it did not write itself: histories
// larger than a list and files it cannot read. (Settings edited by hand are
// in the start-up and shutdown tests.)

#include "appfixture.h"

#include "app/search/findpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/historykeeper.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(StoredFiles, HistoryLongerThanAListIsCutToItsFirstEntriesWithAMessage)
{
    AppFixture app;
    const QString card = app.folder() + QStringLiteral("/DATA/LumoCard.hst");
    QByteArray bytes, kept;
    for (int i = 0; i < 150; ++i) {
        const QByteArray line = "word" + QByteArray::number(i) + "\r\n";
        bytes += line;
        if (i < 101)
            kept += line;
    }
    writeFile(card, bytes);
    TFormLumoLex *w = app.start();
    ASSERT_EQ(app.messages().size(), 1u);
    EXPECT_EQ(app.messages()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(app.messages()[0].text.contains(QStringLiteral("LumoCard.hst"))) << qPrintable(app.messages()[0].text);
    EXPECT_EQ(w->PanelWord->EditWord->count(), 101);
    app.close();
    EXPECT_EQ(readFile(card), kept);
}

TEST(StoredFiles, PlantedLinkAsHistoryFileLeavesItsTargetAlone)
{
    AppFixture app;
    const QString target = app.folder() + QStringLiteral("/elsewhere.txt");
    writeFile(target, "kept\r\n");
    ASSERT_TRUE(QFile::link(target, app.folder() + QStringLiteral("/DATA/LumoCard.hst")));
    TFormLumoLex *w = app.start();
    EXPECT_EQ(w->PanelWord->EditWord->count(), 0);
    ASSERT_EQ(app.messages().size(), 1u);
    w->PanelWord->EditWord->addItem(QStringLiteral("дом"));
    app.close();
    EXPECT_EQ(readFile(target), QByteArray("kept\r\n"));
    ASSERT_EQ(app.messages().size(), 2u);   // said at start and at close
    EXPECT_EQ(app.messages()[1].icon, QMessageBox::Warning);
}

} // namespace lumolex

namespace lumolex {
namespace {

// What writes killed midway left beside the history and settings files is
// gone after the next start; a write of a minute ago may still be going on.
TEST(StoredFiles, TemporaryFilesLeftByKilledWritesAreRemovedAtStartUp)
{
    AppFixture app;
    const QString data = app.folder() + QStringLiteral("/DATA/");
    const auto leave = [](const QString &path, qint64 ageSeconds) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("half");
        ASSERT_TRUE(file.flush()); // before the time is set: a later write would change it
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
    };
    const struct {
        QString path;
        qint64 ageSeconds;
        bool removed;
    } cases[] = {
        {data + QStringLiteral(".LumoCard.hst.k3Jd8a"), 300, true},
        {data + QStringLiteral(".LumoFind.hst.Pq0x2Z"), 300, true},
        {app.settingsPath() + QStringLiteral(".aB3dE5"), 300, true},
        {data + QStringLiteral(".LumoFind.hst.Wr1t3s"), 5, false},
        {data + QStringLiteral("notes.txt.aB3dE5"), 300, false},
    };
    for (const auto &c : cases)
        leave(c.path, c.ageSeconds);
    app.start();
    for (const auto &c : cases)
        EXPECT_EQ(QFile::exists(c.path), !c.removed) << qPrintable(c.path);
}

} // namespace
} // namespace lumolex
