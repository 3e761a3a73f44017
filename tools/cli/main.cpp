// lumolex-cli: the dictionary data of LumoLex from the command line.

#include "clicommands.h"
#include "toolhelp.h"
#include "tooltext.h"
#include "tooltranslation.h"

#include "data/files/datafiles.h"
#include "data/files/programfolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>

using namespace lumolex::cli;
using lumolex::tools::toolText;

namespace {

constexpr char kContext[] = "lumolex-cli";

const char kDescription[] = TOOL_TEXT_NOOP("lumolex-cli", R"(Reads the data files of LumoLex.

Commands:
  key TEXT         prints the transcription key of TEXT (reads no file)
  list             prints the word list in the program's order, from the
                   first record or from where the word box lands for --from
                   (its key, then its exact spelling); --dict N (repeatable,
                   or N,M) shows those dictionaries and code 0, as the program
                   does; --count K stops after K records
  show ID          prints the plain text of the article with that ID
  find QUERY       the fast word search of the search panel: prints the found
                   articles in the order of its result list
  fragment TEXT    the fragment search of the search panel: prints the
                   articles whose text contains TEXT in the order they are
                   visited, the word list's order
                   Both searches compare letters as the program does with
                   "Точное совпадение букв" on: a macron or a special Kildin
                   letter in the query matches only itself; --folded compares
                   every letter by its key (ӈ = н, ӣ = и)
  stats            prints the record count of each table and, per dictionary
                   code, its article count and credited person; it reads all
                   three files
  rtf2text FILE    prints the plain text of an RTF file (a regular file of at
                   most 16 MiB)
  export-cards     prints the card history (the words opened in cards, newest
                   first) as a flash-card deck: a header for plain-text import,
                   then one card a line: headword, the article's text as HTML,
                   the dictionary as a tag, separated by tabs; --history FILE
                   reads that history file instead of the program's own

Output:
  UTF-8, one record a line, fields separated by tabs. list, find and
  fragment print three columns: the article's ID, its dictionary code and
  its headword. stats prints "articles", "wordforms" and "examples" with
  their counts, then "dict", the code, its article count and its credited
  person.

Scope of find and fragment:
  Without --dict they search every dictionary (as --all does). With --dict
  N (repeatable, or N,M) they search those dictionaries and code 0, as the
  search panel with "Во всех словарях" unticked. --all and --dict together
  are refused.

Data files:
  Taken from DATA/ beside this program (or, installed, from
  ../share/lumolex/DATA), or from --data DIR. Each command reads only the
  files it uses: list, show and fragment the article file (lumolex.db),
  find also the word-form file (lumoword.db), stats all three. Files built
  with their look-up indexes (lumolex-mkdata writes them) let list, show and
  find read only the rows they need; --load-all reads whole tables instead,
  with the same answers. A problem with a file is reported as FILE: message.

Language:
  Every message, this help included, is in the locale's language, as the
  window's interface (LC_ALL, LC_MESSAGES, LANG and LANGUAGE): Russian for
  ru and for the C and POSIX locales, English for any other language. The
  records on standard output are the same in every language.

Exit status:
  0  success
  1  not found: no such article, an empty list, nothing found
  2  error: an unknown option or command, bad arguments, missing or
     unreadable files)");

struct OptionText {
    const char *name;
    const char *description;
    const char *valueName;   // null: an option without a value
};

const OptionText kOptions[] = {
    {"data", TOOL_TEXT_NOOP("lumolex-cli", "Folder of the data files (default: DATA beside the program, else ../share/lumolex/DATA)."),
     TOOL_TEXT_NOOP("lumolex-cli", "dir")},
    {"dict", TOOL_TEXT_NOOP("lumolex-cli", "Dictionary code to list or search (list, find, fragment)."),
     TOOL_TEXT_NOOP("lumolex-cli", "n")},
    {"all", TOOL_TEXT_NOOP("lumolex-cli", "Search every dictionary (find, fragment)."), nullptr},
    {"folded", TOOL_TEXT_NOOP("lumolex-cli", "Compare every letter by its key (find, fragment)."), nullptr},
    {"from", TOOL_TEXT_NOOP("lumolex-cli", "Start where the word box lands for this text (list)."),
     TOOL_TEXT_NOOP("lumolex-cli", "text")},
    {"count", TOOL_TEXT_NOOP("lumolex-cli", "Print at most this many records (list)."), TOOL_TEXT_NOOP("lumolex-cli", "k")},
    {"history", TOOL_TEXT_NOOP("lumolex-cli", "Card history file to export (export-cards)."),
     TOOL_TEXT_NOOP("lumolex-cli", "file")},
    {"load-all", TOOL_TEXT_NOOP("lumolex-cli", "Load whole tables, as the program does, instead of reading only the "
                                               "rows a look-up needs through the files' indexes (list, show, find)."),
     nullptr},
};

// The command line. Its texts are shown only by the help: a run that parses
// leaves them untranslated, so that it loads no translation.
enum class Texts { Untranslated, Translated };

void setUpParser(QCommandLineParser *parser, Texts texts)
{
    const auto text = [texts](const char *source) {
        return texts == Texts::Translated ? toolText(kContext, source) : QString::fromUtf8(source);
    };
    if (texts == Texts::Translated)
        parser->setApplicationDescription(text(kDescription));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addPositionalArgument(text(TOOL_TEXT_NOOP("lumolex-cli", "command")),
                                  text(TOOL_TEXT_NOOP("lumolex-cli", "key, list, show, find, fragment, stats, rtf2text or export-cards")));
    parser->addPositionalArgument(text(TOOL_TEXT_NOOP("lumolex-cli", "argument")),
                                  text(TOOL_TEXT_NOOP("lumolex-cli", "TEXT, ID, QUERY or FILE")),
                                  text(TOOL_TEXT_NOOP("lumolex-cli", "[argument]")));
    for (const OptionText &option : kOptions) {
        parser->addOption(option.valueName ? QCommandLineOption(QString::fromLatin1(option.name), text(option.description),
                                                                text(option.valueName))
                                           : QCommandLineOption(QString::fromLatin1(option.name), text(option.description)));
    }
}

bool parseDicts(const QStringList &values, QList<int> *dicts)
{
    for (const QString &value : values) {
        for (const QString &part : value.split(u',', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int dict = part.trimmed().toInt(&ok);
            if (!ok || dict < 0)
                return false;
            dicts->append(dict);
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The messages in the locale's language, as the window program's,
    // loaded at the first message.
    const lumolex::tools::DeferredTranslation *translation = lumolex::tools::installToolTranslation(&app);
    QCoreApplication::setApplicationName(QStringLiteral("lumolex-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMOLEX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    setUpParser(&parser, Texts::Untranslated);
    if (!parser.parse(app.arguments())) {
        // The parser wrote its message before any translation was loaded.
        translation->loadNow();
        QCommandLineParser translated;
        setUpParser(&translated, Texts::Translated);
        translated.parse(app.arguments());
        err << "lumolex-cli: " << translated.errorText() << Qt::endl;
        return Failure;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        translation->loadNow();
        QCommandLineParser help;
        setUpParser(&help, Texts::Translated);
        out << lumolex::tools::toolHelpText(help, QStringLiteral("lumolex-cli")) << Qt::endl;
        return Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << "lumolex-cli " << QCoreApplication::applicationVersion() << Qt::endl;
        return Success;
    }

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const QString dataFolder = parser.isSet(QStringLiteral("data"))
        ? parser.value(QStringLiteral("data"))
        : lumolex::dataFolderOf(lumolex::programFolderFor(QCoreApplication::applicationDirPath()));
    Commands commands(out, err, dataFolder);
    commands.setLoadAll(parser.isSet(QStringLiteral("load-all")));

    const qsizetype wanted =
        (command == QLatin1String("list") || command == QLatin1String("stats") || command == QLatin1String("export-cards")) ? 1 : 2;
    if (command.isEmpty() || args.size() != wanted) {
        err << "lumolex-cli: " << toolText("lumolex-cli", "give one command and its argument; see --help") << Qt::endl;
        return Failure;
    }
    if (command == QLatin1String("key"))
        return commands.key(args.at(1));
    if (command == QLatin1String("show")) {
        bool ok = false;
        const int id = args.at(1).toInt(&ok);
        if (!ok) {
            err << "lumolex-cli: " << toolText("lumolex-cli", "the ID \"%1\" is not a number").arg(args.at(1)) << Qt::endl;
            return Failure;
        }
        return commands.show(id);
    }
    if (command == QLatin1String("stats"))
        return commands.stats();
    if (command == QLatin1String("export-cards"))
        return commands.exportCards(parser.value(QStringLiteral("history")),
                                    lumolex::locateProgramFolder(QCoreApplication::applicationDirPath()));
    if (command == QLatin1String("find") || command == QLatin1String("fragment")) {
        FindOptions options;
        if (!parseDicts(parser.values(QStringLiteral("dict")), &options.dicts)) {
            err << "lumolex-cli: " << toolText("lumolex-cli", "--dict takes dictionary codes (numbers)") << Qt::endl;
            return Failure;
        }
        if (parser.isSet(QStringLiteral("all")) && !options.dicts.isEmpty()) {
            err << "lumolex-cli: " << toolText("lumolex-cli", "give either --all or --dict") << Qt::endl;
            return Failure;
        }
        options.all = options.dicts.isEmpty();
        options.exactLetters = !parser.isSet(QStringLiteral("folded"));
        return commands.search(args.at(1), options,
                               command == QLatin1String("fragment") ? Commands::SearchKind::Fragment
                                                                    : Commands::SearchKind::Words);
    }
    if (command == QLatin1String("rtf2text"))
        return commands.rtfToText(args.at(1));
    if (command == QLatin1String("list")) {
        ListOptions options;
        if (!parseDicts(parser.values(QStringLiteral("dict")), &options.dicts)) {
            err << "lumolex-cli: " << toolText("lumolex-cli", "--dict takes dictionary codes (numbers)") << Qt::endl;
            return Failure;
        }
        options.from = parser.value(QStringLiteral("from"));
        if (parser.isSet(QStringLiteral("count"))) {
            bool ok = false;
            options.count = parser.value(QStringLiteral("count")).toInt(&ok);
            if (!ok || options.count < 0) {
                err << "lumolex-cli: " << toolText("lumolex-cli", "--count takes a number of records") << Qt::endl;
                return Failure;
            }
        }
        return commands.list(options);
    }
    err << "lumolex-cli: " << toolText("lumolex-cli", "unknown command \"%1\"; see --help").arg(command) << Qt::endl;
    return Failure;
}
