// lumolex-bench-large: the program on large dictionaries, measured as a user
// meets them. Builds the ×10 and ×30 sets from the sample's source lists
// with lumolex-mkdata build --scale N, puts each into a program folder of its
// own with a copy of lumolex, and prints:
//   - start to the window on screen with its first article (the program's
//     LUMOLEX_TIMING line, printed once the article view has been painted),
//     timed from the launch of the process, best and median of the runs;
//   - the program's peak memory once the word forms are loaded, per word-form
//     row;
//   - lumolex-cli show at ×30 (time and peak memory);
//   - the same start-up figure on the sample.
// The machine's load average is printed with the figures. Needs a display
// (run it under xvfb-run) or QT_QPA_PLATFORM=offscreen.

#include "measuredrun.h"

#include "benchsupport.h"
#include "data/files/sqlitedb.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

const QString kFirstArticleLine = QStringLiteral("start-up to first article");
const QString kWordFormsLine = QStringLiteral("word forms loaded");

qint64 wordFormRows(const QString &dataFolder)
{
    sqlite::Database db;
    if (!db.openReadOnly(QDir(dataFolder).filePath(QStringLiteral("lumoword.db"))))
        return 0;
    sqlite::Statement count(db, "SELECT count(*) FROM wordforms");
    return count.next() ? count.columnInt(0) : 0;
}

