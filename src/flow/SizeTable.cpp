#include "flow/SizeTable.h"

#include "flow/DuctLoss.h"
#include "flow/FlowModel.h"
#include "flow/SizeSteps.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow {

using numeric::Real;

namespace {

using SizingRoutine = void (*)(const DuctSizingInputs &, DuctSizingResult &);

// Builds the rows for one set of inputs with the routine of the basis.
class DuctTableBuilder
{
public:
    DuctTableBuilder(const DuctSizingInputs &in, SizingBasis basis)
        : in_(in), basis_(basis),
          sizing_(basis == SizingBasis::Loss ? DuctSizingByLoss : DuctSizingByVelocity)
    {
    }

    DuctTable build()
    {
        addRoundRows();
        addRectangleRows();
        return std::move(table_);
    }

private:
    DuctSizingResult size(bool round, std::optional<long double> fixedSide)
    {
        DuctSizingInputs in = in_;
        in.round = round;
        in.fixedSide = fixedSide;
        DuctSizingResult out;
        sizing_(in, out);
        if (out.sizeLimitPassed)
            table_.targetUnreachable = true;
        return out;
    }

    // The round size the page's sizing chooses for the air volume, and its
    // neighbours on the 25 mm step from the smallest size the search tries.
    void addRoundRows()
    {
        const DuctSizingResult chosen = size(true, std::nullopt);
        const long double d = chosen.diameter->value;
        const long double smallest =
            basis_ == SizingBasis::Loss ? 2 * RoundSizeStep : RoundSizeStep;
        for (int k = -TableRoundNeighbours; k <= TableRoundNeighbours; ++k) {
            const long double dk = (Real(d) + Real(k * RoundSizeStep)).value();
            if (dk < smallest)
                continue;
            DuctTableRow row;
            row.round = true;
            if (k == 0) {
                row.diameter = *chosen.diameter;
                row.velocity = *chosen.velocity;
                row.loss = *chosen.loss;
                row.chosen = in_.round;
            } else {
                // What the loss section shows for this diameter.
                DuctLossInputs loss;
                loss.flow = in_.flow;
                loss.roughness = in_.roughness;
                loss.density = in_.density;
                loss.fromDiameter = true;
                loss.diameter = dk;
                loss.lossUnitFactor = in_.lossUnitFactor;
                DuctLossResult out;
                DuctLossFromSize(loss, out);
                row.diameter = {dk, chosen.diameter->form};
                row.velocity = *out.velocity;
                row.loss = *out.loss;
            }
            row.meetsTarget = roundMeetsTarget(dk);
            table_.rows.push_back(row);
        }
    }

    // The sizing's own stop test for a round diameter.
    bool roundMeetsTarget(long double d) const
    {
        if (basis_ == SizingBasis::Loss) {
            const Real loss = FrictionLoss(in_.flow, d, in_.density, in_.roughness, Medium::Air);
            return !(d > LossSearchSizeLimit) && loss <= Real(in_.target) / in_.lossUnitFactor;
        }
        const long double area = AreaForVelocity(in_.flow, in_.target, Medium::Air);
        return d >= SideFromArea(area, 0);
    }

    // Every fixed side a on the 50 mm step with the smallest free side that
    // meets the target, until the free side reaches its smallest size; then
    // the page's own rectangle when it is none of these.
    void addRectangleRows()
    {
        const std::size_t firstRectangle = table_.rows.size();
        for (int a = TableFirstSide; a <= TableLastSide; a += RectSizeStep) {
            const DuctSizingResult r = size(false, static_cast<long double>(a));
            const long double b = r.sideB->value;
            if (b < TableFirstSide)
                break;
            table_.rows.push_back(rectangleRow(r));
            if (b <= TableFirstSide)
                break;
        }
        if (in_.round)
            return;

        const DuctSizingResult page = size(false, in_.fixedSide);
        const long double a = page.sideA->value;
        const long double b = page.sideB->value;
        auto at = table_.rows.begin() + static_cast<std::ptrdiff_t>(firstRectangle);
        for (; at != table_.rows.end() && at->sideA->value < a; ++at) {
        }
        if (at != table_.rows.end() && at->sideA->value == a && at->sideB->value == b) {
            at->chosen = true;
            return;
        }
        DuctTableRow row = rectangleRow(page);
        row.chosen = true;
        table_.rows.insert(at, row);
    }

    DuctTableRow rectangleRow(const DuctSizingResult &r) const
    {
        DuctTableRow row;
        row.sideA = r.sideA;
        row.sideB = r.sideB;
        row.diameter = *r.diameter;
        row.velocity = *r.velocity;
        row.loss = *r.loss;
        const Real a = Real(r.sideA->value);
        const Real b = Real(r.sideB->value);
        const Real ratio = a > b ? a / b : b / a;
        row.aspectRatio = numeric::FormatFixed(ratio.value(), 1);
        row.aspectTenths = ShownScaled(row.aspectRatio, 1);
        // The velocity basis rounds the free side up, so its section always
        // carries the air at most at the target velocity.
        row.meetsTarget = basis_ == SizingBasis::Velocity || !r.sizeLimitPassed;
        return row;
    }

    const DuctSizingInputs &in_;
    SizingBasis basis_;
    SizingRoutine sizing_;
    DuctTable table_;
};

} // namespace

DuctTable ComputeDuctTable(const DuctSizingInputs &in, SizingBasis basis)
{
    // No section carries air at a velocity of 0 or less: the page's velocity
    // sizing fails on it, and the table has nothing to list.
    if (basis == SizingBasis::Velocity && !(in.target > 0)) {
        DuctTable table;
        table.targetUnreachable = true;
        return table;
    }
    return DuctTableBuilder(in, basis).build();
}

std::int64_t ShownScaled(const std::string &text, int decimals)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::optional<long double> magnitude =
        numeric::ConvertDecimalWord(negative ? text.substr(1) : text);
    long double scaled = magnitude.value_or(0);
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;
    constexpr long double Bound = 1e17L;
    const std::int64_t units =
        scaled < Bound ? std::llroundl(scaled) : static_cast<std::int64_t>(Bound);
    return negative ? -units : units;
}

} // namespace flow
