// lumolex-mkdata: builds the data files of LumoLex from editable sources.

#include "databuilder.h"
#include "datawriter.h"
#include "kildinconverter.h"
#include "kildinsources.h"
#include "problemreport.h"
#include "quietapplication.h"
#include "scaler.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

using namespace lumolex::mkdata;

namespace {

enum ExitCode { Success = 0, BadSources = 1, Failure = 2 };

constexpr int kMaxScale = 1000;

const char kDescription[] = R"(Builds the data files of LumoLex (lumolex.db, lumoword.db, lumophra.db).

Commands:
  build    Builds the three files into --out from source lists:
             --articles FILE  article list; each line:
                              code <TAB> headword <TAB> cross-reference <TAB> body
                              (code: the dictionary, a number; cross-reference:
                              a headword of the same dictionary, or empty;
                              body: simple HTML, or RTF starting with {\rtf,
                              or empty for an article without text)
             --examples FILE  speech examples; each line one body
             --forms FILE     inflected forms; each line:
                              headword <TAB> form [<TAB> anything]
             --credits FILE   credited persons; each line:
                              code <TAB> surname and initials [<TAB> source]
           Every option may be given several times. Lines that are blank or
           start with '#' are skipped (a header line must be commented out).
           Every text is stored in Unicode NFC: a letter spelt as a base
           letter with combining marks is stored as the composed letter. IDs are given in source order. The
           word-form index holds the words of every headword and article
           text, and each form under the articles holding its headword.
           --scale N repeats the articles N times in all (with new headwords
           and word forms) to make a large dictionary for benchmarks.
           Bad lines are reported as FILE:LINE: message (the first 20, then
           their count), and then nothing is written; the files are replaced
           only when all three are complete.
  kildin   Converts the Kildin Saami sample sources in --sources (sjd_rus.tsv,
           sjd_rus_kert1986.tsv, rus_sjd.tsv, examples.tsv, forms.tsv,
           paradigms.tsv) into articles.tsv, examples.tsv and forms.tsv in
           --out, ready for build. The paradigms become dictionary 4, one
           article per lemma with its forms tables; tags without a label and
           forms left out are listed after the counts.

Exit status:
  0  success
  1  bad source lines: nothing was written
  2  other errors: an unknown option or command, a file that cannot be read
     or written)";

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int runBuild(const QCommandLineParser &parser)
{
    BuildInput input;
    input.articleFiles = parser.values(QStringLiteral("articles"));
    input.exampleFiles = parser.values(QStringLiteral("examples"));
    input.formFiles = parser.values(QStringLiteral("forms"));
    input.creditFiles = parser.values(QStringLiteral("credits"));
    bool scaleOk = true;
    const int scale = parser.isSet(QStringLiteral("scale")) ? parser.value(QStringLiteral("scale")).toInt(&scaleOk) : 1;
    if (!scaleOk || scale < 1 || scale > kMaxScale) {
        err() << "lumolex-mkdata: --scale takes a number from 1 to " << kMaxScale << Qt::endl;
        return Failure;
    }

    QElapsedTimer timer;
    timer.start();
    BuiltData data;
    ProblemList problems;
    DataBuilder builder;
    const bool ok = builder.build(input, &data, &problems);
    for (const QString &warning : builder.warnings())
        err() << "warning: " << warning << Qt::endl;
    if (!ok) {
        reportProblems(problems, QStringLiteral("nothing was written"), err());
        return BadSources;
    }
    scaleData(&data, scale);

    const QString folder = parser.value(QStringLiteral("out"));
    const QString error = DataWriter().write(data, folder);
    if (!error.isEmpty()) {
        err() << "lumolex-mkdata: " << error << Qt::endl;
        return Failure;
    }
    out() << "lumolex-mkdata: " << data.articles.size() << " articles, " << data.wordForms.keyCount()
          << " word forms, " << data.examples.size() << " examples written to " << folder << " in "
          << timer.elapsed() << " ms" << Qt::endl;
    const FormCounts &forms = builder.formCounts();
    if (forms.exact + forms.folded > 0)
        out() << "lumolex-mkdata: inflected forms: " << forms.exact << " attached to the headword spelt like their lemma, "
              << forms.folded << " through the lemma's key (no headword spelt so); "
              << data.wordForms.formSpellingCount() << " exact spellings kept with their articles" << Qt::endl;
    if (builder.formsLeftOut() > 0)
        out() << "lumolex-mkdata: " << builder.formsLeftOut() << " forms of headwords that no article holds left out"
              << " (first: " << builder.firstFormLeftOut() << ")" << Qt::endl;
    return Success;
}

int runKildin(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("sources"))) {
        err() << "lumolex-mkdata: kildin needs --sources DIR" << Qt::endl;
        return Failure;
    }
    KildinSources sources;
    ProblemList problems;
    if (!readKildinSources(parser.value(QStringLiteral("sources")), &sources, &problems)) {
        reportProblems(problems, QStringLiteral("nothing was converted"), err());
        return BadSources;
    }
    const KildinOutput output = convertKildin(sources);
    const QString error = writeKildinOutput(output, parser.value(QStringLiteral("out")));
    if (!error.isEmpty()) {
        err() << "lumolex-mkdata: " << error << Qt::endl;
        return Failure;
    }
    out() << "lumolex-mkdata: " << output.articles.size() << " articles, " << output.examples.size() << " examples, "
          << output.forms.size() << " forms converted" << Qt::endl;
    for (const QString &line : output.summary)
        out() << "lumolex-mkdata: " << line << Qt::endl;
    return Success;
}

} // namespace

int main(int argc, char **argv)
{
    // Documents and fonts need a GUI application, but never a display.
    const std::unique_ptr<QGuiApplication> app = makeQuietGuiApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumolex-mkdata"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMOLEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("build or kildin"));
    parser.addOptions({
        {QStringLiteral("out"), QStringLiteral("Folder to write to."), QStringLiteral("dir")},
        {QStringLiteral("articles"), QStringLiteral("Article list (build)."), QStringLiteral("file")},
        {QStringLiteral("examples"), QStringLiteral("Speech example list (build)."), QStringLiteral("file")},
        {QStringLiteral("forms"), QStringLiteral("Inflected form list (build)."), QStringLiteral("file")},
        {QStringLiteral("credits"), QStringLiteral("Credited persons (build)."), QStringLiteral("file")},
        {QStringLiteral("scale"), QStringLiteral("Repeat the articles N times in all (build)."), QStringLiteral("n")},
        {QStringLiteral("sources"), QStringLiteral("Folder of the Kildin Saami sources (kildin)."), QStringLiteral("dir")},
    });
    if (!parser.parse(app->arguments())) {
        err() << "lumolex-mkdata: " << parser.errorText() << Qt::endl;
        return Failure;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // The usage line names the tool as it is typed, not the path it ran from.
        out() << parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                           QStringLiteral("Usage: lumolex-mkdata"))
              << Qt::endl;
        return Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out() << "lumolex-mkdata " << QCoreApplication::applicationVersion() << Qt::endl;
        return Success;
    }
    const QStringList commands = parser.positionalArguments();
    if (commands.size() != 1 || !parser.isSet(QStringLiteral("out"))) {
        err() << "lumolex-mkdata: give one command (build or kildin) and --out DIR; see --help" << Qt::endl;
        return Failure;
    }
    if (commands.first() == QLatin1String("build"))
        return runBuild(parser);
    if (commands.first() == QLatin1String("kildin"))
        return runKildin(parser);
    err() << "lumolex-mkdata: unknown command \"" << commands.first() << "\"; see --help" << Qt::endl;
    return Failure;
}
