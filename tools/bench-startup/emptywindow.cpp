// lumolex-bench-emptywindow: the least a Qt Widgets program of LumoLex's
// shape does to put itself on screen: a main window with a menu bar, a
// rich-text view holding one line and a status bar. It prints, on the clock
// LumoLex's LUMOLEX_TIMING uses (from the process start), when the view has
// first been painted and the window flushed to the screen:
//   empty window: first paint <ms> ms (from <origin>)
// then runs until it is ended (lumolex-bench-startup sends SIGTERM).

#include "platform/processclock.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

namespace {

// Prints the figure once, right after the first paint of the watched widget
// (the timer fires after the paint and the flush that follows it).
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const lumolex::ProcessClock &clock)
        : m_clock(clock)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                std::fprintf(stderr, "empty window: first paint %.1f ms (from %s)\n", m_clock.elapsedMs(),
                             m_clock.originName());
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    lumolex::ProcessClock m_clock;
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    const lumolex::ProcessClock clock = lumolex::ProcessClock::sinceProcessStart();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Лумолекс"));
    for (const char *title : {"Словарь", "Правка", "Вид", "Сервис", "Помощь"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("Выход"));
    auto *view = new QTextBrowser(&window);
    view->setHtml(QStringLiteral("<p>Лумолекс</p>"));
    window.setCentralWidget(view);
    window.statusBar()->showMessage(QStringLiteral("Готово"));
    window.resize(700, 550);
    FirstPaint watch(clock);
    view->viewport()->installEventFilter(&watch);
    window.show();
    return app.exec();
}
