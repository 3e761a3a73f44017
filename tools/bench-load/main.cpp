// lumolex-bench-load: times the start-up loading of the data files (the
// file checks, reading the three tables, building their indexes) and prints
// the figures of each run and the best and median of all runs.

#include "benchdata.h"
#include "benchsupport.h"
#include "data/files/dataloader.h"

using namespace lumolex;
using namespace lumolex::bench;

namespace {

struct RunTimes {
    double check = 0;
    double read = 0;
    double index = 0;
    double total() const { return check + read + index; }
};

double millisecondsSince(QElapsedTimer &timer)
{
    const double ms = msSince(timer);
    timer.restart();
    return ms;
}

// A figure of /proc/self/status in MiB ("VmHWM:" the peak, "VmRSS:" now),
// -1 where the system has none.
double statusMiB(const char *name)
{
    const qint64 bytes = processStatusBytes(name);
    return bytes < 0 ? -1 : double(bytes) / (1024.0 * 1024.0);
}

QString memoryFigures()
{
    return QStringLiteral("peak %1 MiB, resident %2 MiB")
        .arg(statusMiB("VmHWM:"), 0, 'f', 0)
        .arg(statusMiB("VmRSS:"), 0, 'f', 0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parseCommandLine(parser, app, QStringLiteral("Times the loading of the LumoLex data files."),
                     {dataFolderOption(), {QStringLiteral("runs"), QStringLiteral("Number of runs (default 5)."),
                                           QStringLiteral("n"), QStringLiteral("5")}});
    const QString folder = dataFolder(parser);
    const int runs = atLeastOne(parser, QStringLiteral("runs"));

    std::vector<RunTimes> times;
    int articleCount = 0;
    int formCount = 0;
    int exampleCount = 0;
    for (int run = 0; run < runs; ++run) {
        DataTables tables;
        Table &articles = tables.articles;
        Table &wordForms = tables.wordForms;
        Table &examples = tables.examples;
        DataFileLoader loader(folder);
        RunTimes t;
        QElapsedTimer timer;
        timer.start();
        const QStringList problems = checkDataFiles(folder);
        t.check = millisecondsSince(timer);
        if (!problems.isEmpty()) {
            err << problems.join(u'\n') << Qt::endl;
            return 2;
        }
        if (!loader.readAll(articles, wordForms, examples)) {
            err << loader.errorString() << Qt::endl;
            return 2;
        }
        t.read = millisecondsSince(timer);
        const QString afterRead = memoryFigures();
        DataFileLoader::buildIndexes(articles, wordForms);
        t.index = millisecondsSince(timer);
        out << QStringLiteral("run %1 memory: after reading %2; after indexes %3")
                   .arg(run + 1)
                   .arg(afterRead, memoryFigures())
            << Qt::endl;
        times.push_back(t);
        articleCount = articles.rowCount();
        formCount = wordForms.rowCount();
        exampleCount = examples.rowCount();
        out << QStringLiteral("run %1: check %2 ms, read %3 ms, indexes %4 ms, total %5 ms")
                   .arg(run + 1)
                   .arg(t.check, 0, 'f', 1)
                   .arg(t.read, 0, 'f', 1)
                   .arg(t.index, 0, 'f', 1)
                   .arg(t.total(), 0, 'f', 1)
            << Qt::endl;
    }

    std::sort(times.begin(), times.end(), [](const RunTimes &a, const RunTimes &b) { return a.total() < b.total(); });
    out << QStringLiteral("data: %1 (%2 articles, %3 word forms, %4 examples)")
               .arg(folder)
               .arg(articleCount)
               .arg(formCount)
               .arg(exampleCount)
        << Qt::endl;
    out << QStringLiteral("best total %1 ms, median total %2 ms over %3 runs")
               .arg(times.front().total(), 0, 'f', 1)
               .arg(times[times.size() / 2].total(), 0, 'f', 1)
               .arg(runs)
        << Qt::endl;
    return 0;
}
