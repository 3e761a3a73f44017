// lumolex-bench-cli: what a script pays for one look-up with lumolex-cli.
// Each command runs as its own process, as a script calls it, once through
// the files' look-up indexes and once with --load-all (whole tables, the
// window's way of reading), on the sample built beside the program and on a
// ×10 set built from the sample's source lists with lumolex-mkdata --scale.
// Prints, per command and path, the median wall time from launch to exit, the
// median CPU time and the peak memory of the runs, and whether both paths
// printed the same; first the same figures for the floors of every look-up
// (a process of the C++ library alone, one that links QtCore and makes its
// application object, and lumolex-cli --version, the tool's start alone),
// and the machine's load average before and after, as the figures hold for a
// quiet machine only.

#include "benchsupport.h"
#include "measuredrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace lumolex::bench;

namespace {

struct Command {
    const char *name;
    QStringList arguments;
    double targetMs;   // on ×10; the sample's target is 10 ms for each
};

struct PathFigures {
    double medianMs = 0;
    double cpuMs = 0;
    qint64 peakKiB = 0;
    QString output;
    bool ok = true;
};

PathFigures measure(const QString &cli, QStringList arguments, int runs)
{
    std::vector<double> times, cpu;
    PathFigures figures;
    for (int run = 0; run < runs; ++run) {
        RunRequest request;
        request.program = cli;
        request.arguments = arguments;
        request.captureStdout = true;
        const RunFigures f = runMeasured(request);
        figures.ok = figures.ok && f.ok;
        times.push_back(f.launchToEndMs);
        cpu.push_back(f.cpuMs);
        figures.peakKiB = std::max(figures.peakKiB, f.peakKiB);
        figures.output = f.stdoutText;
    }
    figures.medianMs = median(times);
    figures.cpuMs = median(cpu);
    return figures;
}

void printRow(const QString &what, const PathFigures &f)
{
    out << "    " << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(0) << " median "
        << QString::number(f.medianMs, 'f', 1) << " ms, CPU " << QString::number(f.cpuMs, 'f', 1) << " ms, peak "
        << QString::number(double(f.peakKiB) / 1024.0, 'f', 1) << " MiB" << (f.ok ? "" : " (FAILED)") << Qt::endl;
}

void measureSet(const QString &name, const QString &cli, const QString &data, int runs, bool large)
{
    const QList<Command> commands{
        {"find олень", {QStringLiteral("find"), QStringLiteral("--all"), QStringLiteral("олень")}, 25},
        {"show 5000", {QStringLiteral("show"), QStringLiteral("5000")}, 15},
        {"list --from олень --count 10",
         {QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("олень"), QStringLiteral("--count"), QStringLiteral("10")},
         15},
    };
    out << name << Qt::endl;
    for (const Command &command : commands) {
        QStringList arguments = command.arguments;
        arguments << QStringLiteral("--data") << data;
        const PathFigures indexed = measure(cli, arguments, runs);
        const PathFigures whole = measure(cli, arguments + QStringList{QStringLiteral("--load-all")}, runs);
        const double target = large ? command.targetMs : 10;
        const double peakTarget = 30;
        out << "  " << command.name << ": "
            << (indexed.output == whole.output ? "same output on both paths" : "OUTPUTS DIFFER") << "; target "
            << target << " ms" << (large ? ", 30 MiB" : "") << ": "
            << (indexed.medianMs <= target && (!large || indexed.peakKiB <= peakTarget * 1024) ? "met" : "NOT met")
            << Qt::endl;
        printRow(QStringLiteral("through the look-up indexes"), indexed);
        printRow(QStringLiteral("whole tables (--load-all)"), whole);
    }
}

bool buildLarge(const QString &binDir, const QString &lists, const QString &credits, const QString &data)
{
    RunRequest build;
    build.program = binDir + QStringLiteral("/lumolex-mkdata");
    build.arguments = {QStringLiteral("build"), QStringLiteral("--out"), data,
                       QStringLiteral("--articles"), lists + QStringLiteral("/articles.tsv"),
                       QStringLiteral("--examples"), lists + QStringLiteral("/examples.tsv"),
                       QStringLiteral("--forms"), lists + QStringLiteral("/forms.tsv"),
                       QStringLiteral("--scale"), QStringLiteral("10")};
    if (QFile::exists(credits))
        build.arguments << QStringLiteral("--credits") << credits;
    build.timeoutMs = 30 * 60 * 1000;
    const RunFigures figures = runMeasured(build);
    out << "built ×10 in " << QString::number(figures.launchToEndMs / 1000, 'f', 1) << " s" << Qt::endl;
    if (!figures.ok)
        out << figures.stderrText << Qt::endl;
    return figures.ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QString binDir = QCoreApplication::applicationDirPath();
    parseCommandLine(parser, app, QStringLiteral("Times one look-up of lumolex-cli per process on the sample and ×10."), {
        {QStringLiteral("lists"), QStringLiteral("Source lists (default: data/lists of the build)."), QStringLiteral("dir"),
         binDir + QStringLiteral("/../data/lists")},
        {QStringLiteral("work"), QStringLiteral("Folder for the ×10 set (default: a temporary one); an existing set there is reused."),
         QStringLiteral("dir")},
        {QStringLiteral("runs"), QStringLiteral("Runs per command and path (default 5)."), QStringLiteral("n"), QStringLiteral("5")},
        {QStringLiteral("sample-only"), QStringLiteral("Leave out the ×10 set.")},
    });
    const int runs = atLeastOne(parser, QStringLiteral("runs"));
    const QString cli = binDir + QStringLiteral("/lumolex-cli");
    out << "load average before: " << loadAverage() << Qt::endl;
    out << "floors" << Qt::endl;
    printRow(QStringLiteral("a C++ program that only starts and ends"),
             measure(binDir + QStringLiteral("/lumolex-bench-floor-cxx"), {}, runs));
    printRow(QStringLiteral("the same with QtCore and its application"),
             measure(binDir + QStringLiteral("/lumolex-bench-floor-qtcore"), {}, runs));
    printRow(QStringLiteral("start alone (lumolex-cli --version)"), measure(cli, {QStringLiteral("--version")}, runs));
    measureSet(QStringLiteral("sample"), cli, binDir + QStringLiteral("/DATA"), runs, false);
    if (parser.isSet(QStringLiteral("sample-only"))) {
        out << "load average after: " << loadAverage() << Qt::endl;
        return 0;
    }

    QTemporaryDir temporary;
    const QString work = parser.isSet(QStringLiteral("work")) ? QDir(parser.value(QStringLiteral("work"))).absolutePath()
                                                                : temporary.path();
    const QString data = work + QStringLiteral("/x10");
    const QString lists = QDir(parser.value(QStringLiteral("lists"))).absolutePath();
    const QString credits = QDir(binDir + QStringLiteral("/../../data/credits.tsv")).absolutePath();
    if (!QFile::exists(data + QStringLiteral("/lumoword.db")) && !buildLarge(binDir, lists, credits, data))
        return 2;
    for (const char *file : {"lumolex.db", "lumoword.db"})
        out << file << " at ×10: " << QFileInfo(data + u'/' + QLatin1String(file)).size() / 1024 << " KiB" << Qt::endl;
    measureSet(QStringLiteral("×10"), cli, data, runs, true);
    out << "load average after: " << loadAverage() << Qt::endl;
    return 0;
}
