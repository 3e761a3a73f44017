// lumolex-bench-learner: the learner's tools on a DATA folder (give a ×10 set
// with --data DIR).
//
//  1. The word box as typing drives it: the type-ahead (findNearest on the
//     key), the check whether the text begins a headword, and, when it does
//     not, the look-up of the whole word form (WordFormLookup) - for every
//     form of a random sample of word-form keys, in the view of every
//     dictionary. Prints the median, the 99th percentile and the largest
//     time of each part; the form look-up's target is 2 ms at the 99th
//     percentile.
//  2. The card deck of a 500-word card history (random headwords): the time
//     to make it; target 0.5 s.

#include "benchdata.h"
#include "benchsupport.h"
#include "article/transcription.h"
#include "data/files/dataloader.h"
#include "search/carddeck.h"
#include "search/wordformlookup.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(double(values.size()) * share))];
}

void report(const char *what, const std::vector<double> &times, double targetMs = -1)
{
    out << "  " << qSetFieldWidth(34) << Qt::left << what << qSetFieldWidth(0) << " median "
        << QString::number(median(times) * 1000, 'f', 1) << " µs, 99% " << QString::number(percentile(times, 0.99) * 1000, 'f', 1)
        << " µs, max " << QString::number(percentile(times, 1.0) * 1000, 'f', 1) << " µs (" << times.size() << " runs)";
    if (targetMs > 0)
        out << "; target 99% <= " << targetMs << " ms: " << (percentile(times, 0.99) <= targetMs ? "met" : "NOT met");
    out << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parseCommandLine(parser, app, QStringLiteral("Times the word box's form look-up and the card deck."),
                     {dataFolderOption(), {QStringLiteral("runs"), QStringLiteral("Forms looked up (default 2000)."),
                                           QStringLiteral("n"), QStringLiteral("2000")}});
    const int runs = atLeastOne(parser, QStringLiteral("runs"));
    DataTables tables;
    DataFileLoader loader(dataFolder(parser));
    if (!loader.load(tables.articles, tables.wordForms, tables.examples)) {
        out << loader.errorString() << Qt::endl;
        return 2;
    }
    out << tables.articles.rowCount() << " articles, " << tables.wordForms.rowCount() << " word-form rows" << Qt::endl;

    QRandomGenerator random(20261209);
    const int keyField = tables.wordForms.fieldIndex(QStringLiteral("TRANSC"));
    std::vector<double> typeAhead, prefixCheck, lookUp;
    int named = 0;
    for (int i = 0; i < runs; ++i) {
        const QString form = tables.wordForms.valueOfRow(int(random.bounded(tables.wordForms.rowCount())), keyField).toString();
        QElapsedTimer clock;
        clock.start();
        tables.articles.findNearest(RetTransc(form));
        typeAhead.push_back(msSince(clock));
        clock.restart();
        const bool begins = WordFormLookup::beginsAHeadword(tables.articles, form);
        prefixCheck.push_back(msSince(clock));
        if (begins)
            continue;
        clock.restart();
        named += WordFormLookup::articlesHolding(tables.articles, tables.wordForms, form).isEmpty() ? 0 : 1;
        lookUp.push_back(msSince(clock));
    }
    out << "word box (" << lookUp.size() << " of " << runs << " sampled forms begin no headword; " << named
        << " of those are named)" << Qt::endl;
    report("type-ahead (findNearest)", typeAhead);
    report("headword-prefix check", prefixCheck);
    report("word-form look-up", lookUp, 2.0);

    const int wordField = tables.articles.fieldIndex(QStringLiteral("WORD"));
    QStringList history;
    for (int i = 0; i < 500; ++i)
        history.append(tables.articles.valueOfRow(int(random.bounded(tables.articles.rowCount())), wordField).toString());
    std::vector<double> deckTimes;
    qsizetype bytes = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        bytes = makeCardDeck(tables.articles, history).text.size();
        deckTimes.push_back(msSince(clock));
    }
    out << "card deck of 500 words (" << bytes / 1024 << " KiB): median " << QString::number(median(deckTimes), 'f', 1)
        << " ms, max " << QString::number(percentile(deckTimes, 1.0), 'f', 1)
        << " ms; target <= 500 ms: " << (percentile(deckTimes, 1.0) <= 500 ? "met" : "NOT met") << Qt::endl;
    return 0;
}
