// The search panel in the real window: showing and hiding it with the
// question about the results, the fast word search with its messages, the
// position mark and the find history, the result list's selection, and the
// command line's find agreeing with the result list.

#include "appfixture.h"

#include "app/window/dictionarycontrols.h"
#include "app/search/findpanel.h"
#include "app/window/mainmenu.h"
#include "app/lists/resultlistbox.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "article/transcription.h"
#include "article/view/historykeeper.h"
#include "data/files/datafileschema.h"
#include "data/files/sqlitedb.h"
#include "data/table/table.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// Replaces the fixture's word-form file with these forms.
void writeWordForms(const QString &folder, const std::vector<std::pair<QString, QString>> &forms)
{
    const DataFileLayout &layout = dataFileLayout(DataFile::WordForms);
    const QString path = folder + QStringLiteral("/DATA/") + layout.fileName;
    QFile::remove(path);
    sqlite::Database db;
    ASSERT_TRUE(db.create(path));
    ASSERT_TRUE(db.exec(layout.createSql.toUtf8().constData()));
    sqlite::Statement insert(db, "INSERT INTO wordforms VALUES (?, ?)");
    for (const auto &[word, arrid] : forms) {
        insert.reset();
        insert.bindText(1, RetTransc(word));
        insert.bindText(2, arrid);
        ASSERT_TRUE(insert.run());
    }
}

class SearchPanel : public StartedWindow
{
protected:
    void beforeStart() override
    {
        writeWordForms(fixture.folder(), {{QStringLiteral("дом"), QStringLiteral("|1|2|3|")},
                                          {QStringLiteral("дома"), QStringLiteral("|3|")},
                                          {QStringLiteral("лес"), QStringLiteral("|8|9|")},
                                          {QStringLiteral("кот"), QStringLiteral("|4|14|")},
                                          {QStringLiteral("общее"), QStringLiteral("| 12 ||x|")},
                                          {QStringLiteral("ёлка"), QStringLiteral("|13|")}});
    }
    void started() override
    {
        panel = window->PanelFind;
        list = panel->ListBoxFind;
    }

    // Types the query into EditFind and presses Enter there.
    void search(const QString &query, bool allDictionaries)
    {
        panel->CheckBoxFindInAllDict->setChecked(allDictionaries);
        panel->EditFind->setEditText(query);
        QTest::keyClick(panel->EditFind->lineEdit(), Qt::Key_Return);
    }

    std::vector<int> listedIds() const
    {
        std::vector<int> ids;
        for (int row = 0; row < list->count(); ++row)
            ids.push_back(list->idAt(row));
        return ids;
    }

    QString counter() const { return window->PanelStatus->StaticTextPosFind->text(); }
    int currentId() const { return test::currentId(*window->ClientDataSet1); }

    FindPanel *panel = nullptr;
    ResultListBox *list = nullptr;
};

