#include "ui/wordhintwindow.h"

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
    colours.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::Text));
    setPalette(colours);
    setText(word);
    setGeometry(hintRect(word, font, pointer));
    show();
    raise();
}

} // namespace lumolex
