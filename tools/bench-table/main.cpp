// Times the table engine on 200,000 synthetic articles in five dictionaries
// and 2,000,000 word forms, and prints the figures with their targets.
//
//   lumolex-bench-table [articles] [word forms]

#include "article/transcription.h"
#include "benchsupport.h"
#include "data/table/table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>
#include <vector>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

// Syllables of Kildin Saami and Russian headwords: special letters, macrons,
// ё, capitals now and then.
const QStringList Onsets = {
    QStringLiteral("к"), QStringLiteral("п"), QStringLiteral("т"), QStringLiteral("м"), QStringLiteral("н"),
    QStringLiteral("л"), QStringLiteral("р"), QStringLiteral("с"), QStringLiteral("ш"), QStringLiteral("ч"),
    QStringLiteral("в"), QStringLiteral("ј"), QStringLiteral("ӆ"), QStringLiteral("ӎ"), QStringLiteral("ӊ"),
    QStringLiteral("ӈ"), QStringLiteral("ҏ"), QStringLiteral("һ"), QStringLiteral("ҋ"), QStringLiteral("д"),
    QStringLiteral("г"), QStringLiteral("ж"), QStringLiteral("з"), QStringLiteral("ц"), QStringLiteral("б"),
};
const QStringList Vowels = {
    QStringLiteral("а"), QStringLiteral("а\u0304"), QStringLiteral("ӓ"), QStringLiteral("е"), QStringLiteral("ё"),
    QStringLiteral("и"), QStringLiteral("ӣ"), QStringLiteral("о"), QStringLiteral("о\u0304"), QStringLiteral("у"),
    QStringLiteral("ӯ"), QStringLiteral("ӱ"), QStringLiteral("ы"), QStringLiteral("э"), QStringLiteral("ӭ"),
    QStringLiteral("ю"), QStringLiteral("я"), QStringLiteral("я\u0304"),
};
const QStringList Codas = {
    QString(), QString(), QStringLiteral("ь"), QStringLiteral("ҍ"), QStringLiteral("нт"), QStringLiteral("м"),
    QStringLiteral("ск"), QStringLiteral("ль"), QStringLiteral("j"), QStringLiteral("й"),
};
const int DictCodes[] = {1, 2, 3, 4, 9};

QRandomGenerator rng(20240601);

template <typename List>
const auto &pick(const List &list)
{
    return list[rng.bounded(int(list.size()))];
}

QString headword()
{
    QString word;
    const int syllables = 1 + rng.bounded(4);
    for (int s = 0; s < syllables; ++s)
        word += pick(Onsets) + pick(Vowels) + pick(Codas);
    if (rng.bounded(10) == 0)
        word[0] = word[0].toUpper();
    if (rng.bounded(20) == 0)
        word += QStringLiteral(" ") + pick(Onsets) + pick(Vowels);
    return word;
}

double ms(qint64 ns) { return double(ns) / 1e6; }
double us(qint64 ns) { return double(ns) / 1e3; }

