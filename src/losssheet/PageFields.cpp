#include "losssheet/PageFields.h"

#include "flow/DuctMaterials.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"
#include "pipe/PipeTables.h"

namespace losssheet {

namespace {

long double asShown(long double value)
{
    return numeric::ParsePlainNumber(numeric::FormatFixed(value, numeric::ResultDecimals));
}

} // namespace

long double DuctRoughnessAsShown(int material)
{
    return asShown(flow::DuctMaterialRoughness(material));
}

long double PipeRoughnessAsShown(int material)
{
    return asShown(pipes::PipeMaterialRoughness(material));
}

long double WaterDensityAsShown(int temperature)
{
    return asShown(pipes::WaterDensity(temperature));
}

} // namespace losssheet
