#include "LargeDocument.h"

#include <string>

namespace bench {

namespace {

using chart::Given;
using chart::ProcessKind;

// A loss-sheet system of 100 sections: a main of 20 sections from the fan or
// pump, each with four branch sections to terminals; every section with a
// few fittings, the terminals with their equipment, a size typed on most.
losssheet::System LargeSystem(int n)
{
    using losssheet::Fitting;
    const bool duct = n % 2 == 0;
    losssheet::System s;
    s.kind = duct ? losssheet::SystemKind::Duct : losssheet::SystemKind::Pipe;
    s.name = (duct ? "SA-" : "CHW-") + std::to_string(n + 1);
    if (!duct)
        s.pipe.sizing = {losssheet::SizingBasis::Loss, 35};
    const auto fitting = [](const char *type, std::vector<std::optional<long double>> values,
                            long double count = 1) {
        Fitting f;
        f.type = type;
        f.values = std::move(values);
        f.count = count;
        return f;
    };
    for (int m = 0; m < 20; ++m) {
        losssheet::Section main;
        main.name = "M" + std::to_string(m + 1);
        main.upstream = m ? "M" + std::to_string(m) : "";
        main.size = duct ? std::to_string(900 - 20 * m) + "×500" : std::to_string(150 - 5 * m);
        main.length = 6.5L + m % 3;
        main.fittings = {fitting("tee.diverging.straight", {}),
                         duct ? fitting("duct.elbow.round.smooth", {1.5L, 90})
                              : fitting("pipe.darby3k", {0}, 2)};
        s.sections.push_back(main);
        for (int b = 0; b < 4; ++b) {
            losssheet::Section branch;
            branch.name = main.name + "-" + std::to_string(b + 1);
            branch.upstream = main.name;
            branch.flow = duct ? 450.0L + 25 * b : 35.5L + b;
            branch.size = b == 3 ? "" : (duct ? "φ250" : "32");
            branch.length = 3.25L + b;
            branch.fittings = {fitting("tee.diverging.branch", {}),
                               duct ? fitting("duct.elbow.round.smooth", {1, 90}, 2)
                                    : fitting("pipe.hooper2k", {22}),
                               fitting("equipment.fixed_dp", {duct ? 30 : 25000, 500})};
            branch.fittings.back().note = duct ? "吹出口" : "FCU";
            s.sections.push_back(branch);
        }
    }
    return s;
}

// A large real document: 20 charts (a summer and a winter chart for each of
// ten air-handling units), each of 30 points, 7 of them produced by its 10
// processes, every kind of point and process used; and 5 systems of 100
// sections.
} // namespace

document::Document LargeDocument()
{
    document::Document d;
    d.title = {"事務所ビル 新築工事", "設計 太郎", "2025年6月1日", "全空調機の夏期・冬期", {}};
    for (int c = 0; c < 20; ++c) {
        document::Chart chart;
        chart.name = "AHU-" + std::to_string(c / 2 + 1) + (c % 2 ? " 冬期" : " 夏期");
        chart.atmosphere.basis =
            c % 3 == 0 ? document::PressureBasis::Altitude : document::PressureBasis::Standard;
        chart.atmosphere.altitude = 50 * c;
        int id = 0;
        const auto user = [&](long double t, Given given, long double value) {
            document::Point p;
            p.id = ++id;
            p.label = "P" + std::to_string(id);
            p.definition = chart::PointDefinition{t, given, value, std::nullopt};
            if (id % 2)
                p.airflow = 1000.0L + 37.5L * id;
            p.note = id % 3 ? "" : "室内の設計条件";
            chart.points.push_back(p);
            return p.id;
        };
        static constexpr Given Givens[] = {Given::WetBulb, Given::RelativeHumidity,
                                           Given::HumidityRatio, Given::DewPoint, Given::Enthalpy};
        static constexpr long double Values[] = {18.5L, 45.25L, 0.0098L, 11.75L, 11.2L};
        for (int i = 0; i < 23; ++i)
            user(20 + 0.5L * i + c * 0.1L, Givens[i % 5], Values[i % 5]);
        const auto process = [&](ProcessKind kind, int from, int to, long double value,
                                 long double second = 0) {
            document::Process p;
            p.definition.kind = kind;
            p.definition.from = from;
            p.definition.to = chart::TakesSecondPoint(kind) ? to : 0;
            p.definition.value = value;
            p.definition.second = second;
            if (chart::Produces(kind)) {
                document::Point out;
                out.id = ++id;
                out.label = "Q" + std::to_string(id);
                chart.points.push_back(out);
                p.output = out.id;
            }
            chart.processes.push_back(p);
            return p.output;
        };
        const int mix = process(ProcessKind::Mixing, 1, 3, 0);
        const int cooled = process(ProcessKind::Coil, mix, 0, 12, 0.1L);
        process(ProcessKind::Heating, cooled, 0, 16);
        process(ProcessKind::Change, 2, cooled, 0);
        process(ProcessKind::ShfLine, 2, 0, 0.8L);
        process(ProcessKind::SteamHumidifier, 5, 0, 50);
        process(ProcessKind::SprayHumidifier, 7, 0, 60);
        process(ProcessKind::Coil, 9, 0, 10, 15);
        chart.processes.back().definition.coilByLeavingDryBulb = true;
        process(ProcessKind::Mixing, 11, 13, 0);
        process(ProcessKind::Change, 4, 6, 0);
        d.charts.push_back(chart);
    }
    for (int n = 0; n < 5; ++n)
        d.systems.push_back(LargeSystem(n));
    return d;
}

} // namespace bench
