// The speech examples panel: drawing, the font, empty examples and tables,
// and the refresh interval, with time driven by hand.
#include "article/view/examplespanel.h"
#include "article/view/phrasetimer.h"

#include "articlefixture.h"

#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <set>

using namespace lumolex;
using namespace lumolex::test;

namespace {

// A timer whose time only moves when the test says so.
class ManualTimer : public PhraseTimer
{
public:
    void start() override
    {
        active = true;
        elapsed = 0;
    }
    void stop() override { active = false; }
    bool isActive() const override { return active; }
    int interval() const override { return 15000; }

    void advance(int ms)
    {
        while (active && ms > 0) {
            const int step = qMin(ms, interval() - elapsed);
            elapsed += step;
            ms -= step;
            if (elapsed == interval()) {
                elapsed = 0;
                emit timeout();
            }
        }
    }

    bool active = false;
    int elapsed = 0;
};

class ExamplesTest : public testing::Test
{
protected:
    ExamplesTest()
    {
        timer = new ManualTimer;
        panel = std::make_unique<ExamplesPanel>(nullptr, timer);
        panel->setExamples(examples.get());
        panel->setFontSource([this] { return font; });
        panel->setRandomSource([this](int count) {
            counts.push_back(count);
            if (draws.empty())
                return 1;
            const int next = draws.front();
            draws.pop_front();
            return next;
        });
    }

    QString shown() const { return panel->EditorPhrase->toPlainText(); }

    std::unique_ptr<Table> examples = examplesTable({rtfBody(QStringLiteral("первый")),
                                                     rtfBody(QStringLiteral("второй потрахал")),
                                                     nullBody(),
                                                     emptyBody(),
                                                     rtfBody(QStringLiteral("пятый"))});
    ManualTimer *timer;
    std::unique_ptr<ExamplesPanel> panel;
    ArticleFont font{QStringLiteral("PhraseFamily"), 13};
    std::deque<int> draws;
    std::vector<int> counts;
};

} // namespace

TEST_F(ExamplesTest, PanelIsBuiltAsTheWindowExpects)
{
    EXPECT_EQ(panel->objectName(), QStringLiteral("PanelPhrase"));
    EXPECT_EQ(panel->height(), 44);
    EXPECT_EQ(panel->EditorPhrase->objectName(), QStringLiteral("EditorPhrase"));
    EXPECT_TRUE(panel->EditorPhrase->isReadOnly());
    EXPECT_EQ(panel->EditorPhrase->toolTip(), QStringLiteral("Примеры речи"));
    EXPECT_EQ(panel->SpeedButtonFhraseRefresh->toolTip(), QStringLiteral("Обновить"));
    EXPECT_EQ(panel->SpeedButtonFhraseRefresh->width(), 21);
    EXPECT_TRUE(timer->isActive());                        // running from creation
}

TEST_F(ExamplesTest, DrawShowsThatRecordInTheArticleFontUnmasked)
{
    draws = {2};
    panel->UpdateEditorPhrase();
    EXPECT_EQ(counts, std::vector<int>{5});
    EXPECT_EQ(examples->recordNumber(), 2);
    EXPECT_EQ(panel->shownRecord(), 2);
    EXPECT_EQ(shown(), QStringLiteral("второй потрахал"));
    const QTextDocument *doc = panel->EditorPhrase->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            EXPECT_EQ(it.fragment().charFormat().fontFamilies().toStringList(), QStringList{font.family});
            EXPECT_EQ(it.fragment().charFormat().fontPointSize(), font.pointSize);
        }
    }
}

TEST_F(ExamplesTest, NullAndEmptyExamplesLeaveThePanelEmptyAndDrawsStayWithinTheTable)
{
    const struct { int draw; int record; const char *text; } cases[] = {
        {1, 1, "первый"}, {3, 3, ""}, {5, 5, "пятый"}, {4, 4, ""}, {9, 5, "пятый"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.draw);
        draws = {c.draw};
        panel->UpdateEditorPhrase();
        EXPECT_EQ(panel->shownRecord(), c.record);
        EXPECT_EQ(shown(), QString::fromUtf8(c.text));
    }
}