// A program folder: a copy of lumolex (it finds DATA beside its own file)
// and the DATA folder the caller fills.
bool makeProgramFolder(const QString &folder, const QString &binDir)
{
    QDir().mkpath(folder + QStringLiteral("/DATA"));
    const QString target = folder + QStringLiteral("/lumolex");
    QFile::remove(target);
    if (!QFile::copy(binDir + QStringLiteral("/lumolex"), target))
        return false;
    return QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool buildSet(const QString &binDir, const QString &lists, const QString &credits, int scale, const QString &dataFolder)
{
    RunRequest build;
    build.program = binDir + QStringLiteral("/lumolex-mkdata");
    build.arguments = {QStringLiteral("build"), QStringLiteral("--out"), dataFolder,
                       QStringLiteral("--articles"), lists + QStringLiteral("/articles.tsv"),
                       QStringLiteral("--examples"), lists + QStringLiteral("/examples.tsv"),
                       QStringLiteral("--forms"), lists + QStringLiteral("/forms.tsv")};
    if (QFile::exists(credits))
        build.arguments << QStringLiteral("--credits") << credits;
    if (scale > 1)
        build.arguments << QStringLiteral("--scale") << QString::number(scale);
    build.timeoutMs = 30 * 60 * 1000;
    const RunFigures figures = runMeasured(build);
    out << "  built ×" << scale << " in " << QString::number(figures.launchToEndMs / 1000, 'f', 1) << " s" << Qt::endl;
    if (!figures.ok)
        out << figures.stderrText << Qt::endl;
    return figures.ok;
}

struct StartFigures {
    double bestMs = -1;
    double medianMs = -1;
    double ownMedianMs = -1;      // the program's own figure
    double formsMedianMs = -1;    // launch to the word forms loaded
    double cpuMedianMs = -1;      // CPU time of a whole run, to its end after the word forms
    qint64 peakKiB = 0;
};

StartFigures measureStart(const QString &folder, const QString &configDir, int runs)
{
    std::vector<double> launch, own, forms, cpu;
    qint64 peak = 0;
    static const QRegularExpression ownFigure(QStringLiteral("start-up to first article (\\d+) ms"));
    for (int run = 0; run < runs; ++run) {
        RunRequest start;
        start.program = folder + QStringLiteral("/lumolex");
        start.environment = {QStringLiteral("LUMOLEX_TIMING=1"), QStringLiteral("XDG_CONFIG_HOME=") + configDir};
        start.awaitedLine = kFirstArticleLine;
        start.thenLine = kWordFormsLine;
        const RunFigures figures = runMeasured(start);
        if (figures.launchToLineMs < 0) {
            out << "  the program showed no article:\n" << figures.stderrText << Qt::endl;
            return {};
        }
        launch.push_back(figures.launchToLineMs);
        forms.push_back(start.thenLineMs);
        cpu.push_back(figures.cpuMs);
        const QRegularExpressionMatch m = ownFigure.match(figures.stderrText);
        if (m.hasMatch())
            own.push_back(m.captured(1).toDouble());
        peak = std::max(peak, figures.peakKiB);
    }
    return {best(launch), median(launch), median(own), median(forms), median(cpu), peak};
}

void printStart(const char *name, const StartFigures &f, double targetMs)
{
    out << "  " << name << ": start to window with first article: best " << QString::number(f.bestMs, 'f', 0)
        << " ms, median " << QString::number(f.medianMs, 'f', 0) << " ms (program's own figure, median "
        << QString::number(f.ownMedianMs, 'f', 0) << " ms); target < " << targetMs << " ms: "
        << (f.bestMs >= 0 && f.bestMs < targetMs ? "met" : "NOT met") << Qt::endl;
    out << "  " << name << ": word forms loaded " << QString::number(f.formsMedianMs, 'f', 0)
        << " ms after launch (median); CPU time of a run " << QString::number(f.cpuMedianMs, 'f', 0)
        << " ms (median); peak memory " << f.peakKiB / 1024 << " MiB" << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QString binDir = QCoreApplication::applicationDirPath();
    parseCommandLine(parser, app, QStringLiteral("Times LumoLex on the sample and on ×10 and ×30 sets."), {
        {QStringLiteral("lists"), QStringLiteral("Source lists (default: data/lists of the build)."), QStringLiteral("dir"),
         binDir + QStringLiteral("/../data/lists")},
        {QStringLiteral("work"), QStringLiteral("Folder for the built sets (default: a temporary one)."),
         QStringLiteral("dir")},
        {QStringLiteral("runs"), QStringLiteral("Starts per set (default 3)."), QStringLiteral("n"), QStringLiteral("3")},
        {QStringLiteral("reuse"), QStringLiteral("Keep sets already built in --work.")},
    });
    const QString lists = QDir(parser.value(QStringLiteral("lists"))).absolutePath();
    const int runs = atLeastOne(parser, QStringLiteral("runs"));
    QTemporaryDir temporary;
    const QString work = parser.isSet(QStringLiteral("work")) ? QDir(parser.value(QStringLiteral("work"))).absolutePath()
                                                                : temporary.path();
    const QString credits = QDir(binDir + QStringLiteral("/../../data/credits.tsv")).absolutePath();
    const QString configDir = work + QStringLiteral("/config");

    out << "load average before: " << loadAverage() << Qt::endl;

    // The sample, as built beside the program.
    const QString sampleFolder = work + QStringLiteral("/sample");
    if (!makeProgramFolder(sampleFolder, binDir))
        return 2;
    for (const char *name : {"lumolex.db", "lumoword.db", "lumophra.db"}) {
        const QString target = sampleFolder + QStringLiteral("/DATA/") + QLatin1String(name);
        QFile::remove(target);
        QFile::copy(binDir + QStringLiteral("/DATA/") + QLatin1String(name), target);
    }
    out << "sample (" << wordFormRows(sampleFolder + QStringLiteral("/DATA")) << " word-form rows)" << Qt::endl;
    printStart("sample", measureStart(sampleFolder, configDir, runs), 150);

    double time10 = -1;
    double time30 = -1;
    for (const int scale : {10, 30}) {
        const QString folder = work + QStringLiteral("/x%1").arg(scale);
        const QString data = folder + QStringLiteral("/DATA");
        if (!makeProgramFolder(folder, binDir))
            return 2;
        if (!(parser.isSet(QStringLiteral("reuse")) && wordFormRows(data) > 0)
            && !buildSet(binDir, lists, credits, scale, data))
            return 2;
        const qint64 rows = wordFormRows(data);
        out << "×" << scale << " (" << rows << " word-form rows)" << Qt::endl;
        const StartFigures f = measureStart(folder, configDir, runs);
        printStart(scale == 10 ? "×10" : "×30", f, scale == 10 ? 1000 : 2500);
        (scale == 10 ? time10 : time30) = f.bestMs;
        if (scale == 30 && rows > 0) {
            const double perRow = double(f.peakKiB) * 1024.0 / double(rows);
            out << "  ×30: peak memory per word-form row " << QString::number(perRow, 'f', 0)
                << " bytes; target <= 150: " << (perRow <= 150 ? "met" : "NOT met") << Qt::endl;

            std::vector<double> times, cpu;
            qint64 peak = 0;
            for (int run = 0; run < runs; ++run) {
                RunRequest show;
                show.program = binDir + QStringLiteral("/lumolex-cli");
                show.arguments = {QStringLiteral("show"), QStringLiteral("5000"), QStringLiteral("--data"), data};
                const RunFigures figures = runMeasured(show);
                if (!figures.ok)
                    out << "  lumolex-cli show failed: " << figures.stderrText << Qt::endl;
                times.push_back(figures.launchToEndMs);
                cpu.push_back(figures.cpuMs);
                peak = std::max(peak, figures.peakKiB);
            }
            out << "  ×30: lumolex-cli show 5000: best " << QString::number(best(times), 'f', 0) << " ms, median "
                << QString::number(median(times), 'f', 0) << " ms (CPU " << QString::number(median(cpu), 'f', 0)
                << " ms, median), peak " << peak / 1024 << " MiB; target < 500 ms: "
                << (best(times) < 500 ? "met" : "NOT met") << Qt::endl;
        }
    }
    if (time10 > 0 && time30 > 0) {
        const double ratio = time30 / time10;
        out << "×30 / ×10 start-up: " << QString::number(ratio, 'f', 2) << " (target <= 3.3: "
            << (ratio <= 3.3 ? "met" : "NOT met") << ")" << Qt::endl;
    }
    out << "load average after: " << loadAverage() << Qt::endl;
    return 0;
}
