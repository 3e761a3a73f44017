// Feeds arbitrary source lists to the reader of lumolex-mkdata and parses
// the lines read as each kind of list.
//
// Promises checked besides crashes, leaks and undefined behaviour: line
// numbers are positive and increasing, a file with a bad line is reported,
// and every line is either a record or a reported problem.
#include "sourcefile.h"
#include "sourcerecords.h"

#include "fuzzsupport.h"

#include <QCoreApplication>

using namespace lumolex::mkdata;

namespace {

template <typename Record>
using Parser = void (*)(const QVector<SourceLine> &, QVector<Record> *, ProblemList *);

template <typename Record>
void parseAs(Parser<Record> parse, const QVector<SourceLine> &lines)
{
    QVector<Record> records;
    ProblemList problems;
    parse(lines, &records, &problems);
    if (records.size() + problems.size() < lines.size())
        lumolex::fuzz::broken("a line is neither a record nor a problem");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = lumolex::fuzz::scratchFolder() + QStringLiteral("/list.tsv");
    lumolex::fuzz::writeInput(path, data, size);

    QVector<SourceLine> lines;
    ProblemList problems;
    if (!readSourceLines(path, &lines, &problems) && problems.isEmpty())
        lumolex::fuzz::broken("a refused file has no problem reported");
    int previous = 0;
    for (const SourceLine &line : lines) {
        if (line.where.line <= previous)
            lumolex::fuzz::broken("line numbers do not increase");
        previous = line.where.line;
    }

    parseAs<ArticleSource>(parseArticles, lines);
    parseAs<ExampleSource>(parseExamples, lines);
    parseAs<FormSource>(parseForms, lines);
    parseAs<CreditSource>(parseCredits, lines);
    return 0;
}
