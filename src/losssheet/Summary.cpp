#include "losssheet/Summary.h"

#include "losssheet/Problems.h"
#include "losssheet/SheetUnits.h"

#include <algorithm>
#include <cmath>

namespace losssheet {

namespace {

void criticalPath(std::vector<SectionResult> &sections, int terminal, Summary &s)
{
    long double friction = 0;
    long double fittingLoss = 0;
    long double equipment = 0;
    for (int i = terminal; i >= 0; i = sections[static_cast<std::size_t>(i)].parent) {
        SectionResult &r = sections[static_cast<std::size_t>(i)];
        r.onCriticalPath = true;
        s.criticalPath.push_back(i);
        friction += *r.straightLoss;
        fittingLoss += *r.fittingLoss;
        equipment += *r.equipmentLoss;
    }
    std::reverse(s.criticalPath.begin(), s.criticalPath.end());
    s.friction = friction;
    s.fittings = fittingLoss;
    s.equipment = equipment;
    s.systemLoss = sections[static_cast<std::size_t>(terminal)].cumulative;
}

} // namespace

Summary Summarize(const System &system, std::vector<SectionResult> &sections)
{
    Summary s;
    int critical = -1;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionResult &r = sections[i];
        if (!r.problem.empty())
            ++s.sectionsWithProblems;
        if (!r.connected || !r.children.empty())
            continue;
        s.terminals.push_back({static_cast<int>(i), r.cumulative, std::nullopt});
        if (r.cumulative &&
            (critical < 0 ||
             *r.cumulative > *sections[static_cast<std::size_t>(critical)].cumulative))
            critical = static_cast<int>(i);
    }
    s.margin = system.marginPercent / 100;
    if (!(s.margin >= 0) || !std::isfinite(s.margin)) {
        s.problems.push_back(problem::BadMargin());
        if (!std::isfinite(s.margin))
            s.margin = 0;
    }
    if (system.kind == SystemKind::Pipe) {
        s.staticHead = system.pipe.staticHead * PascalsPerMetreHead();
        s.terminalPressure = system.pipe.terminalPressure * 1000;
    }
    if (critical < 0) {
        s.problems.push_back(problem::NoTerminal());
        return s;
    }
    criticalPath(sections, critical, s);
    for (Terminal &t : s.terminals) {
        if (t.pathLoss)
            t.surplus = *s.systemLoss - *t.pathLoss;
    }
    const long double required =
        (s.staticHead + *s.systemLoss + s.terminalPressure) * (1 + s.margin);
    if (std::isfinite(required))
        s.required = required;
    else
        s.problems.push_back(problem::Overflow());
    return s;
}

} // namespace losssheet
