// The language of lumolex-cli and lumolex-mkdata: the window program's rule
// read from the locale variables, Russian for ru and for the C and POSIX
// locales, English for any other language (LANGUAGE first, unless the locale
// is C or POSIX), for their usage errors and their help alike.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct Output {
    QString out;
    QString err;
};

Output runTool(const char *tool, const QStringList &arguments, const QStringList &locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &variable : locale)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QDir(QStringLiteral(LUMOLEX_BIN_DIR)).filePath(QString::fromLatin1(tool)), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool;
    return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

bool hasCyrillic(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

TEST(ToolLanguage, UsageErrorAndHelpFollowTheLocale)
{
    const struct {
        const char *name;
        QStringList locale;
        bool russian;
    } locales[] = {
        {"Russian locale", {"LANG=ru_RU.UTF-8"}, true},
        {"English locale", {"LANG=en_US.UTF-8"}, false},
        {"C locale", {"LC_ALL=C"}, true},
        {"C locale, LANGUAGE ignored", {"LC_ALL=C", "LANGUAGE=en"}, true},
        {"LANGUAGE before a Russian locale", {"LANG=ru_RU.UTF-8", "LANGUAGE=en"}, false},
        {"LC_MESSAGES before LANG", {"LANG=ru_RU.UTF-8", "LC_MESSAGES=de_DE.UTF-8"}, false},
    };
    const struct {
        const char *tool;
        const char *usageEnglish;   // the whole line the run with no arguments prints
        const char *usageRussian;
        const char *helpEnglish;    // a sentence of the help
        const char *helpRussian;
    } tools[] = {
        {"lumolex-cli", "lumolex-cli: give one command and its argument; see --help\n",
         "lumolex-cli: укажите одну команду и её аргумент; см. --help\n", "Reads the data files of LumoLex.\n",
         "Читает файлы данных Лумолекса.\n"},
        {"lumolex-mkdata", "lumolex-mkdata: give one command (build or kildin) and --out DIR; see --help\n",
         "lumolex-mkdata: укажите одну команду (build или kildin) и --out ПАПКА; см. --help\n",
         "Builds the data files of LumoLex (lumolex.db, lumoword.db, lumophra.db).\n",
         "Собирает файлы данных Лумолекса (lumolex.db, lumoword.db, lumophra.db).\n"},
    };
    for (const auto &tool : tools) {
        for (const auto &locale : locales) {
            SCOPED_TRACE(std::string(tool.tool) + ", " + locale.name);
            const Output usage = runTool(tool.tool, {}, locale.locale);
            EXPECT_EQ(usage.err, QString::fromUtf8(locale.russian ? tool.usageRussian : tool.usageEnglish));
            EXPECT_EQ(hasCyrillic(usage.err), locale.russian);

            const Output help = runTool(tool.tool, {QStringLiteral("--help")}, locale.locale);
            EXPECT_TRUE(help.out.contains(QString::fromUtf8(locale.russian ? tool.helpRussian : tool.helpEnglish)))
                << help.out.toStdString();
            EXPECT_FALSE(help.out.contains(QString::fromUtf8(locale.russian ? tool.helpEnglish : tool.helpRussian)));
            // The section titles are translated as the text is; the commands
            // and options stay as they are typed.
            EXPECT_EQ(help.out.contains(QStringLiteral("\nКоманды:\n")), locale.russian);
            EXPECT_EQ(help.out.contains(QStringLiteral("\nCommands:\n")), !locale.russian);
            EXPECT_TRUE(help.out.contains(QStringLiteral("--version"))) << help.out.toStdString();
            EXPECT_TRUE(help.out.contains(QStringLiteral(" lumolex-")) && !help.out.contains(QStringLiteral(LUMOLEX_BIN_DIR)))
                << help.out.left(200).toStdString();
            EXPECT_EQ(help.err, QString());
        }
    }
}

// The look-ups of lumolex-cli tell the libraries' messages (a missing data
// file, a query too short) and their own in the locale's language too, also
// where the data folder is the one beside the program.
TEST(ToolLanguage, LookUpMessagesFollowTheLocale)
{
    const QString missing = QStringLiteral("/nonexistent-lumolex-data");
    const struct {
        QStringList arguments;
        const char *english;
        const char *russian;
    } cases[] = {
        {{"--data", missing, "show", "5"},
         "lumolex-cli: /nonexistent-lumolex-data/lumolex.db: The database file 1 was not found\n",
         "lumolex-cli: /nonexistent-lumolex-data/lumolex.db: Файл базы данных 1 не найден\n"},
        {{"--data", missing, "list", "--count", "3"},
         "lumolex-cli: /nonexistent-lumolex-data/lumolex.db: The database file 1 was not found\n",
         "lumolex-cli: /nonexistent-lumolex-data/lumolex.db: Файл базы данных 1 не найден\n"},
        {{"--data", missing, "find", "ма"},
         "lumolex-cli: /nonexistent-lumolex-data/lumolex.db: The database file 1 was not found\n"
         "lumolex-cli: /nonexistent-lumolex-data/lumoword.db: The database file 2 was not found\n",
         "lumolex-cli: /nonexistent-lumolex-data/lumolex.db: Файл базы данных 1 не найден\n"
         "lumolex-cli: /nonexistent-lumolex-data/lumoword.db: Файл базы данных 2 не найден\n"},
        {{"find", "м"}, "lumolex-cli: Search for at least 2 characters!\n",
         "lumolex-cli: Поиск не меньше 2-х символов!\n"},
        {{"show", "999999999"}, "lumolex-cli: no article has the ID 999999999\n",
         "lumolex-cli: нет статьи с ID 999999999\n"},
    };
    for (const auto &run : cases) {
        for (const bool russian : {false, true}) {
            SCOPED_TRACE(run.arguments.join(u' ').toStdString() + (russian ? ", Russian" : ", English"));
            const Output output = runTool("lumolex-cli", run.arguments,
                                          {russian ? QStringLiteral("LC_ALL=C") : QStringLiteral("LANG=en_US.UTF-8")});
            EXPECT_EQ(output.err.toStdString(), std::string(russian ? run.russian : run.english));
            EXPECT_EQ(output.out.toStdString(), std::string());
        }
    }
}

} // namespace
