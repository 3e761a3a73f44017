// The word card on its own: the copied article entirely in the card's point
// size with its styles kept and 1-point indents, caption, icon and identity
// by fill, "Копировать" only with a selection, Esc; the card positions of
// the cascade with their wrap on a 1024 x 768 screen, and the book's count of
// open cards with the reset of the position.

#include "app/cards/cardbook.h"
#include "app/cards/formcard.h"
#include "app/window/mainmenu.h"
#include "article/view/richtextview.h"
#include "ui/imagelist16.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

// An article as the main view holds it: several sizes, bold, italic, a colour
// and two font families.
std::unique_ptr<QTextDocument> styledArticle()
{
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor cursor(doc.get());
    QTextCharFormat head;
    head.setFontFamilies({QStringLiteral("DejaVu Sans")});
    head.setFontPointSize(16);
    head.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("дом"), head);
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("DejaVu Serif")});
    plain.setFontPointSize(9);
    plain.setFontItalic(true);
    plain.setForeground(QColor(200, 0, 0));
    cursor.insertText(QStringLiteral(" - жилище"), plain);
    cursor.insertBlock();
    QTextCharFormat pixels;
    pixels.setFontFamilies({QStringLiteral("DejaVu Sans")});
    pixels.setProperty(QTextFormat::FontPixelSize, 30);
    cursor.insertText(QStringLiteral("второй абзац"), pixels);
    return doc;
}

struct TextRun {
    QString text;
    QTextCharFormat format;
};

QList<TextRun> runsOf(const QTextDocument &doc)
{
    QList<TextRun> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.append({it.fragment().text(), it.fragment().charFormat()});
    return runs;
}

} // namespace

TEST(FormCard, FillShowsTheArticleInTheCardSizeWithItsStylesAndIndents)
{
    const auto article = styledArticle();
    for (const int size : {8, 11, 14}) {
        SCOPED_TRACE(size);
        TFormCard card(nullptr);
        card.fill(QStringLiteral("дом"), *article, 17, 1, size);
        const QList<TextRun> before = runsOf(*article);
        const QList<TextRun> after = runsOf(*card.Editor->document());
        ASSERT_EQ(after.size(), before.size());
        for (int i = 0; i < after.size(); ++i) {
            SCOPED_TRACE(after[i].text.toStdString());
            EXPECT_EQ(after[i].text, before[i].text);
            EXPECT_EQ(after[i].format.fontPointSize(), size);
            EXPECT_FALSE(after[i].format.hasProperty(QTextFormat::FontPixelSize));
            EXPECT_EQ(after[i].format.fontFamilies(), before[i].format.fontFamilies());
            EXPECT_EQ(after[i].format.fontWeight(), before[i].format.fontWeight());
            EXPECT_EQ(after[i].format.fontItalic(), before[i].format.fontItalic());
            EXPECT_EQ(after[i].format.foreground(), before[i].format.foreground());
        }
        for (QTextBlock block = card.Editor->document()->begin(); block.isValid(); block = block.next()) {
            EXPECT_NEAR(block.blockFormat().textIndent(), 20.0 / 15.0, 1e-9);   // 1 point in pixels
            EXPECT_NEAR(block.blockFormat().rightMargin(), 20.0 / 15.0, 1e-9);
        }
        EXPECT_EQ(card.Editor->textCursor().position(), 0);
        EXPECT_FALSE(card.Editor->textCursor().hasSelection());
        // The main view's document is left as it was.
        EXPECT_EQ(runsOf(*article)[0].format.fontPointSize(), 16);
        EXPECT_EQ(card.windowTitle(), QStringLiteral("дом"));
        EXPECT_EQ(card.articleId(), 17);
        EXPECT_EQ(tagOf(card.ToolButtonGoto), 17);
    }
}

TEST(FormCard, IconFollowsTheDictionaryAndStaysForUnknownOnes)
{
    const auto article = styledArticle();
    const qint64 own = ImageList16::shared().icon(ImageList16::Card).cacheKey();
    TFormCard card(nullptr);
    EXPECT_EQ(card.windowTitle(), QStringLiteral("Карточка слова"));
    EXPECT_EQ(card.windowIcon().cacheKey(), own);
    const struct { int dict; int image; } fills[] = {
        {0, ImageList16::Card},   // unknown on a new card: its own icon stays
        {1, 30}, {2, 31}, {3, 32}, {4, 33}, {9, 49},
        {7, 49},                  // unknown on a refilled card: the previous article's
    };
    for (const auto &f : fills) {
        card.fill(QStringLiteral("w"), *article, 1, f.dict, 11);
        EXPECT_EQ(card.windowIcon().cacheKey(), ImageList16::shared().icon(f.image).cacheKey()) << f.dict;
    }
}

