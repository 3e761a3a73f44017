#include "ui/aboutbox.h"

#include "ui/screenfit.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <future>

namespace lumolex {

namespace {

// The texts stand left of this line below the name; the drawing keeps its
// details (birches, reindeer) right of it there.
constexpr int kTextColumnRight = 360;

// The name's centre line, and its least width.
constexpr int kNameCentreX = 76 + 185 / 2;
constexpr int kNameMinWidth = 185;
constexpr int kNameHeight = 90;

// A reindeer seen from the side, facing left (mirror > 0) or right, its
// body `size` pixels long with the hooves at `ground`.
void drawReindeer(QPainter &p, QPointF ground, qreal size, qreal mirror)
{
    p.save();
    p.translate(ground);
    p.scale(mirror * size / 40.0, size / 40.0);
    p.setPen(QPen(QColor(58, 44, 38), 2.2, Qt::SolidLine, Qt::RoundCap));
    // Legs.
    for (qreal x : {-14.0, -10.0, 10.0, 14.0})
        p.drawLine(QPointF(x, -14), QPointF(x + (x < 0 ? -1 : 1), 0));
    // Body, neck and head.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 70, 58));
    p.drawEllipse(QRectF(-20, -26, 40, 15));
    QPainterPath neck;
    neck.moveTo(-16, -22);
    neck.lineTo(-24, -36);
    neck.lineTo(-18, -38);
    neck.lineTo(-10, -24);
    p.drawPath(neck);
    p.drawEllipse(QRectF(-31, -40, 12, 7));
    p.setBrush(QColor(230, 226, 220));   // the pale chest mane
    p.drawEllipse(QRectF(-20, -25, 7, 8));
    // Antlers.
    p.setPen(QPen(QColor(120, 96, 72), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-22, -39), QPointF(-18, -52));
    p.drawLine(QPointF(-19, -48), QPointF(-13, -54));
    p.drawLine(QPointF(-20, -44), QPointF(-26, -50));
    p.drawLine(QPointF(-23, -39), QPointF(-28, -50));
    p.drawLine(QPointF(-27, -47), QPointF(-33, -52));
    p.restore();
}

QImage drawPicture()
{
    QImage picture(kAboutWidth, kAboutHeight, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    // Winter sky, pale above the horizon.
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(150, 182, 214));
    sky.setColorAt(0.7, QColor(232, 214, 214));
    sky.setColorAt(1, QColor(250, 226, 196));
    p.fillRect(picture.rect(), sky);

    // The low sun.
    QRadialGradient sun(QPointF(400, 150), 60);
    sun.setColorAt(0, QColor(255, 236, 180));
    sun.setColorAt(0.25, QColor(255, 214, 150, 220));
    sun.setColorAt(1, QColor(255, 214, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(400, 150), 60, 60);

    // Far hills, blue with distance, then the snowy tundra.
    QPainterPath hills;
    hills.moveTo(0, 160);
    hills.cubicTo(80, 120, 160, 150, 230, 135);
    hills.cubicTo(300, 120, 380, 150, 490, 128);
    hills.lineTo(490, 280);
    hills.lineTo(0, 280);
    p.setBrush(QColor(170, 184, 206));
    p.drawPath(hills);

    QPainterPath tundra;
    tundra.moveTo(0, 178);
    tundra.cubicTo(120, 160, 260, 190, 490, 166);
    tundra.lineTo(490, 280);
    tundra.lineTo(0, 280);
    QLinearGradient snow(0, 160, 0, 280);
    snow.setColorAt(0, QColor(246, 246, 250));
    snow.setColorAt(1, QColor(214, 222, 236));
    p.setBrush(snow);
    p.drawPath(tundra);

    // Dwarf birches showing through the snow, right of the texts: over the
    // texts' column the snow stays plain.
    p.setPen(QPen(QColor(110, 96, 90), 1.2));
    for (int i = 0; i < 8; ++i) {
        const qreal x = kTextColumnRight + 12 + i * 15 + (i % 3) * 4;
        const qreal y = 205 + (i * 37) % 60;
        p.drawLine(QPointF(x, y), QPointF(x + 3, y - 9));
        p.drawLine(QPointF(x + 2, y - 5), QPointF(x + 6, y - 8));
    }

    // A small herd walking along the ridge.
    drawReindeer(p, QPointF(350, 186), 34, 1);
    drawReindeer(p, QPointF(392, 190), 30, 1);
    drawReindeer(p, QPointF(430, 184), 26, -1);
    drawReindeer(p, QPointF(300, 180), 22, 1);
    p.end();
    return picture;
}

// The picture's drawing begun ahead of its first use, on a thread of its
// own, and whether the picture has been taken already.
struct PictureAhead
{
    std::future<QImage> drawing;
    bool taken = false;
};

PictureAhead &pictureAhead()
{
    static PictureAhead ahead;
    return ahead;
}

} // namespace

void beginDrawingAboutPicture()
{
    PictureAhead &ahead = pictureAhead();
    if (!ahead.taken && !ahead.drawing.valid())
        ahead.drawing = std::async(std::launch::async, drawPicture);
}

const QPixmap &aboutPicture()
{
    static const QPixmap picture = [] {
        PictureAhead &ahead = pictureAhead();
        ahead.taken = true;
        return QPixmap::fromImage(ahead.drawing.valid() ? ahead.drawing.get() : drawPicture());
    }();
    return picture;
}

QString programVersionText()
{
    return QCoreApplication::translate("AboutBox", "Версия 3.1");
}

QString copyrightText()
{
    return QCoreApplication::translate("AboutBox", "© 2026 Разработчики Лумолекса. GNU GPL 3 или новее");
}

QString supportSiteUrl()
{
    return QStringLiteral("https://github.com/lumolex/lumolex");
}

QString supportSiteHost()
{
    return QStringLiteral("github.com/lumolex/lumolex");
}

QString dataSourcesText()
{
    return QCoreApplication::translate("AboutBox",
                                       "Словари: GiellaLT (dict-sjd-rus, dict-sjd-mul), CC BY 3.0;\n"
                                       "«Формы слов», формы: GiellaLT lang-sjd, GNU GPL 3; см. NOTICE");
}

QString freeMemoryLine(std::optional<quint64> availableBytes)
{
    if (!availableBytes)
        return QCoreApplication::translate("AboutBox", "Свободно RAM: нет сведений");
    return QCoreApplication::translate("AboutBox", "Свободно RAM: %1 Кб").arg(*availableBytes / 1000);
}

QLabel *newNameLabel(QWidget *box, int top)
{
    auto* label = new QLabel(QCoreApplication::translate("AboutBox", "ЛУМОЛЕКС"), box);
    label->setObjectName(QStringLiteral("LabelName"));
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(37);
    label->setFont(font);
    // One word: as wide as the font in use draws it (Tahoma's substitutes
    // are wider), centred where the narrower box would be.
    const int width = qMax(kNameMinWidth, label->sizeHint().width() + 8);
    label->setGeometry(kNameCentreX - width / 2, top, width, kNameHeight);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QLabel *newSmallLabel(QWidget *box, const char *name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, box);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    label->setFont(font);
    // The picture is light in every palette: the labels on it keep a dark
    // ink, where a dark palette's light text could not be read.
    QPalette ink = label->palette();
    ink.setColor(QPalette::WindowText, QColor(32, 28, 36));
    label->setPalette(ink);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void makeLinkLook(QLabel *label)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
}

void setUpAboutWindow(QWidget *box)
{
    box->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    box->setFixedSize(kAboutWidth, kAboutHeight);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // An open box never keeps the program running after the main window.
    box->setAttribute(Qt::WA_QuitOnClose, false);
    QPalette palette = box->palette();
    palette.setBrush(QPalette::Window, aboutPicture());
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    // Centred on the screen that holds the main window.
    placeCentredInside(box, nullptr, availableAreaOf(box->parentWidget()));
}

} // namespace lumolex
