// The About box and the splash box stand on a light picture of their own,
// so their texts keep their fixed dark colours in a light and in a dark
// palette: every label reaches the minimum contrast on the picture under it.

#include "ui/aboutbox.h"
#include "ui/formabout.h"
#include "ui/formsplash.h"
#include "ui/readablecolour.h"

#include <QApplication>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

using namespace lumolex;

namespace {

// The mean colour of the picture where the label's text stands.
QColor pictureUnder(const QLabel *label)
{
    const QImage picture = aboutPicture().toImage();
    const QRect area = label->geometry().intersected(picture.rect());
    qint64 red = 0, green = 0, blue = 0, count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            red += pixel.red();
            green += pixel.green();
            blue += pixel.blue();
            ++count;
        }
    }
    return count ? QColor(int(red / count), int(green / count), int(blue / count)) : QColor();
}

void expectLabelsReadable(const QWidget &box)
{
    const QList<QLabel *> labels = box.findChildren<QLabel *>();
    ASSERT_GE(labels.size(), 3);
    for (const QLabel *label : labels) {
        if (label->text().isEmpty())
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        const QColor background = pictureUnder(label);
        ASSERT_TRUE(background.isValid());
        EXPECT_GE(contrastRatio(label->palette().color(QPalette::WindowText), background), kMinimumTextContrast);
    }
}

} // namespace

TEST(AboutColours, LabelsReadOnThePictureInEitherPalette)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xec));
    const QPalette saved = QApplication::palette();
    for (const QPalette &palette : {saved, dark}) {
        SCOPED_TRACE(palette.color(QPalette::WindowText).name().toStdString());
        QApplication::setPalette(palette);
        {
            TFormAbout about;
            expectLabelsReadable(about);
        }
        {
            TFormSplash splash;
            expectLabelsReadable(splash);
        }
    }
    QApplication::setPalette(saved);
}
