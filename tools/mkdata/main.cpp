// lumolex-mkdata: builds the data files of LumoLex from editable sources.

#include "databuilder.h"
#include "datawriter.h"
#include "kildinconverter.h"
#include "kildinsources.h"
#include "problemreport.h"
#include "quietapplication.h"
#include "scaler.h"
#include "toolhelp.h"
#include "tooltext.h"
#include "tooltranslation.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

using namespace lumolex::mkdata;
using lumolex::tools::toolText;

namespace {

enum ExitCode { Success = 0, BadSources = 1, Failure = 2 };

constexpr int kMaxScale = 1000;

const char kDescription[] = TOOL_TEXT_NOOP("lumolex-mkdata", R"(Builds the data files of LumoLex (lumolex.db, lumoword.db, lumophra.db).

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

Language:
  The messages and this help are in the locale's language, as the window
  program's interface (LC_ALL, LC_MESSAGES, LANG and LANGUAGE): Russian for
  ru and for the C and POSIX locales, English for any other language. The
  files written are the same in every language.

Exit status:
  0  success
  1  bad source lines: nothing was written
  2  other errors: an unknown option or command, a file that cannot be read
     or written)");

struct OptionText {
    const char *name;
    const char *description;
    const char *valueName;
};

const OptionText kOptions[] = {
    {"out", TOOL_TEXT_NOOP("lumolex-mkdata", "Folder to write to."), TOOL_TEXT_NOOP("lumolex-mkdata", "dir")},
    {"articles", TOOL_TEXT_NOOP("lumolex-mkdata", "Article list (build)."), TOOL_TEXT_NOOP("lumolex-mkdata", "file")},
    {"examples", TOOL_TEXT_NOOP("lumolex-mkdata", "Speech example list (build)."), TOOL_TEXT_NOOP("lumolex-mkdata", "file")},
    {"forms", TOOL_TEXT_NOOP("lumolex-mkdata", "Inflected form list (build)."), TOOL_TEXT_NOOP("lumolex-mkdata", "file")},
    {"credits", TOOL_TEXT_NOOP("lumolex-mkdata", "Credited persons (build)."), TOOL_TEXT_NOOP("lumolex-mkdata", "file")},
    {"scale", TOOL_TEXT_NOOP("lumolex-mkdata", "Repeat the articles N times in all (build)."), TOOL_TEXT_NOOP("lumolex-mkdata", "n")},
    {"sources", TOOL_TEXT_NOOP("lumolex-mkdata", "Folder of the Kildin Saami sources (kildin)."),
     TOOL_TEXT_NOOP("lumolex-mkdata", "dir")},
};

// The command line. Its texts are shown only by the help: a run that parses
// leaves them untranslated, so that it loads no translation.
enum class Texts { Untranslated, Translated };

void setUpParser(QCommandLineParser *parser, Texts texts)
{
    const auto text = [texts](const char *source) {
        return texts == Texts::Translated ? toolText("lumolex-mkdata", source) : QString::fromUtf8(source);
    };
    if (texts == Texts::Translated)
        parser->setApplicationDescription(text(kDescription));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addPositionalArgument(text(TOOL_TEXT_NOOP("lumolex-mkdata", "command")),
                                  text(TOOL_TEXT_NOOP("lumolex-mkdata", "build or kildin")));
    for (const OptionText &option : kOptions)
        parser->addOption(QCommandLineOption(QString::fromLatin1(option.name), text(option.description), text(option.valueName)));
}

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
        err() << "lumolex-mkdata: " << toolText("lumolex-mkdata", "--scale takes a number from 1 to %1").arg(kMaxScale) << Qt::endl;
        return Failure;
    }

    QElapsedTimer timer;
    timer.start();
    BuiltData data;
    ProblemList problems;
    DataBuilder builder;
    const bool ok = builder.build(input, &data, &problems);
    for (const QString &warning : builder.warnings())
        err() << toolText("lumolex-mkdata", "warning: %1").arg(warning) << Qt::endl;
    if (!ok) {
        reportProblems(problems, toolText("lumolex-mkdata", "nothing was written"), err());
        return BadSources;
    }
    scaleData(&data, scale);

    const QString folder = parser.value(QStringLiteral("out"));
    const QString error = DataWriter().write(data, folder);
    if (!error.isEmpty()) {
        err() << "lumolex-mkdata: " << error << Qt::endl;
        return Failure;
    }
    out() << "lumolex-mkdata: "
          << toolText("lumolex-mkdata", "%1 articles, %2 word forms, %3 examples written to %4 in %5 ms")
                 .arg(QString::number(data.articles.size()), QString::number(data.wordForms.keyCount()),
                      QString::number(data.examples.size()), folder, QString::number(timer.elapsed()))
          << Qt::endl;
    const FormCounts &forms = builder.formCounts();
    if (forms.exact + forms.folded > 0)
        out() << "lumolex-mkdata: "
              << toolText("lumolex-mkdata", "inflected forms: %1 attached to the headword spelt like their lemma, "
                                            "%2 through the lemma's key (no headword spelt so); "
                                            "%3 exact spellings kept with their articles")
                     .arg(QString::number(forms.exact), QString::number(forms.folded),
                          QString::number(data.wordForms.formSpellingCount()))
              << Qt::endl;
    if (builder.formsLeftOut() > 0)
        out() << "lumolex-mkdata: "
              << toolText("lumolex-mkdata", "%n forms of headwords that no article holds left out (first: %1)", nullptr,
                          builder.formsLeftOut())
                     .arg(builder.firstFormLeftOut())
              << Qt::endl;
    return Success;
}

