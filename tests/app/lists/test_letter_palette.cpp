// The letter palette and the Alt keys of the Kildin letters: a click types
// into the text field that last had the focus and gives it the focus back;
// Alt + the key of a Russian letter types its Kildin variant in the word box
// and the search field; no Alt key of a menu is taken; the «Вид» item shows
// and hides the palette and the choice is stored.

#include "appfixture.h"

#include "app/lists/wordlistview.h"
#include "app/search/findpanel.h"
#include "app/lists/letterpalette.h"
#include "app/window/mainmenu.h"
#include "app/lists/wordpanel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

namespace {

const QString Macron = QStringLiteral("\u0304");

class LetterPaletteTest : public StartedWindow
{
protected:
    void started() override
    {
        window->activateWindow();
        window->menu->N28->trigger(); // the search panel, for its field
        QApplication::processEvents();
        wordBox = window->PanelWord->EditWord->lineEdit();
        searchField = window->PanelFind->EditFind->lineEdit();
        palette = window->PanelWord->PanelLetters;
    }

    QToolButton *button(const QString &letter) const
    {
        const QList<LetterPalette::Letter> &letters = LetterPalette::letters();
        for (qsizetype i = 0; i < letters.size(); ++i) {
            if (letters[i].text == letter)
                return palette->buttons.at(i);
        }
        return nullptr;
    }

    void focus(QLineEdit *field)
    {
        field->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

public:
    QLineEdit *wordBox = nullptr;
    QLineEdit *searchField = nullptr;
    LetterPalette *palette = nullptr;
};

TEST_F(LetterPaletteTest, AClickTypesIntoTheLastFocusedField)
{
    ASSERT_TRUE(palette->isVisible());
    ASSERT_EQ(palette->buttons.size(), 14);
    const struct {
        const char *what;
        QLineEdit *LetterPaletteTest::*field;
        QString before;
        QString click;
        QString after;
    } cases[] = {
        {"a letter in the word box", &LetterPaletteTest::wordBox, QStringLiteral("ма"), QStringLiteral("ӈ"),
         QStringLiteral("маӈ")},
        {"a letter in the search field", &LetterPaletteTest::searchField, QStringLiteral("у"), QStringLiteral("ј"),
         QStringLiteral("уј")},
        {"the macron joins the letter before the cursor", &LetterPaletteTest::searchField, QStringLiteral("ла"),
         Macron, QStringLiteral("ла") + Macron},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QLineEdit *field = this->*c.field;
        focus(field);
        field->setText(c.before);
        // A click on the list or anywhere else leaves the field that had the focus the target.
        window->PanelWord->DBGrid1->setFocus();
        QApplication::processEvents();
        QToolButton *target = button(c.click);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(field->text(), c.after);
        // The focus is back in the field (or the combo box that owns it).
        EXPECT_TRUE(QApplication::focusWidget() == field || QApplication::focusWidget() == field->parentWidget());
        EXPECT_EQ(palette->lastField(), field);
    }
}

TEST_F(LetterPaletteTest, AltKeysTypeKildinLettersInTextFields)
{
    const struct {
        int key;
        const char *text;
        Qt::KeyboardModifiers modifiers;
        const char *typed; // empty: the key types nothing of the palette
    } cases[] = {
        {0x041D, "н", Qt::AltModifier, "ӈ"},   {0x041B, "л", Qt::AltModifier, "ӆ"},
        {0x0420, "р", Qt::AltModifier, "ҏ"},   {0x042C, "ь", Qt::AltModifier, "ҍ"},
        {0x0425, "х", Qt::AltModifier, "һ"},   {0x0419, "й", Qt::AltModifier, "ј"},
        {0x042D, "э", Qt::AltModifier, "ӭ"},   {0x0410, "а", Qt::AltModifier, "ӓ"},
        {0x0418, "и", Qt::AltModifier, "ӣ"},   {0x0423, "у", Qt::AltModifier, "ӯ"},
        {0x041A, "к", Qt::AltModifier, "ҋ"},   {0x041C, "м", Qt::AltModifier, "ӎ"},
        {Qt::Key_Minus, "-", Qt::AltModifier, "\u0304"},
        {0x041D, "Н", Qt::AltModifier | Qt::ShiftModifier, "Ӈ"},
        {0x041D, "н", Qt::AltModifier | Qt::ControlModifier, ""},
        {0x041E, "о", Qt::AltModifier, ""},
        {0x041D, "н", Qt::NoModifier, ""},
    };
    for (QLineEdit *field : {wordBox, searchField}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << field->objectName().toStdString() << " " << c.text);
            const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.text));
            EXPECT_EQ(LetterPalette::typedWithAlt(event), QString::fromUtf8(c.typed));
        }
        focus(field);
        field->setText(QStringLiteral("ма"));
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key(0x041D), QStringLiteral("н"), Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key(0x041D), QStringLiteral("н"), Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_Minus, QStringLiteral("-"), Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_EQ(field->text(), QStringLiteral("маӈӈ") + Macron);
    }
}

// Every Alt shortcut of the menus, and every mnemonic a menu text may carry,
// keeps its key: the palette takes none of them.
TEST_F(LetterPaletteTest, NoMenuAltKeyIsTaken)
{
    QList<QAction *> actions;
    QList<QMenu *> menus;
    for (QAction *top : window->menuBar()->actions()) {
        actions << top;
        if (top->menu())
            menus << top->menu();
    }
    for (qsizetype i = 0; i < menus.size(); ++i) {
        for (QAction *item : menus[i]->actions()) {
            actions << item;
            if (item->menu())
                menus << item->menu();
        }
    }
    int altKeys = 0;
    for (QAction *action : actions) {
        for (const QKeySequence &sequence : action->shortcuts()) {
            const QKeyCombination combination = sequence[0];
            if (!(combination.keyboardModifiers() & Qt::AltModifier))
                continue;
            ++altKeys;
            const QKeyEvent event(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
            EXPECT_TRUE(LetterPalette::typedWithAlt(event).isEmpty()) << action->objectName().toStdString();
        }
        const qsizetype amp = action->text().indexOf(u'&');
        if (amp >= 0 && amp + 1 < action->text().size()) {
            const QChar mnemonic = action->text().at(amp + 1).toUpper();
            const QKeyEvent event(QEvent::KeyPress, mnemonic.unicode(), Qt::AltModifier, QString(mnemonic));
            EXPECT_TRUE(LetterPalette::typedWithAlt(event).isEmpty()) << action->objectName().toStdString();
        }
    }
    EXPECT_GE(altKeys, 1); // Alt+F4 at least
}

TEST_F(LetterPaletteTest, ViewMenuShowsAndHidesThePaletteAndTheChoiceIsStored)
{
    QAction *item = window->menu->MainMenuPanelLetters;
    ASSERT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(palette->isVisible());
    EXPECT_FALSE(window->settings.PanelLetters);
    fixture.close();
    EXPECT_EQ(fixture.readSetting(QStringLiteral("PanelLetters")), QStringLiteral("0"));

    TFormLumoLex *again = fixture.start();
    EXPECT_FALSE(again->PanelWord->PanelLetters->isVisible());
    EXPECT_FALSE(again->menu->MainMenuPanelLetters->isChecked());
    again->menu->MainMenuPanelLetters->trigger();
    EXPECT_TRUE(again->PanelWord->PanelLetters->isVisible());
}

} // namespace