TEST_F(ExamplesTest, NewExampleEveryFifteenSecondsRefreshDrawsAtOnceAndRestartsTheInterval)
{
    draws = {1, 2, 5, 1};
    panel->UpdateEditorPhrase();
    timer->advance(14999);
    EXPECT_EQ(shown(), QStringLiteral("первый"));
    timer->advance(1);
    EXPECT_EQ(shown(), QStringLiteral("второй потрахал"));
    timer->advance(10000);
    panel->SpeedButtonFhraseRefresh->click();
    EXPECT_EQ(shown(), QStringLiteral("пятый"));
    timer->advance(14999);                       // 25 s after the last tick: nothing yet
    EXPECT_EQ(shown(), QStringLiteral("пятый"));
    timer->advance(1);                           // 15 s after the click
    EXPECT_EQ(shown(), QStringLiteral("первый"));
    EXPECT_EQ(counts.size(), 4u);

    timer->stop();                               // panel hidden: a refresh starts it again
    panel->UpdateEditorPhrase();
    EXPECT_TRUE(timer->isActive());
}

TEST_F(ExamplesTest, NoExamplesAtAllShowsNothingAndKeepsGoing)
{
    auto none = examplesTable({});
    panel->setExamples(none.get());
    panel->UpdateEditorPhrase();
    EXPECT_EQ(shown(), QString());
    EXPECT_EQ(panel->shownRecord(), 0);
    EXPECT_TRUE(counts.empty());
    timer->advance(15000);
    EXPECT_EQ(shown(), QString());
    EXPECT_TRUE(timer->isActive());

    panel->setExamples(nullptr);
    panel->UpdateEditorPhrase();
    EXPECT_EQ(shown(), QString());
}

TEST_F(ExamplesTest, FontChangeAppliesInPlaceKeepingTheCaret)
{
    draws = {2};
    panel->UpdateEditorPhrase();
    QTextCursor cursor = panel->EditorPhrase->textCursor();
    cursor.setPosition(4);
    panel->EditorPhrase->setTextCursor(cursor);
    panel->applyFont(ArticleFont{QStringLiteral("Other"), 20});
    EXPECT_EQ(panel->EditorPhrase->textCursor().position(), 4);
    EXPECT_EQ(shown(), QStringLiteral("второй потрахал"));
    QTextCursor probe(panel->EditorPhrase->document());
    probe.setPosition(3);
    EXPECT_EQ(probe.charFormat().fontPointSize(), 20);
    EXPECT_EQ(probe.charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("Other")});
}

TEST_F(ExamplesTest, ANewExampleRestartsTheTimerOnlyWhileThePanelIsShown)
{
    const struct {
        bool hidden;
        bool running;
    } cases[] = {{true, false}, {false, true}, {true, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.hidden);
        panel->setHidden(c.hidden);
        timer->stop();
        draws = {1};
        panel->UpdateEditorPhrase();
        EXPECT_EQ(shown(), QStringLiteral("первый"));   // drawn either way
        EXPECT_EQ(timer->isActive(), c.running);
    }
}

TEST(ExampleRandom, UniformDrawCoversEveryRecordAndNoOther)
{
    std::set<int> seen;
    for (int i = 0; i < 3000; ++i) {
        const int r = uniformRandomRecord(3);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 3);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(uniformRandomRecord(1), 1);
}

TEST(ExampleRandom, SingleRecordIsShownAtEveryRefresh)
{
    auto one = examplesTable({rtfBody(QStringLiteral("единственный"))});
    ExamplesPanel panel;
    panel.setExamples(one.get());
    for (int i = 0; i < 5; ++i) {
        panel.UpdateEditorPhrase();
        EXPECT_EQ(panel.EditorPhrase->toPlainText(), QStringLiteral("единственный"));
    }
    EXPECT_TRUE(panel.TimerPhrase->isActive());
    EXPECT_EQ(panel.TimerPhrase->interval(), 15000);
}
