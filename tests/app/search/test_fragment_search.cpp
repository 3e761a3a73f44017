// The fragment search in the real window: results in visiting order,
// stopping part-way, "Не найдено!" and the return to the previous article,
// the end state, the disabled window during the scan, closing the window
// during a scan, and the command line's fragment agreeing with the result list.

#include "appfixture.h"

#include "app/window/commandstate.h"
#include "app/search/findpanel.h"
#include "app/window/fragmentlink.h"
#include "app/lists/resultlistbox.h"
#include "app/shell/statuspanel.h"
#include "app/lists/wordpanel.h"
#include "app/window/toolbarpanel.h"
#include "article/view/historykeeper.h"
#include "data/table/table.h"
#include "ui/imagelist16.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// Each body is its headword (see writeDataFiles). Visiting order: alpha
// gamma(1), beta gamma(2), delta(1), gamma ray(3), omega(4), zeta gamma(9).
std::vector<ArticleRow> articles()
{
    return {
        {1, 1, QStringLiteral("alpha gamma")}, {2, 2, QStringLiteral("beta gamma")},
        {3, 1, QStringLiteral("delta")},       {4, 3, QStringLiteral("gamma ray")},
        {5, 4, QStringLiteral("omega")},       {6, 9, QStringLiteral("zeta gamma")},
    };
}

class FragmentWindow : public StartedWindow
{
protected:
    FragmentWindow()
        : StartedWindow(articles())
    {
    }
    void started() override
    {
        panel = window->PanelFind;
        list = panel->ListBoxFind;
        button = panel->ToolButtonGoFind2;
        progress = window->PanelStatus->ProgressBar1;
        panel->CheckBoxFindInAllDict->setChecked(true);
    }

    // Types the query and presses the button; `during` runs each time the
    // progress bar moves while the scan runs.
    void press(const QString &query, std::function<void(int)> during = {})
    {
        panel->EditFind->setEditText(query);
        QMetaObject::Connection watch;
        if (during)
            watch = QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
                if (window->fragment->scanning())
                    during(value);
            });
        button->click();
        QObject::disconnect(watch);
    }

    QList<int> resultIds() const
    {
        QList<int> ids;
        for (int row = 0; row < list->count(); ++row)
            ids << list->idAt(row);
        return ids;
    }

    qint64 iconKey(int image) const { return ImageList16::shared().icon(image).cacheKey(); }

    FindPanel *panel = nullptr;
    ResultListBox *list = nullptr;
    QToolButton *button = nullptr;
    QProgressBar *progress = nullptr;
};

TEST_F(FragmentWindow, ListsTheMatchesFoundUntilTheEndOrAStopElseSaysNotFoundAndEndsIdle)
{
    // One article a step; a stop click comes through the scan's own event
    // processing after `stopAt` articles.
    window->fragment->setStepBudget(std::chrono::nanoseconds(0), 1);
    const int noStop = -1;
    struct Case {
        const char *query;
        bool all;
        int stopAt;
        QList<int> ids;   // empty: "Не найдено!"
    } cases[] = {
        {"a g", true, noStop, {1, 2, 6}},      // across the blank
        {"AMM", true, noStop, {1, 2, 4, 6}},   // case and inside a word
        {"amm", false, noStop, {1}},           // dictionary 1 alone is selected
        {"elt", true, noStop, {3}},
        {"amm", true, 2, {1, 2}},              // a stop keeps the results found so far
        {"amm", true, 4, {1, 2, 4}},
        {"amm", true, 0, {}},                  // stopped before the first article
        {"zzz", true, noStop, {}},
    };
    window->PanelTop->SpeedButtonFind->click();
    window->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(window->isActiveWindow());
    QStringList underMessage;
    fixture.whileMessageShown([&] { underMessage = viewWords(*window->ClientDataSet1); });
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.query) + " stop " + std::to_string(c.stopAt));
        window->FindWord(3);   // the previous article; selects dictionary 1 alone
        panel->CheckBoxFindInAllDict->setChecked(c.all);
        int lastSeen = -1;
        bool clicked = false;
        auto stopAt = [&](int value) {
            lastSeen = value;
            if (value == c.stopAt && !clicked) {
                clicked = true;
                QTimer::singleShot(0, button, &QToolButton::click);
            }
        };
        if (c.stopAt == 0) {
            clicked = true;
            QTimer::singleShot(0, button, &QToolButton::click);
        }
        const size_t messagesBefore = fixture.messages().size();
        const QStringList wordList = viewWords(*window->ClientDataSet1);
        underMessage.clear();
        window->PanelWord->EditWord->setFocus();
        press(QString::fromUtf8(c.query), stopAt);
        // The next key acts on the results, or on the query when there are none.
        EXPECT_TRUE(c.ids.isEmpty() ? panel->EditFind->hasFocus() : list->hasFocus());
        EXPECT_EQ(resultIds(), c.ids);
        if (c.stopAt != noStop) {
            EXPECT_EQ(std::max(lastSeen, 0), c.stopAt);   // the scan went no further
        }
        if (c.ids.isEmpty()) {
            ASSERT_EQ(fixture.messages().size(), messagesBefore + 1);
            EXPECT_EQ(fixture.messages().back().text, QStringLiteral("Не найдено!"));
            EXPECT_EQ(fixture.messages().back().title, QStringLiteral("Поиск в словарях"));
            EXPECT_EQ(fixture.messages().back().icon, QMessageBox::Warning);
            EXPECT_EQ(currentId(*window->ClientDataSet1), 3);
            EXPECT_EQ(underMessage, wordList);   // in its order under the message
        } else {
            EXPECT_EQ(fixture.messages().size(), messagesBefore);
            EXPECT_EQ(list->currentRow(), 0);
            EXPECT_EQ(currentId(*window->ClientDataSet1), c.ids.first());
            EXPECT_EQ(window->PanelStatus->StaticTextPosFind->text(), QStringLiteral("1 / %1").arg(c.ids.size()));
        }
        EXPECT_TRUE(window->ClientDataSet1->isFiltered());
        EXPECT_EQ(window->PanelStatus->StaticTextMode->text(), QStringLiteral("Работа"));
        EXPECT_FALSE(progress->isVisible());
        EXPECT_EQ(button->icon().cacheKey(), iconKey(ImageList16::FragmentSearch));
        EXPECT_TRUE(window->PanelWord->EditWord->isEnabled());
        EXPECT_TRUE(HistoryKeeper::entries(panel->EditFind).contains(QString::fromUtf8(c.query)));
        EXPECT_FALSE(window->fragment->scanning());
    }
}