// A headword from the data files may hold line breaks, control and
// direction characters: the card's title stays one line, left to right,
// with the control characters shown as placeholders.
TEST(FormCard, HostileHeadwordKeepsTheTitleOnOneLineLeftToRight)
{
    const auto article = styledArticle();
    TFormCard card(nullptr);
    const struct {
        const char *name;
        QString word;
        QString title;
    } cases[] = {
        {"plain", QStringLiteral("дом"), QStringLiteral("дом")},
        {"CR LF", QStringLiteral("дом\r\nлес"), QStringLiteral("дом\u240D\u240Aлес")},
        {"tab and a control below 0x20", QStringLiteral("a\tb\x01"), QStringLiteral("a\u2409b\u2401")},
        {"DEL and a control of 0x80-0x9F", QStringLiteral("a\x7f\u0085"), QStringLiteral("a\u2421\uFFFD")},
        {"line separator", QStringLiteral("a\u2028b"), QStringLiteral("a\uFFFDb")},
        {"right-to-left override", QStringLiteral("\u202Eдом"), QStringLiteral("дом")},
        {"embedding and isolate", QStringLiteral("\u202Bд\u202C\u2067о\u2069м"), QStringLiteral("дом")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        card.fill(c.word, *article, 1, 1, 11);
        EXPECT_EQ(card.windowTitle(), c.title);
    }
}

TEST(FormCard, CopyIsOfferedOnlyWithASelection)
{
    const auto article = styledArticle();
    TFormCard card(nullptr);
    card.show();
    card.fill(QStringLiteral("дом"), *article, 1, 1, 11);
    card.Editor->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("прежнее"));

    card.PMenuEditPopup();
    EXPECT_FALSE(card.PMenuEditCopy->isEnabled());

    QTextCursor cursor = card.Editor->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    card.Editor->setTextCursor(cursor);
    card.PMenuEditPopup();
    EXPECT_TRUE(card.PMenuEditCopy->isEnabled());
    card.PMenuEditCopy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("д"));
}

TEST(FormCard, EscapeClosesTheCardFromAnyOfItsControls)
{
    for (const bool atEditor : {true, false}) {
        QPointer<TFormCard> card = new TFormCard(nullptr);
        QSignalSpy closing(card.data(), &TFormCard::closing);
        card->show();
        QWidget *target = atEditor ? static_cast<QWidget *>(card->Editor) : card.data();
        QTest::keyClick(target, Qt::Key_A);
        EXPECT_TRUE(card->isVisible());
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_EQ(closing.count(), 1) << atEditor;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(card.isNull()) << atEditor;   // destroyed once closed
    }
}

TEST(CardPositions, CascadeOnA1024x768ScreenWrapsEachAxisAfterPassingScreenMinusCard)
{
    // 1024 - 350 = 674 < 680: the left wraps after the card at 680 (the
    // 18th); 768 - 230 = 538 < 540: the top wraps after the card at 540
    // (the 19th). The window tests see the first cards open down this
    // cascade.
    const QSize screen(1024, 768), card(350, 230);
    const struct { QPoint from; QPoint to; } steps[] = {
        {{0, 0}, {40, 30}},
        {{640, 510}, {680, 540}},
        {{680, 510}, {0, 540}},     // the 18th card: the left wraps alone
        {{0, 540}, {40, 0}},        // the 19th: the top wraps alone
        {{680, 540}, {0, 0}},
        {{674, 538}, {714, 568}},   // exactly at screen minus card: still grows
        {{675, 539}, {0, 0}},       // one past: wraps
    };
    for (const auto &s : steps)
        EXPECT_EQ(advanceCardPosition(s.from, card, screen), s.to) << s.from.x() << "," << s.from.y();
}

TEST(CardBook, CountsTheOpenCardsAndTheLastToCloseResetsThePosition)
{
    // Each row closes cards of a book holding a and b, next position
    // (80, 60); the window's closing test sees each way of closing reach it.
    enum Card { A, B, Stranger };
    const struct {
        const char *what;
        QList<Card> closing;
        bool lastClosed;   // what the last call of closed() says
        int count;
        QPoint next;
    } cases[] = {
        {"one of two: the position stays", {B}, false, 1, {80, 60}},
        {"both: the position goes back to the corner", {B, A}, true, 0, {0, 0}},
        {"the oldest first", {A, B}, true, 0, {0, 0}},
        {"a card closed again changes nothing", {B, B}, false, 1, {80, 60}},
        {"a card never added changes nothing", {Stranger}, false, 2, {80, 60}},
        {"after the last, nothing goes below 0", {A, B, B, A}, false, 0, {0, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TFormCard a(nullptr), b(nullptr), stranger(nullptr);
        TFormCard *cards[] = {&a, &b, &stranger};
        CardBook book;
        book.added(&a);
        book.added(&b);
        book.setNextPosition(QPoint(80, 60));
        bool last = false;
        for (Card card : c.closing)
            last = book.closed(cards[card]);
        EXPECT_EQ(last, c.lastClosed);
        EXPECT_EQ(book.count(), c.count);
        EXPECT_EQ(book.nextPosition(), c.next);
    }
}
