// lumolex-mkdata and lumolex-cli run as the user runs them: their output,
// messages and exit codes (0 success, 1 nothing found or bad sources, 2 bad
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

ToolRun run(const char *tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QDir(QStringLiteral(LUMOLEX_BIN_DIR)).filePath(QString::fromLatin1(tool)), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool;
    ToolRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
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
        return run("lumolex-mkdata", QStringList{"build", "--out", data, "--articles", articles, "--credits", credits} + extra);
    }

    ToolRun cli(const QStringList &arguments) { return run("lumolex-cli", arguments + QStringList{"--data", data}); }

    QTemporaryDir m_dir;
    const QString articles = path("articles.tsv");
    const QString credits = path("credits.tsv");
    const QString data = path("DATA");
};

TEST_F(Tools, HelpAndUsageErrors)
{
    const ToolRun mkdata = run("lumolex-mkdata", {"--help"});
    EXPECT_EQ(mkdata.exitCode, 0);
    for (const char *word : {"build", "kildin", "--articles", "--forms", "--scale", "FILE:LINE", "NFC", "Exit codes"})
        EXPECT_TRUE(mkdata.out.contains(QString::fromLatin1(word))) << word;
    const ToolRun cli = run("lumolex-cli", {"--help"});
    EXPECT_EQ(cli.exitCode, 0);
    for (const char *word : {"key TEXT", "list", "show ID", "find QUERY", "stats", "rtf2text FILE", "--data", "Exit codes"})
        EXPECT_TRUE(cli.out.contains(QString::fromLatin1(word))) << word;

    EXPECT_EQ(run("lumolex-mkdata", {}).exitCode, 2);
    EXPECT_EQ(run("lumolex-mkdata", {"make", "--out", data}).exitCode, 2);
    EXPECT_EQ(build({"--scale", "0"}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {"show"}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {"frobnicate", "x"}).exitCode, 2);
}

TEST_F(Tools, BadLineIsReportedAndTheOldFilesStay)
{
    ASSERT_EQ(build().exitCode, 0);
    const QByteArray before = readFile(QDir(data).filePath("lumolex.db"));
    ASSERT_FALSE(before.isEmpty());

    writeFile(articles, "1\tслово\t\t\n1\t\t\tбез слова\n");
    const ToolRun bad = build();
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(articles + ":2: Пустое значение слова!")) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains("nothing was written"));
    EXPECT_EQ(readFile(QDir(data).filePath("lumolex.db")), before);
    EXPECT_EQ(QDir(data).entryList(QDir::Files).size(), 3);   // no temporary files left
}

TEST_F(Tools, CliReadsTheBuiltData)
{
    const ToolRun missing = cli({"stats"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("Файл базы данных 1 не найден\n")) << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains("Файл базы данных 3 не найден")) << missing.err.toStdString();
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
        {{"find", " ДОЖДЬ "}, 0, "1\t1\tаббьр\n2\t2\tаббьр\n4\t3\tдождь\n"},
        {{"find", "дожд ливен"}, 0, "2\t2\tаббьр\n"},
        {{"find", "дождь", "--dict", "3"}, 0, "4\t3\tдождь\n"},
        {{"find", "дождь", "--dict", "1,2"}, 0, "1\t1\tаббьр\n2\t2\tаббьр\n"},
        {{"find", "дождь", "--all"}, 0, "1\t1\tаббьр\n2\t2\tаббьр\n4\t3\tдождь\n"},
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
    constexpr qsizetype kCap = 16 * 1024 * 1024;
    const QByteArray head = "{\\rtf1 cap";
    QByteArray atCap = head + QByteArray(kCap - head.size() - 1, ' ') + '}';
    writeFile(path("cap.rtf"), atCap);
    const ToolRun accepted = run("lumolex-cli", {"rtf2text", path("cap.rtf")});
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err.toStdString();
    EXPECT_TRUE(accepted.out.startsWith("cap")) << accepted.out.left(20).toStdString();

    atCap.insert(head.size(), ' ');
    writeFile(path("past.rtf"), atCap);
    const ToolRun refused = run("lumolex-cli", {"rtf2text", path("past.rtf")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("16777216")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());

    const QString fifo = path("fifo.rtf");
    ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
    for (const QString &source : {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), fifo, m_dir.path()}) {
        const ToolRun r = run("lumolex-cli", {"rtf2text", source});
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
    const ToolRun built = build({"--scale", "3"});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_TRUE(built.out.contains("12 articles"));
    EXPECT_EQ(cli({"list", "--dict", "3"}).out, "4\t3\tдождь\n8\t3\tдождьъб\n12\t3\tдождьъв\n");
}

} // namespace
