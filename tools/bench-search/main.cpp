// lumolex-bench-search: speed of the fast word search.
//
//  1. The search itself (FastWordSearch::run) for two-word queries, each made
//     of two word forms of one article, so every query finds something.
//  2. In the real window: from Enter in the search box to the first result's
//     article shown (search, result list, record change, rendering, repaint).
//
// Data: the DATA folder of a program folder (default: the folder of this
// executable). Build a large set with
//   lumolex-mkdata build --scale 10 --out DIR/DATA ...
// and give DIR with --folder.

#include "app/shell/appmessages.h"
#include "app/search/findpanel.h"
#include "app/lists/resultlistbox.h"
#include "app/window/toolbarpanel.h"
#include "app/window/wordformloading.h"
#include "benchdata.h"
#include "benchwindow.h"
#include "data/files/dataloader.h"
#include "search/arrid.h"
#include "search/fastwordsearch.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QToolButton>

#include <map>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&times](double share) { return times.empty() ? 0 : times[size_t(share * double(times.size() - 1))]; };
    out << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(0) << " median " << QString::number(at(0.5), 'f', 2)
        << " ms, 90% " << QString::number(at(0.9), 'f', 2) << " ms, max " << QString::number(at(1.0), 'f', 2)
        << " ms (" << times.size() << " runs)" << Qt::endl;
}

// Message boxes that never wait for an answer.
class SilentMessages : public AppMessageBoxes
{
public:
    void show(QMessageBox::Icon, const QString &, const QString &text) override { out << "message: " << text << Qt::endl; }
    bool askYesNo(const QString &, const QString &) override { return true; }
};

// Two-word queries: two different word forms of one randomly chosen article.
QStringList makeQueries(Table &wordForms, int count)
{
    const int keyField = wordForms.fieldIndex(u"TRANSC");
    const int arridField = wordForms.fieldIndex(u"ARRID");
    wordForms.cancelRange();
    const int forms = wordForms.recordCount();
    std::map<int, QStringList> keysOf;   // sampled article -> its forms
    QRandomGenerator random(20261209);
    std::vector<int> ids;
    for (int i = 0; i < count * 4 && forms > 0; ++i) {
        parseArrId(wordForms.valueAt(int(random.bounded(forms)), arridField).toString(), ids);
        if (!ids.empty())
            keysOf[ids.front()];
    }
    for (int p = 0; p < forms; ++p) {
        parseArrId(wordForms.valueAt(p, arridField).toString(), ids);
        for (int id : ids) {
            const auto it = keysOf.find(id);
            if (it != keysOf.end() && it->second.size() < 8)
                it->second << wordForms.valueAt(p, keyField).toString();
        }
    }
    QStringList queries;
    for (const auto &[id, keys] : keysOf) {
        // Two whole words of three letters or more, as a user types them.
        QStringList words;
        for (const QString &key : keys)
            if (key.size() >= 3 && !key.contains(u' ') && words.size() < 2)
                words << key;
        if (words.size() < 2)
            continue;
        queries << words.join(u' ');
        if (queries.size() == count)
            break;
    }
    return queries;
}

void benchSearch(Table &articles, Table &wordForms, const QStringList &queries)
{
    FastWordSearch search(articles, wordForms);
    std::vector<double> times;
    qsizetype found = 0;
    QString slowest;
    for (const QString &query : queries) {
        QElapsedTimer clock;
        clock.start();
        const qsizetype results = search.run(query, DictionaryScope::all()).size();
        found += results;
        times.push_back(msSince(clock));
        if (times.back() >= *std::max_element(times.begin(), times.end()))
            slowest = QStringLiteral("%1 (%2 results)").arg(query).arg(results);
    }
    report("fast word search, 2 words (search only)", times);
    out << "results per query, mean                      "
        << QString::number(queries.isEmpty() ? 0 : double(found) / queries.size(), 'f', 1) << Qt::endl;
    out << "slowest query                                " << slowest << Qt::endl;
}

