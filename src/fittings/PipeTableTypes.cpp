#include "fittings/CatalogueParts.h"
#include "fittings/CraneLengthRatio.h"
#include "fittings/Quantities.h"
#include "fittings/ThreeK.h"
#include "fittings/TwoK.h"

namespace fittings::parts {

namespace {

using V = std::span<const long double>;
using S = const Situation &;

constexpr long double MillimetresPerInch = 25.4L;

template <typename Rows> Parameter rowChoice(const Rows &rows)
{
    Parameter p{"row",
                quantity::Row,
                Quantity::Choice,
                0,
                {0, static_cast<long double>(rows.size() - 1)},
                false,
                {}};
    for (const auto &row : rows)
        p.choices.push_back(row.name);
    return p;
}

template <typename Rows> const auto &row(const Rows &rows, long double index)
{
    return rows[static_cast<std::size_t>(index)];
}

// The inch size of the pipe; a size the designation table lacks is
// approximated, and said so.
long double nominalInches(S s, std::vector<std::string> &warnings)
{
    if (!s.nominal)
        throw InvalidInput(quantity::NominalInches, {0, Unbounded, true});
    if (!s.nominal->fromTable) {
        warnings.emplace_back(
            "この呼び径はA・B呼称の表にないため、インチ寸法を呼び径÷25.4で近似しています。");
    }
    return s.nominal->inches;
}

Coefficient threeK(V v, S s)
{
    std::vector<std::string> notes;
    const long double inches = nominalInches(s, notes);
    Coefficient c = ThreeK(row(ThreeKRows(), v[0]), s.own.reynolds, inches);
    c.warnings.insert(c.warnings.end(), notes.begin(), notes.end());
    return c;
}

Coefficient twoK(V v, S s)
{
    return TwoK(row(TwoKRows(), v[0]), s.own.reynolds, s.own.diameter / MillimetresPerInch);
}

Coefficient craneLengthRatio(V v, S s)
{
    std::optional<long double> inches;
    std::vector<std::string> notes;
    if (s.nominal)
        inches = nominalInches(s, notes);
    Coefficient c = CraneLengthRatio(row(LengthRatioRows(), v[0]), s.own.diameter, inches);
    c.warnings.insert(c.warnings.end(), notes.begin(), notes.end());
    return c;
}

} // namespace

void AddPipeTables(std::vector<FittingType> &types)
{
    types.push_back(
        {"pipe.darby3k",
         "継手・弁（3K法）",
         Applies::Pipes,
         Yields::Coefficient,
         Junction::None,
         {{"darby",
           "Darby 3-K",
           "Darby, Chem. Eng. 106(7):101-104 (1999); Chemical Engineering Fluid Mechanics, "
           "2nd ed. (2001), Table 7-3",
           Reference::Own,
           {rowChoice(ThreeKRows())},
           threeK}},
         0,
         0,
         {}});
    types.push_back({"pipe.hooper2k",
                     "継手・弁（2K法）",
                     Applies::Pipes,
                     Yields::Coefficient,
                     Junction::None,
                     {{"hooper",
                       "Hooper 2-K",
                       "Hooper, Chem. Eng. 88(17):96-100 (1981), Table 1",
                       Reference::Own,
                       {rowChoice(TwoKRows())},
                       twoK}},
                     0,
                     0,
                     {}});
    types.push_back({"pipe.crane_LD",
                     "継手・弁（相当長 L/D）",
                     Applies::Pipes,
                     Yields::Coefficient,
                     Junction::None,
                     {{"crane",
                       "Crane L/D",
                       "Crane TP-410, (L/D)eq; f_T by von Kármán (Colebrook 1939), "
                       "ε = 0.045 mm (Moody 1944)",
                       Reference::Own,
                       {rowChoice(LengthRatioRows())},
                       craneLengthRatio}},
                     0,
                     0,
                     {}});
}

} // namespace fittings::parts
