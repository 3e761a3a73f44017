// lumolex-bench-fragment: speed and memory of the fragment search.
//
//  1. The floor: inflating every article body, nothing else.
//  2. The first whole scan (every body inflated, read as plain text,
//     converted and kept in the cache; bodies are read on the thread pool,
//     the floor on one thread).
//  3. Repeated scans over the filled cache, for several queries.
//  4. The same scan through a rich-text document: each body decoded into a
//     QTextDocument whose plain text is then converted.
//  5. Peak memory of the process with the cache filled, next to the size of
//     the data files.
//
// Data: a DATA folder (default: DATA beside this executable). Build a large
// set with
//   lumolex-mkdata build --scale 10 --out DIR/DATA
// and give DIR/DATA with --data.

#include "article/bodydecoder.h"
#include "article/transcription.h"
#include "benchdata.h"
#include "benchsupport.h"
#include "data/files/dataloader.h"
#include "search/fragmentsearch.h"
#include "search/plaintextcache.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextDocument>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

// The CPU time of every thread of the process: the scan reads bodies on
// the thread pool.
double processCpuMs()
{
    return double(cpuNanoseconds(CLOCK_PROCESS_CPUTIME_ID)) / 1e6;
}

// Wall time and CPU time. The targets are wall times, which only a quiet
// machine gives steadily; on a busy machine the CPU time shows the work done
// (for the scan, spread over the pool's threads).
class Stopwatch
{
public:
    Stopwatch() { restart(); }

    void restart()
    {
        m_paused = false;
        m_wall.start();
        m_cpu = processCpuMs();
    }

    // Freezes the figures.
    void pause()
    {
        m_wallMs = wallMs();
        m_cpuMs = cpuMs();
        m_paused = true;
    }

    double wallMs() const { return m_paused ? m_wallMs : msSince(m_wall); }
    double cpuMs() const { return m_paused ? m_cpuMs : processCpuMs() - m_cpu; }
    QString text() const
    {
        return QString::number(cpuMs(), 'f', 1) + QStringLiteral(" ms CPU (") + QString::number(wallMs(), 'f', 1)
            + QStringLiteral(" ms wall)");
    }

private:
    QElapsedTimer m_wall;
    double m_cpu = 0;
    double m_wallMs = 0;
    double m_cpuMs = 0;
    bool m_paused = false;
};

QString mib(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MiB");
}

Stopwatch inflateAll(Table &articles)
{
    const int body = articles.fieldIndex(QString::fromLatin1(field::TRANSL));
    Stopwatch clock;
    QByteArray inflated;
    qint64 total = 0;
    for (int i = 0; i < articles.recordCount(); ++i) {
        const QVariant stored = articles.valueAt(i, body);
        if (stored.isValid() && inflateBody(stored.toByteArray(), &inflated))
            total += inflated.size();
    }
    clock.pause();
    out << "inflated bytes: " << total << Qt::endl;
    return clock;
}

// The scan through a document, as a rich-text view would read each body.
std::vector<int> documentScan(Table &articles, const QString &query)
{
    const int body = articles.fieldIndex(QString::fromLatin1(field::TRANSL));
    const int id = articles.fieldIndex(QString::fromLatin1(field::ID));
    const QString key = RetTransc(query);
    std::vector<int> found;
    QTextDocument doc;
    for (int i = 0; i < articles.recordCount(); ++i) {
        const QVariant stored = articles.valueAt(i, body);
        decodeBody(stored.toByteArray(), !stored.isValid(), &doc);
        if (!key.isEmpty() && RetTransc(doc.toPlainText()).contains(key))
            found.push_back(int(articles.valueAt(i, id).toLongLong()));
    }
    return found;
}

std::vector<int> idsOf(const QVector<FoundArticle> &found)
{
    std::vector<int> ids;
    for (const FoundArticle &f : found)
        ids.push_back(f.id);
    return ids;
}

} // namespace

int main(int argc, char **argv)
{
    useOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parseCommandLine(parser, app, QStringLiteral("Speed and memory of the fragment search."),
                     {dataFolderOption(),
                      {QStringLiteral("no-document"), QStringLiteral("Skip the scan through a rich-text document.")}});
    const QString data = dataFolder(parser);
    DataTables tables;
    Table &articles = tables.articles;
    DataFileLoader loader(data);
    if (!loader.load(articles, tables.wordForms, tables.examples)) {
        out << "cannot load " << data << ": " << loader.errorString() << Qt::endl;
        return 2;
    }
    qint64 fileBytes = 0;
    for (const QFileInfo &file : QDir(data).entryInfoList({QStringLiteral("*.db")}, QDir::Files))
        fileBytes += file.size();
    out << "data: " << QDir(data).absolutePath() << ", " << articles.recordCount() << " articles, files "
        << mib(fileBytes) << Qt::endl;
    const qint64 loadedPeak = processStatusBytes("VmHWM:");

    // The floor first, twice, keeping the second: the first run also pages
    // the bodies in.
    inflateAll(articles);
    const Stopwatch floor = inflateAll(articles);
    out << "inflate every body (floor):     " << floor.text() << Qt::endl;

    PlainTextCache cache;
    const DictionaryScope all = DictionaryScope::all();
    Stopwatch clock;
    const QVector<FoundArticle> first = FragmentSearch::run(articles, QStringLiteral("ла с"), all, &cache);
    clock.pause();
    const double firstScan = clock.wallMs();
    out << "first whole scan:               " << clock.text() << ", " << first.size() << " found, "
        << QString::number(firstScan / floor.wallMs(), 'f', 2) << "x the floor (wall), "
        << QString::number(clock.cpuMs() / floor.cpuMs(), 'f', 2) << "x (CPU)" << Qt::endl;

    std::vector<double> repeated;
    for (const char *query : {"ла с", "ост", "а в", "ние", "zzzz", "ла с"}) {
        clock.restart();
        FragmentSearch::run(articles, QString::fromUtf8(query), all, &cache);
        repeated.push_back(clock.wallMs());
    }
    out << "repeated scan (cache filled):   median " << QString::number(median(repeated), 'f', 1)
        << " ms wall, max " << QString::number(*std::max_element(repeated.begin(), repeated.end()), 'f', 1)
        << " ms wall (" << repeated.size() << " runs)" << Qt::endl;

    clock.restart();
    const QVector<FoundArticle> uncached = FragmentSearch::run(articles, QStringLiteral("ла с"), all);
    out << "whole scan without the cache:   " << clock.text() << Qt::endl;

    out << "cache: " << cache.count() << " texts, " << mib(cache.bytes()) << " (budget " << mib(cache.budget())
        << ")" << Qt::endl;
    out << "peak memory after loading:      " << mib(loadedPeak) << Qt::endl;
    out << "peak memory with cache filled:  " << mib(processStatusBytes("VmHWM:")) << ", resident now "
        << mib(processStatusBytes("VmRSS:")) << ", data files " << mib(fileBytes) << Qt::endl;

    if (!parser.isSet(QStringLiteral("no-document"))) {
        clock.restart();
        const std::vector<int> viaDocument = documentScan(articles, QStringLiteral("ла с"));
        clock.pause();
        out << "scan through a document:        " << clock.text() << ", "
            << QString::number(clock.wallMs() / firstScan, 'f', 1) << "x the first scan (wall), "
            << QString::number(clock.wallMs() / floor.wallMs(), 'f', 1) << "x the floor, results "
            << (viaDocument == idsOf(uncached) ? "equal" : "DIFFERENT") << Qt::endl;
    }
    return 0;
}
