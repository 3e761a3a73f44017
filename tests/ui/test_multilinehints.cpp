// Hints with "@" show each part on its own line, on the real tool tip.
#include "ui/multilinehints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace lumolex;

TEST(MultiLineHints, AtSignsBecomeLineBreaksOnScreenOnly)
{
    EXPECT_EQ(multiLineHintText(QStringLiteral("Словарь @Автор: Керт Г. М.")),
              QStringLiteral("Словарь \nАвтор: Керт Г. М."));
    EXPECT_EQ(multiLineHintText(QStringLiteral("Обновить")), QStringLiteral("Обновить"));

    MultiLineHints hints;
    QToolButton button;
    button.setToolTip(QStringLiteral("Словарь @Автор: Керт Г. М."));
    button.resize(40, 40);
    button.show();
    button.installEventFilter(&hints);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&button, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Словарь \nАвтор: Керт Г. М."));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Словарь @Автор: Керт Г. М."));
    QToolTip::hideText();
}