int runKildin(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("sources"))) {
        err() << "lumolex-mkdata: " << toolText("lumolex-mkdata", "kildin needs --sources DIR") << Qt::endl;
        return Failure;
    }
    KildinSources sources;
    ProblemList problems;
    if (!readKildinSources(parser.value(QStringLiteral("sources")), &sources, &problems)) {
        reportProblems(problems, toolText("lumolex-mkdata", "nothing was converted"), err());
        return BadSources;
    }
    const KildinOutput output = convertKildin(sources);
    const QString error = writeKildinOutput(output, parser.value(QStringLiteral("out")));
    if (!error.isEmpty()) {
        err() << "lumolex-mkdata: " << error << Qt::endl;
        return Failure;
    }
    out() << "lumolex-mkdata: "
          << toolText("lumolex-mkdata", "%1 articles, %2 examples, %3 forms converted")
                 .arg(QString::number(output.articles.size()), QString::number(output.examples.size()),
                      QString::number(output.forms.size()))
          << Qt::endl;
    for (const QString &line : output.summary)
        out() << "lumolex-mkdata: " << line << Qt::endl;
    return Success;
}

} // namespace

int main(int argc, char **argv)
{
    // Documents and fonts need a GUI application, but never a display.
    const std::unique_ptr<QGuiApplication> app = makeQuietGuiApplication(argc, argv);
    // The messages in the locale's language, loaded at the first message.
    const lumolex::tools::DeferredTranslation *translation = lumolex::tools::installToolTranslation(app.get());
    QCoreApplication::setApplicationName(QStringLiteral("lumolex-mkdata"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMOLEX_VERSION));

    QCommandLineParser parser;
    setUpParser(&parser, Texts::Untranslated);
    if (!parser.parse(app->arguments())) {
        // The parser wrote its message before any translation was loaded.
        translation->loadNow();
        QCommandLineParser translated;
        setUpParser(&translated, Texts::Translated);
        translated.parse(app->arguments());
        err() << "lumolex-mkdata: " << translated.errorText() << Qt::endl;
        return Failure;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        translation->loadNow();
        QCommandLineParser help;
        setUpParser(&help, Texts::Translated);
        out() << lumolex::tools::toolHelpText(help, QStringLiteral("lumolex-mkdata")) << Qt::endl;
        return Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out() << "lumolex-mkdata " << QCoreApplication::applicationVersion() << Qt::endl;
        return Success;
    }
    const QStringList commands = parser.positionalArguments();
    if (commands.size() != 1 || !parser.isSet(QStringLiteral("out"))) {
        err() << "lumolex-mkdata: " << toolText("lumolex-mkdata", "give one command (build or kildin) and --out DIR; see --help")
              << Qt::endl;
        return Failure;
    }
    if (commands.first() == QLatin1String("build"))
        return runBuild(parser);
    if (commands.first() == QLatin1String("kildin"))
        return runKildin(parser);
    err() << "lumolex-mkdata: " << toolText("lumolex-mkdata", "unknown command \"%1\"; see --help").arg(commands.first())
          << Qt::endl;
    return Failure;
}
