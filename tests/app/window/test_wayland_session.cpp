// A session of the real window on a Wayland compositor: type a word, search
// with Ctrl+S and Enter, open a card, close. The script in tests/e2e starts
// a headless compositor and runs this test in it; elsewhere it is skipped.

#include "appfixture.h"

#include "app/cards/formcard.h"
#include "app/lists/resultlistbox.h"
#include "app/search/findpanel.h"
#include "app/shell/statuspanel.h"
#include "app/store/historyfile.h"
#include "app/window/cardlink.h"
#include "app/window/mainmenu.h"
#include "app/window/toolbarpanel.h"
#include "app/lists/wordpanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumolex {
namespace {

using test::AppFixture;

QStringList historyEntries(const QString &folder, const char *file)
{
    QStringList entries;
    HistoryFile history(folder, QString::fromLatin1(file), folder + QStringLiteral("/user"));
    history.load(&entries);
    return entries;
}

TEST(WaylandSession, TypeSearchOpenACardAndClose)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        GTEST_SKIP() << "runs inside a Wayland compositor (tests/e2e/wayland_session.sh)";
    AppFixture fixture;
    fixture.writeSetting(QStringLiteral("FormMainLeft"), QStringLiteral("123"));
    fixture.writeSetting(QStringLiteral("FormMainTop"), QStringLiteral("77"));
    TFormLumoLex *window = fixture.start();
    ASSERT_TRUE(window->started());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // A headless compositor has no seat to give the keyboard focus to a
    // window; the window is made the active one as a focused window is.
    if (!window->isActiveWindow())
        QApplication::setActiveWindow(window);

    // What the compositor keeps to itself is not offered; the layout
    // indicator knows no layout.
    EXPECT_FALSE(window->PanelTop->SpeedButtonFormTop->isEnabled());
    EXPECT_FALSE(window->menu->MainMenuAlwaysTop->isEnabled());
    EXPECT_FALSE(window->menu->TransparencyItems.last()->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->PanelStatus->StaticTextLang->text() == QLatin1String("??"); }, 3000));

    QLineEdit *wordBox = window->PanelWord->EditWord->lineEdit();
    wordBox->setFocus();
    wordBox->clear();
    test::typeKeys(wordBox, QStringLiteral("кот"));
    EXPECT_EQ(test::currentWord(*window->ClientDataSet1), QStringLiteral("кот"));

    FindPanel *find = window->PanelFind;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return find->isVisible(); }, 2000)) << "Ctrl+S did not open the search";
    find->CheckBoxFindInAllDict->setChecked(true);
    find->EditFind->setEditText(QStringLiteral("дом"));
    QTest::keyClick(find->EditFind->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(find->ListBoxFind->count(), 3);

    find->ListBoxFind->setCurrentRow(1);
    window->PanelTop->SpeedButtonOpenCard->click();
    ASSERT_EQ(window->cards->cards().size(), 1);
    TFormCard *card = window->cards->cards().first();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(card));
    card->close();
    QApplication::processEvents();

    fixture.close();
    // The place the compositor did not let the window take stays stored.
    EXPECT_EQ(fixture.readSetting(QStringLiteral("FormMainLeft")), QStringLiteral("123"));
    EXPECT_EQ(fixture.readSetting(QStringLiteral("FormMainTop")), QStringLiteral("77"));
    EXPECT_FALSE(fixture.readSetting(QStringLiteral("FormMainWidth")).isEmpty());
    EXPECT_TRUE(historyEntries(fixture.folder(), "DATA/LumoFind.hst").contains(QStringLiteral("дом")));
    EXPECT_TRUE(historyEntries(fixture.folder(), "DATA/LumoCard.hst").contains(QStringLiteral("дом")));
}

} // namespace
} // namespace lumolex
