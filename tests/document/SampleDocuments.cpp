#include "SampleDocuments.h"

#include "../losssheet/WorkedSystems.h"

#include <fstream>
#include <sstream>

namespace samples {

using chart::Given;
using chart::ProcessKind;
using document::Point;
using document::Process;

namespace {

Point UserPoint(int id, const std::string &label, chart::PointDefinition d,
                std::optional<long double> airflow = {}, const std::string &note = {})
{
    Point p;
    p.id = id;
    p.label = label;
    p.definition = d;
    p.airflow = airflow;
    p.note = note;
    return p;
}

Point Produced(int id, const std::string &label, const std::string &note = {})
{
    Point p;
    p.id = id;
    p.label = label;
    p.note = note;
    return p;
}

Process Made(ProcessKind kind, int from, int to, long double value, long double second, int output)
{
    Process p;
    p.definition.kind = kind;
    p.definition.from = from;
    p.definition.to = to;
    p.definition.value = value;
    p.definition.second = second;
    p.output = output;
    return p;
}

} // namespace

chart::PointDefinition Typed(long double t, Given given, long double value)
{
    chart::PointDefinition d;
    d.dryBulb = t;
    d.given = given;
    d.value = value;
    return d;
}

document::Document FullDocument()
{
    document::Document d;
    d.title = {"事務所ビル 新築工事",
               "設計 太郎",
               "2025年6月1日",
               "AHU-1 の夏期と冬期。\n\"外気量\" は\t2000 m³/h。",
               {}};

    document::Chart summer;
    summer.name = "AHU-1 夏期";
    summer.points = {
        UserPoint(1, "OA", Typed(34, Given::WetBulb, 27), 2000, "外気"),
        UserPoint(2, "RA", Typed(26, Given::RelativeHumidity, 50), 8000, "還気"),
        Produced(3, "MA", "混合"),
        Produced(4, "CA", "コイル出口"),
        Produced(5, "SA"),
        UserPoint(6, "D", Typed(20, Given::HumidityRatio, 0.0105L)),
        UserPoint(7, "E", Typed(15.25L, Given::DewPoint, -5)),
        UserPoint(8, "F", Typed(25, Given::Enthalpy, 12.5L), 1500.5L),
        Produced(9, "G", "出口温度で"),
    };
    Process byLeaving = Made(ProcessKind::Coil, 8, 0, 10, 14, 9);
    byLeaving.definition.coilByLeavingDryBulb = true;
    summer.processes = {
        Made(ProcessKind::Mixing, 1, 2, 0, 0, 3),     Made(ProcessKind::Coil, 3, 0, 12, 0.1L, 4),
        Made(ProcessKind::Heating, 4, 0, 16, 0, 5),   Made(ProcessKind::Change, 2, 5, 0, 0, 0),
        Made(ProcessKind::ShfLine, 2, 0, 0.8L, 0, 0), byLeaving,
    };
    d.charts.push_back(summer);

    document::Chart winter;
    winter.name = "AHU-1 冬期";
    winter.atmosphere = {document::PressureBasis::Given, 745.5L, 0};
    winter.view = {{-5.5, 40}, {0.001, 0.0205}};
    winter.points = {UserPoint(1, "A", Typed(0, Given::RelativeHumidity, 40), 3000),
                     Produced(2, "B"), Produced(3, "C"), Produced(4, "H")};
    Process spray = Made(ProcessKind::SprayHumidifier, 2, 0, 0.006L, 0, 4);
    spray.definition.target = air::HumidifyTarget::HumidityRatio;
    winter.processes = {Made(ProcessKind::Heating, 1, 0, 30, 0, 2),
                        Made(ProcessKind::SteamHumidifier, 2, 0, 45, 0, 3), spray};
    d.charts.push_back(winter);

    document::Chart high;
    high.name = "高地の工場";
    high.atmosphere = {document::PressureBasis::Altitude, air::StandardPressure, 1000};
    d.charts.push_back(high);
    return d;
}

document::Document SmallDocument()
{
    document::Document d;
    document::Chart c;
    c.name = "線図 1";
    c.points = {UserPoint(1, "A", Typed(26, Given::RelativeHumidity, 50))};
    d.charts.push_back(c);
    return d;
}

document::Document SystemsDocument()
{
    using namespace losssheet_test;
    document::Document d;
    d.title = {
        "事務所ビル 新築工事", "設計 太郎", "2025年6月2日", "3 階の給気・冷水・排気系統", {}};

    System supply = FanToFourOutlets();
    supply.name = "SA-1 給気";
    supply.sections[0].fittings[1].note = "AHU-1 冷温水コイル";
    // Outlet a is an open end into the ceiling chamber: an exit, not an
    // outlet's rated loss.
    supply.sections[2].fittings[1] = fitting("duct.exit");
    supply.sections[2].fittings[1].note = "天井チャンバへ開放";
    supply.sections[3].fittings[1].note = "吹出口 b";
    supply.sections[5].fittings[1].note = "吹出口 c";
    supply.sections[6].fittings[1].note = "吹出口 d";
    d.systems.push_back(supply);

    System water = ChilledWater();
    water.name = "CHW-1 冷水";
    water.pipe.sizing = {SizingBasis::Velocity, 1.5L};
    // AHU-1's gate valve by Hooper's 2-K table (row 23), not Darby's 3-K.
    water.sections[1].fittings[2] = fitting("pipe.hooper2k", {22});
    d.systems.push_back(water);

    System exhaust = ductSystem({
        section("E1", "", std::nullopt, "", 12,
                {fitting("duct.elbow.rectangular", {0.35L}, 2, "user"),
                 fitting("duct.damper.open", {0.52L})}),
        section("E2", "", 900, "400×250", 8.5L,
                {fitting("duct.entrance.rounded", {0.1L}),
                 fitting("duct.sudden_expansion", {0.5L}, 1, "hooper")}),
        section("E3", "E1", 1500, "", 6, {fitting("duct.exit")}),
    });
    exhaust.name = "EA-1 排気";
    exhaust.duct.sizing = {SizingBasis::Velocity, 6};
    exhaust.duct.shape = DuctShape::FixedSide;
    exhaust.duct.fixedSide = 250;
    exhaust.marginPercent = 15;
    exhaust.severalRootsAllowed = true;
    d.systems.push_back(exhaust);
    return d;
}

std::string DataFile(const std::string &name)
{
    std::ifstream in(std::string(ZEFRA_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace samples

namespace samples {

std::string UnknownMembersAsSaved()
{
    const std::string system = "    {\n"
                               "      \"name\": \"SA-1\",\n"
                               "      \"sections\": [\n"
                               "        {\n"
                               "          \"name\": \"1\",\n"
                               "          \"flow\": 3600.0\n"
                               "        }\n"
                               "      ]\n"
                               "    }\n";
    // A duct system by default, its target per metre blank, the flow in the
    // shortest text.
    const std::string saved = "    {\n"
                              "      \"kind\": \"duct\",\n"
                              "      \"name\": \"SA-1\",\n"
                              "      \"material\": 5,\n"
                              "      \"roughness\": 0.18,\n"
                              "      \"density\": 1.2,\n"
                              "      \"sizing\": \"loss\",\n"
                              "      \"shape\": \"square\",\n"
                              "      \"margin\": 10,\n"
                              "      \"severalRootsAllowed\": false,\n"
                              "      \"sections\": [\n"
                              "        {\n"
                              "          \"name\": \"1\",\n"
                              "          \"flow\": 3600,\n"
                              "          \"length\": 0,\n"
                              "          \"fittings\": []\n"
                              "        }\n"
                              "      ]\n"
                              "    }\n";
    std::string bytes = DataFile("document-v1-unknown-members.zefra");
    const std::size_t at = bytes.find(system);
    return at == std::string::npos ? std::string() : bytes.replace(at, system.size(), saved);
}

} // namespace samples
