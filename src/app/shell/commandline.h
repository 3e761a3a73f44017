#pragma once

// The program's command line. --help and --version are answered before any
// window system is touched: they print to standard output and end the
// program without a display, without a window and without the
// single-instance lock. Qt's own options (-platform, -style, ...) are left to
// QApplication, which takes them out of the arguments; any argument left
// after that is refused.

#include <QStringList>

#include <optional>

namespace lumolex {

// The program's exit codes.
enum ProgramExitCode {
    ProgramClosed = 0,      // the window was closed, or another copy was called forward
    ProgramStartFailed = 1, // a data file is missing or cannot be read
    ProgramBadCommandLine = 2,
};

// The text --help prints: usage, options, files, environment, exit codes.
QString programHelpText();
// The line --version prints.
QString programVersionLine();

// The exit code when the arguments (argv[0] first) ask for help or the
// version, after printing the answer; nullopt when the program should go on.
std::optional<int> answerBeforeWindowSystem(int argc, const char *const *argv);

// The exit code for the arguments QApplication left (argv[0] first), after
// naming the first one on standard error; nullopt when none is left.
std::optional<int> refuseLeftoverArguments(const QStringList &arguments);

} // namespace lumolex
