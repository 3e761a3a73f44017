// Shutdown of the real main window: the history lists read at start-up and
// written back with every setting (within its range), a stored bookmark with SaveParam off, and
// a second copy that ends before it starts and writes nothing.

#include "appfixture.h"

#include "app/search/findpanel.h"
#include "app/window/articlelink.h"
#include "app/window/mainmenu.h"
#include "app/store/settingsstore.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/historykeeper.h"
#include "data/table/table.h"
#include "platform/closerequest.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>

namespace lumolex {
namespace {

using test::AppFixture;

TEST(Shutdown, HistoryFilesFillTheDropDownListsAndEverySettingWithinItsRangeAndBothListsAreWritten)
{
    AppFixture app;
    QFile card(app.folder() + "/DATA/LumoCard.hst");
    ASSERT_TRUE(card.open(QIODevice::WriteOnly));
    card.write("\xe4\xee\xec\r\n\xea\xee\xf2\r\n"); // "дом", "кот" in Windows-1251
    card.close();
    // Numbers edited by hand outside their range are written back within it.
    const struct { const char *name, *stored, *written; } outside[] = {
        {"Transparency", "500", "90"}, {"FontSizeList", "0", "8"}, {"FontSizeText", "-5", "8"},
        {"PanelFindWidth", "-2147483648", "50"}, {"CardWidth", "100000", "900"},
    };
    for (const auto &v : outside)
        app.writeSetting(QString::fromLatin1(v.name), QString::fromLatin1(v.stored));
    TFormLumoLex *w = app.start();
    EXPECT_EQ(HistoryKeeper::entries(w->PanelWord->EditWord), (QStringList{QStringLiteral("дом"), QStringLiteral("кот")}));
    EXPECT_EQ(w->PanelFind->EditFind->count(), 0);
    w->PanelWord->EditWord->addItem(QStringLiteral("ӧлле"));
    w->PanelFind->EditFind->addItem(QStringLiteral("дом"));
    w->move(40, 30);
    app.close();

    for (const auto &[name, value] : SettingsStore::shutdownValues(Settings()))
        EXPECT_FALSE(app.readSetting(name).isEmpty()) << qPrintable(name);
    EXPECT_EQ(app.readSetting("FormMainWidth"), QStringLiteral("700"));
    EXPECT_EQ(app.readSetting("FormMainLeft"), QStringLiteral("40"));
    EXPECT_EQ(app.readSetting("FormMainTop"), QStringLiteral("30"));
    EXPECT_EQ(app.readSetting("PanelWordWidth"), QStringLiteral("200"));
    EXPECT_EQ(app.readSetting("ColorEvenLines"), QStringLiteral("16119285"));
    EXPECT_EQ(app.readSetting("SaveParam"), QStringLiteral("1"));
    for (const auto &v : outside)
        EXPECT_EQ(app.readSetting(QString::fromLatin1(v.name)), QString::fromLatin1(v.written)) << v.name;

    // The card list now needs UTF-8; the find list is written too.
    ASSERT_TRUE(card.open(QIODevice::ReadOnly));
    EXPECT_EQ(card.readAll(), "\xEF\xBB\xBF" + QStringLiteral("дом\r\nкот\r\nӧлле\r\n").toUtf8());
    EXPECT_TRUE(QFile::exists(app.folder() + "/DATA/LumoFind.hst"));
}

TEST(StartUp, StoredBookmarkOpensItsArticleAndWithoutSaveParamOnlyBookmarkAndSaveParamAreWritten)
{
    AppFixture app;
    app.writeSetting("BookMark", "8"); // "лес", Russian-Saami
    app.writeSetting("SaveParam", "0");
    app.writeSetting("FormMainLeft", "10");
    TFormLumoLex *w = app.start();
    EXPECT_EQ(test::currentId(*w->ClientDataSet1), 8);
    EXPECT_TRUE(w->PanelTop->SpeedButtonDict3->isChecked());
    EXPECT_FALSE(w->PanelTop->SpeedButtonDict1->isChecked());
    EXPECT_TRUE(w->menu->MainMenuDict1->isChecked()); // the menu keeps its marks
    EXPECT_FALSE(w->PanelTop->SpeedButtonBookmark->isChecked());
    w->move(123, 45);
    app.close();
    EXPECT_EQ(app.readSetting("FormMainLeft"), QStringLiteral("10"));
    EXPECT_TRUE(app.readSetting("FormMainWidth").isEmpty());
    // The bookmark was not pressed during the run: the next start opens nothing special.
    EXPECT_EQ(app.readSetting("BookMark"), QStringLiteral("0"));
    EXPECT_EQ(app.readSetting("SaveParam"), QStringLiteral("0"));
    EXPECT_TRUE(QFile::exists(app.folder() + "/DATA/LumoCard.hst"));
    EXPECT_TRUE(QFile::exists(app.folder() + "/DATA/LumoFind.hst"));
}

TEST(SingleInstance, SecondCopyEndsWithoutWriting)
{
    const QString key = QStringLiteral("lumolex-test-%1").arg(QCoreApplication::applicationPid());
    AppFixture first;
    first.writeSetting("noDoubleProgramm", "1");
    first.start(key);
    ASSERT_FALSE(first.window()->endRequested());
    first.window()->showMinimized();
    ASSERT_TRUE(first.window()->isMinimized());

    AppFixture second;
    second.writeSetting("noDoubleProgramm", "1");
    TFormLumoLex *copy = second.create(key);
    EXPECT_TRUE(copy->endRequested());
    ASSERT_EQ(second.messages().size(), 1u);
    EXPECT_EQ(second.messages()[0].text, QStringLiteral("Программа уже запущена !"));
    EXPECT_EQ(second.messages()[0].title, QStringLiteral("Лумолекс"));
    EXPECT_EQ(second.messages()[0].icon, QMessageBox::Warning);
    // The first copy comes back from the taskbar.
    QElapsedTimer waited;
    waited.start();
    while (first.window()->isMinimized() && waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(first.window()->isMinimized());
    // Its window is never shown, so the shutdown sequence never runs.
    copy->show();
    second.close();
    EXPECT_FALSE(copy->started());
    QSettings ini(second.settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.allKeys(), QStringList{QStringLiteral("Setup/noDoubleProgramm")});
    EXPECT_FALSE(QFile::exists(second.folder() + "/DATA/LumoCard.hst"));
}

TEST(SingleInstance, WithoutTheRuleCopiesRunSideBySide)
{
    const QString key = QStringLiteral("lumolex-test-free-%1").arg(QCoreApplication::applicationPid());
    AppFixture first;
    first.start(key);
    AppFixture second;
    EXPECT_FALSE(second.start(key)->endRequested());
    EXPECT_TRUE(second.messages().empty());
}

TEST(Shutdown, TerminationSignalWhileTheWindowIsHiddenInTheTrayEndsTheProgramWithEverythingSaved)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    w->PanelFind->EditFind->addItem(QStringLiteral("олень"));
    closeOnTerminationRequest(w);
    w->hide(); // as tray mode leaves it

    // The program's message loop must end by itself; the guard ends it
    // with another code when it does not.
    QTimer::singleShot(0, w, [] { std::raise(SIGTERM); });
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 0);

