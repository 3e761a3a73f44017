// Program entry: the application with its title and Qt's Russian texts, the
// main window, the message loop.

#include "app/closerequest.h"
#include "app/formlumolex.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QElapsedTimer startClock;
    startClock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Лумолекс"));
    QApplication::setApplicationDisplayName(QStringLiteral("Лумолекс"));
    QApplication::setOrganizationName(QStringLiteral("LumoLex"));

    // Qt's own dialogs and buttons speak Russian too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    lumolex::LaunchOptions options;
    options.startClock = startClock;
    lumolex::TFormLumoLex window(std::move(options));
    if (window.endRequested())
        return window.exitCode();
    lumolex::closeOnTerminationRequest(&window);
    window.show();
    if (window.endRequested() && !window.started())
        return window.exitCode();
    const int code = app.exec();
    return window.endRequested() ? window.exitCode() : code;
}
