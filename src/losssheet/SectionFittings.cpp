#include "losssheet/SectionFittings.h"

#include "fittings/Equipment.h"
#include "fittings/EquivalentLength.h"
#include "fittings/Quantities.h"
#include "losssheet/Problems.h"
#include "numeric/Failure.h"

#include <cmath>

namespace losssheet {

namespace {

using fittings::Junction;

numeric::Medium mediumOf(SystemKind kind)
{
    return kind == SystemKind::Duct ? numeric::Medium::Air : numeric::Medium::Water;
}

fittings::FlowState stateOf(const Hydraulics &h)
{
    return {h.reynolds, h.frictionFactor, h.equivalentDiameter};
}

// The flow state of the other side of a change of size of area ratio
// `ratio` with no upstream section to tell it: the same flow through an area
// `ratio` (or 1/ratio) times the own, so Re ∝ 1/√A; λ taken as the own.
fittings::FlowState otherSide(const Hydraulics &own, long double areaFactor)
{
    fittings::FlowState s = stateOf(own);
    s.reynolds /= std::sqrt(areaFactor);
    s.diameter *= std::sqrt(areaFactor);
    return s;
}

// Fills a blank parameter from the surroundings, where its kind says how.
std::optional<long double> fromSurroundings(const fittings::FittingType &type,
                                            std::string_view parameter, const Surroundings &a)
{
    if (!a.upstream)
        return std::nullopt;
    const Hydraulics &own = *a.own.hydraulics;
    const Hydraulics &up = *a.upstream->hydraulics;
    const long double qc = a.upstream->flow;
    if (parameter == fittings::quantity::AreaRatio)
        return std::min(own.area, up.area) / std::max(own.area, up.area);
    if (parameter == fittings::quantity::FlowRatio) {
        return type.junction == Junction::Branch ? a.own.flow / qc : (qc - a.own.flow) / qc;
    }
    if (parameter == fittings::quantity::BranchAreaRatio) {
        if (type.junction == Junction::Branch)
            return own.area / up.area;
        if (a.siblings.size() == 1)
            return a.siblings[0].hydraulics->area / up.area;
    }
    return std::nullopt;
}

struct Prepared
{
    const fittings::FittingType *type = nullptr;
    const fittings::Method *method = nullptr;
    std::string problem;
};

Prepared prepare(const Fitting &f, SystemKind kind)
{
    Prepared p;
    p.type = fittings::FindType(f.type);
    if (!p.type) {
        p.problem = problem::UnknownKind(f.type);
        return p;
    }
    const auto excluded =
        kind == SystemKind::Duct ? fittings::Applies::Pipes : fittings::Applies::Ducts;
    if (p.type->applies == excluded) {
        p.problem = problem::KindNotForSystem();
        return p;
    }
    std::optional<int> index = fittings::DefaultMethod(*p.type, mediumOf(kind));
    if (!f.method.empty())
        index = fittings::FindMethod(*p.type, f.method);
    if (!index) {
        p.problem = problem::UnknownMethod(f.method);
        return p;
    }
    p.method = &p.type->methods[static_cast<std::size_t>(*index)];
    if (!(f.count >= 0 && std::isfinite(f.count)))
        p.problem = problem::BadCount();
    return p;
}

// Each parameter's value, or the problem of the first that has none.
std::string fillValues(const Fitting &f, const Prepared &p, const Surroundings &around,
                       FittingResult &r)
{
    for (std::size_t i = 0; i < p.method->parameters.size(); ++i) {
        const fittings::Parameter &param = p.method->parameters[i];
        std::optional<long double> v = i < f.values.size() ? f.values[i] : std::nullopt;
        bool tree = false;
        if (!v && param.fromTree) {
            v = fromSurroundings(*p.type, param.name, around);
            tree = v.has_value();
        }
        if (!v)
            v = param.defaultValue;
        if (!v || !std::isfinite(*v)) {
            const Junction junction = p.type->junction;
            const bool tee = junction == Junction::Branch || junction == Junction::Straight;
            if (param.fromTree && around.upstreamUnknown)
                return problem::UpstreamNotComputed();
            if (param.fromTree && tee && !around.upstream)
                return problem::NoUpstreamSection();
            if (param.fromTree && junction == Junction::Straight)
                return problem::NoSingleOtherBranch();
            return problem::MissingValue(param.name);
        }
        r.values.push_back(*v);
        r.fromTree.push_back(tree);
    }
    return {};
}

// The coefficient of one fitting, on the velocity its method names, and the
// factor (v_ref/v_own)² that refers it to the section's own velocity.
std::string coefficient(const Prepared &p, const Surroundings &around, FittingResult &r,
                        long double &toOwn)
{
    const Hydraulics &own = *around.own.hydraulics;
    fittings::Situation s;
    s.own = s.smallSide = s.largeSide = stateOf(own);
    if (own.nominalSize)
        s.nominal = fittings::NominalInches(*own.nominalSize);
    long double smallVelocity = own.velocity;
    const Junction junction = p.type->junction;
    if (junction == Junction::Widening || junction == Junction::Narrowing) {
        if (around.upstreamUnknown)
            return problem::UpstreamNotComputed();
        if (around.upstream) {
            const Hydraulics &up = *around.upstream->hydraulics;
            const bool upSmaller = up.area < own.area;
            (upSmaller ? s.smallSide : s.largeSide) = stateOf(up);
            if (upSmaller)
                smallVelocity = up.velocity;
        } else {
            // With nothing upstream the flow enters the section at its start:
            // through a smaller opening into a widening, from a larger one
            // into a narrowing.
            const long double ratio = r.values[0];
            if (junction == Junction::Widening) {
                s.smallSide = otherSide(own, ratio);
                smallVelocity = own.velocity / ratio;
            } else {
                s.largeSide = otherSide(own, 1 / ratio);
            }
        }
    }
    const fittings::Coefficient c = fittings::Evaluate(*p.method, r.values, s);
    r.zeta = c.value;
    r.warnings = c.warnings;
    long double velocity = own.velocity;
    switch (c.reference) {
    case fittings::Reference::Own:
        break;
    case fittings::Reference::SmallSide:
        velocity = smallVelocity;
        break;
    case fittings::Reference::Combined:
        if (around.upstreamUnknown)
            return problem::UpstreamNotComputed();
        if (!around.upstream)
            return problem::NoUpstreamSection();
        velocity = around.upstream->hydraulics->velocity;
        if (junction == Junction::Straight &&
            std::fabs(own.area / around.upstream->hydraulics->area - 1) > 0.01L)
            r.warnings.push_back(problem::MainSectionChanges());
        break;
    }
    toOwn = (velocity / own.velocity) * (velocity / own.velocity);
    return {};
}

// One fitting: its result, and its share of the section's sums.
void evaluate(const Fitting &f, const Surroundings &around, SectionFittingsResult &sums,
              FittingResult &r)
{
    const Prepared p = prepare(f, around.kind);
    r.type = p.type;
    r.method = p.method;
    if (!p.problem.empty()) {
        r.problem = p.problem;
        return;
    }
    r.problem = fillValues(f, p, around, r);
    if (!r.problem.empty())
        return;
    const Hydraulics &own = *around.own.hydraulics;
    switch (p.type->yields) {
    case fittings::Yields::Coefficient: {
        long double toOwn = 1;
        r.problem = coefficient(p, around, r, toOwn);
        if (!r.problem.empty())
            return;
        r.sectionZeta = *r.zeta * toOwn * f.count;
        r.loss = *r.sectionZeta * own.dynamicPressure;
        if (around.kind == SystemKind::Pipe) {
            r.equivalentLength = fittings::EquivalentLength(
                *r.sectionZeta, own.equivalentDiameter / 1000, own.frictionFactor);
        }
        sums.sumZeta += *r.sectionZeta;
        break;
    }
    case fittings::Yields::EquivalentLength:
        r.equivalentLength = r.values[0] * f.count;
        r.loss = own.lossPerMetre * *r.equivalentLength;
        break;
    case fittings::Yields::Equipment:
        r.loss = fittings::ScaledEquipmentLoss(r.values[0], r.values[1], around.own.flow) * f.count;
        sums.equipmentLoss += *r.loss;
        return;
    case fittings::Yields::PercentOfStraight:
        r.loss = r.values[0] / 100 * around.straightLoss * f.count;
        break;
    }
    if (r.equivalentLength)
        sums.equivalentLength += *r.equivalentLength;
    sums.fittingLoss += *r.loss;
}

} // namespace

SectionFittingsResult EvaluateFittings(const std::vector<Fitting> &fittings,
                                       const Surroundings &around)
{
    SectionFittingsResult sums;
    sums.fittings.resize(fittings.size());
    for (std::size_t i = 0; i < fittings.size(); ++i) {
        FittingResult &r = sums.fittings[i];
        try {
            evaluate(fittings[i], around, sums, r);
        } catch (const numeric::Failure &failure) {
            r.problem = failure.what();
        }
        const std::string_view name = r.type ? r.type->name : std::string_view(fittings[i].type);
        if (!r.problem.empty() && sums.problem.empty())
            sums.problem = problem::OfFitting(i, name, r.problem);
        for (const std::string &w : r.warnings)
            sums.warnings.push_back(problem::OfFitting(i, name, w));
    }
    return sums;
}

} // namespace losssheet
