// The settings dialog: Apply stores and runs only what changed, Cancel and
// its kin discard everything, the fields keep their ranges, the font list
// and the preview follow the rules of the dialog.

#include "app/setup/formsetup.h"
#include "app/setup/setupvalues.h"
#include "ui/clampedspinbox.h"
#include "ui/colorbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>
#include <tuple>
#include <gtest/gtest.h>

namespace lumolex {
namespace {

const QStringList kFonts = {QStringLiteral("Verdana"), QStringLiteral("arial"), QStringLiteral("DejaVu Sans"),
                            QStringLiteral("Tahoma"), QStringLiteral("Courier New")};

struct Counts {
    int fonts = 0;
    int transparency = 0;
    int lists = 0;
    SetupActions actions()
    {
        return {[this] { ++fonts; }, [this] { ++transparency; }, [this] { ++lists; }};
    }
};

TEST(SetupApply, RunsOnlyWhatChangedAndStoresEveryValue)
{
    const struct {
        const char *what;
        std::function<void(SetupValues &)> change;
        SetupApply::Ran ran;
    } cases[] = {
        {"nothing", [](SetupValues &) {}, {}},
        {"check boxes and card size", [](SetupValues &v) { v.HintWord = false; v.CardWidth = 500; v.SaveParam = false; }, {}},
        {"list size", [](SetupValues &v) { v.FontSizeList = 13; }, {true, false, false}},
        {"text size", [](SetupValues &v) { v.FontSizeText = 20; }, {true, false, false}},
        {"card font size only", [](SetupValues &v) { v.FontSizeCard = 14; }, {true, false, false}},
        {"font name", [](SetupValues &v) { v.FontNameLumo = QStringLiteral("Verdana"); }, {true, false, false}},
        {"font name in other letter case", [](SetupValues &v) { v.FontNameLumo = QStringLiteral("tahoma"); }, {true, false, false}},
        {"no font selected", [](SetupValues &v) { v.FontNameLumo.clear(); }, {}},
        {"transparency", [](SetupValues &v) { v.Transparency = 30; }, {false, true, false}},
        {"TranspCard only", [](SetupValues &v) { v.TranspCard = false; }, {}},
        {"colour only", [](SetupValues &v) { v.ColorEvenLines = 0x00FF00; }, {false, false, true}},
        {"even lines only", [](SetupValues &v) { v.EvenLines = false; }, {false, false, true}},
        {"all three", [](SetupValues &v) { v.FontSizeList = 9; v.Transparency = 90; v.EvenLines = false; }, {true, true, true}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Settings settings;
        Counts counts;
        SetupValues values = SetupValues::of(settings);
        c.change(values);
        const SetupApply::Ran ran = SetupApply(&settings, counts.actions()).apply(values);
        EXPECT_EQ(ran, c.ran);
        EXPECT_EQ(counts.fonts, c.ran.fonts ? 1 : 0);
        EXPECT_EQ(counts.transparency, c.ran.transparency ? 1 : 0);
        EXPECT_EQ(counts.lists, c.ran.lists ? 1 : 0);
        // Every value is now the settings' own; an empty name keeps the stored one.
        SetupValues expected = values;
        if (expected.FontNameLumo.isEmpty())
            expected.FontNameLumo = Settings().FontNameLumo;
        EXPECT_EQ(SetupValues::of(settings), expected);
    }
}

TEST(SetupRanges, ValuesAndTypedTextAreBroughtToTheNearestBound)
{
    // Each text is typed into a field of each range; a number is also
    // applied to every field of its range.
    const struct {
        const char *typed;
        int fontSize;      // 8..72
        int card;          // 100..900
        int transparency;  // 0..90
    } cases[] = {
        {"7", 8, 100, 7}, {"8", 8, 100, 8}, {"72", 72, 100, 72}, {"73", 72, 100, 73},
        {"90", 72, 100, 90}, {"91", 72, 100, 90}, {"100", 72, 100, 90}, {"900", 72, 900, 90},
        {"901", 72, 900, 90}, {"-5", 8, 100, 0}, {"-3", 8, 100, 0}, {" 20 ", 20, 100, 20},
        {"abc", 8, 100, 0}, {"", 8, 100, 0}, {"12x", 8, 100, 0}, {"99999999999999999999", 72, 900, 90},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        const QString typed = QString::fromUtf8(c.typed);
        for (const auto &[minimum, maximum, value] :
             {std::tuple{8, 72, c.fontSize}, std::tuple{100, 900, c.card}, std::tuple{0, 90, c.transparency}}) {
            SCOPED_TRACE(maximum);
            ClampedSpinBox field(minimum, maximum);
            field.setValue(30);
            field.lineEdit()->setText(typed);
            EXPECT_EQ(field.clampedValue(), value);
            // Taking the text (Enter, leaving the field) gives the same value.
            field.interpretText();
            QTest::keyClick(&field, Qt::Key_Return);
            EXPECT_EQ(field.value(), value);
        }

        bool number = false;
        const int in = typed.trimmed().toInt(&number);
        if (!number)
            continue;
        Settings settings;
        SetupValues values = SetupValues::of(settings);
        values.FontSizeList = values.FontSizeText = values.FontSizeCard = in;
        values.CardWidth = values.CardHeight = in;
        values.Transparency = in;
        SetupApply(&settings, {}).apply(values);
        EXPECT_EQ(settings.FontSizeList, c.fontSize);
        EXPECT_EQ(settings.FontSizeText, c.fontSize);
        EXPECT_EQ(settings.FontSizeCard, c.fontSize);
        EXPECT_EQ(settings.CardWidth, c.card);
        EXPECT_EQ(settings.CardHeight, c.card);
        EXPECT_EQ(settings.Transparency, c.transparency);
    }
    // The colour of the even lines is a 0x00BBGGRR value.
    for (const auto &[given, kept] : {std::pair{0xFFFFFF, 0xFFFFFF}, {0x1000000, 0xFFFFFF}, {0, 0}, {-1, 0}}) {
        Settings settings;
        SetupValues values = SetupValues::of(settings);
        values.ColorEvenLines = given;
        SetupApply(&settings, {}).apply(values);
        EXPECT_EQ(settings.ColorEvenLines, kept) << given;
    }
}

TEST(ClampedSpinBox, ArrowsStopAtTheBounds)
{
    ClampedSpinBox field(8, 72);
    field.setValue(72);
    field.stepUp();
    EXPECT_EQ(field.value(), 72);
    field.setValue(8);
    field.stepDown();
    EXPECT_EQ(field.value(), 8);
}

// Font matching as a font system does it: an installed family in any
// letter case, otherwise its default family, DejaVu Sans.
InstalledFonts fontsMatchedLikeASystem(const QStringList &families)
{
    return InstalledFonts(families, [families](const QString &family) {
        for (const QString &installed : families)
            if (installed.compare(family, Qt::CaseInsensitive) == 0)
                return installed;
        return QStringLiteral("DejaVu Sans");
    });
}

// The dialog over a small article and the given settings.
struct DialogFixture {
    explicit DialogFixture(const Settings &initial = Settings(), const QStringList &fonts = kFonts)
        : settings(initial)
    {
        article.setPlainText(QStringLiteral("первая строка\nвторая строка"));
        dialog = std::make_unique<TFormSetup>(&settings, &article, counts.actions(), fontsMatchedLikeASystem(fonts));
    }
    Settings settings;
    QTextDocument article;
    Counts counts;
    std::unique_ptr<TFormSetup> dialog;
};

TEST(SetupDialog, EnterOrApplyAtOnceKeepEverythingAndCancelEscOrCloseBoxDiscardEvenTheDefaults)
{
    const struct {
        const char *how;
        std::function<void(TFormSetup *)> act;
        bool applies;
    } ends[] = {
        {"Return", [](TFormSetup *d) { QTest::keyClick(d, Qt::Key_Return); }, true},
        {"Enter in a field", [](TFormSetup *d) { QTest::keyClick(d->SpinEditFontSizeList, Qt::Key_Enter); }, true},
        {"Return on a check box", [](TFormSetup *d) { QTest::keyClick(d->CheckBoxHint, Qt::Key_Return); }, true},
        {"Apply", [](TFormSetup *d) { d->SpeedButtonOk->click(); }, true},
        {"Cancel", [](TFormSetup *d) { d->SpeedButtonCancel->click(); }, false},
        {"Esc", [](TFormSetup *d) { QTest::keyClick(d, Qt::Key_Escape); }, false},
        {"Esc in the font list", [](TFormSetup *d) { QTest::keyClick(d->ComboBoxFontName, Qt::Key_Escape); }, false},
        {"close box", [](TFormSetup *d) { d->close(); }, false},
    };
    Settings stored;
    stored.FontNameLumo = QStringLiteral("Verdana");
    stored.FontSizeList = 9;
    stored.FontSizeText = 30;
    stored.CardWidth = 800;
    stored.HintWord = false;
    stored.Transparency = 40;
    stored.ColorEvenLines = 0x123456;
    stored.EvenLines = false;
    for (const auto &e : ends) {
        SCOPED_TRACE(e.how);
        DialogFixture f(stored);
        f.dialog->show();
        if (!e.applies) {
            // Even the defaults put in the fields are discarded.
            f.dialog->SpeedButtonBegin->click();
            ASSERT_EQ(f.dialog->values().CardWidth, 350);
            ASSERT_EQ(f.dialog->values().FontNameLumo, QStringLiteral("Tahoma"));
        }
        e.act(f.dialog.get());
        EXPECT_EQ(f.dialog->result(), e.applies ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(f.dialog->isVisible());
        EXPECT_EQ(f.settings, stored);
        EXPECT_EQ(f.counts.fonts + f.counts.transparency + f.counts.lists, 0);
    }
}

TEST(SetupDialog, DefaultsPutTheDefaultValuesAndTahomaOnlyWhenInstalled)
{
    const struct {
        const char *what;
        QStringList fonts;
        QString stored;
        QString selectedAfter;   // empty: none selected
    } cases[] = {
        {"Tahoma installed", kFonts, QStringLiteral("Verdana"), QStringLiteral("Tahoma")},
        {"Tahoma missing", {QStringLiteral("Verdana"), QStringLiteral("arial")}, QStringLiteral("Verdana"), QStringLiteral("Verdana")},
        {"Tahoma missing, nothing selected", {QStringLiteral("Verdana")}, QStringLiteral("Nowhere"), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Settings stored;
        stored.FontNameLumo = c.stored;
        stored.FontSizeList = 40;
        stored.Transparency = 70;
        stored.OpenCardWin = false;
        stored.ColorEvenLines = 0x0000FF;
        DialogFixture f(stored, c.fonts);
        f.dialog->SpeedButtonBeginClick();
        SetupValues expected = SetupValues::of(Settings());
        expected.FontNameLumo = c.selectedAfter;
        EXPECT_EQ(f.dialog->values(), expected);
    }
}

TEST(SetupDialog, FontListShowsTheStoredFontOrTheOneDrawnInItsPlaceAndApplyKeepsTheStoredName)
{
    // A stored font that is not installed (or differs in letter case) shows
    // the font the text is drawn in; left as shown, Apply keeps the stored
    // name; picked by the user, that font is stored.
    const struct {
        const char *stored;
        QStringList fonts;
        int shown;   // index in the sorted list, -1: none
        int picked = -1;   // the index the user picks, -1: the shown one
    } cases[] = {
        {"Tahoma", kFonts, 3},
        {"tahoma", kFonts, 3},
        {"Verdana", kFonts, 4},
        {"Verdana", kFonts, 4, 0},   // the first of the list
        {"arial", kFonts, 0},
        {"Arial", kFonts, 0},
        {"Missing", kFonts, 2},   // drawn in DejaVu Sans
        {"Tahoma", {"Verdana", "DejaVu Sans"}, 0},
        {"Tahoma", {"Verdana"}, -1},   // the font in use is not listed
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        SCOPED_TRACE(c.fonts.join(u',').toStdString());
        Settings stored;
        stored.FontNameLumo = QString::fromUtf8(c.stored);
        stored.FontSizeText = 11;
        DialogFixture f(stored, c.fonts);
        QComboBox *list = f.dialog->ComboBoxFontName;
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        if (c.fonts == kFonts) {
            EXPECT_EQ(shown, (QStringList{"arial", "Courier New", "DejaVu Sans", "Tahoma", "Verdana"}));
        }
        EXPECT_EQ(list->currentIndex(), c.shown);
        EXPECT_FALSE(list->isEditable());
        // Left as shown, Apply keeps the stored name and applies the sizes.
        f.dialog->SpinEditFontSizeList->setValue(20);
        f.dialog->SpeedButtonOkClick();
        EXPECT_EQ(f.settings.FontNameLumo, stored.FontNameLumo);
        EXPECT_EQ(f.settings.FontSizeList, 20);
        EXPECT_EQ(f.counts.fonts, 1);
        if (c.shown < 0)
            continue;
        // The font picked by the user is stored under its own name.
        const int pick = c.picked >= 0 ? c.picked : c.shown;
        DialogFixture picked(stored, c.fonts);
        picked.dialog->ComboBoxFontName->setCurrentIndex(pick);
        picked.dialog->ComboBoxFontNameChange();
        picked.dialog->SpeedButtonOkClick();
        EXPECT_EQ(picked.settings.FontNameLumo, shown.value(pick));
    }
}

TEST(SetupDialog, FontListOnThisSystemShowsTheFontTheTextIsDrawnIn)
{
    // Tahoma, the default, is missing on most free systems.
    Settings stored;
    stored.FontNameLumo = QStringLiteral("Tahoma");
    QTextDocument article;
    Counts counts;
    TFormSetup dialog(&stored, &article, counts.actions());
    const QString drawnIn = QFontInfo(QFont(QStringLiteral("Tahoma"))).family();
    ASSERT_FALSE(drawnIn.isEmpty());
    EXPECT_EQ(dialog.ComboBoxFontName->currentText(), drawnIn);
    dialog.SpeedButtonOkClick();
    EXPECT_EQ(stored.FontNameLumo, QStringLiteral("Tahoma"));
}

QTextCharFormat previewFormat(const TFormSetup &dialog)
{
    const QTextBlock block = dialog.Editor->document()->firstBlock();
    return block.begin().fragment().charFormat();
}

TEST(SetupDialog, PreviewShowsTheArticleInTheFontOfTheFieldChanged)
{
    Settings stored;
    stored.FontNameLumo = QStringLiteral("Verdana");
    stored.FontSizeText = 14;
    stored.FontSizeCard = 18;
    DialogFixture f(stored);
    TFormSetup &d = *f.dialog;
    EXPECT_EQ(d.Editor->toPlainText(), f.article.toPlainText());
    EXPECT_TRUE(d.Editor->isReadOnly());
    EXPECT_EQ(previewFormat(d).fontPointSize(), 14);
    EXPECT_EQ(previewFormat(d).fontFamilies().toStringList(), QStringList{"Verdana"});
    const QTextBlockFormat indents = d.Editor->document()->firstBlock().blockFormat();
    EXPECT_GT(indents.leftMargin(), 0);
    EXPECT_EQ(indents.textIndent(), indents.leftMargin());   // first line 6 points, the others 3
    EXPECT_EQ(indents.rightMargin(), indents.leftMargin());

    const struct {
        const char *what;
        std::function<void()> change;
        double size;
        const char *family;
    } steps[] = {
        {"card size shows", [&] { d.SpinEditFontSizeCard->setValue(20); }, 20, "Verdana"},
        {"text size shows", [&] { d.SpinEditFontSizeText->setValue(16); }, 16, "Verdana"},
        {"list size has no preview", [&] { d.SpinEditFontSizeList->setValue(40); }, 16, "Verdana"},
        {"picked font at the text size", [&] {
             d.ComboBoxFontName->setCurrentIndex(1);
             d.ComboBoxFontNameChange();
         }, 16, "Courier New"},
        {"typed card size out of range", [&] {
             d.SpinEditFontSizeCard->lineEdit()->setText(QStringLiteral("99"));
             d.SpinEditFontSizeCard->interpretText();
         }, 72, "Courier New"},
        {"no selection keeps the family", [&] {
             d.ComboBoxFontName->setCurrentIndex(-1);
             d.SpinEditFontSizeText->setValue(12);
         }, 12, "Courier New"},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        EXPECT_EQ(previewFormat(d).fontPointSize(), step.size);
        EXPECT_EQ(previewFormat(d).fontFamilies().toStringList(), QStringList{QString::fromUtf8(step.family)});
        EXPECT_EQ(d.Editor->textCursor().position(), 0);
        EXPECT_EQ(d.Editor->document()->firstBlock().blockFormat().leftMargin(), indents.leftMargin());
    }
    // The main article view's document is untouched.
    EXPECT_EQ(f.article.firstBlock().blockFormat().leftMargin(), 0);
}

TEST(SetupDialog, CustomColourComesFromThePickerAndACancelledPickKeepsTheColour)
{
    const struct {
        const char *what;
        QColor picked;      // invalid: the picker was cancelled
        int stored;
        bool repaint;
    } cases[] = {
        {"picked", QColor(0x12, 0x34, 0x56), 0x563412, true},
        {"cancelled", QColor(), 16119285, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DialogFixture f;
        ColorBox *box = f.dialog->ColorBox1;
        EXPECT_EQ(box->currentIndex(), ColorBox::CustomIndex);   // 0xF5F5F5 is no listed colour
        box->setColor(Qt::red);
        box->setColor(colorFromBgr(16119285));
        box->setPicker([&](const QColor &, QWidget *) { return c.picked; });
        emit box->activated(ColorBox::CustomIndex);
        f.dialog->SpeedButtonOkClick();
        EXPECT_EQ(f.settings.ColorEvenLines, c.stored);
        EXPECT_EQ(f.counts.lists, c.repaint ? 1 : 0);
    }
    // A listed colour.
    DialogFixture f;
    f.dialog->ColorBox1->setColor(QColor(0x80, 0, 0));
    EXPECT_NE(f.dialog->ColorBox1->currentIndex(), ColorBox::CustomIndex);
    f.dialog->SpeedButtonOkClick();
    EXPECT_EQ(f.settings.ColorEvenLines, 0x000080);
    EXPECT_EQ(f.counts.lists, 1);
}

} // namespace
} // namespace lumolex
