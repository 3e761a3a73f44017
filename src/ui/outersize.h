#pragma once

// Gives a top-level window an outer size, its frame included. A window is
// sized by its inside, and the window system tells its frame only once the
// window is shown (on X11 after the window manager has framed it): until
// then the inside takes the whole size, and when the frame becomes known the
// inside shrinks by it, once. The window keeps its top-left corner.

#include <QObject>
#include <QSize>

class QWidget;

namespace lumolex {

class OuterSize : public QObject
{
public:
    // Sizes `window` to `outer` now and again when its frame becomes known
    // (once per window).
    static void apply(QWidget *window, QSize outer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OuterSize(QWidget *window, QSize outer);
    void fit();

    QWidget *m_window;
    QSize m_outer;
};

} // namespace lumolex
