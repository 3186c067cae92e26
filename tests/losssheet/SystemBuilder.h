#pragma once

#include "losssheet/System.h"

#include <initializer_list>
#include <optional>
#include <string>

// Short ways to write the systems of the loss sheet's tests.
namespace losssheet_test {

using namespace losssheet;

inline Fitting fitting(std::string type,
                       std::initializer_list<std::optional<long double>> values = {},
                       long double count = 1, std::string method = {})
{
    Fitting f;
    f.type = std::move(type);
    f.method = std::move(method);
    f.values = values;
    f.count = count;
    return f;
}

// A 90° elbow of R/D = 1 by Idelchik's diagram (ζ = 0.21).
inline Fitting elbow(long double count = 1)
{
    return fitting("duct.elbow.round.smooth", {1, 90}, count);
}

inline Fitting equipment(long double ratedPa, long double ratedFlow, std::string note = {})
{
    Fitting f = fitting("equipment.fixed_dp", {ratedPa, ratedFlow});
    f.note = std::move(note);
    return f;
}

inline Section section(std::string name, std::string upstream, std::optional<long double> flow,
                       std::string size, long double length,
                       std::initializer_list<Fitting> fittings = {})
{
    return {std::move(name), std::move(upstream), flow, std::move(size), length, fittings, {}};
}

inline System ductSystem(std::initializer_list<Section> sections)
{
    System s;
    s.kind = SystemKind::Duct;
    s.sections = sections;
    return s;
}

inline System pipeSystem(std::initializer_list<Section> sections)
{
    System s;
    s.kind = SystemKind::Pipe;
    s.sections = sections;
    return s;
}

} // namespace losssheet_test
