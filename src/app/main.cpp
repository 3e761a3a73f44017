// Program entry: the application with its title and its language (Russian or
// English, Qt's own texts included), the main window, the message loop.
//
// Two things help scripts and measurements: a termination signal (SIGTERM,
// SIGINT, SIGHUP) closes the main window as the user would, so the settings
// and history files are written (during start-up the close waits for it to
// end, and a failed start writes nothing); and with LUMOLEX_TIMING=1 in the
// environment the program prints to stderr how long it took from the start
// of its process (so loading the libraries counts) to the first article
// shown, with the ends of the start-up's phases before it
// (app/shell/startuptimeline.h). The command line is described by --help
// (app/shell/commandline.h).

#include "app/shell/commandline.h"
#include "app/shell/qttranslation.h"
#include "app/shell/startuptimeline.h"
#include "app/store/settingsstore.h"
#include "app/window/formlumolex.h"
#include "data/files/interfacelanguage.h"
#include "data/files/programfolder.h"
#include "platform/closerequest.h"
#include "ui/imagelist16.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const lumolex::StartupTimeline timeline(lumolex::ProcessClock::sinceProcessStart());
    timeline.mark("libraries");
    // --help and --version need no display: answered before Qt looks for one.
    if (const std::optional<int> answered = lumolex::answerBeforeWindowSystem(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    // QApplication has taken its own options out; nothing else is known.
    if (const std::optional<int> refused = lumolex::refuseLeftoverArguments(QCoreApplication::arguments()))
        return *refused;
    QApplication::setApplicationName(QStringLiteral("Лумолекс"));
    QApplication::setOrganizationName(QStringLiteral("LumoLex"));
    // The desktop finds the menu entry (lumolex.desktop) and its icon by
    // this name and groups the program's windows under it; every window
    // without an icon of its own shows the program's.
    QGuiApplication::setDesktopFileName(QStringLiteral("lumolex"));
    QApplication::setWindowIcon(lumolex::ImageList16::smallApplicationIcon());

    // DATA, the help file, the translations and the history files: beside
    // the executable, or in the shared folder of an install into a prefix.
    // The shared folder is only read: the history files then go to the
    // user's data folder.
    const lumolex::ProgramFolder folder = lumolex::locateProgramFolder(QCoreApplication::applicationDirPath());

    // The language is chosen once, before the first text is made: the
    // setting, else the locale. Qt's own dialogs and buttons speak it too.
    const lumolex::InterfaceLanguage language = lumolex::chooseInterfaceLanguage(
            lumolex::languageChoiceFromSetting(lumolex::SettingsStore().readLanguage()));
    if (language == lumolex::InterfaceLanguage::Russian)
        lumolex::installQtRussian(&app);
    else
        lumolex::installProgramTranslation(&app, language, folder.path);
    // No display name is set: Qt would add it to every window's title
    // ("Лумолекс 3.1 — Лумолекс"), and every window names itself.
    timeline.mark("application object");

    lumolex::LaunchOptions options;
    options.timeline = timeline;
    options.programFolder = folder.path;
    options.sharedProgramFolder = folder.shared;
    lumolex::TFormLumoLex window(std::move(options));
    if (window.endRequested())
        return window.exitCode();
    lumolex::closeOnTerminationRequest(&window);
    // The start-up runs inside show(). When it fails it has reported why,
    // and the program ends here with its exit code, whatever was asked of
    // the window meanwhile.
    window.show();
    if (window.endRequested())
        return window.exitCode();
    return app.exec();
}
