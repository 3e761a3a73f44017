// On a high-density screen the tool bar's icons are painted in the screen's
// pixels, and the window's size and place are stored in device-independent
// pixels, so a settings file means the same on either screen. CTest runs these tests at the usual
// scale factor and again at 2 (LUMOLEX_EXPECTED_SCALE=2, QT_SCALE_FACTOR=2
// on a 2560 x 1600 screen).

#include "appfixture.h"

#include "app/window/toolbarpanel.h"

#include <QToolButton>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

int expectedScale()
{
    const int scale = qEnvironmentVariableIntValue("LUMOLEX_EXPECTED_SCALE");
    return scale > 0 ? scale : 1;
}

TEST(HighDensity, ToolBarIconsAreDrawnForThePixelRatio)
{
    const int scale = expectedScale();
    AppFixture fixture;
    TFormLumoLex *window = fixture.start();
    ASSERT_TRUE(window->started());
    ASSERT_EQ(window->devicePixelRatio(), scale);
    const QList<QToolButton *> buttons = window->PanelTop->findChildren<QToolButton *>();
    ASSERT_FALSE(buttons.isEmpty());
    int drawn = 0;
    for (QToolButton *button : buttons) {
        if (button->icon().isNull())
            continue;
        SCOPED_TRACE(button->objectName().toStdString());
        // The picture the button paints, against the one it would paint on
        // an ordinary screen: twice as many pixels each way at a scale of 2
        // (that they are drawn at that size, not enlarged, is the pictures'
        // own test).
        const QSize logical = button->iconSize();
        const QPixmap shown = button->icon().pixmap(logical, button->devicePixelRatio());
        const QPixmap atOne = button->icon().pixmap(logical, 1.0);
        EXPECT_EQ(shown.size(), atOne.size() * scale);
        ++drawn;
    }
    EXPECT_GE(drawn, 10);
    // The bar as it is painted has the screen's pixels.
    const QPixmap bar = window->PanelTop->grab();
    EXPECT_EQ(bar.width(), window->PanelTop->width() * scale);
    fixture.close();
}

TEST(HighDensity, StoredSizeAndPlaceAreDeviceIndependent)
{
    AppFixture fixture;
    fixture.writeSetting(QStringLiteral("FormMainWidth"), QStringLiteral("700"));
    fixture.writeSetting(QStringLiteral("FormMainHeight"), QStringLiteral("550"));
    fixture.writeSetting(QStringLiteral("FormMainLeft"), QStringLiteral("40"));
    fixture.writeSetting(QStringLiteral("FormMainTop"), QStringLiteral("30"));
    TFormLumoLex *window = fixture.start();
    ASSERT_TRUE(window->started());
    EXPECT_EQ(window->size(), QSize(700, 550));
    EXPECT_EQ(window->pos(), QPoint(40, 30));
    fixture.close();
    EXPECT_EQ(fixture.readSetting(QStringLiteral("FormMainWidth")), QStringLiteral("700"));
    EXPECT_EQ(fixture.readSetting(QStringLiteral("FormMainHeight")), QStringLiteral("550"));
    EXPECT_EQ(fixture.readSetting(QStringLiteral("FormMainLeft")), QStringLiteral("40"));
    EXPECT_EQ(fixture.readSetting(QStringLiteral("FormMainTop")), QStringLiteral("30"));
}

} // namespace
} // namespace lumolex
