// The word panel in the started window: type-ahead, list keys, letters typed
// in the list, the letter menu, the step buttons, drawing and word hints.

#include "appfixture.h"

#include "app/window/mainmenu.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordlistdelegate.h"
#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "data/table/table.h"
#include "data/wordlist/wordlistmodel.h"
#include "data/wordlist/wordlistnavigator.h"
#include "ui/imagelist16.h"
#include "ui/wordhintwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace lumolex {
namespace {

class WordPanelTest : public test::StartedWindow
{
protected:
    void started() override
    {
        panel = window->PanelWord;
        articles = window->ClientDataSet1;
        window->activateWindow();
        QApplication::processEvents();
    }

    QString word() const { return test::currentWord(*articles); }
    QString boxText() const { return panel->EditWord->currentText(); }
    void press(QWidget *target, int key, const QString &text = QString(),
               Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key(key), text, mods);
        QApplication::processEvents();
    }

    void type(QWidget *target, const QString &text) { test::typeKeys(target, text); }

    WordPanel *panel = nullptr;
    Table *articles = nullptr;
};

// Dictionary 1 with code 0: абба, ёлка, кот, Кофе, дом, общее, очень-..., ягель.
const QStringList kDictionaryOneView = {"абба", "дом", "ёлка", "кот", "Кофе", "общее",
                                        "очень-очень-длинное-слово-которое-не-помещается", "ягель"};

TEST_F(WordPanelTest, ListShowsTheFilteredViewAndFollowsTheTable)
{
    EXPECT_EQ(test::viewWords(*articles), kDictionaryOneView);
    EXPECT_EQ(panel->model()->rowCount(), kDictionaryOneView.size());
    EXPECT_EQ(panel->DBGrid1->currentIndex().row(), 0);
    articles->last();
    EXPECT_EQ(panel->DBGrid1->currentIndex().row(), kDictionaryOneView.size() - 1);
    // Choosing a row in the list makes its record current.
    panel->DBGrid1->setCurrentIndex(panel->model()->index(3, 0));
    EXPECT_EQ(word(), QStringLiteral("кот"));
    EXPECT_EQ(boxText(), QStringLiteral("кот"));
}

