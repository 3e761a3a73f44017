// Bad source lines: each is reported with its file and line number, with the
// write guard's texts for records that break the article rules, and a build
// with any bad line writes nothing.

#include "datafixtures.h"

#include "data/files/datalimits.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

#include <gtest/gtest.h>

using namespace lumolex;
using namespace lumolex::testing;

namespace {

class BadSources : public FolderTest
{
protected:
    QStringList problemsOf(const mkdata::BuildInput &input)
    {
        QStringList problems;
        EXPECT_FALSE(buildData(input, path("DATA"), &problems));
        EXPECT_FALSE(QFileInfo::exists(path("DATA"))) << "a failed build wrote files";
        return problems;
    }
};

TEST_F(BadSources, ArticleLinesAreReportedWithFileAndLine)
{
    const QString articles = file("articles.tsv",
                                  "# header\n"                                    // 1
                                  "1\tаббьр\t\t<b>аббьр</b>\n"                      // 2 good
                                  "x\tслово\t\t\n"                                  // 3 code
                                  "1\t  \t\tтекст\n"                                // 4 empty headword
                                  "1\t\xcc\x84\t\tтекст\n"                          // 5 macron only: empty key
                                  "1\tслово\tссылка\tтело\tлишнее\n"                // 6 five fields
                                  "1\tслово\n"                                      // 7 two fields
                                  "1\t" + QString(51, u'ы').toUtf8() + "\t\t\n"     // 8 too long
                                  "1\tслово\t\t{\\rtf1 \\b unclosed\n"              // 9 damaged RTF
                                  "1\tслово\t\t{\\rtf1 ж}\n"                        // 10 non-ASCII RTF
                                  "1\t\xff\xfe\t\t\n"                               // 11 not UTF-8
                                  "1\tхорошо\t\t\n");                               // 12 good
    mkdata::BuildInput input;
    input.articleFiles = {articles};
    const QStringList problems = problemsOf(input);

    const struct {
        int line;
        QString text;
    } expected[] = {
        {3, "the dictionary code \"x\""},
        {4, "Пустое значение слова!"},
        {5, "Пустое значение транскрипции!"},
        {6, "found 5"},
        {7, "found 2"},
        {8, "longer than 50 characters"},
        {9, "RTF body is damaged"},
        {10, "U+0436"},
        {11, "not valid UTF-8"},
    };
    ASSERT_EQ(problems.size(), int(std::size(expected))) << problems.join(u'\n').toStdString();
    for (const auto &e : expected) {
        EXPECT_TRUE(std::any_of(problems.cbegin(), problems.cend(), [&](const QString &p) {
            return p.startsWith(QStringLiteral("%1:%2: ").arg(articles).arg(e.line)) && p.contains(e.text);
        })) << "line " << e.line;
    }
}

// The program reads a body of up to kMaxBodyBytes of RTF and calls a
// longer one damaged: the build refuses the longer one, with its line and
// the limit, and builds the one that fits exactly.
TEST_F(BadSources, BodyLargerThanTheProgramReadsIsRefusedWithItsLineAndTheLimit)
{
    const auto body = [](qsizetype bytes) {
        const QByteArray open = "{\\rtf1 ";
        return open + QByteArray(bytes - open.size() - 1, ' ') + '}';
    };
    const QString limit = QString::number(kMaxBodyBytes);
    const QString articles = file("articles.tsv",
                                  "1\tровно\t\t" + body(kMaxBodyBytes) + "\n"       // 1 exactly the limit
                                  "1\tбольше\t\t" + body(kMaxBodyBytes + 1) + "\n"); // 2 one byte more
    mkdata::BuildInput input;
    input.articleFiles = {articles};
    const QStringList problems = problemsOf(input);
    ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').left(2000).toStdString();
    EXPECT_TRUE(problems.first().startsWith(QStringLiteral("%1:2: ").arg(articles))) << problems.first().toStdString();
    EXPECT_TRUE(problems.first().contains(limit)) << problems.first().toStdString();
}

TEST_F(BadSources, OtherListsAndMissingFiles)
{
    mkdata::BuildInput input;
    input.articleFiles = {file("a.tsv", "1\tслово\t\t\n")};
    input.exampleFiles = {file("e.tsv", "пример\tлишнее\n")};
    input.formFiles = {file("f.tsv", "слово\n")};
    input.creditFiles = {file("c.tsv", "1\tКуруч Р. Д.\n1\tКерт Г. М.\n")};
    input.formFiles.append(path("missing.tsv"));
    const QStringList problems = problemsOf(input);
    const QString all = problems.join(u'\n');
    ASSERT_EQ(problems.size(), 4) << all.toStdString();
    EXPECT_TRUE(all.contains(input.exampleFiles.at(0) + ":1: expected one field"));
    EXPECT_TRUE(all.contains(input.formFiles.at(0) + ":1: expected at least 2"));
    EXPECT_TRUE(all.contains(input.formFiles.at(1) + ": cannot read the file"));
    EXPECT_TRUE(all.contains(input.creditFiles.at(0) + ":2: dictionary 1 is credited twice"));
}

TEST_F(BadSources, NotesDoNotStopTheBuild)
{
    mkdata::BuildInput input;
    input.articleFiles = {file("a.tsv", "1\tслово\tнигде\t\n2\tдругое\tслово\t\n")};
    input.formFiles = {file("f.tsv", "неизвестное\tформа\n")};
    mkdata::BuiltData data;
    mkdata::ProblemList problems;
    mkdata::DataBuilder builder;
    ASSERT_TRUE(builder.build(input, &data, &problems)) << problems.messages().join(u'\n').toStdString();
    const QString warnings = builder.warnings().join(u'\n');
    // Both cross-references are broken: the second names a headword of another dictionary.
    EXPECT_TRUE(warnings.contains("\"нигде\" names no headword of dictionary 1")) << warnings.toStdString();
    EXPECT_TRUE(warnings.contains("\"слово\" names no headword of dictionary 2")) << warnings.toStdString();
    // A form whose headword no article holds is expected (a morphology knows
    // more words than a dictionary): counted, not warned about.
    EXPECT_FALSE(warnings.contains("неизвестное")) << warnings.toStdString();
    EXPECT_EQ(builder.formsLeftOut(), 1);
    EXPECT_TRUE(builder.firstFormLeftOut().endsWith("f.tsv:1 (неизвестное)")) << builder.firstFormLeftOut().toStdString();
    EXPECT_EQ(data.wordForms.idsOf("форма"), nullptr);
}

} // namespace
