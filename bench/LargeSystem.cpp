#include "LargeSystem.h"

#include <string>

namespace bench {

namespace {

using namespace losssheet;

Fitting fitting(std::string type, std::vector<std::optional<long double>> values = {})
{
    Fitting f;
    f.type = std::move(type);
    f.values = std::move(values);
    return f;
}

} // namespace

System FiveHundredSections()
{
    System s;
    s.kind = SystemKind::Duct;
    s.name = "SA-1";
    for (int m = 0; m < 100; ++m) {
        Section main;
        main.name = "M" + std::to_string(m);
        main.upstream = m ? "M" + std::to_string(m - 1) : "";
        main.length = 6;
        main.fittings = {fitting("tee.diverging.straight", {90, 0.3L}),
                         fitting("duct.elbow.round.smooth")};
        s.sections.push_back(main);
        for (int k = 0; k < 4; ++k) {
            Section outlet;
            outlet.name = main.name + "-" + std::to_string(k);
            outlet.upstream = main.name;
            outlet.flow = 300 + 50 * k;
            outlet.length = 3 + k;
            outlet.fittings = {fitting("tee.diverging.branch"), fitting("duct.elbow.round.smooth"),
                               fitting("duct.damper.open", {0.3L}),
                               fitting("equipment.fixed_dp", {30, 400})};
            s.sections.push_back(outlet);
        }
    }
    return s;
}

} // namespace bench
