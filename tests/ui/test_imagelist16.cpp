// The 16-pixel image list: every index has its own visible picture, the
// dictionary pictures can be told apart, and bad indexes are harmless.
#include "ui/imagelist16.h"
#include "ui/svgpicture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QResource>
#include <QSet>
#include <QSvgRenderer>

using lumolex::ImageList16;

namespace {

QImage imageOf(const ImageList16 &list, int index)
{
    return list.pixmap(index).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

// The SVG `source` drawn now at `pixels`, as the program draws an icon.
QImage drawnNow(const QString &source, int pixels)
{
    QSvgRenderer renderer(source);
    return lumolex::drawSvgPicture(renderer, pixels).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(ImageList16, EveryIndexHasItsOwnVisible16PixelPicture)
{
    const ImageList16 &list = ImageList16::shared();
    ASSERT_EQ(list.count(), 52); // every index the menus, buttons, lists and cards use
    QSet<QByteArray> seen;
    for (int index = 0; index < list.count(); ++index) {
        SCOPED_TRACE(index);
        ASSERT_FALSE(list.icon(index).isNull());
        const QImage image = imageOf(list, index);
        ASSERT_EQ(image.size(), QSize(16, 16));
        // Not blank, and not a filled square either.
        const int opaque = opaquePixels(image);
        EXPECT_GT(opaque, 20);
        EXPECT_LT(opaque, 256);
        const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << "same picture as an earlier index";
        seen.insert(bytes);
    }
}

TEST(ImageList16, DictionaryPicturesDifferClearly)
{
    const ImageList16 &list = ImageList16::shared();
    const int dictionaries[] = {30, 31, 32, 33, 49, 51, 17, 50};
    for (int a : dictionaries) {
        for (int b : dictionaries) {
            if (a >= b)
                continue;
            SCOPED_TRACE(QStringLiteral("%1 vs %2").arg(a).arg(b).toStdString());
            // At least a fifth of the picture differs: colour or shape.
            EXPECT_GT(differingPixels(imageOf(list, a), imageOf(list, b)), 50);
        }
    }
}

TEST(ImageList16, UnknownIndexesGiveEmptyPictures)
{
    const ImageList16 &list = ImageList16::shared();
    for (int index : {-1, 52, 1000, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(list.icon(index).isNull());
        EXPECT_TRUE(list.pixmap(index).isNull());
        EXPECT_TRUE(ImageList16::sourcePath(index).isEmpty());
    }
    EXPECT_TRUE(list.pixmap(30, 0).isNull());
}

TEST(ImageList16, LargerSizesAreDrawnFromTheSourceAndTheProgramIconHasAllItsSizes)
{
    const QPixmap big = ImageList16::shared().pixmap(ImageList16::Dictionary1, 48);
    ASSERT_EQ(big.size(), QSize(48, 48));
    EXPECT_GT(opaquePixels(big.toImage().convertToFormat(QImage::Format_ARGB32)), 48 * 48 / 4);

    const QIcon icon = ImageList16::applicationIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(16).isNull());
    EXPECT_EQ(icon.pixmap(256).size(), QSize(256, 256));
}

TEST(ImageList16, DictionaryCodesChooseTheirPictures)
{
    // Code: word and result lists, cards (-1: the card keeps its icon), menu item checked and not.
    const struct { int dict, list, card; } cases[] = {
        {1, 30, 30}, {2, 31, 31}, {3, 32, 32}, {4, 33, 33}, {9, 51, 49},
        {0, 0, -1},  {5, 0, -1},  {-1, 0, -1}, {127, 0, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.dict);
        EXPECT_EQ(ImageList16::listIconForDict(c.dict), c.list);
        EXPECT_EQ(ImageList16::cardIconForDict(c.dict), c.card);
    }
}

// The pictures drawn at build time are the ones the SVG sources give now, at
// every size the icons take them from: none missing (the icon would be drawn
// from the SVG at run time), none stale.
TEST(ImageList16, ThePicturesDrawnAtBuildTimeAreThoseOfTheSources)
{
    struct Case { QString source; QList<int> sizes; };
    QList<Case> cases{{QStringLiteral(":/icons/lumolex.svg"), {16, 24, 32, 48, 64, 128, 256}}};
    for (int index = 0; index < ImageList16::shared().count(); ++index)
        cases.append({ImageList16::sourcePath(index), {16, 32}});
    for (const Case &c : cases) {
        const QString name = c.source.mid(c.source.lastIndexOf(u'/') + 1).chopped(4);
        for (int pixels : c.sizes) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(name).arg(pixels).toStdString());
            const QResource prepared(QStringLiteral(":/icons/pixels/%1-%2.argb").arg(name).arg(pixels));
            ASSERT_TRUE(prepared.isValid());
            ASSERT_EQ(prepared.compressionAlgorithm(), QResource::NoCompression);
            ASSERT_EQ(prepared.size(), qint64(pixels) * pixels * 4);
            const QImage image(prepared.data(), pixels, pixels, pixels * 4, QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32), drawnNow(c.source, pixels));
        }
    }
    // And the icons hand them out: the list's at 16 pixels, the program's at its largest.
    EXPECT_EQ(imageOf(ImageList16::shared(), ImageList16::Dictionary1), drawnNow(ImageList16::sourcePath(ImageList16::Dictionary1), 16));
    EXPECT_EQ(ImageList16::applicationIcon().pixmap(256).toImage().convertToFormat(QImage::Format_ARGB32),
              drawnNow(QStringLiteral(":/icons/lumolex.svg"), 256));
}
