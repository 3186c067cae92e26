#include "flow/DuctSizing.h"

#include "flow/FlowModel.h"
#include "flow/SizeSteps.h"
#include "flow/StepSearch.h"
#include "numeric/Failure.h"
#include "numeric/Real.h"

#include <cstdint>

namespace flow {

using numeric::Real;

namespace {

// With a fixed side the free side of the k-th size tried is 50·(k + 1) mm.
// The search stops after this many steps (a free side of 5·10¹⁸ mm, still
// exact in an extended value); only a fixed side of a few micrometres or less
// gets that far, and it ends like a search that passed the size limit.
constexpr std::uint64_t LastFixedSideStep = 100'000'000'000'000'000ULL;

// One size tried by the pressure-loss search.
struct Trial
{
    Real sideA;
    Real sideB;
    Real diameter; // the diameter, or the rectangle's equivalent diameter, mm
    Real loss;     // mmAq/m
};

class LossSearch
{
public:
    explicit LossSearch(const DuctSizingInputs &in)
        : in_(in), target_(Real(in.target) / in.lossUnitFactor)
    {
    }

    bool stops(const Trial &t) const
    {
        return t.diameter > LossSearchSizeLimit || t.loss <= target_;
    }

    Trial round(Real diameter) const { return {diameter, 0, diameter, lossIn(diameter)}; }

    Trial rectangle(Real a, Real b) const
    {
        const Real d = EquivalentDiameter(a.value(), b.value());
        return {a, b, d, lossIn(d)};
    }

    Trial fixedSideStep(std::uint64_t k) const
    {
        const Real b = Real(RectSizeStep) * static_cast<long double>(k + 1);
        return rectangle(*in_.fixedSide, b);
    }

private:
    Real lossIn(Real diameter) const
    {
        return FrictionLoss(in_.flow, diameter.value(), in_.density, in_.roughness, Medium::Air);
    }

    const DuctSizingInputs &in_;
    Real target_; // mmAq/m
};

Trial searchRound(const LossSearch &search)
{
    Real d = RoundSizeStep;
    Trial t;
    do {
        d += RoundSizeStep;
        t = search.round(d);
    } while (!search.stops(t));
    return t;
}

Trial searchSquare(const LossSearch &search)
{
    Real b = RectSizeStep;
    Trial t;
    do {
        b += RectSizeStep;
        t = search.rectangle(b, b);
    } while (!search.stops(t));
    return t;
}

// The size at which the step-by-step search a × 100, a × 150, ... would end,
// by its stop test or by a fault, found without trying every size. As the free
// side grows the equivalent diameter grows, the loss falls and the argument of
// the friction factor's cube root moves one way only; so either the first size
// already ends the search (it is tried first) or, once a size ends it, every
// larger size would too. A fault is raised as the step-by-step search would
// raise it. `gaveUp` tells that no size up to LastFixedSideStep ended.
Trial searchFixedSide(const LossSearch &search, bool &gaveUp)
{
    const auto ends = [&search](std::uint64_t k) {
        try {
            return search.stops(search.fixedSideStep(k));
        } catch (const numeric::FloatingPointFault &) {
            return true;
        }
    };
    const std::optional<std::uint64_t> step = FirstEndingStep(LastFixedSideStep, ends);
    gaveUp = !step;
    return search.fixedSideStep(step.value_or(LastFixedSideStep));
}

} // namespace

void DuctSizingByLoss(const DuctSizingInputs &in, DuctSizingResult &out)
{
    const LossSearch search(in);
    bool gaveUp = false;
    Trial t;
    if (in.round)
        t = searchRound(search);
    else if (in.fixedSide)
        t = searchFixedSide(search, gaveUp);
    else
        t = searchSquare(search);

    const Real velocity =
        FlowVelocity(in.flow, SectionArea(t.sideA.value(), t.sideB.value()), Medium::Air);
    if (!in.round) {
        out.sideA = numeric::General15(t.sideA.value());
        out.sideB = numeric::General15(t.sideB.value());
    }
    out.sizeLimitPassed = t.diameter > LossSearchSizeLimit || gaveUp;
    out.diameter = numeric::General15(t.diameter.value());
    out.loss = numeric::Fixed((t.loss * in.lossUnitFactor).value());
    out.velocity = numeric::Fixed(velocity.value());
}

void DuctSizingByVelocity(const DuctSizingInputs &in, DuctSizingResult &out)
{
    const long double area = AreaForVelocity(in.flow, in.target, Medium::Air);
    Real loss;
    Real velocity;
    if (in.round) {
        const Real d = RoundUpToStep(RoundSizeStep, SideFromArea(area, 0));
        loss = FrictionLoss(in.flow, d.value(), in.density, in.roughness, Medium::Air);
        velocity = FlowVelocity(in.flow, SectionArea(d.value(), 0), Medium::Air);
        out.diameter = numeric::General4(d.value());
    } else {
        Real a;
        Real b;
        if (in.fixedSide) {
            a = *in.fixedSide; // used as typed, never rounded
            b = RoundUpToStep(RectSizeStep, SideFromArea(area, a.value()));
            out.sideA = numeric::General15(a.value());
        } else {
            b = RoundUpToStep(RectSizeStep, (numeric::Sqrt(area) * 1000).value());
            a = b;
            out.sideA = numeric::General4(a.value());
        }
        const Real d = EquivalentDiameter(a.value(), b.value());
        loss = FrictionLoss(in.flow, d.value(), in.density, in.roughness, Medium::Air);
        velocity = FlowVelocity(in.flow, SectionArea(a.value(), b.value()), Medium::Air);
        out.sideB = numeric::General4(b.value());
        out.diameter = numeric::Fixed(d.value());
    }
    out.loss = numeric::Fixed((loss * in.lossUnitFactor).value());
    out.velocity = numeric::Fixed(velocity.value());
}

} // namespace flow
