#include "app/shell/commandline.h"

#include <cstdio>
#include <cstring>

namespace lumolex {

namespace {

const char kHelp[] = R"(Usage: lumolex [OPTION]...
Shows the Kildin Saami and Russian dictionaries of LumoLex in a window: the
merged word list of the chosen dictionaries, their articles, the fast word
search and the fragment search. The interface is in Russian or English: the
setting "Interface language", else the locale (Russian for ru and for the C
and POSIX locales, English for any other language).

Options:
  -h, --help     print this help and exit
  -v, --version  print the version and exit

Qt's own options (such as -platform NAME, -style NAME or -display DISPLAY)
are accepted too; any other argument is refused.

Files:
  DATA/lumolex.db  the articles; with lumoword.db (the word forms) and
                   lumophra.db (the speech examples) in DATA/ beside the
                   program, else in ../share/lumolex/DATA relative to it
                   (/usr/share/lumolex/DATA when installed)
  ~/.config/LumoLex/LumoLex.ini  the settings
  ~/.local/share/LumoLex/  LumoCard.hst and LumoFind.hst, the histories
                           of the articles visited and of the searches,
                           when DATA/ cannot be written (an installed
                           program); else in DATA/
  /usr/share/lumolex/LumoLex.html  the user manual, opened with F1; in an
                   English interface LumoLex.en.html
  /usr/share/lumolex/translations/lumolex_en.qm  the English interface
  /usr/share/lumolex/NOTICE  the licences and the origin of the data

Environment:
  XDG_CONFIG_HOME  the folder used instead of ~/.config
  XDG_DATA_HOME    the folder used instead of ~/.local/share
  LC_ALL, LC_MESSAGES, LANG, LANGUAGE
                   the locale, read as gettext reads it, chooses the
                   interface language unless the setting does
  LUMOLEX_TIMING   when 1, the time from the process start (on Linux;
                   elsewhere from the start of main) to the first article
                   shown and until the word forms are loaded, and the
                   ends of the start-up's phases, are printed to
                   standard error
  QT_QPA_PLATFORM  the window system Qt uses (xcb, wayland, offscreen)

Exit status:
  0  the window was closed, or another copy was running and was called
     forward
  1  the program could not start: a data file is missing or cannot be read
  2  a bad command line
)";

bool isOneOf(const char *argument, const char *shortName, const char *longName)
{
    return std::strcmp(argument, shortName) == 0 || std::strcmp(argument, longName) == 0;
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace

QString programHelpText()
{
    return QString::fromUtf8(kHelp);
}

QString programVersionLine()
{
    return QStringLiteral("lumolex %1\n").arg(QStringLiteral(LUMOLEX_VERSION));
}

std::optional<int> answerBeforeWindowSystem(int argc, const char *const *argv)
{
    // The first of them wins, as in the other tools; Qt's options with a
    // value (-style help) are not mistaken for ours, which are exact words.
    for (int i = 1; i < argc; ++i) {
        if (isOneOf(argv[i], "-h", "--help")) {
            print(stdout, programHelpText());
            return ProgramClosed;
        }
        if (isOneOf(argv[i], "-v", "--version")) {
            print(stdout, programVersionLine());
            return ProgramClosed;
        }
    }
    return std::nullopt;
}

std::optional<int> refuseLeftoverArguments(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return std::nullopt;
    const QString &argument = arguments.at(1);
    const QString what = argument.startsWith(u'-') ? QStringLiteral("unknown option")
                                                   : QStringLiteral("unexpected argument");
    print(stderr, QStringLiteral("lumolex: %1 \"%2\"; see lumolex --help\n").arg(what, argument));
    return ProgramBadCommandLine;
}

} // namespace lumolex
