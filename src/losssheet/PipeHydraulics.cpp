#include "losssheet/HydraulicsParts.h"
#include "losssheet/Problems.h"
#include "losssheet/SizeText.h"

#include "flow/FlowModel.h"
#include "pipe/PipeSizing.h"
#include "pipe/PipeTables.h"

namespace losssheet::parts {

void PipeHydraulics(const HydraulicInputs &in, Hydraulics &out)
{
    const long double factor = LossUnitFactor(in.units);
    int index = -1;
    if (IsBlankSize(in.size)) {
        out.sized = true;
        if (!in.sizing.target) {
            out.problem = problem::NoSizingTarget();
            return;
        }
        const pipes::PipeSizingInputs page{in.flow, in.roughness, in.density, *in.sizing.target,
                                           factor};
        pipes::PipeSizingResult r;
        try {
            in.sizing.basis == SizingBasis::Loss ? pipes::PipeSizingByLoss(page, r)
                                                 : pipes::PipeSizingByVelocity(page, r);
        } catch (const pipes::NoSizeFits &) {
            out.problem = problem::NoSizeFits();
            return;
        }
        index = r.sizeIndex;
        out.pageVelocity = *r.velocity;
        out.pageLoss = *r.loss;
    } else if (const auto typed = ParseNominalSize(in.size)) {
        index = *typed;
        const pipes::PipeLossInputs page{index, in.flow, in.roughness, in.density, factor};
        pipes::PipeLossResult r;
        pipes::PipeLossFromSize(page, r);
        out.pageVelocity = *r.velocity;
        out.pageLoss = *r.loss;
    } else {
        out.problem = problem::UnknownNominalSize(in.size);
        return;
    }
    out.nominalSize = pipes::PipeNominalSize(index);
    out.sizeText = std::to_string(*out.nominalSize);
    out.equivalentDiameter = pipes::PipeInnerDiameter(index);
    out.area = flow::SectionArea(out.equivalentDiameter, 0);
    out.reynolds = flow::ReynoldsNumber(in.flow, out.equivalentDiameter, numeric::Medium::Water);
    out.frictionFactor =
        flow::FrictionFactor(in.flow, out.equivalentDiameter, in.roughness, numeric::Medium::Water);
}

} // namespace losssheet::parts
