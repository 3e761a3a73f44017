#include "ui/wordhintwindow.h"

#include "ui/readablecolour.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

namespace lumolex {

WordHintWindow::WordHintWindow(QWidget *parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("WordHintWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFrameShape(QFrame::Box);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setMargin(0);
    setContentsMargins(2, 0, 2, 0);
}

QRect WordHintWindow::hintRect(const QString &word, const QFont &font, const QPoint &pointer)
{
    const QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1024;

    const QFontMetrics metrics(font);
    QRect needed = metrics.boundingRect(QRect(0, 0, screenWidth, 0), Qt::TextWordWrap,
                                        word + QLatin1Char(' '));
    needed.setWidth(needed.width() + 6); // frame and side margins
    needed.setHeight(needed.height() + 2);
    needed.moveBottomLeft(QPoint(pointer.x() + 3, pointer.y() - 3));
    return needed;
}

void WordHintWindow::showWord(const QString &word, const QFont &font, const QColor &background,
                              const QPoint &pointer)
{
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText,
                     readableTextColour(QGuiApplication::palette().color(QPalette::Text), background));
    setPalette(colours);
    setText(word);
    // The hint stays on the desktop: moved back inside the screen under the
    // pointer where it would cross an edge.
    QRect place = hintRect(word, font, pointer);
    if (const QScreen *screen = QGuiApplication::screenAt(pointer)) {
        const QRect desktop = screen->geometry();
        if (place.right() > desktop.right())
            place.moveRight(desktop.right());
        if (place.left() < desktop.left())
            place.moveLeft(desktop.left());
        if (place.top() < desktop.top())
            place.moveTop(desktop.top());
    }
    setGeometry(place);
    show();
    raise();
}

} // namespace lumolex
