// lumolex-bench-startup: how far LumoLex's start-up is from the floor of its
// toolkit. Starts lumolex-bench-emptywindow (a Qt window of the same shape:
// menu bar, rich-text view with one line, status bar) and LumoLex
// alternately, N times each, under the current display, and prints:
//   - each program's median time from its process start to its first
//     paint, as the program itself measures it, and their ratio;
//   - where LumoLex's time goes: the median length and end of each phase of
//     its start-up, from the timestamps it prints under LUMOLEX_TIMING=1;
//   - the machine's load average before and after.
// Every start of LumoLex has a settings folder and a user data folder of its
// own, freshly made, and no history files in its DATA folder, so nothing of
// one start is seen by the next. Needs a display: run it under xvfb-run
// with a window manager (see --help).

#include "startupruns.h"

#include "benchsupport.h"
#include "measuredrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace lumolex::bench;

namespace {

const QString kEmptyFigure = QStringLiteral("empty window: first paint");
const QString kLumoLexFigure = QStringLiteral("lumolex: start-up to first article");

QString ms(double value)
{
    return QString::number(value, 'f', 1);
}

// A program folder of its own: a copy of lumolex (it looks for DATA beside
// its own file) and DATA with links to the data files, where the program's
// history files land.
bool makeProgramFolder(const QString &folder, const QString &lumolex, const QString &data)
{
    if (!QDir().mkpath(folder + QStringLiteral("/DATA")))
        return false;
    const QString program = folder + QStringLiteral("/lumolex");
    if (!QFile::copy(lumolex, program)
        || !QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return false;
    for (const char *name : {"lumolex.db", "lumoword.db", "lumophra.db"}) {
        const QString source = QDir(data).absoluteFilePath(QLatin1String(name));
        if (!QFile::link(source, folder + QStringLiteral("/DATA/") + QLatin1String(name)))
            return false;
    }
    return true;
}

// One start of `program`, ended once `figure` is printed; its report, with
// the figure -1 when it never came.
StartupReport startOnce(const QString &program, const QString &figure, const QStringList &environment)
{
    RunRequest request;
    request.program = program;
    request.environment = environment;
    request.awaitedLine = figure;
    request.timeoutMs = 30000;
    const RunFigures run = runMeasured(request);
    StartupReport report = readStartupReport(run.stderrText, figure);
    if (report.figureMs < 0)
        out << "  " << QFileInfo(program).fileName() << " printed no figure:\n" << run.stderrText << Qt::endl;
    return report;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QString binDir = QCoreApplication::applicationDirPath();
    parseCommandLine(parser, app,
                     QStringLiteral("Starts an empty Qt window and LumoLex alternately and compares their times "
                                    "to the first paint.\nRun it under a display with a window manager, e.g.\n"
                                    "  xvfb-run -a -s '-screen 0 1280x1024x24' sh -c 'openbox & sleep 1; "
                                    "lumolex-bench-startup'"),
                     {
                         {QStringLiteral("runs"), QStringLiteral("Starts of each program (default 7)."),
                          QStringLiteral("n"), QStringLiteral("7")},
                         {QStringLiteral("lumolex"), QStringLiteral("The lumolex program (default: beside this one)."),
                          QStringLiteral("path"), binDir + QStringLiteral("/lumolex")},
                         {QStringLiteral("data"), QStringLiteral("The DATA folder (default: DATA beside this program)."),
                          QStringLiteral("dir"), binDir + QStringLiteral("/DATA")},
                         {QStringLiteral("empty"), QStringLiteral("The empty window (default: beside this program)."),
                          QStringLiteral("path"), binDir + QStringLiteral("/lumolex-bench-emptywindow")},
                     });
    const int runs = atLeastOne(parser, QStringLiteral("runs"));
    const QString data = QDir(parser.value(QStringLiteral("data"))).absolutePath();
    const QString emptyWindow = parser.value(QStringLiteral("empty"));

    QTemporaryDir work;
    const QString programFolder = work.filePath(QStringLiteral("program"));
    if (!work.isValid() || !makeProgramFolder(programFolder, parser.value(QStringLiteral("lumolex")), data)) {
        out << "cannot make a program folder from " << parser.value(QStringLiteral("lumolex")) << " and " << data
            << Qt::endl;
        return 2;
    }
    const QString lumolex = programFolder + QStringLiteral("/lumolex");

    out << "display: " << qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("(default)")) << ", DISPLAY="
        << qEnvironmentVariable("DISPLAY") << ", WAYLAND_DISPLAY=" << qEnvironmentVariable("WAYLAND_DISPLAY")
        << Qt::endl;
    out << "data: " << data << Qt::endl;
    out << "load average before: " << loadAverage() << Qt::endl;

    std::vector<double> emptyTimes;
    std::vector<double> lumolexTimes;
    std::vector<StartupReport> lumolexReports;
    QString emptyOrigin;
    QString lumolexOrigin;
    for (int run = 0; run < runs; ++run) {
        const StartupReport empty = startOnce(emptyWindow, kEmptyFigure, {});

        // Fresh folders for the settings and the user's data; no histories.
        const QString scratch = work.filePath(QStringLiteral("run%1").arg(run));
        QDir().mkpath(scratch + QStringLiteral("/config"));
        QDir().mkpath(scratch + QStringLiteral("/share"));
        for (const char *history : {"LumoCard.hst", "LumoFind.hst"})
            QFile::remove(programFolder + QStringLiteral("/DATA/") + QLatin1String(history));
        const StartupReport own = startOnce(lumolex, kLumoLexFigure,
                                            {QStringLiteral("LUMOLEX_TIMING=1"),
                                             QStringLiteral("XDG_CONFIG_HOME=") + scratch + QStringLiteral("/config"),
                                             QStringLiteral("XDG_DATA_HOME=") + scratch + QStringLiteral("/share")});
        out << "  start " << run + 1 << ": empty window " << ms(empty.figureMs) << " ms, LumoLex "
            << ms(own.figureMs) << " ms" << Qt::endl;
        if (empty.figureMs >= 0) {
            emptyTimes.push_back(empty.figureMs);
            emptyOrigin = empty.origin;
        }
        if (own.figureMs >= 0) {
            lumolexTimes.push_back(own.figureMs);
            lumolexReports.push_back(own);
            lumolexOrigin = own.origin;
        }
    }
    out << "load average after: " << loadAverage() << Qt::endl;
    if (emptyTimes.empty() || lumolexTimes.empty()) {
        out << "no figures to compare" << Qt::endl;
        return 1;
    }

    const double emptyMedian = median(emptyTimes);
    const double lumolexMedian = median(lumolexTimes);
    const double ratio = lumolexMedian / emptyMedian;
    out << "empty window, process start to first paint: median " << ms(emptyMedian) << " ms (" << emptyTimes.size()
        << " starts; from " << emptyOrigin << ")" << Qt::endl;
    out << "LumoLex, process start to first article painted: median " << ms(lumolexMedian) << " ms ("
        << lumolexTimes.size() << " starts; from " << lumolexOrigin << ")" << Qt::endl;
    out << "ratio LumoLex / empty window: " << QString::number(ratio, 'f', 2)
        << " (target <= 1.50: " << (ratio <= 1.5 ? "met" : "NOT met") << ")" << Qt::endl;

    out << "LumoLex by phase (median length, median end):" << Qt::endl;
    for (const PhaseFigure &phase : phaseMedians(lumolexReports)) {
        out << "  " << qSetFieldWidth(22) << Qt::left << phase.name << qSetFieldWidth(0) << qSetFieldWidth(7)
            << Qt::right << ms(phase.medianLengthMs) << qSetFieldWidth(0) << " ms, ends " << qSetFieldWidth(7)
            << ms(phase.medianEndMs) << qSetFieldWidth(0) << " ms";
        if (phase.runs != int(lumolexReports.size()))
            out << " (in " << phase.runs << " starts)";
        out << Qt::endl;
    }
    return 0;
}
