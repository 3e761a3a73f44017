// Word cards in the real window: opening in both modes, an article that
// has its card already, refilling in single-card mode (also after switching
// modes), the card history, the three card commands, closing one and all
// with the count of open cards, the cascade, the goto button, cards staying
// usable during a fragment search, and printing.

#include "appfixture.h"

#include "app/window/cardlink.h"
#include "app/search/findpanel.h"
#include "app/cards/formcard.h"
#include "app/window/fragmentlink.h"
#include "app/window/mainmenu.h"
#include "app/shell/statuspanel.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlepanel.h"
#include "article/view/historykeeper.h"
#include "article/view/richtextview.h"
#include "data/table/table.h"
#include "ui/imagelist16.h"

#include <QAction>

#include <cmath>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

class CardsWindow : public StartedWindow
{
protected:
    void started() override
    {
        cards = window->cards;
        cards->setScreenArea(QRect(0, 0, 1024, 768));
        window->settings.CardWidth = 350;
        window->settings.CardHeight = 230;
    }

    TFormCard *open(int id)
    {
        window->FindWord(id);
        window->PanelTop->SpeedButtonOpenCard->click();
        for (TFormCard *card : cards->cards())
            if (card->articleId() == id)
                return card;
        return nullptr;
    }

    QStringList cardHistory() const { return HistoryKeeper::entries(window->PanelWord->EditWord); }

    bool cardCommandsEnabled(bool expected) const
    {
        return window->PanelTop->SpeedButtonCloseAll->isEnabled() == expected
            && window->menu->MainMenuCloseAll->isEnabled() == expected
            && window->menu->MainMenuCascade->isEnabled() == expected;
    }

    void runPostedCloses() { QCoreApplication::processEvents(); }

    CardLink *cards = nullptr;
};

} // namespace

// Where each card opens is the cascade's matter (the cascade test and the
// card positions of the card tests).
TEST_F(CardsWindow, ManyCardModeOpensEachArticleInANewCard)
{
    const QList<int> ids = {1, 4, 8, 10};
    for (int i = 0; i < ids.size(); ++i) {
        TFormCard *card = open(ids[i]);
        ASSERT_NE(card, nullptr) << ids[i];
        // CardWidth x CardHeight is the outer size, frame included.
        EXPECT_EQ(card->frameGeometry().size(), QSize(350, 230));
        EXPECT_LT(card->size().height(), 230);
        EXPECT_TRUE(card->isVisible());
        EXPECT_EQ(card->windowTitle(), currentWord(*window->ClientDataSet1));
        EXPECT_EQ(card->Editor->toPlainText(), window->PanelTransl->Editor->toPlainText());
        EXPECT_EQ(cardHistory().value(0), currentWord(*window->ClientDataSet1));
        EXPECT_EQ(card->parentWidget(), window);   // owned by the main window
        EXPECT_TRUE(card->windowFlags().testFlag(Qt::Tool));
    }
    EXPECT_EQ(cards->count(), 4);
}

TEST_F(CardsWindow, AnArticleWithACardFocusesItAndChangesNothingInBothModes)
{
    for (const bool many : {true, false}) {
        SCOPED_TRACE(many);
        window->settings.OpenCardWin = many;
        TFormCard *first = open(1);
        ASSERT_NE(first, nullptr);
        open(4);
        const QList<TFormCard *> before = cards->cards();
        const QPoint next = cards->nextPosition();
        const QStringList history = cardHistory();
        const int shownId = before.last()->articleId();

        TFormCard *again = open(shownId);
        EXPECT_EQ(cards->cards(), before);
        EXPECT_EQ(again, before.last());
        EXPECT_EQ(cards->nextPosition(), next);
        EXPECT_EQ(cardHistory(), history);
        cards->CloseAllCards(false);
        runPostedCloses();
        ASSERT_EQ(cards->count(), 0);
    }
}

