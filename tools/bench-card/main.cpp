// lumolex-bench-card: speed of opening a word card.
//
// Over the DATA folder of a program folder (default: the folder of this
// executable), the longest articles are made current one after the other and
// a card is opened for each: the time runs from the open-card command to the
// card shown and painted (the copy of the article, its card font, the window
// and its first paint). Each card is closed again before the next run, so
// every run creates a new card window.

#include "app/cardlink.h"
#include "app/formcard.h"
#include "app/formlumolex.h"
#include "app/settingsstore.h"
#include "data/dictionaryselection.h"
#include "data/table.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace lumolex;

namespace {

QTextStream out(stdout);

double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

void report(const QString &what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const double median = times.empty() ? 0 : times[times.size() / 2];
    const double worst = times.empty() ? 0 : times.back();
    out << qSetFieldWidth(46) << Qt::left << what << qSetFieldWidth(0) << " median "
        << QString::number(median, 'f', 2) << " ms, max " << QString::number(worst, 'f', 2) << " ms ("
        << times.size() << " runs)" << Qt::endl;
}

// Opens a card for the current article; the time until it is shown and painted.
double openOnce(TFormLumoLex &window)
{
    QElapsedTimer clock;
    clock.start();
    window.cards->SpeedButtonOpenCardClick();
    QApplication::processEvents();   // the card's first paint
    const double ms = msSince(clock);
    for (TFormCard *card : window.cards->cards())
        card->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Speed of opening a LumoLex word card."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("program"), QStringLiteral("Program folder holding DATA/."),
                      QStringLiteral("folder"), QCoreApplication::applicationDirPath()});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Runs for the longest article."), QStringLiteral("n"),
                      QStringLiteral("30")});
    parser.process(app);

    QTemporaryDir scratch;
    const QString programFolder = parser.value(QStringLiteral("program"));
    LaunchOptions options;
    options.programFolder = programFolder;
    options.store = std::make_unique<SettingsStore>(scratch.filePath(QStringLiteral("bench.ini")));
    TFormLumoLex window(std::move(options));
    window.show();
    QApplication::processEvents();
    if (!window.started() || window.endRequested()) {
        out << "start-up failed: is there a DATA folder in " << programFolder << "?" << Qt::endl;
        return 1;
    }

    Table &articles = *window.ClientDataSet1;
    const int translField = articles.fieldIndex(u"TRANSL");
    const int idField = articles.fieldIndex(u"ID");
    SetFilterDict(articles, false, QString());
    std::vector<std::pair<int, int>> bySize;   // stored size, id
    for (int p = 0; p < articles.recordCount(); ++p)
        bySize.emplace_back(articles.valueAt(p, translField).toByteArray().size(),
                            articles.valueAt(p, idField).toInt());
    std::sort(bySize.begin(), bySize.end(), std::greater<>());
    bySize.resize(std::min<size_t>(bySize.size(), 30));
    if (bySize.empty()) {
        out << "no articles" << Qt::endl;
        return 1;
    }

    window.FindWord(bySize.front().second);
    QApplication::processEvents();
    out << "longest article                               " << articles.value(u"WORD").toString() << ", "
        << bySize.front().first << " bytes stored" << Qt::endl;
    openOnce(window);   // first card: fonts and icons loaded once
    std::vector<double> longest;
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());
    for (int i = 0; i < runs; ++i)
        longest.push_back(openOnce(window));
    report(QStringLiteral("open card, longest article"), longest);

    std::vector<double> others;
    for (const auto &[size, id] : bySize) {
        window.FindWord(id);
        QApplication::processEvents();
        others.push_back(openOnce(window));
    }
    report(QStringLiteral("open card, each of the 30 longest articles"), others);
    out << "(target: under 20 ms from the command to the card shown)" << Qt::endl;
    window.close();
    return 0;
}
