// The search panel starts hidden; its stored width must survive a run in
// which it was never shown, whatever the layout did to the hidden widget.
#include "appfixture.h"

#include "app/findpanel.h"

#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::test;

TEST(Shutdown, HiddenSearchPanelKeepsItsStoredWidth)
{
    AppFixture app;
    app.writeSetting("PanelFindWidth", "260");
    TFormLumoLex *w = app.start();
    ASSERT_FALSE(w->PanelFind->isVisible());
    // Layout passes while the panel is hidden squeeze the hidden widget.
    w->resize(900, 600);
    w->SplitterMain->setSizes({200, 700, 0});
    w->PanelFind->resize(50, w->PanelFind->height());
    QCoreApplication::processEvents();
    app.close();
    EXPECT_EQ(app.readSetting("PanelFindWidth"), QStringLiteral("260"));
}
