// lumolex-bench-window: speed of the main window.
//
//  1. Start-up: from creating the window to the first article shown (the
//     start-up sequence), and to the first paint, over the DATA folder of a
//     program folder (default: the folder of this executable).
//  2. Stepping: the longest articles of the data, each reached by one step
//     of the word list as a held step button does it (record change, article
//     rendering, list and view repaint). The fastest timer rate asks for one
//     step every 70 ms.
//  3. The word list over a generated article table of 200,000 rows: filter
//     switches, jumps to the ends, type-ahead and page moves, each with the
//     repaint of the list.

#include "app/lists/wordlistview.h"
#include "app/lists/wordpanel.h"
#include "article/transcription.h"
#include "benchwindow.h"
#include "data/files/datafileschema.h"
#include "data/files/dataloader.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

void settle()
{
    QApplication::processEvents();
}

void report(const char *what, const std::vector<double> &times)
{
    reportTimes(QString::fromUtf8(what), 44, times);
}

void benchStartup(const QString &programFolder, QTemporaryDir &scratch)
{
    QElapsedTimer clock;
    clock.start();
    TFormLumoLex window(launchOptions(programFolder, scratch));
    window.show();
    const double toArticle = msSince(clock);
    settle();
    const double toPaint = msSince(clock);
    if (!startedOrSaid(window, programFolder))
        return;
    out << "start-up sequence (window's own clock)        " << window.startupMilliseconds() << " ms" << Qt::endl;
    out << "create + show to first article                " << QString::number(toArticle, 'f', 1) << " ms" << Qt::endl;
    out << "create + show to first paint                  " << QString::number(toPaint, 'f', 1) << " ms" << Qt::endl;
    out << "articles in the data                          " << window.ClientDataSet1->rowCount() << Qt::endl;

    // The longest bodies, each reached by one step from the record before it.
    Table &articles = *window.ClientDataSet1;
    const std::vector<std::pair<int, int>> bySize = longestArticles(articles, 30); // size, id
    out << "longest stored body                           " << (bySize.empty() ? 0 : bySize.front().first) << " bytes"
        << Qt::endl;

    std::vector<double> steps;
    for (const auto &[size, id] : bySize) {
        window.FindWord(id);
        if (articles.recordNumber() <= 1)
            continue;
        articles.prior();
        settle();
        QElapsedTimer step;
        step.start();
        articles.next(); // what one TimerNav tick does
        settle();        // and the repaint of list and article
        steps.push_back(msSince(step));
    }
    report("step onto one of the 30 longest articles", steps);
    out << "(the held step button asks for one step every 70 ms)" << Qt::endl;
    window.close();
}

void benchLargeList(int rows)
{
    Table articles(QStringLiteral("ClientDataSet1"), fieldDefs(DataFile::Articles));
    articles.reserve(rows);
    const int codes[] = {1, 2, 4, 3, 9, 1, 1, 2};
    for (int i = 0; i < rows; ++i) {
        const QString word = QStringLiteral("слово%1").arg((i * 7919) % rows, 6, 10, QLatin1Char('0'));
        articles.appendRow({i + 1, codes[i % 8], word, QVariant(), RetTransc(word), QVariant()});
    }
    Table forms(QStringLiteral("ClientDataSet2"), fieldDefs(DataFile::WordForms));
    DataFileLoader::buildIndexes(articles, forms);

    Settings settings;
    bool guard = false;
    WordPanel panel(&articles, &settings, &guard);
    panel.resize(220, 700);
    panel.show();
    SetFilterDict(articles, true, QStringLiteral("(DICT=0) OR (DICT=1)"));
    articles.first();
    settle();
    out << "rows in the generated table                   " << rows << Qt::endl;

    std::vector<double> filter, ends, typing, pages;
    const QString filters[] = {QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=2) OR (DICT=4)"),
                               QStringLiteral("(DICT=0) OR (DICT=3)"), QStringLiteral("(DICT=0) OR (DICT=1)")};
    for (int round = 0; round < 5; ++round) {
        for (const QString &text : filters) {
            QElapsedTimer clock;
            clock.start();
            SetFilterDict(articles, true, text);
            settle();
            filter.push_back(msSince(clock));
        }
        for (bool toEnd : {true, false}) {
            QElapsedTimer clock;
            clock.start();
            toEnd ? panel.ToolButtonLastClick() : panel.ToolButtonFirstClick();
            settle();
            ends.push_back(msSince(clock));
        }
        for (const QString &text : {QStringLiteral("слово1"), QStringLiteral("слово15"), QStringLiteral("слово157")}) {
            QElapsedTimer clock;
            clock.start();
            panel.EditWord->lineEdit()->setText(text);
            settle();
            typing.push_back(msSince(clock));
        }
        for (int i = 0; i < 4; ++i) {
            QElapsedTimer clock;
            clock.start();
            moveRecordsBy(articles, panel.DBGrid1->visibleRowCount());
            settle();
            pages.push_back(msSince(clock));
        }
    }
    out << "view of dictionary 1                          " << articles.recordCount() << " rows" << Qt::endl;
    report("dictionary filter switch + list repaint", filter);
    report("first / last record + list repaint", ends);
    report("type-ahead step + list repaint", typing);
    report("page down + list repaint", pages);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parseCommandLine(parser, app, QStringLiteral("Speed of the LumoLex main window."),
                     {programFolderOption(), {QStringLiteral("rows"), QStringLiteral("Rows of the generated word list."),
                                              QStringLiteral("n"), QStringLiteral("200000")}});

    QTemporaryDir scratch;
    benchStartup(parser.value(QStringLiteral("program")), scratch);
    benchLargeList(atLeastOne(parser, QStringLiteral("rows")));
    return 0;
}
