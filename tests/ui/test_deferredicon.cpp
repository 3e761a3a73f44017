// Deferred icons: the pictures are made at the first question, once for an
// icon and its copies, and a question the first size answers exactly as the
// whole icon would makes only that size.
#include "ui/deferredicon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

using lumolex::deferredIcon;
using lumolex::FirstPictures;

namespace {

QPixmap filled(int pixels, qreal ratio, Qt::GlobalColor colour)
{
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(colour);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// The whole icon: red at 16 pixels for ordinary screens, blue at 32 device
// pixels for dense ones; its first size alone: the same red picture.
struct CountingMakers {
    int whole = 0;
    int first = 0;

    QIcon icon()
    {
        return deferredIcon(
            [this] {
                ++whole;
                QIcon made;
                made.addPixmap(filled(16, 1.0, Qt::red));
                made.addPixmap(filled(32, 2.0, Qt::blue));
                return made;
            },
            FirstPictures{QSize(16, 16), [this] {
                              ++first;
                              QIcon made;
                              made.addPixmap(filled(16, 1.0, Qt::red));
                              return made;
                          }});
    }
};

QRgb centre(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

} // namespace

TEST(DeferredIcon, AQuestionMakesOnlyThePicturesThatAnswerIt)
{
    const struct {
        const char *name;
        QSize size;
        qreal scale;
        int wholeMade;
        int firstMade;
        QRgb colour;
    } cases[] = {
        {"the first size at scale 1", QSize(16, 16), 1.0, 0, 1, qRgb(255, 0, 0)},
        {"smaller than the first size", QSize(8, 8), 1.0, 0, 1, qRgb(255, 0, 0)},
        {"one pixel wider than the first size", QSize(17, 16), 1.0, 1, 0, qRgb(255, 0, 0)},
        {"one pixel taller than the first size", QSize(16, 17), 1.0, 1, 0, qRgb(255, 0, 0)},
        {"the first size on a dense screen", QSize(16, 16), 2.0, 1, 0, qRgb(0, 0, 255)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CountingMakers makers;
        const QIcon icon = makers.icon();
        EXPECT_EQ(makers.whole + makers.first, 0) << "made before any question";
        EXPECT_FALSE(icon.isNull());
        const QPixmap pixmap = icon.pixmap(c.size, c.scale);
        EXPECT_EQ(makers.whole, c.wholeMade);
        EXPECT_EQ(makers.first, c.firstMade);
        EXPECT_EQ(centre(pixmap), c.colour);
    }
}

TEST(DeferredIcon, IsMadeOnceForAnIconAndItsCopiesAndThenAnswersEverything)
{
    CountingMakers makers;
    const QIcon icon = makers.icon();
    QIcon copy = icon;
    copy.detach();
    EXPECT_EQ(copy.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    EXPECT_EQ(centre(icon.pixmap(QSize(16, 16), 2.0)), qRgb(0, 0, 255));
    // Once the whole icon is made, the first size is no longer made apart.
    EXPECT_EQ(centre(icon.pixmap(QSize(16, 16), 1.0)), qRgb(255, 0, 0));
    EXPECT_EQ(makers.whole, 1);
    EXPECT_EQ(makers.first, 0);

    // An icon without pictures is null once it has been asked.
    const QIcon empty = deferredIcon([] { return QIcon(); });
    EXPECT_FALSE(empty.isNull());
    EXPECT_TRUE(empty.pixmap(QSize(16, 16)).isNull());
    EXPECT_TRUE(empty.isNull());
}
