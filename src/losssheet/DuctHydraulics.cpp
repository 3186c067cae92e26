#include "losssheet/SizingBySideRatio.h"
#include "losssheet/HydraulicsParts.h"
#include "losssheet/Problems.h"
#include "losssheet/SizeText.h"

#include "flow/DuctLoss.h"
#include "flow/DuctSizing.h"
#include "flow/FlowModel.h"

namespace losssheet::parts {

namespace {

// The page's loss section: a round duct from its diameter, a rectangle from
// its sides.
void typedSize(const HydraulicInputs &in, const DuctSize &size, Hydraulics &out)
{
    const flow::DuctLossInputs page{.flow = in.flow,
                                    .roughness = in.roughness,
                                    .density = in.density,
                                    .fromDiameter = size.round,
                                    .diameter = size.a,
                                    .sideA = size.a,
                                    .sideB = size.b,
                                    .lossUnitFactor = LossUnitFactor(in.units)};
    flow::DuctLossResult r;
    flow::DuctLossFromSize(page, r);
    out.sizeText = DuctSizeText(size);
    out.equivalentDiameter = size.round ? size.a : r.equivalentDiameter->value;
    out.area = flow::SectionArea(size.a, size.round ? 0 : size.b);
    out.pageVelocity = *r.velocity;
    out.pageLoss = *r.loss;
}

// The page's sizing section, or its steps at a fixed aspect ratio.
void sizedByRule(const HydraulicInputs &in, Hydraulics &out)
{
    out.sized = true;
    if (!in.sizing.target) {
        out.problem = problem::NoSizingTarget();
        return;
    }
    flow::DuctSizingInputs page{.flow = in.flow,
                                .roughness = in.roughness,
                                .density = in.density,
                                .target = *in.sizing.target,
                                .round = in.shape == DuctShape::Round,
                                .fixedSide = std::nullopt,
                                .lossUnitFactor = LossUnitFactor(in.units)};
    const bool byLoss = in.sizing.basis == SizingBasis::Loss;
    flow::DuctSizingResult r;
    if (in.shape == DuctShape::AspectRatio) {
        if (!(in.aspectRatio >= 1)) {
            out.problem = problem::BadAspectRatio();
            return;
        }
        byLoss ? AspectRatioSizingByLoss(page, in.aspectRatio, r)
               : AspectRatioSizingByVelocity(page, in.aspectRatio, r);
    } else {
        if (in.shape == DuctShape::FixedSide) {
            if (!(in.fixedSide > 0)) {
                out.problem = problem::NoFixedSide();
                return;
            }
            page.fixedSide = in.fixedSide;
        }
        byLoss ? flow::DuctSizingByLoss(page, r) : flow::DuctSizingByVelocity(page, r);
    }
    if (r.sizeLimitPassed)
        out.warnings.push_back(problem::SizeLimitPassed());
    if (page.round) {
        out.sizeText = "φ" + r.diameter->text();
        out.area = flow::SectionArea(r.diameter->value, 0);
    } else {
        out.sizeText = r.sideA->text() + "×" + r.sideB->text();
        out.area = flow::SectionArea(r.sideA->value, r.sideB->value);
    }
    out.equivalentDiameter = r.diameter->value;
    out.pageVelocity = *r.velocity;
    out.pageLoss = *r.loss;
}

} // namespace

void DuctHydraulics(const HydraulicInputs &in, Hydraulics &out)
{
    if (IsBlankSize(in.size)) {
        sizedByRule(in, out);
    } else if (const auto size = ParseDuctSize(in.size)) {
        typedSize(in, *size, out);
    } else {
        out.problem = problem::UnreadableDuctSize(in.size);
    }
    if (!out.problem.empty())
        return;
    out.reynolds = flow::ReynoldsNumber(in.flow, out.equivalentDiameter, numeric::Medium::Air);
    out.frictionFactor =
        flow::FrictionFactor(in.flow, out.equivalentDiameter, in.roughness, numeric::Medium::Air);
}

} // namespace losssheet::parts
