// No text is drawn below the minimum contrast on its background, under a
// light and a dark palette: the word list, the result list, the layout
// indicator, the word hint and the article view are rendered offscreen with
// unsmoothed text, so that every text pixel has the colour the text was
// drawn with, and that colour is measured against the background it lies on.

#include "appfixture.h"

#include "app/lists/resultlistbox.h"
#include "app/lists/rowcolours.h"
#include "app/lists/wordlistview.h"
#include "app/shell/statuspanel.h"
#include "app/store/settings.h"
#include "app/lists/wordpanel.h"
#include "article/view/articlecolours.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"
#include "ui/imagelist16.h"
#include "ui/readablecolour.h"
#include "ui/wordhintwindow.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

namespace lumolex {
namespace {

using test::AppFixture;

// The light palette of the Fusion style and a dark one as a desktop in dark
// mode gives it (a GTK dark theme): dark page, light text, a blue highlight
// on which white text is only about 3.7 : 1.
QPalette lightPalette()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x2d, 0x2d, 0x2d), text(0xee, 0xee, 0xec);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, QColor(0x38, 0x38, 0x38));
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
        dark.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        dark.setColor(group, QPalette::Dark, QColor(0x20, 0x20, 0x20));
    }
    return dark;
}

struct NamedPalette {
    const char *name;
    QPalette palette;
};

std::vector<NamedPalette> bothPalettes()
{
    return {{"light", lightPalette()}, {"dark", darkPalette()}};
}

// The application palette for one test, restored afterwards.
class PaletteScope
{
public:
    explicit PaletteScope(const QPalette &palette)
        : m_saved(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~PaletteScope() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

void unsmoothText(QWidget *widget)
{
    QFont font = widget->font();
    font.setStyleStrategy(QFont::NoAntialias);
    widget->setFont(font);
}

// What one rendered area shows: the text colours found on `background`.
struct Measured {
    int textPixels = 0;
    double lowestContrast = 21;
};

// Every pixel of `area` that is not the background is text (the area holds
// no icon or frame).
Measured measureText(const QImage &image, const QRect &area, const QColor &background)
{
    Measured measured;
    QSet<QRgb> seen;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
            if (pixel == (background.rgb() | 0xFF000000u))
                continue;
            ++measured.textPixels;
            if (!seen.contains(pixel)) {
                seen.insert(pixel);
                measured.lowestContrast = std::min(measured.lowestContrast, contrastRatio(QColor(pixel), background));
            }
        }
    }
    return measured;
}

void expectReadable(const Measured &measured)
{
    EXPECT_GT(measured.textPixels, 0) << "no text was drawn";
    EXPECT_GE(measured.lowestContrast, kMinimumTextContrast);
}

TEST(ContrastRatio, ByRelativeLuminance)
{
    const struct {
        QColor first, second;
        double ratio;
    } cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},   // whichever is lighter
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
        {QColor(0xf5, 0xf5, 0xf5), QColor(0xf5, 0xf5, 0xf5), 1.0},
        {QColor(0x35, 0x84, 0xe4), Qt::white, 3.77},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.first.name().toStdString() + " on " + c.second.name().toStdString());
        EXPECT_NEAR(contrastRatio(c.first, c.second), c.ratio, 0.01);
    }
}