TEST_F(SearchPanel, FastSearchListsResultsOrShowsItsMessages)
{
    struct Case {
        QString query;
        bool all;
        std::vector<int> ids;
        QString counter;
        int currentId;                  // after the search
        QString message;                // empty: none
        QMessageBox::Icon icon;
        QString caption;
        bool inHistory;
    };
    enum Focus { WordBox, Results, SearchField };
    const int before = currentId();   // the first article of dictionary 1
    ASSERT_EQ(before, 6);
    window->PanelTop->SpeedButtonFind->click();
    window->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(window->isActiveWindow());
    // The word list the user left, in its order, is what shows under a message.
    const QStringList wordList = viewWords(*window->ClientDataSet1);
    QStringList underMessage;
    fixture.whileMessageShown([&] { underMessage = viewWords(*window->ClientDataSet1); });
    const Case cases[] = {
        {QStringLiteral("  дом "), false, {1}, QStringLiteral("1 / 1"), 1, {}, QMessageBox::NoIcon, {}, true},
        {QStringLiteral("ДОМ"), true, {1, 2, 3}, QStringLiteral("1 / 3"), 1, {}, QMessageBox::NoIcon, {}, true},
        {QStringLiteral("об"), false, {12}, QStringLiteral("1 / 1"), 12, {}, QMessageBox::NoIcon, {}, true},
        {QStringLiteral("лес"), false, {}, QStringLiteral("0 / 0"), before, QStringLiteral("Не найдено!"),
         QMessageBox::Warning, QStringLiteral("Поиск в словарях"), true},
        {QStringLiteral("кот дом"), true, {}, QStringLiteral("0 / 0"), before, QStringLiteral("Не найдено!"),
         QMessageBox::Warning, QStringLiteral("Поиск в словарях"), true},
        {QStringLiteral(" д "), true, {}, QStringLiteral("0 / 0"), before, QStringLiteral("Поиск не меньше 2-х символов!"),
         QMessageBox::Critical, QStringLiteral("Лумолекс"), false},
        {QStringLiteral("   "), true, {}, QStringLiteral("0 / 0"), before, {}, QMessageBox::NoIcon, {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query.toStdString());
        window->FindWord(before);
        list->clear();
        window->PanelStatus->StaticTextPosFind->setText(QStringLiteral("0 / 0"));
        const size_t shown = fixture.messages().size();
        underMessage.clear();
        // The search starts from a click on its button, the focus elsewhere.
        window->PanelWord->EditWord->setFocus();
        panel->CheckBoxFindInAllDict->setChecked(c.all);
        panel->EditFind->setEditText(c.query);
        panel->ToolButtonGoFind1->click();
        const Focus focus = !c.ids.empty() ? Results : c.message.isEmpty() ? WordBox : SearchField;
        switch (focus) {
        case Results:
            EXPECT_TRUE(list->hasFocus());
            break;
        case SearchField:
            EXPECT_TRUE(panel->EditFind->hasFocus());
            break;
        case WordBox:
            EXPECT_TRUE(window->PanelWord->EditWord->hasFocus());
            break;
        }
        if (c.message == QStringLiteral("Не найдено!")) {
            EXPECT_EQ(underMessage, wordList);
        }

        window->FindWord(before);
        list->clear();
        window->PanelStatus->StaticTextPosFind->setText(QStringLiteral("0 / 0"));
        search(c.query, c.all);   // now by Enter: the same outcome

        EXPECT_EQ(listedIds(), c.ids);
        EXPECT_EQ(counter(), c.counter);
        EXPECT_EQ(currentId(), c.currentId);
        EXPECT_EQ(window->sharedSearchText, c.query.trimmed());
        EXPECT_EQ(window->PanelStatus->StaticTextMode->text(), QStringLiteral("Работа"));
        // The table is back in its normal state whatever the outcome.
        EXPECT_TRUE(window->ClientDataSet1->isFiltered());
        EXPECT_EQ(window->ClientDataSet1->activeIndex(), QStringLiteral("cds1i1"));
        EXPECT_FALSE(window->ClientDataSet1->notificationsSuspended());
        EXPECT_FALSE(window->ClientDataSet2->hasRange());
        EXPECT_EQ(window->PanelWord->EditWord->currentText(), window->ClientDataSet1->value(u"WORD").toString());
        if (c.message.isEmpty()) {
            EXPECT_EQ(fixture.messages().size(), shown);
        } else {
            ASSERT_EQ(fixture.messages().size(), shown + 2);
            EXPECT_EQ(fixture.messages().back().text, c.message);
            EXPECT_EQ(fixture.messages().back().icon, c.icon);
            EXPECT_EQ(fixture.messages().back().title, c.caption);
        }
        EXPECT_EQ(HistoryKeeper::entries(panel->EditFind).contains(c.query.trimmed()), c.inHistory);
    }
}

TEST_F(SearchPanel, SelectingResultsMovesTheArticleAndTheDictionaryButtons)
{
    search(QStringLiteral("дом"), true);
    ASSERT_EQ(listedIds(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(list->hasFocus() || !window->isActiveWindow());
    const struct {
        int row;
        int id;
        QToolButton *button;
        QString counter;
    } steps[] = {
        {1, 2, window->PanelTop->SpeedButtonDict2, QStringLiteral("2 / 3")},
        {2, 3, window->PanelTop->SpeedButtonDict4, QStringLiteral("3 / 3")},
        {0, 1, window->PanelTop->SpeedButtonDict1, QStringLiteral("1 / 3")},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.row);
        list->setCurrentRow(s.row);
        EXPECT_EQ(currentId(), s.id);
        EXPECT_TRUE(s.button->isChecked());
        EXPECT_EQ(counter(), s.counter);
    }
    // The arrow keys walk the results one after another.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(currentId(), 2);
    EXPECT_EQ(counter(), QStringLiteral("2 / 3"));
}

TEST_F(SearchPanel, TheResultListShowsWhenItHasTheFocus)
{
    window->PanelTop->SpeedButtonFind->click();
    window->activateWindow();
    QApplication::processEvents();
    search(QStringLiteral("дом"), true);
    ASSERT_TRUE(list->hasFocus());
    const QImage focused = list->grab().toImage();
    panel->EditFind->setFocus();
    ASSERT_FALSE(list->hasFocus());
    EXPECT_NE(list->grab().toImage(), focused);
}

TEST_F(SearchPanel, ClosingThePanelAsksBeforeClearingTheResults)
{
    auto *answers = dynamic_cast<RecordedMessages *>(window->messages());
    ASSERT_NE(answers, nullptr);
    QToolButton *speedButton = window->PanelTop->SpeedButtonFind;
    QLabel *posFind = window->PanelStatus->StaticTextPosFind;
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(posFind->isVisible());

    // Closing an empty panel asks nothing.
    speedButton->click();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(posFind->isVisible());
    panel->ToolButtonCloseFind->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(speedButton->isChecked());
    EXPECT_TRUE(fixture.messages().empty());

    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        window->menu->N28->trigger();
        EXPECT_TRUE(panel->isVisible());
        EXPECT_TRUE(speedButton->isChecked());
        search(QStringLiteral("дом"), true);
        ASSERT_EQ(list->count(), 3);
        const size_t shown = fixture.messages().size();
        answers->answerYes = yes;
        window->menu->N28->trigger();
        EXPECT_FALSE(panel->isVisible());
        EXPECT_FALSE(posFind->isVisible());
        ASSERT_EQ(fixture.messages().size(), shown + 1);
        EXPECT_EQ(fixture.messages().back().text, QStringLiteral("Очистить результаты поиска?"));
        EXPECT_EQ(fixture.messages().back().title, QStringLiteral("Поиск по словарям"));
        EXPECT_EQ(list->count(), yes ? 0 : 3);
        EXPECT_EQ(posFind->text(), yes ? QStringLiteral("0 / 0") : QStringLiteral("1 / 3"));
    }
}

TEST_F(SearchPanel, PanelWidthIsKeptWhileHidden)
{
    window->PanelTop->SpeedButtonFind->click();
    QList<int> widths = window->SplitterMain->sizes();
    widths[1] -= 37;
    widths[2] += 37;
    window->SplitterMain->setSizes(widths);
    const int dragged = window->SplitterMain->sizes()[2];
    window->PanelFind->ToolButtonCloseFind->click();
    EXPECT_EQ(window->settings.PanelFindWidth, dragged);
    window->PanelTop->SpeedButtonFind->click();
    EXPECT_EQ(window->SplitterMain->sizes()[2], dragged);
}

TEST_F(SearchPanel, CommandLineFindAgreesWithTheResultList)
{
    const struct {
        QString query;
        QStringList scope;
        bool all;
    } cases[] = {
        {QStringLiteral("дом"), {QStringLiteral("--all")}, true},
        {QStringLiteral("дом"), {QStringLiteral("--dict"), QStringLiteral("1")}, false},
        {QStringLiteral("лес"), {QStringLiteral("--all")}, true},
        {QStringLiteral("об"), {QStringLiteral("--dict"), QStringLiteral("1")}, false},
        {QStringLiteral("ко"), {QStringLiteral("--all")}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.query.toStdString() + (c.all ? " all" : " dict 1"));
        search(c.query, c.all);
        expectCommandLineLists(fixture.folder(), QStringLiteral("find"), c.query, c.scope, resultRows(*list));
        EXPECT_FALSE(list->count() == 0 && c.all);
        // The next case starts from dictionary 1 alone.
        window->dictionaries->setStates(DictionaryControlStates::initial());
        window->SetFilterDict(true);
    }
}

TEST_F(SearchPanel, ResultRowsAreMeasuredFromTheListFont)
{
    search(QStringLiteral("дом"), true);
    QFont font = list->font();
    for (int pixels : {16, 10, 5}) {
        SCOPED_TRACE(pixels);
        font.setPixelSize(pixels);
        list->setFont(font);
        list->doItemsLayout();
        EXPECT_EQ(list->visualItemRect(list->item(0)).height(), pixels + 8);
        EXPECT_EQ(list->visualItemRect(list->item(2)).top(), 2 * (pixels + 8));
    }
}

TEST_F(SearchPanel, DisabledSearchBoxStartsNothing)
{
    search(QStringLiteral("дом"), true);
    ASSERT_EQ(list->count(), 3);
    window->EnabledComp(false);
    search(QStringLiteral("кот"), true);
    EXPECT_EQ(listedIds(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(window->sharedSearchText, QStringLiteral("дом"));
    window->EnabledComp(true);
    search(QStringLiteral("кот"), true);
    EXPECT_EQ(listedIds(), (std::vector<int>{4, 14}));
}

} // namespace