void report(const char *what, double value, const char *unit, const char *target = nullptr)
{
    std::printf("  %-52s %10.2f %s%s%s\n", what, value, unit, target ? "   target " : "", target ? target : "");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int articleCount = argc > 1 ? std::max(1, atoi(argv[1])) : 200000;
    const int formCount = argc > 2 ? std::max(1, atoi(argv[2])) : 2000000;
    QElapsedTimer timer;
    volatile qint64 sink = 0;

    std::printf("lumolex-bench-table: %d articles, %d word forms\n", articleCount, formCount);
    const qint64 rssStart = processStatusBytes("VmRSS:");

    // --- article table
    const QVector<FieldDef> articleFields = {
        {QStringLiteral("ID"), FieldType::Integer, 0},     {QStringLiteral("DICT"), FieldType::Integer, 0},
        {QStringLiteral("WORD"), FieldType::Text, 50},     {QStringLiteral("TRANSL"), FieldType::Blob, 0},
        {QStringLiteral("TRANSC"), FieldType::Text, 50},   {QStringLiteral("GOTO"), FieldType::Text, 50}};
    Table articles(QStringLiteral("articles"), articleFields);
    std::vector<QString> keys;
    keys.reserve(size_t(articleCount));
    timer.start();
    articles.reserve(articleCount);
    for (int i = 0; i < articleCount; ++i) {
        const QString word = headword();
        keys.push_back(RetTransc(word));
        QByteArray body(120 + rng.bounded(300), Qt::Uninitialized);
        body.fill(char('a' + i % 26));
        articles.appendRow({i + 1, DictCodes[rng.bounded(5)], word, body, keys.back(),
                            rng.bounded(8) == 0 ? QVariant(headword()) : QVariant()});
    }
    const qint64 articleLoad = timer.nsecsElapsed();

    timer.restart();
    articles.addIndex(QStringLiteral("cds1i1"), QStringLiteral("TRANSC;DICT"));
    articles.addIndex(QStringLiteral("cds1i2"), QStringLiteral("ID"));
    articles.setActiveIndex(QStringLiteral("cds1i1"));
    const qint64 articleIndex = timer.nsecsElapsed();
    const qint64 rssArticles = processStatusBytes("VmRSS:");

    std::printf("\nStart-up\n");
    report("article rows appended (with key function)", ms(articleLoad), "ms");
    report("article indexes built (cds1i1 + cds1i2)", ms(articleIndex), "ms", "< 300 ms");

    // --- searches on the article table
    const int searches = 200000;
    std::vector<QString> typed;
    typed.reserve(searches);
    for (int i = 0; i < searches; ++i) {
        QString t = keys[size_t(rng.bounded(articleCount))];
        t.truncate(1 + rng.bounded(std::max<int>(1, int(t.size()))));
        if (rng.bounded(4) == 0)
            t = t.toUpper();
        typed.push_back(t);
    }
    std::printf("\nKey searches (average of %d)\n", searches);
    timer.restart();
    for (const QString &t : typed) {
        articles.findNearest(t);
        sink = sink + articles.currentRow();
    }
    report("nearest key search, whole table", us(timer.nsecsElapsed()) / searches, "us", "< 20 us");

    articles.setFilterText(QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=2) OR (DICT=4)"));
    articles.setFiltered(true);
    timer.restart();
    for (const QString &t : typed) {
        articles.findNearest(t);
        sink = sink + articles.currentRow();
    }
    report("nearest key search, three dictionaries", us(timer.nsecsElapsed()) / searches, "us", "< 20 us");

    timer.restart();
    int found = 0;
    for (int i = 0; i < searches; ++i)
        found += articles.findKey({keys[size_t(rng.bounded(articleCount))]});
    report("exact key search (TRANSC), three dictionaries", us(timer.nsecsElapsed()) / searches, "us");
    articles.setFiltered(false);
    timer.restart();
    for (int i = 0; i < searches; ++i)
        found += articles.findKey({keys[size_t(rng.bounded(articleCount))], DictCodes[rng.bounded(5)]});
    report("exact key search (TRANSC;DICT), whole table", us(timer.nsecsElapsed()) / searches, "us");
    articles.setActiveIndex(QStringLiteral("cds1i2"));
    timer.restart();
    for (int i = 0; i < searches; ++i)
        found += articles.findKey({1 + rng.bounded(articleCount)});
    report("exact key search (ID)", us(timer.nsecsElapsed()) / searches, "us");
    articles.setActiveIndex(QStringLiteral("cds1i1"));
    sink = sink + found;

    // --- filter switching, as the dictionary buttons do it
    const QStringList filters = {
        QStringLiteral("(DICT=0) OR (DICT=1)"), QStringLiteral("(DICT=0) OR (DICT=3)"),
        QStringLiteral("(DICT=0) OR (DICT=1) OR (DICT=2) OR (DICT=4)"), QStringLiteral("(DICT=0) OR (DICT=9)"),
        QStringLiteral("(DICT=0) OR (DICT=2)")};
    const int switches = 200;
    qint64 worst = 0;
    timer.restart();
    for (int i = 0; i < switches; ++i) {
        QElapsedTimer one;
        one.start();
        articles.suspendNotifications();
        articles.setFilterText(filters[i % filters.size()]);
        articles.setFiltered(true);
        articles.findKey({keys[size_t(rng.bounded(articleCount))]});
        articles.resumeNotifications();
        worst = std::max(worst, one.nsecsElapsed());
    }
    std::printf("\nDictionary filter (average of %d switches)\n", switches);
    report("switch filter text + keep the article", ms(timer.nsecsElapsed()) / switches, "ms", "< 10 ms");
    report("slowest switch", ms(worst), "ms");
    timer.restart();
    for (int i = 0; i < switches; ++i) {
        articles.setFiltered(false);
        articles.setFiltered(true);
    }
    report("filter off and on again", ms(timer.nsecsElapsed()) / switches, "ms");

    // --- word-form table
    Table forms(QStringLiteral("forms"), {{QStringLiteral("TRANSC"), FieldType::Text, 50},
                                          {QStringLiteral("ARRID"), FieldType::Text, 0}});
    const QStringList endings = {QString(), QStringLiteral("ӓ"), QStringLiteral("эсь"), QStringLiteral("ын"),
                                 QStringLiteral("ест"), QStringLiteral("м"), QStringLiteral("ьӭ"), QStringLiteral("гуэйм"),
                                 QStringLiteral("нэ"), QStringLiteral("т")};
    std::vector<QString> formKeys;
    std::vector<QString> formIds;
    formKeys.reserve(size_t(formCount));
    formIds.reserve(size_t(formCount));
    for (int i = 0; i < formCount; ++i) {
        const int id = rng.bounded(articleCount);
        formKeys.push_back(RetTransc(keys[size_t(id)] + pick(endings)));
        QString ids = QString::number(id + 1);
        if (rng.bounded(3) == 0)
            ids += QStringLiteral("|") + QString::number(rng.bounded(articleCount) + 1);
        formIds.push_back(ids);
    }
    const qint64 rssBeforeForms = processStatusBytes("VmRSS:");
    timer.restart();
    forms.reserve(formCount);
    for (int i = 0; i < formCount; ++i)
        forms.appendRow({formKeys[size_t(i)], formIds[size_t(i)]});
    const qint64 formLoad = timer.nsecsElapsed();
    timer.restart();
    forms.addIndex(QStringLiteral("cds2i1"), QStringLiteral("TRANSC"));
    forms.setActiveIndex(QStringLiteral("cds2i1"));
    const qint64 formIndex = timer.nsecsElapsed();
    const qint64 rssFormsBuilt = processStatusBytes("VmRSS:");
    std::printf("\nWord-form table\n");
    report("word-form rows appended", ms(formLoad), "ms");
    formKeys = {};
    formIds = {};
    report("word-form index built (cds2i1)", ms(formIndex), "ms");

    const int ranges = 20000;
    std::vector<QString> rangeKeys;
    for (int i = 0; i < ranges; ++i)
        rangeKeys.push_back(keys[size_t(rng.bounded(articleCount))]);
    timer.restart();
    for (const QString &key : rangeKeys) {
        forms.setPrefixRange(key);
        forms.first();
    }
    report("prefix range set (per word)", us(timer.nsecsElapsed()) / ranges, "us");
    timer.restart();
    qint64 rangeRows = 0;
    for (const QString &key : rangeKeys) {
        forms.setPrefixRange(key);
        forms.first();
        while (!forms.atEnd()) {
            rangeRows += forms.value(1).toString().size();
            forms.next();
        }
    }
    forms.cancelRange();
    report("prefix range set and walked, ARRID read (per word)", us(timer.nsecsElapsed()) / ranges, "us");
    sink = sink + rangeRows;

    std::printf("\nMemory (resident)\n");
    report("article table with indexes", double(rssArticles - rssStart) / (1024.0 * 1024.0), "MiB");
    report("word-form table with index", double(rssFormsBuilt - rssBeforeForms) / (1024.0 * 1024.0), "MiB");
    std::printf("\n(checksum %lld)\n", static_cast<long long>(sink));
    return 0;
}
