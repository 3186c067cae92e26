#include "chart/TableTexts.h"

#include "air/AirTexts.h"
#include "chart/ChartTexts.h"
#include "numeric/Medium.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

#include <algorithm>

namespace chart {

namespace {

std::string Fixed(long double value, int decimals = numeric::ResultDecimals)
{
    return numeric::FormatFixed(value, decimals);
}

std::string Fixed(const std::optional<long double> &value, int decimals = numeric::ResultDecimals)
{
    return value ? Fixed(*value, decimals) : std::string();
}

// kg/h of water: a hundredth is about what a humidifier's rating shows.
constexpr int WaterDecimals = 2;

long double ShownEnthalpy(long double kcal, bool conventional)
{
    return conventional ? kcal : (numeric::Real(kcal) * numeric::KJPerKcal).value();
}

// The last column of both lists: why a row has no result.
constexpr char ProblemCaption[] = "計算";

std::string Name(const StatePoint *p)
{
    return p ? p->label : std::string("?");
}

} // namespace

std::string WithUnit(std::string_view caption, std::string_view unit)
{
    std::string text(caption);
    text += ' ';
    text += unit;
    return text;
}

long double KilowattsFromKcalPerHour(long double kcalPerHour)
{
    return (numeric::Real(kcalPerHour) * numeric::KJPerKcal / 3600).value();
}

Row PointHeader(bool conventional)
{
    using namespace air::texts;
    return {"記号",
            WithUnit(DryBulb, Celsius),
            WithUnit(WetBulb, Celsius),
            WithUnit(RelativeHumidity, Percent),
            WithUnit(HumidityRatio, HumidityRatioUnit),
            WithUnit(DewPoint, Celsius),
            WithUnit(Enthalpy, EnthalpyUnit(conventional)),
            WithUnit(SpecificVolume, SpecificVolumeUnit),
            WithUnit(Pressure, PressureUnit(conventional)),
            WithUnit(numeric::AirFlowName, "m3/h"),
            "乾き空気量 kg/h",
            "備考",
            ProblemCaption};
}

std::vector<std::string> StateTexts(const air::AirState &s, bool conventional)
{
    const numeric::Real pressure =
        conventional ? numeric::Real(s.pressure) : numeric::Real(s.pressure) * numeric::KPaPerMmHg;
    return {Fixed(s.dryBulb),          Fixed(s.wetBulb),
            Fixed(s.relativeHumidity), Fixed(s.humidityRatio, HumidityRatioDecimals),
            Fixed(s.dewPoint),         Fixed(ShownEnthalpy(s.enthalpy, conventional)),
            Fixed(s.specificVolume),   Fixed(pressure.value())};
}

Row PointRow(const StatePoint &p, bool conventional)
{
    Row row(PointColumnCount);
    row[LabelColumn] = p.label;
    if (p.state) {
        const auto texts = StateTexts(*p.state, conventional);
        std::copy(texts.begin(), texts.end(), row.begin() + DryBulbColumn);
    }
    if (p.airflow)
        row[AirflowColumn] = numeric::FormatGeneral(*p.airflow, 6);
    row[DryAirFlowColumn] = Fixed(p.dryAirFlow, 1);
    row[NoteColumn] = p.note;
    row[ProblemColumn] = p.problem;
    return row;
}

std::optional<Given> GivenOfColumn(int column)
{
    switch (column) {
    case WetBulbColumn:
        return Given::WetBulb;
    case RelativeHumidityColumn:
        return Given::RelativeHumidity;
    case HumidityRatioColumn:
        return Given::HumidityRatio;
    case DewPointColumn:
        return Given::DewPoint;
    case EnthalpyColumn:
        return Given::Enthalpy;
    default:
        return std::nullopt;
    }
}

Row ProcessHeader(bool conventional)
{
    const std::string h = air::texts::EnthalpyUnit(conventional);
    Row header = {"種類",    "点",      "条件",    "Δt ℃",   "Δx kg/kg",
                  "Δh " + h, "顕熱 kW", "潜熱 kW", "全熱 kW"};
    if (conventional) {
        header.push_back("顕熱 kcal/h");
        header.push_back("潜熱 kcal/h");
        header.push_back("全熱 kcal/h");
    }
    header.push_back("SHF");
    header.push_back("加湿量 kg/h");
    header.push_back("除湿量 kg/h");
    header.push_back("ADP ℃");
    header.push_back(ProblemCaption);
    return header;
}

Row ProcessRow(const Diagram &diagram, const Process &process, bool conventional)
{
    const ProcessDefinition &d = process.definition;
    const StatePoint *a = diagram.point(d.from);
    const StatePoint *b = diagram.point(d.to);
    const StatePoint *out = diagram.point(process.output);
    Row row;
    row.push_back(texts::ProcessNames[static_cast<int>(d.kind)]);

    std::string points;
    std::string condition;
    switch (d.kind) {
    case ProcessKind::Change:
        points = Name(a) + "→" + Name(b);
        break;
    case ProcessKind::Mixing:
        points = Name(a) + "+" + Name(b) + "→" + Name(out);
        if (out && out->airflow)
            condition =
                WithUnit(numeric::AirFlowName, numeric::FormatGeneral(*out->airflow, 6)) + " m3/h";
        break;
    case ProcessKind::Coil:
        points = Name(a) + "→" + Name(out);
        condition = "ADP " + Fixed(d.value) + " ℃";
        if (d.coilByLeavingDryBulb)
            condition += ", 出口 " + Fixed(d.second) + " ℃";
        if (process.bypassFactor)
            condition += ", BF " + Fixed(*process.bypassFactor);
        break;
    case ProcessKind::Heating:
        points = Name(a) + "→" + Name(out);
        condition = Fixed(d.value) + " ℃ まで";
        break;
    case ProcessKind::SteamHumidifier:
    case ProcessKind::SprayHumidifier:
        points = Name(a) + "→" + Name(out);
        condition = d.target == air::HumidifyTarget::RelativeHumidity
                        ? Fixed(d.value) + " ％ まで"
                        : Fixed(d.value, HumidityRatioDecimals) + " kg/kg まで";
        break;
    case ProcessKind::ShfLine:
        points = Name(a);
        condition = "SHF " + Fixed(d.value);
        break;
    }
    row.push_back(points);
    row.push_back(condition);

    const auto &c = process.change;
    row.push_back(c ? Fixed(c->deltaDryBulb) : "");
    row.push_back(c ? Fixed(c->deltaHumidityRatio, HumidityRatioDifferenceDecimals) : "");
    row.push_back(c ? Fixed(ShownEnthalpy(c->deltaEnthalpy, conventional)) : "");
    const auto kw = [&](const std::optional<long double> &kcal) {
        return kcal ? Fixed(KilowattsFromKcalPerHour(*kcal)) : std::string();
    };
    row.push_back(c ? kw(c->sensibleHeat) : "");
    row.push_back(c ? kw(c->latentHeat) : "");
    row.push_back(c ? kw(c->totalHeat) : "");
    if (conventional) {
        row.push_back(c ? Fixed(c->sensibleHeat) : "");
        row.push_back(c ? Fixed(c->latentHeat) : "");
        row.push_back(c ? Fixed(c->totalHeat) : "");
    }
    row.push_back(c ? Fixed(c->sensibleHeatFactor) : "");
    // Water in kg/h: a humidifier's steam or sprayed water, a coil's
    // condensate; a change of state shows it in the column of its sign.
    const auto water = WaterFlow(process);
    const bool adds = d.kind == ProcessKind::SteamHumidifier ||
                      d.kind == ProcessKind::SprayHumidifier ||
                      (d.kind == ProcessKind::Change && water && *water > 0);
    const bool removes =
        d.kind == ProcessKind::Coil || (d.kind == ProcessKind::Change && water && *water < 0);
    row.push_back(water && adds ? Fixed(*water, WaterDecimals) : "");
    row.push_back(water && removes ? Fixed(-*water + 0.0L, WaterDecimals) : "");
    row.push_back(process.apparatusDewPoint ? Fixed(process.apparatusDewPoint->dryBulb) : "");
    std::string problem = process.problem;
    if (problem.empty() && c && !c->totalHeat && d.kind != ProcessKind::Mixing)
        problem = a && !a->airflow ? texts::NoAirflow : "";
    if (problem.empty() && d.kind == ProcessKind::ShfLine && !process.apparatusDewPoint)
        problem = texts::DoesNotReachSaturation;
    row.push_back(problem);
    return row;
}

std::string Tsv(const Row &header, const std::vector<Row> &rows)
{
    std::string text;
    const auto line = [&](const Row &row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i)
                text += '\t';
            std::string cell = row[i];
            std::replace_if(
                cell.begin(), cell.end(),
                [](char ch) { return ch == '\t' || ch == '\n' || ch == '\r'; }, ' ');
            text += cell;
        }
        text += '\n';
    };
    line(header);
    for (const Row &row : rows)
        line(row);
    return text;
}

} // namespace chart
