// lumolex-bench-startup's reading of a start: the figure line among the
// program's other output, the phase ends in their order, and the phases'
// lengths over several starts when a start left one out.
#include "startupruns.h"

#include <gtest/gtest.h>

using namespace lumolex::bench;

TEST(StartupReport, ReadsTheFigureAndThePhases)
{
    const QString figure = QStringLiteral("lumolex: start-up to first article");
    const struct {
        const char *what;
        QString text;
        double figureMs;
        QString origin;
        int phases;
    } cases[] = {
        {"whole report",
         QStringLiteral("lumolex: phase libraries ends 21.5 ms\n"
                        "lumolex: phase window construction ends 40 ms\n"
                        "lumolex: start-up to first article 93 ms (from the process start)\n"
                        "lumolex: word forms loaded 120 ms (from the process start)\n"),
         93, QStringLiteral("the process start"), 2},
        {"counted from main", QStringLiteral("lumolex: start-up to first article 7 ms (from main())\n"), 7,
         QStringLiteral("main()"), 0},
        {"among Qt's warnings",
         QStringLiteral("qt.qpa.xcb: could not connect\nlumolex: start-up to first article 65 ms (from main())\n"
                        "QSocketNotifier: x (from y)\n"),
         65, QStringLiteral("main()"), 0},
        {"another figure only", QStringLiteral("lumolex: word forms loaded 120 ms (from the process start)\n"), -1,
         QString(), 0},
        {"figure inside a longer line",
         QStringLiteral("warning: lumolex: start-up to first article 5 ms (from main()) was late\n"), -1, QString(), 0},
        {"phase without a time", QStringLiteral("lumolex: phase libraries ends soon\n"), -1, QString(), 0},
        {"nothing", QString(), -1, QString(), 0},
    };
    for (const auto &c : cases) {
        const StartupReport report = readStartupReport(c.text, figure);
        EXPECT_DOUBLE_EQ(report.figureMs, c.figureMs) << c.what;
        EXPECT_EQ(report.origin, c.origin) << c.what;
        EXPECT_EQ(int(report.phases.size()), c.phases) << c.what;
    }
    const StartupReport whole = readStartupReport(cases[0].text, figure);
    ASSERT_EQ(whole.phases.size(), 2u);
    EXPECT_EQ(whole.phases[0].name, QStringLiteral("libraries"));
    EXPECT_DOUBLE_EQ(whole.phases[0].endMs, 21.5);
    EXPECT_EQ(whole.phases[1].name, QStringLiteral("window construction"));
    EXPECT_DOUBLE_EQ(whole.phases[1].endMs, 40);
}

TEST(PhaseMedians, LengthsRunFromThePhaseBefore)
{
    auto start = [](std::vector<PhaseEnd> phases) {
        StartupReport report;
        report.figureMs = phases.back().endMs;
        report.phases = std::move(phases);
        return report;
    };
    const std::vector<StartupReport> starts = {
        start({{"libraries", 20}, {"window", 50}, {"paint", 90}}),
        start({{"libraries", 30}, {"window", 70}, {"paint", 100}}),
        // No window phase in this start: its paint runs from the libraries.
        start({{"libraries", 10}, {"paint", 60}}),
    };
    const std::vector<PhaseFigure> figures = phaseMedians(starts);
    const struct {
        const char *name;
        double length;
        double end;
        int runs;
    } expected[] = {
        {"libraries", 20, 20, 3},
        {"window", 40, 70, 2},   // lengths 30 and 40: the upper middle
        {"paint", 40, 90, 3},    // lengths 40, 30 and 50
    };
    ASSERT_EQ(figures.size(), std::size(expected));
    for (size_t i = 0; i < figures.size(); ++i) {
        EXPECT_EQ(figures[i].name, QString::fromLatin1(expected[i].name)) << i;
        EXPECT_DOUBLE_EQ(figures[i].medianLengthMs, expected[i].length) << expected[i].name;
        EXPECT_DOUBLE_EQ(figures[i].medianEndMs, expected[i].end) << expected[i].name;
        EXPECT_EQ(figures[i].runs, expected[i].runs) << expected[i].name;
    }
}
