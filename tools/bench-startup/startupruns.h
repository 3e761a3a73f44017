#pragma once

// What lumolex-bench-startup reads from a start: the figure a program
// prints at its first paint and, for LumoLex under LUMOLEX_TIMING=1, the ends
// of its start-up phases; and the medians of the phases over many starts.

#include <QString>

#include <vector>

namespace lumolex::bench {

struct PhaseEnd {
    QString name;
    double endMs = 0;   // since the process start
};

struct StartupReport {
    double figureMs = -1;          // the figure line's time; -1: not printed
    QString origin;                // where its count starts, as the line says
    std::vector<PhaseEnd> phases;  // in the order printed
};

// Reads `stderrText`: the line "<figure> <ms> ms (from <origin>)" and the
// lines "lumolex: phase <name> ends <ms> ms".
StartupReport readStartupReport(const QString &stderrText, const QString &figure);

struct PhaseFigure {
    QString name;
    double medianLengthMs = 0;  // from the end of the phase before it (or from 0)
    double medianEndMs = 0;
    int runs = 0;               // the starts that printed it
};

// Each phase's median length and end over the starts, in the order of the
// first start's phases; a phase missing from a start is left out of that
// start's figures, and its length then runs from the phase before it that
// the start printed.
std::vector<PhaseFigure> phaseMedians(const std::vector<StartupReport> &reports);

} // namespace lumolex::bench