TEST(ReadableTextColour, KeepsWhatReadsAndMovesTheRestJustEnough)
{
    const struct {
        QColor text, background;
        bool kept;
    } cases[] = {
        // the limit: #767676 on white passes, #777777 does not
        {QColor(0x76, 0x76, 0x76), Qt::white, true},
        {QColor(0x77, 0x77, 0x77), Qt::white, false},
        {QColor(0xee, 0xee, 0xec), QColor(0xf5, 0xf5, 0xf5), false},   // light text on the old fixed tint
        {Qt::white, QColor(0x35, 0x84, 0xe4), false},                   // white on a mid blue
        {QColor(0x5a, 0x5a, 0x5a), QColor(0x2d, 0x2d, 0x2d), false},   // grey article text on a dark page
        {QColor(0, 0, 128), QColor(0x2d, 0x2d, 0x2d), false},          // navy on a dark page
        {QColor(0x77, 0x77, 0x77), QColor(0x77, 0x77, 0x77), false},   // text in the background's own colour
        {Qt::black, QColor(0x80, 0x80, 0x80), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.name().toStdString() + " on " + c.background.name().toStdString());
        const QColor readable = readableTextColour(c.text, c.background);
        EXPECT_GE(contrastRatio(readable, c.background), kMinimumTextContrast);
        EXPECT_EQ(readable.rgb() == c.text.rgb(), c.kept);
        if (!c.kept) {
            // Just enough: a step back toward the original fails again.
            const QColor halfway((readable.red() * 9 + c.text.red()) / 10, (readable.green() * 9 + c.text.green()) / 10,
                                 (readable.blue() * 9 + c.text.blue()) / 10);
            if (halfway.rgb() != readable.rgb()) {
                EXPECT_LT(contrastRatio(halfway, c.background), kMinimumTextContrast + 0.5);
            }
        }
    }
}

// The word list of the real window: plain, tinted and selected rows, with
// the default tint (the palette's alternate base) and with a dark tint the
// user chose, which stays as chosen.
TEST(ReadableColours, WordListRows)
{
    const struct {
        const char *tint;   // ColorEvenLines, empty for the default
        bool userTintShown;
    } tints[] = {{"", false}, {"8388608", true} /* 0x800000: navy */};
    for (const NamedPalette &named : bothPalettes()) {
        for (const auto &tint : tints) {
            SCOPED_TRACE(std::string(named.name) + " palette, tint " + tint.tint);
            const PaletteScope scope(named.palette);
            AppFixture fixture;
            if (*tint.tint)
                fixture.writeSetting(QStringLiteral("ColorEvenLines"), QString::fromLatin1(tint.tint));
            TFormLumoLex *window = fixture.start();
            ASSERT_TRUE(window->started());
            WordListView *list = window->PanelWord->DBGrid1;
            unsmoothText(list);
            const QImage image = list->viewport()->grab().toImage();
            int rows = 0;
            bool tintSeen = false;
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                const QRect cell = list->visualRect(list->model()->index(row, 0));
                if (cell.bottom() >= image.height())
                    break;
                SCOPED_TRACE(row);
                const QColor background = image.pixelColor(cell.right() - 1, cell.center().y());
                tintSeen |= background.rgb() == colorFromBgr(0x800000).rgb();
                expectReadable(measureText(image, QRect(20, cell.top(), cell.width() - 22, cell.height()), background));
                ++rows;
            }
            EXPECT_GE(rows, 3);
            EXPECT_EQ(tintSeen, tint.userTintShown);
            fixture.close();
        }
    }
}

TEST(ReadableColours, ResultListRows)
{
    for (const NamedPalette &named : bothPalettes()) {
        SCOPED_TRACE(named.name);
        const PaletteScope scope(named.palette);
        Settings settings;
        ResultListBox list;
        list.setSettings(&settings);
        list.resize(240, 200);
        unsmoothText(&list);
        list.setResults({{1, 1, QStringLiteral("абрнэ")}, {2, 2, QStringLiteral("аббрэ")},
                         {3, 3, QStringLiteral("дождь")}, {4, 4, QStringLiteral("моросить")}});
        list.setCurrentRow(2);
        // The rows as they are drawn: the style's focus frame, with its
        // shading over the row, is no text of ours.
        list.setFocusPolicy(Qt::NoFocus);
        list.show();
        QApplication::processEvents();
        const QImage image = list.viewport()->grab().toImage();
        for (int row = 0; row < list.count(); ++row) {
            SCOPED_TRACE(row);
            const QRect cell = list.visualItemRect(list.item(row));
            const QColor background = image.pixelColor(cell.right() - 1, cell.center().y());
            expectReadable(measureText(image, QRect(20, cell.top() + 1, cell.width() - 22, cell.height() - 2), background));
        }
    }
}

