#pragma once

#include "fittings/Coefficient.h"
#include "fittings/NominalInches.h"
#include "fittings/ValidRange.h"
#include "numeric/Medium.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Every kind of fitting the loss sheet offers, described as data: its name,
// its methods (each with its source and reference velocity) and each
// method's inputs (name, quantity, default, valid range), so that an editor
// can be built from the description alone and a stored fitting names its
// kind and method by id.
namespace fittings {

enum class Applies { Ducts, Pipes, Both };

// What an input measures: how an editor labels, converts and checks it.
enum class Quantity {
    Ratio,    // dimensionless: R/D, r/d, t/d, area and flow ratios
    Angle,    // degrees
    Zeta,     // a coefficient on the duct's own velocity
    Choice,   // a row of a table: the index into `choices`
    Pressure, // Pa
    Flow,     // m³/h of air, L/min of water
    Length,   // m
    Percent,  // %
};

struct Parameter
{
    // Stored with a fitting's value in a work document: never changes, and
    // unique within its method and apart from a fitting's own members
    // ("type", "method", "count", "note").
    std::string_view id;
    std::string_view name;
    Quantity quantity = Quantity::Ratio;
    std::optional<long double> defaultValue; // none: the user must give it
    ValidRange range;                        // where the method holds; outside it is warned
    // Left blank, the loss sheet takes it from the sections around the
    // fitting (an area ratio from the neighbouring section, a tee's flow
    // ratio from the branch flows).
    bool fromTree = false;
    // For Quantity::Choice. A document stores the index, so a table keeps its
    // rows in their order; a changed table is a new method.
    std::vector<std::string_view> choices;
};

// The flow in one section, as a coefficient may depend on it.
struct FlowState
{
    long double reynolds = 0;       // of the friction model
    long double frictionFactor = 0; // Darcy λ of the straight duct or pipe
    long double diameter = 0;       // inner (or friction-equivalent) diameter, mm
};

// Where a fitting stands. A change of size joins a small and a large side;
// for other fittings both are the own section.
struct Situation
{
    FlowState own;
    FlowState smallSide;
    FlowState largeSide;
    std::optional<InchSize> nominal; // of a pipe of the pipe table
};

// What an entry adds to a section's loss.
enum class Yields {
    Coefficient,       // ζ on a stated velocity
    EquivalentLength,  // metres of the section's own straight pipe
    Equipment,         // a rated pressure loss scaled by (Q/Q_rated)²
    PercentOfStraight, // a share of the section's straight loss
};

using Evaluator = Coefficient (*)(std::span<const long double> values, const Situation &situation);

struct Method
{
    std::string_view id;     // stored with a fitting
    std::string_view name;   // shown in the method list
    std::string_view source; // printed on the sheet
    Reference reference = Reference::Own;
    std::vector<Parameter> parameters;
    Evaluator evaluate = nullptr; // for Yields::Coefficient
};

// Where a fitting joins two sections, which one it is: the loss sheet takes
// the neighbouring section from the tree by it.
enum class Junction {
    None,      // within the section
    Widening,  // a change of size into a larger section
    Narrowing, // a change of size into a smaller section
    Branch,    // the branch passage of a tee (the section is the branch)
    Straight,  // the straight passage of a tee (the section is the run)
};

struct FittingType
{
    std::string_view id;
    std::string_view name; // Japanese, as on a calculation sheet
    Applies applies = Applies::Both;
    Yields yields = Yields::Coefficient;
    Junction junction = Junction::None;
    std::vector<Method> methods;
    int ductMethod = 0; // the method offered first for ducts
    int pipeMethod = 0; // and for pipes
    // Shown with the kind, where the user must know something before using it.
    std::string_view note;
};

// All kinds, ducts' first, in the order a list offers them.
const std::vector<FittingType> &Catalogue();

// The kinds a duct (Medium::Air) or pipe (Medium::Water) system offers.
std::vector<const FittingType *> TypesFor(numeric::Medium medium);

const FittingType *FindType(std::string_view id);
// The index of a method by id; nothing when the type has none of that id.
std::optional<int> FindMethod(const FittingType &type, std::string_view id);
int DefaultMethod(const FittingType &type, numeric::Medium medium);

// Evaluates a method with a value for each of its parameters (in their
// order). A Choice outside its table throws InvalidInput, a count of values
// other than the method's parameters (or a method that yields no
// coefficient) numeric::RangeError; the method's own failures pass through.
Coefficient Evaluate(const Method &method, std::span<const long double> values,
                     const Situation &situation);

} // namespace fittings