// The same two-word queries with the longest run of blanks the search box
// takes between the words, and as the first word repeated until the query is
// that long: blanks and repeats must cost nothing.
void benchPaddedQueries(Table &articles, Table &wordForms, const QStringList &queries)
{
    constexpr int longest = 32767;
    FastWordSearch search(articles, wordForms);
    std::vector<double> blanks;
    std::vector<double> repeats;
    for (const QString &query : queries.mid(0, 50)) {
        const QString first = query.section(u' ', 0, 0);
        const QString second = query.section(u' ', 1);
        const qsizetype expected = search.run(query, DictionaryScope::all()).size();
        QString repeated;
        while (repeated.size() + first.size() + 1 + second.size() <= longest)
            repeated += first + QChar(u' ');
        repeated += second;
        const QString padded = first + QString(longest, QChar(u' ')) + second;
        for (const auto &[text, times] : {std::pair{padded, &blanks}, std::pair{repeated, &repeats}}) {
            QElapsedTimer clock;
            clock.start();
            const qsizetype results = search.run(text, DictionaryScope::all()).size();
            times->push_back(msSince(clock));
            if (results != expected)
                out << "different results for a padded " << query << Qt::endl;
        }
    }
    report("2 words, 32767 blanks between (search only)", blanks);
    report("first word repeated to 32767 chars", repeats);
}

void benchWindow(const QString &programFolder, QTemporaryDir &scratch, const QStringList &queries)
{
    LaunchOptions options = launchOptions(programFolder, scratch);
    options.messages = std::make_unique<SilentMessages>();
    const std::unique_ptr<TFormLumoLex> window = startWindow(std::move(options));
    if (!window)
        return;
    // The word forms arrive after the window: the searches are timed with them in place.
    WordFormLoading::of(window.get())->waitUntilReady();
    out << "articles / word forms                        " << window->ClientDataSet1->rowCount() << " / "
        << window->ClientDataSet2->rowCount() << Qt::endl;
    window->PanelTop->SpeedButtonFind->click();
    window->PanelFind->CheckBoxFindInAllDict->setChecked(true);
    QApplication::processEvents();
    QLineEdit *field = window->PanelFind->EditFind->lineEdit();
    std::vector<double> times;
    for (const QString &query : queries) {
        window->PanelFind->EditFind->setEditText(query);
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QApplication::processEvents();   // the list and the article repainted
        times.push_back(msSince(clock));
        if (window->PanelFind->ListBoxFind->count() == 0)
            out << "no result for " << query << Qt::endl;
    }
    report("Enter to the first result's article shown", times);
    window->close();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parseCommandLine(parser, app, QStringLiteral("Speed of the fast word search."),
                     {{QStringLiteral("folder"), QStringLiteral("Program folder holding DATA/ (default: beside this program)."),
                       QStringLiteral("dir")},
                      {QStringLiteral("queries"), QStringLiteral("Number of queries (default 200)."), QStringLiteral("n")}});
    const QString folder = parser.isSet(QStringLiteral("folder")) ? parser.value(QStringLiteral("folder"))
                                                                  : QCoreApplication::applicationDirPath();
    const int count = parser.isSet(QStringLiteral("queries")) ? parser.value(QStringLiteral("queries")).toInt() : 200;

    DataTables tables;
    Table &articles = tables.articles;
    Table &wordForms = tables.wordForms;
    DataFileLoader loader(folder + QStringLiteral("/DATA"));
    if (!loader.load(articles, wordForms, tables.examples)) {
        out << "cannot load the data: " << loader.errorString() << Qt::endl;
        return 2;
    }
    out << "articles / word forms                        " << articles.rowCount() << " / " << wordForms.rowCount()
        << Qt::endl;
    const QStringList queries = makeQueries(wordForms, count);
    out << "for example: " << queries.mid(0, 3).join(QStringLiteral(", ")) << Qt::endl;
    benchSearch(articles, wordForms, queries);
    benchPaddedQueries(articles, wordForms, queries);

    QTemporaryDir scratch;
    benchWindow(folder, scratch, queries.mid(0, 50));
    return 0;
}