TEST(ReadableColours, LayoutIndicatorAndWordHint)
{
    for (const NamedPalette &named : bothPalettes()) {
        SCOPED_TRACE(named.name);
        const PaletteScope scope(named.palette);
        StatusPanel status;
        status.resize(400, 23);
        QLabel *indicator = status.StaticTextLang;
        unsmoothText(indicator);
        indicator->resize(30, 23);
        const QImage shown = indicator->grab().toImage();
        const QColor caption = shown.pixelColor(shown.width() / 2, 1);
        EXPECT_EQ(caption.rgb(), named.palette.color(QPalette::Active, QPalette::Highlight).rgb());
        expectReadable(measureText(shown, QRect(3, 2, shown.width() - 6, shown.height() - 4), caption));

        WordHintWindow hint;
        QFont font = hint.font();
        font.setStyleStrategy(QFont::NoAntialias);
        const QColor page = named.palette.color(QPalette::Base);
        hint.showWord(QStringLiteral("аббьръесь"), font, page, QPoint(100, 100));
        const QImage word = hint.grab().toImage();
        expectReadable(measureText(word, word.rect().adjusted(3, 3, -3, -3), page));
        hint.hide();
    }
}

// The dictionary pictures have fixed colours; each keeps a part that stands
// out (3 : 1, the measure for pictures) on every row background of either
// palette: plain, tinted and selected.
TEST(ReadableColours, DictionaryPicturesStandOutOnEveryRow)
{
    for (const NamedPalette &named : bothPalettes()) {
        for (const bool selected : {false, true}) {
            for (const bool tinted : {false, true}) {
                const QColor background =
                    rowColours(named.palette, selected, tinted && !selected, Settings().ColorEvenLines).background;
                for (const int dict : {0, 1, 2, 3, 4, 9}) {
                    SCOPED_TRACE(std::string(named.name) + (selected ? " selected" : "") + (tinted ? " tinted" : "")
                                 + " dictionary " + std::to_string(dict));
                    const QImage picture =
                        ImageList16::shared().pixmap(ImageList16::listIconForDict(dict)).toImage();
                    double strongest = 1;
                    for (int y = 0; y < picture.height(); ++y)
                        for (int x = 0; x < picture.width(); ++x)
                            if (picture.pixelColor(x, y).alpha() >= 200)
                                strongest = std::max(strongest, contrastRatio(picture.pixelColor(x, y), background));
                    EXPECT_GE(strongest, 3.0);
                }
            }
        }
    }
}

// Article runs with colours of their own, on the page and on a highlight of
// their own, in the article view of either palette.
TEST(ReadableColours, ArticleColours)
{
    const struct {
        const char *html;
        QColor highlight;   // invalid: the run lies on the page
    } runs[] = {
        {"<span style=\"color:#5a5a5a\">кл. III; осн. абьр</span>", QColor()},
        {"<span style=\"color:#000080\">дождь</span>", QColor()},
        {"<span style=\"color:#f0f0f0\">светлый</span>", QColor()},
        {"<span>без цвета</span>", QColor()},
        {"<span style=\"background:#000080\">на синем</span>", QColor(0, 0, 128)},
        {"<span style=\"color:#800000;background:#f5f5f5\">на светлом</span>", QColor(0xf5, 0xf5, 0xf5)},
    };
    for (const NamedPalette &named : bothPalettes()) {
        for (const auto &run : runs) {
            SCOPED_TRACE(std::string(named.name) + ": " + run.html);
            const PaletteScope scope(named.palette);
            RichTextView view;
            view.resize(300, 60);
            view.setHtml(QString::fromUtf8(run.html));
            keepArticleColoursReadable(view.document(), &view);
            unsmoothText(&view);
            const QImage image = view.viewport()->grab().toImage();
            const QColor page = named.palette.color(QPalette::Base);
            QImage text = image;
            if (run.highlight.isValid()) {
                // Text pixels are those in neither the page's nor the highlight's colour.
                for (int y = 0; y < text.height(); ++y)
                    for (int x = 0; x < text.width(); ++x)
                        if (text.pixelColor(x, y).rgb() == page.rgb())
                            text.setPixelColor(x, y, run.highlight);
            }
            expectReadable(measureText(text, text.rect().adjusted(0, 0, -20, 0),
                                       run.highlight.isValid() ? run.highlight : page));
        }
    }
}

} // namespace
} // namespace lumolex
