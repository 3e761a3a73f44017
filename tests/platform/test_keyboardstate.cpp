// The layout rules behind the status bar's layout indicator and menu, and
// (on a real X display with XKB) the system keyboard itself.
#include "platform/keyboardstate.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumolex;

#ifndef LUMOLEX_XKB_HELPER
#  define LUMOLEX_XKB_HELPER ""
#endif

TEST(KeyboardLayouts, IndicatorTextForEachLayout)
{
    const struct { const char *id; const char *text; } cases[] = {
        {"00000419", "RU"}, {"A0000419", "RU"}, {"a0000419", "RU"}, {"00000409", "EN"},
        {"00000407", "??"}, {"00010409", "??"}, {"00000000", "??"},
        {"ru", "RU"}, {"ru(phonetic)", "RU"}, {"us", "EN"}, {"us(intl)", "??"}, {"de", "??"},
        {"rus", "??"}, {"", "??"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(layoutIndicatorText(QString::fromLatin1(c.id)), QString::fromLatin1(c.text)) << c.id;
}

TEST(KeyboardLayouts, WindowsLoadsOnlyALayoutThatIsNotActive)
{
    const struct { const char *active; LayoutChoice choice; const char *load; } cases[] = {
        {"00000409", LayoutChoice::English, nullptr},
        {"00000419", LayoutChoice::Russian, nullptr},
        {"00000409", LayoutChoice::Russian, "00000419"},
        {"00000419", LayoutChoice::English, "00000409"},
        // The Saami layout counts as Russian for the indicator, but the
        // menu switches to plain Russian.
        {"A0000419", LayoutChoice::Russian, "00000419"},
        {"00000407", LayoutChoice::English, "00000409"},
    };
    for (const auto &c : cases) {
        const auto load = windowsLayoutToLoad(QString::fromLatin1(c.active), c.choice);
        if (c.load)
            EXPECT_EQ(load.value_or(QString()), QString::fromLatin1(c.load)) << c.active;
        else
            EXPECT_FALSE(load.has_value()) << c.active;
    }
}

TEST(KeyboardLayouts, XkbLocksTheGroupHoldingTheChosenLayout)
{
    const struct { QStringList groups; int active; LayoutChoice choice; int lock; } cases[] = {
        {{"us", "ru"}, 0, LayoutChoice::Russian, 1},
        {{"us", "ru"}, 1, LayoutChoice::Russian, -1},
        {{"us", "ru"}, 1, LayoutChoice::English, 0},
        {{"us", "ru"}, 0, LayoutChoice::English, -1},
        {{"de", "ru(phonetic)", "ru"}, 0, LayoutChoice::Russian, 2},     // plain Russian first
        {{"de", "ru(phonetic)", "ru"}, 1, LayoutChoice::Russian, 2},
        {{"de", "ru(phonetic)"}, 0, LayoutChoice::Russian, 1},           // else a Russian variant
        {{"de", "us(intl)"}, 0, LayoutChoice::English, -1},              // no plain US English
        {{"de", "fr"}, 0, LayoutChoice::Russian, -1},
        {{}, -1, LayoutChoice::English, -1},
    };
    for (const auto &c : cases) {
        const auto lock = xkbGroupToLock(c.groups, c.active, c.choice);
        EXPECT_EQ(lock.value_or(-1), c.lock) << c.groups.join(QLatin1Char(',')).toStdString() << " " << c.active;
    }
}

TEST(KeyboardLayouts, XkbGroupsFromTheRulesNames)
{
    EXPECT_EQ(xkbGroupLayouts("us,ru", ","), QStringList({"us", "ru"}));
    EXPECT_EQ(xkbGroupLayouts("us,ru", ",phonetic"), QStringList({"us", "ru(phonetic)"}));
    EXPECT_EQ(xkbGroupLayouts("de,us,ru", "nodeadkeys"), QStringList({"de(nodeadkeys)", "us", "ru"}));
    EXPECT_EQ(xkbGroupLayouts("us", ""), QStringList({"us"}));
    EXPECT_TRUE(xkbGroupLayouts("", "").isEmpty());
}

// On a real X display (the xkb test of CTest runs this under Xvfb after
// `setxkbmap -layout us,ru`): the keyboard follows changes made by other
// programs and its own switch reaches the X server.
class XkbKeyboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QByteArray(LUMOLEX_XKB_HELPER).isEmpty())
            GTEST_SKIP() << "built without xcb-xkb";
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display (runs under Xvfb)";
        keyboard = createSystemKeyboardState();
        run("setxkbmap", {"-layout", "us,ru"});
    }
    static void run(const QString &program, const QStringList &arguments)
    {
        ASSERT_EQ(QProcess::execute(program, arguments), 0) << program.toStdString();
    }
    // The layout once the server has it (the change reaches it on its own).
    QString layoutSoon(const QString &expected)
    {
        QString now;
        for (int i = 0; i < 50 && (now = keyboard->activeLayout()) != expected; ++i)
            QTest::qWait(20);
        return now;
    }
    std::unique_ptr<KeyboardState> keyboard;
};

TEST_F(XkbKeyboard, LayoutFollowsOutsideChangesAndTheMenuSwitchesIt)
{
    EXPECT_EQ(layoutSoon("us"), QStringLiteral("us"));
    // Another program locks the second group.
    run(LUMOLEX_XKB_HELPER, {"1"});
    EXPECT_EQ(layoutSoon("ru"), QStringLiteral("ru"));
    EXPECT_EQ(layoutIndicatorText(keyboard->activeLayout()), QStringLiteral("RU"));
    keyboard->switchLayout(LayoutChoice::English);
    EXPECT_EQ(layoutSoon("us"), QStringLiteral("us"));
    keyboard->switchLayout(LayoutChoice::Russian);
    EXPECT_EQ(layoutSoon("ru"), QStringLiteral("ru"));
    // A keymap without English: the menu item does nothing.
    run("setxkbmap", {"-layout", "de,ru"});
    run(LUMOLEX_XKB_HELPER, {"0"});
    keyboard->switchLayout(LayoutChoice::English);
    EXPECT_EQ(layoutIndicatorText(layoutSoon("de")), QStringLiteral("??"));
}

TEST_F(XkbKeyboard, LockKeysComeFromTheIndicators)
{
    const auto caps = keyboard->capsLock();
    const auto num = keyboard->numLock();
    ASSERT_TRUE(caps.has_value());
    ASSERT_TRUE(num.has_value());
    run("xdotool", {"key", "Caps_Lock", "Num_Lock"});
    std::optional<bool> capsNow, numNow;
    for (int i = 0; i < 50; ++i) {
        capsNow = keyboard->capsLock();
        numNow = keyboard->numLock();
        if (capsNow != caps && numNow != num)
            break;
        QTest::qWait(20);
    }
    EXPECT_EQ(capsNow, std::optional<bool>(!*caps));
    EXPECT_EQ(numNow, std::optional<bool>(!*num));
    run("xdotool", {"key", "Caps_Lock", "Num_Lock"});
}
