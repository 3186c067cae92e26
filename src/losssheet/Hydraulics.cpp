#include "losssheet/Hydraulics.h"

#include "losssheet/HydraulicsParts.h"
#include "losssheet/Problems.h"
#include "numeric/Failure.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

#include <functional>

namespace losssheet {

using numeric::Real;

Hydraulics ComputeHydraulics(const HydraulicInputs &in)
{
    Hydraulics out;
    try {
        if (in.kind == SystemKind::Duct)
            parts::DuctHydraulics(in, out);
        else
            parts::PipeHydraulics(in, out);
        if (!out.problem.empty())
            return out;
        out.velocity = out.pageVelocity.value;
        // The page's loss is in its unit; Pa/m is the same product the SI
        // page forms.
        out.lossPerMetre = in.units == UnitSystem::SI
                               ? out.pageLoss.value
                               : (Real(out.pageLoss.value) * numeric::PaPerMmAq).value();
        out.dynamicPressure = (Real(in.density) * out.velocity * out.velocity / 2).value();
    } catch (const numeric::Failure &failure) {
        out = Hydraulics{};
        out.problem = problem::CannotCompute(failure.what());
    }
    return out;
}

std::size_t HydraulicsCache::Hash::operator()(const HydraulicInputs &in) const
{
    std::size_t h = std::hash<std::string>()(in.size);
    const auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
    const std::hash<long double> number;
    mix(number(in.flow));
    mix(number(in.roughness));
    mix(number(in.density));
    mix(number(in.sizing.target.value_or(-1)));
    mix(number(in.fixedSide));
    mix(number(in.aspectRatio));
    mix(static_cast<std::size_t>(in.kind) * 131 + static_cast<std::size_t>(in.units) * 31 +
        static_cast<std::size_t>(in.sizing.basis) * 7 + static_cast<std::size_t>(in.shape));
    return h;
}

const Hydraulics &HydraulicsCache::get(const HydraulicInputs &in)
{
    auto found = entries_.find(in);
    if (found == entries_.end())
        found = entries_.emplace(in, Entry{ComputeHydraulics(in), 0}).first;
    found->second.used = calculation_;
    return found->second.value;
}

void HydraulicsCache::endCalculation()
{
    std::erase_if(entries_, [this](const auto &e) { return e.second.used != calculation_; });
    ++calculation_;
}

std::size_t HydraulicsCache::size() const
{
    return entries_.size();
}

} // namespace losssheet
