// The record change: word box and guard, steps, bodies of every kind,
// masking through the whole rendering, the imposed font, the link line and
// the enabled commands.
#include "windowfixture.h"

#include "article/view/richtextview.h"
#include "rtf/rtfwriter.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTest>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

std::vector<ArticleRow> dictionaryRows()
{
    return {{1, 1, QStringLiteral("дом"), rtfBody(QStringLiteral("жилище")), QStringLiteral("изба")},
            {2, 1, QStringLiteral("изба"), rtfBody(QStringLiteral("деревянный дом"))},
            {3, 1, QStringLiteral("кот"), nullBody()},
            {4, 1, QStringLiteral("кошка"), emptyBody()},
            {5, 1, QStringLiteral("лиса"), QVariant(QByteArray("not a zlib stream"))},
            {6, 1, QStringLiteral("мышь"), deflateBody("plain words, no markup")}};
}

// Every character of the document, paragraph marks included, carries the font.
void expectFontEverywhere(const QTextDocument &doc, const ArticleFont &font)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.charFormat().fontFamilies().toStringList(), QStringList{font.family});
        EXPECT_EQ(block.charFormat().fontPointSize(), font.pointSize);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{font.family}) << it.fragment().text().toStdString();
            EXPECT_EQ(format.fontPointSize(), font.pointSize);
            EXPECT_FALSE(format.hasProperty(QTextFormat::FontPixelSize));
        }
    }
}

class RendererTest : public testing::Test
{
protected:
    ArticleWindow w{articleTable(dictionaryRows())};
};

} // namespace

TEST_F(RendererTest, MovingTheListWritesTheWordSelectedAndRecordsAStep)
{
    w.articles->first();
    EXPECT_EQ(w.wordBox->currentText(), QStringLiteral("дом"));
    EXPECT_EQ(w.wordBox->lineEdit()->selectedText(), QStringLiteral("дом"));
    EXPECT_EQ(w.article(), QStringLiteral("жилище"));
    EXPECT_EQ(w.steps->steps().currentStep(), 1);
    EXPECT_FALSE(w.guard);

    w.articles->next();
    EXPECT_EQ(w.wordBox->currentText(), QStringLiteral("изба"));
    EXPECT_EQ(w.steps->steps().currentId(), 2);
    EXPECT_TRUE(w.stepBack->isEnabled());
    EXPECT_TRUE(w.menuBack.isEnabled());
    EXPECT_FALSE(w.guard);
}

TEST_F(RendererTest, TypingMovesTheListWithoutTouchingTheTextOrRecordingSteps)
{
    w.articles->first();
    for (const auto &[typed, id] : {std::pair{QStringLiteral("КО"), 3}, std::pair{QStringLiteral("КОШ"), 4}}) {
        w.wordBox->setEditText(typed);   // the type-ahead raises the guard
        EXPECT_EQ(currentId(*w.articles), id);
        EXPECT_EQ(w.wordBox->currentText(), typed);
        EXPECT_EQ(w.steps->steps().currentStep(), 1);
        EXPECT_FALSE(w.guard);
    }
}

TEST_F(RendererTest, RaisedGuardOrRecordingOffRecordNoStep)
{
    w.articles->first();
    w.guard = true;
    w.articles->next();
    EXPECT_FALSE(w.guard);
    EXPECT_EQ(w.wordBox->currentText(), QStringLiteral("дом"));   // left as it was
    EXPECT_EQ(w.article(), QStringLiteral("деревянный дом"));
    EXPECT_EQ(w.steps->steps().currentStep(), 1);

    w.steps->setRecording(false);
    w.articles->next();
    EXPECT_EQ(w.steps->steps().currentStep(), 1);
    EXPECT_EQ(w.wordBox->currentText(), QStringLiteral("кот"));
}

TEST_F(RendererTest, EveryKindOfBodyIsShownAndDecidesTheFindCommands)
{
    // Null and empty bodies leave the view empty, a damaged one a notice (nullptr
    // here); only a null body disables find. The walk switches find off and on.
    const struct { int id; BodyKind kind; const char *text; bool find; } walk[] = {
        {2, BodyKind::RichText, "деревянный дом", true},
        {3, BodyKind::Null, "", false},
        {4, BodyKind::Empty, "", true},
        {3, BodyKind::Null, "", false},
        {5, BodyKind::Damaged, nullptr, true},
        {6, BodyKind::PlainText, "plain words, no markup", true},
    };
    for (const auto &step : walk) {
        SCOPED_TRACE(step.id);
        if (step.kind == BodyKind::PlainText)
            w.font = ArticleFont{QStringLiteral("OtherFamily"), 9}; // read at every change
        ASSERT_TRUE(gotoId(*w.articles, step.id));
        EXPECT_EQ(w.renderer->lastBodyKind(), step.kind);
        if (step.text)
            EXPECT_EQ(w.article(), QString::fromUtf8(step.text));
        else
            EXPECT_FALSE(w.article().isEmpty());
        EXPECT_EQ(w.menuFind.isEnabled(), step.find);
        EXPECT_EQ(w.panel->ToolButtonFind->isEnabled(), step.find);
        // Everything else as usual, whatever the body.
        EXPECT_EQ(w.wordBox->currentText(), w.articles->value(u"WORD").toString());
        EXPECT_EQ(w.steps->steps().currentId(), step.id);
        EXPECT_FALSE(w.guard);
        EXPECT_TRUE(w.startEnabled());
    }
    expectFontEverywhere(*w.panel->Editor->document(), w.font);
}