    QFile find(app.folder() + "/DATA/LumoFind.hst");
    ASSERT_TRUE(find.open(QIODevice::ReadOnly));
    EXPECT_TRUE(find.readAll().contains("\xee\xeb\xe5\xed\xfc")); // "олень" in Windows-1251
}

// Two copies sharing one program folder: each saves its own entries on top
// of what the other saved meanwhile, unless its user emptied the lists.
TEST(Shutdown, HistorySavedByAnotherCopyMeanwhileIsKeptBelowThisRunsEntries)
{
    struct Case {
        const char *name;
        QStringList thisRun;   // the find list at close; empty with `cleared` means cleared
        bool cleared;
        QByteArray otherCopySaved;
        QByteArray written;
    };
    const Case cases[] = {
        {"new entry on top of the other's", {"лес", "дом", "кот"}, false, "сад\r\nдом\r\nкот\r\n",
         "лес\r\nсад\r\nдом\r\nкот\r\n"},
        {"old entry used again", {"кот", "дом"}, false, "сад\r\nдом\r\nкот\r\n", "кот\r\nсад\r\nдом\r\n"},
        {"nothing new", {"дом", "кот"}, false, "сад\r\nдом\r\n", "сад\r\nдом\r\n"},
        {"nobody else saved", {"лес", "дом", "кот"}, false, "дом\r\nкот\r\n", "лес\r\nдом\r\nкот\r\n"},
        {"cleared, then one entry", {"лес"}, true, "сад\r\nдом\r\nкот\r\n", "лес\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture app;
        const QString path = app.folder() + "/DATA/LumoFind.hst";
        const auto writeFile = [&path](const QByteArray &text) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("\xEF\xBB\xBF" + text); // UTF-8 with its mark
        };
        writeFile("дом\r\nкот\r\n");
        TFormLumoLex *w = app.start();
        if (c.cleared)
            w->article->histories->MainMenuClearHistClick();
        HistoryKeeper::setEntries(w->PanelFind->EditFind, c.thisRun);
        writeFile(c.otherCopySaved);
        app.close();

        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(written.readAll()), QString::fromUtf8("\xEF\xBB\xBF" + c.written));
    }
}

} // namespace
} // namespace lumolex
