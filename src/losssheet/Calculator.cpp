#include "losssheet/Calculator.h"

#include "losssheet/Flows.h"
#include "losssheet/Problems.h"
#include "losssheet/SectionFittings.h"
#include "losssheet/SizeText.h"
#include "losssheet/Summary.h"
#include "losssheet/Tree.h"

#include <cmath>

namespace losssheet {

namespace {

// A section's hydraulic inputs, with what its size makes irrelevant left at
// the defaults, so that a typed size stays cached through edits of the
// sizing rule.
HydraulicInputs hydraulicInputs(const System &system, const Section &section, long double flow,
                                UnitSystem units)
{
    HydraulicInputs in;
    in.kind = system.kind;
    in.units = units;
    in.flow = flow;
    in.size = section.size;
    const bool sized = IsBlankSize(section.size);
    if (system.kind == SystemKind::Duct) {
        const DuctConditions &c = system.duct;
        in.roughness = c.roughness;
        in.density = c.density;
        if (sized) {
            in.sizing = c.sizing;
            in.shape = c.shape;
            in.fixedSide = c.shape == DuctShape::FixedSide ? c.fixedSide : 0;
            in.aspectRatio = c.shape == DuctShape::AspectRatio ? c.aspectRatio : 1;
        }
    } else {
        in.roughness = system.pipe.roughness;
        in.density = system.pipe.density;
        if (sized)
            in.sizing = system.pipe.sizing;
    }
    if (!sized)
        in.sizing = {};
    return in;
}

// Adds a step's warnings to the row, and its problem unless the row has one
// already; true when the step had none.
bool passed(const std::string &problem, const std::vector<std::string> &warnings, SectionResult &r)
{
    r.warnings.insert(r.warnings.end(), warnings.begin(), warnings.end());
    if (problem.empty())
        return true;
    if (r.problem.empty())
        r.problem = problem;
    return false;
}

void takeHydraulics(const Hydraulics &h, long double length, SectionResult &r)
{
    r.sized = h.sized;
    if (!passed(h.problem, h.warnings, r))
        return;
    r.size = h.sizeText;
    r.equivalentDiameter = h.equivalentDiameter;
    r.area = h.area;
    r.velocity = h.velocity;
    r.dynamicPressure = h.dynamicPressure;
    r.lossPerMetre = h.lossPerMetre;
    r.reynolds = h.reynolds;
    r.frictionFactor = h.frictionFactor;
    r.pageVelocity = h.pageVelocity;
    r.pageLoss = h.pageLoss;
    if (!(std::isfinite(length) && length >= 0))
        passed(problem::NegativeLength(), {}, r);
    else if (!std::isfinite(h.lossPerMetre * length))
        passed(problem::Overflow(), {}, r);
    else
        r.straightLoss = h.lossPerMetre * length;
}

// Whether a section's own values can serve its neighbours' fittings.
bool usable(const SectionResult &r, const Hydraulics *h)
{
    return h && h->problem.empty() && r.flow;
}

Surroundings surroundingsOf(const System &system, const std::vector<SectionResult> &results,
                            const std::vector<const Hydraulics *> &hydraulics, std::size_t i)
{
    Surroundings a;
    a.kind = system.kind;
    a.own = {*results[i].flow, hydraulics[i]};
    a.straightLoss = *results[i].straightLoss;
    const int parent = results[i].parent;
    if (parent < 0)
        return a;
    const auto p = static_cast<std::size_t>(parent);
    if (!usable(results[p], hydraulics[p])) {
        a.upstreamUnknown = true;
        return a;
    }
    a.upstream = Leg{*results[p].flow, hydraulics[p]};
    for (int sibling : results[p].children) {
        const auto s = static_cast<std::size_t>(sibling);
        if (s != i && usable(results[s], hydraulics[s]))
            a.siblings.push_back({*results[s].flow, hydraulics[s]});
    }
    return a;
}

void takeFittings(SectionFittingsResult &&f, SectionResult &r)
{
    r.fittings = std::move(f.fittings);
    if (!passed(f.problem, f.warnings, r))
        return;
    const long double sectionLoss = *r.straightLoss + f.fittingLoss + f.equipmentLoss;
    if (!std::isfinite(sectionLoss)) {
        passed(problem::Overflow(), {}, r);
        return;
    }
    r.sectionLoss = sectionLoss;
    r.sumZeta = f.sumZeta;
    r.equivalentLength = f.equivalentLength;
    r.fittingLoss = f.fittingLoss;
    r.equipmentLoss = f.equipmentLoss;
}

// The losses from the fan or pump, down the tree; a section below one that
// could not be computed says which.
void accumulate(const System &system, const Tree &tree, std::vector<SectionResult> &results)
{
    std::vector<int> blockedBy(results.size(), -1);
    for (int node : tree.order) {
        const auto i = static_cast<std::size_t>(node);
        SectionResult &r = results[i];
        const int parent = r.parent;
        if (!r.problem.empty() || !r.sectionLoss) {
            blockedBy[i] = node;
            continue;
        }
        if (parent >= 0 && blockedBy[static_cast<std::size_t>(parent)] >= 0) {
            blockedBy[i] = blockedBy[static_cast<std::size_t>(parent)];
            r.problem =
                problem::CutOff(system.sections[static_cast<std::size_t>(blockedBy[i])].name);
            continue;
        }
        const long double before =
            parent >= 0 ? *results[static_cast<std::size_t>(parent)].cumulative : 0;
        if (std::isfinite(before + *r.sectionLoss)) {
            r.cumulative = before + *r.sectionLoss;
        } else {
            r.problem = problem::Overflow();
            blockedBy[i] = node;
        }
    }
}

} // namespace

SystemResult Calculator::compute(const System &system, UnitSystem units)
{
    const std::size_t n = system.sections.size();
    const Tree tree = BuildTree(system);
    const std::vector<SectionFlow> flows = DeriveFlows(system, tree);

    SystemResult result;
    std::vector<SectionResult> &sections = result.sections;
    sections.resize(n);
    std::vector<const Hydraulics *> hydraulics(n, nullptr);
    for (std::size_t i = 0; i < n; ++i) {
        SectionResult &r = sections[i];
        r.parent = tree.parent[i];
        r.children = tree.children[i];
        r.connected = tree.connected[i];
        r.problem = tree.problem[i];
        if (!tree.warnings[i].empty())
            r.warnings.push_back(tree.warnings[i]);
        r.flow = flows[i].flow;
        r.flowFromBranches = flows[i].fromBranches;
        if (r.problem.empty())
            r.problem = flows[i].problem;
        if (!r.flow)
            continue;
        const Section &section = system.sections[i];
        hydraulics[i] = &cache_.get(hydraulicInputs(system, section, *r.flow, units));
        takeHydraulics(*hydraulics[i], section.length, r);
        if (!r.straightLoss)
            hydraulics[i] = nullptr;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (hydraulics[i])
            takeFittings(EvaluateFittings(system.sections[i].fittings,
                                          surroundingsOf(system, sections, hydraulics, i)),
                         sections[i]);
    }
    accumulate(system, tree, sections);
    result.summary = Summarize(system, sections);
    cache_.endCalculation();
    return result;
}

SystemResult Compute(const System &system, UnitSystem units)
{
    Calculator calculator;
    return calculator.compute(system, units);
}

} // namespace losssheet
