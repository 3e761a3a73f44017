// The word-form table read after the window shows its first article: a
// search started before it is there waits for it (busy cursor, "Поиск...")
// and answers as always; rows that turn out unreadable are reported naming
// the file, the word search stays off, and the rest of the window works and
// writes its files.

#include "appfixture.h"

#include "app/search/findpanel.h"
#include "app/window/fragmentlink.h"
#include "app/lists/resultlistbox.h"
#include "app/shell/statuspanel.h"
#include "app/window/wordformloading.h"
#include "data/files/datafileschema.h"
#include "data/files/sqlitedb.h"
#include "data/table/table.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

QStringList resultWords(const ResultListBox *list)
{
    QStringList words;
    for (int i = 0; i < list->count(); ++i)
        words << list->item(i)->text();
    return words;
}

void searchFor(TFormLumoLex *w, const QString &query)
{
    w->PanelFind->CheckBoxFindInAllDict->setChecked(true);
    w->PanelFind->EditFind->setEditText(query);
    QTest::keyClick(w->PanelFind->EditFind->lineEdit(), Qt::Key_Return);
}

TEST(WordFormLoading, ASearchStartedBeforeTheFormsArriveWaitsForThem)
{
    const struct {
        const char *query;
        QStringList words;
    } cases[] = {
        {"дом", {"дом", "дом", "дом"}},
        {"ДОМ", {"дом", "дом", "дом"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.query);
        test::AppFixture app;
        TFormLumoLex *w = app.create();
        w->show();
        // The window is up with its article; the forms are handed over only
        // from the event loop, which has not run yet.
        ASSERT_TRUE(w->started());
        EXPECT_FALSE(test::currentWord(*w->ClientDataSet1).isEmpty());
        ASSERT_NE(WordFormLoading::of(w), nullptr);
        EXPECT_FALSE(WordFormLoading::of(w)->isReady());
        EXPECT_EQ(w->ClientDataSet2->rowCount(), 0);

        QString modeWhileWaiting;
        bool busyWhileWaiting = false;
        QObject::connect(WordFormLoading::of(w), &WordFormLoading::handedOver, w, [&] {
            modeWhileWaiting = w->PanelStatus->StaticTextMode->text();
            busyWhileWaiting = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        });
        searchFor(w, QString::fromUtf8(c.query));
        EXPECT_EQ(modeWhileWaiting, QStringLiteral("Поиск..."));
        EXPECT_TRUE(busyWhileWaiting);
        EXPECT_TRUE(WordFormLoading::of(w)->isReady());
        EXPECT_EQ(w->ClientDataSet2->rowCount(), 1);
        EXPECT_EQ(resultWords(w->PanelFind->ListBoxFind), c.words);
        EXPECT_EQ(w->PanelStatus->StaticTextMode->text(), QStringLiteral("Работа"));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(app.messages().empty());
        app.close();
    }
}

TEST(WordFormLoading, TheFormsArriveByThemselves)
{
    test::AppFixture app;
    TFormLumoLex *w = app.create();
    w->show();
    ASSERT_TRUE(w->started());
    for (int i = 0; i < 500 && !WordFormLoading::of(w)->isReady(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(WordFormLoading::of(w)->isReady());
    EXPECT_EQ(w->ClientDataSet2->rowCount(), 1);
    EXPECT_EQ(w->ClientDataSet2->activeIndex(), QStringLiteral("cds2i1"));
    app.close();
}

// The reading waits for the window's first paint, so that it does not take
// the processor from the start-up; a window that is hidden before it is
// painted has the forms all the same.
TEST(WordFormLoading, TheReadingBeginsOnceTheWindowIsPainted)
{
    const struct {
        const char *name;
        bool hideAtOnce;
    } cases[] = {
        {"painted", false},
        {"hidden before any paint", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        test::AppFixture app;
        TFormLumoLex *w = app.create();
        w->show();
        ASSERT_TRUE(w->started());
        WordFormLoading *forms = WordFormLoading::of(w);
        ASSERT_NE(forms, nullptr);
        EXPECT_FALSE(forms->isReading());
        EXPECT_FALSE(forms->isReady());
        if (c.hideAtOnce)
            w->hide();
        for (int i = 0; i < 500 && !forms->isReady(); ++i)
            QTest::qWait(10);
        EXPECT_TRUE(forms->isReady());
        EXPECT_EQ(w->ClientDataSet2->rowCount(), 1);
        app.close();
    }
}

// A word-form file whose layout is right but one of whose rows is not:
// found only while its rows are read, after the window has appeared.
void spoilWordForms(const QString &folder, const char *insertSql)
{
    const QString path = folder + QStringLiteral("/DATA/") + dataFileLayout(DataFile::WordForms).fileName;
    sqlite::Database db;
    ASSERT_TRUE(db.create(path));
    ASSERT_TRUE(db.exec(insertSql));
}

TEST(WordFormLoading, UnreadableRowsTurnTheWordSearchOffAndNothingElse)
{
    const struct {
        const char *name;
        const char *insertSql;
        const char *cause;
    } cases[] = {
        {"a blob for a text", "INSERT INTO wordforms VALUES ('кот', X'00')", "поле ARRID не текст"},
        {"an empty key", "INSERT INTO wordforms VALUES ('', '|4|')", "поле TRANSC пустое"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        test::AppFixture app;
        spoilWordForms(app.folder(), c.insertSql);
        TFormLumoLex *w = app.start();
        ASSERT_TRUE(w->started());
        EXPECT_FALSE(test::currentWord(*w->ClientDataSet1).isEmpty());
        for (int i = 0; i < 500 && !WordFormLoading::of(w)->hasFailed(); ++i)
            QTest::qWait(10);
        ASSERT_TRUE(WordFormLoading::of(w)->hasFailed());

        ASSERT_EQ(app.messages().size(), 1u);
        EXPECT_EQ(app.messages().front().icon, QMessageBox::Critical);
        const QString text = app.messages().front().text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Файл базы данных 2 не удаётся прочитать"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.cause))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("lumoword.db"))) << text.toStdString();

        // The word search is off for good; Enter in the box starts nothing.
        EXPECT_FALSE(w->PanelFind->ToolButtonGoFind1->isEnabled());
        w->EnabledComp(false);
        w->EnabledComp(true);
        EXPECT_FALSE(w->PanelFind->ToolButtonGoFind1->isEnabled());
        searchFor(w, QStringLiteral("дом"));
        EXPECT_EQ(app.messages().size(), 1u);
        EXPECT_EQ(w->PanelFind->ListBoxFind->count(), 0);
        EXPECT_EQ(w->ClientDataSet2->rowCount(), 0);

        // The rest works: the list moves, the fragment search finds.
        EXPECT_TRUE(w->PanelFind->ToolButtonGoFind2->isEnabled());
        w->ClientDataSet1->last();
        EXPECT_EQ(test::currentWord(*w->ClientDataSet1), QStringLiteral("ягель"));

        // And the files are written at the close.
        app.close();
        for (const char *history : {"DATA/LumoCard.hst", "DATA/LumoFind.hst"})
            EXPECT_TRUE(QFileInfo::exists(QDir(app.folder()).filePath(QString::fromLatin1(history)))) << history;
        EXPECT_FALSE(app.readSetting(QStringLiteral("FormMainWidth")).isEmpty());
    }
}

} // namespace
} // namespace lumolex
