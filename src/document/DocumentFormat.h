#pragma once

#include <cstddef>
#include <string_view>

// The names of the document file, version 1. docs/document-format.md
// describes each member; docs/zefra-document.schema.json checks them.
namespace document::format {

inline constexpr char Name[] = "zefra-document";
// Raised only by an incompatible change (a member that changes meaning, a new
// kind of process or point); new members keep it, since older versions keep
// what they do not know, and so do new kinds and methods of fittings, which
// an older version keeps as read and shows as unknown.
inline constexpr int Version = 1;
inline constexpr char Extension[] = ".zefra";

// A chart of 30 points and 10 processes takes about 6 kB, so a document of a
// whole building's charts and sheets stays under a megabyte or two. 16 MiB is
// far above any real one and opens in about half a second; a larger
// file is refused by its size alone, before it is read.
inline constexpr std::size_t MaxFileSize = 16u * 1024u * 1024u;

// The members of each object, in the order they are written.
inline constexpr std::string_view DocumentMembers[] = {"format", "version", "title", "charts",
                                                       "systems"};
inline constexpr std::string_view TitleMembers[] = {"project", "designer", "date", "notes"};
inline constexpr std::string_view ChartMembers[] = {
    "name",         "atmosphere",         "pressure", "altitude",
    "dryBulbRange", "humidityRatioRange", "points",   "processes"};
inline constexpr std::string_view PointMembers[] = {
    "id",       "label",    "dryBulb", "wetBulb", "relativeHumidity", "humidityRatio",
    "dewPoint", "enthalpy", "airflow", "note"};
inline constexpr std::string_view ProcessMembers[] = {"kind",
                                                      "from",
                                                      "to",
                                                      "apparatusDewPoint",
                                                      "bypassFactor",
                                                      "leavingDryBulb",
                                                      "dryBulb",
                                                      "relativeHumidity",
                                                      "humidityRatio",
                                                      "sensibleHeatFactor",
                                                      "output"};

// A loss-sheet system: the members of both kinds, each kind writing its own
// (docs/document-format.md).
inline constexpr std::string_view SystemMembers[] = {"kind",       "name",
                                                     "material",   "temperature",
                                                     "roughness",  "density",
                                                     "sizing",     "sizingTarget",
                                                     "sizingUnit", "shape",
                                                     "fixedSide",  "aspectRatio",
                                                     "staticHead", "terminalPressure",
                                                     "margin",     "severalRootsAllowed",
                                                     "sections"};
inline constexpr std::string_view SectionMembers[] = {"name", "upstream", "flow",
                                                      "size", "length",   "fittings"};
// A fitting's members around the values of its method's inputs, which stand
// between "method" and "count", each named by its fittings::Parameter::id.
inline constexpr std::string_view FittingKindMembers[] = {"type", "method"};
inline constexpr std::string_view FittingEndMembers[] = {"count", "note"};

// Values of a system's "kind", by losssheet::SystemKind.
inline constexpr std::string_view SystemKindNames[] = {"duct", "pipe"};
// Values of "sizing", by losssheet::SizingBasis.
inline constexpr std::string_view SizingBasisNames[] = {"loss", "velocity"};
// Values of "shape", by losssheet::DuctShape.
inline constexpr std::string_view DuctShapeNames[] = {"round", "square", "fixedSide",
                                                      "aspectRatio"};
// Values of "sizingUnit", the unit of a loss per metre, by losssheet::UnitSystem.
inline constexpr std::string_view LossUnitNames[] = {"mmAq/m", "Pa/m"};

// Values of "atmosphere", by document::PressureBasis.
inline constexpr std::string_view PressureBasisNames[] = {"standard", "given", "altitude"};
// The member holding a point's second property, by chart::Given.
inline constexpr std::string_view GivenNames[] = {"wetBulb", "relativeHumidity", "humidityRatio",
                                                  "dewPoint", "enthalpy"};
// Values of a process's "kind", by chart::ProcessKind.
inline constexpr std::string_view ProcessKindNames[] = {
    "change", "mixing", "coil", "heating", "steamHumidifier", "sprayHumidifier", "shfLine"};

} // namespace document::format
