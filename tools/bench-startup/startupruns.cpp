#include "startupruns.h"

#include "benchsupport.h"

#include <QRegularExpression>

#include <map>

namespace lumolex::bench {

StartupReport readStartupReport(const QString &stderrText, const QString &figure)
{
    StartupReport report;
    static const QRegularExpression phaseLine(QStringLiteral("^lumolex: phase (.+) ends (\\d+(?:\\.\\d+)?) ms$"),
                                              QRegularExpression::MultilineOption);
    const QRegularExpression figureLine(QRegularExpression::escape(figure)
                                            + QStringLiteral(" (\\d+(?:\\.\\d+)?) ms \\(from (.+)\\)$"),
                                        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch figureMatch = figureLine.match(stderrText);
    if (figureMatch.hasMatch()) {
        report.figureMs = figureMatch.captured(1).toDouble();
        report.origin = figureMatch.captured(2);
    }
    for (QRegularExpressionMatchIterator it = phaseLine.globalMatch(stderrText); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        report.phases.push_back({m.captured(1), m.captured(2).toDouble()});
    }
    return report;
}

std::vector<PhaseFigure> phaseMedians(const std::vector<StartupReport> &reports)
{
    std::map<QString, std::vector<double>> lengths;
    std::map<QString, std::vector<double>> ends;
    std::vector<QString> order;
    for (const StartupReport &report : reports) {
        double previousEnd = 0;
        for (const PhaseEnd &phase : report.phases) {
            if (!ends.count(phase.name))
                order.push_back(phase.name);
            lengths[phase.name].push_back(phase.endMs - previousEnd);
            ends[phase.name].push_back(phase.endMs);
            previousEnd = phase.endMs;
        }
    }
    std::vector<PhaseFigure> figures;
    for (const QString &name : order)
        figures.push_back({name, median(lengths[name]), median(ends[name]), int(ends[name].size())});
    return figures;
}

} // namespace lumolex::bench
