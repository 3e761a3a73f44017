// The step list after the real start-up sequence: the first article the
// user sees is step 1 and nothing can be stepped back to.

#include "appfixture.h"

#include "app/window/articlelink.h"
#include "app/window/mainmenu.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/stepnavigator.h"
#include "data/table/table.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

TEST(StartUpSteps, TheFirstArticleShownIsStepOneAndBothStepCommandsAreDisabled)
{
    const struct {
        const char *bookmark;
        int firstId;   // the article the user sees first
    } cases[] = {
        {"0", 6},      // dictionary 1, first of its list: "абба"
        {"8", 8},      // the stored bookmark: "лес", dictionary 3
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bookmark);
        AppFixture app;
        app.writeSetting(QStringLiteral("BookMark"), QString::fromLatin1(c.bookmark));
        TFormLumoLex *w = app.start();
        ASSERT_TRUE(w->started());
        const StepList &steps = w->article->steps->steps();
        EXPECT_EQ(test::currentId(*w->ClientDataSet1), c.firstId);
        EXPECT_EQ(steps.currentStep(), 1);
        EXPECT_EQ(steps.slot(1), c.firstId);
        EXPECT_EQ(steps.slot(2), 0);
        EXPECT_FALSE(w->PanelTop->SpeedButtonBack->isEnabled());
        EXPECT_FALSE(w->menu->MainMenuBack->isEnabled());
        EXPECT_FALSE(w->PanelTop->SpeedButtonForward->isEnabled());
        EXPECT_FALSE(w->menu->MainMenuForward->isEnabled());

        // Ctrl+Z in the word box leads nowhere.
        w->activateWindow();
        QApplication::processEvents();
        QLineEdit *box = w->PanelWord->EditWord->lineEdit();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(test::currentId(*w->ClientDataSet1), c.firstId);

        // The next article is step 2, and stepping back returns to the first.
        w->PanelWord->ToolButtonNext->click();
        EXPECT_EQ(steps.currentStep(), 2);
        ASSERT_TRUE(w->PanelTop->SpeedButtonBack->isEnabled());
        w->PanelTop->SpeedButtonBack->click();
        EXPECT_EQ(test::currentId(*w->ClientDataSet1), c.firstId);
        EXPECT_FALSE(w->PanelTop->SpeedButtonBack->isEnabled());
    }
}

// Nothing is on screen before the first article: the start-up announces
// one record and one word list, those of the article shown, however that
// article is reached.
TEST(StartUpSteps, TheStartUpAnnouncesOnlyTheArticleShown)
{
    const struct {
        const char *bookmark;
        int firstId;
    } cases[] = {
        {"0", 6},      // dictionary 1, first of its list
        {"8", 8},      // the stored bookmark
        {"999", 1},    // a bookmark no article has: the first of the whole key order stays
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bookmark);
        AppFixture app;
        app.writeSetting(QStringLiteral("BookMark"), QString::fromLatin1(c.bookmark));
        TFormLumoLex *w = app.create();
        QList<int> announced;
        int rebuilds = 0;
        QObject::connect(w->ClientDataSet1, &Table::recordChanged, w,
                         [w, &announced] { announced.append(test::currentId(*w->ClientDataSet1)); });
        QObject::connect(w->ClientDataSet1, &Table::viewRebuilt, w, [&rebuilds] { ++rebuilds; });
        w->show();
        ASSERT_TRUE(w->started());
        EXPECT_EQ(announced, QList<int>{c.firstId});
        EXPECT_EQ(rebuilds, 1);
    }
}

// The window shows the program's icon at title-bar sizes from the start;
// it and every later window gain the large sizes of task switchers once it
// has been painted.
TEST(StartUpIcon, TheLargeSizesComeOnceTheWindowIsPainted)
{
    AppFixture app;
    TFormLumoLex *w = app.start();
    ASSERT_TRUE(w->started());
    const auto largest = [](const QIcon &icon) {
        int size = 0;
        for (const QSize &s : icon.availableSizes())
            size = qMax(size, s.width());
        return size;
    };
    EXPECT_EQ(largest(w->windowIcon()), 64);
    QTRY_COMPARE(largest(w->windowIcon()), 256);
    EXPECT_EQ(largest(QApplication::windowIcon()), 256);
}

// The program entry starts reading the data files before the window
// exists. The window takes those tables only when they are of its own data
// folder, and reads the files itself when they are not or when that reading
// failed.
TEST(StartUpTables, TablesReadBeforeTheWindowAreTakenOnlyFromItsOwnFolder)
{
    enum ReadFrom { OwnFolder, OtherFolder, NoFiles };
    const std::vector<test::ArticleRow> oneArticle = {{1, 1, QStringLiteral("ааа")}};
    const int sampleRows = int(test::sampleArticles().size());
    const struct {
        const char *name;
        ReadFrom readFrom;
    } cases[] = {
        // Its own files are replaced by a one-article set after that
        // reading: the window shows what was read.
        {"its own folder", OwnFolder},
        // That folder holds a one-article set.
        {"another folder", OtherFolder},
        {"a folder without data files", NoFiles},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture app;
        AppFixture other(oneArticle);
        QTemporaryDir empty;
        const QString ownData = app.folder() + QStringLiteral("/DATA/");
        const QString readFolder = c.readFrom == OwnFolder     ? ownData
                                   : c.readFrom == OtherFolder ? other.folder() + QStringLiteral("/DATA/")
                                                                 : empty.path() + QStringLiteral("/DATA/");
        std::unique_ptr<BackgroundLoad> early = startReadingStartupTables(readFolder);
        early->wait();
        if (c.readFrom == OwnFolder) {
            ASSERT_TRUE(QDir(ownData).removeRecursively());
            test::writeDataFiles(app.folder(), oneArticle);
        }
        TFormLumoLex *w = app.create(QString(), std::move(early));
        w->show();
        ASSERT_TRUE(w->started());
        EXPECT_EQ(w->ClientDataSet1->rowCount(), sampleRows);
        EXPECT_GT(w->ClientDataSet3->rowCount(), 0);
        EXPECT_TRUE(app.messages().empty());
    }
}

} // namespace
} // namespace lumolex
