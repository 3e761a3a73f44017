#pragma once

// What the About box and the splash box share: the picture behind them, the
// program's name, version, copyright and site, and their labels.
//
// The picture is the Kildin tundra in winter with reindeer under a low sun,
// 490 x 280 pixels. It is drawn by this program's own code (no image file),
// so it is free like the program itself (GNU GPL 3 or later).

#include <QPixmap>
#include <QString>

#include <optional>

class QLabel;
class QWidget;

namespace lumolex {

constexpr int kAboutWidth = 490;
constexpr int kAboutHeight = 280;

// Drawn once, on first use (needs a QGuiApplication), or taken from the
// drawing beginDrawingAboutPicture() began.
const QPixmap &aboutPicture();
// Begins drawing the picture on a thread of its own, so that the splash box
// finds it ready; called on the GUI thread before the first aboutPicture().
void beginDrawingAboutPicture();

QString programVersionText();      // "Версия 3.1"
QString copyrightText();
QString supportSiteUrl();          // the project's page
QString supportSiteHost();         // its host and path, as the About box shows it
// The sources of the dictionary data and their licences (after data/NOTICE).
QString dataSourcesText();

// "Свободно RAM: " + the available physical memory in thousands of bytes
// + " Кб"; a 64-bit count, so several gigabytes do not wrap.
QString freeMemoryLine(std::optional<quint64> availableBytes);

// The big "ЛУМОЛЕКС" in maroon, 90 pixels high at `top`, centred on the
// middle of (76, 185 wide) and at least that wide: as wide as its font draws
// it.
QLabel *newNameLabel(QWidget *box, int top);
// A small transparent label at (left, top) fitting its text.
QLabel *newSmallLabel(QWidget *box, const char *name, const QString &text, int left, int top);
// Makes a small label look like a link: navy, underlined, hand cursor.
void makeLinkLook(QLabel *label);
// The frame-less, always-on-top, screen-centred 490 x 280 box with the picture.
void setUpAboutWindow(QWidget *box);

} // namespace lumolex
