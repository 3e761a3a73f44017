// lumolex-mkdata and lumolex-cli run as the user runs them: their output,
// messages and exit codes.

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        articles = path(QStringLiteral("articles.tsv"));
        writeFile(articles, "1\tаббьр\t\t<b>аббьр</b> дождь\n"
                            "2\tаббьр\t\t<b>аббьр</b> дождь, ливень\n"
                            "1\tвырнэ\tаббьр\t<b>вырнэ</b> ловить\n"
                            "3\tдождь\t\t<b>дождь</b> аббьр\n");
        credits = path(QStringLiteral("credits.tsv"));
        writeFile(credits, "1\tКуруч Р. Д.\n2\tКерт Г. М.\n");
        data = path(QStringLiteral("DATA"));
    }

    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

    ToolRun build(const QStringList &extra = {})
    {
        return run("lumolex-mkdata", QStringList{QStringLiteral("build"), QStringLiteral("--out"), data,
                                                 QStringLiteral("--articles"), articles, QStringLiteral("--credits"), credits}
                                         + extra);
    }

    ToolRun cli(const QStringList &arguments) { return run("lumolex-cli", arguments + QStringList{QStringLiteral("--data"), data}); }

    QTemporaryDir m_dir;
    QString articles;
    QString credits;
    QString data;
};

TEST_F(Tools, HelpTextsNameCommandsAndExitCodes)
{
    const ToolRun mkdata = run("lumolex-mkdata", {QStringLiteral("--help")});
    EXPECT_EQ(mkdata.exitCode, 0);
    for (const char *word : {"build", "kildin", "--articles", "--forms", "--scale", "FILE:LINE", "Exit codes"})
        EXPECT_TRUE(mkdata.out.contains(QString::fromLatin1(word))) << word;

    const ToolRun cli = run("lumolex-cli", {QStringLiteral("--help")});
    EXPECT_EQ(cli.exitCode, 0);
    for (const char *word : {"key TEXT", "list", "show ID", "stats", "rtf2text FILE", "--data", "Exit codes"})
        EXPECT_TRUE(cli.out.contains(QString::fromLatin1(word))) << word;
}

TEST_F(Tools, BadLineIsReportedAndTheOldFilesStay)
{
    ASSERT_EQ(build().exitCode, 0);
    const QByteArray before = readFile(QDir(data).filePath(QStringLiteral("lumolex.db")));
    ASSERT_FALSE(before.isEmpty());

    writeFile(articles, "1\tслово\t\t\n1\t\t\tбез слова\n");
    const ToolRun bad = build();
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(articles + QStringLiteral(":2: Пустое значение слова!"))) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains(QStringLiteral("nothing was written")));
    EXPECT_EQ(readFile(QDir(data).filePath(QStringLiteral("lumolex.db"))), before);
    EXPECT_EQ(QDir(data).entryList(QDir::Files).size(), 3);   // no temporary files left
}

TEST_F(Tools, UsageErrors)
{
    EXPECT_EQ(run("lumolex-mkdata", {}).exitCode, 2);
    EXPECT_EQ(run("lumolex-mkdata", {QStringLiteral("make"), QStringLiteral("--out"), data}).exitCode, 2);
    EXPECT_EQ(build({QStringLiteral("--scale"), QStringLiteral("0")}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {QStringLiteral("show")}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {QStringLiteral("frobnicate"), QStringLiteral("x")}).exitCode, 2);
}

TEST_F(Tools, CliReadsTheBuiltData)
{
    ASSERT_EQ(build().exitCode, 0);

    ToolRun r = cli({QStringLiteral("key"), QStringLiteral("  Ӓ̄ББЬР ")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("аббьр\n"));

    r = cli({QStringLiteral("list")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("1\t1\tаббьр\n2\t2\tаббьр\n3\t1\tвырнэ\n4\t3\tдождь\n"));

    r = cli({QStringLiteral("list"), QStringLiteral("--dict"), QStringLiteral("1"), QStringLiteral("--from"), QStringLiteral("В"),
             QStringLiteral("--count"), QStringLiteral("5")});
    EXPECT_EQ(r.out, QStringLiteral("3\t1\tвырнэ\n"));
    r = cli({QStringLiteral("list"), QStringLiteral("--dict"), QStringLiteral("2,3"), QStringLiteral("--count"), QStringLiteral("1")});
    EXPECT_EQ(r.out, QStringLiteral("2\t2\tаббьр\n"));
    // Beyond the last key: the last record.
    r = cli({QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("яяя")});
    EXPECT_EQ(r.out, QStringLiteral("4\t3\tдождь\n"));
    EXPECT_EQ(cli({QStringLiteral("list"), QStringLiteral("--dict"), QStringLiteral("4")}).exitCode, 1);

    r = cli({QStringLiteral("show"), QStringLiteral("2")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("аббьр дождь, ливень\n"));
    EXPECT_EQ(cli({QStringLiteral("show"), QStringLiteral("99")}).exitCode, 1);
    EXPECT_EQ(cli({QStringLiteral("show"), QStringLiteral("два")}).exitCode, 2);

    r = cli({QStringLiteral("stats")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("articles\t4\nwordforms\t")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nexamples\t0\n")));
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("dict\t1\t2\tКуруч Р. Д.\ndict\t2\t1\tКерт Г. М.\ndict\t3\t1\t\n"))) << r.out.toStdString();
}

TEST_F(Tools, CliReportsMissingDataFiles)
{
    const ToolRun r = cli({QStringLiteral("stats")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Файл базы данных 1 не найден\n")));
    EXPECT_TRUE(r.err.indexOf(QStringLiteral("Файл базы данных 2 не найден")) > r.err.indexOf(QStringLiteral("данных 1")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Файл базы данных 3 не найден")));
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(Tools, CliFindsTheSampleBesideItself)
{
    const ToolRun r = run("lumolex-cli", {QStringLiteral("list"), QStringLiteral("--dict"), QStringLiteral("9")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\t9\tПогода\n"))) << r.out.toStdString();
}

TEST_F(Tools, RtfToText)
{
    const QString rtf = path(QStringLiteral("a.rtf"));
    writeFile(rtf, "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Tahoma;}}\\f0 \\b \\'e4\\'ee\\'e6\\'e4\\'fc\\b0  \\u1231?\\par}");
    ToolRun r = run("lumolex-cli", {QStringLiteral("rtf2text"), rtf});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("дождь \u04CF\n"));

    const QString text = path(QStringLiteral("a.txt"));
    writeFile(text, "plain text");
    EXPECT_EQ(run("lumolex-cli", {QStringLiteral("rtf2text"), text}).exitCode, 2);
    EXPECT_EQ(run("lumolex-cli", {QStringLiteral("rtf2text"), path(QStringLiteral("none.rtf"))}).exitCode, 2);
}

TEST_F(Tools, ScaleRepeatsTheArticles)
{
    const ToolRun built = build({QStringLiteral("--scale"), QStringLiteral("3")});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_TRUE(built.out.contains(QStringLiteral("12 articles")));
    const ToolRun r = cli({QStringLiteral("list"), QStringLiteral("--dict"), QStringLiteral("3")});
    EXPECT_EQ(r.out, QStringLiteral("4\t3\tдождь\n8\t3\tдождьъб\n12\t3\tдождьъв\n"));
}

} // namespace
