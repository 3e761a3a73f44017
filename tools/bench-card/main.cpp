// lumolex-bench-card: speed of opening a word card.
//
// Over the DATA folder of a program folder (default: the folder of this
// executable), the longest articles are made current one after the other and
// a card is opened for each: the time runs from the open-card command to the
// card shown and painted (the copy of the article, its card font, the window
// and its first paint). Each card is closed again before the next run, so
// every run creates a new card window.

#include "app/window/cardlink.h"
#include "app/cards/formcard.h"
#include "benchwindow.h"

#include <QApplication>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

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
    parseCommandLine(parser, app, QStringLiteral("Speed of opening a LumoLex word card."),
                     {programFolderOption(),
                      {QStringLiteral("runs"), QStringLiteral("Runs for the longest article."), QStringLiteral("n"),
                       QStringLiteral("30")}});

    QTemporaryDir scratch;
    const auto window = startWindow(launchOptions(parser.value(QStringLiteral("program")), scratch));
    if (!window)
        return 1;

    Table &articles = *window->ClientDataSet1;
    const std::vector<std::pair<int, int>> bySize = longestArticles(articles, 30);   // stored size, id
    if (bySize.empty()) {
        out << "no articles" << Qt::endl;
        return 1;
    }

    window->FindWord(bySize.front().second);
    QApplication::processEvents();
    out << "longest article                               " << articles.value(u"WORD").toString() << ", "
        << bySize.front().first << " bytes stored" << Qt::endl;
    openOnce(*window);   // first card: fonts and icons loaded once
    std::vector<double> longest;
    const int runs = atLeastOne(parser, QStringLiteral("runs"));
    for (int i = 0; i < runs; ++i)
        longest.push_back(openOnce(*window));
    reportTimes(QStringLiteral("open card, longest article"), 46, longest);

    std::vector<double> others;
    for (const auto &[size, id] : bySize) {
        window->FindWord(id);
        QApplication::processEvents();
        others.push_back(openOnce(*window));
    }
    reportTimes(QStringLiteral("open card, each of the 30 longest articles"), 46, others);
    out << "(target: under 20 ms from the command to the card shown)" << Qt::endl;
    window->close();
    return 0;
}
