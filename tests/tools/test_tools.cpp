// lumolex-mkdata, lumolex-cli and the window program's command line, run as
// the user runs them: their output, messages and exit codes (0 success, 1 nothing found or bad sources, 2 bad
// arguments or unreadable files).

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun run(const char *tool, const QStringList &arguments,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QDir(QStringLiteral(LUMOLEX_BIN_DIR)).filePath(QString::fromLatin1(tool)), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool;
    ToolRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The process environment with only the given locale variables of LC_ALL,
// LC_MESSAGES, LANG and LANGUAGE set.
QProcessEnvironment localeEnvironment(std::initializer_list<std::pair<const char *, const char *>> variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    for (const auto &[name, value] : variables)
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return environment;
}

// The tools speak English in an English locale; the tests run in the C
// locale, where they speak Russian.
QProcessEnvironment english()
{
    return localeEnvironment({{"LANG", "en_US.UTF-8"}});
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Tools : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        writeFile(articles, "1\tаббьр\t\t<b>аббьр</b> дождь\n"
                            "2\tаббьр\t\t<b>аббьр</b> дождь, ливень\n"
                            "1\tвырнэ\tаббьр\t<b>вырнэ</b> ловить\n"
                            "3\tдождь\t\t<b>дождь</b> аббьр\n");
        writeFile(credits, "1\tКуруч Р. Д.\n2\tКерт Г. М.\n");
    }

    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

    ToolRun build(const QStringList &extra = {})
    {
        return run("lumolex-mkdata", QStringList{"build", "--out", data, "--articles", articles, "--credits", credits} + extra,
                   environment);
    }

    ToolRun cli(const QStringList &arguments) { return run("lumolex-cli", arguments + QStringList{"--data", data}, environment); }

    QTemporaryDir m_dir;
    const QString articles = path("articles.tsv");
    const QString credits = path("credits.tsv");
    const QString data = path("DATA");
    // The tests' locale (C) unless a test needs another.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// The commands a --help lists in its "Commands:" section.
QStringList helpCommands(const QString &help)
{
    QStringList commands;
    const QStringList lines = help.split(u'\n');
    for (qsizetype i = lines.indexOf(QStringLiteral("Commands:")) + 1; i > 0 && i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            break;
        if (lines.at(i).startsWith(QLatin1String("  ")) && lines.at(i).at(2).isLetter())
            commands.append(lines.at(i).mid(2).section(u' ', 0, 0));
    }
    return commands;
}

// Every tool as a user runs it from a shell, a container or a cron job:
// without XDG_RUNTIME_DIR, and the window program without any display.
// A successful run writes nothing to standard error.
TEST_F(Tools, CommandLines)
{
    environment = english();
    ASSERT_EQ(build().exitCode, 0);
    QProcessEnvironment bare = english();
    for (const char *name : {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QString::fromLatin1(name));

    const struct {
        const char *tool;
        QStringList arguments;
        int exitCode;
        QStringList inOut;   // texts standard output holds
        QString inErr;       // empty: standard error stays empty
    } cases[] = {
        // --version and --help: the window program answers without a display.
        {"lumolex", {"--version"}, 0, {"lumolex 3."}, {}},
        {"lumolex", {"-v"}, 0, {"lumolex 3."}, {}},
        {"lumolex", {"--help"}, 0, {"Usage: lumolex", "--version", "Files:", "LumoLex.ini", "Environment:",
                                    "LUMOLEX_TIMING", "Exit status:"}, {}},
        {"lumolex-cli", {"--version"}, 0, {"lumolex-cli 3."}, {}},
        {"lumolex-cli", {"--help"}, 0, {"Usage: lumolex-cli", "ID, its dictionary code and", "its headword",
                                        "Without --dict they search every dictionary", "Exit status:"}, {}},
        {"lumolex-mkdata", {"--version"}, 0, {"lumolex-mkdata 3."}, {}},
        {"lumolex-mkdata", {"--help"}, 0, {"Usage: lumolex-mkdata", "FILE:LINE", "the first 20", "Exit status:"}, {}},
        // Unknown options and commands: exit code 2, the word named.
        {"lumolex", {"-platform", "offscreen", "--frobnicate"}, 2, {}, "\"--frobnicate\""},
        {"lumolex", {"-platform", "offscreen", "extra"}, 2, {}, "\"extra\""},
        {"lumolex-cli", {"--frobnicate"}, 2, {}, "'frobnicate'"},
        {"lumolex-cli", {"frobnicate", "x"}, 2, {}, "\"frobnicate\""},
        {"lumolex-cli", {}, 2, {}, "--help"},
        {"lumolex-cli", {"show"}, 2, {}, "--help"},
        {"lumolex-mkdata", {"--frobnicate"}, 2, {}, "'frobnicate'"},
        {"lumolex-mkdata", {"make", "--out", data}, 2, {}, "\"make\""},
        {"lumolex-mkdata", {}, 2, {}, "--help"},
        // Successful runs that read and write files.
        {"lumolex-cli", {"stats", "--data", data}, 0, {"articles\t4\n"}, {}},
        {"lumolex-cli", {"find", "дождь", "--data", data}, 0, {"4\t3\tдождь\n"}, {}},
        {"lumolex-mkdata", {"build", "--out", data, "--articles", articles}, 0, {"4 articles"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE((QString::fromLatin1(c.tool) + u' ' + c.arguments.join(u' ')).toStdString());
        const ToolRun r = run(c.tool, c.arguments, bare);
        EXPECT_EQ(r.exitCode, c.exitCode);
        for (const QString &text : c.inOut)
            EXPECT_TRUE(r.out.contains(text)) << text.toStdString() << " not in:\n" << r.out.toStdString();
        if (c.inErr.isEmpty())
            EXPECT_EQ(r.err, QString());
        else
            EXPECT_TRUE(r.err.contains(c.inErr)) << r.err.toStdString();
    }

    // --help lists every command the tool carries out, and no other.
    const struct {
        const char *tool;
        QStringList commands;
    } tools[] = {
        {"lumolex-cli", {"key", "list", "show", "find", "fragment", "stats", "rtf2text", "export-cards"}},
        {"lumolex-mkdata", {"build", "kildin"}},
    };
    for (const auto &t : tools) {
        SCOPED_TRACE(t.tool);
        EXPECT_EQ(helpCommands(run(t.tool, {"--help"}, environment).out), t.commands);
    }
}

TEST_F(Tools, BadLineIsReportedAndTheOldFilesStay)
{
    ASSERT_EQ(build().exitCode, 0);
    const QByteArray before = readFile(QDir(data).filePath("lumolex.db"));
    ASSERT_FALSE(before.isEmpty());

    writeFile(articles, "1\tслово\t\t\n1\t\t\tбез слова\n");
    const ToolRun bad = build();
    EXPECT_EQ(bad.exitCode, 1);
    // In the C locale both the message shared with the window and the tool's
    // own are Russian.
    EXPECT_TRUE(bad.err.contains(articles + ":2: Пустое значение слова!")) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains("lumolex-mkdata: 1 ошибка; ничего не записано\n")) << bad.err.toStdString();
    EXPECT_EQ(readFile(QDir(data).filePath("lumolex.db")), before);
    EXPECT_EQ(QDir(data).entryList(QDir::Files).size(), 3);   // no temporary files left
}

// A list with many bad lines: the first 20 with their line numbers, then
// how many more, then the count; exactly 20 are all listed. The count is
// in the locale's language, Russian with the plural its number takes.
TEST_F(Tools, BuildListsTheFirstTwentyBadLines)
{
    const struct {
        int bad;
        const char *russianCount;
    } cases[] = {{20, "20 ошибок"}, {21, "21 ошибка"}, {3000, "3000 ошибок"}};
    for (const auto &[bad, russianCount] : cases) {
        SCOPED_TRACE(bad);
        environment = english();
        QByteArray lines = "1\tслово\t\t\n";
        for (int i = 0; i < bad; ++i)
            lines += "x\tслово\t\t\n";
        writeFile(articles, lines);
        const ToolRun r = build();
        EXPECT_EQ(r.exitCode, 1);
        const QStringList errLines = r.err.split(u'\n', Qt::SkipEmptyParts);
        const QStringList listed = errLines.filter(articles + u':');
        ASSERT_EQ(listed.size(), 20) << r.err.toStdString();
        EXPECT_TRUE(listed.first().startsWith(articles + ":2: ")) << listed.first().toStdString();
        EXPECT_TRUE(listed.last().startsWith(articles + ":21: ")) << listed.last().toStdString();
        EXPECT_EQ(r.err.contains(QStringLiteral("... %1 more not listed\n").arg(bad - 20)), bad > 20);
        EXPECT_TRUE(errLines.last().startsWith(QStringLiteral("lumolex-mkdata: %1 problem(s); nothing was written").arg(bad)))
            << errLines.last().toStdString();

        environment = localeEnvironment({{"LC_ALL", "C"}});
        const QStringList russian = build().err.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(russian.isEmpty());
        EXPECT_EQ(russian.last(), QStringLiteral("lumolex-mkdata: %1; ничего не записано").arg(QString::fromUtf8(russianCount)));
        EXPECT_EQ(russian.contains(QStringLiteral("... ещё не перечислено: %1").arg(bad - 20)), bad > 20);
    }
}

TEST_F(Tools, CliReadsTheBuiltData)
{
    const ToolRun missing = cli({"stats"});
    EXPECT_EQ(missing.exitCode, 2);
    // Each missing file is named with its path.
    EXPECT_TRUE(missing.err.contains(QDir(data).filePath("lumolex.db") + ": Файл базы данных 1 не найден\n"))
        << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains(QDir(data).filePath("lumophra.db") + ": Файл базы данных 3 не найден\n"))
        << missing.err.toStdString();
    EXPECT_TRUE(missing.out.isEmpty());

    ASSERT_EQ(build().exitCode, 0);
    const struct {
        QStringList arguments;
        int exitCode;
        QString out;
    } cases[] = {
        {{"key", "  Ӓ̄ББЬР "}, 0, "аббьр\n"},
        {{"list"}, 0, "1\t1\tаббьр\n2\t2\tаббьр\n3\t1\tвырнэ\n4\t3\tдождь\n"},
        {{"list", "--dict", "1", "--from", "В", "--count", "5"}, 0, "3\t1\tвырнэ\n"},
        {{"list", "--dict", "2,3", "--count", "1"}, 0, "2\t2\tаббьр\n"},
        {{"list", "--from", "яяя"}, 0, "4\t3\tдождь\n"},   // beyond the last key: the last record
        {{"list", "--dict", "4"}, 1, ""},
        {{"show", "2"}, 0, "аббьр дождь, ливень\n"},
        {{"show", "99"}, 1, ""},
        {{"show", "два"}, 2, ""},
        {{"find", " ДОЖДЬ "}, 0, "4\t3\tдождь\n1\t1\tаббьр\n2\t2\tаббьр\n"},   // the headword spelt so first
        {{"find", "дожд ливен"}, 0, "2\t2\tаббьр\n"},
        {{"find", "дождь", "--dict", "3"}, 0, "4\t3\tдождь\n"},
        {{"find", "дождь", "--dict", "1,2"}, 0, "1\t1\tаббьр\n2\t2\tаббьр\n"},
        {{"find", "дождь", "--all"}, 0, "4\t3\tдождь\n1\t1\tаббьр\n2\t2\tаббьр\n"},
        {{"find", "снег"}, 1, ""},
        {{"find", " д "}, 2, ""},
        {{"find", "   "}, 2, ""},
        {{"find", "дождь", "--all", "--dict", "1"}, 2, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolRun r = cli(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out);
    }

    const ToolRun r = cli({"stats"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("articles\t4\nwordforms\t"));
    EXPECT_TRUE(r.out.contains("\nexamples\t0\n"));
    EXPECT_TRUE(r.out.endsWith("dict\t1\t2\tКуруч Р. Д.\ndict\t2\t1\tКерт Г. М.\ndict\t3\t1\t\n")) << r.out.toStdString();
}

TEST_F(Tools, CliFindsTheSampleBesideItself)
{
    const ToolRun r = run("lumolex-cli", {"list", "--dict", "9"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\t9\tПогода\n")) << r.out.toStdString();
}

// Forms of the generated paradigms lead to their lemma's article in the
// forms dictionary (4), and to the 1985 article where it has the headword.
TEST_F(Tools, CliFindsFormsInTheFormsDictionary)
{
    const struct {
        const char *form;
        const char *lemma;
        bool in1985;
    } cases[] = {
        {"аббьрэтҍ", "аббьр", true},      // noun, plural genitive
        {"аббрак", "аббрэ", true},        // verb, present, second person
        {"аббрчебпе", "аббрэ", true},     // verb, conditional
        {"Ёакэгуэйм", "Ёак", false},      // proper noun, plural comitative
        {"аббрханнась", "аббрэ", true},   // verb abessive, attributive
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.form);
        const ToolRun forms = run("lumolex-cli", {"find", QString::fromUtf8(c.form), "--dict", "4"});
        EXPECT_EQ(forms.exitCode, 0) << forms.err.toStdString();
        EXPECT_TRUE(forms.out.contains(QStringLiteral("\t4\t%1\n").arg(QString::fromUtf8(c.lemma)))) << forms.out.toStdString();
        const ToolRun dictionary1 = run("lumolex-cli", {"find", QString::fromUtf8(c.form), "--dict", "1"});
        EXPECT_EQ(dictionary1.out.contains(QStringLiteral("\t1\t%1\n").arg(QString::fromUtf8(c.lemma))), c.in1985)
            << dictionary1.out.toStdString();
    }
}

TEST_F(Tools, RtfToText)
{
    writeFile(path("a.rtf"),
              "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Tahoma;}}\\f0 \\b \\'e4\\'ee\\'e6\\'e4\\'fc\\b0  \\u1231?\\par}");
    const ToolRun r = run("lumolex-cli", {"rtf2text", path("a.rtf")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("дождь \u04CF\n"));

    writeFile(path("a.txt"), "plain text");
    EXPECT_EQ(run("lumolex-cli", {"rtf2text", path("a.txt")}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {"rtf2text", path("none.rtf")}).exitCode, 2);
}

// rtf2text reads regular files up to the reader's cap (16 MiB) and refuses
// anything else at once: endless devices, pipes that never deliver, folders.
TEST_F(Tools, RtfToTextReadsOnlyBoundedRegularFiles)
{
    environment = english();
    constexpr qsizetype kCap = 16 * 1024 * 1024;
    const QByteArray head = "{\\rtf1 cap";
    QByteArray atCap = head + QByteArray(kCap - head.size() - 1, ' ') + '}';
    writeFile(path("cap.rtf"), atCap);
    const ToolRun accepted = run("lumolex-cli", {"rtf2text", path("cap.rtf")}, environment);
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err.toStdString();
    EXPECT_TRUE(accepted.out.startsWith("cap")) << accepted.out.left(20).toStdString();

    atCap.insert(head.size(), ' ');
    writeFile(path("past.rtf"), atCap);
    const ToolRun refused = run("lumolex-cli", {"rtf2text", path("past.rtf")}, environment);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("16777216")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());

    const QString fifo = path("fifo.rtf");
    ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
    for (const QString &source : {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), fifo, m_dir.path()}) {
        const ToolRun r = run("lumolex-cli", {"rtf2text", source}, environment);
        EXPECT_EQ(r.exitCode, 2) << source.toStdString();
        EXPECT_TRUE(r.err.contains("not a regular file")) << r.err.toStdString();
    }
}

// Each command reads only the files it needs: a damaged word-form file
// stops find and stats, never show, list, key or fragment; a damaged
// examples file stops stats only.
TEST_F(Tools, CliReadsOnlyTheFilesItsCommandUses)
{
    ASSERT_EQ(build().exitCode, 0);
    const struct {
        const char *damaged;
        QStringList arguments;
        int exitCode;
        const char *fileNumber;   // the file the message names; null: no message
    } cases[] = {
        {"lumoword.db", {"show", "2"}, 0, nullptr},
        {"lumoword.db", {"list", "--count", "1"}, 0, nullptr},
        {"lumoword.db", {"key", "Ӓ"}, 0, nullptr},
        {"lumoword.db", {"fragment", "дождь"}, 0, nullptr},
        {"lumoword.db", {"find", "дождь"}, 2, "2"},
        {"lumoword.db", {"stats"}, 2, "2"},
        {"lumophra.db", {"find", "дождь"}, 0, nullptr},
        {"lumophra.db", {"show", "2"}, 0, nullptr},
        {"lumophra.db", {"stats"}, 2, "3"},
        {"lumolex.db", {"show", "2"}, 2, "1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE((QString::fromLatin1(c.damaged) + u' ' + c.arguments.join(u' ')).toStdString());
        ASSERT_EQ(build().exitCode, 0);
        writeFile(QDir(data).filePath(QString::fromLatin1(c.damaged)), QByteArray(4096, 'x'));
        const ToolRun r = cli(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        if (c.fileNumber)
            EXPECT_TRUE(r.err.contains(QStringLiteral("Файл базы данных %1 не удаётся прочитать").arg(QString::fromLatin1(c.fileNumber))))
                << r.err.toStdString();
        else
            EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
}

// A letter spelt as a base letter and combining marks is stored composed,
// in the headword, its key, the cross-reference and the word forms, so a
// typed word reaches it.
TEST_F(Tools, BuildStoresEveryTextComposed)
{
    // кӯннҍтэ spelt with у + macron and э + diaeresis; ӣ as и + macron.
    writeFile(articles, "1\tку\xCC\x84ннҍтэ\xCC\x88\t\t<b>ку\xCC\x84ннҍтэ\xCC\x88</b> толочь\n"
                        "1\tпи\xCC\x84ррь\tку\xCC\x84ннҍтэ\xCC\x88\t\n");
    ASSERT_EQ(build().exitCode, 0);
    const struct {
        QStringList arguments;
        QString out;
    } cases[] = {
        {{"list"}, "1\t1\tкӯннҍтӭ\n2\t1\tпӣррь\n"},
        {{"show", "1"}, "кӯннҍтӭ толочь\n"},
        {{"find", "кӯннҍтӭ"}, "1\t1\tкӯннҍтӭ\n"},
        {{"find", "кӯннҍтэ\u0308"}, "1\t1\tкӯннҍтӭ\n"},
        {{"key", "ку\u0304ннҍтэ\u0308"}, "кунньтэ\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolRun r = cli(c.arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(Tools, FormsOfHeadwordsWithoutArticlesAreCountedNotWarnedAbout)
{
    environment = english();
    const struct {
        const char *name;
        QByteArray forms;
        const char *summary;   // nullptr: no such line
    } cases[] = {
        {"every headword has articles", "аббьр\tабьр\n", nullptr},
        {"two forms of an unknown headword", "аббьр\tабьр\nкуэдд\tкуэдда\nкуэдд\tкуэддэ\n",
         "lumolex-mkdata: 2 forms of headwords that no article holds left out (first: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString forms = path("forms.tsv");
        writeFile(forms, c.forms);
        const ToolRun built = build({"--forms", forms});
        EXPECT_EQ(built.exitCode, 0);
        EXPECT_FALSE(built.err.contains("warning")) << built.err.toStdString();   // a clean build warns about nothing
        EXPECT_EQ(built.out.contains("left out"), c.summary != nullptr) << built.out.toStdString();
        if (c.summary) {
            EXPECT_TRUE(built.out.contains(QString::fromUtf8(c.summary) + forms + ":2 (куэдд)")) << built.out.toStdString();
        }
    }
}

TEST_F(Tools, ScaleRepeatsTheArticles)
{
    environment = english();
    const ToolRun built = build({"--scale", "3"});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_TRUE(built.out.contains("12 articles"));
    EXPECT_EQ(cli({"list", "--dict", "3"}).out, "4\t3\tдождь\n8\t3\tдождьъб\n12\t3\tдождьъв\n");
}

} // namespace
