// The 16-pixel image list: every index the program uses has a picture, the
// dictionary pictures can be told apart, and bad indexes are harmless.
#include "ui/imagelist16.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSet>

using lumolex::ImageList16;

namespace {

// The indexes menus, buttons, lists, cards and dialogs refer to.
const int kUsedIndexes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 17, 18, 19, 20,
                            25, 26, 27, 28, 29, 30, 31, 32, 33, 37, 39, 40, 41, 42, 43, 44,
                            47, 49, 50, 51};

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

} // namespace

TEST(ImageList16, EveryUsedIndexHasAVisible16PixelPicture)
{
    const ImageList16 &list = ImageList16::shared();
    EXPECT_EQ(list.count(), 52);
    for (int index : kUsedIndexes) {
        SCOPED_TRACE(index);
        ASSERT_FALSE(list.icon(index).isNull());
        const QImage image = imageOf(list, index);
        ASSERT_EQ(image.size(), QSize(16, 16));
        // Not blank, and not a filled square either.
        const int opaque = opaquePixels(image);
        EXPECT_GT(opaque, 20);
        EXPECT_LT(opaque, 256 + 1);
    }
}

TEST(ImageList16, EveryPictureOfTheListIsDifferent)
{
    const ImageList16 &list = ImageList16::shared();
    QSet<QByteArray> seen;
    for (int index = 0; index < list.count(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_GT(opaquePixels(imageOf(list, index)), 20);
        const QImage image = imageOf(list, index);
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

TEST(ImageList16, LargerSizesAreDrawnFromTheSource)
{
    const ImageList16 &list = ImageList16::shared();
    const QPixmap big = list.pixmap(ImageList16::Dictionary1, 48);
    ASSERT_EQ(big.size(), QSize(48, 48));
    EXPECT_GT(opaquePixels(big.toImage().convertToFormat(QImage::Format_ARGB32)), 48 * 48 / 4);
}

TEST(ImageList16, DictionaryCodesChooseTheirPictures)
{
    // Word list and result list.
    EXPECT_EQ(ImageList16::listIconForDict(1), 30);
    EXPECT_EQ(ImageList16::listIconForDict(2), 31);
    EXPECT_EQ(ImageList16::listIconForDict(3), 32);
    EXPECT_EQ(ImageList16::listIconForDict(4), 33);
    EXPECT_EQ(ImageList16::listIconForDict(9), 51);
    for (int other : {0, 5, -1, 10, 127})
        EXPECT_EQ(ImageList16::listIconForDict(other), 0);
    // Cards: other codes keep the card's icon.
    EXPECT_EQ(ImageList16::cardIconForDict(3), 32);
    EXPECT_EQ(ImageList16::cardIconForDict(9), 49);
    EXPECT_EQ(ImageList16::cardIconForDict(0), -1);
    // Menu items, checked and unchecked.
    EXPECT_EQ(ImageList16::menuIconForDict(4, true), 33);
    EXPECT_EQ(ImageList16::menuIconForDict(4, false), 17);
    EXPECT_EQ(ImageList16::menuIconForDict(9, true), 49);
    EXPECT_EQ(ImageList16::menuIconForDict(9, false), 50);
    EXPECT_EQ(ImageList16::menuIconForDict(0, true), -1);
}

TEST(ImageList16, ApplicationIconHasSmallAndLargeSizes)
{
    const QIcon icon = ImageList16::applicationIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(16).isNull());
    EXPECT_EQ(icon.pixmap(256).size(), QSize(256, 256));
}

// Draws every picture, drawn large and as its 16 pixels enlarged, into one
// sheet beside the test executable, for a look by eye.
TEST(ImageList16, ContactSheetIsWritten)
{
    const ImageList16 &list = ImageList16::shared();
    const int columns = 8, cell = 112;
    const int rows = (list.count() + 1 + columns - 1) / columns;
    QImage sheet(columns * cell, rows * cell, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (int index = 0; index <= list.count(); ++index) {
        const QPoint origin((index % columns) * cell, (index / columns) * cell);
        const bool app = index == list.count();
        const QPixmap large = app ? ImageList16::applicationIcon().pixmap(48) : list.pixmap(index, 48);
        const QPixmap small = app ? ImageList16::applicationIcon().pixmap(16) : list.pixmap(index);
        painter.drawPixmap(origin + QPoint(4, 4), large);
        // The real 16 pixels, enlarged without smoothing.
        painter.drawImage(QRect(origin + QPoint(58, 4), QSize(48, 48)), small.toImage());
        painter.drawText(origin + QPoint(4, 72), app ? QStringLiteral("app")
                                                     : QString::number(index));
    }
    painter.end();
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("imagelist16-sheet.png"));
    ASSERT_TRUE(sheet.save(path));
    EXPECT_TRUE(QImage(path).size() == sheet.size());
}