TEST_F(WordPanelTest, TypeAheadFindsTheNearestKeyWithOrWithoutCapitals)
{
    panel->EditWord->setFocus();
    QLineEdit *edit = panel->EditWord->lineEdit();
    // The typed text stays as typed; beyond the last key: the last article.
    const struct { bool fresh; const char *typed; const char *box; const char *word; } cases[] = {
        {true, "ко", "ко", "кот"}, {false, "ф", "коф", "Кофе"}, {true, "КО", "КО", "кот"}, {true, "яя", "яя", "ягель"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.box);
        if (c.fresh)
            edit->selectAll();
        type(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(word(), QString::fromUtf8(c.word));
        EXPECT_EQ(boxText(), QString::fromUtf8(c.box));
        EXPECT_FALSE(window->wordBoxGuard);
    }
    // Clearing the box: the first article.
    edit->clear();
    EXPECT_EQ(word(), QStringLiteral("абба"));
    EXPECT_FALSE(window->wordBoxGuard);
}

TEST_F(WordPanelTest, StepButtonsMoveTheListWriteTheWordAndFollowTheListEnds)
{
    const auto enabled = [this] {
        return QList<bool>{panel->ToolButtonFirst->isEnabled(), panel->ToolButtonPrev->isEnabled(),
                           panel->ToolButtonNext->isEnabled(), panel->ToolButtonLast->isEnabled()};
    };
    // At the first record after start-up: the way back is closed.
    EXPECT_EQ(enabled(), (QList<bool>{false, false, true, true}));
    // Reaching the last record by steps leaves the at-end flag down until one more step.
    const struct { QToolButton *button; const char *word; QList<bool> enabled; } walk[] = {
        {panel->ToolButtonNext, "дом", {true, true, true, true}},
        {panel->ToolButtonLast, "ягель", {true, true, false, false}},
        {panel->ToolButtonPrev, "очень-очень-длинное-слово-которое-не-помещается", {true, true, true, true}},
        {panel->ToolButtonNext, "ягель", {true, true, true, true}},
        {panel->ToolButtonNext, "ягель", {true, true, false, false}},
        {panel->ToolButtonFirst, "абба", {false, false, true, true}},
    };
    for (const auto &step : walk) {
        SCOPED_TRACE(qPrintable(step.button->objectName()));
        step.button->click();
        EXPECT_EQ(word(), QString::fromUtf8(step.word));
        EXPECT_EQ(boxText(), QString::fromUtf8(step.word));
        EXPECT_EQ(panel->EditWord->lineEdit()->selectedText(), QString::fromUtf8(step.word));
        EXPECT_EQ(enabled(), step.enabled);
    }
}

TEST_F(WordPanelTest, ListKeysInTheListAndInTheWordBoxMoveTheList)
{
    const int rows = articles->recordCount();
    const int page = panel->DBGrid1->visibleRowCount();
    QWidget *list = panel->DBGrid1;
    QWidget *box = panel->EditWord->lineEdit();
    // Down on the last row changes nothing and adds no row.
    const struct { QWidget *target; int key; Qt::KeyboardModifiers mods; int record; } keys[] = {
        {list, Qt::Key_Down, {}, 2}, {list, Qt::Key_End, {}, rows}, {list, Qt::Key_Down, {}, rows},
        {list, Qt::Key_Down, {}, rows}, {list, Qt::Key_Up, {}, rows - 1}, {list, Qt::Key_Home, {}, 1},
        {box, Qt::Key_Down, {}, 2}, {box, Qt::Key_End, {}, rows}, {box, Qt::Key_Home, {}, 1},
        {box, Qt::Key_PageDown, {}, qMin(1 + page, rows)}, {box, Qt::Key_PageUp, {}, 1},
        {box, Qt::Key_Down, {}, 2}, {box, Qt::Key_Up, Qt::AltModifier, 1},
    };
    for (const auto &k : keys) {
        SCOPED_TRACE(QKeySequence(k.key | k.mods).toString().toStdString() + (k.target == list ? " in the list" : " in the box"));
        k.target->setFocus();
        press(k.target, k.key, QString(), k.mods);
        EXPECT_EQ(articles->recordNumber(), k.record);
        EXPECT_EQ(panel->DBGrid1->currentIndex().row(), k.record - 1);
        EXPECT_EQ(panel->model()->rowCount(), rows);
        if (k.target == box) { // the word box keeps the focus
            EXPECT_TRUE(box->hasFocus() || panel->EditWord->hasFocus());
        }
    }
}

TEST_F(WordPanelTest, EveryLetterTypedInTheListGoesToTheWordBox)
{
    // Qt key and text as a Russian or Saami layout delivers them. Ж, Б and Ю
    // sit on the keys 186, 188 and 190; the Kildin letters have no key code.
    const struct { int key; const char *text; const char *jumpedTo; } letters[] = {
        {0x041E, "о", "общее"}, {0x0416, "ж", "кот"}, {0x0411, "б", "дом"},
        {0x042E, "ю", "ягель"}, {0x04D2, "ӓ", nullptr}, {0x0520, "ԡ", nullptr},
    };
    for (const auto &letter : letters) {
        const QString text = QString::fromUtf8(letter.text);
        SCOPED_TRACE(text.toStdString());
        articles->last();
        panel->DBGrid1->setFocus();
        QApplication::processEvents();
        press(panel->DBGrid1, letter.key, text);
        QApplication::processEvents();
        EXPECT_EQ(boxText(), text);
        if (letter.jumpedTo) {
            EXPECT_EQ(word(), QString::fromUtf8(letter.jumpedTo));
        }
        EXPECT_TRUE(panel->EditWord->hasFocus() || panel->EditWord->lineEdit()->hasFocus());
    }

    // With Ctrl or Alt the key is not redirected, nor is punctuation.
    const struct { int key; const char *text; Qt::KeyboardModifiers mods; } others[] = {
        {Qt::Key_K, "k", Qt::ControlModifier}, {0x041A, "к", Qt::AltModifier}, {Qt::Key_Comma, ",", {}}};
    articles->last();
    for (const auto &other : others) {
        panel->DBGrid1->setFocus();
        QApplication::processEvents();
        press(panel->DBGrid1, other.key, QString::fromUtf8(other.text), other.mods);
        EXPECT_EQ(word(), QStringLiteral("ягель")) << other.text;
        EXPECT_TRUE(panel->DBGrid1->hasFocus()) << other.text;
    }
}

TEST_F(WordPanelTest, LetterMenuJumpsToTheLetter)
{
    const QList<QAction *> items = panel->PMenuLetter->actions();
    ASSERT_EQ(items.size(), 31);
    EXPECT_EQ(items.first()->text(), QStringLiteral("А"));
    EXPECT_EQ(items[6]->text(), QStringLiteral("Ё"));
    EXPECT_EQ(items.last()->text(), QStringLiteral("Я"));
    for (QAction *item : items)
        EXPECT_NE(item->text(), QStringLiteral("Ъ"));

    // Ё, К, and М, which has no word: the next key.
    for (const auto &[item, jumpedTo] : {std::pair{6, "ёлка"}, std::pair{11, "кот"}, std::pair{13, "общее"}}) {
        items[item]->trigger();
        EXPECT_EQ(word(), QString::fromUtf8(jumpedTo));
    }

    // The items are switched off and on with the other controls.
    window->EnabledComp(false);
    EXPECT_FALSE(items[0]->isEnabled());
    EXPECT_FALSE(panel->DBGrid1->isEnabled());
    EXPECT_FALSE(panel->EditWord->isEnabled());
    EXPECT_FALSE(window->PanelTop->SpeedButtonDict1->isEnabled());
    EXPECT_FALSE(window->menu->MainMenuExit->isEnabled());
    window->EnabledComp(true);
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_TRUE(panel->DBGrid1->isEnabled());
    EXPECT_TRUE(window->menu->MainMenuExit->isEnabled());
    EXPECT_FALSE(window->menu->MainMenuIndexWord->isEnabled());
    EXPECT_FALSE(window->PanelTop->SpeedButtonCloseAll->isEnabled()); // no card is open
}

TEST_F(WordPanelTest, HoldingNextStepsOnTheTimer)
{
    test::ManualStepTimer *timer = fixture.navTimer();
    QTest::mousePress(panel->ToolButtonNext, Qt::LeftButton);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    timer->tick();
    timer->tick();
    EXPECT_EQ(articles->recordNumber(), 3);
    QTest::mouseRelease(panel->ToolButtonNext, Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    // The click that completes the press steps once more.
    EXPECT_EQ(articles->recordNumber(), 4);

    // Held to the end: the timer stops there.
    QTest::mousePress(panel->ToolButtonNext, Qt::LeftButton);
    for (int i = 0; i < 20 && timer->isActive(); ++i)
        timer->tick();
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(articles->atEnd());
    EXPECT_FALSE(panel->ToolButtonNext->isEnabled());
}

TEST_F(WordPanelTest, NothingActsWhileDisabled)
{
    test::ManualStepTimer *timer = fixture.navTimer();
    QSignalSpy doubleClicks(panel, &WordPanel::DBGrid1DblClick);
    articles->setRecordNumber(3);
    // Switching the controls off stops a running step timer.
    QTest::mousePress(panel->ToolButtonNext, Qt::LeftButton);
    ASSERT_TRUE(timer->isActive());
    window->EnabledComp(false);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(panel->navigator().direction(), NavDirection::None);
    QTest::mouseRelease(panel->ToolButtonNext, Qt::LeftButton);

    const int record = articles->recordNumber();
    const QString box = boxText();
    const QPoint firstRow(10, panel->DBGrid1->rowHeight() / 2);
    const struct { const char *what; std::function<void()> act; } inputs[] = {
        {"press on Next", [&] { QTest::mousePress(panel->ToolButtonNext, Qt::LeftButton); }},
        {"press on Prev", [&] { QTest::mousePress(panel->ToolButtonPrev, Qt::RightButton); }},
        {"double click on the list", [&] { QTest::mouseDClick(panel->DBGrid1->viewport(), Qt::LeftButton, {}, firstRow); }},
        {"Down in the list", [&] { press(panel->DBGrid1, Qt::Key_Down); }},
        {"End in the list", [&] { press(panel->DBGrid1, Qt::Key_End); }},
        {"letter in the list", [&] { press(panel->DBGrid1, 0x0416, QStringLiteral("ж")); }},
        {"Page Down in the word box", [&] { press(panel->EditWord->lineEdit(), Qt::Key_PageDown); }},
        {"Home in the word box", [&] { press(panel->EditWord, Qt::Key_Home); }},
    };
    for (const auto &input : inputs) {
        SCOPED_TRACE(input.what);
        input.act();
        QApplication::processEvents();
        EXPECT_FALSE(timer->isActive());
        EXPECT_EQ(articles->recordNumber(), record);
        EXPECT_EQ(boxText(), box);
        EXPECT_EQ(doubleClicks.count(), 0);
    }
    QTest::mouseRelease(panel->ToolButtonNext, Qt::LeftButton);
    QTest::mouseRelease(panel->ToolButtonPrev, Qt::RightButton);

    // One step button switched off at the end of the list: holding it does nothing.
    window->EnabledComp(true);
    articles->last();
    articles->next();
    ASSERT_FALSE(panel->ToolButtonNext->isEnabled());
    QTest::mousePress(panel->ToolButtonNext, Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    QTest::mouseRelease(panel->ToolButtonNext, Qt::LeftButton);
    // Enabled again, the same controls act.
    QTest::mouseDClick(panel->DBGrid1->viewport(), Qt::LeftButton, {}, firstRow);
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST_F(WordPanelTest, OddRowsAreTintedExceptTheSelectedOne)
{
    window->settings.ColorEvenLines = 0x0000FF; // red in 0x00BBGGRR
    panel->DBGrid1->viewport()->update();
    const QImage image = panel->DBGrid1->viewport()->grab().toImage();
    const int h = panel->DBGrid1->rowHeight();
    const int x = panel->DBGrid1->viewport()->width() - 3;
    const QColor base = panel->DBGrid1->palette().color(QPalette::Base);
    const QColor highlight = panel->DBGrid1->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(image.pixelColor(x, h / 2), highlight);         // record 1, selected
    EXPECT_EQ(image.pixelColor(x, h + h / 2), base);          // record 2
    EXPECT_EQ(image.pixelColor(x, 2 * h + h / 2), QColor(Qt::red)); // record 3
    EXPECT_EQ(image.pixelColor(x, 3 * h + h / 2), base);      // record 4

    // Each row starts with its dictionary's icon, vertically centred two
    // pixels low: dictionary 1 on row 2, the code-0 article ("общее") on row 5.
    const auto iconAt = [&](int row, int picture, const QColor &background) {
        QImage expected(16, 16, QImage::Format_ARGB32_Premultiplied);
        expected.fill(background);
        QPainter painter(&expected);
        painter.drawPixmap(0, 0, ImageList16::shared().pixmap(picture));
        painter.end();
        const QImage drawn = image.copy(0, row * h + WordListDelegate::iconTop(h), 16, 16)
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return drawn == expected;
    };
    EXPECT_TRUE(iconAt(1, ImageList16::Dictionary1, base));
    EXPECT_TRUE(iconAt(5, ImageList16::Letter, base));
    EXPECT_FALSE(iconAt(5, ImageList16::Dictionary1, base));

    window->settings.EvenLines = false;
    const QImage plain = panel->DBGrid1->viewport()->grab().toImage();
    EXPECT_EQ(plain.pixelColor(x, 2 * h + h / 2), base);
    EXPECT_EQ(WordListDelegate::iconTop(24), 6);
    EXPECT_EQ(WordListDelegate::iconTop(16), 0);
}

TEST_F(WordPanelTest, RowWordCacheAndWordHint)
{
    panel->DBGrid1->viewport()->grab(); // draws the rows
    const QStringList &cache = panel->rowWords();
    ASSERT_GE(cache.size(), 7);
    EXPECT_EQ(cache[0], QStringLiteral("абба"));
    EXPECT_EQ(cache[6], kDictionaryOneView[6]);

    const int h = panel->DBGrid1->rowHeight();
    panel->DBGrid1MouseMove(QPoint(10, h / 2)); // a short word: no hint
    EXPECT_TRUE(panel->hintWindow() == nullptr || !panel->hintWindow()->isVisible());
    EXPECT_EQ(panel->lastHintRow(), 0);

    const QPoint over(10, 6 * h + h / 2); // the long word
    panel->DBGrid1MouseMove(over);
    ASSERT_NE(panel->hintWindow(), nullptr);
    EXPECT_TRUE(panel->hintWindow()->isVisible());
    EXPECT_EQ(panel->hintWindow()->text(), kDictionaryOneView[6]);
    const QPoint pointer = panel->DBGrid1->viewport()->mapToGlobal(over);
    EXPECT_EQ(panel->hintWindow()->geometry().left(), pointer.x() + 3);
    EXPECT_EQ(panel->hintWindow()->geometry().bottom(), pointer.y() - 3);

    panel->DBGrid1MouseLeave();
    EXPECT_FALSE(panel->hintWindow()->isVisible());
    EXPECT_EQ(panel->lastHintRow(), -1);

    window->settings.HintWord = false;
    panel->DBGrid1MouseMove(over);
    EXPECT_FALSE(panel->hintWindow()->isVisible());
}

} // namespace
} // namespace lumolex
