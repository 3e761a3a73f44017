// lumolex-bench-render: renders every article of the data files through the
// record-change handler, in an article panel the size of the main window's,
// and prints the median, 95th percentile and maximum time of one change.
//
// Each change is timed from the move of the article table to the return of
// the handler: word box, step, decoding, masking, font, showing the document
// and the caret field. With --paint the view's repaint is included too.

#include "article/view/articlepanel.h"
#include "article/view/articlerenderer.h"
#include "article/view/richtextview.h"
#include "article/view/stepnavigator.h"
#include "benchdata.h"
#include "benchsupport.h"
#include "data/files/dataloader.h"
#include "longbodies.h"
#include "platform/systeminfo.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

double percentile(const std::vector<double> &sorted, double p)
{
    if (sorted.empty())
        return 0;
    const size_t index = std::min(sorted.size() - 1, size_t(p * double(sorted.size() - 1) + 0.5));
    return sorted[index];
}

} // namespace

int main(int argc, char **argv)
{
    useOffscreenUnlessSet();
    QApplication app(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parseCommandLine(parser, app, QStringLiteral("Times the rendering of every article of the LumoLex data."), {
        dataFolderOption(),
        {QStringLiteral("passes"), QStringLiteral("Passes over all articles (default 3)."), QStringLiteral("n"),
         QStringLiteral("3")},
        {QStringLiteral("paint"), QStringLiteral("Include repainting the article view in each change.")},
        {QStringLiteral("body"),
         QStringLiteral("Show one long body instead: %1.").arg(bench::longBodyNames().join(QStringLiteral(", "))),
         QStringLiteral("name")},
    });
    const QString folder = dataFolder(parser);
    const int passes = atLeastOne(parser, QStringLiteral("passes"));
    const bool paint = parser.isSet(QStringLiteral("paint"));

    const QString bodyName = parser.value(QStringLiteral("body"));

    DataTables tables;
    Table &articles = tables.articles;
    Table &wordForms = tables.wordForms;
    if (!bodyName.isEmpty()) {
        const QByteArray body = bench::longBody(bodyName);
        if (body.isEmpty()) {
            err << "unknown body " << bodyName << Qt::endl;
            return 2;
        }
        articles.appendRow({1, 1, QStringLiteral("a"), QByteArray(), QStringLiteral("a"), QVariant()});
        articles.appendRow({2, 1, QStringLiteral("b"), body, QStringLiteral("b"), QVariant()});
        DataFileLoader::buildIndexes(articles, wordForms);
    } else {
        const QStringList problems = checkDataFiles(folder);
        if (!problems.isEmpty()) {
            err << problems.join(u'\n') << Qt::endl;
            return 2;
        }
        DataFileLoader loader(folder);
        if (!loader.load(articles, wordForms, tables.examples)) {
            err << loader.errorString() << Qt::endl;
            return 2;
        }
    }
    // Every dictionary at once, as after a search over all of them.
    articles.setFilterText(QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=2) OR (DICT=3) OR (DICT=4) OR (DICT=9)"));
    articles.setFiltered(true);

    // The middle of a main window of the default size (700 x 550).
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *wordBox = new QComboBox(&window);
    wordBox->setEditable(true);
    auto *wordList = new QListWidget(&window);
    auto *panel = new ArticlePanel(&window);
    layout->addWidget(wordBox);
    layout->addWidget(wordList);
    layout->addWidget(panel, 1);
    bool guard = false;
    auto *steps = new StepNavigator([](qint32) {}, &window);
    ArticleRenderContext context;
    context.articles = &articles;
    context.panel = panel;
    context.wordBox = wordBox;
    context.wordList = wordList;
    context.wordBoxGuard = &guard;
    context.steps = steps;
    context.font = [] { return ArticleFont{QStringLiteral("Tahoma"), 11}; };
    new ArticleRenderer(std::move(context), &window);
    window.resize(480, 550);
    window.show();
    QApplication::processEvents();

    if (!bodyName.isEmpty()) {
        // From the move to the article until it is painted and the window
        // has handled what the change queued.
        // The widget-free part alone: decoding, masking and the font.
        articles.last();
        QTextDocument prepared;
        QElapsedTimer preparing;
        preparing.start();
        prepareArticle(articles, &prepared, ArticleFont{QStringLiteral("Tahoma"), 11});
        const double prepareMs = msSince(preparing);

        articles.first();
        QApplication::processEvents();
        QElapsedTimer shown;
        shown.start();
        articles.next();
        panel->Editor->viewport()->repaint();
        QApplication::processEvents();
        const double ms = msSince(shown);
        const int characters = panel->Editor->document()->characterCount();
        // And back to a short article.
        QElapsedTimer leaving;
        leaving.start();
        articles.prior();
        panel->Editor->viewport()->repaint();
        QApplication::processEvents();
        const double leaveMs = msSince(leaving);
        const double peakMb = double(peakResidentBytes().value_or(0)) / (1024.0 * 1024.0);
        out << QStringLiteral("%1: %2 characters shown in %3 ms (of which preparing the document %4 ms), "
                              "left in %5 ms, peak memory %6 MB")
                   .arg(bodyName)
                   .arg(characters)
                   .arg(ms, 0, 'f', 1)
                   .arg(prepareMs, 0, 'f', 1)
                   .arg(leaveMs, 0, 'f', 1)
                   .arg(peakMb, 0, 'f', 1)
            << Qt::endl;
        return 0;
    }

    std::vector<double> times;
    times.reserve(size_t(articles.recordCount()) * size_t(passes));
    QElapsedTimer timer;
    for (int pass = 0; pass < passes; ++pass) {
        articles.suspendNotifications();
        articles.first();
        articles.resumeNotifications();
        while (true) {
            timer.start();
            articles.next();
            if (paint)
                panel->Editor->viewport()->repaint();
            const double ms = msSince(timer);
            if (articles.atEnd())
                break;
            times.push_back(ms);
        }
    }

    std::sort(times.begin(), times.end());
    out << QStringLiteral("data: %1 (%2 articles), %3 passes, %4 record changes%5")
               .arg(folder)
               .arg(articles.recordCount())
               .arg(passes)
               .arg(times.size())
               .arg(paint ? QStringLiteral(", repaint included") : QString())
        << Qt::endl;
    out << QStringLiteral("record change: p50 %1 ms, p95 %2 ms, max %3 ms")
               .arg(percentile(times, 0.50), 0, 'f', 3)
               .arg(percentile(times, 0.95), 0, 'f', 3)
               .arg(times.empty() ? 0.0 : times.back(), 0, 'f', 3)
        << Qt::endl;
    return 0;
}