TEST_F(CardsWindow, SingleCardModeRefillsTheCardInPlace)
{
    window->settings.OpenCardWin = false;
    TFormCard *card = open(1);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->frameGeometry().topLeft(), QPoint(0, 0));
    card->setGeometry(200, 150, 300, 200);   // the user moved and sized it
    const QRect geometry = card->geometry();

    const struct { int id; int icon; } refills[] = {{8, 32}, {10, 49}, {4, 30}};
    for (const auto &r : refills) {
        EXPECT_EQ(open(r.id), card) << r.id;
        EXPECT_EQ(cards->cards(), QList<TFormCard *>{card});
        EXPECT_EQ(card->articleId(), r.id);
        EXPECT_EQ(card->windowTitle(), currentWord(*window->ClientDataSet1));
        EXPECT_EQ(card->Editor->toPlainText(), window->PanelTransl->Editor->toPlainText());
        EXPECT_EQ(card->windowIcon().cacheKey(), ImageList16::shared().icon(r.icon).cacheKey());
        EXPECT_EQ(card->geometry(), geometry);
        EXPECT_EQ(cards->nextPosition(), QPoint(0, 0));
        EXPECT_EQ(cardHistory().value(0), currentWord(*window->ClientDataSet1));
    }
}

TEST_F(CardsWindow, SingleCardModeAfterManyCardsNeverUsesAClosedCard)
{
    TFormCard *a = open(1);
    TFormCard *b = open(4);
    QPointer<TFormCard> c = open(8);
    ASSERT_TRUE(a && b && c);
    c->close();                          // the most recent card is gone
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(c.isNull());
    window->settings.OpenCardWin = false;

    EXPECT_EQ(open(10), b);              // the most recent card still open is refilled
    EXPECT_EQ(cards->cards(), (QList<TFormCard *>{a, b}));

    cards->CloseAllCards(false);
    runPostedCloses();
    ASSERT_EQ(cards->count(), 0);
    TFormCard *fresh = open(9);          // none open: a new card
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(cards->cards(), QList<TFormCard *>{fresh});
}

TEST_F(CardsWindow, CardCommandsAreEnabledExactlyWhileACardIsOpen)
{
    EXPECT_TRUE(cardCommandsEnabled(false));
    window->EnabledComp(true);
    EXPECT_TRUE(cardCommandsEnabled(false));
    TFormCard *a = open(1);
    EXPECT_TRUE(cardCommandsEnabled(true));
    window->EnabledComp(false);
    window->EnabledComp(true);
    EXPECT_TRUE(cardCommandsEnabled(true));
    TFormCard *b = open(4);
    a->close();
    EXPECT_TRUE(cardCommandsEnabled(true));
    b->close();
    EXPECT_TRUE(cardCommandsEnabled(false));
    window->EnabledComp(true);
    EXPECT_TRUE(cardCommandsEnabled(false));
}

TEST_F(CardsWindow, ClosingTheLastCardByAnyMeansResetsThePosition)
{
    const struct {
        const char *means;
        std::function<void(TFormCard *)> close;
        bool closesAll;
    } means[] = {
        {"close button", [](TFormCard *card) { card->ToolButton3->click(); }, false},
        {"Esc", [](TFormCard *card) { QTest::keyClick(card->Editor, Qt::Key_Escape); }, false},
        {"window close", [](TFormCard *card) { card->close(); }, false},
        {"close all", [this](TFormCard *) { cards->CloseAllCards(false); }, true},
    };
    for (const auto &m : means) {
        SCOPED_TRACE(m.means);
        open(1);
        open(4);
        ASSERT_EQ(cards->nextPosition(), QPoint(80, 60));
        const QList<TFormCard *> opened = cards->cards();
        ASSERT_EQ(opened.size(), 2);
        m.close(opened[1]);   // the most recent card
        runPostedCloses();
        if (!m.closesAll) {
            // One card left: it is counted and the position is kept.
            EXPECT_EQ(cards->count(), 1);
            EXPECT_EQ(cards->nextPosition(), QPoint(80, 60));
            m.close(opened[0]);
            runPostedCloses();
        }
        EXPECT_EQ(cards->count(), 0);
        EXPECT_EQ(cards->nextPosition(), QPoint(0, 0));
        TFormCard *next = open(8);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->frameGeometry().topLeft(), QPoint(0, 0));
        next->close();
    }
}

