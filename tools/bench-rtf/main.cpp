// Speed of the RTF reader: the plain-text sink over the RTF test corpus and
// over typical dictionary articles, and building a document per article.
//
//   lumolex-bench-rtf [corpus folder]
#include "samplearticles.h"

#include "benchsupport.h"
#include "rtf/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

constexpr qint64 kMinimumNanoseconds = 1'000'000'000;

// Repeats work over all inputs until at least a second of CPU time of this
// thread has passed; returns CPU nanoseconds per pass.
template<typename Work>
double timePerPass(const QList<QByteArray> &inputs, Work work)
{
    for (const QByteArray &input : inputs)
        work(input); // warm-up: code pages opened, caches filled
    const qint64 start = cpuNanoseconds(CLOCK_THREAD_CPUTIME_ID);
    qint64 passes = 0;
    qint64 elapsed = 0;
    do {
        for (const QByteArray &input : inputs)
            work(input);
        ++passes;
        elapsed = cpuNanoseconds(CLOCK_THREAD_CPUTIME_ID) - start;
    } while (elapsed < kMinimumNanoseconds);
    return double(elapsed) / double(passes);
}

qint64 totalBytes(const QList<QByteArray> &inputs)
{
    qint64 total = 0;
    for (const QByteArray &input : inputs)
        total += input.size();
    return total;
}

void reportPlainText(const char *label, const QList<QByteArray> &inputs)
{
    qsizetype sink = 0;
    const double ns = timePerPass(inputs, [&](const QByteArray &rtf) { sink += rtf::plainText(rtf).size(); });
    const double megabytesPerSecond = double(totalBytes(inputs)) / ns * 1e9 / 1e6;
    std::printf("%-34s %6lld files %9lld bytes  %8.1f MB/s\n", label, qlonglong(inputs.size()),
                totalBytes(inputs), megabytesPerSecond);
    if (sink < 0)
        std::printf("(impossible: keeps the results alive)\n");
}

QList<QByteArray> readCorpus(const QString &folder)
{
    QList<QByteArray> files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.append(file.readAll());
    }
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    useOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    const QString corpusFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LUMOLEX_RTF_CORPUS_DIR);

    const QList<QByteArray> corpus = readCorpus(corpusFolder);
    const QList<QByteArray> articles = bench::sampleArticles(500);
    if (corpus.isEmpty())
        std::printf("no RTF files in %s\n", qPrintable(corpusFolder));

    std::printf("Figures are CPU time of the benchmark thread.\n");
    std::printf("Plain-text sink (target: at least 150 MB/s)\n");
    if (!corpus.isEmpty())
        reportPlainText("  corpus", corpus);
    reportPlainText("  dictionary articles (1-2 KB)", articles);

    std::printf("Document sink (target: under 0.5 ms per typical article)\n");
    QTextDocument document;
    const double perPass = timePerPass(articles, [&](const QByteArray &rtf) { rtf::readDocument(rtf, &document); });
    std::printf("  %-32s %8.3f ms per article (average %lld bytes)\n", "reused document",
                perPass / 1e6 / articles.size(), totalBytes(articles) / articles.size());
    const double freshPass = timePerPass(articles, [&](const QByteArray &rtf) {
        QTextDocument fresh;
        rtf::readDocument(rtf, &fresh);
    });
    std::printf("  %-32s %8.3f ms per article\n", "new document each time", freshPass / 1e6 / articles.size());
    if (!corpus.isEmpty()) {
        const double corpusPass = timePerPass(corpus, [&](const QByteArray &rtf) { rtf::readDocument(rtf, &document); });
        std::printf("  %-32s %8.3f ms per file (%lld files)\n", "corpus", corpusPass / 1e6 / corpus.size(),
                    qlonglong(corpus.size()));
    }
    return 0;
}
