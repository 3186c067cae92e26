#pragma once

#include <optional>
#include <string>
#include <vector>

// A system of the loss sheet: the sections from the fan or pump to every
// terminal, as the user entered them. Numbers are plain values, already
// evaluated from what was typed; a blank cell is an empty optional. Flows are
// m³/h of air or L/min of water, sizes mm, lengths m, pressures Pa unless a
// member says otherwise.
namespace losssheet {

enum class SystemKind { Duct, Pipe };

// How a section without a typed size is sized: the pages' pressure-loss or
// velocity basis.
enum class SizingBasis { Loss, Velocity };

// The shape of a sized duct section: round; rectangular as a square (the duct
// page without a fixed side), with a fixed first side, or with a fixed ratio
// of the long side to the short one.
enum class DuctShape { Round, Square, FixedSide, AspectRatio };

// A sizing target as the sheet shows it: a loss per metre in the unit system
// the sheet is computed in (mmAq/m or Pa/m; the window converts it when the
// units switch, as the pages convert theirs), or a velocity in m/s.
struct SizingRule
{
    SizingBasis basis = SizingBasis::Loss;
    std::optional<long double> target;

    bool operator==(const SizingRule &) const = default;
};

struct DuctConditions
{
    int material = 5;              // index in the duct page's material list
    long double roughness = 0.18L; // mm, as the page's roughness field holds it
    long double density = 1.2L;    // kg/m³
    SizingRule sizing{SizingBasis::Loss, 0.1L};
    DuctShape shape = DuctShape::Square;
    long double fixedSide = 0;   // mm, for DuctShape::FixedSide
    long double aspectRatio = 2; // long / short side, for DuctShape::AspectRatio
};

struct PipeConditions
{
    int material = 2;             // index in the pipe page's material list
    int temperature = 2;          // index in its water temperature list (20 ℃)
    long double roughness = 0.3L; // mm, as the page's roughness field holds it
    long double density = 998.2L; // kg/m³, as its density field holds it
    SizingRule sizing;
    long double staticHead = 0;       // 実揚程, m
    long double terminalPressure = 0; // 末端必要圧, kPa
};

// A member of a system, a section or a fitting in a work document's file that
// this version does not know (a newer one wrote it): the document keeps it,
// as its JSON text, after the known member it followed (`after`, empty for
// the start of its object), and writes it back there. The sheet never reads
// it; a copied section or fitting carries its own.
struct KeptMember
{
    std::string after;
    std::string name;
    std::string json;

    bool operator==(const KeptMember &) const = default;
};
using KeptMembers = std::vector<KeptMember>;

// A fitting, a user's ζ or equivalent length, equipment, or a share of the
// straight loss: a kind of fittings::Catalogue() by id, with its method's
// inputs in the method's order.
struct Fitting
{
    std::string type;   // fittings::FittingType::id
    std::string method; // fittings::Method::id; empty: the kind's default for the system
    // Blank (or missing at the end): the default, or what the tree gives.
    std::vector<std::optional<long double>> values;
    long double count = 1;
    std::string note; // the user's label ("AHU-1 冷水コイル")
    // Of a kind or method this version does not know, every member but the
    // type and method: the fitting is written back as it was read (its
    // values, count and note here are not used).
    KeptMembers kept;
};

struct Section
{
    std::string name;
    std::string upstream;            // blank: starts at the fan or pump
    std::optional<long double> flow; // blank on a section with downstream sections: their sum
    std::string size;                // as typed; blank: sized by the system's rule
    long double length = 0;          // straight length, m
    std::vector<Fitting> fittings;
    KeptMembers kept;
};

struct System
{
    SystemKind kind = SystemKind::Duct;
    std::string name;
    DuctConditions duct;
    PipeConditions pipe;
    long double marginPercent = 10;
    // A fan feeding several mains from a plenum: more than one section may
    // start at it, and the critical path is the worst over all of them.
    bool severalRootsAllowed = false;
    std::vector<Section> sections;
    KeptMembers kept;
};

} // namespace losssheet
