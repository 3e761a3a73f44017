#pragma once

// The program's own help window: the HTML manual LumoLex.html in a text
// browser. There is one at a time; it belongs to the main window, so it
// closes with it and never keeps the program running on its own.

#include <QPointer>
#include <QString>
#include <QTextBrowser>


class QWidget;

namespace lumolex {

class HelpWindow
{
public:
    explicit HelpWindow(QWidget *owner);

    // Shows the manual (the contents, from the top) and brings the window
    // to the front; the open window is reused. False when the file is
    // missing: nothing is shown then.
    bool open(const QString &htmlFile);
    QTextBrowser *viewer() const { return m_viewer; }

private:
    QPointer<QWidget> m_owner;
    QPointer<QTextBrowser> m_viewer;
};

} // namespace lumolex
