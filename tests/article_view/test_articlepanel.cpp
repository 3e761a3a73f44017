// The article panel: its controls, the caret position field, the text
// margins and letters typed in the article view.
#include "windowfixture.h"

#include "article/caretposition.h"
#include "article/view/richtextview.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTextFrame>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

TEST(ArticlePanelControls, NamesTextsAndInitialState)
{
    ArticlePanel panel;
    EXPECT_EQ(panel.objectName(), QStringLiteral("PanelTransl"));
    EXPECT_EQ(panel.LabelCaptionTransl->text(), QStringLiteral("Перевод"));
    EXPECT_EQ(panel.ToolButtonLink->toolTip(), QStringLiteral("Идти на ссылку"));
    EXPECT_EQ(panel.ToolButtonFind->toolTip(), QStringLiteral("Поиск в статье"));
    EXPECT_FALSE(panel.ToolButtonLink->isEnabled());
    EXPECT_FALSE(panel.ToolButtonFind->isEnabled());
    EXPECT_EQ(panel.StaticTextLink->text(), QStringLiteral("Ссылка"));
    EXPECT_EQ(panel.StaticTextLink->font().pixelSize(), 13);
    EXPECT_TRUE(panel.Editor->isReadOnly());
    EXPECT_EQ(panel.Editor->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(panel.Editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(panel.Editor->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(panel.Editor->font().pointSize(), 12);
    EXPECT_TRUE(panel.EditorTmp->isHidden());
    for (const char *name : {"LabelCaptionTransl", "ToolBarTransl", "ToolButtonLink", "ToolButtonFind",
                             "StaticTextLink", "Editor", "EditorTmp"})
        EXPECT_NE(panel.findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(panel.caretPositionText(), QStringLiteral("  1 :   1"));
}

TEST(CaretField, ThreeCharacterFieldsJoinedByColon)
{
    EXPECT_EQ(caretPositionText({0, 0}), QStringLiteral("  1 :   1"));
    EXPECT_EQ(caretPositionText({9, 122}), QStringLiteral(" 10 : 123"));
    EXPECT_EQ(caretPositionText({1233, 99999}), QStringLiteral("1234 : 100000"));
}

class PanelTest : public testing::Test
{
protected:
    PanelTest()
    {
        w.window.show();
        w.articles->first();
    }

    void putCaret(int position)
    {
        QTextCursor cursor = w.panel->Editor->textCursor();
        cursor.setPosition(position);
        w.panel->Editor->setTextCursor(cursor);
    }

    static QString longParagraph()
    {
        QString text;
        for (int i = 0; i < 40; ++i)
            text += QStringLiteral("слово%1 ").arg(i);
        return text.trimmed();
    }

    ArticleWindow w{articleTable({{1, 1, QStringLiteral("а"), rtfBody(QStringLiteral("ab\ncdef"))},
                                  {2, 1, QStringLiteral("б"), rtfBody(longParagraph())}})};
};

TEST_F(PanelTest, CaretFieldCountsParagraphLines)
{
    QSignalSpy reports(w.panel, &ArticlePanel::caretPositionChanged);
    putCaret(5);   // "ab", paragraph break, then "cd|ef"
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_EQ(reports.last().at(0).toString(), QStringLiteral("  2 :   3"));

    // A selection reports its start.
    QTextCursor cursor = w.panel->Editor->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    w.panel->Editor->setTextCursor(cursor);
    EXPECT_EQ(w.panel->caretPositionText(), QStringLiteral("  1 :   2"));
}

TEST_F(PanelTest, CaretFieldCountsWrappedLinesAndFollowsResizes)
{
    w.articles->next();
    w.window.resize(260, 500);
    QApplication::processEvents();
    const int end = w.panel->Editor->document()->characterCount() - 1;
    putCaret(end);
    const CaretPosition narrow = caretPosition(*w.panel->Editor->document(), end);
    ASSERT_GT(narrow.line, 1);
    EXPECT_EQ(w.panel->caretPositionText(), caretPositionText(narrow));
    EXPECT_LT(narrow.column, end);

    QSignalSpy reports(w.panel, &ArticlePanel::caretPositionChanged);
    w.window.resize(4000, 500);
    QApplication::processEvents();
    ASSERT_FALSE(reports.isEmpty());
    const CaretPosition wide = caretPosition(*w.panel->Editor->document(), end);
    EXPECT_LT(wide.line, narrow.line);
    EXPECT_EQ(reports.last().at(0).toString(), caretPositionText(wide));
}

TEST_F(PanelTest, TextMarginsAreTenPixelsLeftAndRightOnly)
{
    const QTextFrameFormat format = w.panel->Editor->document()->rootFrame()->frameFormat();
    EXPECT_EQ(format.leftMargin(), 10);
    EXPECT_EQ(format.rightMargin(), 10);
    EXPECT_EQ(format.topMargin(), 0);
    EXPECT_EQ(format.bottomMargin(), 0);
    w.panel->Editor->document()->rootFrame()->setFrameFormat(QTextFrameFormat());
    w.panel->SetEditRect();
    EXPECT_EQ(w.panel->Editor->document()->rootFrame()->frameFormat().leftMargin(), 10);
}

TEST_F(PanelTest, LetterKeysInTheArticleGoToTheWordBoxOtherKeysAndCtrlStay)
{
    ASSERT_EQ(w.wordBox->currentText(), QStringLiteral("а"));
    QApplication::setActiveWindow(&w.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.panel->Editor->setFocus();
    ASSERT_TRUE(w.panel->Editor->hasFocus());
    // Punctuation and list keys stay in the article, as do Alt and Ctrl keys.
    for (Qt::Key key : {Qt::Key_Semicolon, Qt::Key_Comma, Qt::Key_Period, Qt::Key_Down})
        QTest::keyClick(w.panel->Editor, key);
    QTest::keyClick(w.panel->Editor, Qt::Key_A, Qt::AltModifier);
    w.panel->Editor->selectAll();
    QApplication::clipboard()->clear();
    QTest::keyClick(w.panel->Editor, Qt::Key_C, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(w.wordBox->currentText(), QStringLiteral("а"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ab\ncdef"));
    ASSERT_TRUE(w.panel->Editor->hasFocus());

    // Every letter goes: K, Ж, Б and Ю of a Russian layout (on the keys 186,
    // 188 and 190) and a Kildin letter without a key code.
    const struct { int key; const char *text; } letters[] = {
        {Qt::Key_K, "k"}, {0x0416, "ж"}, {0x0411, "Б"}, {0x042E, "ю"}, {0x04C5, "ӆ"}};
    for (const auto &letter : letters) {
        const QString text = QString::fromUtf8(letter.text);
        SCOPED_TRACE(text.toStdString());
        w.panel->Editor->setFocus();
        QTest::sendKeyEvent(QTest::Click, w.panel->Editor, Qt::Key(letter.key), text, Qt::NoModifier);
        QApplication::processEvents();
        EXPECT_TRUE(w.wordBox->hasFocus());
        EXPECT_EQ(w.wordBox->currentText(), text);   // the headword was replaced
    }

    // A disabled article view sends nothing.
    w.panel->Editor->setEnabled(false);
    QTest::sendKeyEvent(QTest::Click, w.panel->Editor, Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
    QApplication::processEvents();
    EXPECT_EQ(w.wordBox->currentText(), QStringLiteral("ӆ"));
}
