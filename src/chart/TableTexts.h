#pragma once

#include "chart/Diagram.h"

#include <string>
#include <string_view>
#include <vector>

// The texts of the point and process lists, shared by the lists on screen,
// their copy as tab-separated text, and the tables under a printed chart.
namespace chart {

using Row = std::vector<std::string>;

// Columns of the point list.
enum PointColumn {
    LabelColumn,
    DryBulbColumn,
    WetBulbColumn,
    RelativeHumidityColumn,
    HumidityRatioColumn,
    DewPointColumn,
    EnthalpyColumn,
    SpecificVolumeColumn,
    PressureColumn,
    AirflowColumn,
    DryAirFlowColumn,
    NoteColumn,
    ProblemColumn,
    PointColumnCount
};

Row PointHeader(bool conventionalUnits);
// The eight numbers as the moist-air page writes them (fixed point with 3
// decimals, enthalpy × 4.186 (kJ/kg) and pressure × 0.1333224 (kPa) in SI
// units), but the humidity ratio with HumidityRatioDecimals; the dry-air
// flow G in kg/h.
Row PointRow(const StatePoint &point, bool conventionalUnits);
// The eight state texts of a state alone, in the list's column order.
std::vector<std::string> StateTexts(const air::AirState &state, bool conventionalUnits);

// The column of a point list's property, and back; empty for a column that
// is not a second property.
std::optional<Given> GivenOfColumn(int column);

Row ProcessHeader(bool conventionalUnits);
// The conditions, Δt, Δx (HumidityRatioDifferenceDecimals), Δh, the heats,
// the SHF, the water a humidifier adds or a coil condenses (kg/h), the
// apparatus dew point of a coil or an SHF line, and why a result is missing.
Row ProcessRow(const Diagram &diagram, const Process &process, bool conventionalUnits);

// Tab-separated lines with a header row, each line ended by a newline; tabs
// and line breaks inside a cell become blanks.
std::string Tsv(const Row &header, const std::vector<Row> &rows);

// A caption with its unit, as the lists' headers and the chart's lines
// write it: "caption unit".
std::string WithUnit(std::string_view caption, std::string_view unit);

// kW per kcal/h: 4.186 kJ/kcal over 3600 s/h.
long double KilowattsFromKcalPerHour(long double kcalPerHour);

} // namespace chart
