// Small pictures drawn by the program itself (the tray frames, the tool bar
// and list pictures) come in the pixels of a high-density screen: at a ratio
// of 2 a 16-pixel picture has 32 x 32 pixels of its own drawing, not an
// enlargement of its 16 x 16 image.

#include "ui/imagelist16.h"
#include "ui/traymode.h"

#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

// True when some 2 x 2 block holds unequal pixels: the image was not made
// by doubling every pixel of one of half its size.
bool hasDetailBelowTwoPixels(const QImage &image)
{
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb first = image.pixel(x, y);
            if (image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first || image.pixel(x + 1, y + 1) != first)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(PixelRatio, ProgramPicturesAreDrawnForTheRatio)
{
    QList<std::pair<std::string, QIcon>> icons;
    const QList<QIcon> frames = trayAnimationFrames();
    for (int i = 0; i < frames.size(); ++i)
        icons.append({"tray frame " + std::to_string(i), frames[i]});
    for (int index : {ImageList16::Dictionary1, ImageList16::Dictionary3, ImageList16::Phrasebook,
                      ImageList16::AlwaysOnTop, ImageList16::Search})
        icons.append({"image " + std::to_string(index), ImageList16::shared().icon(index)});
    ASSERT_GE(frames.size(), 2);
    for (const auto &[name, icon] : icons) {
        SCOPED_TRACE(name);
        for (const int ratio : {1, 2}) {
            SCOPED_TRACE(ratio);
            const QPixmap drawn = icon.pixmap(QSize(16, 16), ratio);
            EXPECT_EQ(drawn.size(), QSize(16, 16) * ratio);
            EXPECT_EQ(drawn.devicePixelRatio(), ratio);
            if (ratio == 2) {
                EXPECT_TRUE(hasDetailBelowTwoPixels(drawn.toImage()));
            }
        }
    }
}
