#include "ui/helpwindow.h"

#include "ui/screenfit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace lumolex {

HelpWindow::HelpWindow(QWidget *owner)
    : m_owner(owner)
{
}

bool HelpWindow::open(const QString &htmlFile)
{
    if (!QFileInfo(htmlFile).isFile())
        return false;
    if (!m_viewer) {
        // A window of its own, owned by the main window: destroyed with it.
        m_viewer = new QTextBrowser(m_owner);
        m_viewer->setWindowFlag(Qt::Window);
        m_viewer->setObjectName(QStringLiteral("HelpViewer"));
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
        // Left open, it must not keep the program running once the main
        // window has closed.
        m_viewer->setAttribute(Qt::WA_QuitOnClose, false);
        m_viewer->setWindowTitle(QCoreApplication::translate("HelpWindow", "Лумолекс - справка"));
        m_viewer->setOpenExternalLinks(true);
        m_viewer->resize(720, 560);
        // Over the main window, wholly on its screen.
        placeCentredInside(m_viewer, m_owner, availableAreaOf(m_owner));
    }
    const QUrl source = QUrl::fromLocalFile(QFileInfo(htmlFile).absoluteFilePath());
    if (m_viewer->source() != source)
        m_viewer->setSource(source);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return true;
}

} // namespace lumolex