TEST_F(CardsWindow, CloseAllAsksThenPostsTheRequestsToTheCardsOpenNow)
{
    open(1);
    open(4);
    auto *messages = static_cast<RecordedMessages *>(window->messages());

    messages->answerYes = false;
    window->PanelTop->SpeedButtonCloseAll->click();
    runPostedCloses();
    ASSERT_EQ(fixture.messages().size(), 1u);
    EXPECT_EQ(fixture.messages()[0].title, QStringLiteral("Словарные карточки"));
    EXPECT_EQ(fixture.messages()[0].text, QStringLiteral("Закрыть все словарные карточки ?"));
    EXPECT_EQ(fixture.messages()[0].icon, QMessageBox::Question);
    EXPECT_EQ(cards->count(), 2);
    EXPECT_EQ(cards->nextPosition(), QPoint(80, 60));

    messages->answerYes = true;
    window->menu->MainMenuCloseAll->trigger();
    // Not closed yet: the count still holds them, the commands stay on.
    EXPECT_EQ(cards->count(), 2);
    EXPECT_EQ(cards->nextPosition(), QPoint(0, 0));
    EXPECT_TRUE(cardCommandsEnabled(true));
    TFormCard *between = open(8);        // opened before the requests are carried out
    ASSERT_NE(between, nullptr);
    runPostedCloses();
    EXPECT_EQ(cards->cards(), QList<TFormCard *>{between});
    EXPECT_TRUE(cardCommandsEnabled(true));

    // No card open: no question.
    between->close();
    window->PanelTop->SpeedButtonCloseAll->click();
    EXPECT_EQ(fixture.messages().size(), 2u);
}

TEST_F(CardsWindow, CascadeLinesTheCardsUpFromTheCorner)
{
    cards->MainMenuCascadeClick();   // nothing open: nothing happens
    EXPECT_EQ(cards->nextPosition(), QPoint(0, 0));

    // The most recent card's outer size sets the step: at 1000 x 700 on the
    // 1024 x 768 area the left passes 1024 - 1000 = 24 at 40 and wraps.
    const struct {
        QSize newest;
        QList<QPoint> at;   // the three cards after the cascade
        QPoint next;
    } cases[] = {
        {{300, 200}, {{0, 0}, {40, 30}, {80, 60}}, {120, 90}},
        {{1000, 700}, {{0, 0}, {40, 30}, {0, 60}}, {40, 90}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.newest.width());
        QList<TFormCard *> opened;
        for (int id : {1, 4, 8})
            opened << open(id);
        for (TFormCard *card : opened)
            card->move(500, 400);
        // Once its sizer is gone (its frame known), the newest card is resized.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TFormCard *newest = opened.last();
        newest->resize(c.newest - (newest->frameGeometry().size() - newest->size()));
        window->menu->MainMenuCascade->trigger();
        for (int i = 0; i < opened.size(); ++i)
            EXPECT_EQ(opened[i]->frameGeometry().topLeft(), c.at[i]) << i;
        EXPECT_EQ(cards->nextPosition(), c.next);
        EXPECT_EQ(open(10)->frameGeometry().topLeft(), c.next);   // the next card continues
        cards->CloseAllCards(false);
        runPostedCloses();
        ASSERT_EQ(cards->count(), 0);
    }
}

TEST_F(CardsWindow, CardsCascadeInsideTheAvailableAreaAndNeverStickOut)
{
    // The area of the main window's screen without a 30-pixel top panel:
    // the cascade starts below the panel, steps as on a full screen of the
    // area's size, and a card of the last step on an axis is moved back in.
    // 700 x 600 cards: the top wraps after 150 (738 - 600 = 138 < 150), the
    // left after 360 (1024 - 700 = 324 < 360).
    const QRect area(0, 30, 1024, 738);
    cards->setScreenArea(area);
    window->settings.CardWidth = 700;
    window->settings.CardHeight = 600;
    const struct {
        int card;          // 0-based in the order opened
        QPoint frameAt;
    } expected[] = {
        {0, {0, 30}}, {1, {40, 60}}, {4, {160, 150}},
        {5, {200, 168}},    // the step to 180 would stick out: moved up by 12
        {6, {240, 30}},     // the top wrapped
        {9, {324, 120}},    // the step to 360 would stick out: moved left by 36
        {10, {0, 150}},     // the left wrapped
    };
    QList<TFormCard *> opened;
    for (int id = 1; id <= 11; ++id)
        opened << open(id);
    for (const auto &e : expected) {
        ASSERT_NE(opened[e.card], nullptr) << e.card;
        EXPECT_EQ(opened[e.card]->frameGeometry().topLeft(), e.frameAt) << e.card;
    }
    for (TFormCard *card : opened)
        EXPECT_TRUE(area.contains(card->frameGeometry())) << card->frameGeometry().x() << ","
                                                         << card->frameGeometry().y();
    window->menu->MainMenuCascade->trigger();
    for (const auto &e : expected)
        EXPECT_EQ(opened[e.card]->frameGeometry().topLeft(), e.frameAt) << "cascade " << e.card;
}

