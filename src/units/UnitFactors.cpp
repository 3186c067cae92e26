#include "units/UnitFactors.h"

#include "numeric/Failure.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

#include <array>

namespace units {

namespace {

// The conventional unit's value in the SI unit of its row, by the tag of the
// row's left field. Rows 1 to 3 use the window's shared constants.
// kcal/h to kW: 1 kW = 860 kcal/h. kgf to N: 1 N = 0.1019716 kgf (not
// PaPerMmAq: the page has its own, slightly different gravity figure).
// kcal/(m·h·℃) and kcal/(m²·h·℃) to W: 1 W = 0.86 kcal/h. kcal/(kgf·℃) to
// kJ/(kg·K): one kcal in kJ.
struct Row
{
    int leftTag;
    long double leftToRight;
    long double rightToLeft;
};

const std::array<Row, 8> &Rows()
{
    // In tag order, so a field's row is (tag − 1) / 2. The reciprocals are
    // computed in extended precision, as the factors are.
    static const std::array<Row, 8> rows = {{
        {1, numeric::KPaPerMmHg, 1.0L / numeric::KPaPerMmHg}, // mmHg ↔ kPa
        {3, numeric::PaPerMmAq, 1.0L / numeric::PaPerMmAq},   // mAq ↔ kPa
        {5, numeric::KJPerKcal, 1.0L / numeric::KJPerKcal},   // kcal ↔ kJ
        {7, 1.0L / 860.0L, 860.0L},                           // kcal/h ↔ kW
        {9, 1.0L / 0.1019716L, 0.1019716L},                   // kgf ↔ N
        {11, numeric::KJPerKcal, 1.0L / numeric::KJPerKcal},  // kcal/(kgf·℃) ↔ kJ/(kg·K)
        {13, 1.0L / 0.86L, 0.86L},                            // kcal/(m·h·℃) ↔ W/(m·K)
        {15, 1.0L / 0.86L, 0.86L},                            // kcal/(m²·h·℃) ↔ W/(m²·K)
    }};
    return rows;
}

} // namespace

long double ConversionFactor(int tag)
{
    if (tag < 1 || tag > FieldCount)
        throw numeric::RangeError();
    const Row &row = Rows()[static_cast<size_t>((tag - 1) / 2)];
    return tag == row.leftTag ? row.leftToRight : row.rightToLeft;
}

long double Convert(int tag, long double value)
{
    return (numeric::Real(value) * numeric::Real(ConversionFactor(tag))).value();
}

std::string ConvertedText(int tag, long double value)
{
    return numeric::FormatFixed(Convert(tag, value), ConversionDecimals);
}

} // namespace units
