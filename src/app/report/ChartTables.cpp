#include "app/report/ChartTables.h"

#include "app/record/UnitPrecision.h"
#include "chart/ChartTexts.h"
#include "chart/TableTexts.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

#include <algorithm>
#include <optional>

namespace app::report {

namespace {

using ::chart::Row;
using Values = std::vector<std::optional<long double>>;

QString Utf8(const std::string &s)
{
    return QString::fromStdString(s);
}

// The unit of a list's header cell: what follows its last blank.
QString UnitOf(const std::string &headerCell)
{
    const QString cell = Utf8(headerCell);
    const qsizetype blank = cell.lastIndexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : cell.mid(blank + 1);
}

// A cell at the record's decimals of its column's unit.
QString RecordText(const std::string &text, const long double *value, const QString &unit)
{
    ui::FieldValue field;
    field.text = Utf8(text);
    field.unit = unit;
    if (value)
        field.value = static_cast<double>(*value);
    return record::SheetText(field);
}

long double ShownEnthalpy(long double kcal, bool conventional)
{
    return conventional ? kcal : (numeric::Real(kcal) * numeric::KJPerKcal).value();
}

// The table of the list's rows with `values` behind their number columns,
// without the columns `left out`, and without the last column (the
// problems) when every row's is empty.
ReportTable Table(const QString &title, const Row &header, const std::vector<Row> &rows,
                  const std::vector<Values> &values, int firstNumber, std::vector<int> leftOut,
                  const std::vector<int> &textColumns = {})
{
    const int problems = static_cast<int>(header.size()) - 1;
    if (std::all_of(rows.begin(), rows.end(), [&](const Row &r) {
            return r.size() <= std::size_t(problems) || r[problems].empty();
        }))
        leftOut.push_back(problems);
    const auto kept = [&](int c) {
        return std::find(leftOut.begin(), leftOut.end(), c) == leftOut.end();
    };
    const auto isNumber = [&](int c) {
        return c >= firstNumber && c < problems &&
               std::find(textColumns.begin(), textColumns.end(), c) == textColumns.end();
    };
    ReportTable table;
    table.title = title;
    std::vector<QString> units;
    for (int c = 0; c < static_cast<int>(header.size()); ++c) {
        units.push_back(UnitOf(header[c]));
        if (!kept(c))
            continue;
        table.header.append(TwoLineHeader(Utf8(header[c])));
        table.numeric.push_back(isNumber(c));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QStringList cells;
        for (int c = 0; c < static_cast<int>(header.size()); ++c) {
            if (!kept(c))
                continue;
            const std::string text = c < static_cast<int>(rows[r].size()) ? rows[r][c] : "";
            const auto &cell = values[r];
            const long double *value =
                c < static_cast<int>(cell.size()) && cell[c] ? &*cell[c] : nullptr;
            const bool numeric = isNumber(c);
            cells.append(numeric && !text.empty() ? RecordText(text, value, units[c]) : Utf8(text));
        }
        table.rows.append(cells);
    }
    return table;
}

} // namespace

QString TwoLineHeader(const QString &cell)
{
    const qsizetype blank = cell.lastIndexOf(QLatin1Char(' '));
    if (blank <= 0)
        return cell;
    return cell.left(blank) + QLatin1Char('\n') + cell.mid(blank + 1);
}

ReportTable PointTable(const ::chart::Diagram &diagram, bool conventional)
{
    std::vector<Row> rows;
    std::vector<Values> values;
    for (const ::chart::StatePoint &p : diagram.points()) {
        rows.push_back(::chart::PointRow(p, conventional));
        Values v(::chart::PointColumnCount);
        if (const auto &s = p.state) {
            v[::chart::DryBulbColumn] = s->dryBulb;
            v[::chart::WetBulbColumn] = s->wetBulb;
            v[::chart::RelativeHumidityColumn] = s->relativeHumidity;
            v[::chart::HumidityRatioColumn] = s->humidityRatio;
            v[::chart::DewPointColumn] = s->dewPoint;
            v[::chart::EnthalpyColumn] = ShownEnthalpy(s->enthalpy, conventional);
            v[::chart::SpecificVolumeColumn] = s->specificVolume;
        }
        v[::chart::AirflowColumn] = p.airflow;
        v[::chart::DryAirFlowColumn] = p.dryAirFlow;
        values.push_back(std::move(v));
    }
    return Table(QString::fromUtf8(::chart::texts::PointsTitle), ::chart::PointHeader(conventional),
                 rows, values, ::chart::DryBulbColumn, {::chart::PressureColumn},
                 {::chart::NoteColumn});
}

ReportTable ProcessTable(const ::chart::Diagram &diagram, bool conventional)
{
    const Row header = ::chart::ProcessHeader(conventional);
    std::vector<Row> rows;
    std::vector<Values> values;
    // Δt, Δx and Δh stand after the kind, the points and the condition; the
    // apparatus dew point before the problems.
    constexpr int DeltaT = 3, DeltaX = 4, DeltaH = 5;
    const int adp = static_cast<int>(header.size()) - 2;
    for (const ::chart::Process &p : diagram.processes()) {
        rows.push_back(::chart::ProcessRow(diagram, p, conventional));
        Values v(header.size());
        if (const auto &c = p.change) {
            v[DeltaT] = c->deltaDryBulb;
            v[DeltaX] = c->deltaHumidityRatio;
            v[DeltaH] = ShownEnthalpy(c->deltaEnthalpy, conventional);
        }
        if (p.apparatusDewPoint)
            v[adp] = p.apparatusDewPoint->dryBulb;
        values.push_back(std::move(v));
    }
    return Table(QString::fromUtf8(::chart::texts::ProcessesTitle), header, rows, values, DeltaT,
                 {});
}

} // namespace app::report