TEST_F(CardsWindow, GotoLocatesTheCardsArticleAndKeepsTheCard)
{
    TFormCard *card = open(8);               // Russian-Saami dictionary 3
    window->FindWord(1);
    card->ToolButtonGoto->click();
    EXPECT_EQ(currentId(*window->ClientDataSet1), 8);
    EXPECT_TRUE(window->PanelTop->SpeedButtonDict3->isChecked());
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(cards->count(), 1);
}

TEST_F(CardsWindow, EmptyViewOpensNothing)
{
    ASSERT_TRUE(window->ClientDataSet1->setFilterText(QStringLiteral("(DICT=77)")));
    window->ClientDataSet1->setFiltered(true);
    ASSERT_TRUE(EmptyTable(*window->ClientDataSet1));
    window->PanelTop->SpeedButtonOpenCard->click();
    EXPECT_EQ(cards->count(), 0);
}

TEST(CardsDuringSearch, ACardStaysUsableWhileAFragmentSearchRuns)
{
    AppFixture fixture({{1, 1, QStringLiteral("alpha gamma")}, {2, 2, QStringLiteral("beta gamma")},
                        {3, 1, QStringLiteral("delta")}, {4, 3, QStringLiteral("gamma ray")}});
    TFormLumoLex *window = fixture.start();
    ASSERT_TRUE(window->started());
    window->FindWord(3);
    window->cards->SpeedButtonOpenCardClick();
    ASSERT_EQ(window->cards->count(), 1);
    TFormCard *card = window->cards->cards().first();
    FindPanel *panel = window->PanelFind;
    panel->CheckBoxFindInAllDict->setChecked(true);
    panel->EditFind->setEditText(QStringLiteral("gamma"));
    window->fragment->setStepBudget(std::chrono::nanoseconds(0));
    int checks = 0;
    QObject::connect(window->PanelStatus->ProgressBar1, &QProgressBar::valueChanged, [&] {
        if (!window->fragment->scanning())
            return;
        ++checks;
        EXPECT_FALSE(window->PanelWord->EditWord->isEnabled());
        EXPECT_FALSE(window->menu->N19->isEnabled());
        EXPECT_TRUE(card->isEnabled());
        EXPECT_TRUE(card->ToolButtonGoto->isEnabled());
        EXPECT_TRUE(card->ToolButton3->isEnabled());
        EXPECT_TRUE(card->Editor->isEnabled());
        EXPECT_TRUE(card->PMenuEditCopy->isEnabled());
    });
    panel->ToolButtonGoFind2->click();
    EXPECT_GT(checks, 0);
    EXPECT_TRUE(card->ToolButton3->isEnabled());
    EXPECT_TRUE(window->menu->N19->isEnabled());
}

TEST_F(CardsWindow, CardsAreHiddenAndShownWithTheMainWindow)
{
    TFormCard *a = open(1);
    TFormCard *b = open(4);
    window->hide();
    EXPECT_FALSE(a->isVisible());
    EXPECT_FALSE(b->isVisible());
    window->show();
    EXPECT_TRUE(a->isVisible());
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(cards->count(), 2);
}

TEST_F(CardsWindow, CardsTakeTheMainWindowsTransparencyWhileTranspCardIsOn)
{
    const auto alphaOf = [](const QWidget *w) { return int(std::lround(w->windowOpacity() * 255)); };
    const struct {
        bool transpCard;
        int transparency;
        int id;          // a new card each time
        int shownAlpha;  // the card as it opens
        int menuItem;    // then a transparency menu item is chosen
        int afterAlpha;
    } cases[] = {
        {true, 30, 1, 178, 5, 127},
        {false, 30, 2, 255, 5, 255},
        {true, 0, 3, 255, 2, 204},
    };
    window->settings.OpenCardWin = true;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        window->settings.TranspCard = c.transpCard;
        window->settings.Transparency = c.transparency;
        TFormCard *card = open(c.id);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(alphaOf(card), c.shownAlpha);
        window->menu->TransparencyItems[c.menuItem]->trigger();
        EXPECT_EQ(alphaOf(card), c.afterAlpha);
        cards->CloseAllCards(false);
        runPostedCloses();
    }
}
