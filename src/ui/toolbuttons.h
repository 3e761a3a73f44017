#pragma once

// The small tool bars of the panels and the card window: fixed in place,
// with 16-pixel icons, and buttons that rise under the mouse and never take
// the keyboard focus.

#include <QSize>

class QString;
class QToolBar;
class QToolButton;
class QWidget;

namespace lumolex {

// The buttons of the word and search panels' bars.
inline constexpr QSize kPanelButtonSize{28, 26};

QToolBar *newToolBar(QWidget *parent, const char *name);

// A button at the end of the bar with the image of ImageList16 and its hint;
// of the given size when one is given.
QToolButton *addToolButton(QToolBar *bar, const char *name, const QString &hint, int image, QSize size = {});

} // namespace lumolex
