// Hints with a separator show each part on its own line and stay off the
// bottom edge of the screen.
#include "ui/tmhint.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace lumolex;

TEST(TMHint, SplitsAtTheSeparatorWhenActive)
{
    const struct { const char *hint; bool active; const char *shown; } cases[] = {
        {"один@два@три", true, "один\nдва\nтри"},
        {"Быстрый поиск @(возможно сочетание слов через пробел)", true,
         "Быстрый поиск \n(возможно сочетание слов через пробел)"},
        {"Обновить", true, "Обновить"},
        {"один@два@три", false, "один@два@три"},
        {"@", true, "\n"},
    };
    for (const auto &c : cases) {
        TMHint hint(nullptr, 768);
        hint.setActive(c.active);
        QString text = QString::fromUtf8(c.hint);
        QPoint pos(10, 100);
        hint.ShowHint(text, pos);
        EXPECT_EQ(text, QString::fromUtf8(c.shown)) << c.hint;
        EXPECT_EQ(pos, QPoint(10, 100)) << c.hint;
    }
}

TEST(TMHint, KeepsTheHintOffTheBottomEdge)
{
    // top -> top as shown, on a 768-pixel screen.
    const struct { int top; int shown; bool active; } cases[] = {
        {763, 757, true},   // 5 pixels above the bottom
        {758, 758, true},   // 758 + 10 is not past 768
        {759, 757, true},
        {900, 757, true},
        {100, 100, true},
        {763, 763, false},
    };
    for (const auto &c : cases) {
        TMHint hint(nullptr, 768);
        hint.setActive(c.active);
        QString text = QStringLiteral("hint");
        QPoint pos(40, c.top);
        hint.ShowHint(text, pos);
        EXPECT_EQ(pos, QPoint(40, c.shown)) << c.top;
    }
}

TEST(TMHint, OtherSeparatorAndTheRealHint)
{
    TMHint hint(nullptr, 768);
    hint.setSeparator(QLatin1Char('|'));
    QToolButton button;
    button.setToolTip(QStringLiteral("Словарь |Автор: Керт Г. М. @ 1986"));
    button.resize(40, 40);
    button.show();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&button, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Словарь \nАвтор: Керт Г. М. @ 1986"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Словарь |Автор: Керт Г. М. @ 1986"));
    QToolTip::hideText();
}