TEST_F(FragmentWindow, DuringTheScanOnlyTheStopButtonActs)
{
    window->fragment->setStepBudget(std::chrono::nanoseconds(0), 1);
    int checked = 0;
    press(QStringLiteral("amm"), [&](int value) {
        if (value != 3)
            return;
        ++checked;
        EXPECT_EQ(button->icon().cacheKey(), iconKey(ImageList16::Stop));
        EXPECT_TRUE(button->isEnabled());
        EXPECT_TRUE(progress->isVisible());
        EXPECT_EQ(progress->maximum(), 6);
        EXPECT_EQ(window->PanelStatus->StaticTextMode->text(), QStringLiteral("Поиск"));
        EXPECT_EQ(list->count(), 2);   // results appear as they are found
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const bool isControl = qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)
                || qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractItemView *>(control);
            if (isControl && control != button && control->isVisible()) {
                EXPECT_FALSE(control->isEnabled()) << qPrintable(control->objectName());
            }
        }
        for (QAction *action : window->findChildren<QAction *>()) {
            if (!action->isSeparator() && !action->menu() && !action->objectName().isEmpty()) {
                EXPECT_FALSE(action->isEnabled()) << qPrintable(action->objectName());
            }
        }
        // Keys on the word box and the list move nothing.
        QTest::keyClick(window->PanelWord->EditWord, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentRow(), -1);
    });
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(currentId(*window->ClientDataSet1), 1);   // the first result, as the scan ended
}

TEST_F(FragmentWindow, ClosingTheWindowDuringAScanStopsItAndShutsDownNormally)
{
    window->fragment->setStepBudget(std::chrono::nanoseconds(0), 1);
    const QString findHistory = fixture.folder() + QStringLiteral("/DATA/LumoFind.hst");
    QFile::remove(findHistory);
    int lastSeen = -1;
    press(QStringLiteral("zzz"), [&](int value) {
        lastSeen = value;
        if (value == 2)
            QTimer::singleShot(0, window, &QWidget::close);
    });
    EXPECT_EQ(lastSeen, 2);
    EXPECT_FALSE(window->fragment->scanning());
    EXPECT_TRUE(fixture.messages().empty());   // no "Не найдено!" on the way out
    // The close comes again once the scan has ended.
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 5000);
    EXPECT_FALSE(fixture.readSetting(QStringLiteral("FormMainWidth")).isEmpty());
    QFile file(findHistory);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("zzz")));
}

TEST_F(FragmentWindow, TheCommandLineListsWhatTheWindowLists)
{
    struct Case {
        const char *query;
        QStringList scope;
        bool all;
    } cases[] = {
        {"amm", {QStringLiteral("--all")}, true},
        {"amm", {QStringLiteral("--dict"), QStringLiteral("1")}, false},
        {"a g", {}, true},
        {"zzz", {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query);
        panel->CheckBoxFindInAllDict->setChecked(c.all);
        press(QString::fromUtf8(c.query));
        expectCommandLineLists(fixture.folder(), QStringLiteral("fragment"), QString::fromUtf8(c.query), c.scope,
                               resultRows(*list));
    }
}

} // namespace