TEST_F(RendererTest, ImposedFontCoversEveryCharacterAndKeepsOtherFormatting)
{
    auto table = articleTable({{1, 1, QStringLiteral("дом"),
                                deflateBody("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                                            "\\f0\\fs40 big {\\b\\f1\\fs16 bold}\\par\\par {\\i tail}}")}});
    ArticleWindow window(std::move(table));
    window.articles->first();
    const QTextDocument &doc = *window.panel->Editor->document();
    expectFontEverywhere(doc, window.font);

    bool sawBold = false;
    bool sawItalic = false;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            sawBold |= it.fragment().text().contains(QStringLiteral("bold"))
                       && it.fragment().charFormat().fontWeight() == QFont::Bold;
            sawItalic |= it.fragment().text().contains(QStringLiteral("tail"))
                         && it.fragment().charFormat().fontItalic();
        }
    }
    EXPECT_TRUE(sawBold);
    EXPECT_TRUE(sawItalic);
}

TEST_F(RendererTest, ShownDocumentIsMaskedAndWrittenAsRtfCarriesMaskAndFont)
{
    // The stems and their cases are the masking tests' matter; here: the view shows the masked text,
    // and a card window receives the article view's document as RTF.
    auto table = articleTable({{1, 1, QStringLiteral("дом"), rtfBody(QStringLiteral("похуй"))}});
    ArticleWindow window(std::move(table));
    window.articles->first();
    EXPECT_EQ(window.article(), QStringLiteral("поxxx"));
    const QByteArray rtf = rtf::writeDocument(*window.panel->Editor->document());
    EXPECT_TRUE(rtf.contains("TestFamily"));
    EXPECT_TRUE(rtf.contains("\\fcharset204"));
    EXPECT_TRUE(rtf.contains("\\fs34"));
    EXPECT_TRUE(rtf.contains("xxx"));
}

TEST_F(RendererTest, LinkLineAndLinkCommandsFollowGoto)
{
    w.articles->first();
    EXPECT_EQ(w.linkLine(), QStringLiteral(" изба "));
    EXPECT_TRUE(w.menuLink.isEnabled());
    EXPECT_TRUE(w.panel->ToolButtonLink->isEnabled());
    w.articles->next();
    EXPECT_EQ(w.linkLine(), QStringLiteral("  "));
    EXPECT_FALSE(w.menuLink.isEnabled());
    EXPECT_FALSE(w.panel->ToolButtonLink->isEnabled());
}

TEST_F(RendererTest, EmptyViewClearsArticleAndWordBoxButKeepsTheHistory)
{
    w.wordBox->addItems({QStringLiteral("карточка1"), QStringLiteral("карточка2")});
    w.articles->first();
    ASSERT_FALSE(w.article().isEmpty());
    const QString linkBefore = w.linkLine();
    const bool startBefore = w.startEnabled();
    const bool endBefore = w.endEnabled();

    w.articles->setFilterText(QStringLiteral("(DICT=0) OR (DICT=7)"));
    ASSERT_TRUE(EmptyTable(*w.articles));
    EXPECT_EQ(w.article(), QString());
    EXPECT_EQ(w.wordBox->currentText(), QString());
    EXPECT_EQ(w.wordBox->count(), 2);
    EXPECT_FALSE(w.menuLink.isEnabled());
    EXPECT_FALSE(w.menuFind.isEnabled());
    EXPECT_FALSE(w.panel->ToolButtonFind->isEnabled());
    EXPECT_EQ(w.linkLine(), linkBefore);
    EXPECT_EQ(w.startEnabled(), startBefore);
    EXPECT_EQ(w.endEnabled(), endBefore);
    EXPECT_FALSE(w.guard);
}

TEST_F(RendererTest, EveryChangeShowsTheTopWithTheCaretAtZero)
{
    QString longText;
    for (int i = 0; i < 200; ++i)
        longText += QStringLiteral("строка %1\n").arg(i);
    auto table = articleTable({{1, 1, QStringLiteral("а"), rtfBody(longText)},
                               {2, 1, QStringLiteral("б"), rtfBody(longText)}});
    ArticleWindow window(std::move(table));
    window.window.show();
    window.articles->first();
    QTextCursor cursor = window.panel->Editor->textCursor();
    cursor.movePosition(QTextCursor::End);
    window.panel->Editor->setTextCursor(cursor);
    window.panel->Editor->ensureCursorVisible();
    ASSERT_GT(window.panel->Editor->verticalScrollBar()->value(), 0);

    window.articles->next();
    EXPECT_EQ(window.panel->Editor->textCursor().position(), 0);
    EXPECT_FALSE(window.panel->Editor->textCursor().hasSelection());
    EXPECT_EQ(window.panel->Editor->verticalScrollBar()->value(), 0);
    EXPECT_EQ(window.panel->caretPositionText(), QStringLiteral("  1 :   1"));
    EXPECT_TRUE(window.panel->scratchDocument()->isEmpty());
}

TEST_F(RendererTest, FocusMovesFromTheWordListToTheWordBox)
{
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.wordList->setFocus();
    ASSERT_TRUE(w.wordList->hasFocus());
    w.articles->first();
    EXPECT_TRUE(w.wordBox->hasFocus());
    EXPECT_EQ(w.wordBox->lineEdit()->selectedText(), QStringLiteral("дом"));

    // Focus elsewhere stays where it is.
    w.panel->Editor->setFocus();
    w.articles->next();
    EXPECT_TRUE(w.panel->Editor->hasFocus());
}
